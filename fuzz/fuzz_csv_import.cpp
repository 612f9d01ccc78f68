// CSV import: whatever the text, an import that succeeds leaves an image that
// saves as a well-formed clone file, shows after a save and a reopen what the
// import stored, and saves the same way again; a failed import changes
// nothing.
#include "codecs/grid_text.h"
#include "files/clone_file.h"
#include "files/csv.h"
#include "fuzz_check.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

// Grid rows without the name column, which the record keeps to six
// printable characters.
void RequireSameRows(const CloneImage& imported, const CloneImage& reopened) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        GridRow a = MemoryGridRow(imported, slot), b = MemoryGridRow(reopened, slot);
        a[kName].clear();
        b[kName].clear();
        fuzz::Require(a == b, "a reopen shows the imported slot", std::to_string(slot));
    }
    for (int band = 0; band < kBandCount; ++band)
        fuzz::Require(VfoGridRow(imported, band) == VfoGridRow(reopened, band), "a reopen shows the imported band",
                      std::to_string(band));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int model = fuzz::ModelOf(data, size);
    if (size > 0) ++data, --size;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    CloneImage image = fuzz::FreshImage(model);
    const CloneImage before = image;
    const CsvImportResult r = ImportCsvBytes(image, bytes);
    if (!r.result.ok) {
        fuzz::Require(image == before, "a failed import changes nothing");
        return 0;
    }
    const auto first = fuzz::RequireWellFormedSave(image);
    CloneImage reopened = fuzz::FreshImage(model);
    fuzz::Require(ApplyCloneFileLines(reopened, first).ok, "an import's save reopens");
    RequireSameRows(image, reopened);
    fuzz::RequireSameSave(first, fuzz::SaveAfterReopen(first, model));
    return 0;
}
