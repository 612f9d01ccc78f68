// The image comparison: an image compared with itself shows no difference,
// the comparison finds none in either order or in both, and two images it
// finds no difference between save the same clone file, export the same CSV
// and CHIRP lists and print the same listing.
#include "files/clone_file.h"
#include "edit/image_diff.h"
#include "files/listing.h"
#include "fuzz_check.h"
#include "lists/chirp_csv.h"
#include "lists/csv.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

// An edit of a saved file's lines: two bytes choose a line between header and
// footer, one a place in it, one what goes there: a hex digit (below 0x80), a
// printable character (0x80..0xFE) or, for 0xFF, the end of the line.
constexpr std::size_t kEditBytes = 4;

void Edit(std::vector<std::string>& lines, const std::uint8_t* e) {
    const int line = ((e[0] << 8) | e[1]) % (kFooterLine - 1) + 1;
    std::string& l = lines[static_cast<std::size_t>(line)];
    const std::size_t at = e[2] % (l.size() + 1);
    if (e[3] == 0xFF) {
        l.resize(at);
        return;
    }
    const char c = e[3] < 0x80 ? "0123456789ABCDEF"[e[3] & 15] : static_cast<char>(0x20 + (e[3] & 0x3F));
    if (at == l.size()) {
        l += c;
    } else {
        l[at] = c;
    }
}

// The image a file of these lines opens as: what `wrk7 diff` compares.
CloneImage Opened(const std::vector<std::string>& lines, int model) {
    CloneImage image = fuzz::FreshImage(model);
    fuzz::Require(ApplyCloneFileLines(image, lines).ok, "edited lines still open");
    return image;
}

std::vector<std::string> Saved(const CloneImage& image) { return CloneFileLines(image); }

}  // namespace

// The first byte picks the model, the second how many edits make the first
// image out of a new file's lines; the edits after them make the second image
// out of the first one's save.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int model = fuzz::ModelOf(data, size);
    const std::size_t firstEdits = data[1];
    data += 2, size -= 2;
    const std::size_t edits = size / kEditBytes;

    static std::vector<std::string> fresh[4];  // a new file's lines, made once per model
    if (fresh[model].empty()) fresh[model] = Saved(fuzz::FreshImage(model));
    std::vector<std::string> lines = fresh[model];
    for (std::size_t k = 0; k < edits && k < firstEdits; ++k) Edit(lines, data + k * kEditBytes);
    const CloneImage a = Opened(lines, model);
    fuzz::Require(DiffImages(a, a).empty(), "an image does not differ from itself");

    lines = Saved(a);
    for (std::size_t k = firstEdits; k < edits; ++k) Edit(lines, data + k * kEditBytes);
    const CloneImage b = Opened(lines, model);
    const bool same = DiffImages(a, b).empty();
    fuzz::Require(same == DiffImages(b, a).empty(), "a difference shows in both orders");
    if (!same) return 0;

    const auto savedA = Saved(a), savedB = Saved(b);
    for (std::size_t i = 0; i < savedA.size(); ++i)
        fuzz::Require(savedA[i] == savedB[i], "images without a difference save the same line",
                      "line " + std::to_string(i + 1) + ": " + savedA[i] + " / " + savedB[i]);
    fuzz::Require(CsvExportLines(a) == CsvExportLines(b), "images without a difference export the same CSV");
    fuzz::Require(ChirpExportLines(a) == ChirpExportLines(b), "images without a difference export the same CHIRP list");
    const ListingSections all{true, true, true};
    fuzz::Require(PrintListing(a, all) == PrintListing(b, all), "images without a difference print the same listing");
    return 0;
}
