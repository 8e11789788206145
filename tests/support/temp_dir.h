// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A folder of its own under the system's temporary folder, removed with all it holds.
class cTempDir {
public:
    cTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "recallix-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~cTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    cTempDir(const cTempDir&) = delete;
    cTempDir& operator=(const cTempDir&) = delete;

    std::filesystem::path Path(std::string_view name) const { return m_path / name; }
    // The full path as UTF-16, the way the program passes paths around.
    std::u16string U16(std::string_view name) const { return Path(name).u16string(); }

    // Writes the bytes to a file of that name and returns its full path.
    std::u16string Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(Path(name), std::ios::binary).write(bytes.data(), bytes.size());
        return U16(name);
    }

private:
    std::filesystem::path m_path;
};

// The text as UTF-16 little-endian bytes, with or without the byte order mark.
inline std::string Utf16LeBytes(std::u16string_view text, bool mark = false) {
    std::string bytes = mark ? "\xFF\xFE" : "";
    for (const char16_t unit : text) {
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    return bytes;
}

// An entry of a vocabulary document as a flash-card editor writes it, with texts in
// translations 0 and 1.
inline std::string KvtmlEntry(std::string_view first, std::string_view second) {
    return "  <entry id=\"0\">\n   <translation id=\"0\">\n    <text>" + std::string(first) +
           "</text>\n   </translation>\n   <translation id=\"1\">\n    <text>" +
           std::string(second) + "</text>\n   </translation>\n  </entry>\n";
}

// The layout of a document saved by a vocabulary trainer, header to lessons.
inline std::string KvtmlDocument(std::string_view entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"kvtml2.dtd\">\n"
           "<kvtml version=\"2.0\">\n <information><title>Animals</title></information>\n"
           " <entries>\n" +
           std::string(entries) +
           " </entries>\n"
           " <lessons><container><name>Lesson 1</name><entry id=\"0\"/></container></lessons>\n"
           "</kvtml>\n";
}
