// A 5,000-row channel list taken as the import's window takes it: read,
// mapped for the receiver, placed by the default target and shown in the
// preview (its model, its filter and the cells of the first screen). The
// goal is under 200 ms for each kind of list, and the memory it holds once
// shown (what the allocator has in use) under ten times the file's size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <malloc.h>
#include <memory>
#include <string>

#include "app/dialogs/list_preview_model.h"
#include "codecs/new_image.h"
#include "edit/bank.h"
#include "lists/channel_list.h"
#include "lists/list_import.h"

namespace {

using namespace wrk7;

constexpr int kRows = 5000;

std::string GqrxList() {
    std::string text = "# Tag name          ;  color\nMarine              ; #00ff00\nAir                 ; #0000ff\n\n"
                       "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n";
    const char* modes[] = {"Narrow FM", "AM", "WFM (stereo)", "USB"};
    for (int i = 0; i < kRows; ++i)
        text += std::to_string(118000000 + 12500LL * i) + "; Bookmark number " + std::to_string(i) + " ; " +
                modes[i % 4] + " ; 10000; " + (i % 2 ? "Marine" : "Air") + "\n";
    return text;
}

std::string DatabaseList() {
    std::string text = "\"Frequency Output\",\"Frequency Input\",\"FCC Callsign\",Agency/Category,Description,"
                       "\"Alpha Tag\",\"PL Output Tone\",\"PL Input Tone\",Mode,\"Class Station Code\",Tag\n";
    const char* modes[] = {"FM", "FMN", "P25", "AM"};
    for (int i = 0; i < kRows; ++i)
        text += std::to_string(150 + i / 1000) + "." + std::to_string(1000 + i % 1000).substr(1) + "00,0.00000,KDR444,"
                "County Fire,\"Fire dispatch north, channel " + std::to_string(i) + "\",\"FIRE DISP " +
                std::to_string(i) + "\",114.8 PL,114.8 PL," + modes[i % 4] + ",FB2,Fire Dispatch\n";
    return text;
}

std::size_t InUse() {
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

void Preview(benchmark::State& state, const std::string& text) {
    CloneImage image;
    NewCloneImage(image);
    const auto labels = BuildRowLabels(image);
    std::size_t held = 0;
    for (auto _ : state) {
        const std::size_t before = InUse();
        ChannelList list = ReadChannelList(text);
        std::vector<ListMapping> rows = MapChannelList(list, image);
        const ListImportPlan plan = PlanListImport(image, rows, ListImportChoice{});
        auto model = std::make_unique<ListPreviewModel>(std::move(list), std::move(rows), labels);
        model->ShowPlan(plan);
        ListPreviewFilter filter;
        filter.setSourceModel(model.get());
        QTableView view;
        view.setModel(&filter);
        view.resize(900, 400);
        for (int row = 0; row < 30; ++row)
            for (int column = 0; column < ListPreviewModel::kColumnCount; ++column)
                benchmark::DoNotOptimize(filter.index(row, column).data());
        held = InUse() - before;
        benchmark::DoNotOptimize(plan.placed.size());
    }
    state.counters["rows"] = kRows;
    state.counters["held/file"] = static_cast<double>(held) / static_cast<double>(text.size());
}

void BM_GqrxListPreviewed(benchmark::State& state) { Preview(state, GqrxList()); }
void BM_DatabaseExportPreviewed(benchmark::State& state) { Preview(state, DatabaseList()); }
BENCHMARK(BM_GqrxListPreviewed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatabaseExportPreviewed)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
