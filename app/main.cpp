// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QApplication>
#include <cstdio>
#include <memory>

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
    cMainApp::SetApplicationNames();
    const cCommandLine commandLine(DecodedArguments(argc, argv));
    if (commandLine.WantsQtOptions()) {
        cCommandLine::ExitWithHelpIncludingQtOptions();
    }
    if (!commandLine.ShouldRun()) {
        std::fputs(commandLine.GetOutput().toUtf8().constData(), stdout);
        std::fputs(commandLine.GetError().toUtf8().constData(), stderr);
        return commandLine.GetExitCode();
    }
    auto app = std::make_unique<cMainApp>();
    const int exitCode = app->Run(commandLine.GetFiles());
    const bool restart = app->GetRunState().RestartRequested;
    app.reset();
    // The old window is gone; the new instance may start while this one finishes.
    if (restart) {
        cMainApp::StartNewInstance();
    }
    return exitCode;
}
