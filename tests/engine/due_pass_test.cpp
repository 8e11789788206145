// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Every pass grades each card's first outcome into the card's memory; the due pass studies
// the cards whose day has come, with a few new ones a day.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "engine/card_memory_key.h"
#include "platform/memory_pass_history.h"
#include "tests/support/teacher_fixture.h"

namespace {

class DuePassTest : public TeacherTest {
protected:
    void SetUp() override {
        teacher.SetPassHistory(&history);
        teacher.AddLoadedFile(u"/cards/Verbs.recallix");
    }
    // The grade and answer time of each card (by cue) among graded answers.
    std::map<std::u16string, std::pair<eGrade, uint32_t>> Grades(
        const std::vector<sGradedAnswer>& graded) const {
        std::map<std::u16string, std::pair<eGrade, uint32_t>> grades;
        for (const auto& [cue, answer] : Cards()) {
            for (const sGradedAnswer& one : graded) {
                if (one.card == cCardMemoryKey(cue, answer).GetValue()) {
                    grades[cue] = {one.grade, one.answerMs};
                }
            }
        }
        return grades;
    }
    CardTexts Numbered(int count) const {
        CardTexts cards;
        for (int i = 0; i < count; ++i) {
            cards.emplace_back(u"c" + std::u16string(1, char16_t(u'a' + i)), u"x");
        }
        return cards;
    }

    cMemoryPassHistory history;
};

}  // namespace

TEST_F(DuePassTest, EachCardIsGradedOnceAtItsFirstOutcomeInEveryPass) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}, {u"D", u"d"}});
    const std::u16string wrong = teacher.GetCurrentCue();
    ticks.Advance(700);
    EXPECT_NE(teacher.Next(u"nonsense"), u"");
    AnswerRight();  // right after wrong: still Again
    const std::u16string ignored = teacher.GetCurrentCue();
    teacher.Ignore();
    const std::u16string slow = teacher.GetCurrentCue();
    ticks.Advance(2500);
    AnswerTheRest();
    ASSERT_EQ(history.GetPasses().size(), 1u);
    const auto grades = Grades(history.GetPasses()[0].graded);
    EXPECT_EQ(history.GetPasses()[0].graded.size(), 4u);  // the requeued entries: none again
    EXPECT_EQ(
        std::tuple(grades.at(wrong), grades.at(ignored).first, grades.at(slow)),
        std::tuple(std::pair(eGrade::Again, 700u), eGrade::Again, std::pair(eGrade::Good, 2500u)));

    // A pass left unfinished hands its answers over when the next begins.
    teacher.Restart();
    AnswerRight();
    teacher.Restart();
    ASSERT_EQ(history.GetGradedAnswers().size(), 5u);
    EXPECT_EQ(history.GetGradedAnswers()[4].memory.reps, 2);
}

TEST_F(DuePassTest, StudiesTheDueCardsWithTwentyNewOnesADayAndNeverSetsAFastestTime) {
    AddCards(Numbered(25));
    EXPECT_EQ(std::pair(teacher.CountDueCards(), teacher.PredictRecall(u"ca", u"x")),
              std::pair(0, std::optional<double>()));
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
    ASSERT_LT(day, 30);
    ticks.AdvanceDays(static_cast<int>(day));
    EXPECT_EQ(teacher.CountDueCards(), 20);
    EXPECT_NEAR(teacher.PredictRecall(u"ca", u"x").value(), 0.9, 0.03);
    ASSERT_TRUE(teacher.StartDuePass());
    EXPECT_EQ(teacher.GetCuesLeft(), 25);  // and the five left new

    // Another run restores every memory from the history.
    cTeacher next(profile, ticks);
    next.SetPassHistory(&history);
    AddCards(Numbered(25), &next);
    EXPECT_EQ(next.CountDueCards(), 20);
}
