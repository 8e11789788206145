// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QObject>
#include <QTimer>

// Lets the text cursor stop blinking once the learner has not typed, clicked or scrolled
// for a while, as the desktop's own text fields do: a blinking caret repaints its box twice
// a second for as long as the window is open, which is most of what an idle window costs.
// The caret stays visible, solid; the next input makes it blink again at once.
class cCaretBlinkRest : public QObject {
    Q_OBJECT

public:
    static constexpr int kRestAfterMs = 10'000;

    // Watches the input of the whole application while it exists.
    explicit cCaretBlinkRest(QObject* parent);
    // Leaves the caret blinking as the desktop set it.
    ~cCaretBlinkRest() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Wake();
    void Rest();

    int m_flashTimeMs;  // the desktop's blink period; 0 when it wants no blinking at all
    QTimer m_restTimer{this};
};
