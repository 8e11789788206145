#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/main_app.h"
#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/main_frame.h"
#include "app/resources/control_ids.h"
#include "engine/teacher.h"
#include "i18n/lexitra/lexitra.h"
#include "platform/memory_profile.h"
#include "platform/thread_locale.h"
#include "tests/support/fake_file_picker.h"
#include "tests/support/fake_tick_source.h"
#include "tests/support/temp_dir.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline QString Translated(uint32_t id) {
    return QString::fromStdU16String(LoadTranslatedUiString(id));
}

// Answers the next modal message box from inside its own event loop with the given button,
// after noting what it said and running whileOpen. Any other modal window still open after
// about two seconds is closed, so a test cannot hang on it.
class cMessageBoxAnswerer {
public:
    explicit cMessageBoxAnswerer(
        QMessageBox::StandardButton button, std::function<void()> whileOpen = [] {}) {
        QObject::connect(&m_timer, &QTimer::timeout, [this, button, whileOpen] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                if (modal != nullptr && ++m_polls > 100) {
                    modal->close();
                }
                return;
            }
            m_timer.stop();
            shown = true;
            text = box->text();
            icon = box->icon();
            whileOpen();
            QAbstractButton* clicked = box->button(button);
            EXPECT_NE(clicked, nullptr) << "the message box has no such button";
            clicked != nullptr ? clicked->click() : box->reject();
        });
        m_timer.start(20);
    }

    bool shown = false;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QTimer m_timer;
    int m_polls = 0;
};

// The real window on an in-memory profile, a fake clock and a fake file picker.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetThreadLocale(1033);
        doc = std::make_unique<cMainDoc>(profile, ticks);
        frame = std::make_unique<cMainFrame>(*doc, profile);
        std::unique_ptr<cMainForm> created = cMainForm::Create(*doc, 0);
        ASSERT_NE(created, nullptr);
        form = created.get();
        frame->SetForm(std::move(created));
        cMainApp::SetMainWindow(frame.get());
        frame->resize(frame->sizeHint());
        frame->show();
        frame->activateWindow();
        form->OnInitialUpdate();
        doc->SetFilePicker(&picker);
    }

    void TearDown() override {
        frame.reset();
        cMainApp::CurrentFontIndex = 0;
        cMainApp::RestartRequested = false;
        SetThreadLocale(1033);
    }

    template <class Widget>
    Widget* Get(int id) const {
        return qobject_cast<Widget*>(form->GetControl(id));
    }
    QLineEdit* Edit(int id) const { return Get<QLineEdit>(id); }
    QPushButton* Button(int id) const { return Get<QPushButton>(id); }
    QLineEdit* AnswerBox() const { return Edit(kIdAnswer); }
    QString Cue() const { return Edit(kIdCue)->text(); }
    QString CuesLeft() const { return Edit(kIdCuesLeft)->text(); }
    int Progress() const { return Get<QProgressBar>(kIdProgress)->value(); }
    QListWidget* FileList() const { return Get<QListWidget>(kIdFileList); }
    // Where the keyboard focus is in the window (holds also while it is not the active one).
    QWidget* Focused() const { return frame->focusWidget(); }
    void MoveFocusAway() {
        Button(kIdLoad)->setFocus();
        ASSERT_EQ(Focused(), Button(kIdLoad));
    }

    // The Time box once the form's 100 ms timer has had time to rewrite it.
    QString TimeAfterATick() const {
        QTest::qWait(250);
        return Edit(kIdTime)->text();
    }

    // Writes a cue file and loads it with the Load button, as if chosen in the file dialog.
    void LoadFile(const std::string& name, const std::string& text) {
        picker.chosen = {files.Write(name, text)};
        Button(kIdLoad)->click();
    }
    // Three cards; the first one ("one") is shown first.
    void LoadGerman() {
        LoadFile("german.recallix", "one = eins\r\ntwo = zwei\r\nthree = drei\r\n");
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
    std::unique_ptr<cMainDoc> doc;
    std::unique_ptr<cMainFrame> frame;  // owns the form; goes before the document
    cMainForm* form = nullptr;
};
