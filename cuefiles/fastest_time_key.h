#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file name with its extension: the part after the last "\" or "/", or after a
// leading drive letter and colon when there is neither.
std::u16string_view FileNameOfPath(std::u16string_view path);

// The file names of the paths, in order, joined by " + ".
std::u16string JoinFileNames(const std::vector<std::u16string>& paths);

// The settings name of a record: A-Z lowered, a-z and 0-9 kept, everything else "_".
std::u16string MakeFastestTimeKey(std::u16string_view joinedNames);

// The file name without folder and extension, as the list of loaded files shows it: the
// file name up to its last dot, at most 255 characters. The "-" that marks a reversed
// load falls in the extension and so is not shown.
std::u16string_view FileTitleOfPath(std::u16string_view path);
