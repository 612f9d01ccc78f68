#include "lists/list_formats.h"

#include <algorithm>
#include <vector>

#include "lists/list_readers.h"

namespace wrk7 {

const ListFileInfo& InfoOf(ListFileType type) {
    return *std::find_if(std::begin(kListFiles), std::end(kListFiles),
                         [type](const ListFileInfo& f) { return f.type == type; });
}

const ListFileInfo& InfoOf(ListFormat format) {
    return *std::find_if(std::begin(kListFiles), std::end(kListFiles),
                         [format](const ListFileInfo& f) { return f.rows == format; });
}

std::optional<ListFileType> ListFileNamed(std::string_view name) {
    const std::string key = list_readers::HeadingKey(name);
    for (const ListFileInfo& f : kListFiles)
        if (f.name == key) return f.type;
    return std::nullopt;
}

bool IsWritten(ListFileType type) { return !InfoOf(type).exportFilter.empty(); }

namespace {

std::string OneOf(const std::vector<std::string_view>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i) out += i + 1 == names.size() ? " or " : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace

std::string ListFileNames(bool writtenOnly) {
    std::vector<std::string_view> names;
    for (const ListFileInfo& f : kListFiles)
        if (!writtenOnly || IsWritten(f.type)) names.push_back(f.name);
    return OneOf(names);
}

std::string ListFileTitles() {
    std::vector<std::string_view> titles;
    for (const ListFileInfo& f : kListFiles) titles.push_back(f.title);
    return OneOf(titles);
}

std::string ListImportFilter() {
    std::vector<std::string_view> suffixes;
    for (const ListFileInfo& f : kListFiles)
        if (std::find(suffixes.begin(), suffixes.end(), f.suffix) == suffixes.end()) suffixes.push_back(f.suffix);
    std::string patterns, globs;
    for (std::string_view suffix : suffixes) {
        patterns += std::string(patterns.empty() ? "" : " ") + "*." + std::string(suffix);
        globs += std::string(globs.empty() ? "" : ";") + "*." + std::string(suffix);
    }
    return "Channel Lists (" + patterns + ")|" + globs + "|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*";
}

std::string ListExportFilter() {
    std::string all;
    for (const ListFileInfo& f : kListFiles)
        if (IsWritten(f.type)) all += std::string(f.exportFilter) + '|';
    return all + "All Files (*.*)|*.*";
}

}  // namespace wrk7
