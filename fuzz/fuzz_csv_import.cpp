// CSV import: whatever the text, an import that succeeds leaves an image that
// saves as a well-formed clone file, shows after a save and a reopen what the
// import stored, and saves the same way again; a failed import changes
// nothing.
#include "codecs/channel_codec.h"
#include "files/clone_file.h"
#include "fuzz_check.h"
#include "lists/csv.h"
#include "saved_form.h"

using namespace wrk7;

namespace {

// Every field a list shows, but the name, which the record keeps to six
// printable characters. An option the model lacks is written, and so
// reopened, as OFF while the store keeps it (both show OFF).
bool SameChannel(const SlotFields& a, const SlotFields& b, int model) {
    for (int f = 0; f < kName; ++f) {
        if (f == kOption) {
            if (WrittenOptionCode(model, a.Value(f)) != WrittenOptionCode(model, b.Value(f))) return false;
        } else if (a.Value(f) != b.Value(f) || a.Text(f) != b.Text(f)) {
            return false;
        }
    }
    return a.Value(kSkip) == b.Value(kSkip);
}

void RequireSameChannels(const CloneImage& imported, const CloneImage& reopened) {
    const int model = imported.model;
    for (int slot = 0; slot < kSlotCount; ++slot)
        fuzz::Require(SameChannel(imported.memory.slot[slot], reopened.memory.slot[slot], model) &&
                          imported.memory.enabled[slot] == reopened.memory.enabled[slot],
                      "a reopen shows the imported slot", std::to_string(slot));
    for (int band = 0; band < kBandCount; ++band)
        fuzz::Require(SameChannel(imported.vfo.bands[band], reopened.vfo.bands[band], model), "a reopen shows the imported band",
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
    RequireSameChannels(image, reopened);
    fuzz::RequireSameSave(first, fuzz::RequireWellFormedSave(reopened));
    return 0;
}
