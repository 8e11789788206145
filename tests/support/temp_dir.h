#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

// A folder of its own under the system's temporary folder, removed with the object.
class cTempDir {
public:
    cTempDir() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("recallix-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~cTempDir() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    cTempDir(const cTempDir&) = delete;
    cTempDir& operator=(const cTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Writes bytes to name in the folder and returns the full path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path path = m_path / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    // The full path of name as UTF-16, the way the program passes paths around.
    std::u16string U16(const std::string& name) const {
        const std::string path = (m_path / name).string();
        return std::u16string(path.begin(), path.end());  // test paths are ASCII
    }

private:
    std::filesystem::path m_path;
};
