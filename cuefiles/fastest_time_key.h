// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file names of the paths, in order, joined by " + ".
std::u16string JoinFileNames(const std::vector<std::u16string>& paths);

// The settings name of a record: A-Z lowered, a-z and 0-9 kept, everything else "_".
std::u16string MakeFastestTimeKey(std::u16string_view joinedNames);
