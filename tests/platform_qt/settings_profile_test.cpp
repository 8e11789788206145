// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/settings_profile.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "platform/qt/settings_lock.h"
#include "tests/support/temp_dir.h"

namespace {

class SettingsProfileTest : public ::testing::Test {
protected:
    QString SettingsPath() const { return QString::fromStdU16String(m_dir.U16("Recallix.conf")); }

    cTempDir m_dir;
};

TEST_F(SettingsProfileTest, UnusableValuesReadAsTheDefaultAndOddNamesAreRefused) {
    m_dir.Write("Recallix.conf", "Language=a, b\nFont= 12 \n[FastestTimes]\ntoo_big=4294967296\n");
    cSettingsProfile profile(SettingsPath());
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u"none"), u"none");
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 0), 12u);
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"too_big", 7), 7u);
    // A name that would address another value is refused.
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"a/b", 1234));
    // A file too large to be settings is not read at all.
    ASSERT_TRUE(QFile::resize(SettingsPath(), cSettingsProfile::kMaxFileSize + 1));
    EXPECT_EQ(cSettingsProfile(SettingsPath()).GetProfileInt(u"", u"Font", 0), 0u);
    // Nor is a pipe, which would never end; it is left alone.
    ASSERT_TRUE(QFile::remove(SettingsPath()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(SettingsPath()).constData(), 0600), 0);
    EXPECT_FALSE(cSettingsProfile(SettingsPath()).WriteProfileInt(u"", u"Font", 1));
}

// Lines ended by CR LF, as an editor on another system saves them, are whole lines.
TEST_F(SettingsProfileTest, FileWithCrLfLineEndsIsWrittenAndKeepsItsValues) {
    m_dir.Write("Recallix.conf", "[FastestTimes]\r\nverbs=5000\r\n\r\n");
    EXPECT_TRUE(cSettingsProfile(SettingsPath()).WriteProfileInt(u"", u"Font", 1));
    EXPECT_EQ(cSettingsProfile(SettingsPath()).GetProfileInt(u"FastestTimes", u"verbs", 0), 5000u);
}

TEST_F(SettingsProfileTest, UnwritableStoreKeepsValuesForTheRun) {
    // A regular file where the settings folder should be: nobody, root included, can
    // create the settings file.
    const QString blocker = QString::fromStdU16String(m_dir.Write("blocker", ""));
    cSettingsProfile profile(blocker + QStringLiteral("/Recallix.conf"));
    int notices = 0;
    profile.SetStoreFailureNotice([&notices] { ++notices; });
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"verbs_recallix", 9000));
    EXPECT_EQ(notices, 1);  // the user is told
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 9000u);

    // Once the store can be written again, newer values win over the ones kept.
    ASSERT_TRUE(QFile::remove(blocker));
    EXPECT_TRUE(profile.WriteProfileInt(u"FastestTimes", u"verbs_recallix", 7000));
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 7000u);
}

TEST_F(SettingsProfileTest, RecordHeldBackByABusyTurnIsStoredLaterUnlessAFasterOneCame) {
    const cProfile::IntUpdate record = [](uint32_t stored) {
        return stored > 4000 ? std::optional<uint32_t>(4000) : std::nullopt;
    };
    // The held-back record goes to the file with the next write, or when the run ends.
    for (const bool nextWrite : {true, false}) {
        SCOPED_TRACE(nextWrite);
        m_dir.Write("Recallix.conf", "[FastestTimes]\nverbs=5000\n");
        {
            cSettingsProfile profile(SettingsPath());
            {
                cSettingsLock otherInstance(SettingsPath());
                ASSERT_TRUE(otherInstance.Acquire());
                int notices = 0;  // the user is told that the record waits
                profile.SetStoreFailureNotice([&notices] { ++notices; });
                EXPECT_FALSE(profile.UpdateProfileInt(u"FastestTimes", u"verbs", record));
                EXPECT_EQ(notices, 1);
                EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs", 0), 4000u);
            }
            if (nextWrite) {
                // The other instance stored a faster record while it held the turn.
                m_dir.Write("Recallix.conf", "[FastestTimes]\nverbs=3000\n");
                EXPECT_TRUE(profile.WriteProfileInt(u"", u"Font", 1));
                EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs", 0), 3000u);
            }
        }
        EXPECT_EQ(cSettingsProfile(SettingsPath()).GetProfileInt(u"FastestTimes", u"verbs", 0),
                  nextWrite ? 3000u : 4000u);
    }
}

TEST(SettingsProfileLocationTest, NativeStoreIsTheUsersVorlenRecallixFile) {
    // The test main points the user's configuration folder at a temporary one.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_TRUE(configHome.startsWith(QDir::tempPath()));
    EXPECT_TRUE(cSettingsProfile().WriteProfileInt(u"", u"Font", 1));
    EXPECT_EQ(cSettingsProfile(configHome + QStringLiteral("/Vorlen/Recallix.conf"))
                  .GetProfileInt(u"", u"Font", 0),
              1u);
}

}  // namespace
