// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/html_text.h"
#include "tests/support/temp_dir.h"

namespace {

using Records = std::vector<std::pair<std::u16string, std::u16string>>;
using eDialect = cDelimitedListReader::eDialect;

class DelimitedListTest : public ::testing::Test {
protected:
    Records Read(eDialect dialect, std::string_view bytes) {
        cCueFileReader lines;
        EXPECT_TRUE(lines.Open(dir.Write("list", bytes)));
        cDelimitedListReader list(lines, dialect);
        Records records;
        std::u16string first;
        std::u16string second;
        while (list.ReadRecord(first, second)) {
            records.emplace_back(first, second);
        }
        return records;
    }

    cTempDir dir;
};

}  // namespace

TEST_F(DelimitedListTest, TabListsTakeTheFirstTwoFieldsAndSkipHeaderLines) {
    const Records records = Read(eDialect::Tab,
                                 "#separator:tab\n#html:true\n#notetype column:3\n"
                                 "Hund\t dog \tnoun\ttag\r\n"
                                 "a # b\tnot a header\n");
    EXPECT_EQ(records, (Records{{u"Hund", u"dog"}, {u"a # b", u"not a header"}}));
}

TEST_F(DelimitedListTest, QuotedFieldsHoldSeparatorsQuotesAndLineEnds) {
    const Records tab = Read(eDialect::Tab,
                             "\"a\tb\"\t\"say \"\"hi\"\"\"\n"
                             "\"two\nlines\"\tx\t\"third\nfield\"\n");
    EXPECT_EQ(tab, (Records{{u"a b", u"say \"hi\""}, {u"two lines", u"x"}}));
    const Records comma = Read(eDialect::Comma,
                               "\"1,5\", \"one and a half\" ,extra\n"
                               "a&amp;b,<br>\n#1,number one\n\"a\r\nb\",c\n");
    EXPECT_EQ(comma, (Records{{u"1,5", u"one and a half"},
                              {u"a&amp;b", u"<br>"},
                              {u"#1", u"number one"},
                              {u"a b", u"c"}}));
}

TEST(HtmlTextTest, TagsGoEntitiesDecodeAndWhiteSpaceCollapses) {
    EXPECT_EQ(HtmlToPlainText(u"der <b>Hund</b><br>the&nbsp;dog"), u"der Hund the dog");
    // Block ends and line breaks separate words, in any letter case.
    EXPECT_EQ(HtmlToPlainText(u"<div>eins</div>zwei</P>drei<BR>vier<Li>f\u00fcnf"),
              u"eins zwei drei vier f\u00fcnf");
    EXPECT_EQ(HtmlToPlainText(u"a &amp; b &lt;c&gt; &quot;d&quot; &#39;e&#x27; &#8211;"),
              u"a & b <c> \"d\" 'e' \u2013");
    // What is no tag or no known reference stays as written.
    EXPECT_EQ(HtmlToPlainText(u"1 < 2 &unknown; &#xD800; &#; & <"),
              u"1 < 2 &unknown; &#xD800; &#; & <");
}
