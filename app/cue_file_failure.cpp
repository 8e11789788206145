// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/cue_file_failure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "i18n/lexitra/lexitra.h"
#include "text/file_system_path.h"

namespace {

eUiText FailureOf(const std::u16string& path, bool notWellFormed) {
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
    return notWellFormed ? eUiText::FileNotWellFormed : eUiText::FileReadError;
}

}  // namespace

std::u16string DescribeCueFileFailure(const std::u16string& path, bool notWellFormed) {
    return LoadTranslatedUiString(FailureOf(path, notWellFormed));
}
