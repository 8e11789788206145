#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// A fresh directory under the system's temporary directory, removed with all it holds.
class cTempDir {
public:
    cTempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "recallix-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~cTempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    cTempDir(const cTempDir&) = delete;
    cTempDir& operator=(const cTempDir&) = delete;

    std::filesystem::path Path(std::string_view name) const { return m_path / name; }

    // Writes the bytes to a file of that name; the path in UTF-16, as the reader takes it.
    std::u16string Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(Path(name), std::ios::binary).write(bytes.data(), bytes.size());
        return Path(name).u16string();
    }

private:
    std::filesystem::path m_path;
};

// The text as UTF-16 little-endian bytes.
inline std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

inline std::string Utf16LeBytesWithMark(std::u16string_view text) {
    return "\xFF\xFE" + Utf16LeBytes(text);
}
