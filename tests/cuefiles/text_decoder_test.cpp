// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cuefiles/text_decoder.h"

namespace {

std::span<const unsigned char> Bytes(std::string_view bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

std::u16string Decode(eCueEncoding encoding, std::string_view bytes, size_t pieceSize) {
    cTextDecoder decoder(encoding);
    std::u16string text;
    for (size_t i = 0; i < bytes.size(); i += pieceSize) {
        decoder.Decode(Bytes(bytes.substr(i, pieceSize)), text);
    }
    decoder.Finish(text);
    return text;
}

void ExpectDecodes(eCueEncoding encoding, std::string_view bytes, std::u16string_view text) {
    EXPECT_EQ(Decode(encoding, bytes, bytes.size()), text);
    EXPECT_EQ(Decode(encoding, bytes, 1), text);
}

}  // namespace

// Every case is also fed byte by byte, so that sequences split between reads are covered.
TEST(CueTextDecoderTest, DecodesPiecesOfAnySize) {
    using namespace std::string_view_literals;
    ExpectDecodes(eCueEncoding::Utf16Le, "\xFF\376a\0\0\0=\xD8\0\xDE\xFF\xFE\0\xD8!"sv,
                  u"a\U0001F600\uFEFF\xD800");
    ExpectDecodes(eCueEncoding::Utf16Le, "a\0\xFF\xFE"sv, u"a\uFEFF");
    ExpectDecodes(eCueEncoding::Latin1, "\xEF\xBB\xBF\0a\xFF\032b"sv, u"ï»¿aÿ");
    ExpectDecodes(eCueEncoding::Utf8, "\xEF\xBB\277a\0\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"sv,
                  u"aä€\U0001F600");
    ExpectDecodes(eCueEncoding::Utf8, "\xEF\xBB\xBF\xEF\xBB\xBF", u"\uFEFF");
    // Each broken sequence becomes one U+FFFD, and the byte that broke it starts anew.
    ExpectDecodes(eCueEncoding::Utf8, "\xE3\201a\xC0\xAF\xED\xA0\x80\xF4\x90\377b\xE3\x81",
                  u"\uFFFDa\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFD");
    ExpectDecodes(eCueEncoding::Utf8, "x\xE3\x81\x1A\xE3\x81\x82", u"x\xFFFD");
}
