// Large CSV imports: a 60 MB list of valid rows and one of garbage with many
// short fields, in this program's layout and in CHIRP's, each imported the
// way `wrk7 import` does it. Every case runs in a child process of its own, so
// its peak resident memory (getrusage ru_maxrss) is its own; the goal is under
// ten times the file's size and under 15 s for each.
//
//   bench_csv_large [MB]     60 MB files unless told
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

#include "codecs/new_image.h"
#include "lists/chirp_csv.h"
#include "lists/csv.h"

namespace {

using namespace wrk7;

// Every memory slot in use, as a full receiver gives it.
CloneImage FullImage() {
    CloneImage image;
    NewCloneImage(image);
    for (int s = 0; s < kSlotCount; ++s) {
        auto& f = image.memory.slot[s];
        f.Set(kFreq, 118.0 + 0.025 * (s % 1000));
        f.Set(kMode, s % 3);
        f.Set(kStep, s % 16);
        f.SetText(kName, "CH" + std::to_string(1000 + s));
        f.SetText(kNote, "note, of slot " + std::to_string(s));
        image.memory.enabled[s] = true;
    }
    return image;
}

// Writes lines (or bytes from next) until the file holds bytes, never more.
bool WriteFile(const QString& path, qint64 bytes, const std::function<std::string()>& next) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    qint64 written = 0;
    for (;;) {
        const std::string part = next();
        if (written + static_cast<qint64>(part.size()) > bytes) break;
        if (file.write(part.data(), static_cast<qint64>(part.size())) != static_cast<qint64>(part.size())) return false;
        written += static_cast<qint64>(part.size());
    }
    return file.flush();
}

// Lines in turn, title line first and once.
std::function<std::string()> Cycling(std::vector<std::string> lines) {
    return [lines = std::move(lines), i = std::size_t{0}]() mutable {
        const std::string& line = lines[i];
        i = i + 1 < lines.size() ? i + 1 : 1;
        return line + "\r\n";
    };
}

// Short fields of letters and digits, a line end now and then; a header line
// first when one is given.
std::function<std::string()> Garbage(std::string header) {
    return [header = std::move(header), seed = 12345u]() mutable {
        std::string out = std::exchange(header, {});
        for (int i = 0; i < 4096; ++i) {
            seed = seed * 1103515245u + 12345u;
            const unsigned r = (seed >> 16) % 16;
            out += r < 8 ? ',' : r < 15 ? static_cast<char>('a' + r) : '\n';
        }
        return out;
    };
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// What `wrk7 import` does with a list: read it once, tell its layout by its
// header, import it; the time of each step is printed.
void ImportAsTheToolDoes(const QString& path) {
    CloneImage image;
    NewCloneImage(image);
    auto start = std::chrono::steady_clock::now();
    const auto text = ReadCsvFile(path);
    const double read = Seconds(start);
    start = std::chrono::steady_clock::now();
    const bool chirp = text && DetectCsvKind(*text) == CsvKind::kChirp;
    const double detect = Seconds(start);
    start = std::chrono::steady_clock::now();
    if (chirp)
        (void)ImportChirpText(image, *text);
    else
        (void)ImportCsvFile(image, path, text);
    std::printf("    read %.2f s, header %.2f s, import %.2f s\n", read, detect, Seconds(start));
    std::fflush(stdout);
}

struct Cost {
    double seconds = -1, cpuSeconds = -1, peakMb = -1;
};

// Runs work in a child: its time (wall clock and CPU, which other load on
// the machine spares) and peak resident memory.
Cost InChild(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    std::fflush(stdout);  // the child must not print what the parent has buffered
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return {};
    auto seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {Seconds(start), seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss * 1024.0 / 1e6};
}

}  // namespace

int main(int argc, char** argv) {
    const qint64 megabytes = argc > 1 ? std::atoll(argv[1]) : 60;
    const qint64 bytes = megabytes * 1000 * 1000;
    QTemporaryDir dir;
    const CloneImage image = FullImage();
    const auto own = CsvExportLines(image);
    const auto chirp = ChirpExportLines(image);
    const struct {
        const char* name;
        std::function<std::string()> lines;
    } cases[] = {
        {"own layout, valid rows", Cycling(own)},
        {"own layout, garbage", Garbage("")},
        {"CHIRP layout, valid rows", Cycling(chirp)},
        {"CHIRP header, garbage", Garbage(chirp.front() + "\r\n")},
        {"CHIRP, one Location", Cycling({chirp.front(), "1,,146.52"})},  // each row replaces the one before
    };
    const Cost idle = InChild([] { (void)ReadCsvFile(QString()); });
    std::printf("%-26s %8s %9s %9s %13s %9s\n", "case", "file MB", "seconds", "CPU s", "peak RSS MB", "RSS/file");
    std::printf("%-26s %8s %9.2f %9.2f %13.1f\n", "(nothing read)", "-", idle.seconds, idle.cpuSeconds, idle.peakMb);
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("list.csv"));
        if (!WriteFile(path, bytes, c.lines)) return 1;
        const double size = static_cast<double>(QFile(path).size()) / 1e6;
        const Cost cost = InChild([&] { ImportAsTheToolDoes(path); });
        std::printf("%-26s %8.1f %9.2f %9.2f %13.1f %9.1f\n", c.name, size, cost.seconds, cost.cpuSeconds, cost.peakMb,
                    (cost.peakMb - idle.peakMb) / size);
    }
    return 0;
}
