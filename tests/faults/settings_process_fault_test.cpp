// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Other instances of the program on the same settings file: at the same moment, hanging
// with a lock held, or leaving their lock behind.
#include <sys/stat.h>

#include <functional>
#include <string>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fault_support.h"
#include "platform/qt/settings_profile.h"

namespace {

class OtherInstancesTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }

    QTemporaryDir m_dir;
};

TEST_F(OtherInstancesTest, InstancesWritingAtOnceKeepEachOthersRecords) {
    constexpr int kRecords = 40;
    auto one = StartHelper({"records", Path(), "one", QString::number(kRecords)});
    auto two = StartHelper({"records", Path(), "two", QString::number(kRecords)});
    for (QProcess* writer : {one.get(), two.get()}) {
        ASSERT_TRUE(writer->waitForFinished(60000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().constData();
    }
    cSettingsProfile profile(Path());
    for (int i = 0; i < kRecords; ++i) {
        for (const char* prefix : {"one", "two"}) {
            const QString key = QStringLiteral("%1_%2").arg(prefix).arg(i);
            EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", key.toStdU16String(), 0), 1000u + i);
        }
    }
}

TEST_F(OtherInstancesTest, HungLockHolderDelaysAWriteByTheBoundOnly) {
    // QSettings' own lock, and the writers' turn; each holder lets go after 10 s.
    for (const char* mode : {"lock", "turn"}) {
        SCOPED_TRACE(mode);
        auto holder = StartHelper({mode, Path()});
        ASSERT_TRUE(holder->waitForReadyRead(10000));
        EXPECT_FALSE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"hung", 4000));
        holder->kill();
        holder->waitForFinished(10000);
    }
}

TEST_F(OtherInstancesTest, LocksLeftBehindInAnyShapeAreStaleAtOnce) {
    // What an instance killed while writing leaves: QSettings' lock naming a process of
    // this machine that has ended, or the file of the writers' turn it held.
    const auto killedHolder = [this](const QString& lock) {
        auto holder =
            StartHelper({lock.endsWith(QStringLiteral(".update.lock")) ? "turn" : "lock", Path()});
        ASSERT_TRUE(holder->waitForReadyRead(10000));
        holder->kill();
        holder->waitForFinished();
    };
    const struct {
        const char* shape;
        std::function<void(const QString&)> make;
    } shapes[] = {
        {"empty", [](const QString& lock) { ASSERT_TRUE(WriteBytes(lock, "")); }},
        {"garbage", [](const QString& lock) { ASSERT_TRUE(WriteBytes(lock, "\x01\x02garbage")); }},
        {"a folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
        {"a pipe",
         [](const QString& lock) { ASSERT_EQ(::mkfifo(QFile::encodeName(lock), 0600), 0); }},
        {"a killed instance's", killedHolder},
    };
    for (const char* suffix : {".lock", ".update.lock"}) {
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::string(suffix) + ": " + shape.shape);
            shape.make(Path() + QString::fromLatin1(suffix));
            EXPECT_TRUE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"a", 1234));
            QFile::remove(Path());
            QFile::remove(Path() + QString::fromLatin1(suffix));
        }
    }
}

}  // namespace
