// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/desktop_entry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "text/unicode.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool IsAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

// A per-user folder: the variable when it holds an absolute path, else home + fallback.
std::string UserFolder(const char* variable, const std::string& home, const char* fallback) {
    std::string value = Environment(variable);
    if (IsAbsolute(value)) {
        return value;
    }
    return IsAbsolute(home) ? home + fallback : std::string();
}

// The absolute folders of a ':'-separated list; relative entries are not allowed and are
// skipped.
std::vector<std::string> AbsoluteFolders(std::string_view list) {
    std::vector<std::string> folders;
    while (!list.empty()) {
        const size_t colon = list.find(':');
        const std::string_view folder = list.substr(0, colon);
        if (IsAbsolute(folder)) {
            folders.emplace_back(folder);
        }
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return folders;
}

std::vector<std::string> FolderList(const char* variable, std::string_view fallback) {
    std::vector<std::string> folders = AbsoluteFolders(Environment(variable));
    return folders.empty() ? AbsoluteFolders(fallback) : folders;
}

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool IsDirectory(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// The whole file, or nullopt. Only regular files are opened, so a pipe or device put in
// the file's place cannot block or flood us.
std::optional<std::string> ReadSmallFile(const std::string& path) {
    if (!IsRegularFile(path)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text(kDesktopFileReadLimit + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    const size_t got = static_cast<size_t>(file.gcount());
    if (got > kDesktopFileReadLimit || file.bad()) {
        return std::nullopt;
    }
    text.resize(got);
    return text;
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The value of the first key in the named group of a key file; localized keys
// ("Exec[de]") are different keys and never match.
std::optional<std::string_view> FindGroupValue(std::string_view text, std::string_view group,
                                               std::string_view key) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    bool inGroup = false;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = Trim(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inGroup = line.back() == ']' && line.substr(1, line.size() - 2) == group;
            continue;
        }
        if (!inGroup) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos && Trim(line.substr(0, equals)) == key) {
            return Trim(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

// Undoes the escapes of a key-file string value; unknown ones are kept as written.
std::string UnescapeValue(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        switch (value[i + 1]) {
            case 's':
                result += ' ';
                break;
            case 'n':
                result += '\n';
                break;
            case 't':
                result += '\t';
                break;
            case 'r':
                result += '\r';
                break;
            case '\\':
                result += '\\';
                break;
            default:
                result += value[i];
                result += value[i + 1];
                break;
        }
        ++i;
    }
    return result;
}

// name in the per-user folder first (when there is one), then in each of the others.
std::vector<std::string> InFolders(const std::string& userFolder,
                                   const std::vector<std::string>& otherFolders,
                                   std::string_view name) {
    std::vector<std::string> paths;
    if (!userFolder.empty()) {
        paths.push_back(userFolder + std::string(name));
    }
    for (const std::string& folder : otherFolders) {
        if (!folder.empty()) {
            paths.push_back(folder + std::string(name));
        }
    }
    return paths;
}

std::vector<std::string> ApplicationFolders(const sXdgDirectories& dirs) {
    return InFolders(dirs.dataHome, dirs.dataDirs, "/applications");
}

// The association files in the order they are consulted.
std::vector<std::string> AssociationFiles(const sXdgDirectories& dirs) {
    std::vector<std::string> files = InFolders(dirs.configHome, dirs.configDirs, "/mimeapps.list");
    for (const std::string& folder : ApplicationFolders(dirs)) {
        files.push_back(folder + "/mimeapps.list");
        files.push_back(folder + "/defaults.list");
    }
    return files;
}

// Finds name under folder, where each '-' in name may also stand for a subfolder
// ("kde-browser.desktop" may be kde/browser.desktop).
std::optional<std::string> ResolveDesktopId(const std::filesystem::path& folder,
                                            std::string_view name) {
    if (IsRegularFile(folder / name)) {
        return (folder / name).string();
    }
    for (size_t dash = name.find('-'); dash != std::string_view::npos;
         dash = name.find('-', dash + 1)) {
        const std::string_view prefix = name.substr(0, dash);
        if (prefix.empty() || prefix == "." || prefix == ".." || !IsDirectory(folder / prefix)) {
            continue;
        }
        if (auto found = ResolveDesktopId(folder / prefix, name.substr(dash + 1))) {
            return found;
        }
    }
    return std::nullopt;
}

bool IsUsableHandler(const sXdgDirectories& dirs, std::string_view desktopId) {
    const std::optional<std::string> path = LocateDesktopFile(dirs, desktopId);
    return path && ReadDesktopEntryExec(*path).has_value();
}

}  // namespace

sXdgDirectories sXdgDirectories::FromEnvironment() {
    const std::string home = Environment("HOME");
    sXdgDirectories dirs;
    dirs.configHome = UserFolder("XDG_CONFIG_HOME", home, "/.config");
    dirs.configDirs = FolderList("XDG_CONFIG_DIRS", "/etc/xdg");
    dirs.dataHome = UserFolder("XDG_DATA_HOME", home, "/.local/share");
    dirs.dataDirs = FolderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    return dirs;
}

std::optional<std::string> LocateDesktopFile(const sXdgDirectories& dirs,
                                             std::string_view desktopId) {
    constexpr std::string_view kSuffix = ".desktop";
    if (desktopId.size() <= kSuffix.size() ||
        desktopId.substr(desktopId.size() - kSuffix.size()) != kSuffix ||
        desktopId.find('/') != std::string_view::npos ||
        desktopId.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    for (const std::string& folder : ApplicationFolders(dirs)) {
        if (auto found = ResolveDesktopId(folder, desktopId)) {
            return found;
        }
    }
    return std::nullopt;
}

std::optional<std::string> FindDefaultHandler(const sXdgDirectories& dirs,
                                              std::string_view mimeType) {
    for (const std::string& file : AssociationFiles(dirs)) {
        const std::optional<std::string> text = ReadSmallFile(file);
        if (!text) {
            continue;
        }
        const std::optional<std::string_view> list =
            FindGroupValue(*text, "Default Applications", mimeType);
        if (!list) {
            continue;
        }
        std::string_view rest = *list;
        while (!rest.empty()) {
            const size_t semicolon = rest.find(';');
            const std::string_view id = Trim(rest.substr(0, semicolon));
            rest = semicolon == std::string_view::npos ? std::string_view()
                                                       : rest.substr(semicolon + 1);
            if (!id.empty() && IsUsableHandler(dirs, id)) {
                return std::string(id);
            }
        }
    }
    return std::nullopt;
}

std::optional<std::u16string> ReadDesktopEntryExec(const std::string& desktopFilePath) {
    const std::optional<std::string> text = ReadSmallFile(desktopFilePath);
    if (!text) {
        return std::nullopt;
    }
    // A hidden entry counts as deleted.
    if (FindGroupValue(*text, "Desktop Entry", "Hidden") == std::string_view("true")) {
        return std::nullopt;
    }
    const std::optional<std::string_view> exec = FindGroupValue(*text, "Desktop Entry", "Exec");
    if (!exec || exec->empty()) {
        return std::nullopt;
    }
    const std::string unescaped = UnescapeValue(*exec);
    if (unescaped.find('\0') != std::string::npos) {
        return std::nullopt;  // could not be passed to a program intact
    }
    return Utf8ToUtf16(unescaped);
}

std::optional<std::u16string> FindHtmlHandlerCommand(const sXdgDirectories& dirs) {
    const std::optional<std::string> id = FindDefaultHandler(dirs, "text/html");
    if (!id) {
        return std::nullopt;
    }
    const std::optional<std::string> path = LocateDesktopFile(dirs, *id);
    return path ? ReadDesktopEntryExec(*path) : std::nullopt;
}
