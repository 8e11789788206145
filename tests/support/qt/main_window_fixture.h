// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <functional>
#include <memory>

#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/resources/control_ids.h"
#include "app/run_state.h"
#include "app/view.h"
#include "engine/teacher.h"
#include "lexitra/lexitra.h"
#include "locale/thread_locale.h"
#include "platform/memory_profile.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/fake_tick_source.h"
#include "tests/support/temp_dir.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline QString Translated(eUiText id) {
    return QString::fromStdU16String(LoadTranslatedUiString(id));
}

// Fails the test on any message box that no test expects, and closes it, so that no test
// can hang on one.
inline void AnswerUnexpectedMessageBoxes() {
    AnswerNextMessageBox([](QMessageBox& box) {
        ADD_FAILURE() << "unexpected message box: " << box.text().toStdString();
        AnswerUnexpectedMessageBoxes();
        return QMessageBox::NoButton;
    });
}

// The text a screen reader reads for an object: its name, or what else is asked.
inline QString Accessible(QObject* object, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

// A view that runs what the test gives it on each refresh.
struct cCallbackView : cView {
    void OnUpdate(cView*, long) override { onUpdate(); }
    std::function<void()> onUpdate;
};

// Runs action, answering the message box it shows with button once whileOpen has run while
// the box is open: what the box said, or nothing when no box was shown.
inline QString BoxSaidBy(
    const std::function<void()>& action, QMessageBox::StandardButton button = QMessageBox::Ok,
    const std::function<void()>& whileOpen = [] {}) {
    QString said;
    AnswerNextMessageBox([&](QMessageBox& box) {
        said = box.text();
        whileOpen();
        return button;
    });
    action();
    AnswerUnexpectedMessageBoxes();
    return said;
}

// The real window on an in-memory profile, a fake clock and a fake file picker.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        AnswerUnexpectedMessageBoxes();
        doc = std::make_unique<cMainDoc>(profile, ticks);
        Rebuild(kLocaleEnglishUs);
    }

    // Builds the window (again) as start-up does in that language, and activates it.
    void Rebuild(uint32_t locale) {
        frame.reset();
        SetThreadLocale(locale);
        frame = cMainFrame::Create(*doc, profile, runState);
        ASSERT_NE(frame, nullptr);
        form = frame->GetForm();
        doc->SetFilePicker(&picker);
        QApplication::setActiveWindow(frame.get());  // shortcuts reach only the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void TearDown() override {
        frame.reset();
        SetThreadLocale(kLocaleEnglishUs);
    }

    template <class Widget>
    Widget* Get(int id) const {
        return qobject_cast<Widget*>(form->GetControl(id));
    }
    QLineEdit* Edit(int id) const { return Get<QLineEdit>(id); }
    QPushButton* Button(int id) const { return Get<QPushButton>(id); }
    QLineEdit* AnswerBox() const { return Edit(kIdAnswer); }
    QString Text(int id) const { return Edit(id)->text(); }
    QString Cue() const { return Text(kIdCue); }
    QListWidget* FileList() const { return Get<QListWidget>(kIdFileList); }
    // Opening any menu of the bar builds the language list and sets the marks.
    void OpenFileMenu() { emit frame->menuBar()->actions().first()->menu()->aboutToShow(); }
    // Where the keyboard focus is in the window (holds also while it is not the active one).
    QWidget* Focused() const { return frame->focusWidget(); }

    // The form's clock timer, which rewrites the Time box every 100 ms.
    QTimer* ClockTimer() const { return form->findChild<QTimer*>(QStringLiteral("ClockTimer")); }
    // The Time box after one tick of that timer, delivered as the event loop would.
    QString TimeAfterATick() const {
        QTimerEvent tick(ClockTimer()->timerId());
        QCoreApplication::sendEvent(ClockTimer(), &tick);
        return Edit(kIdTime)->text();
    }

    // Writes a cue file and loads it with the Load button, as if chosen in the file dialog.
    void LoadFile(const std::string& name, const std::string& text) {
        picker.chosen = {files.Write(name, text)};
        Button(kIdLoad)->click();
    }
    // Three cards; the first one ("one") is shown first.
    void ChooseGerman() {
        picker.chosen = {
            files.Write("german.recallix", "one = eins\r\ntwo = zwei\r\nthree = drei\r\n")};
    }
    void LoadGerman() {
        ChooseGerman();
        Button(kIdLoad)->click();
    }

    QString RightAnswer() const {
        return QString::fromStdU16String(doc->GetTeacher().GetCurrentCard().GetAnswer());
    }
    // Types the right answer to the cue shown and presses Enter.
    void AnswerRight() {
        QTest::keyClicks(AnswerBox(), RightAnswer());
        QTest::keyClick(AnswerBox(), Qt::Key_Return);
    }

    cTempDir files;
    cMemoryProfile profile;
    cFakeTickSource ticks;
    cFakeFilePicker picker;
    sRunState runState;
    std::unique_ptr<cMainDoc> doc;
    std::unique_ptr<cMainFrame> frame;  // owns the form; goes before the document
    cMainForm* form = nullptr;
};

// The window with the three German cards loaded.
class LoadedWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadGerman();
    }
};
