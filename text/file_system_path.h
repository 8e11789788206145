// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

// File names are bytes, mostly UTF-8. A byte that is not part of well-formed UTF-8 (a
// Latin-1 name from an old archive) travels in UTF-16 as the unpaired surrogate
// U+DC80..U+DCFF, so that every name comes back to the very bytes it was made from.

// The path as bytes for the file system. False for an empty path, a path holding U+0000
// (the system would cut it there) or any other unpaired surrogate.
bool ToFileSystemPath(std::u16string_view path, std::string& result);

// The bytes of a path (a command-line argument, a name read from a folder) as UTF-16.
std::u16string FromFileSystemPath(std::string_view path);
