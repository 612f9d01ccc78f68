#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "codecs/new_image.h"
#include "files/clone_file.h"
#include "lists/clone_file_load.h"
#include "lists/csv.h"

namespace {

// Every slot and band in use, each with a note, as a full image gets.
wrk7::CloneImage FullImage() {
    wrk7::CloneImage image;
    wrk7::NewCloneImage(image);
    for (int s = 0; s < wrk7::kSlotCount; ++s) {
        auto& f = image.memory.slot[s];
        f.Set(wrk7::kFreq, 118.0 + 0.025 * s);
        f.Set(wrk7::kMode, s % 3);
        f.Set(wrk7::kStep, s % 16);
        f.Set(wrk7::kTone, s % 39);
        f.Set(wrk7::kOffset, 0.6);
        f.SetText(wrk7::kName, "CH" + std::to_string(1000 + s % 9000).substr(0, 4));
        f.SetText(wrk7::kNote, "note, of slot " + std::to_string(s));
        image.memory.enabled[s] = true;
    }
    return image;
}

void CloneFileSaveAndLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.WK7");
    wrk7::CloneImage image = FullImage();
    for (auto _ : state) {
        if (!wrk7::SaveCloneFile(image, path).ok) state.SkipWithError("save failed");
        wrk7::CloneImage loaded;
        if (!wrk7::LoadCloneFile(loaded, path).ok) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(CloneFileSaveAndLoad)->Unit(benchmark::kMillisecond);

void CsvExportAndImport(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.csv");
    const wrk7::CloneImage image = FullImage();
    for (auto _ : state) {
        if (!wrk7::ExportCsv(image, path).ok) state.SkipWithError("export failed");
        wrk7::CloneImage target;
        const auto r = wrk7::ImportCsv(target, path);
        if (!r.result.ok || r.rowsStored != wrk7::kCsvRows) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(CsvExportAndImport)->Unit(benchmark::kMillisecond);

// The four halves on their own.
void CloneFileLoad(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.WK7");
    wrk7::CloneImage image = FullImage();
    if (!wrk7::SaveCloneFile(image, path).ok) state.SkipWithError("save failed");
    for (auto _ : state) {
        wrk7::CloneImage loaded;
        if (!wrk7::LoadCloneFile(loaded, path).ok) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(CloneFileLoad)->Unit(benchmark::kMillisecond);

void CsvImportOnly(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.csv");
    if (!wrk7::ExportCsv(FullImage(), path).ok) state.SkipWithError("export failed");
    for (auto _ : state) {
        wrk7::CloneImage target;
        benchmark::DoNotOptimize(wrk7::ImportCsv(target, path));
    }
}
BENCHMARK(CsvImportOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
