// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSet>
#include <cstdlib>

#include "app/resources/version.h"

namespace {

// The first argument that looks like an option of ours but is none. Checked before Qt's
// parser, which would read "-x.recallix" as ten one-letter options.
QString FindUnknownOption(const QStringList& arguments) {
    static const QSet<QString> known = {QStringLiteral("-h"), QStringLiteral("--help"),
                                        QStringLiteral("--help-all"), QStringLiteral("-v"),
                                        QStringLiteral("--version")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--")) {
            break;  // every argument after it is a file
        }
        if (argument.size() > 1 && argument.startsWith(u'-') && !known.contains(argument)) {
            return argument;
        }
    }
    return {};
}

}  // namespace

// The program's options and what they are for, as --help shows them.
void cCommandLine::Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Studies cue cards in timed passes. The cue files named are loaded in "
                       "order, as the Load command loads them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("cue-files"),
                                 QStringLiteral("Cue files to load at start."),
                                 QStringLiteral("[cue-file...]"));
}

void cCommandLine::ExitWithHelpIncludingQtOptions() {
    QCommandLineParser parser;
    Describe(parser);
    parser.process({QCoreApplication::applicationFilePath(), QStringLiteral("--help-all")});
    std::exit(kExitDone);  // not reached: the parser ends the program once it has printed
}

cCommandLine::cCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    const QString program = QString::fromStdU16String(kProductName);
    const QString unknown = FindUnknownOption(arguments);
    if (!unknown.isEmpty()) {
        m_run = false;
        m_exitCode = kExitBadOption;
        m_error = program + QStringLiteral(": Unknown option: ") + unknown +
                  QStringLiteral(
                      "\nA cue file whose name starts with a dash goes after --, as "
                      "in: recallix -- ") +
                  unknown + QStringLiteral("\nTry 'recallix --help' for the options.\n");
    } else if (!parser.parse(arguments)) {
        m_run = false;
        m_exitCode = kExitBadOption;
        m_error = program + QStringLiteral(": ") + parser.errorText() +
                  QStringLiteral("\nTry 'recallix --help' for the options.\n");
    } else if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        m_run = false;
        m_output = parser.helpText();
        m_withQtOptions = parser.isSet(QStringLiteral("help-all"));
    } else if (parser.isSet(QStringLiteral("version"))) {
        m_run = false;
        m_output = program + u' ' + QString::fromStdU16String(kVersionText) + u'\n';
    } else {
        m_files = parser.positionalArguments();
    }
}
