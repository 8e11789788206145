// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Settings files the program cannot fully read or write: what it still answers, and that
// a new record never costs the ones already in the file.
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/main_app.h"
#include "engine/teacher.h"
#include "platform/qt/settings_profile.h"
#include "settings_text.h"
#include "tests/support/fake_tick_source.h"

namespace {

QByteArray RandomBytes(int count) {
    QByteArray bytes(count, '\0');
    QRandomGenerator(20240611).fillRange(reinterpret_cast<quint32*>(bytes.data()), count / 4);
    return bytes;
}

// A pass over c.recallix finished in passMs, recorded through the real teacher.
void RecordPassOverC(cProfile& profile, uint32_t passMs) {
    cFakeTickSource ticks;
    cTeacher teacher(profile, ticks);
    teacher.AddLoadedFile(u"/cues/c.recallix");
    teacher.StartClock();
    ticks.Advance(passMs);
    teacher.FinishPass();
    EXPECT_EQ(teacher.ReadFastestTime(), passMs);  // for this run at least
}

class BrokenSettingsTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }
    uint32_t StoredTime(const char16_t* key) const {
        return cSettingsProfile(Path()).GetProfileInt(u"FastestTimes", key, 0);
    }

    QTemporaryDir m_dir;
};

TEST_F(BrokenSettingsTest, NewRecordKeepsTheStoredOnesWhateverTheDamage) {
    const QByteArray records = "[FastestTimes]\na=5000\nb=7000\n";
    const struct {
        const char* damage;
        QByteArray text;
    } files[] = {
        {"a quote left open", "[General]\nLanguage=\"Language_1041\n" + records},
        {"a line ending in a backslash", "[General]\nFont=1\\\n" + records},
        {"a group header without ]", "[General\nFont=1\n" + records},
        {"a line without =", records + "b7000\n"},
        {"cut off in the middle of a line", records + "[Gener"},
        {"random bytes before the records", RandomBytes(4096) + "\n" + records},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.damage);
        ASSERT_TRUE(WriteBytes(Path(), file.text));
        const uint32_t a = StoredTime(u"a");
        const uint32_t b = StoredTime(u"b");
        {
            cSettingsProfile profile(Path());
            RecordPassOverC(profile, 3000);
            profile.WriteProfileInt(u"", u"Font", 2);
        }
        // Still in the file for the user to repair, and as readable as before.
        const QByteArray after = ReadBytes(Path());
        EXPECT_TRUE(after.contains(records)) << after.constData();
        EXPECT_EQ(StoredTime(u"a"), a);
        EXPECT_EQ(StoredTime(u"b"), b);
    }
    // An intact file takes the new record next to the old ones, byte-order mark or not.
    ASSERT_TRUE(WriteBytes(Path(), "\xEF\xBB\xBF" + records));
    cSettingsProfile profile(Path());
    RecordPassOverC(profile, 3000);
    EXPECT_EQ(StoredTime(u"c_recallix"), 3000u);
    EXPECT_EQ(StoredTime(u"a"), 5000u);
    EXPECT_TRUE(IsWellFormedIni(ReadBytes(Path())));
}

TEST_F(BrokenSettingsTest, RecordSpelledTwiceKeepsTheValueReadAfterAWrite) {
    // A group and a key path that name the same record, in either order.
    const QByteArray files[] = {"[FastestTimes]\na=5000\n[General]\nFastestTimes\\a=9000\n",
                                "[General]\nFastestTimes\\a=9000\n[FastestTimes]\na=5000\n"};
    for (const QByteArray& text : files) {
        ASSERT_TRUE(WriteBytes(Path(), text));
        const uint32_t shown = StoredTime(u"a");
        {
            cSettingsProfile profile(Path());
            RecordPassOverC(profile, 3000);
            EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"a", 0), shown);
        }
        EXPECT_EQ(StoredTime(u"a"), shown) << ReadBytes(Path()).constData();
    }
}

TEST_F(BrokenSettingsTest, ProgramStartsOnAStoreItCannotUse) {
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    ASSERT_TRUE(WriteBytes(blocker, "not a folder"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.conf")));
    const QByteArray garbage = RandomBytes(8192);
    ASSERT_TRUE(WriteBytes(Path(), garbage));
    const QString stores[] = {Path(), blocker + QStringLiteral("/Recallix.conf"),
                              m_dir.filePath(QStringLiteral("folder.conf"))};
    for (const QString& store : stores) {
        SCOPED_TRACE(store.toStdString());
        {
            cMainApp app(std::make_unique<cSettingsProfile>(store));
            ASSERT_TRUE(app.InitInstance({}));
            EXPECT_EQ(app.GetProfile().GetProfileInt(u"", u"Font", 9), 0u);
            RecordPassOverC(app.GetProfile(), 3000);
        }
    }
    EXPECT_TRUE(QFileInfo(blocker).isFile());
    EXPECT_TRUE(QFileInfo(m_dir.filePath(QStringLiteral("folder.conf"))).isDir());
}

}  // namespace
