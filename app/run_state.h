// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// What start-up and the frame's Font and Language commands share for one run of the
// program: the form layout in use, and whether the user agreed to restart. cMainApp owns
// it; main() starts the new instance from it once the old window is gone.
struct sRunState {
    // Form layout in use: 0 Normal, 1 Verdana 12, 2 Tahoma 16.
    int CurrentFontIndex = 0;
    // Set when the user agreed to restart after a font or language change.
    bool RestartRequested = false;
};
