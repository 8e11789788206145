// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// A window that shows the document and refreshes when it changes.
class cView {
public:
    // Refresh hints: which parts of a view are stale. 0 means everything.
    static constexpr long kHintEverything = 0;
    static constexpr long kHintStudyState = 1;
    static constexpr long kHintFileList = 2;

    virtual ~cView() = default;
    virtual void OnUpdate(cView* sender, long hint) = 0;
};
