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
    EXPECT_EQ(BuildBrowserCommandLine(u"/usr/bin/web %u", u"U"), u"/usr/bin/web  U");
    // Options after the placeholder go.
    EXPECT_EQ(BuildBrowserCommandLine(u"web \"%U\" --new-window -x", u"U"), u"web  U");
    EXPECT_EQ(BuildBrowserCommandLine(u"web %F --private", u"U"), u"web  U");
    // Without a placeholder the address is appended after one space.
    EXPECT_EQ(BuildBrowserCommandLine(u"web --new-tab", u"a b"), u"web --new-tab a b");
    EXPECT_EQ(BuildBrowserCommandLine(u"", u"U"), u" U");
    // A quoted placeholder wins over an earlier bare one.
    EXPECT_EQ(CutAtPlaceholder(u"web %f --x \"%u\" --y"), u"web %f --x ");
    EXPECT_EQ(CutAtPlaceholder(u"web %U %u"), u"web ");
    // Quotes on one side only do not make a quoted placeholder.
    EXPECT_EQ(CutAtPlaceholder(u"web \"%u --x\""), u"web \"");
    // Other field codes and escaped percent signs are no placeholder.
    EXPECT_EQ(CutAtPlaceholder(u"web --name=%c %i"), u"web --name=%c %i");
    EXPECT_EQ(CutAtPlaceholder(u"web --fmt=%%u %u"), u"web --fmt=%%u ");
    EXPECT_EQ(CutAtPlaceholder(u"web 100%%%u"), u"web 100%%");
    EXPECT_EQ(CutAtPlaceholder(u"web %"), u"web %");
}

TEST(BrowserCommandTest, SplitsByExecQuotingAndDropsFieldCodes) {
    EXPECT_EQ(SplitCommandLine(u"  /usr/bin/web   --new-window "),
              (Arguments{u"/usr/bin/web", u"--new-window"}));
    EXPECT_EQ(SplitCommandLine(u"\"/opt/My Web/web\" --profile \"a b\" \"\""),
              (Arguments{u"/opt/My Web/web", u"--profile", u"a b", u""}));
    EXPECT_EQ(SplitCommandLine(u"sh -c \"echo \\\"\\$HOME\\` \\\\ \\n\""),
              (Arguments{u"sh", u"-c", u"echo \"$HOME` \\ \\n"}));
    // Outside quotes a backslash is an ordinary character.
    EXPECT_EQ(SplitCommandLine(u"web a\\b"), (Arguments{u"web", u"a\\b"}));
    EXPECT_EQ(SplitCommandLine(u"web --x=\"a b\"c"), (Arguments{u"web", u"--x=a bc"}));
    EXPECT_TRUE(SplitCommandLine(u"").empty());
    EXPECT_TRUE(SplitCommandLine(u"   ").empty());
    EXPECT_EQ(SplitCommandLine(u"web %i %c %k %d %D %n %N %v %m --x"), (Arguments{u"web", u"--x"}));
    // Only field codes standing alone go; "%%" is a literal percent sign.
    EXPECT_EQ(SplitCommandLine(u"web --icon=%i %%i 100%% %%%% %z"),
              (Arguments{u"web", u"--icon=%i", u"%i", u"100%", u"%%", u"%z"}));
    // An open quote gives nothing.
    EXPECT_TRUE(SplitCommandLine(u"web \"--x").empty());
    EXPECT_TRUE(SplitCommandLine(u"\"web\\\"").empty());
}

}  // namespace
