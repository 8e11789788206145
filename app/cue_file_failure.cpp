// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/cue_file_failure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "lexitra/lexitra.h"
#include "text/file_system_path.h"

namespace {

eUiText FailureOfContent(eLoadFault fault) {
    switch (fault) {
        case eLoadFault::NotWellFormedXml:
            return eUiText::FileNotWellFormed;
        case eLoadFault::NotKvtml2:
            return eUiText::FileNotVocabularyDocument;
        case eLoadFault::OpenQuote:
            return eUiText::FileOpenQuote;
        case eLoadFault::TextAfterQuote:
            return eUiText::FileTextAfterQuote;
        default:
            return eUiText::FileReadError;
    }
}

eUiText FailureOf(const std::u16string& path, eLoadFault fault) {
    std::string bytes;
    struct stat status {};
    if (!ToFileSystemPath(path, bytes)) {
        return eUiText::FileMissing;  // no file can have that name
    }
    if (::stat(bytes.c_str(), &status) != 0) {
        // A folder on the way that may not be searched hides the file from us.
        return errno == EACCES ? eUiText::FileUnreadable : eUiText::FileMissing;
    }
    if (S_ISDIR(status.st_mode)) {
        return eUiText::FileIsFolder;
    }
    if (!S_ISREG(status.st_mode)) {
        return eUiText::FileNotRegular;
    }
    if (::access(bytes.c_str(), R_OK) != 0) {
        return eUiText::FileUnreadable;
    }
    return FailureOfContent(fault);
}

}  // namespace

std::u16string DescribeCueFileFailure(const std::u16string& path, eLoadFault fault) {
    return LoadTranslatedUiString(FailureOf(path, fault));
}
