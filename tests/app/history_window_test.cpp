// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <time.h>

#include <numeric>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLabel>
#include <QScatterSeries>
#include <QSet>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <QXYSeries>

#include "app/history_window.h"
#include "platform/qt/sqlite_pass_history.h"
#include "platform/tick_source.h"
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
    void FinishPass(QString missAnswer = {}, int msPerCard = 1000) {
        while (doc->GetCuesLeft() > 0) {
            if (RightAnswer() == missAnswer) {
                QTest::keyClicks(AnswerBox(), QStringLiteral("wrong"));
                BoxSaidBy([&] { QTest::keyClick(AnswerBox(), Qt::Key_Return); });
                missAnswer.clear();  // once
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
    // The chart's series: with one combination its line, then the marks of the fastest passes.
    static QXYSeries* Series(cHistoryWindow* window, int series) {
        return qobject_cast<QXYSeries*>(Chart(window)->series().at(series));
    }

    cTempDir data;
    cSqlitePassHistory history{QString::fromStdU16String(data.U16("history.sqlite"))};
};

// File > Review missed cards and the History window's button each start a review after a
// pass; the window charts and lists the passes of the loaded files, each review apart.
TEST_F(HistoryWindowTest, ReviewRunsOverTheMissedCardsAndPassesAreChartedAndListed) {
    OpenFileMenu();
    EXPECT_FALSE(frame->FindAction(kIdReviewMissed)->isEnabled());
    // 4 entries after the miss: the first pass takes 160 s, the second 80 s, both over a minute.
    const std::tuple<const char*, int, std::function<void()>> starts[] = {
        {"Menu", 40000, [&] { frame->FindAction(kIdReviewMissed)->trigger(); }},
        {"HistoryButton", 20000, [&] { OpenHistory()->GetReviewButton()->click(); }}};
    for (const auto& [name, msPerCard, start] : starts) {
        SCOPED_TRACE(name);
        doc->Restart();
        FinishPass(QStringLiteral("drei"), msPerCard);
        OpenFileMenu();
        ASSERT_TRUE(frame->FindAction(kIdReviewMissed)->isEnabled());
        start();
        QCoreApplication::processEvents();
        // The window closed: the review runs in the form.
        EXPECT_EQ(std::tuple(frame->GetHistoryWindow(), Cue(), Text(kIdCuesLeft)),
                  std::tuple(nullptr, QString("three"), QString("1")));
        AnswerRight();
    }
    cHistoryWindow* window = OpenHistory();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->GetReviewButton()->isEnabled());
    // The reviews are kept out of the chart: its line runs oldest first, the faster marked.
    const QList<QPointF> line = Series(window, 0)->points();
    ASSERT_EQ(line.size(), 2);
    EXPECT_EQ(QList<qreal>({line[0].y(), line[1].y()}), QList<qreal>({160, 80}));
    EXPECT_EQ(Series(window, 1)->points(), QList<QPointF>({line[1]}));
    EXPECT_GE(qobject_cast<QValueAxis*>(Chart(window)->axes(Qt::Vertical).first())->max(), 160);

    // Newest first: the second review, then the second pass with its wrong answer. One
    // combination: no files column.
    const QAbstractItemModel* passes = window->GetPassList()->model();
    EXPECT_EQ(std::tuple(passes->columnCount(), passes->index(1, 3).data().toString(),
                         passes->index(0, 5).data() != passes->index(1, 5).data()),
              std::tuple(6, QString("1"), true));
    ASSERT_EQ(window->GetHardestList()->rowCount(), 1);
    EXPECT_EQ(window->GetHardestList()->item(0, 0)->text(), "three");

    EXPECT_EQ(window->font(), form->font());
    // Every control that Tab reaches has a name for screen readers.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->focusProxy() == nullptr) {
            EXPECT_FALSE(Accessible(control).isEmpty()) << control->metaObject()->className();
        }
    }
}

// What a screen reader hears of the heading and of the chart, and a chart that can be read:
// no two date labels alike, and a lone pass drawn as a point of its own.
TEST_F(HistoryWindowTest, HeadingAndChartCanBeReadAndDatesAreLabelledApart) {
    qputenv("TZ", "JST-9");  // the local time is Tokyo's
    tzset();
    const cSystemTickSource clock;  // whose days begin by the local clock
    EXPECT_EQ((clock.GetLocalMs() - clock.GetUtcMs() + 500) / 1000, 9 * 3600);
    const int64_t day = 24 * 3600 * 1000, start = 1796774400000;  // 2026-12-09
    // The row without a loaded file goes last: it clears the working set.
    const std::tuple<const char*, std::vector<int64_t>, bool, QString> rows[] = {
        {"OnePass", {start}, true, "yyyy-MM-dd HH:mm"},
        {"AMonthApart", {start, start + 30 * day}, true, "yyyy-MM-dd"},
        {"AnHourApart", {start, start + day / 24}, false, "yyyy-MM-dd HH:mm"},
    };
    const std::vector<sMissedCard> missed = {{u"two", u"zwei", 2, false}};
    for (const auto& [name, ends, loaded, format] : rows) {
        SCOPED_TRACE(name);
        cSqlitePassHistory passes(QString::fromStdU16String(data.U16(name)));
        for (uint32_t i = 0; i < ends.size(); ++i) {  // the oldest pass is the fastest
            passes.RecordPass({ends[i], doc->GetFastestTimeKey(), u"german.recallix",
                               80000 + 15000 * i, 3, 2, 0, false, missed});
        }
        doc->SetPassHistory(&passes);
        if (!loaded) {
            doc->Clear();
        }
        cHistoryWindow* window = OpenHistory();

        auto* label = window->findChild<QLabel*>();
        EXPECT_EQ(QStringList({label->text(), Accessible(label)}),
                  QStringList(2, loaded ? "german.recallix" : "All combinations of files"));
        // The oldest pass ended at midnight UTC, 09:00 in Tokyo.
        const QString description = Accessible(window->GetChartView(), QAccessible::Description);
        EXPECT_TRUE(
            description.startsWith(
                QStringLiteral("Full passes: %1, from 2026-12-09 09:00 ").arg(ends.size())) &&
            description.endsWith("Fastest time: 01 : 20."))
            << description.toStdString();
        // The list newest first, so the oldest goes last; every pass had 3 cards. "two" was
        // missed in every pass, twice each time.
        const QAbstractItemModel* list = window->GetPassList()->model();
        const QTableWidget* hardest = window->GetHardestList();
        EXPECT_EQ(QStringList({list->index(list->rowCount() - 1, 0).data().toString(),
                               list->index(0, 2).data().toString(), hardest->item(0, 2)->text(),
                               hardest->item(0, 3)->text()}),
                  QStringList({"2026-12-09 09:00", "3", QString::number(ends.size()),
                               QString::number(2 * ends.size())}));
        // The fastest pass is marked by a large dot.
        EXPECT_GE(qobject_cast<QScatterSeries*>(Chart(window)->series().last())->markerSize(), 10);

        // The axis's ticks fall evenly from its first date to its last, no two labels alike; a
        // lone pass is drawn as a point.
        const auto* dates = qobject_cast<QDateTimeAxis*>(Chart(window)->axes(Qt::Horizontal)[0]);
        QSet<QString> labels;
        const qint64 from = dates->min().toMSecsSinceEpoch(), to = dates->max().toMSecsSinceEpoch();
        for (int tick = 0; tick < dates->tickCount(); ++tick) {
            const qint64 at = from + (to - from) * tick / (dates->tickCount() - 1);
            labels.insert(QDateTime::fromMSecsSinceEpoch(at).toString(dates->format()));
        }
        EXPECT_EQ(std::tuple(dates->format(), labels.size(), Series(window, 0)->pointsVisible()),
                  std::tuple(format, dates->tickCount(), ends.size() == 1));
        window->close();
        doc->SetPassHistory(&history);
    }
    qunsetenv("TZ");
    tzset();
}

// With no file loaded the window, in the language chosen, charts every combination: one
// line for each of the first eight.
TEST_F(HistoryWindowTest, AllCombinationsInTheChosenLanguageUpToEightLines) {
    for (int i = 0; i < 9; ++i) {
        const std::u16string n(1, char16_t(u'a' + i));
        history.RecordPass({1000 + i, n, n + u".recallix", 60000, 3, 0, 0, false, {}});
    }
    doc->Clear();
    Rebuild(kLocaleJapanese);
    cHistoryWindow* window = OpenHistory();
    // The list with the files column.
    EXPECT_EQ(
        std::tuple(window->windowTitle(), window->findChild<QLabel*>()->text(),
                   window->GetPassList()->model()->columnCount(),
                   std::ranges::count(Chart(window)->series(), QAbstractSeries::SeriesTypeLine,
                                      &QAbstractSeries::type)),
        std::tuple(QString("履歴"), QString("すべてのファイルの組み合わせ"), 7, 8));
}

// File > Study due cards counts the loaded cards due today, as the status bar does, and
// starts a pass over them; the History window forecasts them and tells each hardest card's
// chance of recall.
TEST_F(HistoryWindowTest, DueCardsAreCountedStudiedFromTheMenuAndForecast) {
    // The status as the document's last change left it, then the menu as it opens.
    const auto menuAndStatus = [&] {
        const QString status = frame->GetDueText();
        OpenFileMenu();
        QAction* study = frame->FindAction(kIdStudyDue);
        return std::tuple(study->text(), study->isEnabled(), status);
    };
    EXPECT_EQ(menuAndStatus(),
              std::tuple(QString("Study &due cards (0)"), false, QString("0 cards due today")));
    FinishPass(QStringLiteral("drei"));  // Again for "three", Good for the others
    const std::vector<int> forecast = doc->GetDueForecast(30);
    ASSERT_EQ(std::accumulate(forecast.begin(), forecast.end(), 0), 3);
    ticks.AdvanceDays(1);  // an Again falls due the next day
    OpenFileMenu();        // the day changed, not the document
    EXPECT_EQ(menuAndStatus(),
              std::tuple(QString("Study &due cards (1)"), true, QString("1 card due today")));
    ticks.AdvanceDays(
        static_cast<int>(forecast.rend() - std::find_if(forecast.rbegin(), forecast.rend(),
                                                        [](int count) { return count > 0; })) -
        2);
    OpenFileMenu();
    EXPECT_EQ(menuAndStatus(),
              std::tuple(QString("Study &due cards (3)"), true, QString("3 cards due today")));
    EXPECT_EQ(doc->GetDueForecast(1), std::vector<int>{3});  // the overdue "three" among them
    frame->FindAction(kIdStudyDue)->trigger();
    EXPECT_EQ(Text(kIdCuesLeft), "3");
    FinishPass();  // faster than the full pass, which keeps its time
    EXPECT_EQ(std::tuple_cat(menuAndStatus(), std::tuple(Text(kIdFastest))),
              std::tuple(QString("Study &due cards (0)"), false, QString("0 cards due today"),
                         QString("00 : 04")));

    cHistoryWindow* window = OpenHistory();
    const auto bars = qobject_cast<QChartView*>(window->GetForecastView())->chart()->series();
    const QBarSet* cards = qobject_cast<QBarSeries*>(bars.at(0))->barSets().at(0);
    int charted = 0;
    for (int day = 0; day < cards->count(); ++day) {
        charted += static_cast<int>(cards->at(day));
    }
    EXPECT_EQ(
        std::tuple(cards->count(), charted, window->GetPassList()->model()->index(0, 5).data(),
                   window->GetHardestList()->item(0, 4)->text().endsWith('%')),
        std::tuple(30, 3, QVariant("Due cards"), true));
    EXPECT_EQ(Accessible(window->GetForecastView(), QAccessible::Description),
              "Cards due on the next 30 days: 3, of them today: 0.");
    window->close();

    Rebuild(kLocaleJapanese);
    ticks.AdvanceDays(400);
    OpenFileMenu();
    EXPECT_EQ(std::tuple(frame->FindAction(kIdStudyDue)->text(), frame->GetDueText(),
                         frame->FindAction(kIdStudyDue)->statusTip()),
              std::tuple(
                  QString("期限が来たカードを学習(&D) (3)"), QString("今日が期限のカード: 3 枚"),
                  QString("今日が期限のカードを、1 日 20 枚までの新しいカードと一緒に学習します")));
}

}  // namespace
