#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "platform/profile.h"
#include "platform/tick_source.h"

class cMainDoc;
class cMainFrame;

// Start-up and the end of the program: where settings live, the stored language and
// form font, the one document with its window, the command line, and the restart the
// user asked for.
class cMainApp {
public:
    // Form layout in use: 0 Normal, 1 Verdana 12, 2 Tahoma 16.
    static int CurrentFontIndex;
    // Set when the user agreed to restart after a font or language change.
    static bool RestartRequested;

    // profile: where settings live; null for the user's own settings.
    explicit cMainApp(std::unique_ptr<cProfile> profile = nullptr);
    virtual ~cMainApp();
    cMainApp(const cMainApp&) = delete;
    cMainApp& operator=(const cMainApp&) = delete;

    // Builds and shows the window; arguments may name one cue file to open. False when
    // the program cannot start (the form's layout is missing, the cue file fails).
    bool InitInstance(const QStringList& arguments);

    // Starts a new instance of the program, without arguments, if a restart was asked for.
    // Called after the event loop has ended.
    static void StartRequestedRestart();

    static cMainFrame* GetMainWindow();
    static void SetMainWindow(cMainFrame* frame);
    // The name that captions the window and every message box.
    static QString GetAppName();

    cMainDoc* GetDocument() const { return m_doc.get(); }
    cMainFrame* GetFrame() const { return m_frame.get(); }
    cProfile& GetProfile() const { return *m_profile; }

private:
    void RestoreLanguage();
    bool CreateWindow();

    std::unique_ptr<cProfile> m_profile;
    cSystemTickSource m_ticks;
    std::unique_ptr<cMainDoc> m_doc;  // outlives the window, whose form shows it
    std::unique_ptr<cMainFrame> m_frame;
};
