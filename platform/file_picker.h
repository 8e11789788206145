// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <vector>

// Lets the user choose cue files. The real one is a file dialog; tests use a fake.
class cFilePicker {
public:
    virtual ~cFilePicker();
    // Shows the picker with the caller's title and a "|"-separated filter text
    // (description|pattern||). Returns false when the user cancels; otherwise fills
    // paths with the full paths chosen, in the picker's order.
    virtual bool PickFiles(const std::u16string& title, const std::u16string& filter,
                           std::vector<std::u16string>& paths) = 0;
    // Whether Shift is held down now (read right after the picker has closed).
    virtual bool IsShiftDown() const = 0;
};
