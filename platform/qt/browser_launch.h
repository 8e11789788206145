// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>

// Opens a web address in the user's browser. Every failure ends silently.
void LaunchDefaultBrowser(const std::u16string& url);
