// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Raw bytes as a tab-separated list, a comma-separated list and a vocabulary document.
// Every text handed on must be one trimmed line, whatever the quoting or markup; a comma
// list without a quote is never malformed; and the same bytes read twice give the same.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/kvtml_reader.h"
#include "fuzz_check.h"
#include "scratch_file.h"
#include "text/white_space.h"

namespace {

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

struct sRead {
    bool ok;
    Pairs pairs;
    friend bool operator==(const sRead&, const sRead&) = default;
};

void CheckText(const std::u16string& text) {
    FUZZ_CHECK(text.find(u'\n') == std::u16string::npos);
    FUZZ_CHECK(TrimWhiteSpace(text).size() == text.size());
}

sRead ReadList(const std::u16string& path, cDelimitedListReader::eDialect dialect) {
    cCueFileReader lines;
    FUZZ_CHECK(lines.Open(path));
    cDelimitedListReader list(lines, dialect);
    sRead read{true, {}};
    std::u16string first;
    std::u16string second;
    while (list.ReadRecord(first, second)) {
        CheckText(first);
        CheckText(second);
        read.pairs.emplace_back(first, second);
    }
    read.ok = !list.IsMalformed();
    return read;
}

sRead ReadDocument(std::span<const uint8_t> bytes) {
    sRead read{true, {}};
    cKvtmlReader reader([&read](std::u16string& first, std::u16string& second) {
        CheckText(first);
        CheckText(second);
        read.pairs.emplace_back(first, second);
    });
    read.ok = reader.ReadBytes(bytes);
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    static cScratchFile file;
    const std::u16string& path = file.Write(bytes);
    using eDialect = cDelimitedListReader::eDialect;
    for (const eDialect dialect : {eDialect::Tab, eDialect::Comma}) {
        const sRead read = ReadList(path, dialect);
        FUZZ_CHECK(read == ReadList(path, dialect));
        // No byte 0x22, no quote in any encoding.
        if (dialect == eDialect::Comma && std::find(data, data + size, '"') == data + size) {
            FUZZ_CHECK(read.ok);
        }
    }
    FUZZ_CHECK(ReadDocument(bytes) == ReadDocument(bytes));
    return 0;
}
