// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QApplication>

#include "app/main_app.h"
#include "text/file_system_path.h"

namespace {

// The arguments left after Qt has taken its own, decoded so that a file name that is not
// UTF-8 still opens the file it names.
QStringList FileArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromStdU16String(FromFileSystemPath(argv[i]));
    }
    return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the windows to the installed desktop entry, for its name and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vorlen.recallix"));
    // The user's data folder for the pass history: ~/.local/share/Vorlen/Recallix.
    QCoreApplication::setOrganizationName(QStringLiteral("Vorlen"));
    QCoreApplication::setApplicationName(QStringLiteral("Recallix"));
    int exitCode = 1;
    bool restart = false;
    {
        cMainApp app;
        if (app.InitInstance(FileArguments(argc, argv))) {
            exitCode = QApplication::exec();
        }
        restart = app.GetRunState().RestartRequested;
    }
    // The old window is gone; the new instance may start while this one finishes.
    if (restart) {
        cMainApp::StartNewInstance();
    }
    return exitCode;
}
