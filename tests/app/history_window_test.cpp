// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QAccessible>
#include <QChart>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QScatterSeries>
#include <QTableView>
#include <QTableWidget>

#include "app/history_window.h"
#include "app/main_app.h"
#include "app/resources/string_resource.h"
#include "platform/qt/sqlite_pass_history.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

// The real window with its passes kept in an SQLite file of its own.
class HistoryWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        doc->SetPassHistory(&history);
    }

    // Finishes a pass over the German cards: one second per card, and a wrong answer
    // first to the card whose answer is given.
    void FinishPass(const QString& missAnswer = {}) {
        while (doc->GetCuesLeft() > 0) {
            if (RightAnswer() == missAnswer && !missed) {
                QTest::keyClicks(AnswerBox(), QStringLiteral("wrong"));
                cMessageBoxAnswerer ok(QMessageBox::Ok);
                QTest::keyClick(AnswerBox(), Qt::Key_Return);
                missed = true;
            }
            AnswerRight();
            ticks.Advance(1000);
        }
        missed = false;
    }
    cHistoryWindow* OpenHistory() {
        frame->OnCommand(kIdHistory);
        return frame->GetHistoryWindow();
    }
    template <class Series>
    std::vector<QPointF> Points(cHistoryWindow* window) const {
        for (QAbstractSeries* series : window->GetChart()->series()) {
            if (auto* found = qobject_cast<Series*>(series);
                found != nullptr && (std::is_same_v<Series, QScatterSeries> ||
                                     qobject_cast<QScatterSeries*>(series) == nullptr)) {
                const QList<QPointF> points = found->points();
                return {points.begin(), points.end()};
            }
        }
        return {};
    }
    QAction* ReviewCommand() {
        emit frame->menuBar()->actions().first()->menu()->aboutToShow();
        return frame->FindAction(kIdReviewMissed);
    }

    cTempDir data;
    cSqlitePassHistory history{QString::fromStdU16String(data.U16("history.sqlite"))};
    bool missed = false;
};

TEST_F(HistoryWindowTest, ChartAndListsShowTheStoredPassesOfTheLoadedFiles) {
    LoadGerman();
    FinishPass(QStringLiteral("zwei"));  // 4 entries after the miss: 3 s once the clock runs
    doc->Restart();
    FinishPass();  // 2 s
    const auto stored = history.ReadPasses(doc->GetFastestTimeKey());
    ASSERT_EQ(stored.size(), 2u);

    cHistoryWindow* window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    const std::vector<QPointF> line = Points<QLineSeries>(window);
    ASSERT_EQ(line.size(), 2u);  // oldest first
    EXPECT_EQ(line[0].y(), stored[1].timeMs / 1000.0);
    EXPECT_EQ(line[1].y(), stored[0].timeMs / 1000.0);
    EXPECT_EQ(line[0].x(), static_cast<qreal>(stored[1].endedUtcMs));
    const std::vector<QPointF> fastest = Points<QScatterSeries>(window);
    ASSERT_EQ(fastest.size(), 1u);
    EXPECT_EQ(fastest[0].y(), std::min(line[0].y(), line[1].y()));

    QAbstractItemModel* passes = window->GetPassList()->model();
    ASSERT_EQ(passes->rowCount(), 2);
    EXPECT_EQ(passes->columnCount(), 6);  // one combination: no files column
    EXPECT_EQ(passes->index(0, 1).data().toString(), "00 : 02");
    EXPECT_EQ(passes->index(1, 3).data().toString(), "1");  // wrong answers
    EXPECT_EQ(window->GetHardestList()->rowCount(), 1);
    EXPECT_EQ(window->GetHardestList()->item(0, 0)->text(), "two");
    EXPECT_EQ(window->GetHardestList()->item(0, 1)->text(), "zwei");

    // The form's font, and a name for every control.
    EXPECT_EQ(window->font(), form->font());
    int controls = 0;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const bool control = child->inherits("QAbstractButton") ||
                             child->inherits("QAbstractScrollArea") || child->inherits("QLabel");
        if (child->isVisible() && control) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
            ++controls;
        }
    }
    EXPECT_GE(controls, 8);

    // With no file loaded: every combination, with the files column.
    window->close();
    doc->Clear();
    window = OpenHistory();
    EXPECT_EQ(window->GetPassList()->model()->columnCount(), 7);
    EXPECT_EQ(window->GetPassList()->model()->index(0, 6).data().toString(), "german.recallix");
}

TEST_F(HistoryWindowTest, ReviewRunsOverExactlyTheMissedCardsAndKeepsTheFastestTime) {
    LoadGerman();
    EXPECT_FALSE(ReviewCommand()->isEnabled());
    FinishPass(QStringLiteral("drei"));
    EXPECT_TRUE(ReviewCommand()->isEnabled());
    const std::u16string fastest = doc->GetFastestText();

    cHistoryWindow* window = OpenHistory();
    ASSERT_TRUE(window->GetReviewButton()->isEnabled());
    window->GetReviewButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->GetHistoryWindow(), nullptr);  // closed: the review runs in the form
    EXPECT_EQ(Cue(), "three");
    EXPECT_EQ(CuesLeft(), "1");
    AnswerRight();
    EXPECT_EQ(doc->GetFastestText(), fastest);  // far faster, yet no record
    const auto stored = history.ReadPasses(doc->GetFastestTimeKey());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_TRUE(stored[0].review);
    EXPECT_EQ(stored[0].cards, 1);
    EXPECT_FALSE(ReviewCommand()->isEnabled());  // nothing missed in the review

    // The menu command does the same; Restart goes back to every card.
    doc->Restart();
    FinishPass(QStringLiteral("eins"));
    frame->OnCommand(kIdReviewMissed);
    EXPECT_EQ(Cue(), "one");
    EXPECT_EQ(Focused(), AnswerBox());
    Button(kIdRestart)->click();
    EXPECT_EQ(CuesLeft(), "3");
}

TEST_F(HistoryWindowTest, MenuEntriesAndPromptsInBothLanguages) {
    const QAction* historyCommand = frame->FindAction(kIdHistory);
    ASSERT_NE(historyCommand, nullptr);
    EXPECT_EQ(historyCommand->text(), "&History...");
    EXPECT_FALSE(historyCommand->statusTip().isEmpty());
    EXPECT_FALSE(LoadResourceString(kIdHistory, true).isEmpty());
    EXPECT_FALSE(LoadResourceString(kIdReviewMissed, true).isEmpty());
    EXPECT_NE(LoadResourceString(kIdReviewMissed, true),
              LoadResourceString(kIdReviewMissed, false));
    SetThreadLocale(kLocaleJapanese);
    EXPECT_FALSE(Translated(eUiText::HistoryUnavailable).isEmpty());
    EXPECT_NE(Translated(eUiText::HistoryUnavailable), Translated(eUiText::HistorySetAside));
    frame.reset();
    frame = cMainFrame::Create(*doc, profile, runState);
    EXPECT_EQ(frame->FindAction(kIdHistory)->text(), "履歴(&H)...");
    cHistoryWindow* window = (frame->OnCommand(kIdHistory), frame->GetHistoryWindow());
    EXPECT_EQ(window->windowTitle(), "履歴");
}

}  // namespace

namespace {

TEST(HistoryStartUpTest, UnusableHistorySaysSoOnceInTheStatusBarAndStudyGoesOn) {
    SetThreadLocale(kLocaleEnglishUs);
    // A folder where the history file should be.
    const QString path = cSqlitePassHistory::DefaultPath();
    ASSERT_TRUE(path.startsWith(QDir::tempPath())) << "not the test's own data folder";
    ASSERT_TRUE(QDir().mkpath(path));
    cTempDir files;
    const std::u16string cueFile = files.Write("one.recallix", "eins = one\n");
    {
        cMainApp app(std::make_unique<cMemoryProfile>());
        ASSERT_TRUE(app.InitInstance({QString::fromStdU16String(cueFile)}));
        cMainDoc& doc = *app.GetDocument();
        EXPECT_EQ(doc.Next(u"one"), u"");
        EXPECT_TRUE(doc.GetTeacher().IsPassFinished());
        EXPECT_EQ(app.GetFrame()->GetStatusText(), Translated(eUiText::HistoryUnavailable));
        app.GetFrame()->OnStatusText(u"something else");
        doc.Restart();
        EXPECT_EQ(doc.Next(u"one"), u"");
        EXPECT_TRUE(doc.GetTeacher().IsPassFinished());
        EXPECT_EQ(app.GetFrame()->GetStatusText(), "something else");  // said once only
    }
    QDir(path).removeRecursively();
}

}  // namespace
