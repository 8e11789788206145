// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <string_view>

// The plain text of a field that a flash-card program exported with its HTML: tags go
// (a line break or paragraph becomes a space), character references and the common named
// entities decode, and white space collapses as a browser shows it. A "<" that starts no
// tag and an unknown entity stay as they are.
std::u16string HtmlToPlainText(std::u16string_view html);
// The same, written over the text itself.
void ConvertHtmlToPlainText(std::u16string& text);
