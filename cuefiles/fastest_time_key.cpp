#include "cuefiles/fastest_time_key.h"

std::u16string_view FileNameOfPath(std::u16string_view path) {
    const size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string_view::npos) {
        return path.substr(slash + 1);
    }
    const bool hasDrive = path.size() >= 2 && path[1] == u':' &&
                          ((path[0] >= u'A' && path[0] <= u'Z') ||
                           (path[0] >= u'a' && path[0] <= u'z'));
    return hasDrive ? path.substr(2) : path;
}

std::u16string JoinFileNames(const std::vector<std::u16string>& paths) {
    std::u16string joined;
    for (const std::u16string& path : paths) {
        if (!joined.empty()) {
            joined += u" + ";
        }
        joined += FileNameOfPath(path);
    }
    return joined;
}

std::u16string MakeFastestTimeKey(std::u16string_view joinedNames) {
    std::u16string key;
    key.reserve(joinedNames.size());
    for (char16_t c : joinedNames) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
        const bool kept = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
        key += kept ? c : u'_';
    }
    return key;
}

std::u16string_view FileTitleOfPath(std::u16string_view path) {
    constexpr size_t kMaxTitleLength = 255;
    std::u16string_view title = FileNameOfPath(path);
    title = title.substr(0, title.find_last_of(u'.'));
    return title.substr(0, kMaxTitleLength);
}
