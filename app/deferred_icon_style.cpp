// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/deferred_icon_style.h"

#include <QApplication>
#include <QPointer>

#include "app/resources/deferred_icon_engine.h"

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
    // Gone when the application changes its style.
    const QPointer<QStyle> base = baseStyle();
    return QIcon(new cDeferredIconEngine(
        [base, which] { return base != nullptr ? base->standardIcon(which) : QIcon(); }));
}
