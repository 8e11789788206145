// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "text/file_system_path.h"

#include "text/unicode.h"

bool ToFileSystemPath(std::u16string_view path, std::string& result) {
    result.clear();
    // U+0000 would cut the path short in the system call.
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return false;
    }
    return Utf16ToUtf8(path, result, eByteEscapes::LoneSurrogates);
}

std::u16string FromFileSystemPath(std::string_view path) {
    return Utf8ToUtf16(path, eByteEscapes::LoneSurrogates).value_or(std::u16string());
}
