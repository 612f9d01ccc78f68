// Windows names no owner or group of a port, only whether this user may
// open it; a copy of a Linux machine read here has files only.
#ifdef _WIN32
#include "diagnostics/system_view.h"
#include "platform/access.h"

namespace wrk7::diagnostics {

namespace {

class FileSystem final : public SystemView {
public:
    using SystemView::SystemView;
    std::optional<NodeOwner> Owner(const std::string&) const override { return std::nullopt; }
    std::optional<UserInfo> User() const override { return std::nullopt; }
    std::optional<bool> Grants(const std::string& device) const override {
        if (Root() != "/") return std::nullopt;
        return platform::MayReadAndWrite(device);
    }
};

}  // namespace

std::unique_ptr<SystemView> FileSystemAt(const std::filesystem::path& root) { return std::make_unique<FileSystem>(root); }

}  // namespace wrk7::diagnostics
#endif  // _WIN32
