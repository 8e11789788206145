// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The main of every test program that needs a QApplication: headless unless the caller
// asks for a display, and with the user's configuration folder moved to a temporary one,
// so nothing a test writes (settings, the file dialog's own state) reaches the user's.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir configHome;
    if (!configHome.isValid()) {
        qFatal("cannot create a temporary configuration folder");
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    // The pass history of any window a test starts goes there too, never to the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(configHome.path() + QStringLiteral("/data")));
    QApplication app(argc, argv);
    // Tests close windows and go on with the next one.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
