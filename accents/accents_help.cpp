// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "accents/accents_help.h"

std::u16string BuildAccentsHelpText(std::u16string_view introduction, const cAccentList& accents) {
    std::u16string text(introduction);
    text += u'\n';
    for (int i = 0; i < accents.GetCount(); ++i) {
        const cAccent& accent = accents.GetAt(i);
        text += accent.GetCombination();
        text += u'\t';
        text += accent.GetAccented();
        text += u'\n';
    }
    return text;
}
