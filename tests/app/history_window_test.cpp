// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <QXYSeries>

#include "app/history_window.h"
#include "platform/qt/sqlite_pass_history.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

// The real window with its passes kept in an SQLite file of its own.
class HistoryWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        doc->SetPassHistory(&history);
        LoadGerman();
    }

    // Finishes the pass, msPerCard for each card once the clock runs; the card whose
    // answer is missAnswer gets a wrong answer first.
    void FinishPass(const QString& missAnswer = {}, int msPerCard = 1000) {
        bool missed = false;
        while (doc->GetCuesLeft() > 0) {
            if (RightAnswer() == missAnswer && !missed) {
                QTest::keyClicks(AnswerBox(), QStringLiteral("wrong"));
                cMessageBoxAnswerer ok(QMessageBox::Ok);
                QTest::keyClick(AnswerBox(), Qt::Key_Return);
                missed = true;
            }
            AnswerRight();
            ticks.Advance(msPerCard);
        }
    }
    cHistoryWindow* OpenHistory() {
        frame->OnCommand(kIdHistory);
        return frame->GetHistoryWindow();
    }
    static QChart* Chart(cHistoryWindow* window) {
        return qobject_cast<QChartView*>(window->GetChartView())->chart();
    }
    // The points of the chart's series: with one combination its line, then the marks of
    // the fastest passes.
    static QList<QPointF> Points(cHistoryWindow* window, int series) {
        return qobject_cast<QXYSeries*>(Chart(window)->series().at(series))->points();
    }
    QAction* ReviewCommand() {
        emit frame->menuBar()->actions().first()->menu()->aboutToShow();
        return frame->FindAction(kIdReviewMissed);
    }

    cTempDir data;
    cSqlitePassHistory history{QString::fromStdU16String(data.U16("history.sqlite"))};
};

TEST_F(HistoryWindowTest, ChartAndListsShowTheStoredPassesOfTheLoadedFiles) {
    FinishPass(QStringLiteral("zwei"), 40000);  // 4 entries after the miss: 160 s
    doc->Restart();
    FinishPass({}, 40000);  // 80 s: both over a minute
    const auto stored = history.ReadPasses(doc->GetFastestTimeKey());
    ASSERT_EQ(stored.size(), 2u);

    cHistoryWindow* window = OpenHistory();
    ASSERT_NE(window, nullptr);
    const QList<QPointF> line = Points(window, 0);
    ASSERT_EQ(line.size(), 2);  // oldest first
    EXPECT_EQ(line[0], QPointF(stored[1].endedUtcMs, 160));
    EXPECT_EQ(line[1].y(), 80);
    EXPECT_EQ(Points(window, 1), QList<QPointF>({line[1]}));
    const auto* times = qobject_cast<QValueAxis*>(Chart(window)->axes(Qt::Vertical).first());
    EXPECT_GE(times->max(), 160);

    QAbstractItemModel* passes = window->GetPassList()->model();
    ASSERT_EQ(passes->rowCount(), 2);
    EXPECT_EQ(passes->columnCount(), 6);  // one combination: no files column
    EXPECT_EQ(passes->index(0, 1).data().toString(), "01 : 20");
    EXPECT_EQ(passes->index(1, 3).data().toString(), "1");  // wrong answers
    QTableWidget* hardest = window->GetHardestList();
    ASSERT_EQ(hardest->rowCount(), 1);
    EXPECT_EQ(hardest->item(0, 0)->text(), "two");
    EXPECT_EQ(hardest->item(0, 1)->text(), "zwei");

    // The form's font, and a name for every control.
    EXPECT_EQ(window->font(), form->font());
    int controls = 0;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisible() &&
            (child->inherits("QAbstractButton") || child->inherits("QAbstractScrollArea") ||
             child->inherits("QLabel"))) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->metaObject()->className();
            ++controls;
        }
    }
    EXPECT_GE(controls, 8);

    // With no file loaded: every combination, with the files column.
    doc->Clear();
    window = OpenHistory();
    EXPECT_EQ(window->GetPassList()->model()->columnCount(), 7);
    EXPECT_EQ(window->GetPassList()->model()->index(0, 6).data().toString(), "german.recallix");
}

TEST_F(HistoryWindowTest, ReviewRunsOverExactlyTheMissedCardsAndKeepsTheFastestTime) {
    EXPECT_FALSE(ReviewCommand()->isEnabled());
    FinishPass(QStringLiteral("drei"));
    EXPECT_TRUE(ReviewCommand()->isEnabled());
    const std::u16string fastest = doc->GetFastestText();

    OpenHistory()->GetReviewButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->GetHistoryWindow(), nullptr);  // closed: the review runs in the form
    EXPECT_EQ(Cue(), "three");
    EXPECT_EQ(CuesLeft(), "1");
    AnswerRight();
    EXPECT_EQ(doc->GetFastestText(), fastest);   // far faster, yet no record
    EXPECT_FALSE(ReviewCommand()->isEnabled());  // nothing missed in the review

    // The review is listed as one, and kept out of the chart.
    cHistoryWindow* window = OpenHistory();
    EXPECT_FALSE(window->GetReviewButton()->isEnabled());
    const QAbstractItemModel* passes = window->GetPassList()->model();
    EXPECT_NE(passes->index(0, 5).data(), passes->index(1, 5).data());
    EXPECT_EQ(passes->index(0, 2).data().toString(), "1");  // cards
    EXPECT_EQ(Points(window, 0).size(), 1);
    window->close();

    // The menu command does the same.
    doc->Restart();
    FinishPass(QStringLiteral("eins"));
    frame->OnCommand(kIdReviewMissed);
    EXPECT_EQ(Cue(), "one");
    EXPECT_EQ(Focused(), AnswerBox());
}

}  // namespace
