// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>

// Told now and then how far a cue file has been read, so that whoever started a long
// load can show it and let the user stop it. It runs between cards, on the thread that
// loads, with the working set in a sound state.
class cLoadProgress {
public:
    virtual ~cLoadProgress() = default;

    // bytesRead of fileSize bytes of the file are read. False stops the load: nothing of
    // that file stays, and the load counts as failed.
    virtual bool OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) = 0;
};
