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
#include "platform/qt/settings_profile.h"
#include "settings_text.h"

namespace {

QByteArray RandomBytes(int count) {
    QByteArray bytes(count, '\0');
    QRandomGenerator(20240611).fillRange(reinterpret_cast<quint32*>(bytes.data()), count / 4);
    return bytes;
}

class BrokenSettingsTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Recallix.conf")); }
    uint32_t StoredTime(const char16_t* key) const {
        return cSettingsProfile(Path()).GetProfileInt(u"FastestTimes", key, 0);
    }
    // A new record and a font change, as a run of the program makes them.
    static void WriteNewValues(cProfile& profile) {
        profile.WriteProfileInt(u"FastestTimes", u"c", 3000);
        profile.WriteProfileInt(u"", u"Font", 2);
        EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"c", 0), 3000u);  // for this run
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
        {
            cSettingsProfile profile(Path());
            WriteNewValues(profile);
        }
        EXPECT_EQ(ReadBytes(Path()), file.text);  // left for the user to repair
    }
    // An intact file takes the new record next to the old ones, byte-order mark or not.
    ASSERT_TRUE(WriteBytes(Path(), "\xEF\xBB\xBF" + records));
    {
        cSettingsProfile profile(Path());
        WriteNewValues(profile);
    }
    EXPECT_EQ(StoredTime(u"c"), 3000u);
    EXPECT_EQ(StoredTime(u"a"), 5000u);
}

TEST_F(BrokenSettingsTest, RecordSpelledTwiceKeepsTheValueReadAfterAWrite) {
    // A group and a key path that name the same record, in either order.
    for (const QByteArray& text :
         {QByteArray("[FastestTimes]\na=5000\n[General]\nFastestTimes\\a=9000\n"),
          QByteArray("[General]\nFastestTimes\\a=9000\n[FastestTimes]\na=5000\n")}) {
        ASSERT_TRUE(WriteBytes(Path(), text));
        const uint32_t shown = StoredTime(u"a");
        {
            cSettingsProfile profile(Path());
            profile.WriteProfileInt(u"FastestTimes", u"c", 3000);
            EXPECT_EQ(profile.GetProfileInt(u"FastestTimes", u"a", 0), shown);
        }
        EXPECT_EQ(StoredTime(u"a"), shown) << ReadBytes(Path()).constData();
    }
}

TEST_F(BrokenSettingsTest, ProgramStartsOnAStoreItCannotUse) {
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    ASSERT_TRUE(WriteBytes(blocker, "not a folder"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.conf")));
    ASSERT_TRUE(WriteBytes(Path(), RandomBytes(8192)));
    for (const QString& store : {Path(), blocker + QStringLiteral("/Recallix.conf"),
                                 m_dir.filePath(QStringLiteral("folder.conf"))}) {
        SCOPED_TRACE(store.toStdString());
        cMainApp app(std::make_unique<cSettingsProfile>(store));
        ASSERT_TRUE(app.InitInstance({}));
        EXPECT_EQ(app.GetProfile().GetProfileInt(u"", u"Font", 9), 0u);
        WriteNewValues(app.GetProfile());
    }
    EXPECT_TRUE(QFileInfo(blocker).isFile());
    EXPECT_TRUE(QFileInfo(m_dir.filePath(QStringLiteral("folder.conf"))).isDir());
}

}  // namespace
