// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/browser_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::u16string>;

TEST(BrowserCommandTest, PlaceholderIsReplacedByTheAddressAndWhatFollowsItDropped) {
    // A quoted placeholder at the end leaves its preceding space, so two spaces precede U.
    EXPECT_EQ(BuildBrowserCommandLine(u"prog -new \"%1\"", u"U"), u"prog -new  U");
    // Options after the placeholder go.
    EXPECT_EQ(BuildBrowserCommandLine(u"web %F --private", u"U"), u"web  U");
    // Without a placeholder the address is appended after one space.
    EXPECT_EQ(BuildBrowserCommandLine(u"web --new-tab", u"a b"), u"web --new-tab a b");
    // An escaped percent sign is no placeholder.
    EXPECT_EQ(CutAtPlaceholder(u"web --fmt=%%u %u"), u"web --fmt=%%u ");
}

TEST(BrowserCommandTest, SplitsByExecQuotingAndDropsFieldCodes) {
    EXPECT_EQ(SplitCommandLine(u"\"/opt/My Web/web\" --profile \"a b\" \"\""),
              (Arguments{u"/opt/My Web/web", u"--profile", u"a b", u""}));
    EXPECT_EQ(SplitCommandLine(u"sh -c \"echo \\\"\\$HOME\\` \\\\ \\n\""),
              (Arguments{u"sh", u"-c", u"echo \"$HOME` \\ \\n"}));
    EXPECT_EQ(SplitCommandLine(u"web %i %c %k %d %D %n %N %v %m --x"), (Arguments{u"web", u"--x"}));
    // An open quote gives nothing.
    EXPECT_TRUE(SplitCommandLine(u"web \"--x").empty());
}

}  // namespace
