#include "bench/cue_file_generator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

const char* EncodingName(eCueEncoding encoding) {
    switch (encoding) {
        case eCueEncoding::Utf16Le:
            return "utf16le";
        case eCueEncoding::Utf8:
            return "utf8";
        case eCueEncoding::Latin1:
            break;
    }
    return "latin1";
}

std::u16string SampleLine(int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%06d", index % 1'000'000);
    const std::u16string digits(number, number + 6);
    if (index % 10 == 9) {
        return u"Mädchen" + digits + u" = girl" + digits;
    }
    return u"Wort" + digits + u" = word" + digits;
}

void AppendUtf8(char16_t unit, std::string& out) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

// The sample texts hold no character beyond U+00FF, so each unit encodes on its own.
void AppendEncoded(std::u16string_view text, eCueEncoding encoding, std::string& out) {
    for (const char16_t unit : text) {
        switch (encoding) {
            case eCueEncoding::Utf16Le:
                out += static_cast<char>(unit & 0xFF);
                out += static_cast<char>(unit >> 8);
                break;
            case eCueEncoding::Utf8:
                AppendUtf8(unit, out);
                break;
            case eCueEncoding::Latin1:
                out += static_cast<char>(unit);
                break;
        }
    }
}

}  // namespace

std::string CreateSampleDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "recallix-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a directory for sample cue files");
    }
    return pattern;
}

std::string WriteSampleCueFile(const std::string& dir, eCueEncoding encoding, int lines) {
    const std::string path =
        dir + "/sample-" + EncodingName(encoding) + "-" + std::to_string(lines) + ".recallix";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::u16string lineEnd = encoding == eCueEncoding::Utf8 ? u"\n" : u"\r\n";
    std::string buffer;
    if (encoding == eCueEncoding::Utf16Le) {
        buffer = "\xFF\xFE";
    }
    for (int i = 0; i < lines; ++i) {
        AppendEncoded(SampleLine(i), encoding, buffer);
        AppendEncoded(lineEnd, encoding, buffer);
        if (buffer.size() >= 1 << 20) {
            file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    file.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}
