// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Raw bytes as a cue file, through the whole loading path: encoding test, decoder, line
// reader, record split, accent substitution and card store, then a short study pass. The
// parts are checked against one another: what the reader and the teacher produce must be
// what the decoder makes of the same bytes in one go.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "cuefiles/encoding_test.h"
#include "cuefiles/text_decoder.h"
#include "cuefiles/utf8_validator.h"
#include "engine/card_store.h"
#include "engine/teacher.h"
#include "fuzz_check.h"
#include "platform/memory_profile.h"
#include "scratch_file.h"
#include "tests/support/fake_tick_source.h"
#include "text/text_marks.h"
#include "text/unicode.h"

namespace {

using Bytes = std::span<const unsigned char>;

// The reader fetches this much at a time. Some inputs are repeated past it, so that a line,
// a CR LF or a multi-byte sequence falls across two reads.
constexpr size_t kReaderChunk = 64 * 1024;
constexpr uint32_t kFirstCardId = 100;
constexpr size_t kStudySteps = 64;

uint32_t HashOf(Bytes bytes) {
    uint32_t hash = 2166136261u;
    for (const unsigned char b : bytes) {
        hash = (hash ^ b) * 16777619u;
    }
    return hash;
}

// Piece sizes for feeding the decoder: mostly tiny, now and then large.
class cPieceSizes {
public:
    explicit cPieceSizes(uint32_t seed) : m_state(seed | 1u) {}
    size_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return (m_state & 0x30) == 0 ? 1 + m_state % 4099 : 1 + m_state % 7;
    }

private:
    uint32_t m_state;
};

std::u16string DecodeAtOnce(eCueEncoding encoding, Bytes bytes) {
    cTextDecoder decoder(encoding);
    std::u16string text;
    decoder.Decode(bytes, text);
    decoder.Finish(text);
    return text;
}

std::u16string DecodeInPieces(eCueEncoding encoding, Bytes bytes, uint32_t seed) {
    cTextDecoder decoder(encoding);
    cPieceSizes sizes(seed);
    std::u16string text;
    for (size_t i = 0; i < bytes.size();) {
        const size_t piece = std::min(sizes.Next(), bytes.size() - i);
        decoder.Decode(bytes.subspan(i, piece), text);
        i += piece;
    }
    decoder.Finish(text);
    return text;
}

struct sUtf8Verdict {
    bool valid;
    bool multiByte;
    bool operator==(const sUtf8Verdict&) const = default;
};

sUtf8Verdict ValidateInPieces(Bytes bytes, uint32_t seed) {
    cUtf8Validator validator;
    cPieceSizes sizes(seed);
    for (size_t i = 0; i < bytes.size();) {
        const size_t piece = std::min(sizes.Next(), bytes.size() - i);
        validator.Feed(bytes.subspan(i, piece));
        i += piece;
    }
    validator.Finish();
    FUZZ_CHECK(validator.IsDone());
    return {validator.IsValid(), validator.HasMultiByte()};
}

Bytes UpToEndMark(Bytes bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == kEndOfText) {
            return bytes.first(i);
        }
    }
    return bytes;
}

bool IsWellFormedUtf16(std::u16string_view text) {
    std::string ignored;
    return Utf16ToUtf8(text, ignored);
}

// What each encoding must make of the bytes, fed at once or in pieces.
void CheckDecoder(Bytes bytes, uint32_t seed) {
    for (const eCueEncoding encoding :
         {eCueEncoding::Utf16Le, eCueEncoding::Utf16Be, eCueEncoding::Latin1, eCueEncoding::Utf8}) {
        const std::u16string text = DecodeAtOnce(encoding, bytes);
        FUZZ_CHECK(DecodeInPieces(encoding, bytes, seed) == text);
        FUZZ_CHECK(text.find(u'\0') == std::u16string::npos);

        std::u16string expected;
        switch (encoding) {
            case eCueEncoding::Latin1:
                for (const unsigned char b : UpToEndMark(bytes)) {
                    if (b != 0) {
                        expected += static_cast<char16_t>(b);
                    }
                }
                FUZZ_CHECK(text == expected);
                break;
            case eCueEncoding::Utf16Le:
            case eCueEncoding::Utf16Be:
                for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
                    const unsigned first = bytes[i];
                    const unsigned second = bytes[i + 1];
                    const auto unit = static_cast<char16_t>(encoding == eCueEncoding::Utf16Be
                                                                ? (first << 8) | second
                                                                : first | (second << 8));
                    if (unit != 0 && !(i == 0 && unit == 0xFEFF)) {
                        expected += unit;
                    }
                }
                FUZZ_CHECK(text == expected);
                break;
            case eCueEncoding::Utf8: {
                FUZZ_CHECK(IsWellFormedUtf16(text));
                const sUtf8Verdict verdict = ValidateInPieces(bytes, seed);
                FUZZ_CHECK(ValidateInPieces(bytes, ~seed) == verdict);
                if (!verdict.valid) {
                    FUZZ_CHECK(text.find(u'\xFFFD') != std::u16string::npos);
                    break;
                }
                // Well-formed data must come back byte for byte, less mark and NULs.
                Bytes body = UpToEndMark(bytes);
                if (StartsWithUtf8Mark(body)) {
                    body = body.subspan(3);
                }
                std::string plain;
                for (const unsigned char b : body) {
                    if (b != 0) {
                        plain += static_cast<char>(b);
                    }
                }
                std::string encoded;
                FUZZ_CHECK(Utf16ToUtf8(text, encoded) && encoded == plain);
                break;
            }
        }
    }
}

eCueEncoding ExpectedEncoding(Bytes content) {
    if (StartsWithUtf16BeMark(content)) {
        return eCueEncoding::Utf16Be;
    }
    if (IsUnicodeFileStart(content.first(std::min(content.size(), kUnicodeProbeSize)))) {
        return eCueEncoding::Utf16Le;
    }
    if (StartsWithUtf8Mark(content)) {
        return eCueEncoding::Utf8;
    }
    const sUtf8Verdict verdict = ValidateInPieces(content, 0x9E3779B9u);
    return verdict.valid && verdict.multiByte ? eCueEncoding::Utf8 : eCueEncoding::Latin1;
}

// The lines of the whole text: LF, CR LF and a CR alone each end one line; a last line
// without a line end counts only when it holds something.
std::vector<std::u16string> SplitLines(std::u16string_view text) {
    std::vector<std::u16string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            if (start < text.size()) {
                lines.emplace_back(text.substr(start));
            }
            return lines;
        }
        lines.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        start = end + (crLf ? 2 : 1);
    }
}

std::vector<std::u16string> ReadAllLines(const std::u16string& path, eCueEncoding& encoding) {
    cCueFileReader reader;
    FUZZ_CHECK(reader.Open(path));
    encoding = reader.GetEncoding();
    std::vector<std::u16string> lines;
    std::u16string line;
    while (reader.ReadTextLine(line)) {
        lines.push_back(line);
    }
    FUZZ_CHECK(line.empty());
    FUZZ_CHECK(reader.IsAtEnd());
    FUZZ_CHECK(!reader.HasReadError());
    FUZZ_CHECK(!reader.ReadTextLine(line));
    return lines;
}

struct sRecord {
    std::u16string cue;     // as split, before substitution
    std::u16string answer;  // likewise: what a learner types
};

std::vector<sRecord> SplitRecords(const std::vector<std::u16string>& lines, bool reversed) {
    std::vector<sRecord> records;
    for (const std::u16string& line : lines) {
        std::u16string_view cue;
        std::u16string_view answer;
        if (!line.empty() && SplitCueRecord(line, reversed, cue, answer)) {
            records.push_back({std::u16string(cue), std::u16string(answer)});
        }
    }
    return records;
}

void CheckPairReader(const std::u16string& path, bool reversed,
                     const std::vector<sRecord>& records) {
    cCueFileReader reader;
    FUZZ_CHECK(reader.Open(path));
    size_t index = 0;
    std::u16string line;
    std::u16string_view cue;
    std::u16string_view answer;
    while (!reader.IsAtEnd()) {
        if (ReadCuePair(reader, reversed, line, cue, answer)) {
            FUZZ_CHECK(index < records.size());
            FUZZ_CHECK(cue == records[index].cue && answer == records[index].answer);
            ++index;
        }
    }
    FUZZ_CHECK(index == records.size());
}

// A new pass queues the cards as a 17-bucket table on (id >> 4) visits them, buckets in
// ascending order and newest first within one; each goes in at the front. Checked on a
// store of as many cards as the file gave.
void CheckRebuildOrder(size_t count) {
    const uint32_t firstId = 100;
    cCardStore store;
    for (size_t i = 0; i < count; ++i) {
        store.AddCard(u"cue", u"answer");
    }
    std::vector<uint32_t> visits(count);
    for (size_t i = 0; i < count; ++i) {
        visits[i] = firstId + static_cast<uint32_t>(i);
    }
    std::sort(visits.begin(), visits.end(), [](uint32_t a, uint32_t b) {
        const uint32_t bucketA = (a >> 4) % 17;
        const uint32_t bucketB = (b >> 4) % 17;
        return bucketA != bucketB ? bucketA < bucketB : a > b;
    });
    store.RebuildToDo();
    const std::vector<cCueLineKey> keys = store.GetToDoKeys();
    FUZZ_CHECK(keys.size() == count);
    for (size_t i = 0; i < count; ++i) {
        FUZZ_CHECK(keys[count - 1 - i].GetId() == visits[i]);
    }
}

void CheckStudyPass(cTeacher& teacher, cFakeTickSource& ticks, const std::vector<sRecord>& records,
                    uint32_t firstId) {
    CheckRebuildOrder(records.size());
    const uint32_t fastestBefore = teacher.ReadFastestTime();
    teacher.Restart();
    FUZZ_CHECK(teacher.GetCuesLeft() == static_cast<int>(records.size()));
    for (size_t step = 0; step < kStudySteps && teacher.GetCuesLeft() > 0; ++step) {
        const cCueLineKey key = teacher.GetCurrentKey();
        FUZZ_CHECK(!key.IsNull() && key.GetId() >= firstId);
        const size_t index = key.GetId() - firstId;
        FUZZ_CHECK(index < records.size());
        const cCueLine card = teacher.GetCurrentCard();
        FUZZ_CHECK(teacher.GetCurrentCue() == card.GetCue());
        ticks.Advance(700);

        const int left = teacher.GetCuesLeft();
        if (step % 7 == 5) {
            teacher.Ignore();
            FUZZ_CHECK(teacher.GetCuesLeft() < left);
        } else if (step % 4 == 3) {
            // Two characters more than the answer is never a tolerated ending.
            const std::u16string message = teacher.Next(records[index].answer + u"??");
            FUZZ_CHECK(message.ends_with(u"\n" + card.GetAnswer()));
            FUZZ_CHECK(teacher.GetCuesLeft() == left + 2);
            FUZZ_CHECK(teacher.GetCurrentKey() == key);
        } else {
            // The answer as the file has it, before substitution, is what a learner types.
            FUZZ_CHECK(teacher.IsCorrectAnswer(card, records[index].answer));
            FUZZ_CHECK(teacher.Next(records[index].answer).empty());
            FUZZ_CHECK(teacher.GetCuesLeft() == left - 1);
        }
        FUZZ_CHECK(teacher.GetProgress() >= 0 && teacher.GetProgress() <= 100);
    }
    if (!records.empty() && teacher.GetCuesLeft() == 0) {
        FUZZ_CHECK(!teacher.IsClockRunning());
        // A pass of no time is no record; otherwise the faster of the two is kept.
        const uint32_t elapsed = teacher.GetElapsedMs();
        const bool faster = elapsed != 0 && (fastestBefore == 0 || elapsed < fastestBefore);
        FUZZ_CHECK(teacher.ReadFastestTime() == (faster ? elapsed : fastestBefore));
    }
}

void CheckTeacher(const std::u16string& path, bool reversed, const std::vector<sRecord>& records,
                  uint32_t seed) {
    cMemoryProfile profile;
    cFakeTickSource ticks(seed);
    cTeacher teacher(profile, ticks);
    // Ids are never reused, so loading again after clearing numbers the cards on from
    // where the first load stopped.
    const int loads = (seed >> 8) % 4 == 0 ? 2 : 1;
    for (int load = 0; load < loads; ++load) {
        const auto firstId = static_cast<uint32_t>(kFirstCardId + load * records.size());
        teacher.Clear();
        FUZZ_CHECK(teacher.LoadCueFile(path, reversed));
        FUZZ_CHECK(teacher.GetLoadedFileCount() == 1);
        FUZZ_CHECK(teacher.GetLoadedFile(0) == (reversed ? path + u"-" : path));
        FUZZ_CHECK(teacher.GetTotalCues() == static_cast<int>(records.size()));
        FUZZ_CHECK(!teacher.FindCard(cCueLineKey(firstId - 1)));
        FUZZ_CHECK(!teacher.FindCard(cCueLineKey(firstId + records.size())));
        for (size_t i = 0; i < records.size(); ++i) {
            const std::optional<cCueLine> card = teacher.FindCard(cCueLineKey(firstId + i));
            FUZZ_CHECK(card.has_value());
            FUZZ_CHECK(card->GetCue() == teacher.SubstituteAccents(records[i].cue));
            FUZZ_CHECK(card->GetAnswer() == teacher.SubstituteAccents(records[i].answer));
        }
        CheckStudyPass(teacher, ticks, records, firstId);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static cScratchFile file;
    const Bytes bytes(data, size);
    const uint32_t hash = HashOf(bytes);

    IsUnicodeSample(bytes);
    CheckDecoder(bytes, hash);

    // Now and then the bytes are repeated past the reader's read size. Such a file only
    // goes through the reader: loading it would repeat the same cards thousands of times
    // and slow every other run down.
    std::vector<unsigned char> content(bytes.begin(), bytes.end());
    const bool repeated = size > 0 && (hash >> 1) % 64 == 0;
    if (repeated) {
        while (content.size() <= kReaderChunk + size) {
            content.insert(content.end(), bytes.begin(), bytes.end());
        }
    }
    const std::u16string& path = file.Write(content);

    eCueEncoding encoding = eCueEncoding::Latin1;
    const std::vector<std::u16string> lines = ReadAllLines(path, encoding);
    FUZZ_CHECK(encoding == ExpectedEncoding(content));
    FUZZ_CHECK(lines == SplitLines(DecodeAtOnce(encoding, content)));

    if (repeated) {
        return 0;
    }
    const bool reversed = (hash & 1) != 0;
    const std::vector<sRecord> records = SplitRecords(lines, reversed);
    CheckPairReader(path, reversed, records);
    CheckTeacher(path, reversed, records, hash);
    return 0;
}
