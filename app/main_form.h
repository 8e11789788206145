// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <map>
#include <memory>
#include <string>

#include <QTimer>
#include <QWidget>

#include "app/view.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class cMainDoc;
struct sFormTemplate;

// The program's one view: the study form. Its controls come from one of three form
// layouts (chosen by the font setting) and show the document's state; its buttons and
// the Answer box drive the working set through the document.
class cMainForm : public QWidget, public cView {
    Q_OBJECT

public:
    // The form in layout kIdFormTemplateFirst + fontIndex, in the current language; null
    // when there is no such layout.
    static std::unique_ptr<cMainForm> Create(cMainDoc& doc, int fontIndex,
                                             QWidget* parent = nullptr);
    ~cMainForm() override;

    // Fills every control, starts the clock display. Called once the form is in its window.
    void OnInitialUpdate();
    void OnUpdate(cView* sender, long hint) override;
    // Answer box read-only when nothing is left to do; Next enabled for a ready answer.
    void UpdateAnswerState();
    // Makes the controls follow the form's size.
    void ArrangeControls();

    // Runs the command of a button or menu entry (Clear, Restart, Load, Next, Ignore,
    // Close, Help > Accents). False for ids the form does not handle.
    bool OnCommand(int id);

    // The control bound to a layout item id; null for an unknown id.
    QWidget* GetControl(int id) const;
    QSize sizeHint() const override { return m_templateSize; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    cMainForm(cMainDoc& doc, const sFormTemplate& layout, QWidget* parent);
    void CreateControls(const sFormTemplate& layout);
    void BindControls();
    void ConnectControls();

    QPushButton* AccessKeyButton(const QKeyEvent& key) const;
    void OnAccessKey(QPushButton* button);
    void OnEnter(QWidget* control, Qt::KeyboardModifiers modifiers);
    void OnNext(Qt::KeyboardModifiers modifiers);
    void OnAnswerChanged();
    // Shows the pass time and, while it runs, wakes again when the shown text next changes.
    void OnTimer();
    void ShowWrongAnswer(const std::u16string& message);
    void FillFileList();
    // Sets the Answer box's text as the program (not the user) does.
    void SetAnswerText(const QString& text);
    void FocusAnswer();

    cMainDoc& m_doc;
    QSize m_templateSize;
    std::map<int, QWidget*> m_controls;
    QTimer m_timer{this};  // the Time box's clock, "ClockTimer": single-shot, re-armed
    bool m_settingAnswerText = false;

    QListWidget* m_fileList = nullptr;
    QPushButton* m_ignore = nullptr;
    QLineEdit* m_totalCues = nullptr;
    QLineEdit* m_cuesLeft = nullptr;
    QPushButton* m_next = nullptr;
    QProgressBar* m_progress = nullptr;
    QLineEdit* m_answer = nullptr;
    QLineEdit* m_time = nullptr;
    QLineEdit* m_fastest = nullptr;
    QLineEdit* m_cue = nullptr;
    QPushButton* m_restart = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_clear = nullptr;
};
