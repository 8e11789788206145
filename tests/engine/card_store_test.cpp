#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/teacher_fixture.h"

namespace {

std::vector<uint32_t> Range(uint32_t first, uint32_t last) {
    std::vector<uint32_t> ids(last - first + 1);
    std::iota(ids.begin(), ids.end(), first);
    return ids;
}

std::vector<uint32_t> Concat(std::vector<uint32_t> a, const std::vector<uint32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

using CardStoreTest = TeacherTest;

TEST_F(CardStoreTest, FirstCardOfTheFileIsCurrentAndLaterCardsQueueInFront) {
    AddCards({{u"A", u"a"}, {u"B", u"b"}, {u"C", u"c"}});
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{102, 101, 100}));
    EXPECT_EQ(teacher.GetCurrentKey(), cCueLineKey(100));
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");
    EXPECT_EQ(teacher.GetTotalCues(), 3);
    EXPECT_EQ(teacher.GetCuesLeft(), 3);

    AddCards({{u"D", u"d"}});  // a later file never displaces the current card
    EXPECT_EQ(teacher.GetCurrentCue(), u"A");
    EXPECT_EQ(teacher.GetToDoKeys().front(), cCueLineKey(103));
}

TEST_F(CardStoreTest, EmptyStoreHasNoCurrentCard) {
    EXPECT_EQ(teacher.GetCurrentCue(), u"");
    EXPECT_TRUE(teacher.GetCurrentKey().IsNull());
    EXPECT_EQ(teacher.GetCurrentCard().GetAnswer(), u"");
    EXPECT_EQ(teacher.FindCard(cCueLineKey(100)), nullptr);
    EXPECT_EQ(teacher.FindCard(cCueLineKey()), nullptr);
}

TEST_F(CardStoreTest, RebuildVisitsBucketsInOrderNewestFirst) {
    AddNumberedCards(21);  // ids 100 to 120
    teacher.RebuildToDo();
    EXPECT_EQ(ToDoIds(), Concat(Range(112, 120), Range(100, 111)));
    EXPECT_EQ(teacher.GetCurrentKey(), cCueLineKey(111));
}

TEST_F(CardStoreTest, RebuildOrderAcrossBucketWrap) {
    // Ids 100 to 299: hash values 6 to 18; hash 17 is bucket 0 (ids 272-287) and hash 18
    // bucket 1 (288-299), so they come first, ahead of hash 6's bucket 6.
    AddNumberedCards(200);
    teacher.RebuildToDo();
    const std::vector<cCueLineKey> keys = teacher.GetToDoKeys();
    ASSERT_EQ(keys.size(), 200u);
    // The end of the list is the first card visited: the newest of bucket 0.
    EXPECT_EQ(keys.back(), cCueLineKey(287));
    EXPECT_EQ(keys[keys.size() - 16], cCueLineKey(272));
    EXPECT_EQ(keys[keys.size() - 17], cCueLineKey(299));  // bucket 1 follows
    EXPECT_EQ(keys.front(), cCueLineKey(256));            // bucket 16 (hash 16) is visited last
}

TEST_F(CardStoreTest, IdsKeepCountingAfterClear) {
    AddNumberedCards(10);  // 100 to 109
    teacher.AddLoadedFile(u"/cards/a.recallix");
    teacher.Clear();
    EXPECT_EQ(teacher.GetTotalCues(), 0);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 0);
    AddCards({{u"X", u"x"}});
    EXPECT_EQ(teacher.GetCurrentKey(), cCueLineKey(110));
    EXPECT_NE(teacher.FindCard(cCueLineKey(110)), nullptr);
    EXPECT_EQ(teacher.FindCard(cCueLineKey(109)), nullptr);
}

TEST_F(CardStoreTest, DuplicateCardsAreKeptApart) {
    AddCards({{u"Hund", u"dog"}, {u"Hund", u"dog"}});
    EXPECT_EQ(teacher.GetTotalCues(), 2);
    EXPECT_EQ(teacher.GetCuesLeft(), 2);
    AnswerRight();
    EXPECT_EQ(teacher.GetCuesLeft(), 1);
    EXPECT_EQ(teacher.GetCurrentCue(), u"Hund");
}

TEST_F(CardStoreTest, LoadedFilesByPosition) {
    teacher.AddLoadedFile(u"/a.recallix");
    teacher.AddLoadedFile(u"/a.recallix");
    EXPECT_EQ(teacher.GetLoadedFileCount(), 2);
    EXPECT_EQ(teacher.GetLoadedFile(1), u"/a.recallix");
    EXPECT_EQ(teacher.GetLoadedFile(-1), u"");
    EXPECT_EQ(teacher.GetLoadedFile(2), u"");
}

TEST_F(CardStoreTest, ToDoListOperations) {
    AddNumberedCards(3);  // front to end: 102 101 100
    teacher.MoveToEnd(0);
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{101, 100, 102}));
    teacher.MoveToEnd(3);
    teacher.MoveToEnd(-1);
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{101, 100, 102}));

    teacher.RequeueCurrent();
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{102, 102, 101, 100, 102}));
    EXPECT_EQ(teacher.RemoveKey(cCueLineKey(102)), 3);
    EXPECT_EQ(ToDoIds(), (std::vector<uint32_t>{101, 100}));
    EXPECT_EQ(teacher.RemoveCurrent(), cCueLineKey(100));
    EXPECT_EQ(teacher.RemoveCurrent(), cCueLineKey(101));
    EXPECT_EQ(teacher.GetCuesLeft(), 0);
    teacher.RequeueCurrent();  // nothing current: nothing queued
    EXPECT_EQ(teacher.GetCuesLeft(), 0);
}
