// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/settings_profile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/settings_lock.h"

namespace {

class SettingsProfileTest : public ::testing::Test {
protected:
    QString SettingsPath() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }

    // Writes the file as another program (or a hand edit) would.
    void WriteFileText(const char* text) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsProfileTest, ValuesSurviveARestartInTheirSections) {
    {
        cSettingsProfile profile(SettingsPath());
        EXPECT_TRUE(profile.WriteProfileInt(u"", u"Font", 2));
        EXPECT_TRUE(profile.WriteProfileString(u"", u"Text", u" 日本語, ; @x "));
        EXPECT_TRUE(profile.WriteProfileInt(u"FastestTimes", u"verbs_recallix", 9000));
        EXPECT_TRUE(profile.WriteProfileInt(u"FastestTimes", u"Font", 4294967295u));
    }
    cSettingsProfile restarted(SettingsPath());
    EXPECT_EQ(restarted.GetProfileInt(u"", u"Font", 0), 2u);
    EXPECT_EQ(restarted.GetProfileString(u"", u"Text", u""), u" 日本語, ; @x ");
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 9000u);
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"Font", 0), 4294967295u);
}

TEST_F(SettingsProfileTest, UnusableValuesReadAsTheDefaultAndOddNamesAreRefused) {
    WriteFileText(
        "Font=abc\nLanguage=a, b\nSpaced= 12 \n[FastestTimes]\nnegative=-1\n"
        "too_big=4294967296\nfraction=1.5\n");
    cSettingsProfile profile(SettingsPath());
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 7), 7u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u"none"), u"none");
    EXPECT_EQ(profile.GetProfileInt(u"", u"Spaced", 0), 12u);
    for (const char16_t* entry : {u"negative", u"too_big", u"fraction", u"missing"}) {
        EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", entry, 7), 7u);
    }
    // Names that would address another value are refused.
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"", 1234));
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"a/b", 1234));
    EXPECT_FALSE(profile.WriteProfileString(u"Fastest\\Times", u"a", u"x"));
    EXPECT_EQ(cSettingsProfile(SettingsPath()).GetProfileInt(u"FastestTimes", u"a/b", 0), 0u);
    // A file too large to be settings is not read at all.
    ASSERT_TRUE(QFile::resize(SettingsPath(), cSettingsProfile::kMaxFileSize + 1));
    EXPECT_EQ(cSettingsProfile(SettingsPath()).GetProfileInt(u"", u"Spaced", 0), 0u);
}

TEST_F(SettingsProfileTest, UnwritableStoreKeepsValuesForTheRun) {
    // A regular file where the settings folder should be: nobody, root included, can
    // create the settings file.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    const QString path = blocker + QStringLiteral("/Recallix.conf");

    cSettingsProfile profile(path);
    int notices = 0;
    profile.SetStoreFailureNotice([&notices] { ++notices; });
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"verbs_recallix", 9000));
    EXPECT_FALSE(profile.WriteProfileString(u"", u"Language", u"Language_1041"));
    EXPECT_EQ(notices, 1);  // the user is told once
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 9000u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");

    // Once the store can be written again, newer values win over the ones kept.
    ASSERT_TRUE(QFile::remove(blocker));
    EXPECT_TRUE(profile.WriteProfileInt(u"FastestTimes", u"verbs_recallix", 7000));
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 7000u);
    EXPECT_EQ(cSettingsProfile(path).GetProfileInt(u"FastestTimes", u"verbs_recallix", 0), 7000u);
}

TEST_F(SettingsProfileTest, RecordHeldBackByABusyTurnIsStoredLaterUnlessAFasterOneCame) {
    const cProfile::IntUpdate record = [](uint32_t stored) {
        return stored > 4000 ? std::optional<uint32_t>(4000) : std::nullopt;
    };
    // The held-back record goes to the file with the next write, or when the run ends.
    for (const bool nextWrite : {true, false}) {
        SCOPED_TRACE(nextWrite);
        WriteFileText("[FastestTimes]\nverbs=5000\n");
        {
            cSettingsProfile profile(SettingsPath());
            {
                cSettingsLock otherInstance(SettingsPath());
                ASSERT_TRUE(otherInstance.Acquire());
                EXPECT_FALSE(profile.UpdateProfileInt(u"FastestTimes", u"verbs", record));
                EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"verbs", 0), 4000u);
                if (nextWrite) {
                    WriteFileText("[FastestTimes]\nverbs=3000\n");  // the other one's record
                }
            }
            if (nextWrite) {
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
    ASSERT_TRUE(qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(QDir::tempPath()));
    EXPECT_TRUE(cSettingsProfile().WriteProfileInt(u"", u"Font", 1));
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/Vorlen/Recallix.conf");
    EXPECT_EQ(QSettings(expected, QSettings::IniFormat).value(QStringLiteral("Font")).toString(),
              QStringLiteral("1"));
}

}  // namespace
