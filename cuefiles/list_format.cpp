// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/list_format.h"

#include <algorithm>
#include <string>

#include "cuefiles/cue_file_reader.h"

namespace {

std::u16string LowerCaseExtension(std::u16string_view path) {
    const size_t nameStart = path.find_last_of(u"/\\");
    const std::u16string_view name =
        nameStart == std::u16string_view::npos ? path : path.substr(nameStart + 1);
    const size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) {
        return {};
    }
    std::u16string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    });
    return extension;
}

}  // namespace

eListFormat DecideListFormat(std::u16string_view path) {
    const std::u16string extension = LowerCaseExtension(path);
    if (extension == u"tsv") {
        return eListFormat::TabList;
    }
    if (extension == u"txt") {
        return eListFormat::PlainText;
    }
    if (extension == u"csv") {
        return eListFormat::CommaList;
    }
    if (extension == u"kvtml") {
        return eListFormat::VocabularyDocument;
    }
    return eListFormat::CueFile;
}

bool IsTabList(cCueFileReader& lines) {
    std::u16string line;
    while (lines.ReadTextLine(line)) {
        if (line.empty()) {
            continue;
        }
        const bool header = line.size() > 1 && line[0] == u'#' && line[1] >= u'a' &&
                            line[1] <= u'z' && line.find(u':') != std::u16string::npos;
        return header || line.find(u'\t') != std::u16string::npos;
    }
    return false;
}
