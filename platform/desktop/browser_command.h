// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Room for the command line that starts the browser, its terminating zero included.
inline constexpr size_t kBrowserCommandCapacity = 520;

// The part of a registered browser command that comes before its address placeholder. The
// earliest quoted placeholder ("%1", "%u", "%U", "%f" or "%F" in double quotes) wins over any
// bare one; failing that the earliest bare one counts. Everything from the placeholder on is
// dropped. A "%%" is a literal percent sign, never the start of a placeholder. The whole
// command when it has no placeholder.
std::u16string_view CutAtPlaceholder(std::u16string_view registered);

// The command part of registered, one space and url unchanged. nullopt when that line and a
// terminating zero would not fit in kBrowserCommandCapacity units: the launch is abandoned.
std::optional<std::u16string> BuildBrowserCommandLine(std::u16string_view registered,
                                                      std::u16string_view url);

// Splits a command into arguments by the quoting rules of desktop-entry Exec lines: arguments
// are separated by spaces; a double-quoted stretch may hold spaces, and inside it a backslash
// escapes '"', '`', '$' and '\'. Arguments that are only one of the field codes %i %c %k %d
// %D %n %N %v %m are dropped, and "%%" becomes "%". Empty when a quote is left open.
std::vector<std::u16string> SplitCommandLine(std::u16string_view command);
