// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The pass history with 10,000 passes stored for one combination of files: opening the
// History window (read, charted, listed and painted), and the answer that finishes a pass
// with and without writing it to the history; and that answer while another connection
// holds the history locked. Runs on Qt's offscreen platform unless another is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <filesystem>
#include <memory>

#include "app/history_window.h"
#include "app/main_doc.h"
#include "app/main_frame.h"
#include "app/resources/control_ids.h"
#include "app/run_state.h"
#include "cue_file_generator.h"
#include "engine/teacher.h"
#include "platform/memory_profile.h"
#include "platform/qt/sqlite_pass_history.h"
#include "platform/tick_source.h"

namespace {

constexpr int kStoredPasses = 10'000;

// A history file holding kStoredPasses passes of the sample file, a day apart, each
// with a few missed cards; built once per process.
class cBenchHistory {
public:
    cBenchHistory() : m_dir(CreateSampleDirectory()) {
        m_cueFile = WriteSampleCueFile(m_dir, eCueEncoding::Utf8, 50);
        cMemoryProfile profile;
        cSystemTickSource ticks;
        cTeacher teacher(profile, ticks);
        teacher.LoadCueFile(QString::fromStdString(m_cueFile).toStdU16String(), false);
        m_history = std::make_unique<cSqlitePassHistory>(QString::fromStdString(m_dir) +
                                                         QStringLiteral("/history.sqlite"));
        const int64_t start = 1'700'000'000'000;
        for (int i = 0; i < kStoredPasses; ++i) {
            sPassRecord pass;
            pass.endedUtcMs = start + int64_t(i) * 86'400'000 / 8;
            pass.key = teacher.GetFastestTimeKey();
            pass.files = teacher.JoinLoadedFileNames();
            pass.timeMs = 60'000 + static_cast<uint32_t>((i * 7919) % 30'000);
            pass.cards = 50;
            for (int card = 0; card < 3; ++card) {
                const int n = (i + card * 17) % 50;
                pass.missed.push_back({u"Wort" + std::u16string(1, char16_t(u'A' + n % 26)),
                                       u"word" + std::u16string(1, char16_t(u'a' + n % 26)),
                                       1 + card, false});
            }
            pass.wrongAnswers = 6;
            m_history->RecordPass(pass);
        }
    }
    ~cBenchHistory() {
        m_history.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    cSqlitePassHistory& History() { return *m_history; }
    const std::string& CueFile() const { return m_cueFile; }

private:
    std::string m_dir;
    std::string m_cueFile;
    std::unique_ptr<cSqlitePassHistory> m_history;
};

cBenchHistory& SharedHistory() {
    static cBenchHistory history;
    return history;
}

void BM_OpenHistoryWindow(benchmark::State& state) {
    cBenchHistory& data = SharedHistory();
    cMemoryProfile profile;
    cSystemTickSource ticks;
    sRunState runState;
    cMainDoc doc(profile, ticks);
    doc.SetPassHistory(&data.History());
    doc.OnOpenDocuments({QString::fromStdString(data.CueFile()).toStdU16String()});
    std::unique_ptr<cMainFrame> frame = cMainFrame::Create(doc, profile, runState);
    QApplication::processEvents();
    for (auto _ : state) {
        frame->OnCommand(kIdHistory);
        cHistoryWindow* window = frame->GetHistoryWindow();
        window->grab();  // laid out and painted, chart included
        state.PauseTiming();
        if (window->GetPassList()->model()->rowCount() != kStoredPasses) {
            state.SkipWithError("the window does not show every pass");
        }
        window->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenHistoryWindow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The answer that finishes a pass of two cards; range(0) 1 writes the pass to the history
// of 10,000 passes, 0 keeps no history.
void BM_FinishingAnswer(benchmark::State& state) {
    cBenchHistory& data = SharedHistory();
    cMemoryProfile profile;
    cSystemTickSource ticks;
    cTeacher teacher(profile, ticks);
    if (state.range(0) != 0) {
        teacher.SetPassHistory(&data.History());
        data.History().Open();
    }
    teacher.LoadCueFile(QString::fromStdString(data.CueFile()).toStdU16String(), false);
    for (auto _ : state) {
        state.PauseTiming();
        teacher.Restart();
        teacher.Next(u"wrong");  // one missed card goes with the pass
        while (teacher.GetCuesLeft() > 1) {
            teacher.Next(teacher.GetCurrentCard().GetAnswer());
        }
        const std::u16string last = teacher.GetCurrentCard().GetAnswer();
        state.ResumeTiming();
        teacher.Next(last);
    }
}
BENCHMARK(BM_FinishingAnswer)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The answers that finish passes while another connection holds the history, as a backup
// tool or an sqlite3 shell does: range(0) 0 in a transaction (BEGIN EXCLUSIVE), 1 in
// exclusive locking mode. The first answer opens the history; the wall clock counts, since
// the answer waits. Reports the longest wait of all.
void BM_FinishingAnswerHistoryLocked(benchmark::State& state) {
    const std::string dir = CreateSampleDirectory();
    const QString path = QString::fromStdString(dir) + QStringLiteral("/history.sqlite");
    cSqlitePassHistory(path).RecordPass({1, u"k", u"k", 1000, 1, 0, 0, false, {}});
    double longestMs = 0;
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
        holder.setDatabaseName(path);
        holder.open();
        QSqlQuery hold(holder);
        const QStringList statements =
            state.range(0) == 0 ? QStringList{"BEGIN EXCLUSIVE", "UPDATE pass SET cards = cards"}
                                : QStringList{"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE",
                                              "UPDATE pass SET cards = cards", "COMMIT"};
        for (const QString& sql : statements) {
            hold.exec(sql);
        }
        cSqlitePassHistory history(path);
        cMemoryProfile profile;
        cSystemTickSource ticks;
        cTeacher teacher(profile, ticks);
        teacher.SetPassHistory(&history);
        teacher.LoadCueFile(QString::fromStdString(SharedHistory().CueFile()).toStdU16String(),
                            false);
        for (auto _ : state) {
            state.PauseTiming();
            teacher.Restart();
            while (teacher.GetCuesLeft() > 1) {
                teacher.Next(teacher.GetCurrentCard().GetAnswer());
            }
            const std::u16string last = teacher.GetCurrentCard().GetAnswer();
            state.ResumeTiming();
            QElapsedTimer wait;
            wait.start();
            teacher.Next(last);
            longestMs = std::max(longestMs, wait.nsecsElapsed() / 1e6);
        }
        if (static_cast<int64_t>(history.GetWaitingPassCount()) != state.iterations()) {
            state.SkipWithError("a pass finished while the history was locked was not kept");
        }
        hold.finish();
        holder.close();
    }
    QSqlDatabase::removeDatabase("holder");
    state.counters["longest_ms"] = longestMs;
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_FinishingAnswerHistoryLocked)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
