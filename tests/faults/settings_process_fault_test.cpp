// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Other instances of the program on the same settings file: at the same moment, hanging
// with a lock held, or leaving their lock behind.
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/settings_profile.h"
#include "settings_text.h"

namespace {

std::unique_ptr<QProcess> StartHelper(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(FAULT_HELPER), arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

void ExpectFinishedWell(QProcess& process) {
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
}

class OtherInstancesTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }
    uint32_t StoredTime(const QString& key) const {
        return cSettingsProfile(Path()).GetProfileInt(u"FastestTimes", key.toStdU16String(), 0);
    }

    QTemporaryDir m_dir;
};

TEST_F(OtherInstancesTest, InstancesWritingAtOnceKeepEachOthersRecords) {
    constexpr int kRecords = 40;
    auto one = StartHelper({"records", Path(), "one", QString::number(kRecords)});
    auto two = StartHelper({"records", Path(), "two", QString::number(kRecords)});
    ExpectFinishedWell(*one);
    ExpectFinishedWell(*two);
    for (int i = 0; i < kRecords; ++i) {
        EXPECT_EQ(StoredTime(QStringLiteral("one_%1").arg(i)), 1000u + i);
        EXPECT_EQ(StoredTime(QStringLiteral("two_%1").arg(i)), 1000u + i);
    }
}

TEST_F(OtherInstancesTest, HungLockHolderDelaysAWriteByTheBoundOnly) {
    // QSettings' own lock, and the writers' turn.
    for (const char* mode : {"lock", "turn"}) {
        SCOPED_TRACE(mode);
        auto holder = StartHelper({mode, Path()});
        ASSERT_TRUE(holder->waitForReadyRead(10000));
        cSettingsProfile profile(Path());
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(profile.WriteProfileInt(u"FastestTimes", u"hung", 4000));
        EXPECT_LT(timer.elapsed(), 3000);
        EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"hung", 0), 4000u);  // for this run
        holder->kill();
        holder->waitForFinished(10000);
    }
}

TEST_F(OtherInstancesTest, LocksLeftBehindInAnyShapeAreStaleAtOnce) {
    // A lock file as QSettings writes it, naming a process of this machine that has ended.
    const auto writeDeadPid = [](const QString& lock) {
        QProcess done;
        done.start(QStringLiteral("true"));
        ASSERT_TRUE(done.waitForStarted());
        const QByteArray deadPid = QByteArray::number(done.processId());
        ASSERT_TRUE(done.waitForFinished());
        QLockFile ours(lock);
        ASSERT_TRUE(ours.tryLock());
        QByteArray text = ReadBytes(lock);
        ours.unlock();
        ASSERT_TRUE(WriteBytes(
            lock, text.replace(QByteArray::number(QCoreApplication::applicationPid()), deadPid)));
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
        {"a dead process", writeDeadPid},
    };
    for (const char* suffix : {".lock", ".update.lock"}) {
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::string(suffix) + ": " + shape.shape);
            shape.make(Path() + QString::fromLatin1(suffix));
            QElapsedTimer timer;
            timer.start();
            EXPECT_TRUE(cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"a", 1234));
            EXPECT_LT(timer.elapsed(), 500);
            EXPECT_EQ(StoredTime(QStringLiteral("a")), 1234u);
            QFile::remove(Path());
            QFile::remove(Path() + QString::fromLatin1(suffix));
        }
    }
}

}  // namespace
