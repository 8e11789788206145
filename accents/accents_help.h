// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

#include "accents/accent_list.h"

// The text of the Accents help: the introduction, a line feed, then one line per accent
// in list order: combination, tab, accented text, line feed.
std::u16string BuildAccentsHelpText(std::u16string_view introduction, const cAccentList& accents);
