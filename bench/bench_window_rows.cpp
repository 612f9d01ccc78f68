// Changing, sorting and packing a thousand selected memory rows in the
// desktop program, each as the command does it: one undo step of the
// document and the repaint of the memory grid that follows. The undo that
// puts the rows back for the next round is not timed. Runs on Qt's
// offscreen platform unless QT_QPA_PLATFORM names another one; the goal is
// under 50 ms each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/document/clone_document.h"
#include "app/pages/memory_page.h"
#include "app/commands/commands.h"
#include "app/window/main_window.h"

namespace {

using namespace wrk7;

constexpr int kRows = 1000;

// One window for every benchmark, its files in a folder of its own.
struct Bench {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;

    Bench() {
        auto path = [this](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
        window = std::make_unique<MainWindow>(AppOptions{QString(), QStringLiteral("emulator"),
                                                         PortFileDirs{dir.path(), dir.path()}, path("settings.ini"),
                                                         path("backups"), path("traces"), UiLanguage::kEnglish});
        window->show();
        window->ClickTab(Page::kMemory);
        QApplication::processEvents();
    }
    // Channels in a scrambled frequency order; every other one empty when
    // gaps is set, so a pack moves half of them.
    void Fill(bool gaps) {
        window->Document().Edit(QStringLiteral("fill"), [gaps](CloneImage& image) {
            for (int s = 0; s < kRows; ++s) {
                image.ClearSlot(s);
                if (gaps && s % 2 == 1) continue;
                SlotFields& f = image.memory.slot[s];
                f.Set(kFreq, 100 + (s * 7919 % kRows) * 0.0125);
                f.Set(kMode, s % 3);
                f.Set(kStep, s % 18);
                f.Set(kOffset, 0.6);
                f.SetText(kName, "CH" + std::to_string(s));
                f.SetText(kNote, "note of channel " + std::to_string(s));
                image.memory.enabled[s] = true;
            }
        });
        window->findChild<MemoryPage*>()->SelectRows(1, kRows);
    }
    void Repaint() {
        QApplication::processEvents();
        window->findChild<MemoryPage*>()->Grid()->viewport()->repaint();
    }
    // Times command and the repaint; the undo after it is not timed.
    void Run(benchmark::State& state, bool gaps, const std::function<void(Commands&)>& command) {
        Fill(gaps);
        Repaint();
        for (auto _ : state) {
            command(window->Cmds());
            Repaint();
            state.PauseTiming();
            const bool changed = window->Document().UndoName() != QStringLiteral("fill");
            window->Document().Undo();
            Repaint();
            state.ResumeTiming();
            if (!changed) {
                state.SkipWithError("the command changed nothing");
                break;
            }
        }
    }
};

// Made on first use and ended by main while the application still exists:
// a window must not outlive it.
std::unique_ptr<Bench>& BenchSlot() {
    static std::unique_ptr<Bench> bench;
    return bench;
}

Bench& TheBench() {
    if (!BenchSlot()) BenchSlot() = std::make_unique<Bench>();
    return *BenchSlot();
}

void BM_ChangeThousandChannels(benchmark::State& state) {
    TheBench().Run(state, false, [](Commands& rows) {
        rows.ApplyChange(ChannelChange().Set(kTone, 20).SetText(kNote, "changed").Set(kSkip, 1));
    });
}
BENCHMARK(BM_ChangeThousandChannels)->Unit(benchmark::kMillisecond);

void BM_SortThousandRows(benchmark::State& state) {
    TheBench().Run(state, false, [](Commands& rows) { rows.Sort(SortKey::kFrequency, false); });
}
BENCHMARK(BM_SortThousandRows)->Unit(benchmark::kMillisecond);

void BM_SortThousandRowsByName(benchmark::State& state) {
    TheBench().Run(state, false, [](Commands& rows) { rows.Sort(SortKey::kName, true); });
}
BENCHMARK(BM_SortThousandRowsByName)->Unit(benchmark::kMillisecond);

void BM_PackThousandRows(benchmark::State& state) {
    TheBench().Run(state, true, [](Commands& rows) { rows.Pack(); });
}
BENCHMARK(BM_PackThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BenchSlot().reset();
    return 0;
}
