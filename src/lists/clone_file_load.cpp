#include "lists/clone_file_load.h"

#include "lists/channel_list.h"

namespace wrk7 {

FileResult LoadCloneFile(CloneImage& image, const QString& path) {
    return LoadCloneFile(image, path, [](std::string_view head) -> std::optional<std::string> {
        if (const auto type = DetectListFile(head)) return std::string(InfoOf(*type).title);
        return std::nullopt;
    });
}

}  // namespace wrk7
