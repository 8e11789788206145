// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QProxyStyle>

// The application's own style, with one change: the icons of the extension buttons, which
// every menu bar makes when it is built and shows only when the window is too narrow for
// its menus, read their images when they are first drawn. Reading the first image makes
// Qt load every image format plugin on the machine, which at start-up would cost more than
// any other single part of the menu bar.
class cDeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the application's current style, once; later calls change nothing.
    static void Install();

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    explicit cDeferredIconStyle(QStyle* style);
};
