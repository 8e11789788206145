// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/html_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "text/unicode.h"
#include "text/white_space.h"

namespace {

struct sEntity {
    std::u16string_view name;
    char16_t character;
};

// The markup characters, a few of punctuation and the Latin-1 set (accented letters are
// what a word list holds); anything rarer stays as written. A no-break space becomes a
// plain one, which the learner can type.
constexpr std::array kEntities{
    sEntity{u"amp", u'&'},     sEntity{u"lt", u'<'},      sEntity{u"gt", u'>'},
    sEntity{u"quot", u'"'},    sEntity{u"apos", u'\''},   sEntity{u"nbsp", u' '},
    sEntity{u"ndash", 0x2013}, sEntity{u"mdash", 0x2014}, sEntity{u"hellip", 0x2026},
    sEntity{u"iexcl", 0xA1},   sEntity{u"cent", 0xA2},    sEntity{u"pound", 0xA3},
    sEntity{u"curren", 0xA4},  sEntity{u"yen", 0xA5},     sEntity{u"brvbar", 0xA6},
    sEntity{u"sect", 0xA7},    sEntity{u"uml", 0xA8},     sEntity{u"copy", 0xA9},
    sEntity{u"ordf", 0xAA},    sEntity{u"laquo", 0xAB},   sEntity{u"not", 0xAC},
    sEntity{u"shy", 0xAD},     sEntity{u"reg", 0xAE},     sEntity{u"macr", 0xAF},
    sEntity{u"deg", 0xB0},     sEntity{u"plusmn", 0xB1},  sEntity{u"sup2", 0xB2},
    sEntity{u"sup3", 0xB3},    sEntity{u"acute", 0xB4},   sEntity{u"micro", 0xB5},
    sEntity{u"para", 0xB6},    sEntity{u"middot", 0xB7},  sEntity{u"cedil", 0xB8},
    sEntity{u"sup1", 0xB9},    sEntity{u"ordm", 0xBA},    sEntity{u"raquo", 0xBB},
    sEntity{u"frac14", 0xBC},  sEntity{u"frac12", 0xBD},  sEntity{u"frac34", 0xBE},
    sEntity{u"iquest", 0xBF},  sEntity{u"Agrave", 0xC0},  sEntity{u"Aacute", 0xC1},
    sEntity{u"Acirc", 0xC2},   sEntity{u"Atilde", 0xC3},  sEntity{u"Auml", 0xC4},
    sEntity{u"Aring", 0xC5},   sEntity{u"AElig", 0xC6},   sEntity{u"Ccedil", 0xC7},
    sEntity{u"Egrave", 0xC8},  sEntity{u"Eacute", 0xC9},  sEntity{u"Ecirc", 0xCA},
    sEntity{u"Euml", 0xCB},    sEntity{u"Igrave", 0xCC},  sEntity{u"Iacute", 0xCD},
    sEntity{u"Icirc", 0xCE},   sEntity{u"Iuml", 0xCF},    sEntity{u"ETH", 0xD0},
    sEntity{u"Ntilde", 0xD1},  sEntity{u"Ograve", 0xD2},  sEntity{u"Oacute", 0xD3},
    sEntity{u"Ocirc", 0xD4},   sEntity{u"Otilde", 0xD5},  sEntity{u"Ouml", 0xD6},
    sEntity{u"times", 0xD7},   sEntity{u"Oslash", 0xD8},  sEntity{u"Ugrave", 0xD9},
    sEntity{u"Uacute", 0xDA},  sEntity{u"Ucirc", 0xDB},   sEntity{u"Uuml", 0xDC},
    sEntity{u"Yacute", 0xDD},  sEntity{u"THORN", 0xDE},   sEntity{u"szlig", 0xDF},
    sEntity{u"agrave", 0xE0},  sEntity{u"aacute", 0xE1},  sEntity{u"acirc", 0xE2},
    sEntity{u"atilde", 0xE3},  sEntity{u"auml", 0xE4},    sEntity{u"aring", 0xE5},
    sEntity{u"aelig", 0xE6},   sEntity{u"ccedil", 0xE7},  sEntity{u"egrave", 0xE8},
    sEntity{u"eacute", 0xE9},  sEntity{u"ecirc", 0xEA},   sEntity{u"euml", 0xEB},
    sEntity{u"igrave", 0xEC},  sEntity{u"iacute", 0xED},  sEntity{u"icirc", 0xEE},
    sEntity{u"iuml", 0xEF},    sEntity{u"eth", 0xF0},     sEntity{u"ntilde", 0xF1},
    sEntity{u"ograve", 0xF2},  sEntity{u"oacute", 0xF3},  sEntity{u"ocirc", 0xF4},
    sEntity{u"otilde", 0xF5},  sEntity{u"ouml", 0xF6},    sEntity{u"divide", 0xF7},
    sEntity{u"oslash", 0xF8},  sEntity{u"ugrave", 0xF9},  sEntity{u"uacute", 0xFA},
    sEntity{u"ucirc", 0xFB},   sEntity{u"uuml", 0xFC},    sEntity{u"yacute", 0xFD},
    sEntity{u"thorn", 0xFE},   sEntity{u"yuml", 0xFF},
};

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// No real tag is longer; looking further for its ">" would make a huge field full of "<a"
// take time that grows with the square of its length.
constexpr size_t kLongestTag = 64 * 1024;

// Length of the tag starting at pos ("<" + letter, "/" or "!" ... ">"), or 0.
size_t TagLength(std::u16string_view text, size_t pos) {
    if (pos + 1 >= text.size()) {
        return 0;
    }
    const char16_t next = text[pos + 1];
    if (!IsAsciiLetter(next) && next != u'/' && next != u'!') {
        return 0;
    }
    const size_t end = text.substr(0, pos + kLongestTag).find(u'>', pos + 1);
    return end == std::u16string_view::npos ? 0 : end - pos + 1;
}

// Whether the tag ends a line or a block: <br>, <p>, <div>, <li> ... and their ends.
bool BreaksLine(std::u16string_view tag) {
    size_t start = 1;
    if (start < tag.size() && tag[start] == u'/') {
        ++start;
    }
    size_t end = start;
    while (end < tag.size() &&
           (IsAsciiLetter(tag[end]) || (tag[end] >= u'1' && tag[end] <= u'6'))) {
        ++end;
    }
    std::u16string name(tag.substr(start, end - start));
    for (char16_t& c : name) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    static constexpr std::array<std::u16string_view, 14> kBreaking{
        u"br", u"p",  u"div", u"li", u"ul", u"ol", u"tr",
        u"td", u"th", u"h1",  u"h2", u"h3", u"hr", u"blockquote"};
    for (const std::u16string_view breaking : kBreaking) {
        if (name == breaking) {
            return true;
        }
    }
    return false;
}

// A numeric reference's code point, or 0 when the digits are none or too many.
char32_t ParseNumber(std::u16string_view digits, int base) {
    if (digits.empty() || digits.size() > 7) {
        return 0;
    }
    char32_t value = 0;
    for (const char16_t c : digits) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (base == 16 && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (base == 16 && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        }
        if (digit < 0) {
            return 0;
        }
        value = value * base + static_cast<char32_t>(digit);
    }
    return value;
}

// Decodes the reference "&...;" at pos into out; returns its length, or 0 if unknown.
size_t DecodeReference(std::u16string_view text, size_t pos, std::u16string& out) {
    const size_t end = text.find(u';', pos + 1);
    if (end == std::u16string_view::npos || end - pos > 10) {
        return 0;
    }
    const std::u16string_view body = text.substr(pos + 1, end - pos - 1);
    if (body.size() > 1 && body[0] == u'#') {
        const bool hex = body[1] == u'x' || body[1] == u'X';
        const char32_t code = ParseNumber(body.substr(hex ? 2 : 1), hex ? 16 : 10);
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return 0;
        }
        AppendUtf16(code == 0xA0 ? U' ' : code, out);
        return end - pos + 1;
    }
    for (const sEntity& entity : kEntities) {
        if (body == entity.name) {
            out += entity.character;
            return end - pos + 1;
        }
    }
    return 0;
}

}  // namespace

void ConvertHtmlToPlainText(std::u16string& text) {
    // Every tag and reference is longer than what it becomes, so the plain text is written
    // over the markup it comes from: a huge field is never held twice.
    size_t written = 0;
    std::u16string reference;
    for (size_t pos = 0; pos < text.size();) {
        const char16_t c = text[pos];
        if (c == u'<') {
            if (const size_t length = TagLength(text, pos)) {
                if (BreaksLine(std::u16string_view(text).substr(pos, length))) {
                    text[written++] = u' ';  // "a<br>b" is two words, "<b>a</b>b" one
                }
                pos += length;
                continue;
            }
        } else if (c == u'&') {
            reference.clear();
            if (const size_t length = DecodeReference(text, pos, reference)) {
                std::copy(reference.begin(), reference.end(), text.begin() + written);
                written += reference.size();
                pos += length;
                continue;
            }
        }
        text[written++] = c;
        ++pos;
    }
    text.resize(written);
    CollapseWhiteSpaceInPlace(text);
}

std::u16string HtmlToPlainText(std::u16string_view html) {
    std::u16string text(html);
    ConvertHtmlToPlainText(text);
    return text;
}
