// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <vector>

#include "platform/file_picker.h"

// A file picker that answers with prepared paths, or cancels when it has none.
class cFakeFilePicker : public cFilePicker {
public:
    bool PickFiles(const std::u16string& title, const std::u16string& filter,
                   std::vector<std::u16string>& paths) override {
        lastTitle = title;
        lastFilter = filter;
        if (cancel) {
            return false;
        }
        paths = chosen;
        return true;
    }
    bool IsShiftDown() const override { return shift; }

    std::vector<std::u16string> chosen;
    bool cancel = false;
    bool shift = false;
    std::u16string lastTitle;
    std::u16string lastFilter;
};
