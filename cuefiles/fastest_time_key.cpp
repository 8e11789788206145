// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/fastest_time_key.h"

#include "text/file_title.h"

std::u16string JoinFileNames(const std::vector<std::u16string>& paths) {
    std::u16string joined;
    for (const std::u16string& path : paths) {
        if (!joined.empty()) {
            joined += u" + ";
        }
        joined += FileNameOfPath(path);
    }
    return joined;
}

std::u16string MakeFastestTimeKey(std::u16string_view joinedNames) {
    std::u16string key;
    key.reserve(joinedNames.size());
    for (char16_t c : joinedNames) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
        const bool kept = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
        key += kept ? c : u'_';
    }
    return key;
}
