// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/html_text.h"
#include "cuefiles/list_format.h"
#include "tests/support/temp_dir.h"

namespace {

using Records = std::vector<std::pair<std::u16string, std::u16string>>;
using eDialect = cDelimitedListReader::eDialect;

struct sListRead {
    Records records;
    bool malformed;
};

class DelimitedListTest : public ::testing::Test {
protected:
    sListRead Read(eDialect dialect, std::string_view bytes) {
        cCueFileReader lines;
        EXPECT_TRUE(lines.Open(dir.Write("list", bytes)));
        cDelimitedListReader list(lines, dialect);
        sListRead read{{}, false};
        std::u16string first;
        std::u16string second;
        while (list.ReadRecord(first, second)) {
            read.records.emplace_back(first, second);
        }
        read.malformed = list.IsMalformed();
        return read;
    }

    cTempDir dir;
};

}  // namespace

TEST_F(DelimitedListTest, PlainTextIsATabListByItsFirstLine) {
    for (const auto& [bytes, tabs] : std::vector<std::pair<std::string_view, bool>>{
             {"\n\nHund\tdog\n", true},
             {"#separator:tab\nHund = dog\n", true},
             {"Words\nHund\tdog\n", false},
             {"# Words: chapter 3\nHund = dog\n", false},
             {"Hund = dog\n", false},
             {"", false},
         }) {
        cCueFileReader lines;
        ASSERT_TRUE(lines.Open(dir.Write("list.txt", bytes)));
        EXPECT_EQ(IsTabList(lines), tabs) << testing::PrintToString(bytes);
    }
}

TEST_F(DelimitedListTest, TabListsTakeTheFirstTwoFieldsAndSkipHeaderLines) {
    const sListRead read = Read(eDialect::Tab,
                                "#separator:tab\n#html:true\n#notetype column:3\n"
                                "Hund\t dog \tnoun\ttag\r\n"
                                "\n"
                                "only one field\n"
                                "\tno cue\n"
                                "a # b\tnot a header\n");
    EXPECT_FALSE(read.malformed);
    EXPECT_EQ(read.records, (Records{{u"Hund", u"dog"},
                                     {u"only one field", u""},
                                     {u"", u"no cue"},
                                     {u"a # b", u"not a header"}}));
}

TEST_F(DelimitedListTest, QuotedFieldsHoldSeparatorsQuotesAndLineEnds) {
    const sListRead tab = Read(eDialect::Tab,
                               "\"a\tb\"\t\"say \"\"hi\"\"\"\n"
                               "\"two\nlines\"\tx\t\"third\nfield\"\n"
                               "plain \"quotes\"\ty\n");
    EXPECT_FALSE(tab.malformed);
    EXPECT_EQ(
        tab.records,
        (Records{{u"a b", u"say \"hi\""}, {u"two lines", u"x"}, {u"plain \"quotes\"", u"y"}}));
    const sListRead comma = Read(eDialect::Comma,
                                 "cue,answer\n"
                                 "\"1,5\", \"one and a half\" ,extra\n"
                                 "\"\",empty cue\n"
                                 "a&amp;b,<br>\n");
    EXPECT_FALSE(comma.malformed);
    EXPECT_EQ(comma.records, (Records{{u"cue", u"answer"},
                                      {u"1,5", u"one and a half"},
                                      {u"", u"empty cue"},
                                      {u"a&amp;b", u"<br>"}}));
}

TEST(HtmlTextTest, TagsGoEntitiesDecodeAndWhiteSpaceCollapses) {
    EXPECT_EQ(HtmlToPlainText(u"der <b>Hund</b><br>the&nbsp;dog"), u"der Hund the dog");
    EXPECT_EQ(HtmlToPlainText(u"<div>Ha<i>u</i>s</div><div>house</div>"), u"Haus house");
    EXPECT_EQ(HtmlToPlainText(u"a &amp; b &lt;c&gt; &quot;d&quot; &#39;e&#x27; &#8211;"),
              u"a & b <c> \"d\" 'e' \u2013");
    // What is no tag or no known reference stays as written.
    EXPECT_EQ(HtmlToPlainText(u"1 < 2 &unknown; &#xD800; &#; & <"),
              u"1 < 2 &unknown; &#xD800; &#; & <");
    EXPECT_EQ(HtmlToPlainText(u"&#128512; gr&uuml;n &Eacute;t&eacute;"), u"\U0001F600 grün Été");
}
