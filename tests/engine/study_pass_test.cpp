#include <gtest/gtest.h>

#include <map>
#include <set>

#include "i18n/lexitra/lexitra.h"
#include "platform/thread_locale.h"
#include "tests/support/teacher_fixture.h"

class StudyPassTest : public TeacherTest {
protected:
    void SetUp() override {
        SetThreadLocale(1033);
        AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    }
};

TEST_F(StudyPassTest, FreshPassCounters) {
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");
    EXPECT_EQ(teacher.GetTotalCues(), 3);
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    EXPECT_EQ(teacher.GetProgress(), 0);
}

TEST_F(StudyPassTest, RightAnswerRemovesTheCardAndDrawsAnother) {
    EXPECT_EQ(teacher.Next(u"a"), u"");
    EXPECT_EQ(teacher.GetCuesLeft(), 2);
    EXPECT_EQ(teacher.GetProgress(), 34);  // 100 - 200 / 3
    const std::u16string cue = teacher.GetCurrentCue();
    EXPECT_TRUE(cue == u"B" || cue == u"C");
}

TEST_F(StudyPassTest, WrongAnswerQueuesTheCardTwiceMore) {
    const std::u16string message = teacher.Next(u"x");
    EXPECT_EQ(message, LoadTranslatedUiString(40010) + u"\na");
    EXPECT_EQ(message.find(u'\n'), LoadTranslatedUiString(40010).size());
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");
    EXPECT_EQ(teacher.GetCuesLeft(), 5);
    EXPECT_EQ(teacher.GetProgress(), 0);  // 100 - 500 / 3 is clamped
    EXPECT_EQ(teacher.GetElapsedText(), u"");

    // The card must now be answered right three times in all.
    int answersForA = 0;
    while (teacher.GetCuesLeft() > 0) {
        answersForA += teacher.GetCurrentCue() == u"A" ? 1 : 0;
        AnswerRight();
    }
    EXPECT_EQ(answersForA, 3);
    EXPECT_EQ(teacher.GetProgress(), 100);
}

TEST_F(StudyPassTest, IgnoreDropsEveryEntryOfTheCardWithoutADraw) {
    teacher.Next(u"wrong");  // A queued twice more: 100 100 102 101 100
    teacher.Ignore();
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{102, 101}));
    EXPECT_EQ(teacher.GetCurrentCue(), u"B");  // the end entry, not a random one
    EXPECT_EQ(teacher.GetElapsedMs(), 90000u);
}

TEST_F(StudyPassTest, CommandsOnAnEmptyToDoListDoNothing) {
    while (teacher.GetCuesLeft() > 0) {
        AnswerRight();
    }
    const uint32_t finished = teacher.GetElapsedMs();
    ticks.Advance(5000);
    EXPECT_EQ(teacher.Next(u"anything"), u"");
    teacher.Ignore();
    EXPECT_EQ(teacher.GetCuesLeft(), 0);
    EXPECT_EQ(teacher.GetElapsedMs(), finished);
    EXPECT_EQ(teacher.GetCurrentCue(), u"");
}

TEST_F(StudyPassTest, RestartQueuesEveryCardOnceAndStopsTheClock) {
    AnswerRight();
    ticks.Advance(1000);
    teacher.Restart();
    EXPECT_EQ(teacher.GetCuesLeft(), 3);
    EXPECT_EQ(teacher.GetElapsedText(), u"");
    std::set<uint32_t> ids;
    for (uint32_t id : ToDoIds()) {
        ids.insert(id);
    }
    EXPECT_EQ(ids, (std::set<uint32_t>{100, 101, 102}));
    EXPECT_EQ(profile.GetValueCount(), 0);  // nothing recorded
}

TEST_F(StudyPassTest, ClearEmptiesTheWorkingSet) {
    teacher.AddLoadedFile(u"/x.recallix");
    AnswerRight();
    teacher.Clear();
    EXPECT_EQ(teacher.GetTotalCues(), 0);
    EXPECT_EQ(teacher.GetCuesLeft(), 0);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 0);
    EXPECT_EQ(teacher.GetProgress(), 100);
    EXPECT_EQ(teacher.GetElapsedMs(), 0u);
    teacher.Restart();
    EXPECT_EQ(teacher.GetCuesLeft(), 0);
}

TEST(RandomDrawTest, DrawsReachEveryEntryOfALongList) {
    // With more entries than the generator's range, the far end must still be drawn.
    cRandomGenerator random(12345);
    constexpr uint32_t kCount = 200000;
    uint32_t highest = 0;
    std::map<uint32_t, int> quarters;
    for (int i = 0; i < 20000; ++i) {
        const uint32_t value = random.NextBelow(kCount);
        ASSERT_LT(value, kCount);
        highest = std::max(highest, value);
        ++quarters[value / (kCount / 4)];
    }
    EXPECT_GT(highest, kCount - kCount / 100);
    for (const auto& [quarter, hits] : quarters) {
        EXPECT_GT(hits, 4000) << "quarter " << quarter;
    }
    EXPECT_EQ(quarters.size(), 4u);
}

TEST(RandomDrawTest, SmallRangesStayInRange) {
    cRandomGenerator random(7);
    std::set<uint32_t> seen;
    for (int i = 0; i < 1000; ++i) {
        const uint32_t value = random.NextBelow(3);
        ASSERT_LT(value, 3u);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 3u);
}
