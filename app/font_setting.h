// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>

class cProfile;

// The form font stored as "Font" in the application's own settings: the index of the
// form layout. fallback when none is stored.
int ReadFontSetting(const cProfile& profile, int fallback);
// The stored "Font" as it is written in the settings, for messages; the number when the
// store keeps no text for it.
std::u16string ReadFontSettingText(const cProfile& profile);
// True when the index was stored.
bool WriteFontSetting(cProfile& profile, int index);
