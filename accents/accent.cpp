// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "accents/accent.h"

#include <utility>

cAccent::cAccent(std::u16string combination, std::u16string accented)
    : m_accented(std::move(accented)), m_combination(std::move(combination)) {}

cAccent::~cAccent() = default;
