#pragma once

class cProfile;

// The form font stored as "Font" in the application's own settings: the index of the
// form layout. fallback when none is stored.
int ReadFontSetting(const cProfile& profile, int fallback);
// True when the index was stored.
bool WriteFontSetting(cProfile& profile, int index);
