// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "text/file_title.h"

std::u16string_view FileNameOfPath(std::u16string_view path) {
    // Only "/" separates folders: a backslash or a colon is part of a name like any other
    // character, so "a\b.recallix" keeps a title and a record of its own.
    const size_t slash = path.find_last_of(u'/');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string_view FileTitleOfPath(std::u16string_view path) {
    constexpr size_t kMaxTitleLength = 255;
    std::u16string_view title = FileNameOfPath(path);
    title = title.substr(0, title.find_last_of(u'.'));
    return title.substr(0, kMaxTitleLength);
}
