// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string_view>

// The file name with its extension: the part after the last "/".
std::u16string_view FileNameOfPath(std::u16string_view path);

// The file name without folder and extension, as the list of loaded files shows it: the
// file name up to its last dot, at most 255 characters. The "-" that marks a reversed
// load falls in the extension and so is not shown.
std::u16string_view FileTitleOfPath(std::u16string_view path);
