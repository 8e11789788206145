#include "i18n/lexitra/lexitra.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/thread_locale.h"

namespace {

constexpr std::array<uint32_t, 10> kIds{40001, 40002, 40003, 40004, 40007,
                                        40008, 40010, 40011, 40012, 40013};

constexpr uint32_t kEnglishUs = 1033;
constexpr uint32_t kJapanese = 1041;
constexpr uint32_t kEnglishUk = 2057;

bool HasNonAscii(const std::u16string& text) {
    for (char16_t c : text) {
        if (c > 0x7F) {
            return true;
        }
    }
    return false;
}

class LexitraTest : public testing::Test {
protected:
    void TearDown() override { SetThreadLocale(kEnglishUs); }
};

TEST_F(LexitraTest, EveryIdHasATextThatCallersCanUseInBothLanguages) {
    for (uint32_t locale : {kEnglishUs, kJapanese}) {
        ASSERT_TRUE(SetThreadLocale(locale));
        for (uint32_t id : kIds) {
            EXPECT_FALSE(LoadTranslatedUiString(id).empty()) << "id " << id << " in " << locale;
        }
        // The file dialog filter splits at "|", the form splits the message at a line feed.
        EXPECT_EQ(LoadTranslatedUiString(40004).find(u'|'), std::u16string::npos);
        EXPECT_EQ(LoadTranslatedUiString(40010).find(u'\n'), std::u16string::npos);
        EXPECT_EQ(LoadTranslatedUiString(40003), u"https://www.vorlen.com/recallix/");
    }
}

TEST_F(LexitraTest, AnswersInTheLanguageOfTheCurrentLocale) {
    ASSERT_TRUE(SetThreadLocale(kJapanese));
    const std::u16string japanese = LoadTranslatedUiString(40010);
    EXPECT_TRUE(HasNonAscii(japanese));

    ASSERT_TRUE(SetThreadLocale(kEnglishUs));
    const std::u16string english = LoadTranslatedUiString(40010);
    EXPECT_FALSE(HasNonAscii(english));
    EXPECT_NE(english, japanese);

    // Every locale other than Japanese reads English, British English included.
    ASSERT_TRUE(SetThreadLocale(kEnglishUk));
    for (uint32_t id : kIds) {
        EXPECT_FALSE(HasNonAscii(LoadTranslatedUiString(id))) << "id " << id;
    }

    ASSERT_TRUE(SetThreadLocale(kJapanese));
    EXPECT_EQ(LoadTranslatedUiString(40010), japanese);
}

TEST_F(LexitraTest, UnknownIdsGiveEmptyText) {
    for (uint32_t locale : {kEnglishUs, kJapanese}) {
        ASSERT_TRUE(SetThreadLocale(locale));
        for (uint32_t id : {0u, 40000u, 40005u, 40006u, 40009u, 40014u, 0xFFFFFFFFu}) {
            EXPECT_TRUE(LoadTranslatedUiString(id).empty()) << "id " << id;
        }
    }
}

}  // namespace
