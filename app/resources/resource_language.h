// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// Menus, form layouts and short strings exist in English and Japanese; Japanese is used
// exactly when the current thread locale is Japanese (1041).
bool UseJapaneseResources();
