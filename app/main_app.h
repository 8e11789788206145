// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <memory>

#include <QStringList>

#include "app/qt_translation.h"
#include "app/run_state.h"
#include "platform/profile.h"
#include "platform/tick_source.h"

class cMainDoc;
class cMainFrame;
class cSqlitePassHistory;

// Start-up and the end of the program: where settings live, the stored language and
// form font, the one document with its window, the command line, and the restart the
// user asked for.
class cMainApp {
public:
    // profile: where settings live; null for the user's own settings.
    explicit cMainApp(std::unique_ptr<cProfile> profile = nullptr);
    virtual ~cMainApp();
    cMainApp(const cMainApp&) = delete;
    cMainApp& operator=(const cMainApp&) = delete;

    // The names the desktop and the user's data folders know the program by; before the
    // first cMainApp, whose history lives under them.
    static void SetApplicationNames();

    // Starts with the cue files named and runs until the window is closed; the program's
    // exit status: 0 when the window was closed, 1 when the start failed.
    int Run(const QStringList& cueFiles);

    // Builds and shows the window after loading the cue files named, in order. False when
    // the program cannot start (the form's layout is missing, or a cue file cannot be
    // loaded: a message box names the file and the reason first).
    bool InitInstance(const QStringList& cueFiles);

    // Starts a new instance of the program, without arguments. Called once the old
    // window is gone, when the run state asks for it.
    static void StartNewInstance();

    cMainDoc* GetDocument() const { return m_doc.get(); }
    cMainFrame* GetFrame() const { return m_frame.get(); }
    cProfile& GetProfile() const { return *m_profile; }
    cSqlitePassHistory& GetPassHistory() const { return *m_history; }
    const sRunState& GetRunState() const { return m_runState; }

private:
    void RestoreLanguage();
    bool OpenCueFiles(const QStringList& cueFiles);

    void NoticeHistory();

    std::unique_ptr<cProfile> m_profile;
    std::unique_ptr<cSqlitePassHistory> m_history;
    cSystemTickSource m_ticks;
    sRunState m_runState;
    cQtTranslation m_qtTranslation;
    std::unique_ptr<cMainDoc> m_doc;  // outlives the window, whose form shows it
    std::unique_ptr<cMainFrame> m_frame;
};
