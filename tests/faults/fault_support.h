// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// What the fault tests share: files as raw bytes, the way another tool (or the user's
// editor) sees them, and another instance of the program as a child process.

#include <memory>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Another instance of the program, killed (SIGKILL, in whatever it is doing) and waited for
// when it goes.
using HelperProcess = std::unique_ptr<QProcess, void (*)(QProcess*)>;

// Starts fault_helper with the arguments; see there for what each mode does. With ready,
// returns once the helper has said its first line.
inline HelperProcess StartHelper(const QStringList& arguments, bool ready = false) {
    HelperProcess process(new QProcess, [](QProcess* helper) {
        helper->kill();
        helper->waitForFinished();
        delete helper;
    });
    process->start(QStringLiteral(FAULT_HELPER), arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    EXPECT_TRUE(!ready || process->waitForReadyRead(30000))
        << process->readAllStandardError().constData();
    return process;
}
