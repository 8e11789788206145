#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "tests/cuefiles/temp_dir.h"

namespace {

using Pair = std::pair<std::u16string, std::u16string>;

// The pair, or two empty texts when the line is no card.
Pair Split(std::u16string_view line, bool reversed = false) {
    std::u16string cue;
    std::u16string answer;
    return SplitCueRecord(line, reversed, cue, answer) ? Pair(cue, answer) : Pair();
}

// Reads a file the way the teacher does, counting the calls.
std::vector<Pair> ReadPairs(const std::u16string& path, bool reversed, int& calls) {
    cCueFileReader reader;
    EXPECT_TRUE(reader.Open(path));
    std::vector<Pair> pairs;
    std::u16string cue = u"stale";
    std::u16string answer = u"stale";
    for (calls = 0; !reader.IsAtEnd(); ++calls) {
        if (ReadCuePair(reader, reversed, cue, answer)) {
            pairs.emplace_back(cue, answer);
        }
    }
    return pairs;
}

}  // namespace

TEST(CueRecordTest, SplitsAtTheFirstEqualsSign) {
    EXPECT_EQ(Split(u"Hund = dog"), Pair(u"Hund", u"dog"));
    EXPECT_EQ(Split(u"1 + 1 = 2 = two"), Pair(u"1 + 1", u"2 = two"));
    EXPECT_EQ(Split(u"1 + 1 = 2 = two", true), Pair(u"2 = two", u"1 + 1"));
    EXPECT_EQ(Split(u"\t\u3000cue\r =\v answer \r\u00A0"), Pair(u"cue", u"answer"));
    EXPECT_EQ(Split(u"a==b"), Pair(u"a", u"=b"));
    for (const std::u16string_view line :
         {u"Vocabulary, chapter 3", u"= nothing", u"nothing =", u"  =  ", u"    ", u""}) {
        EXPECT_EQ(Split(line), Pair());
        EXPECT_EQ(Split(line, true), Pair());
    }
}

TEST(CueRecordTest, ReadsAFileAsTheTeacherDoes) {
    const cTempDir dir;
    const auto path =
        dir.Write("f", "\n\nHund = dog\r\nVocabulary\n\n\n  \n= nothing\n1+1=2=two\n");
    int calls = 0;
    EXPECT_EQ(ReadPairs(path, false, calls),
              (std::vector<Pair>{{u"Hund", u"dog"}, {u"1+1", u"2=two"}}));
    // Hund, Vocabulary, "  ", "= nothing", 1+1, and a last call that meets the end.
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(ReadPairs(path, true, calls),
              (std::vector<Pair>{{u"dog", u"Hund"}, {u"2=two", u"1+1"}}));
    EXPECT_TRUE(ReadPairs(dir.Write("e", "\n\r\n\n"), false, calls).empty());
    EXPECT_EQ(ReadPairs(dir.Write("l", "a=b"), false, calls), (std::vector<Pair>{{u"a", u"b"}}));
}
