// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/browser_launch.h"

#include "platform/desktop/browser_launcher.h"
#include "platform/qt/qt_desktop.h"

void LaunchDefaultBrowser(const std::u16string& url) {
    cQtDesktop desktop;
    LaunchDefaultBrowser(url, desktop);
}
