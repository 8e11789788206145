// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/desktop_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class DesktopEntryTest : public testing::Test {
protected:
    void Write(const std::string& relative, const std::string& text) const {
        fs::create_directories(m_dir.Path(relative).parent_path());
        m_dir.Write(relative, text);
    }
    void WriteDefaults(const std::string& relative, const std::string& list) const {
        Write(relative, "[Default Applications]\ntext/html=" + list + "\n");
    }
    std::string Path(const std::string& relative) const { return m_dir.Path(relative).string(); }
    std::optional<std::string> Html() const { return FindDefaultHandler(m_dirs, "text/html"); }

    cTempDir m_dir;
    // A throwaway set of XDG folders: config, etc, data (user) and two system data folders.
    sXdgDirectories m_dirs{
        Path("config"), {Path("etc")}, Path("data"), {Path("local"), Path("usr")}};
};

TEST_F(DesktopEntryTest, AssociationFilesAreConsultedInOrder) {
    for (const char* name : {"a", "b", "c"}) {
        Write(std::string("usr/applications/") + name + ".desktop", "[Desktop Entry]\nExec=x");
    }
    // From the least important list to the most important one.
    const char* lists[] = {"usr/applications/defaults.list", "usr/applications/mimeapps.list",
                           "local/applications/defaults.list", "data/applications/mimeapps.list",
                           "etc/mimeapps.list"};
    for (int i = 0; i < 5; ++i) {
        const std::string id = "abcbc"[i] + std::string(".desktop");
        WriteDefaults(lists[i], id);
        EXPECT_EQ(Html(), id) << lists[i];
    }
    // Missing and hidden entries are passed over, within a list and across files.
    Write("usr/applications/hidden.desktop", "[Desktop Entry]\nExec=h\nHidden=true\n");
    WriteDefaults("config/mimeapps.list", " gone.desktop ;;hidden.desktop; a.desktop;b.desktop");
    EXPECT_EQ(Html(), "a.desktop");
    WriteDefaults("config/mimeapps.list", "gone.desktop;hidden.desktop;");
    EXPECT_EQ(Html(), "c.desktop");
    // Only the default group's own key counts.
    Write("config/mimeapps.list",
          "\xEF\xBB\xBF# text/html=b.desktop\r\n[Added Associations]\r\ntext/html=b.desktop\r\n"
          "[Default Applications]\r\ntext/htmlx=b.desktop\r\n  text/html  =  a.desktop\r\n");
    EXPECT_EQ(Html(), "a.desktop");
    EXPECT_EQ(FindDefaultHandler(m_dirs, "application/pdf"), std::nullopt);
}

TEST_F(DesktopEntryTest, LocatesDesktopFiles) {
    Write("usr/applications/web.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "web.desktop"), Path("usr/applications/web.desktop"));
    Write("data/applications/web.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "web.desktop"), Path("data/applications/web.desktop"));
    Write("local/applications/kde/net-web.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "kde-net-web.desktop"),
              Path("local/applications/kde/net-web.desktop"));
    // Ids that are not plain file names are refused.
    Write("usr/evil.desktop", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "../evil.desktop"), std::nullopt);
    EXPECT_EQ(LocateDesktopFile(m_dirs, "..-evil.desktop"), std::nullopt);
    Write("usr/applications/web", "");
    EXPECT_EQ(LocateDesktopFile(m_dirs, "web"), std::nullopt);
}

TEST_F(DesktopEntryTest, ReadsTheExecLineOfTheEntryGroup) {
    Write("e.desktop",
          "# Exec=comment\n[Desktop Action new]\nExec=action\n[Desktop Entry]\nExec[de]=lokal\n"
          "Exec = /opt/w\xC3\xA9\x62/web\\s\\\\x \"%u\" \xF0\x9F\x98\x80\\q\r\nExec=second\n");
    EXPECT_EQ(ReadDesktopEntryExec(Path("e.desktop")),
              u"/opt/w\u00e9b/web \\x \"%u\" \U0001F600\\q");
    Write("usr/applications/web.desktop", "[Desktop Entry]\nExec=web --new-window %U\n");
    WriteDefaults("etc/mimeapps.list", "web.desktop");
    EXPECT_EQ(FindHtmlHandlerCommand(m_dirs), u"web --new-window %U");
}

TEST_F(DesktopEntryTest, OddFilesGiveNothing) {
    const std::string bad[] = {
        "[Desktop Action new]\nExec=action\n",
        "[Desktop Entry]\nExec=web \xC3\n",          // cut sequence
        "[Desktop Entry]\nExec=web \xC0\xAF\n",      // overlong
        "[Desktop Entry]\nExec=web \xED\xA0\x80\n",  // surrogate
        std::string("[Desktop Entry]\nExec=web\0rm\n", 27),
        std::string("\0\x01\xFF[Desktop Entry\n\n=\n[\n]\n", 14),
    };
    for (const std::string& text : bad) {
        Write("bad.desktop", text);
        EXPECT_EQ(ReadDesktopEntryExec(Path("bad.desktop")), std::nullopt);
    }
    // Files over the limit are ignored rather than read in part.
    const std::string head = "[Desktop Entry]\nExec=web\n";
    Write("big.desktop", head + std::string(kDesktopFileReadLimit - head.size(), 'x'));
    EXPECT_EQ(ReadDesktopEntryExec(Path("big.desktop")), u"web");
    Write("big.desktop", head + std::string(kDesktopFileReadLimit, 'x'));
    EXPECT_EQ(ReadDesktopEntryExec(Path("big.desktop")), std::nullopt);
    // A pipe must not be opened: that would block.
    ASSERT_EQ(mkfifo(Path("pipe.desktop").c_str(), 0600), 0);
    EXPECT_EQ(ReadDesktopEntryExec(Path("pipe.desktop")), std::nullopt);
}

}  // namespace
