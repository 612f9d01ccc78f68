// The clone-file loader: whatever a file holds, a load that succeeds gives an
// image that saves as a well-formed file, and reopening that save and saving
// again gives the same file.
#include <QBuffer>

#include "files/clone_file.h"
#include "files/text_file.h"
#include "fuzz_check.h"
#include "saved_form.h"

using namespace wrk7;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int model = fuzz::ModelOf(data, size);
    if (size > 0) ++data, --size;
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto text = ReadTextLines(buffer, kCloneFileLines);
    fuzz::Require(text.has_value(), "a buffer always reads");

    CloneImage image = fuzz::FreshImage(model);
    const CloneImage before = image;
    const FileResult loaded = ApplyCloneFileLines(image, text->lines);
    if (!loaded.ok) {
        fuzz::Require(image == before, "a failed load changes nothing");
        return 0;
    }
    const auto first = fuzz::RequireWellFormedSave(image);
    fuzz::RequireSameSave(first, fuzz::SaveAfterReopen(first, model));
    return 0;
}
