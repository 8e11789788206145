// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Settings files the program cannot fully read or write, and other instances of the program
// on the same file: at the same moment, hanging with a lock held, or leaving their lock
// behind. What it still answers, and that a new record never costs the ones already there.
#include <sys/stat.h>

#include <functional>
#include <string>
#include <tuple>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fault_support.h"
#include "platform/qt/settings_profile.h"

namespace {

class SettingsFaultTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }
    uint32_t StoredTime(const std::u16string& key) const {
        return cSettingsProfile(Path()).GetProfileInt(u"FastestTimes", key, 0);
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsFaultTest, NewRecordKeepsTheStoredOnesWhateverTheDamage) {
    const QByteArray records = "[FastestTimes]\na=5000\nb=7000\n";
    const std::tuple<const char*, QByteArray> files[] = {
        {"a quote left open", "[General]\nLanguage=\"Language_1041\n" + records},
        {"a line ending in a backslash", "[General]\nFont=1\\\n" + records},
        {"a group header without ]", "[General\nFont=1\n" + records},
        {"a line without =", records + "b7000\n"},
    };
    for (const auto& [damage, text] : files) {
        SCOPED_TRACE(damage);
        ASSERT_TRUE(WriteBytes(Path(), text));
        cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
        EXPECT_EQ(ReadBytes(Path()), text);  // left for the user to repair
    }
    // An intact file takes the new record, byte-order mark or not.
    ASSERT_TRUE(WriteBytes(Path(), "\xEF\xBB\xBF" + records));
    cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
    EXPECT_EQ(StoredTime(u"c"), 3000u);
}

TEST_F(SettingsFaultTest, RecordSpelledTwiceKeepsTheValueReadAfterAWrite) {
    // A group and a key path that name the same record, in either order.
    for (const QByteArray& text :
         {QByteArray("[FastestTimes]\na=5000\n[General]\nFastestTimes\\a=9000\n"),
          QByteArray("[General]\nFastestTimes\\a=9000\n[FastestTimes]\na=5000\n")}) {
        ASSERT_TRUE(WriteBytes(Path(), text));
        const uint32_t shown = StoredTime(u"a");
        cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
        EXPECT_EQ(StoredTime(u"a"), shown) << ReadBytes(Path()).constData();
    }
}

TEST_F(SettingsFaultTest, InstancesWritingAtOnceKeepEachOthersRecords) {
    constexpr int kRecords = 40;
    auto one = StartHelper({"records", Path(), "one", QString::number(kRecords)});
    auto two = StartHelper({"records", Path(), "two", QString::number(kRecords)});
    for (QProcess* writer : {one.get(), two.get()}) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().constData();
    }
    for (int i = 0; i < kRecords; ++i) {
        for (const char* prefix : {"one", "two"}) {
            EXPECT_EQ(StoredTime(QStringLiteral("%1_%2").arg(prefix).arg(i).toStdU16String()),
                      1000u + i);
        }
    }
}

TEST_F(SettingsFaultTest, HungLockHolderDelaysAWriteByTheBoundOnly) {
    // QSettings' own lock, and the writers' turn; each holder lets go after 10 s.
    for (const char* mode : {"lock", "turn"}) {
        SCOPED_TRACE(mode);
        const auto holder = StartHelper({mode, Path()}, true);
        EXPECT_FALSE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"hung", 4000));
    }
}

TEST_F(SettingsFaultTest, LocksLeftBehindInAnyShapeAreStaleAtOnce) {
    // What an instance killed while writing leaves: QSettings' lock naming a process of
    // this machine that has ended, or the file of the writers' turn it held.
    const auto killedHolder = [this](const QString& lock) {
        // Killed as it goes, at the end of the statement.
        StartHelper({lock.endsWith(QStringLiteral(".update.lock")) ? "turn" : "lock", Path()},
                    true);
    };
    const std::tuple<const char*, std::function<void(const QString&)>> shapes[] = {
        {"empty", [](const QString& lock) { ASSERT_TRUE(WriteBytes(lock, "")); }},
        {"garbage", [](const QString& lock) { ASSERT_TRUE(WriteBytes(lock, "\x01\x02garbage")); }},
        {"a folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
        {"a pipe",
         [](const QString& lock) { ASSERT_EQ(::mkfifo(QFile::encodeName(lock), 0600), 0); }},
        {"a killed instance's", killedHolder},
    };
    for (const char* suffix : {".lock", ".update.lock"}) {
        for (const auto& [shape, make] : shapes) {
            SCOPED_TRACE(std::string(suffix) + ": " + shape);
            make(Path() + QString::fromLatin1(suffix));
            EXPECT_TRUE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"a", 1234));
            QFile::remove(Path());
            QFile::remove(Path() + QString::fromLatin1(suffix));
        }
    }
}

}  // namespace
