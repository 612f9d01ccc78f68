#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wrk7::diagnostics {

// Who owns a device node, and who asks: what a plain tree of files cannot
// carry (in git, or in a copy made by a user who is not root).
struct NodeOwner {
    std::string owner, group;
    unsigned mode = 0;  // permission bits (0660)
};
struct UserInfo {
    std::string name;
    bool superuser = false;
    std::vector<std::string> groups;  // of this login, not of /etc/group
};

// A system as the doctor reads it: /sys, /proc, /dev, /etc/group and the
// udev rules folders below Root(), plus owners and the user.
class SystemView {
public:
    explicit SystemView(std::filesystem::path root) : root_(std::move(root)) {}
    virtual ~SystemView() = default;
    const std::filesystem::path& Root() const { return root_; }
    // Where a path of the examined system ("/dev/ttyUSB0") lies here.
    std::filesystem::path Here(const std::string& path) const;
    virtual std::optional<NodeOwner> Owner(const std::string& device) const = 0;
    virtual std::optional<UserInfo> User() const = 0;
    // Whether the system itself lets the user read and write device, access
    // lists included; nullopt: judge by owner, group and mode.
    virtual std::optional<bool> Grants(const std::string& /*device*/) const { return std::nullopt; }

private:
    std::filesystem::path root_;
};

// The system whose files lie below root. When root holds port-doctor.txt,
// owners and the user come from it, one line each:
//   user NAME GROUP...             the asking user and the groups of its login ("root" is the superuser)
//   node PATH OWNER GROUP MODE     e.g. "node /dev/ttyUSB0 root dialout 0660" (MODE in octal)
// '#' starts a comment. Otherwise, at "/", the nodes' own owners, this
// process's user and the system's own access check; below any other root
// no permission is judged (this process's user is not that machine's).
std::unique_ptr<SystemView> SystemAt(const std::filesystem::path& root);
// The same without port-doctor.txt: the platform file defines it.
std::unique_ptr<SystemView> FileSystemAt(const std::filesystem::path& root);

// What the files of a system say, read below any root: a missing file or
// folder reads as empty.
std::string ReadText(const std::filesystem::path& path);
// A sysfs attribute: one line of text, trimmed.
std::string Attr(const std::filesystem::path& dir, const char* name);
// The last part of where a symbolic link points ("ftdi_sio" of a driver link).
std::string LinkName(const std::filesystem::path& link);
// A folder's entries, sorted; none when it cannot be read.
std::vector<std::filesystem::path> Entries(const std::filesystem::path& dir);
std::string Trimmed(const std::string& text);  // without white space around it
std::string Lower(std::string text);

}  // namespace wrk7::diagnostics
