// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>

#include "engine/card_loader.h"

// Why a cue file could not be loaded, in the user's language, found by looking at the file
// once the load has failed: missing, a folder, not a regular file, not readable, or (when
// it looks fine) what the loader found wrong with it: a read that failed part way, XML that
// is not well-formed or no vocabulary document, a list with a broken quote.
std::u16string DescribeCueFileFailure(const std::u16string& path,
                                      eLoadFault fault = eLoadFault::Unreadable);
