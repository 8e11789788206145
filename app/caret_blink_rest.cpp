// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/caret_blink_rest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace {

// Taken before any rest has changed it, so that a second window (the restart builds the new
// one before the old is gone) does not take a resting caret for the desktop's choice.
int DesktopFlashTimeMs() {
    static const int flashTimeMs = QGuiApplication::styleHints()->cursorFlashTime();
    return flashTimeMs;
}

}  // namespace

cCaretBlinkRest::cCaretBlinkRest(QObject* parent)
    : QObject(parent), m_flashTimeMs(DesktopFlashTimeMs()) {
    m_restTimer.setObjectName(QStringLiteral("CaretRestTimer"));
    m_restTimer.setSingleShot(true);
    m_restTimer.setInterval(kRestAfterMs);
    connect(&m_restTimer, &QTimer::timeout, this, &cCaretBlinkRest::Rest);
    QCoreApplication::instance()->installEventFilter(this);
    m_restTimer.start();
}

cCaretBlinkRest::~cCaretBlinkRest() {
    QGuiApplication::styleHints()->setCursorFlashTime(m_flashTimeMs);
}

bool cCaretBlinkRest::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
            Wake();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void cCaretBlinkRest::Wake() {
    if (QGuiApplication::styleHints()->cursorFlashTime() != m_flashTimeMs) {
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTimeMs);
    }
    m_restTimer.start();
}

void cCaretBlinkRest::Rest() {
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}
