// The link's reply handling: a read or write against a port that answers
// with whatever the script says always ends, with a result code and the
// messages that go with it, and leaves an image that saves well-formed.
#include "fuzz_check.h"
#include "link/link_operations.h"
#include "saved_form.h"
#include "scripted_port.h"

using namespace wrk7;

namespace {

// Channels in every area, so a write has records to send.
CloneImage ImageToWrite(int model) {
    CloneImage image = fuzz::FreshImage(model);
    for (int slot : {0, 1, 150, 999, 1000, 1101, 1299}) {
        image.memory.slot[slot].Set(kFreq, 145.0 + slot / 1000.0);
        image.memory.slot[slot].SetText(kName, "CH" + std::to_string(slot));
        image.memory.enabled[slot] = true;
    }
    return image;
}

}  // namespace

// The first byte: bit 0 write, bits 1..3 the part, bits 4..5 the model; the
// rest is the port's script.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const bool write = choice & 1;
    const auto part = static_cast<link::Part>((choice >> 1) % 5);
    const int model = (choice >> 4) % 4;
    fuzz::ScriptedPort port(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    CloneImage image = ImageToWrite(model);

    const link::LinkResult r =
        write ? link::RunWrite(part, image, port) : link::RunRead(part, image, port);
    const int number = link::NumberOf(r.outcome);
    fuzz::Require(number == 0 || number == 1 || number == 4, "a result code", std::to_string(number));
    fuzz::Require(!r.messages.empty(), "an operation always says how it ended");
    fuzz::Require(r.ok() == (r.messages.back().id == link::kMsgSuccess), "success and only success says so",
                  r.messages.back().English());
    fuzz::RequireWellFormedSave(image);
    return 0;
}
