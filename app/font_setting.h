// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

class cProfile;

// The form font stored as "Font" in the application's own settings: the index of the
// form layout. fallback when none is stored.
int ReadFontSetting(const cProfile& profile, int fallback);
// True when the index was stored.
bool WriteFontSetting(cProfile& profile, int index);
