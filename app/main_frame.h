// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <map>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QPointer>

#include "app/caret_blink_rest.h"
#include "app/run_state.h"
#include "app/view.h"
#include "platform/qt/explore_file_dialog.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class cHistoryWindow;
class cMainDoc;
class cMainForm;
class cProfile;

// The program's only top-level window: the menu bar, the status bar and the form. It
// handles the menu commands that are not about the working set: fonts, languages, the
// web link, About and Exit.
class cMainFrame : public QMainWindow, public cView {
    Q_OBJECT

public:
    // The program's window as start-up builds it: the frame with the form in layout
    // runState.CurrentFontIndex, sized to the layout as far as the screen has room, shown
    // and filled. Null when there is no such layout.
    static std::unique_ptr<cMainFrame> Create(cMainDoc& doc, cProfile& profile,
                                              sRunState& runState);

    // While it exists the frame gives the document its file dialog and its status bar.
    cMainFrame(cMainDoc& doc, cProfile& profile, sRunState& runState);
    ~cMainFrame() override;

    // Hosts the form; the frame owns it from now on.
    void SetForm(std::unique_ptr<cMainForm> form);
    // Sizes the window to its layout, which is also its smallest size, as far as a screen
    // of the available size has room; below that the form scrolls.
    void FitToScreen(const QSize& available);
    cMainForm* GetForm() const { return m_form; }

    // Shows a text in the status bar at once; the idle prompt returns when the menus
    // next show their prompts.
    void OnStatusText(const std::u16string& text);
    QString GetStatusText() const;

    // Asks whether to restart now. On Yes the restart is requested and the window closes
    // once the calling handler has returned.
    bool ConfirmRestart();

    // Runs a menu command by id, as choosing the entry does.
    void OnCommand(int id);
    // Fills the Language popup from the document's language table (once).
    void BuildLanguageMenu();
    // The menu entry of a command id; null when there is none.
    QAction* FindAction(int id) const;
    QMenu* GetLanguageMenu() const { return m_languageMenu; }
    // The History window while it is open; null otherwise.
    cHistoryWindow* GetHistoryWindow() const;
    // Enables the menu commands that depend on the document's state.
    void UpdateCommandStates();
    // The count of cards due today, in the status bar and the menu, follows the document.
    void OnUpdate(cView* sender, long hint) override;
    QString GetDueText() const;

protected:
    // Menu prompts go to the one status text, like every other status text.
    bool event(QEvent* event) override;
    // Cue files dropped onto the window load as if chosen in the Load dialog; Shift held
    // while dropping loads them reversed.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateStatusBar();
    QAction* AddCommand(QMenu* menu, int id, const QString& text);
    void UpdateMenuMarks();
    void ShowDueCount();
    void OnFontChange(int id);
    void OnLanguageChange(int id);
    void OnAbout();
    void OnHistory();
    void OnWebLink();

    cMainDoc& m_doc;
    cProfile& m_profile;
    sRunState& m_runState;
    cExploreFileDialog m_filePicker;
    cMainForm* m_form = nullptr;
    QMenu* m_languageMenu = nullptr;
    QLabel* m_statusText = nullptr;  // what the status bar shows, and reads to screen readers
    QLabel* m_dueText = nullptr;     // how many loaded cards are due today
    QString m_studyDueText;          // the menu entry's text without the count
    std::map<int, QAction*> m_actions;
    QPointer<cHistoryWindow> m_historyWindow;
    cCaretBlinkRest m_caretBlinkRest{this};
};
