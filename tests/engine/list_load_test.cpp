// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/vocabulary_document_reader.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/teacher_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

// Documents by path; a path without an entry is unreadable, and a document marked broken
// hands over its entries and then reports the fault, as a parser finding it late would.
class cFakeDocuments : public cVocabularyDocumentReader {
public:
    bool ReadEntries(const std::u16string& path, const EntryHandler& onEntry) override {
        const auto it = documents.find(path);
        if (it == documents.end()) {
            return false;
        }
        for (auto [first, second] : it->second.first) {
            onEntry(first, second);
        }
        return !it->second.second;
    }
    std::map<std::u16string, std::pair<Pairs, bool>> documents;
};

}  // namespace

class ListLoadTest : public TeacherTest {
protected:
    void SetUp() override { teacher.SetVocabularyDocumentReader(&documents); }

    Pairs Cards() const {
        Pairs cards;
        for (int i = 0; i < teacher.GetTotalCues(); ++i) {
            const std::optional<cCueLine> card = teacher.FindCard(cCueLineKey(100 + i));
            cards.emplace_back(card->GetCue(), card->GetAnswer());
        }
        return cards;
    }

    cTempDir dir;
    cFakeDocuments documents;
    cFakeFilePicker picker;
};

TEST_F(ListLoadTest, EachFormatLoadsByItsExtensionWithItsTextsAsWritten) {
    // No combination or bar turns into anything outside cue files: these hold real letters.
    const std::u16string tab = dir.Write("Words.TSV", "the:\tder\nHund\ter|sie\n");
    const std::u16string text = dir.Write("anki.txt", "#separator:tab\n#html:true\ne/\tx\n");
    const std::u16string comma = dir.Write("words.csv", "\"a, b\",c:\n");
    const std::u16string cue = dir.Write("words.recallix", "the: = der\n");
    const std::u16string cueText = dir.Write("old.txt", "Words\nthe: = der\n");
    const std::u16string document = dir.U16("words.kvtml");
    documents.documents[document] = {{{u"a:", u"b|c"}, {u"only one", u""}}, false};
    for (const std::u16string& path : {tab, text, comma, cue, cueText, document}) {
        EXPECT_TRUE(teacher.LoadCueFile(path, false)) << testing::PrintToString(path);
    }
    EXPECT_EQ(Cards(), (Pairs{{u"the:", u"der"},
                              {u"Hund", u"er|sie"},
                              {u"e/", u"x"},
                              {u"a, b", u"c:"},
                              {u"thë", u"der"},
                              {u"thë", u"der"},
                              {u"a:", u"b|c"}}));
    EXPECT_EQ(teacher.GetLoadedFileCount(), 6);
    EXPECT_EQ(teacher.GetFastestTimeKey(),
              u"words_tsv___anki_txt___words_csv___words_recallix___old_txt___words_kvtml");
}

TEST_F(ListLoadTest, MalformedFilesLoadNothingAndStopTheLoad) {
    AddCards({{u"kept", u"card"}});
    const std::u16string good = dir.Write("good.tsv", "eins\tone\n");
    const std::u16string openQuote = dir.Write("open.csv", "a,b\nc,\"d\ne,f\n");
    const std::u16string textAfterQuote = dir.Write("after.tsv", "a\tb\n\"c\"x\td\n");
    const std::u16string broken = dir.U16("broken.kvtml");
    documents.documents[broken] = {{{u"Hund", u"dog"}}, true};
    for (const std::u16string& path : {openQuote, textAfterQuote, broken, dir.U16("gone.kvtml")}) {
        picker.chosen = {good, path, good};
        EXPECT_FALSE(teacher.Load(picker)) << testing::PrintToString(path);
    }
    // Each command loaded the good file before the bad one, and nothing of the bad one.
    EXPECT_EQ(teacher.GetTotalCues(), 1 + 4);
    EXPECT_EQ(teacher.GetLoadedFileCount(), 4);
    for (const auto& [cue, answer] : Cards()) {
        EXPECT_TRUE(cue == u"kept" || cue == u"eins") << testing::PrintToString(cue);
    }
}

TEST_F(ListLoadTest, AFailedListIsToldApartFromAFailedCueFile) {
    EXPECT_FALSE(teacher.LoadCueFile(dir.Write("open.csv", "\"a,b\n"), false));
    EXPECT_TRUE(teacher.WasLastFileNotWellFormed());
    EXPECT_FALSE(teacher.LoadCueFile(dir.U16("missing.recallix"), false));
    EXPECT_FALSE(teacher.WasLastFileNotWellFormed());
    EXPECT_TRUE(teacher.LoadCueFile(dir.Write("good.csv", "a,b\n"), true));
    EXPECT_FALSE(teacher.WasLastFileNotWellFormed());
    EXPECT_EQ(teacher.GetCurrentCue(), u"b");  // reversed
}
