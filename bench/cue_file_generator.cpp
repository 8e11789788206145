// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cue_file_generator.h"

#include "text/unicode.h"

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
        case eCueEncoding::Utf16Be:
            return "utf16be";
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

// The sample texts hold no character beyond U+00FF, so each unit encodes on its own in
// 8-bit text and in UTF-16.
void AppendEncoded(std::u16string_view text, eCueEncoding encoding, std::string& out) {
    switch (encoding) {
        case eCueEncoding::Utf8: {
            std::string utf8;
            Utf16ToUtf8(text, utf8);
            out += utf8;
            break;
        }
        case eCueEncoding::Utf16Le:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit & 0xFF);
                out += static_cast<char>(unit >> 8);
            }
            break;
        case eCueEncoding::Utf16Be:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit >> 8);
                out += static_cast<char>(unit & 0xFF);
            }
            break;
        case eCueEncoding::Latin1:
            for (const char16_t unit : text) {
                out += static_cast<char>(unit);
            }
            break;
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
    } else if (encoding == eCueEncoding::Utf16Be) {
        buffer = "\xFE\xFF";
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
