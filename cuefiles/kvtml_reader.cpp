// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/kvtml_reader.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "posix/regular_file.h"
#include "text/unicode.h"
#include "text/white_space.h"

namespace {

// What an open element is to the reader. Anything that is not on the way from the root
// to the text of a translation is Other, and so is everything inside it.
enum class eElement : unsigned char {
    Root,
    Entries,
    Entry,
    Translation0,
    Translation1,
    Text,
    InsideText,  // markup inside a text: its characters still belong to the word
    Other,
};

// The file is parsed in pieces of this many bytes, so memory stays bounded whatever its
// size, and progress is told after each.
constexpr size_t kPieceBytes = 64 * 1024;

std::u16string OneLine(const std::string& utf8) {
    // The parser hands over well-formed UTF-8 only, and with escapes allowed the
    // conversion never fails.
    return CollapseWhiteSpace(*Utf8ToUtf16(utf8, eByteEscapes::LoneSurrogates));
}

const char* Attribute(const XML_Char** attributes, const char* name) {
    for (const XML_Char** at = attributes; *at != nullptr; at += 2) {
        if (std::strcmp(at[0], name) == 0) {
            return at[1];
        }
    }
    return nullptr;
}

}  // namespace

// One pass of the parser over one document, turning its events into entries.
class cKvtmlReader::cParser {
public:
    explicit cParser(const EntryHandler& onEntry) : m_onEntry(onEntry) {
        m_parser = XML_ParserCreate(nullptr);
        if (m_parser == nullptr) {
            throw std::bad_alloc();
        }
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &cParser::OnStart, &cParser::OnEnd);
        XML_SetCharacterDataHandler(m_parser, &cParser::OnCharacters);
        // Undeclared entities of a document that has a document type the parser does not
        // read come here; external ones are never fetched and reach the default handler.
        XML_SetSkippedEntityHandler(m_parser, &cParser::OnSkippedEntity);
        XML_SetDefaultHandlerExpand(m_parser, &cParser::OnDefault);
    }
    ~cParser() { XML_ParserFree(m_parser); }
    cParser(const cParser&) = delete;
    cParser& operator=(const cParser&) = delete;

    // Parses the next piece; isFinal for the last one. False once the document has failed.
    bool Parse(const unsigned char* bytes, size_t size, bool isFinal) {
        void* buffer = XML_GetBuffer(m_parser, static_cast<int>(size));
        if (buffer == nullptr) {
            m_fault = eDocumentFault::NotWellFormed;
            return false;
        }
        if (size > 0) {
            std::memcpy(buffer, bytes, size);
        }
        if (XML_ParseBuffer(m_parser, static_cast<int>(size), isFinal) != XML_STATUS_OK) {
            if (m_fault == eDocumentFault::None) {
                if (XML_GetErrorCode(m_parser) == XML_ERROR_NO_MEMORY) {
                    throw std::bad_alloc();
                }
                m_fault = eDocumentFault::NotWellFormed;
            }
            return false;
        }
        return true;
    }
    eDocumentFault GetFault() const { return m_fault; }

private:
    static void OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<cParser*>(self)->Start(name, attributes);
    }
    static void OnEnd(void* self, const XML_Char*) { static_cast<cParser*>(self)->End(); }
    static void OnCharacters(void* self, const XML_Char* text, int length) {
        static_cast<cParser*>(self)->AddToText(std::string_view(text, static_cast<size_t>(length)));
    }
    static void OnSkippedEntity(void* self, const XML_Char* name, int isParameterEntity) {
        if (isParameterEntity == 0) {
            static_cast<cParser*>(self)->AddEntityAsWritten(name);
        }
    }
    static void OnDefault(void* self, const XML_Char* text, int length) {
        // Markup nobody else handles; among it, references to external entities.
        const std::string_view written(text, static_cast<size_t>(length));
        if (written.size() > 2 && written.front() == '&' && written.back() == ';') {
            static_cast<cParser*>(self)->AddToText(written);
        }
    }

    void Start(const char* name, const XML_Char** attributes) {
        const eElement element = Classify(name, attributes);
        if (element == eElement::Entry) {
            m_texts[0].clear();
            m_texts[1].clear();
        } else if (element == eElement::Text) {
            m_textOf = TranslationIndex();
            m_texts[m_textOf].clear();  // the last <text> of a translation counts
        }
        m_open.push_back(element);
    }

    eElement Classify(const char* name, const XML_Char** attributes) {
        if (m_open.empty()) {
            // Version 1 documents hold their words in other elements; reading them as if
            // they were empty would load a file of words as no card at all.
            const char* version = Attribute(attributes, "version");
            if (std::strcmp(name, "kvtml") != 0 || version == nullptr || version[0] != '2') {
                m_fault = eDocumentFault::NotKvtml2;
                XML_StopParser(m_parser, XML_FALSE);
            }
            return eElement::Root;
        }
        switch (m_open.back()) {
            case eElement::Root:
                return std::strcmp(name, "entries") == 0 ? eElement::Entries : eElement::Other;
            case eElement::Entries:
                return std::strcmp(name, "entry") == 0 ? eElement::Entry : eElement::Other;
            case eElement::Entry:
                return ClassifyTranslation(name, attributes);
            case eElement::Translation0:
            case eElement::Translation1:
                return std::strcmp(name, "text") == 0 ? eElement::Text : eElement::Other;
            case eElement::Text:
            case eElement::InsideText:
                return eElement::InsideText;
            case eElement::Other:
                break;
        }
        return eElement::Other;
    }

    static eElement ClassifyTranslation(const char* name, const XML_Char** attributes) {
        if (std::strcmp(name, "translation") != 0) {
            return eElement::Other;
        }
        const char* id = Attribute(attributes, "id");
        if (id != nullptr && std::strcmp(id, "0") == 0) {
            return eElement::Translation0;
        }
        if (id != nullptr && std::strcmp(id, "1") == 0) {
            return eElement::Translation1;
        }
        return eElement::Other;
    }

    // Which translation the open <text> belongs to: the element just below it.
    int TranslationIndex() const { return m_open.back() == eElement::Translation0 ? 0 : 1; }

    void End() {
        const eElement element = m_open.back();
        m_open.pop_back();
        if (element == eElement::Entry) {
            std::u16string first = OneLine(m_texts[0]);
            std::u16string second = OneLine(m_texts[1]);
            m_onEntry(first, second);
        }
    }

    void AddToText(std::string_view text) {
        if (!m_open.empty() &&
            (m_open.back() == eElement::Text || m_open.back() == eElement::InsideText)) {
            m_texts[m_textOf].append(text);
        }
    }

    void AddEntityAsWritten(const char* name) {
        const std::string written = std::string("&") + name + ";";
        AddToText(written);
    }

    XML_Parser m_parser = nullptr;
    const EntryHandler& m_onEntry;
    std::vector<eElement> m_open;  // the open elements, the root first
    std::string m_texts[2];        // the texts of translations 0 and 1, as UTF-8
    int m_textOf = 0;              // the translation whose <text> is open
    eDocumentFault m_fault = eDocumentFault::None;
};

cKvtmlReader::cKvtmlReader(EntryHandler onEntry, ProgressHandler onProgress)
    : m_onEntry(std::move(onEntry)), m_onProgress(std::move(onProgress)) {}

cKvtmlReader::~cKvtmlReader() = default;

bool cKvtmlReader::ReadFile(const std::u16string& path) {
    m_fault = eDocumentFault::None;
    cRegularFile file;
    if (!file.Open(path)) {
        m_fault = eDocumentFault::Unreadable;
        return false;
    }
    const uint64_t size = file.GetSize();
    cParser parser(m_onEntry);
    std::vector<unsigned char> piece(kPieceBytes);
    uint64_t bytesRead = 0;
    for (;;) {
        const ptrdiff_t count = file.Read(piece.data(), piece.size());
        if (count < 0) {
            m_fault = eDocumentFault::Unreadable;
            return false;
        }
        bytesRead += static_cast<uint64_t>(count);
        if (!parser.Parse(piece.data(), static_cast<size_t>(count), count == 0)) {
            m_fault = parser.GetFault();
            return false;
        }
        if (count == 0) {
            return true;
        }
        if (m_onProgress && !m_onProgress(bytesRead, size)) {
            m_fault = eDocumentFault::Stopped;
            return false;
        }
    }
}

bool cKvtmlReader::ReadBytes(std::span<const unsigned char> bytes) {
    m_fault = eDocumentFault::None;
    cParser parser(m_onEntry);
    for (size_t at = 0;; at += kPieceBytes) {
        const size_t size = at < bytes.size() ? std::min(kPieceBytes, bytes.size() - at) : 0;
        if (!parser.Parse(bytes.data() + std::min(at, bytes.size()), size, size == 0)) {
            m_fault = parser.GetFault();
            return false;
        }
        if (size == 0) {
            return true;
        }
    }
}
