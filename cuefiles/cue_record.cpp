#include "cuefiles/cue_record.h"

#include <utility>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/white_space.h"

namespace {

constexpr size_t kKeptLineCapacity = 4096;

}  // namespace

bool SplitCueRecord(std::u16string_view line, bool reversed, std::u16string& cue,
                    std::u16string& answer) {
    cue.clear();
    answer.clear();
    const size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
        return false;
    }
    std::u16string_view left = TrimWhiteSpace(line.substr(0, equals));
    std::u16string_view right = TrimWhiteSpace(line.substr(equals + 1));
    if (reversed) {
        std::swap(left, right);
    }
    cue.assign(left);
    answer.assign(right);
    return !cue.empty() && !answer.empty();
}

bool ReadCuePair(cCueFileReader& reader, bool reversed, std::u16string& cue,
                 std::u16string& answer) {
    cue.clear();
    answer.clear();
    // Kept from call to call: a million-line file then costs no allocation per line.
    thread_local std::u16string line;
    reader.ReadTextLine(line);
    while (line.empty() && !reader.IsAtEnd()) {
        reader.ReadTextLine(line);
    }
    const bool accepted = !line.empty() && SplitCueRecord(line, reversed, cue, answer);
    // The memory of a huge line is not worth keeping.
    if (line.capacity() > kKeptLineCapacity) {
        std::u16string().swap(line);
    }
    return accepted;
}
