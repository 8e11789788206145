// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// Ids shared by the menu, the form layouts, the string table and the program's handlers.

// Form controls.
constexpr int kIdClose = 1000, kIdCue = 1001, kIdAnswer = 1002, kIdProgress = 1003, kIdClear = 1004,
              kIdRestart = 1005, kIdLoad = 1006, kIdNext = 1007, kIdTotalCues = 1008,
              kIdCuesLeft = 1009, kIdIgnore = 1010, kIdFileList = 1011, kIdTime = 1012,
              kIdFastest = 1013, kIdStatic = -1;

// Menu commands handled by the frame (Clear, Restart and Load reuse the button ids).
constexpr int kIdExit = 40001, kIdAbout = 40004, kIdAccents = 40006, kIdWebLink = 40011,
              kIdHistory = 40020, kIdReviewMissed = 40021, kIdStudyDue = 40022;

// Command ranges of the Font and Language menus; id minus the first id is the index.
constexpr int kIdFontFirst = 30000, kIdFontLast = 30100, kIdLanguageFirst = 31000,
              kIdLanguageLast = 31100;

// Resources: the menu bar (also the title string), the list-item bitmap, the idle prompt,
// and the first form layout (one per form font from here on).
constexpr int kIdMainMenu = 102, kIdCardBitmap = 109, kIdReady = 57345,
              kIdFormTemplateFirst = 10000;
