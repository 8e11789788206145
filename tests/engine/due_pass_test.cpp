// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Every pass grades each card's first outcome into the card's memory; the due pass studies
// the cards whose day has come, with a few new ones a day.
#include <gtest/gtest.h>

#include <numeric>
#include <tuple>

#include "engine/card_memory_key.h"
#include "platform/memory_pass_history.h"
#include "tests/support/teacher_fixture.h"

namespace {

class DuePassTest : public TeacherTest {
protected:
    void SetUp() override { teacher.SetPassHistory(&history); }

    cMemoryPassHistory history;
};

// Twenty-five cards "ca" = "x" to "cy" = "x".
CardTexts Numbered() {
    CardTexts cards;
    for (char16_t letter = u'a'; letter < u'z'; ++letter) {
        cards.emplace_back(std::u16string(u"c") + letter, u"x");
    }
    return cards;
}

}  // namespace

TEST_F(DuePassTest, EachCardIsGradedOnceAtItsFirstOutcomeInEveryPass) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}, {u"D", u"d"}});
    std::vector<std::tuple<std::u16string, eGrade, uint32_t>> expected;
    const auto expect = [&](eGrade grade, uint32_t ms) {
        const cCueLine card = teacher.GetCurrentCard();
        expected.emplace_back(card.GetCue() + card.GetAnswer(), grade, ms);
        ticks.Advance(ms);
    };
    expect(eGrade::Again, 700);
    EXPECT_NE(teacher.Next(u"nonsense"), u"");
    teacher.Ignore();  // the wrong answer was its first outcome
    expect(eGrade::Again, 400);
    teacher.Ignore();
    expect(eGrade::Good, 2500);
    AnswerRight();
    expect(eGrade::Good, 300);
    AnswerRight();
    ASSERT_EQ(history.GetPasses().size(), 1u);
    std::vector<std::tuple<std::u16string, eGrade, uint32_t>> graded;
    for (const auto& [cue, grade, ms] : expected) {
        for (const sGradedAnswer& answer : history.GetPasses()[0].graded) {
            if (answer.card == cCardMemoryKey(cue.substr(0, 1), cue.substr(1)).GetValue()) {
                graded.emplace_back(cue, answer.grade, answer.answerMs);
            }
        }
    }
    EXPECT_EQ(graded, expected);  // each card once: the requeued showings are not graded

    // A pass left unfinished hands its answers over when the next begins.
    teacher.Restart();
    AnswerRight();
    teacher.Restart();
    ASSERT_EQ(history.GetGradedAnswers().size(), 5u);
    EXPECT_EQ(history.GetGradedAnswers()[4].memory.reps, 2);

    // A pass that starts on the card shown last times it from the pass's start.
    teacher.Clear();
    AddCards({{u"one", u"1"}});
    AnswerRight();
    ticks.Advance(9000);
    teacher.Restart();
    ticks.Advance(1000);
    AnswerRight();
    EXPECT_EQ(history.GetPasses().back().graded.at(0).answerMs, 1000u);
}

TEST_F(DuePassTest, StudiesTheDueCardsWithTwentyNewOnesADayAndNeverSetsAFastestTime) {
    const CardTexts cards = Numbered();
    AddCards({cards.begin(), cards.begin() + 5});
    EXPECT_EQ(std::pair(teacher.CountDueCards(), teacher.PredictRecall(u"ca", u"x")),
              std::pair(0, std::optional<double>()));
    AddCards({cards.begin() + 5, cards.end()});  // counted too
    ASSERT_TRUE(teacher.StartDuePass());
    EXPECT_EQ(teacher.GetCuesLeft(), cPassGrading::kNewCardsPerDay);
    AnswerTheRest(1000);
    const sPassRecord due = history.GetPasses().at(0);
    EXPECT_EQ(std::tuple(due.due, due.review, due.cards, teacher.ReadFastestTime()),
              std::tuple(true, true, 20, 0u));
    EXPECT_FALSE(teacher.StartDuePass()) << "nothing is due and the day's new cards are begun";

    // All twenty were Good the same day: they fall due together, the day the forecast says.
    const std::vector<int> forecast = teacher.GetDueForecast(30);
    const auto day = std::find(forecast.begin(), forecast.end(), 20) - forecast.begin();
    ASSERT_EQ(std::pair(forecast[0], day < 30), std::pair(0, true));  // the new ones not due
    ticks.AdvanceDays(static_cast<int>(day));
    EXPECT_EQ(teacher.CountDueCards(), 20);
    EXPECT_NEAR(teacher.PredictRecall(u"ca", u"x").value(), 0.9, 0.03);
    ASSERT_TRUE(teacher.StartDuePass());
    EXPECT_EQ(teacher.GetCuesLeft(), 25);  // and the five left new

    {  // Another run reads every memory from the history before it grades.
        cTeacher next(profile, ticks);
        next.SetPassHistory(&history);
        AddCards(cards, &next);
        next.Next(u"x");  // "ca", due today, graded the second time
        EXPECT_EQ(next.CountDueCards(), 19);
    }
    EXPECT_EQ(history.GetGradedAnswers().back().memory.reps, 2);  // kept as the run ended

    // A full pass is kept as such again; after Clear as many other cards are not due.
    teacher.Restart();
    AnswerTheRest();
    EXPECT_FALSE(history.GetPasses().back().due);
    teacher.Clear();
    AddCards(CardTexts(25, {u"other", u"y"}));
    const std::vector<int> none = teacher.GetDueForecast(400);
    EXPECT_EQ(std::accumulate(none.begin(), none.end(), 0), 0);
}
