// wrk7w: the whole image read from a COM port into a block file, or written
// back from one. Built on the layers without Qt and the system's serial
// port, so it runs where the desktop program cannot be built.
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "codecs/new_image.h"
#include "core/models.h"
#include "link/link_operations.h"
#include "link/port_names.h"
#include "platform/interrupt.h"
#include "platform/terminal.h"
#include "wincli/block_file.h"

namespace {

using namespace wrk7;

// The exit status of the Linux tool: 0 success, 1 failure, 2 usage, 4 refused.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kExitRefused = 4;

constexpr const char* kUsage =
    "usage: wrk7w read  --port COMn [--model MODEL] OUT.txt\n"
    "       wrk7w write --port COMn [--model MODEL] IN.txt\n"
    "OUT.txt / IN.txt: one block a line, ADDRESS and 64 hex digits as the receiver sends them.\n";

int Usage(const std::string& why) {
    std::fprintf(stderr, "wrk7w: %s\n%s", why.c_str(), kUsage);
    return kExitUsage;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

int ModelNumber(const std::string& name) {
    for (int i = 0; const ModelInfo* info = FindModel(i); ++i)
        if (Upper(std::string(info->name)) == Upper(name)) return i;
    return -1;
}

// Prints the operation's messages as the Linux tool does (the port's reason
// only on a terminal) and gives its exit status.
int Report(const link::LinkResult& result, const link::SerialPort& port) {
    const bool terminal = platform::StandardErrorIsTerminal();
    for (const Message& said : result.messages) std::fprintf(stderr, "%s\n", said.English().c_str());
    if (terminal && result.cancelled) std::fprintf(stderr, "cancelled\n");
    if (terminal && !port.ErrorText().empty()) std::fprintf(stderr, "%s\n", port.ErrorText().c_str());
    switch (result.outcome) {
        case link::LinkOutcome::kOk: return kExitOk;
        case link::LinkOutcome::kRefused: return kExitRefused;
        case link::LinkOutcome::kFailed: break;
    }
    return kExitFailure;
}

// Replaces path only once all of text is written.
bool SaveText(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::filesystem::remove(temporary, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    const std::string verb = args[0];
    if (verb != "read" && verb != "write") return Usage("unknown command '" + verb + "'");
    std::string portName, file;
    int model = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--port" && hasValue) {
            portName = args[++i];
        } else if (args[i] == "--model" && hasValue) {
            model = ModelNumber(args[++i]);
            if (model < 0) return Usage("unknown model '" + args[i] + "'");
        } else if (args[i].rfind("--", 0) == 0 || !file.empty()) {
            return Usage("unexpected '" + args[i] + "'");
        } else {
            file = args[i];
        }
    }
    if (portName.empty()) return Usage("--port is required");
    const int comNumber = link::WindowsComNumber(portName);
    if (comNumber == 0) return Usage("--port takes COM1 ... COM256");
    if (file.empty()) return Usage("the image file is missing");
    // Only a port the system lists: any other opens as nothing, and the
    // read would say no more than that it failed.
    const link::PortChoice choice = link::ResolveWindowsPortName(portName, link::RegisteredPortNames());
    if (choice.device.empty()) {
        std::fprintf(stderr, "%s\n", choice.problem ? choice.problem->English().c_str() : "");
        return kExitFailure;
    }
    portName = choice.device;

    CloneImage image;
    image.model = model;
    NewCloneImage(image);
    image.model = model;
    if (verb == "write") {
        std::ifstream in(file, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string why;
        const auto blocks = in ? wincli::ParseBlocksText(text, why) : std::nullopt;
        if (!blocks || !wincli::ImageFromBlocks(image, *blocks)) {
            std::fprintf(stderr, "File Open Error\n%s: %s\n", file.c_str(), in ? why.c_str() : "cannot be read");
            return kExitFailure;
        }
    }

    const platform::InterruptCatcher interrupt;
    link::LinkOptions options;
    options.cancel = &interrupt.Flag();
    auto device = link::MakeDevicePort(portName, portName);
    link::LinkResult result;
    if (verb == "read") {
        wincli::Blocks blocks;
        auto port = wincli::MakeRecordingPort(*device, blocks);
        result = link::RunRead(link::Part::kAll, image, *port, options);
        device->Close();
        const int status = Report(result, *device);
        if (status != kExitOk) return status;
        std::string why;
        if (!wincli::ParseBlocksText(wincli::BlocksText(blocks), why) || !SaveText(file, wincli::BlocksText(blocks))) {
            std::fprintf(stderr, "File Open Error\n");
            return kExitFailure;
        }
        return kExitOk;
    }
    result = link::RunWrite(link::Part::kAll, image, *device, options);
    device->Close();
    return Report(result, *device);
}
