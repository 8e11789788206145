// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The desktop window: answering a card in a large working set (the whole refresh of the
// window, painted), a start on 10,000 files named on the command line beside the same
// cards in one file, and the processor time the window takes while idle with the pass
// clock running. Runs on Qt's offscreen platform unless another is asked for.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/main_app.h"
#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/main_frame.h"
#include "app/resources/control_ids.h"
#include "cue_file_generator.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"

namespace {

// The real program on settings kept in memory, with one generated cue file loaded.
class cBenchWindow {
public:
    explicit cBenchWindow(int cards) : m_dir(CreateSampleDirectory()) {
        const std::string path = WriteSampleCueFile(m_dir, eCueEncoding::Utf16Le, cards);
        m_app = std::make_unique<cMainApp>(std::make_unique<cMemoryProfile>());
        m_app->InitInstance({QString::fromStdString(path)});
        QApplication::processEvents();
    }
    ~cBenchWindow() {
        m_app.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    // Types the right answer to the card shown and submits it, as Enter does, then lets
    // the window repaint.
    void AnswerRight() {
        cMainForm* form = m_app->GetFrame()->GetForm();
        auto* answer = static_cast<QLineEdit*>(form->GetControl(kIdAnswer));
        const cTeacher& teacher = m_app->GetDocument()->GetTeacher();
        answer->setText(QString::fromStdU16String(teacher.GetCurrentCard().GetAnswer()));
        form->OnCommand(kIdNext);
        QApplication::processEvents();
    }

private:
    std::string m_dir;
    std::unique_ptr<cMainApp> m_app;
};

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_AnswerAndRefresh(benchmark::State& state) {
    cBenchWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.AnswerRight();
    }
}
BENCHMARK(BM_AnswerAndRefresh)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The start of the program on files named on the command line, to the window shown and
// filled: range(0) files of one card each, or (range(1) 1) the same cards in one file. A
// file manager names every file chosen.
void BM_StartWithFiles(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const bool oneFile = state.range(1) != 0;
    const std::string dir = CreateSampleDirectory();
    QStringList paths;
    std::ofstream all;
    if (oneFile) {
        paths << QString::fromStdString(dir + "/all.recallix");
        all.open(dir + "/all.recallix");
    }
    for (int i = 0; i < cards; ++i) {
        const std::string line = "Wort" + std::to_string(100000 + i) + " = word\n";
        if (oneFile) {
            all << line;
        } else {
            const std::string path = dir + "/w" + std::to_string(100000 + i) + ".recallix";
            std::ofstream(path) << line;
            paths << QString::fromStdString(path);
        }
    }
    all.close();
    for (auto _ : state) {
        auto app = std::make_unique<cMainApp>(std::make_unique<cMemoryProfile>());
        if (!app->InitInstance(paths) || app->GetDocument()->GetTotalCues() != cards) {
            state.SkipWithError("the files did not all load");
        }
        QApplication::processEvents();
        state.PauseTiming();
        app.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_StartWithFiles)
    ->Args({2'500, 0})
    ->Args({5'000, 0})
    ->Args({10'000, 0})
    ->Args({10'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Runs the event loop for a while and reports the processor time taken, in per cent of
// one core. A learner who leaves the window has stopped typing: the measurement starts
// once the text cursor has stopped blinking, unless asked to measure from the start.
enum class eIdleFrom { CaretAtRest, LastInput };

void RunEventLoopFor(int ms) {
    QTimer::singleShot(ms, QApplication::instance(), &QApplication::quit);
    QApplication::exec();
}

void MeasureIdle(benchmark::State& state, eIdleFrom from = eIdleFrom::CaretAtRest) {
    constexpr int kIdleMs = 5000;
    for (auto _ : state) {
        if (from == eIdleFrom::CaretAtRest) {
            RunEventLoopFor(cCaretBlinkRest::kRestAfterMs + 500);
        }
        const double cpuBefore = ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        RunEventLoopFor(kIdleMs);
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / (double(wall.elapsed()) / 1000);
    }
}

void BM_IdleWithRunningClock(benchmark::State& state) {
    cBenchWindow window(100);
    window.AnswerRight();  // the first right answer starts the pass clock
    MeasureIdle(state);
}
BENCHMARK(BM_IdleWithRunningClock)->Unit(benchmark::kSecond)->Iterations(1);

// The first seconds after the last key press, while the text cursor still blinks.
void BM_IdleWithRunningClockCaretBlinking(benchmark::State& state) {
    cBenchWindow window(100);
    window.AnswerRight();
    MeasureIdle(state, eIdleFrom::LastInput);
}
BENCHMARK(BM_IdleWithRunningClockCaretBlinking)->Unit(benchmark::kSecond)->Iterations(1);

// The same window before the first answer: the clock stands. The difference to the first
// row is what the running clock costs.
void BM_IdleWithStoppedClock(benchmark::State& state) {
    cBenchWindow window(100);
    MeasureIdle(state);
}
BENCHMARK(BM_IdleWithStoppedClock)->Unit(benchmark::kSecond)->Iterations(1);

// The baseline: an empty window of the toolkit, idle.
void BM_IdleEmptyWindow(benchmark::State& state) {
    QMainWindow window;
    window.show();
    MeasureIdle(state);
}
BENCHMARK(BM_IdleEmptyWindow)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
