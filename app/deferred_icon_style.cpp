// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace {

// Stands in for one of a style's standard icons and asks the style for it only when the
// icon is first drawn or measured.
class cDeferredStandardIcon : public QIconEngine {
public:
    cDeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    // size is in device pixels already: the icon is asked for its size in the widget's
    // own pixels at that scale.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    // Asked by buttons as they are built; every style has these icons, so the answer needs
    // no image.
    bool isNull() override { return m_style == nullptr; }
    QString key() const override { return QStringLiteral("deferred-standard-icon"); }
    QIconEngine* clone() const override { return new cDeferredStandardIcon(*this); }

private:
    const QIcon& Icon() {
        if (!m_loaded && m_style != nullptr) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;  // gone when the application changes its style
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};

}  // namespace

void cDeferredIconStyle::Install() {
    if (qobject_cast<cDeferredIconStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new cDeferredIconStyle(QApplication::style()));
    }
}

cDeferredIconStyle::cDeferredIconStyle(QStyle* style) : QProxyStyle(style) {}

QIcon cDeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                       const QWidget* widget) const {
    const bool extensionButton =
        which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton;
    // An option or a widget describes the moment of the call and cannot be kept for later;
    // the menu bar passes its widget only by habit, as the styles draw these icons the same
    // for every widget.
    if (!extensionButton || option != nullptr) {
        return QProxyStyle::standardIcon(which, option, widget);
    }
    return QIcon(new cDeferredStandardIcon(baseStyle(), which));
}
