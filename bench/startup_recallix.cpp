// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Starts Recallix exactly as its main() does, and quits as soon as the event loop runs
// with the window shown: the time of a start-up to the first window.
#include <QApplication>
#include <QTimer>

#include "app/main_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    cMainApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1))) {
        return 1;
    }
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
