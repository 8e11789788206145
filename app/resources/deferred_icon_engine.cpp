// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/deferred_icon_engine.h"

#include <QPainter>
#include <utility>

cDeferredIconEngine::cDeferredIconEngine(std::function<QIcon()> load, QList<QSize> sizes)
    : m_load(std::move(load)), m_sizes(std::move(sizes)) {}

void cDeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                                QIcon::State state) {
    Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap cDeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().pixmap(size, 1.0, mode, state);
}

// size is in device pixels already: the real icon is asked for the size in the widget's
// own pixels at that scale.
QPixmap cDeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                          qreal scale) {
    return Loaded().pixmap(size / scale, scale, mode, state);
}

QSize cDeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return Loaded().actualSize(size, mode, state);
}

QList<QSize> cDeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    if (m_sizes.isEmpty()) {
        return Loaded().availableSizes(mode, state);
    }
    // The known sizes are the images of the normal, off state.
    return mode == QIcon::Normal && state == QIcon::Off ? m_sizes : QList<QSize>();
}

QString cDeferredIconEngine::key() const {
    return QStringLiteral("RecallixDeferredIcon");
}

QIconEngine* cDeferredIconEngine::clone() const {
    return new cDeferredIconEngine(*this);
}

const QIcon& cDeferredIconEngine::Loaded() {
    if (!m_loaded) {
        m_icon = m_load();
        m_loaded = true;
    }
    return m_icon;
}
