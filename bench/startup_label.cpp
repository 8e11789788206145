// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The start-up baseline: a Qt program whose window shows one line of text, so the fonts
// are set up as in any program that shows text; it ends once the window is shown.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Recallix"));
    label.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
