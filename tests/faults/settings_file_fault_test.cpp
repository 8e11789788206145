// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Settings files the program cannot fully read or write: what it still answers, and that
// a new record never costs the ones already in the file.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "fault_support.h"
#include "platform/qt/settings_profile.h"

namespace {

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
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.damage);
        ASSERT_TRUE(WriteBytes(Path(), file.text));
        cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
        EXPECT_EQ(ReadBytes(Path()), file.text);  // left for the user to repair
    }
    // An intact file takes the new record, byte-order mark or not.
    ASSERT_TRUE(WriteBytes(Path(), "\xEF\xBB\xBF" + records));
    cSettingsProfile(Path()).WriteProfileInt(u"FastestTimes", u"c", 3000);
    EXPECT_EQ(StoredTime(u"c"), 3000u);
}

TEST_F(BrokenSettingsTest, RecordSpelledTwiceKeepsTheValueReadAfterAWrite) {
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

}  // namespace
