#pragma once

#include <cstdint>
#include <string>

#define LEXITRA_API __attribute__((visibility("default")))

// The user-interface text with the given id, in Japanese when the current locale id is
// 1041 and in English otherwise. Unknown ids give an empty text.
//
//   40001, 40002  About box: what the program is for; licence and thanks
//   40003         the maker's web address (the same in every language)
//   40004         name of the cue file type in the file dialog's filter (never holds "|")
//   40007         title of the file dialog
//   40008         first line of the accents help
//   40010         first line of the wrong-answer message (never holds a line feed)
//   40011, 40012  status texts after a successful and a failed or cancelled load
//   40013         yes/no question whether to restart now
//   40014         status text when settings cannot be stored and live for this run only
LEXITRA_API std::u16string LoadTranslatedUiString(uint32_t id);
