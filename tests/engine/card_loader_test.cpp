// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>

#include "accents/accent_list.h"
#include "engine/card_loader.h"
#include "engine/card_store.h"
#include "engine/load_progress.h"
#include "tests/support/temp_dir.h"

namespace {

// Lets a load go on for a number of reports, then stops it; counts the reports.
class cStopAfter : public cLoadProgress {
public:
    explicit cStopAfter(int reports) : m_reportsLeft(reports) {}
    bool OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) override {
        ++reports;
        lastRead = bytesRead;
        fileBytes = fileSize;
        return m_reportsLeft-- > 0;
    }
    int reports = 0;
    uint64_t lastRead = 0;
    uint64_t fileBytes = 0;

private:
    int m_reportsLeft;
};

}  // namespace

class CardLoaderTest : public ::testing::Test {
protected:
    cTempDir dir;
    cCardStore store;
    const cAccentList accents = MakeStandardAccentList();
    cCardLoader loader{store, accents};
};

// Every format tells how far a long load has got, and stops when told to with nothing of
// its file kept; a load nobody stops reads to the end.
TEST_F(CardLoaderTest, EveryFormatReportsProgressAndStopsWithNothingKept) {
    std::string recallix, tab, comma, openQuote = "a\t\"never closed\n";
    std::string kvtml = "<kvtml version=\"2.0\"><entries>\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        recallix += "Wort" + n + " = word" + n + "\n";
        tab += "Wort" + n + "\tword" + n + "\n";
        comma += "Wort" + n + ",word" + n + "\n";
        openQuote += "more of the quoted field " + n + "\n";
        kvtml += "<entry><translation id=\"0\"><text>Wort" + n +
                 "</text></translation><translation id=\"1\"><text>word" + n +
                 "</text></translation></entry>\n";
    }
    kvtml += "</entries></kvtml>\n";
    struct sCase {
        const char* name;
        const std::string& bytes;
        eLoadFault unstopped;
    };
    const sCase cases[] = {
        {"big.recallix", recallix, eLoadFault::None},   {"big.tsv", tab, eLoadFault::None},
        {"big.csv", comma, eLoadFault::None},           {"big.kvtml", kvtml, eLoadFault::None},
        {"open.tsv", openQuote, eLoadFault::OpenQuote},
    };
    store.AddCard(u"kept", u"card");
    const cCardStore::sMark onlyTheKeptCard = store.GetMark();
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::u16string path = dir.Write(c.name, c.bytes);
        cStopAfter stop(1);
        loader.SetLoadProgress(&stop);
        EXPECT_FALSE(loader.LoadFile(path, false));
        EXPECT_EQ(loader.GetLastFault(), eLoadFault::Stopped);
        EXPECT_EQ(stop.reports, 2);
        EXPECT_EQ(store.GetTotalCues(), 1);
        EXPECT_EQ(store.GetCuesLeft(), 1);

        cStopAfter never(1000);
        loader.SetLoadProgress(&never);
        EXPECT_EQ(loader.LoadFile(path, false), c.unstopped == eLoadFault::None);
        EXPECT_EQ(loader.GetLastFault(), c.unstopped);
        EXPECT_EQ(store.GetTotalCues(), c.unstopped == eLoadFault::None ? 20001 : 1);
        EXPECT_GT(never.reports, 2);
        EXPECT_LE(never.lastRead, never.fileBytes);
        EXPECT_GT(never.lastRead, never.fileBytes / 2);
        store.RollBack(onlyTheKeptCard);
    }
}

// What was wrong with a file that did not load, in the terms of its format.
TEST_F(CardLoaderTest, AFailedLoadSaysWhatIsWrongInItsFormat) {
    struct sCase {
        const char* name;
        const char* bytes;  // null: no such file
        eLoadFault fault;
    };
    const sCase cases[] = {
        {"missing.tsv", nullptr, eLoadFault::Unreadable},
        {"open.csv", "a,b\n\"c,d\n", eLoadFault::OpenQuote},
        {"after.tsv", "a\tb\n\"c\"x\td\n", eLoadFault::TextAfterQuote},
        {"broken.kvtml", "<kvtml version=\"2.0\"><entries>", eLoadFault::NotWellFormedXml},
        {"old.kvtml", "<kvtml><e><o>eins</o><t>one</t></e></kvtml>", eLoadFault::NotKvtml2},
    };
    for (const sCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(
            loader.LoadFile(c.bytes ? dir.Write(c.name, c.bytes) : dir.U16(c.name), false));
        EXPECT_EQ(loader.GetLastFault(), c.fault);
    }
    EXPECT_EQ(store.GetTotalCues(), 0);
}
