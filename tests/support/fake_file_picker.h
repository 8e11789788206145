// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/file_picker.h"

// A file picker that answers with prepared paths, or cancels when it has none.
class cFakeFilePicker : public cFilePicker {
public:
    bool PickFiles(const std::u16string&, const std::u16string& shownFilter,
                   std::vector<std::u16string>& paths) override {
        filter = shownFilter;
        whilePicking();
        paths = cancel ? paths : chosen;  // a cancelled dialog leaves them alone
        return !cancel;
    }
    bool IsShiftDown() const override { return shift; }

    std::u16string filter;  // the file types offered the last time
    std::vector<std::u16string> chosen;
    std::function<void()> whilePicking = [] {};  // runs while the dialog would be open
    bool cancel = false;
    bool shift = false;
};
