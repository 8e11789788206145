// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <functional>
#include <utility>

// Tells whoever listens, once per run, that something the user keeps is not being kept:
// at the first failure, or at once when the listener comes after it.
class cOnceNotice {
public:
    void SetListener(std::function<void()> listener) {
        m_listener = std::move(listener);
        if (m_given && m_listener) {
            m_listener();
        }
    }
    void Give() {
        if (!m_given) {
            m_given = true;
            if (m_listener) {
                m_listener();
            }
        }
    }

private:
    std::function<void()> m_listener;
    bool m_given = false;
};
