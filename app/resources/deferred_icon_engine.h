// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <functional>

// An icon that makes its images only when it is first drawn or measured. Reading images
// at start-up is dear: the first one read makes Qt load every image format plugin on the
// machine, and a window icon that the platform never shows need not be read at all.
class cDeferredIconEngine final : public QIconEngine {
public:
    // load makes the real icon. sizes, when known, are the sizes the icon has, reported
    // without loading it.
    explicit cDeferredIconEngine(std::function<QIcon()> load, QList<QSize> sizes = {});

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    // Asked by buttons and windows as they are built; these icons always have images, so
    // the answer needs none of them.
    bool isNull() override { return false; }
    QString key() const override;
    QIconEngine* clone() const override;

private:
    const QIcon& Loaded();

    std::function<QIcon()> m_load;
    QList<QSize> m_sizes;
    QIcon m_icon;
    bool m_loaded = false;
};
