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
    bool OpenUrl(const std::u16string&) override { return m_shellOpens; }
    std::optional<std::u16string> FindHtmlHandlerCommand() override {
        ++m_handlerLookups;
        return m_handler;
    }
    bool StartDetached(const Arguments& arguments) override {
        m_started.push_back(arguments);
        return true;
    }

    bool m_shellOpens = false;
    std::optional<std::u16string> m_handler;
    int m_handlerLookups = 0;
    std::vector<Arguments> m_started;
};

TEST(BrowserLauncherTest, DesktopThatOpensTheAddressEndsTheLaunch) {
    cFakeDesktop desktop;
    desktop.m_shellOpens = true;
    desktop.m_handler = u"web %u";
    LaunchDefaultBrowser(u"https://example.org/", desktop);
    EXPECT_EQ(desktop.m_handlerLookups, 0);
    EXPECT_TRUE(desktop.m_started.empty());
}

TEST(BrowserLauncherTest, RefusedAddressGoesToTheHandlerAsOneArgument) {
    cFakeDesktop desktop;
    desktop.m_handler = u"\"/opt/My Web/web\" --new-tab";
    LaunchDefaultBrowser(u"https://example.org/a b", desktop);
    desktop.m_handler = u"web --name %c \"%u\" --private-window %i";
    const std::u16string dangerous = u"https://x/\"; touch /tmp/pwned; \"$(id)";
    LaunchDefaultBrowser(dangerous, desktop);
    // "web --name " + url + zero = 520 fits; one unit more does not.
    desktop.m_handler = u"web --name";
    LaunchDefaultBrowser(std::u16string(508, u'a'), desktop);
    LaunchDefaultBrowser(std::u16string(509, u'a'), desktop);
    EXPECT_EQ(desktop.m_started, (std::vector<Arguments>{
                                     {u"/opt/My Web/web", u"--new-tab", u"https://example.org/a b"},
                                     {u"web", u"--name", dangerous},
                                     {u"web", u"--name", std::u16string(508, u'a')}}));
}

TEST(BrowserLauncherTest, NothingStartsWhenTheHandlerIsUnusable) {
    const std::optional<std::u16string> handlers[] = {
        std::nullopt,    // nothing registered
        u"",             // no program
        u"\"\" --x %u",  // empty program
        u"\"web %u\"",   // cut inside a quote
        u"%u",           // placeholder only
    };
    for (const auto& handler : handlers) {
        cFakeDesktop desktop;
        desktop.m_handler = handler;
        LaunchDefaultBrowser(u"https://example.org/", desktop);
        EXPECT_TRUE(desktop.m_started.empty()) << handler.value_or(std::u16string()).size();
    }
}

}  // namespace
