// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>
#include <vector>

// One menu entry; id 0 is a separator. "&" marks the access key.
struct sMenuEntry {
    int id;
    QString text;
};

struct sMenuPopup {
    QString title;
    std::vector<sMenuEntry> entries;
};

// The menu bar (resource 102) in English or Japanese: File, Font, Language and Help. Both
// languages have the same entries with the same command ids. The Language popup holds one
// placeholder that is replaced by the offered languages when the menu is opened.
std::vector<sMenuPopup> GetMainMenu(bool japanese);
