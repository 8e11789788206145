// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cuefiles/kvtml_reader.h"
#include "tests/support/temp_dir.h"

namespace {

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

// An entry as a flash-card editor writes it, with texts in translations 0 and 1.
std::string Entry(std::string_view first, std::string_view second) {
    return "  <entry id=\"0\">\n   <translation id=\"0\">\n    <text>" + std::string(first) +
           "</text>\n   </translation>\n   <translation id=\"1\">\n    <text>" +
           std::string(second) + "</text>\n   </translation>\n  </entry>\n";
}

// The layout of a document saved by a vocabulary trainer, header to lessons.
std::string Document(std::string_view entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"kvtml2.dtd\">\n"
           "<kvtml version=\"2.0\">\n <information><title>Animals</title></information>\n"
           " <entries>\n" +
           std::string(entries) +
           " </entries>\n"
           " <lessons><container><name>Lesson 1</name><entry id=\"0\"/></container></lessons>\n"
           "</kvtml>\n";
}

class KvtmlReaderTest : public ::testing::Test {
protected:
    // The entries of the document, nothing when it cannot be read.
    std::optional<Pairs> Read(std::string_view bytes) {
        Pairs entries;
        cKvtmlReader reader([&entries](std::u16string& first, std::u16string& second) {
            entries.emplace_back(first, second);
        });
        const bool read = reader.ReadFile(dir.Write("words.kvtml", bytes));
        return read ? std::optional(entries) : std::nullopt;
    }

    cTempDir dir;
};

}  // namespace

TEST_F(KvtmlReaderTest, ReadsEveryEntryOfADocumentAndNothingElse) {
    EXPECT_EQ(
        Read(Document(
            Entry("der Hund", " the dog ") + Entry("a &unknown; b", "c <i>d</i> e") +
            "  <entry id=\"4\">\n   <translation id=\"1\"><text>second</text></translation>\n"
            "   <translation id=\"2\"><text>third</text></translation>\n"
            "   <translation id=\"0\"><text>first</text></translation>\n  </entry>\n")),
        (Pairs{{u"der Hund", u"the dog"}, {u"a &unknown; b", u"c d e"}, {u"first", u"second"}}));
}

TEST_F(KvtmlReaderTest, WhatIsNoWellFormedDocumentFails) {
    const std::string good = Document(Entry("eins", "one"));
    for (const std::string& bytes : {
             good.substr(0, good.size() - 40),                            // cut short
             good + "<kvtml/>",                                           // a second root
             std::string("<kvtml><e><o>eins</o><t>one</t></e></kvtml>"),  // the older version
         }) {
        EXPECT_EQ(Read(bytes), std::nullopt) << testing::PrintToString(bytes);
    }
}
