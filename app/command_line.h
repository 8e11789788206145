// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the command line asks for: the program's own options (--help, --version) and the
// cue files to load at start, in the order given. Qt's own options (-platform, -style)
// are taken by QApplication before this sees the arguments.
class cCommandLine {
public:
    // Exit codes of a start that ends at the command line.
    static constexpr int kExitDone = 0;       // help or version printed
    static constexpr int kExitBadOption = 2;  // an option the program does not know

    // arguments: the program's name, then its arguments, already decoded (a name that is
    // not UTF-8 keeps its bytes as escapes).
    explicit cCommandLine(const QStringList& arguments);
    virtual ~cCommandLine() = default;

    // False when the program is to end at once with GetExitCode: help, version or an
    // unknown option. Then GetOutput (for standard output) or GetError (for standard
    // error) holds what to print.
    bool ShouldRun() const { return m_run; }
    int GetExitCode() const { return m_exitCode; }
    const QString& GetOutput() const { return m_output; }
    const QString& GetError() const { return m_error; }
    // --help-all: the help is to name Qt's own options too. Only Qt knows them, and it
    // tells them only by printing the help and ending the program, which this does.
    bool WantsQtOptions() const { return m_withQtOptions; }
    [[noreturn]] static void ExitWithHelpIncludingQtOptions();
    // The cue files to load, in order.
    const QStringList& GetFiles() const { return m_files; }

private:
    static void Describe(QCommandLineParser& parser);

    bool m_run = true;
    bool m_withQtOptions = false;
    int m_exitCode = kExitDone;
    QString m_output;
    QString m_error;
    QStringList m_files;
};
