// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one current locale id (a Windows LCID such as 1033 or 1041) of the process. The
// translation library and the program's resources both answer in its language, so it is
// kept in a shared library of its own: every module sees the same value.

// The locale ids the program itself names.
inline constexpr uint32_t kLocaleEnglishUs = 1033;
inline constexpr uint32_t kLocaleEnglishUk = 2057;
inline constexpr uint32_t kLocaleGerman = 1031;
inline constexpr uint32_t kLocaleJapanese = 1041;

// The current locale id. Until SetThreadLocale is called it is taken once from the
// environment (see LocaleIdFromEnvironment).
uint32_t GetThreadLocale();

// Makes lcid current. Returns false (and changes nothing) for 0 and for ids of no known
// locale.
bool SetThreadLocale(uint32_t lcid);

// The locale id of a POSIX locale name such as "ja_JP.UTF-8" or "en_GB"; "C", "POSIX",
// empty and unknown names give 1033 (English, United States).
uint32_t LocaleIdFromPosixName(std::string_view name);

// The locale id the environment asks for, as the desktop's programs choose their language:
// the first known language of LANGUAGE (a list such as "ja:en"), then the first non-empty
// of LC_ALL, LC_MESSAGES and LANG. LANGUAGE is not heeded when those give the C locale.
uint32_t LocaleIdFromEnvironment();

// The language's own name for itself ("English", "日本語"); empty when unknown.
std::u16string GetNativeLanguageName(uint32_t lcid);
