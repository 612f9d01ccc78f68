// Owners, modes and the user's groups as the kernel has them; for this
// machine itself also its own access check, which knows access lists.
#ifndef _WIN32
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "diagnostics/system_view.h"

namespace wrk7::diagnostics {

namespace {

std::string GroupName(gid_t gid) {
    const group* g = ::getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

std::string UserName(uid_t uid) {
    const passwd* p = ::getpwuid(uid);
    return p ? p->pw_name : std::to_string(uid);
}

class FileSystem final : public SystemView {
public:
    using SystemView::SystemView;
    std::optional<NodeOwner> Owner(const std::string& device) const override {
        struct stat st {};
        if (::stat(Here(device).c_str(), &st) != 0) return std::nullopt;
        return NodeOwner{UserName(st.st_uid), GroupName(st.st_gid), static_cast<unsigned>(st.st_mode & 07777)};
    }
    std::optional<UserInfo> User() const override {
        if (Root() != "/") return std::nullopt;  // this process's user is not the one of a copied machine
        UserInfo user;
        user.name = UserName(::geteuid());
        user.superuser = ::geteuid() == 0;
        const int count = ::getgroups(0, nullptr);
        std::vector<gid_t> gids(static_cast<std::size_t>(count > 0 ? count : 0));
        if (count > 0 && ::getgroups(count, gids.data()) < 0) gids.clear();
        gids.push_back(::getegid());
        for (gid_t gid : gids) user.groups.push_back(GroupName(gid));
        return user;
    }
    std::optional<bool> Grants(const std::string& device) const override {
        if (Root() != "/") return std::nullopt;  // a copy of another machine: its modes tell
        return ::access(device.c_str(), R_OK | W_OK) == 0;
    }
};

}  // namespace

std::unique_ptr<SystemView> FileSystemAt(const std::filesystem::path& root) { return std::make_unique<FileSystem>(root); }

}  // namespace wrk7::diagnostics
#endif  // _WIN32
