// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/command_line.h"

#include <QCommandLineParser>

#include "app/resources/version.h"

cCommandLine::cCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Studies cue cards in timed passes. The cue files named are loaded in "
                       "order, as the Load command loads them."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("cue-files"),
                                 QStringLiteral("Cue files to load at start."),
                                 QStringLiteral("[cue-file...]"));
    const QString program = QString::fromStdU16String(kProductName);
    if (!parser.parse(arguments)) {
        m_run = false;
        m_exitCode = kExitBadOption;
        m_error = program + QStringLiteral(": ") + parser.errorText() +
                  QStringLiteral("\nTry 'recallix --help' for the options.\n");
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        m_run = false;
        m_output = parser.helpText();
    } else if (parser.isSet(version)) {
        m_run = false;
        m_output = program + u' ' + QString::fromStdU16String(kVersionText) + u'\n';
    } else {
        m_files = parser.positionalArguments();
    }
}
