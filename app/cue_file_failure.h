// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>

// Why a cue file could not be loaded, in the user's language, found by looking at the file
// once the load has failed: missing, a folder, not a regular file, not readable, or (when
// it looks fine) a read that failed part way, or a vocabulary list that is not well-formed
// when the teacher found it so.
std::u16string DescribeCueFileFailure(const std::u16string& path, bool notWellFormed = false);
