// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/load_progress_display.h"

#include <QApplication>
#include <QKeyEvent>

#include "lexitra/lexitra.h"

namespace {

// Events by which the user could start a command.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

}  // namespace

cLoadProgressDisplay::cLoadProgressDisplay(StatusSink statusSink, int quietMs)
    : m_statusSink(std::move(statusSink)), m_quietMs(quietMs) {
    m_started.start();
}

cLoadProgressDisplay::~cLoadProgressDisplay() {
    if (m_filtering) {
        qApp->removeEventFilter(this);
    }
}

bool cLoadProgressDisplay::OnLoadProgress(uint64_t bytesRead, uint64_t fileSize) {
    const qint64 now = m_started.elapsed();
    if (m_cancelled || now < m_quietMs || now - m_lastTurnMs < kRefreshMs) {
        return !m_cancelled;
    }
    m_lastTurnMs = now;
    if (!m_filtering) {
        qApp->installEventFilter(this);
        m_filtering = true;
    }
    const uint64_t percent =
        fileSize == 0 ? 0 : std::min<uint64_t>(bytesRead * 100 / fileSize, 100);
    ShowPercentage(static_cast<int>(percent));
    QApplication::processEvents();
    return !m_cancelled;
}

void cLoadProgressDisplay::ShowPercentage(int percent) {
    if (percent == m_shownPercent || !m_statusSink) {
        return;
    }
    m_shownPercent = percent;
    const QString text = QString::fromStdU16String(LoadTranslatedUiString(eUiText::LoadProgress))
                             .replace(QStringLiteral("%i"), QString::number(percent));
    m_statusSink(text.toStdU16String());
}

bool cLoadProgressDisplay::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_cancelled = true;
        return true;
    }
    if (type == QEvent::Close) {
        m_cancelled = true;  // the window closes once the load has stopped, by a second try
        event->ignore();
        return true;
    }
    return IsUserInput(type) || QObject::eventFilter(watched, event);
}
