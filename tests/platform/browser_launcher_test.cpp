// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/browser_launcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::u16string>;

class cFakeDesktop : public cDesktop {
public:
    bool OpenUrl(const std::u16string&) override { return shellOpens; }
    std::optional<std::u16string> FindHtmlHandlerCommand() override { return handler; }
    bool StartDetached(const Arguments& arguments) override {
        started.push_back(arguments);
        return true;
    }

    bool shellOpens = false;
    std::optional<std::u16string> handler;
    std::vector<Arguments> started;
};

TEST(BrowserLauncherTest, AnAddressTheDesktopRefusesGoesToTheHandlerAsOneArgument) {
    cFakeDesktop desktop;
    desktop.handler = u"web --name %c \"%u\" --private-window %i";
    desktop.shellOpens = true;
    LaunchDefaultBrowser(u"https://example.org/", desktop);
    desktop.shellOpens = false;
    const std::u16string dangerous = u"https://x/\"; touch /tmp/pwned; \"$(id)";
    LaunchDefaultBrowser(dangerous, desktop);
    // "web --name " + url + zero = 520 fits; one unit more does not.
    desktop.handler = u"web --name";
    LaunchDefaultBrowser(std::u16string(508, u'a'), desktop);
    LaunchDefaultBrowser(std::u16string(509, u'a'), desktop);
    // Nothing starts when the handler names no program.
    for (const char16_t* handler : {u"", u"\"\" --x %u", u"\"web %u\"", u"%u"}) {
        desktop.handler = handler;
        LaunchDefaultBrowser(u"https://example.org/", desktop);
    }
    EXPECT_EQ(desktop.started,
              (std::vector<Arguments>{{u"web", u"--name", dangerous},
                                      {u"web", u"--name", std::u16string(508, u'a')}}));
}

}  // namespace
