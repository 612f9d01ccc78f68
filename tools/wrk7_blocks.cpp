// wrk7-blocks FILE.WK7: the block file wrk7w saves when it reads a receiver
// that holds FILE (model WR-K7J), so scripts/test-windows can hold what the
// Windows program read against what the emulator kept.
#include <QString>
#include <cstdio>

#include "emulator/emulator_port.h"
#include "emulator/memory_image.h"
#include "files/clone_file.h"
#include "link/link_operations.h"
#include "lists/clone_file_load.h"
#include "wincli/block_file.h"

int main(int argc, char** argv) {
    using namespace wrk7;
    if (argc != 2) {
        std::fputs("usage: wrk7-blocks FILE.WK7\n", stderr);
        return 2;
    }
    CloneImage image;
    const FileResult loaded = LoadCloneFile(image, QString::fromLocal8Bit(argv[1]));
    for (const Message& said : loaded.messages) std::fprintf(stderr, "%s\n", said.English().c_str());
    if (!loaded.ok) return 1;
    image.model = 0;
    auto receiver = std::make_shared<emu::Receiver>(0);
    emu::StoreImage(receiver->Mem(), image);
    receiver->LatchBankTable();
    emu::EmulatorPort port(receiver);
    wincli::Blocks blocks;
    auto recording = wincli::MakeRecordingPort(port, blocks);
    CloneImage read = image;
    const link::LinkResult result = link::RunRead(link::Part::kAll, read, *recording);
    if (!result.ok()) {
        for (const Message& said : result.messages) std::fprintf(stderr, "%s\n", said.English().c_str());
        return 1;
    }
    std::fputs(wincli::BlocksText(blocks).c_str(), stdout);
    return 0;
}
