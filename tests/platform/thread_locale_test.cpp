#include "platform/thread_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

TEST(ThreadLocaleTest, LocaleIdFromPosixName) {
    EXPECT_EQ(LocaleIdFromPosixName("ja_JP.UTF-8"), 1041u);
    EXPECT_EQ(LocaleIdFromPosixName("ja"), 1041u);
    EXPECT_EQ(LocaleIdFromPosixName("en_GB"), 2057u);
    EXPECT_EQ(LocaleIdFromPosixName("en_US.UTF-8"), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName("de_DE@euro"), 1031u);
    // A territory we do not list falls back to its language.
    EXPECT_EQ(LocaleIdFromPosixName("de_LU.UTF-8"), 1031u);
    EXPECT_EQ(LocaleIdFromPosixName("C"), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName("C.UTF-8"), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName(""), 1033u);
    EXPECT_EQ(LocaleIdFromPosixName("xx_YY"), 1033u);
}

// Sets or clears the locale variables for one test and puts them back afterwards.
class LocaleEnvironmentTest : public testing::Test {
protected:
    static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};

    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            const char* value = std::getenv(kVariables[i]);
            saved_[i] = value ? std::optional<std::string>(value) : std::nullopt;
        }
    }
    void TearDown() override {
        for (int i = 0; i < 3; ++i) {
            Set(kVariables[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    static void Set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    static void SetAll(const char* all, const char* messages, const char* lang) {
        Set("LC_ALL", all);
        Set("LC_MESSAGES", messages);
        Set("LANG", lang);
    }

private:
    std::optional<std::string> saved_[3];
};

TEST_F(LocaleEnvironmentTest, FirstNonEmptyOfLcAllLcMessagesLang) {
    SetAll("en_GB.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 2057u);
    SetAll("", "ja_JP.UTF-8", "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1041u);
    SetAll(nullptr, nullptr, "de_DE.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1031u);
    SetAll("C", nullptr, "ja_JP.UTF-8");
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
    SetAll(nullptr, "", nullptr);
    EXPECT_EQ(LocaleIdFromEnvironment(), 1033u);
}

TEST(ThreadLocaleTest, SetThreadLocaleRefusesIdsOfNoLocale) {
    ASSERT_TRUE(SetThreadLocale(1041));
    EXPECT_EQ(GetThreadLocale(), 1041u);
    // 65535 is what a stored "Language_-1" asks for; the current locale must stay.
    EXPECT_FALSE(SetThreadLocale(65535));
    EXPECT_FALSE(SetThreadLocale(0));
    EXPECT_EQ(GetThreadLocale(), 1041u);
    ASSERT_TRUE(SetThreadLocale(2057));
    EXPECT_EQ(GetThreadLocale(), 2057u);
}

TEST(ThreadLocaleTest, NativeLanguageNames) {
    EXPECT_EQ(GetNativeLanguageName(1033), u"English");
    EXPECT_EQ(GetNativeLanguageName(2057), u"English");
    EXPECT_EQ(GetNativeLanguageName(1041), u"日本語");
    EXPECT_EQ(GetNativeLanguageName(65535), u"");
}

}  // namespace
