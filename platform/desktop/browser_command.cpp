// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/browser_command.h"

namespace {

bool IsPlaceholderLetter(char16_t c) {
    return c == u'1' || c == u'u' || c == u'U' || c == u'f' || c == u'F';
}

// Field codes we have nothing to put in for; an argument made of one alone goes away.
bool IsDroppedFieldCode(std::u16string_view argument) {
    return argument.size() == 2 && argument[0] == u'%' &&
           std::u16string_view(u"ickdDnNvm").find(argument[1]) != std::u16string_view::npos;
}

bool IsEscapableInQuotes(char16_t c) {
    return c == u'"' || c == u'`' || c == u'$' || c == u'\\';
}

bool IsSeparator(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

std::u16string CollapsePercentPairs(std::u16string_view argument) {
    std::u16string result;
    result.reserve(argument.size());
    for (size_t i = 0; i < argument.size(); ++i) {
        result += argument[i];
        if (argument[i] == u'%' && i + 1 < argument.size() && argument[i + 1] == u'%') {
            ++i;
        }
    }
    return result;
}

}  // namespace

std::u16string_view CutAtPlaceholder(std::u16string_view registered) {
    size_t bare = std::u16string_view::npos;
    for (size_t i = 0; i + 1 < registered.size(); ++i) {
        if (registered[i] != u'%') {
            continue;
        }
        if (registered[i + 1] == u'%') {
            ++i;  // a literal percent sign; the next character cannot start a placeholder
            continue;
        }
        if (!IsPlaceholderLetter(registered[i + 1])) {
            continue;
        }
        if (i > 0 && registered[i - 1] == u'"' && i + 2 < registered.size() &&
            registered[i + 2] == u'"') {
            return registered.substr(0, i - 1);
        }
        if (bare == std::u16string_view::npos) {
            bare = i;
        }
    }
    return registered.substr(0, bare);
}

std::optional<std::u16string> BuildBrowserCommandLine(std::u16string_view registered,
                                                      std::u16string_view url) {
    const std::u16string_view command = CutAtPlaceholder(registered);
    if (command.size() + 1 + url.size() + 1 > kBrowserCommandCapacity) {
        return std::nullopt;
    }
    std::u16string line;
    line.reserve(command.size() + 1 + url.size());
    line.append(command);
    line += u' ';
    line.append(url);
    return line;
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view command) {
    std::vector<std::u16string> raw;
    std::u16string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < command.size(); ++i) {
        const char16_t c = command[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < command.size() && IsEscapableInQuotes(command[i + 1])) {
                current += command[++i];
            } else if (c == u'"') {
                quoted = false;
            } else {
                current += c;
            }
        } else if (IsSeparator(c)) {
            if (inArgument) {
                raw.push_back(std::move(current));
                current.clear();
                inArgument = false;
            }
        } else {
            if (c == u'"') {
                quoted = true;
            } else {
                current += c;
            }
            inArgument = true;
        }
    }
    if (quoted) {
        return {};  // malformed: guessing where the argument ends could start the wrong thing
    }
    if (inArgument) {
        raw.push_back(std::move(current));
    }

    std::vector<std::u16string> arguments;
    arguments.reserve(raw.size());
    for (const std::u16string& argument : raw) {
        if (!IsDroppedFieldCode(argument)) {
            arguments.push_back(CollapsePercentPairs(argument));
        }
    }
    return arguments;
}
