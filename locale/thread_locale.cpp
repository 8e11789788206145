// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "locale/thread_locale.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace {

struct LocaleName {
    std::string_view posixName;  // language, or language_TERRITORY
    uint32_t lcid;
};

// Language_TERRITORY entries come before the bare language so the territory wins.
constexpr std::array kLocales{
    LocaleName{"en_US", kLocaleEnglishUs},
    LocaleName{"en_GB", kLocaleEnglishUk},
    LocaleName{"en_AU", 3081},
    LocaleName{"en_CA", 4105},
    LocaleName{"en", kLocaleEnglishUs},
    LocaleName{"ja_JP", kLocaleJapanese},
    LocaleName{"ja", kLocaleJapanese},
    LocaleName{"de_DE", kLocaleGerman},
    LocaleName{"de_AT", 3079},
    LocaleName{"de_CH", 2055},
    LocaleName{"de", kLocaleGerman},
    LocaleName{"fr_FR", 1036},
    LocaleName{"fr_CA", 3084},
    LocaleName{"fr", 1036},
    LocaleName{"es_ES", 3082},
    LocaleName{"es", 3082},
    LocaleName{"it_IT", 1040},
    LocaleName{"it", 1040},
    LocaleName{"nl_NL", 1043},
    LocaleName{"nl", 1043},
    LocaleName{"pt_BR", 1046},
    LocaleName{"pt_PT", 2070},
    LocaleName{"pt", 2070},
    LocaleName{"sv_SE", 1053},
    LocaleName{"sv", 1053},
    LocaleName{"zh_CN", 2052},
    LocaleName{"zh_TW", 1028},
    LocaleName{"zh", 2052},
    LocaleName{"ko_KR", 1042},
    LocaleName{"ko", 1042},
    LocaleName{"ru_RU", 1049},
    LocaleName{"ru", 1049},
};

constexpr uint32_t kLanguageMask = 0x3FF;

uint32_t g_currentLocale = 0;  // 0: not yet taken from the environment

}  // namespace

uint32_t GetThreadLocale() {
    if (g_currentLocale == 0) {
        g_currentLocale = LocaleIdFromEnvironment();
    }
    return g_currentLocale;
}

bool SetThreadLocale(uint32_t lcid) {
    // Like the system call, refuse ids that name no locale we know (0, or a stored setting
    // such as Language_-1 = 65535) and keep the current locale.
    const bool known = std::any_of(kLocales.begin(), kLocales.end(),
                                   [lcid](const LocaleName& entry) { return entry.lcid == lcid; });
    if (!known) {
        return false;
    }
    g_currentLocale = lcid;
    return true;
}

namespace {

// The locale id of a name in the table: language_TERRITORY first, then the bare language.
std::optional<uint32_t> FindLocaleId(std::string_view name) {
    // Drop ".codeset" and "@modifier": ja_JP.UTF-8@x -> ja_JP.
    name = name.substr(0, name.find_first_of(".@"));
    for (const std::string_view candidate : {name, name.substr(0, name.find('_'))}) {
        for (const LocaleName& entry : kLocales) {
            if (candidate == entry.posixName) {
                return entry.lcid;
            }
        }
    }
    return std::nullopt;
}

bool IsPlainCLocale(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    return name == "C" || name == "POSIX";
}

// The first entry of LANGUAGE (a colon-separated list of preferences) that names a known
// language; none when the list is unset or names none.
std::optional<uint32_t> PreferredLanguage() {
    const char* value = std::getenv("LANGUAGE");
    std::string_view list = value != nullptr ? value : "";
    while (!list.empty()) {
        const size_t colon = list.find(':');
        const std::optional<uint32_t> lcid = FindLocaleId(list.substr(0, colon));
        if (lcid && !list.substr(0, colon).empty()) {
            return lcid;
        }
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return std::nullopt;
}

}  // namespace

uint32_t LocaleIdFromPosixName(std::string_view name) {
    return FindLocaleId(name).value_or(kLocaleEnglishUs);
}

uint32_t LocaleIdFromEnvironment() {
    std::string_view locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    // LANGUAGE goes before them, but is not heeded under the plain C locale: the language
    // of messages follows the same rule as every other program of the desktop.
    if (!locale.empty() && !IsPlainCLocale(locale)) {
        if (const std::optional<uint32_t> preferred = PreferredLanguage()) {
            return *preferred;
        }
    }
    return LocaleIdFromPosixName(locale);
}

std::u16string GetNativeLanguageName(uint32_t lcid) {
    switch (lcid & kLanguageMask) {
        case 0x09:
            return u"English";
        case 0x11:
            return u"日本語";
        case 0x07:
            return u"Deutsch";
        case 0x0C:
            return u"français";
        case 0x0A:
            return u"español";
        case 0x10:
            return u"italiano";
        case 0x13:
            return u"Nederlands";
        default:
            return {};
    }
}
