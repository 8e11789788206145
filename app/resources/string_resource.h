// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>

// The program's short strings by id, in English or Japanese: 102 the title, the status-bar
// prompts of the menu commands (by command id) and 57345 the idle prompt. Ids without a
// string, such as the Font and Language entries, give an empty string.
QString LoadResourceString(int id, bool japanese);

// The program's name in the current language (string 102): the caption of the window and
// of every message box.
QString GetAppName();
