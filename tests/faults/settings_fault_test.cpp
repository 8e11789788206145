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
    // A damaged file is left for the user to repair; an intact one takes the new record and
    // keeps the others, byte-order mark or not.
    const std::tuple<const char*, QByteArray, bool> files[] = {
        {"a quote left open", "[General]\nLanguage=\"Language_1041\n" + records, true},
        {"a line ending in a backslash", "[General]\nFont=1\\\n" + records, true},
        {"a group header without ]", "[General\nFont=1\n" + records, true},
        {"a line without =", records + "b7000\n", true},
        {"a byte-order mark", "\xEF\xBB\xBF" + records, false},
        // A group and a key path that name the same record, in either order: left alone too,
        // so the value read before the write stays.
        {"group first", "[FastestTimes]\na=5000\n[General]\nFastestTimes\\a=9000\n", true},
        {"key path first", "[General]\nFastestTimes\\a=9000\n[FastestTimes]\na=5000\n", true},
    };
    for (const auto& [name, text, leftAlone] : files) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteBytes(Path(), text));
        const uint32_t shown = StoredTime(u"a");
        cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
        EXPECT_EQ(std::tuple(StoredTime(u"a"), StoredTime(u"c"), ReadBytes(Path()) == text),
                  std::tuple(shown, leftAlone ? 0u : 3000u, leftAlone))
            << ReadBytes(Path()).constData();
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
    for (const auto& [suffix, holder] :
         {std::pair(".lock", "lock"), std::pair(".update.lock", "turn")}) {
        const QString lock = Path() + QString::fromLatin1(suffix);
        const std::tuple<const char*, std::function<bool()>> shapes[] = {
            {"empty", [&] { return WriteBytes(lock, ""); }},
            {"garbage", [&] { return WriteBytes(lock, "\x01\x02garbage"); }},
            {"a folder", [&] { return QDir().mkdir(lock); }},
            {"a pipe", [&] { return ::mkfifo(QFile::encodeName(lock), 0600) == 0; }},
            // Killed as it goes, at the end of the statement.
            {"a killed instance's",
             [&] {
                 return StartHelper({holder, Path()}, true) != nullptr;
             }},
        };
        for (const auto& [shape, make] : shapes) {
            SCOPED_TRACE(std::string(suffix) + ": " + shape);
            ASSERT_TRUE(make());
            EXPECT_TRUE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"a", 1234));
            QFile::remove(Path());
            QFile::remove(lock);
        }
    }
}

}  // namespace
