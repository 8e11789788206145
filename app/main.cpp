// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QApplication>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_app.h"
#include "text/file_system_path.h"

namespace {

// The program's name and the arguments left after Qt has taken its own, decoded so that a
// file name that is not UTF-8 still opens the file it names.
QStringList DecodedArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
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
    const cCommandLine commandLine(DecodedArguments(argc, argv));
    if (!commandLine.ShouldRun()) {
        std::fputs(commandLine.GetOutput().toUtf8().constData(), stdout);
        std::fputs(commandLine.GetError().toUtf8().constData(), stderr);
        return commandLine.GetExitCode();
    }
    int exitCode = 1;
    bool restart = false;
    {
        cMainApp app;
        if (app.InitInstance(commandLine.GetFiles())) {
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
