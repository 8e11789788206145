// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <QElapsedTimer>
#include <QObject>

#include "engine/load_progress.h"

// Keeps the window alive while a cue file loads on the user-interface thread. Once a load
// has run for a moment it shows how far it has got in the status bar and lets the window
// handle its events between cards, so it repaints and its clock runs. Input is held back
// meanwhile, since no command may reach the working set half way through a load; Esc
// (or closing the window) stops the load instead.
class cLoadProgressDisplay : public QObject, public cLoadProgress {
public:
    static constexpr int kQuietMs = 200;   // a load shorter than this shows nothing
    static constexpr int kRefreshMs = 40;  // how often the window gets its turn

    using StatusSink = std::function<void(const std::u16string& text)>;
    cLoadProgressDisplay(StatusSink statusSink, int quietMs);
    ~cLoadProgressDisplay() override;
    cLoadProgressDisplay(const cLoadProgressDisplay&) = delete;
    cLoadProgressDisplay& operator=(const cLoadProgressDisplay&) = delete;

    bool OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) override;
    bool IsCancelled() const { return m_cancelled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPercentage(int percent);

    StatusSink m_statusSink;
    QElapsedTimer m_started;
    int m_quietMs;
    qint64 m_lastTurnMs = -kRefreshMs;  // the first report after the quiet time gets a turn
    int m_shownPercent = -1;
    bool m_cancelled = false;
    bool m_filtering = false;
};
