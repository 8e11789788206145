// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "text/file_title.h"

std::u16string_view FileNameOfPath(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string_view::npos) {
        return path.substr(slash + 1);
    }
    const bool hasDrive =
        path.size() >= 2 && path[1] == u':' &&
        ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
    return hasDrive ? path.substr(2) : path;
}

std::u16string_view FileTitleOfPath(std::u16string_view path) {
    constexpr size_t kMaxTitleLength = 255;
    std::u16string_view title = FileNameOfPath(path);
    title = title.substr(0, title.find_last_of(u'.'));
    return title.substr(0, kMaxTitleLength);
}
