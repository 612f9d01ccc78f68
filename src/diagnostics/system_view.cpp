// A system examined as files below a root, so the same code reads this
// machine, a copy of a user's machine and the test fixtures.
#include "diagnostics/system_view.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace wrk7::diagnostics {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Attr(const fs::path& dir, const char* name) { return Trimmed(ReadText(dir / name)); }

std::string LinkName(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

std::vector<fs::path> Entries(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

fs::path SystemView::Here(const std::string& path) const { return root_ / fs::path(path).relative_path(); }

namespace {

// port-doctor.txt: see SystemAt.
class DescribedSystem final : public SystemView {
public:
    DescribedSystem(const fs::path& root, const std::string& text) : SystemView(root) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line.substr(0, line.find('#')));
            std::string kind;
            words >> kind;
            if (kind == "user") {
                UserInfo u;
                words >> u.name;
                for (std::string g; words >> g;) u.groups.push_back(g);
                u.superuser = u.name == "root";
                user_ = u;
            } else if (kind == "node") {
                std::string path, mode;
                NodeOwner n;
                words >> path >> n.owner >> n.group >> mode;
                n.mode = static_cast<unsigned>(std::strtoul(mode.c_str(), nullptr, 8));
                if (!mode.empty()) nodes_[path] = n;
            }
        }
    }
    std::optional<NodeOwner> Owner(const std::string& device) const override {
        const auto it = nodes_.find(device);
        return it == nodes_.end() ? std::nullopt : std::optional<NodeOwner>(it->second);
    }
    std::optional<UserInfo> User() const override { return user_; }

private:
    std::map<std::string, NodeOwner> nodes_;
    std::optional<UserInfo> user_;
};

}  // namespace

std::unique_ptr<SystemView> SystemAt(const fs::path& root) {
    std::error_code error;
    const fs::path described = root / "port-doctor.txt";
    if (fs::is_regular_file(described, error)) return std::make_unique<DescribedSystem>(root, ReadText(described));
    return FileSystemAt(root);
}

}  // namespace wrk7::diagnostics
