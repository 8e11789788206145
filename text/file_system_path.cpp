#include "text/file_system_path.h"

#include "text/unicode.h"

namespace {

// The stand-in for a byte that is not part of well-formed UTF-8.
constexpr char16_t kEscapedByteBase = 0xDC00;
bool IsEscapedByte(char16_t c) {
    return c >= 0xDC80 && c <= 0xDCFF;
}

}  // namespace

bool ToFileSystemPath(std::u16string_view path, std::string& result) {
    result.clear();
    // U+0000 would cut the path short in the system call.
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        return false;
    }
    for (size_t i = 0; i < path.size();) {
        if (IsEscapedByte(path[i])) {
            result += static_cast<char>(path[i++] - kEscapedByteBase);
            continue;
        }
        char32_t code = 0;
        const size_t units = ReadUtf16CodePoint(path, i, code);
        if (units == 0) {
            result.clear();
            return false;
        }
        AppendUtf8(code, result);
        i += units;
    }
    return true;
}

std::u16string FromFileSystemPath(std::string_view path) {
    std::u16string result;
    result.reserve(path.size());
    for (size_t i = 0; i < path.size();) {
        char32_t code = static_cast<unsigned char>(path[i]);
        size_t length = 1;
        if (code >= 0x80 && (length = ReadUtf8Sequence(path, i, code)) == 0) {
            code = kEscapedByteBase + static_cast<unsigned char>(path[i]);
            length = 1;
        }
        AppendUtf16(code, result);
        i += length;
    }
    return result;
}
