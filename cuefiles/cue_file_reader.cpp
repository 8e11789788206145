// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "cuefiles/cue_file_reader.h"

#include <span>
#include <string_view>
#include <vector>

#include "cuefiles/encoding_test.h"
#include "cuefiles/text_decoder.h"
#include "cuefiles/utf8_validator.h"
#include "posix/regular_file.h"
#include "text/text_marks.h"

struct cCueFileReader::State {
    // Decides from the open file, so that the encoding belongs to the very file read.
    eCueEncoding DecideEncoding();
    // Whole-file check, stopping at the first ill-formed sequence: UTF-8 is chosen only
    // when all of the 8-bit data is well-formed and it is not plain ASCII.
    bool IsMultiByteUtf8File();
    // Refills decoded from the file; false once no text is left.
    bool FillDecoded();

    cRegularFile file;
    eCueEncoding encoding = eCueEncoding::Latin1;
    cTextDecoder decoder;
    std::vector<unsigned char> raw;
    std::u16string decoded;
    size_t decodedPos = 0;
    uint64_t bytesRead = 0;
    uint64_t fileSize = 0;
    bool sourceDone = false;
    bool skipFeed = false;  // the last line ended with a CR: a LF right after it is its pair
    bool atEnd = false;
    bool readError = false;
};

eCueEncoding cCueFileReader::State::DecideEncoding() {
    unsigned char head[kUnicodeProbeSize];
    const ptrdiff_t count = file.ReadFullyAt(0, head, sizeof head);
    if (count < 0) {
        readError = true;
        return eCueEncoding::Latin1;
    }
    const std::span<const unsigned char> start(head, static_cast<size_t>(count));
    // Without its mark big-endian text keeps reading as 8-bit text, as it always has.
    if (StartsWithUtf16BeMark(start)) {
        return eCueEncoding::Utf16Be;
    }
    if (IsUnicodeFileStart(start)) {
        return eCueEncoding::Utf16Le;
    }
    if (StartsWithUtf8Mark(start) || IsMultiByteUtf8File()) {
        return eCueEncoding::Utf8;
    }
    return eCueEncoding::Latin1;
}

bool cCueFileReader::State::IsMultiByteUtf8File() {
    cUtf8Validator validator;
    uint64_t offset = 0;
    while (!validator.IsDone()) {
        const ptrdiff_t count = file.ReadFullyAt(offset, raw.data(), raw.size());
        if (count < 0) {
            readError = true;
            return false;
        }
        if (count == 0) {
            validator.Finish();
            break;
        }
        validator.Feed({raw.data(), static_cast<size_t>(count)});
        offset += static_cast<uint64_t>(count);
    }
    return validator.IsValid() && validator.HasMultiByte();
}

bool cCueFileReader::State::FillDecoded() {
    decoded.clear();
    decodedPos = 0;
    while (decoded.empty()) {
        if (sourceDone) {
            return false;
        }
        const ptrdiff_t count = file.Read(raw.data(), raw.size());
        if (count <= 0) {
            readError = readError || count < 0;
            decoder.Finish(decoded);
            sourceDone = true;
            continue;
        }
        bytesRead += static_cast<uint64_t>(count);
        decoder.Decode({raw.data(), static_cast<size_t>(count)}, decoded);
        sourceDone = decoder.HasReachedEndMark();
    }
    return true;
}

cCueFileReader::cCueFileReader() : m_state(std::make_unique<State>()) {}

cCueFileReader::~cCueFileReader() = default;

bool cCueFileReader::Open(const std::u16string& path) {
    m_state = std::make_unique<State>();
    State& state = *m_state;
    if (!state.file.Open(path)) {
        return false;
    }
    state.raw.resize(kPieceBytes);
    state.fileSize = state.file.GetSize();
    state.encoding = state.DecideEncoding();
    state.decoder.Reset(state.encoding);
    // When even the start could not be read, nothing sound can follow.
    state.atEnd = state.readError;
    return true;
}

bool cCueFileReader::IsOpen() const {
    return m_state->file.IsOpen();
}

eCueEncoding cCueFileReader::GetEncoding() const {
    return m_state->encoding;
}

bool cCueFileReader::ReadTextLine(std::u16string& line) {
    std::u16string_view view;
    const bool read = ReadTextLine(view, line);
    if (view.data() == line.data()) {
        line.resize(view.size());  // put together in line itself
    } else {
        line.assign(view);
    }
    return read;
}

namespace {

// Where the first line end (LF, or CR alone or before LF) in text is; npos for none.
size_t FindLineEnd(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        // One comparison for almost every character: both line ends are below 14.
        if (text[i] <= u'\r' && (text[i] == u'\n' || text[i] == u'\r')) {
            return i;
        }
    }
    return std::u16string_view::npos;
}

}  // namespace

bool cCueFileReader::ReadTextLine(std::u16string_view& line, std::u16string& spill) {
    line = {};
    spill.clear();
    State& state = *m_state;
    if (IsAtEnd()) {
        return false;
    }
    for (;;) {
        if (state.decodedPos == state.decoded.size() && !state.FillDecoded()) {
            state.atEnd = true;
            line = spill;
            return !line.empty();
        }
        // CR LF is one line end, also when the LF comes with the next piece.
        if (state.skipFeed && state.decoded[state.decodedPos] == u'\n') {
            ++state.decodedPos;
        }
        state.skipFeed = false;
        const std::u16string_view rest =
            std::u16string_view(state.decoded).substr(state.decodedPos);
        const size_t end = FindLineEnd(rest);
        if (end == std::u16string_view::npos) {
            spill.append(rest);
            state.decodedPos = state.decoded.size();
            continue;
        }
        state.decodedPos += end + 1;
        state.skipFeed = rest[end] == u'\r';
        if (spill.empty()) {
            line = rest.substr(0, end);
        } else {
            spill.append(rest.substr(0, end));
            line = spill;
        }
        return true;
    }
}

uint64_t cCueFileReader::GetBytesRead() const {
    return m_state->bytesRead;
}

uint64_t cCueFileReader::GetFileSize() const {
    return m_state->fileSize;
}

bool cCueFileReader::IsAtEnd() const {
    return !IsOpen() || m_state->atEnd;
}

bool cCueFileReader::HasReadError() const {
    return m_state->readError;
}
