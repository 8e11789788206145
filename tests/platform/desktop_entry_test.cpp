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

TEST_F(DesktopEntryTest, ReadsTheExecLineOfTheEntryGroup) {
    Write("e.desktop",
          "# Exec=comment\n[Desktop Action new]\nExec=action\n[Desktop Entry]\nExec[de]=lokal\n"
          "Exec = /opt/w\xC3\xA9\x62/web\\s\\\\x \"%u\" \xF0\x9F\x98\x80\\q\r\nExec=second\n");
    EXPECT_EQ(ReadDesktopEntryExec(Path("e.desktop")),
              u"/opt/w\u00e9b/web \\x \"%u\" \U0001F600\\q");
}

TEST_F(DesktopEntryTest, OddFilesGiveNothing) {
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
