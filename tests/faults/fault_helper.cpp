// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Another instance of the program, for the fault tests:
//   records PATH PREFIX COUNT   writes FastestTimes/PREFIX_<i> = 1000 + i
//   lock PATH                   holds the settings lock (QSettings' own) for 10 s and says
//                               "locked"
//   turn PATH                   the same with the writers' turn (the update lock)
//   passes PATH COUNT           records COUNT passes (0: forever) into the pass history at
//                               PATH, each with its three cards missed once; says "ready"
//                               after the first
//   hold PATH KIND              holds the pass history at PATH locked, as a backup tool or
//                               an sqlite3 shell does, until a line comes on standard input;
//                               says "locked". KIND: "transaction" (BEGIN EXCLUSIVE) or
//                               "exclusive" (PRAGMA locking_mode=EXCLUSIVE)
//   hold PATH KIND MS           the same, letting go by itself after MS milliseconds
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <thread>

#include <QCoreApplication>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "platform/qt/settings_lock.h"
#include "platform/qt/settings_profile.h"
#include "platform/qt/sqlite_pass_history.h"
#include "writer_pass.h"

namespace {

// A line for the test that waits for it.
void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int WriteRecords(const QString& path, const QString& prefix, long count) {
    cSettingsProfile profile(path);
    bool allWritten = true;
    for (long i = 0; i < count; ++i) {
        const std::u16string key = (prefix + QStringLiteral("_%1").arg(i)).toStdU16String();
        allWritten = profile.WriteProfileInt(u"FastestTimes", key, 1000 + i) && allWritten;
    }
    return allWritten ? 0 : 1;
}

int Hold(const QString& path, bool turn) {
    QLockFile lock(path + QStringLiteral(".lock"));
    cSettingsLock writersTurn(path);
    if (!(turn ? writersTurn.Acquire() : lock.lock())) {
        return 1;
    }
    Say("locked");
    std::this_thread::sleep_for(std::chrono::seconds(10));
    return 0;
}

int RecordPasses(const QString& path, long count) {
    cSqlitePassHistory history(path);
    const sPassRecord pass = WriterPass();
    for (long i = 0; count == 0 || i < count; ++i) {
        history.RecordPass(pass);
        history.RecordGradedAnswers({pass.graded[0]});  // of a pass that did not finish
        if (i == 0) {
            Say("ready");
        }
    }
    return history.Open() ? 0 : 1;
}

int HoldHistory(const QString& path, const QString& kind, long holdMs) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    db.open();  // if it fails, so does the first statement
    QSqlQuery query(db);
    const QStringList statements =
        kind == "exclusive"
            ? QStringList{"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE",
                          "UPDATE pass SET cards = cards WHERE id = 1", "COMMIT"}
            : QStringList{"BEGIN EXCLUSIVE", "UPDATE pass SET cards = cards WHERE id = 1"};
    for (const QString& sql : statements) {
        if (!query.exec(sql)) {
            return 1;
        }
    }
    Say("locked");
    if (holdMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    } else {
        std::getchar();  // until the test lets go
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString path = args.value(2);
    // Each mode by the number of its arguments (the program's name among them).
    const std::map<std::pair<QString, qsizetype>, std::function<int()>> modes{
        {{"records", 5}, [&] { return WriteRecords(path, args[3], args[4].toLong()); }},
        {{"lock", 3}, [&] { return Hold(path, false); }},
        {{"turn", 3}, [&] { return Hold(path, true); }},
        {{"passes", 4}, [&] { return RecordPasses(path, args[3].toLong()); }},
        {{"hold", 4}, [&] { return HoldHistory(path, args[3], 0); }},
        {{"hold", 5}, [&] { return HoldHistory(path, args[3], args[4].toLong()); }},
    };
    const auto mode = modes.find({args.value(1), args.size()});
    if (mode != modes.end()) {
        return mode->second();
    }
    std::fprintf(stderr, "fault_helper: unknown arguments\n");
    return 2;
}
