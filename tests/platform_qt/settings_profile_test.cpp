// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/settings_profile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsProfileTest : public ::testing::Test {
protected:
    QString SettingsPath() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }

    QString FileText() const {
        QFile file(SettingsPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Writes the file as another program (or a hand edit) would.
    void WriteFileText(const QString& text) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
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

TEST_F(SettingsProfileTest, MissingOrUnusableValuesReadAsTheDefaultAndOddNamesAreRefused) {
    cSettingsProfile profile(SettingsPath());
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"nothing", 7), 7u);
    WriteFileText(
        QStringLiteral("Font=abc\nLanguage=a, b\nSpaced= 12 \n[FastestTimes]\nnegative=-1\n"
                       "too_big=4294967296\nfraction=1.5\nlargest=4294967295\n"));
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 1), 1u);
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u"none"), u"none");
    EXPECT_EQ(profile.GetProfileInt(u"", u"Spaced", 0), 12u);
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"negative", 0), 0u);
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"too_big", 0), 0u);
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"fraction", 0), 0u);
    EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"largest", 0), 4294967295u);
    // Names that would address another value are refused.
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"", 1234));
    EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"a/b", 1234));
    EXPECT_FALSE(profile.WriteProfileString(u"Fastest\\Times", u"a", u"x"));
    EXPECT_FALSE(FileText().contains(QStringLiteral("1234")));
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
    // Values only ever held in memory are gone after a restart.
    EXPECT_EQ(cSettingsProfile(path).GetProfileString(u"", u"Language", u"none"), u"none");
}

TEST_F(SettingsProfileTest, ConcurrentInstancesKeepEachOthersValues) {
    cSettingsProfile first(SettingsPath());
    cSettingsProfile second(SettingsPath());
    EXPECT_TRUE(first.WriteProfileInt(u"FastestTimes", u"one", 1000));
    EXPECT_TRUE(second.WriteProfileInt(u"FastestTimes", u"two", 2000));
    // Another process rewrites the file behind our back.
    const QString text = FileText();
    ASSERT_TRUE(text.contains(QStringLiteral("one=1000")));
    WriteFileText(text + QStringLiteral("shared=3000\n"));
    EXPECT_EQ(first.GetProfileInt(u"FastestTimes", u"shared", 0), 3000u);
    EXPECT_TRUE(first.WriteProfileInt(u"FastestTimes", u"three", 4000));

    cSettingsProfile restarted(SettingsPath());
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"one", 0), 1000u);
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"two", 0), 2000u);
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"shared", 0), 3000u);
    EXPECT_EQ(restarted.GetProfileInt(u"FastestTimes", u"three", 0), 4000u);
}

TEST(SettingsProfileLocationTest, NativeStoreIsTheUsersVorlenRecallixFile) {
    // The test main points the user's configuration folder at a temporary one.
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/Vorlen/Recallix.conf");
    ASSERT_TRUE(qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(QDir::tempPath()));

    cSettingsProfile profile;
    EXPECT_TRUE(profile.WriteProfileInt(u"", u"Font", 1));
    EXPECT_EQ(cSettingsProfile().GetProfileInt(u"", u"Font", 0), 1u);
    EXPECT_EQ(QSettings(expected, QSettings::IniFormat).value(QStringLiteral("Font")).toString(),
              QStringLiteral("1"));
}

}  // namespace
