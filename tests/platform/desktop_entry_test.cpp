#include "platform/desktop_entry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A throwaway set of XDG folders: config, etc, data (user) and two system data folders.
class DesktopEntryTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "recallix-xdg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        m_dirs = {m_root + "/config",
                  {m_root + "/etc"},
                  m_root + "/data",
                  {m_root + "/local", m_root + "/usr"}};
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(m_root, error);
    }

    void Write(const std::string& relative, const std::string& text) const {
        fs::create_directories(fs::path(Path(relative)).parent_path());
        std::ofstream(Path(relative), std::ios::binary) << text;
    }
    void WriteDefaults(const std::string& relative, const std::string& list) const {
        Write(relative, "[Default Applications]\ntext/html=" + list + "\n");
    }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }
    std::optional<std::string> Html() const { return FindDefaultHandler(m_dirs, "text/html"); }

    std::string m_root;
    sXdgDirectories m_dirs;
};

TEST_F(DesktopEntryTest, AssociationFilesAreConsultedInOrder) {
    for (const char* name : {"a", "b", "c"}) {
        Write(std::string("usr/applications/") + name + ".desktop", "[Desktop Entry]\nExec=x");
    }
    WriteDefaults("usr/applications/defaults.list", "a.desktop");
    EXPECT_EQ(Html(), "a.desktop");
    WriteDefaults("usr/applications/mimeapps.list", "b.desktop");
    EXPECT_EQ(Html(), "b.desktop");
    WriteDefaults("local/applications/defaults.list", "c.desktop");
    EXPECT_EQ(Html(), "c.desktop");
    WriteDefaults("data/applications/mimeapps.list", "b.desktop");
    EXPECT_EQ(Html(), "b.desktop");
    WriteDefaults("etc/mimeapps.list", "c.desktop");
    EXPECT_EQ(Html(), "c.desktop");
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
    EXPECT_EQ(FindHtmlHandlerCommand(sXdgDirectories{}), std::nullopt);
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
    EXPECT_EQ(ReadDesktopEntryExec(Path("missing.desktop")), std::nullopt);
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

TEST(XdgDirectoriesTest, DefaultsForUnsetEmptyOrRelativeValues) {
    // Nothing else in this program reads these variables, so they are not put back.
    setenv("HOME", "/home/u", 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_DIRS", "", 1);
    setenv("XDG_DATA_HOME", "relative/data", 1);
    setenv("XDG_DATA_DIRS", "/x::rel:/y", 1);
    sXdgDirectories dirs = sXdgDirectories::FromEnvironment();
    EXPECT_EQ(dirs.configHome, "/home/u/.config");
    EXPECT_EQ(dirs.configDirs, (std::vector<std::string>{"/etc/xdg"}));
    EXPECT_EQ(dirs.dataHome, "/home/u/.local/share");
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/x", "/y"}));
    unsetenv("HOME");
    setenv("XDG_DATA_DIRS", "rel", 1);
    dirs = sXdgDirectories::FromEnvironment();
    EXPECT_EQ(dirs.dataHome, "");
    EXPECT_EQ(dirs.dataDirs, (std::vector<std::string>{"/usr/local/share", "/usr/share"}));
}

}  // namespace
