// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include "platform/pass_history.h"

// The pass fault_helper's "passes" writes, and the tests count: three cards, each missed
// once and graded Again, under keys with their top bits set.
inline sPassRecord WriterPass() {
    sPassRecord pass{0, u"writer", u"writer.recallix", 3000, 3, 3, 0, false, {}};
    for (const char16_t* word : {u"one", u"two", u"three"}) {
        pass.missed.push_back({word, word, 1, false});
        pass.graded.push_back({0xF00D'0000'0000'0000 + word[1],
                               1000,
                               eGrade::Again,
                               2500,
                               {1, 5, 1000, 1, 1, 1, 0, 0}});
    }
    return pass;
}
