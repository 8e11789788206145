// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The base folders the desktop's configuration and application entries are looked up in,
// most important first.
struct sXdgDirectories {
    std::string configHome;
    std::vector<std::string> configDirs;
    std::string dataHome;
    std::vector<std::string> dataDirs;

    // From $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, $XDG_DATA_HOME and $XDG_DATA_DIRS, with the
    // usual defaults for unset, empty or relative values. Without an absolute $HOME the
    // per-user folders stay empty and are skipped.
    static sXdgDirectories FromEnvironment();
};

// Larger association or entry files are ignored rather than read in part.
inline constexpr size_t kDesktopFileReadLimit = size_t{1} << 20;

// The path of the entry file for a desktop file id ("vendor-browser.desktop"), searched in
// the applications folders of dataHome and then dataDirs; a '-' in the id may stand for a
// subfolder. nullopt for ids that are not plain file names ending in ".desktop".
std::optional<std::string> LocateDesktopFile(const sXdgDirectories& dirs,
                                             std::string_view desktopId);

// The desktop file id of the default application for mimeType: the first usable entry in the
// "[Default Applications]" list of the most important mimeapps.list or defaults.list that
// names one.
std::optional<std::string> FindDefaultHandler(const sXdgDirectories& dirs,
                                              std::string_view mimeType);

// The Exec line of the file's "[Desktop Entry]" group, with the file's own escapes (\s \n \t
// \r \\) undone. nullopt when the file cannot be read, is too large, is not UTF-8, holds a
// zero character in the line, is marked Hidden, or has no Exec line.
std::optional<std::u16string> ReadDesktopEntryExec(const std::string& desktopFilePath);

// The Exec line of the default handler for text/html.
std::optional<std::u16string> FindHtmlHandlerCommand(const sXdgDirectories& dirs);
