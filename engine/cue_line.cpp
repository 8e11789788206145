// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/cue_line.h"

cCueLine::cCueLine(std::u16string cue, std::u16string answer)
    : m_cue(std::move(cue)), m_answer(std::move(answer)) {}
