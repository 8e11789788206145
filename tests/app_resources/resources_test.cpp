#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPixmap>

#include "app/resources/card_bitmap.h"
#include "app/resources/control_ids.h"
#include "app/resources/dialog_units.h"
#include "app/resources/menu_resource.h"
#include "app/resources/resource_language.h"
#include "app/resources/string_resource.h"
#include "platform/thread_locale.h"

TEST(DialogUnitsTest, ScalesByQuarterWidthAndEighthHeight) {
    const cDialogUnits units(QFont(QStringLiteral("DejaVu Sans"), 10));
    const int w = units.GetBaseWidth();
    const int h = units.GetBaseHeight();
    ASSERT_GT(w, 2);
    ASSERT_GT(h, 8);
    EXPECT_EQ(units.ToPixels(4, 8, 4, 8), QRect(w, h, w, h));
    EXPECT_EQ(units.ToPixels(QSize(400, 800)), QSize(100 * w, 100 * h));
    EXPECT_EQ(units.ToPixels(0, 0, 0, 0), QRect(0, 0, 0, 0));
    // 2 units of an odd base width are half a pixel over a whole one: rounded up.
    const cDialogUnits bigger(QFont(QStringLiteral("DejaVu Sans"), 16));
    EXPECT_EQ(bigger.ToPixels(2, 4, 1, 1).x(), (2 * bigger.GetBaseWidth() + 2) / 4);
    EXPECT_EQ(bigger.ToPixels(2, 4, 1, 1).y(), (4 * bigger.GetBaseHeight() + 4) / 8);
    EXPECT_GT(bigger.GetBaseWidth(), w);
}

TEST(CardBitmapTest, RedCardBackgroundBecomesTransparent) {
    const QImage image = MakeCardBitmap();
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.depth(), 24);
    for (QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        EXPECT_EQ(image.pixelColor(corner), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(2, 3), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(3, 5), QColor(180, 180, 180));

    const QImage icon = MakeCardIcon().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(1, 2)), 255);
    EXPECT_EQ(qAlpha(icon.pixel(5, 7)), 255);
}

TEST(MenuResourceTest, BothLanguagesHaveTheSameCommands) {
    const auto english = GetMainMenu(false);
    const auto japanese = GetMainMenu(true);
    ASSERT_EQ(english.size(), 4u);
    ASSERT_EQ(japanese.size(), 4u);
    const std::vector<std::vector<int>> ids = {{kIdClear, kIdRestart, kIdLoad, 0, kIdExit},
                                               {30000, 30001, 30002},
                                               {kIdLanguageFirst},
                                               {kIdAccents, 0, kIdWebLink, 0, kIdAbout}};
    for (size_t popup = 0; popup < ids.size(); ++popup) {
        for (const auto* menu : {&english, &japanese}) {
            const auto& entries = (*menu)[popup].entries;
            ASSERT_EQ(entries.size(), ids[popup].size());
            for (size_t i = 0; i < entries.size(); ++i) {
                EXPECT_EQ(entries[i].id, ids[popup][i]);
                EXPECT_EQ(entries[i].text.isEmpty(), entries[i].id == 0);
            }
        }
    }
    EXPECT_EQ(english[0].title, "&File");
    EXPECT_EQ(english[3].entries[2].text, "&Visit Us On The Web!");
}

TEST(StringResourceTest, PromptsAndTitleInBothLanguages) {
    EXPECT_EQ(LoadResourceString(kIdExit, false), "Exit the application");
    EXPECT_EQ(LoadResourceString(kIdReady, false), "Ready.");
    EXPECT_EQ(LoadResourceString(kIdMainMenu, true), "Recallix");
    for (int id : {kIdClear, kIdRestart, kIdLoad, kIdExit, kIdAbout, kIdAccents, kIdWebLink}) {
        EXPECT_FALSE(LoadResourceString(id, false).isEmpty()) << id;
        EXPECT_NE(LoadResourceString(id, true), LoadResourceString(id, false)) << id;
    }
    EXPECT_TRUE(LoadResourceString(kIdFontFirst, false).isEmpty());
    EXPECT_TRUE(LoadResourceString(12345, true).isEmpty());
}

TEST(ResourceLanguageTest, JapaneseOnlyForTheJapaneseLocale) {
    const uint32_t saved = GetThreadLocale();
    ASSERT_TRUE(SetThreadLocale(1041));
    EXPECT_TRUE(UseJapaneseResources());
    ASSERT_TRUE(SetThreadLocale(2057));
    EXPECT_FALSE(UseJapaneseResources());
    SetThreadLocale(saved);
}
