// Other instances of the program on the same settings file: at the same moment, killed
// in the middle of a write, or leaving their lock behind.
#include <memory>

#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

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
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
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
    EXPECT_TRUE(IsWellFormedIni(ReadBytes(Path())));
}

TEST_F(OtherInstancesTest, PassesFinishedAtOnceOnTheSameFilesKeepTheFasterTime) {
    for (int round = 0; round < 8; ++round) {
        const QString name = QStringLiteral("race%1").arg(round);
        const QString at = QString::number(QDateTime::currentMSecsSinceEpoch() + 500);
        auto fast = StartHelper({"pass", Path(), name, "5000", at});
        auto slow = StartHelper({"pass", Path(), name, "6000", at});
        ExpectFinishedWell(*fast);
        ExpectFinishedWell(*slow);
        EXPECT_EQ(StoredTime(name + QStringLiteral("_recallix")), 5000u) << "round " << round;
    }
    EXPECT_TRUE(IsWellFormedIni(ReadBytes(Path())));
}

TEST_F(OtherInstancesTest, InstanceKilledWhileWritingLeavesEveryRecordReadable) {
    constexpr int kSeeded = 20;
    {
        cSettingsProfile profile(Path());
        for (int i = 0; i < kSeeded; ++i) {
            ASSERT_TRUE(profile.WriteProfileInt(
                u"FastestTimes", QStringLiteral("seed_%1").arg(i).toStdU16String(), 500u + i));
        }
    }
    for (const int killAfterMs : {10, 50, 200, 500}) {
        SCOPED_TRACE(killAfterMs);
        auto writer = StartHelper({"records", Path(), "loop", "0"});
        QThread::msleep(killAfterMs);
        writer->kill();
        ASSERT_TRUE(writer->waitForFinished(10000));

        EXPECT_TRUE(IsWellFormedIni(ReadBytes(Path())));
        for (int i = 0; i < kSeeded; ++i) {
            EXPECT_EQ(StoredTime(QStringLiteral("seed_%1").arg(i)), 500u + i);
        }
        // Whatever the killed writer left behind (its lock, a half-written temporary
        // file) does not stop the next one.
        const QString key = QStringLiteral("after_%1").arg(killAfterMs);
        EXPECT_TRUE(
            cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", key.toStdU16String(), 42));
        EXPECT_EQ(StoredTime(key), 42u);
    }
}

TEST_F(OtherInstancesTest, LockOfAKilledInstanceDoesNotBlockTheNextWrite) {
    auto holder = StartHelper({"lock", Path()});
    ASSERT_TRUE(holder->waitForReadyRead(10000));
    ASSERT_EQ(holder->readAllStandardOutput(), "locked\n");
    holder->kill();
    ASSERT_TRUE(holder->waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(Path() + QStringLiteral(".lock")));

    cSettingsProfile profile(Path());
    EXPECT_TRUE(profile.WriteProfileInt(u"FastestTimes", u"a", 5000));
    EXPECT_EQ(StoredTime(QStringLiteral("a")), 5000u);
}

}  // namespace
