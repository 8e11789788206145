// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Opening an address in the browser: the desktop's own way, else the command of the
// default handler of web pages, found in the desktop entries and run without a shell.
#include "platform/desktop/browser_launcher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/browser_command.h"
#include "platform/desktop/desktop_entry.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::u16string>;

TEST(BrowserCommandTest, PlaceholderTakesTheAddressAndTheCommandSplitsByExecQuoting) {
    // A quoted placeholder at the end leaves its preceding space, so two spaces precede U.
    EXPECT_EQ(BuildBrowserCommandLine(u"prog -new \"%1\"", u"U"), u"prog -new  U");
    // Options after the placeholder go.
    EXPECT_EQ(BuildBrowserCommandLine(u"web %F --private", u"U"), u"web  U");
    // Without a placeholder the address is appended after one space.
    EXPECT_EQ(BuildBrowserCommandLine(u"web --new-tab", u"a b"), u"web --new-tab a b");
    // An escaped percent sign is no placeholder.
    EXPECT_EQ(CutAtPlaceholder(u"web --fmt=%%u %u"), u"web --fmt=%%u ");
    // The command is split by the desktop entries' quoting, dropping their field codes.
    EXPECT_EQ(SplitCommandLine(u"\"/opt/My Web/web\" --profile \"a b\" \"\""),
              (Arguments{u"/opt/My Web/web", u"--profile", u"a b", u""}));
    EXPECT_EQ(SplitCommandLine(u"sh -c \"echo \\\"\\$HOME\\` \\\\ \\n\""),
              (Arguments{u"sh", u"-c", u"echo \"$HOME` \\ \\n"}));
    EXPECT_EQ(SplitCommandLine(u"web %i %c %k %d %D %n %N %v %m --x"), (Arguments{u"web", u"--x"}));
    // An open quote gives nothing.
    EXPECT_TRUE(SplitCommandLine(u"web \"--x").empty());
}

struct cFakeDesktop : cDesktop {
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

class DesktopEntryTest : public testing::Test {
protected:
    void Write(const std::string& relative, const std::string& text) const {
        fs::create_directories(m_dir.Path(relative).parent_path());
        m_dir.Write(relative, text);
    }
    std::string Path(const std::string& relative) const { return m_dir.Path(relative).string(); }

    cTempDir m_dir;
    // A throwaway set of XDG folders: config, etc, data (user) and two system data folders.
    sXdgDirectories m_dirs{
        Path("config"), {Path("etc")}, Path("data"), {Path("local"), Path("usr")}};
};

TEST_F(DesktopEntryTest, HiddenAndMissingEntriesArePassedOver) {
    Write("usr/applications/a.desktop", "[Desktop Entry]\nExec=x");
    Write("usr/applications/hidden.desktop", "[Desktop Entry]\nExec=h\nHidden=true\n");
    Write("config/mimeapps.list",
          "[Default Applications]\ntext/html=gone.desktop;hidden.desktop;a.desktop\n");
    EXPECT_EQ(FindDefaultHandler(m_dirs, "text/html"), "a.desktop");
}

TEST_F(DesktopEntryTest, LocatesDesktopFilesOnlyInTheApplicationsFolders) {
    Write("local/applications/kde/net-web.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "kde-net-web.desktop"),
              Path("local/applications/kde/net-web.desktop"));
    Write("local/evil.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "..-evil.desktop"), std::nullopt);
}

TEST_F(DesktopEntryTest, ReadsTheExecLineOfTheEntryGroupAndNothingOfOddFiles) {
    Write("e.desktop",
          "# Exec=comment\n[Desktop Action new]\nExec=action\n[Desktop Entry]\nExec[de]=lokal\n"
          "Exec = /opt/w\xC3\xA9\x62/web\\s\\\\x \"%u\" \xF0\x9F\x98\x80\\q\r\nExec=second\n");
    EXPECT_EQ(ReadDesktopEntryExec(Path("e.desktop")),
              u"/opt/w\u00e9b/web \\x \"%u\" \U0001F600\\q");
    Write("bad.desktop", "[Desktop Entry]\nExec=web \xED\xA0\x80\n");  // a surrogate
    EXPECT_EQ(ReadDesktopEntryExec(Path("bad.desktop")), std::nullopt);
    // Files over the limit are ignored rather than read in part.
    const std::string head = "[Desktop Entry]\nExec=web\n";
    Write("big.desktop", head + std::string(kDesktopFileReadLimit, 'x'));
    EXPECT_EQ(ReadDesktopEntryExec(Path("big.desktop")), std::nullopt);
    // A pipe must not be opened: that would block.
    ASSERT_EQ(mkfifo(Path("pipe.desktop").c_str(), 0600), 0);
    EXPECT_EQ(ReadDesktopEntryExec(Path("pipe.desktop")), std::nullopt);
}

}  // namespace
