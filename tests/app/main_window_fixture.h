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
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/main_app.h"
#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/main_frame.h"
#include "app/resources/control_ids.h"
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
// after noting what it said and running whileOpen. Polling gives up after about two seconds
// and closes whatever other modal window is open, so a test cannot hang on it.
class cMessageBoxAnswerer {
public:
    explicit cMessageBoxAnswerer(QMessageBox::StandardButton button,
                                 std::function<void()> whileOpen = {})
        : m_button(button), m_whileOpen(std::move(whileOpen)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(20);
    }

    bool WasShown() const { return m_shown; }

    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            m_timer.stop();
            m_shown = true;
            text = box->text();
            icon = box->icon();
            if (m_whileOpen) {
                m_whileOpen();
            }
            if (QAbstractButton* button = box->button(m_button)) {
                button->click();
            } else {
                ADD_FAILURE() << "the message box has no such button";
                box->reject();
            }
        } else if (++m_polls > 100) {
            m_timer.stop();
            if (modal != nullptr) {
                modal->close();
            }
        }
    }

    QMessageBox::StandardButton m_button;
    std::function<void()> m_whileOpen;
    QTimer m_timer;
    bool m_shown = false;
    int m_polls = 0;
};

// The real window on an in-memory profile, a fake clock and a fake file picker.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { BuildWindow(1033); }

    void TearDown() override {
        frame.reset();
        cMainApp::CurrentFontIndex = 0;
        cMainApp::RestartRequested = false;
        SetThreadLocale(1033);
    }

    void BuildWindow(uint32_t locale) {
        SetThreadLocale(locale);
        doc = std::make_unique<cMainDoc>(profile, ticks);
        frame = std::make_unique<cMainFrame>(*doc, profile);
        std::unique_ptr<cMainForm> created = cMainForm::Create(*doc, cMainApp::CurrentFontIndex);
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

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(form->GetControl(id)); }
    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(form->GetControl(id)); }
    QLineEdit* AnswerBox() const { return Edit(kIdAnswer); }
    QString Cue() const { return Edit(kIdCue)->text(); }
    QString CuesLeft() const { return Edit(kIdCuesLeft)->text(); }
    int Progress() const {
        return qobject_cast<QProgressBar*>(form->GetControl(kIdProgress))->value();
    }
    QListWidget* FileList() const {
        return qobject_cast<QListWidget*>(form->GetControl(kIdFileList));
    }
    // Where the keyboard focus is in the window (holds also while it is not the active one).
    QWidget* Focused() const { return frame->focusWidget(); }
    void MoveFocusAway() {
        Button(kIdLoad)->setFocus();
        ASSERT_EQ(Focused(), Button(kIdLoad));
    }

    // The file list's texts, sorted.
    QStringList ListedFiles() const {
        QStringList titles;
        for (int i = 0; i < FileList()->count(); ++i) {
            titles << FileList()->item(i)->text();
        }
        titles.sort();
        return titles;
    }

    // The Time box once the form's 100 ms timer has had time to rewrite it.
    QString TimeAfterATick() const {
        QTest::qWait(250);
        return Edit(kIdTime)->text();
    }

    // Writes "cue = answer" lines to a cue file, notes the answers, returns the path.
    std::u16string WriteCueFile(const std::string& name,
                                const std::vector<std::pair<std::string, std::string>>& cards) {
        std::string text;
        for (const auto& [cue, answer] : cards) {
            text += cue + " = " + answer + "\r\n";
            answers[QString::fromStdString(cue)] = QString::fromStdString(answer);
        }
        files.Write(name, text);
        return files.U16(name);
    }

    // Loads the files with the Load button, as if chosen in the file dialog.
    void LoadFiles(const std::vector<std::u16string>& paths) {
        picker.chosen = paths;
        Button(kIdLoad)->click();
    }

    // Three cards; the first one ("one") is shown first.
    void LoadGerman() {
        LoadFiles({WriteCueFile("german.recallix",
                                {{"one", "eins"}, {"two", "zwei"}, {"three", "drei"}})});
    }

    // Types the right answer to the cue shown and presses Enter.
    void AnswerRight() {
        QTest::keyClicks(AnswerBox(), answers.at(Cue()));
        QTest::keyClick(AnswerBox(), Qt::Key_Return);
    }

    cTempDir files;
    cMemoryProfile profile;
    cFakeTickSource ticks;
    cFakeFilePicker picker;
    std::map<QString, QString> answers;
    std::unique_ptr<cMainDoc> doc;
    std::unique_ptr<cMainFrame> frame;  // owns the form; goes before the document
    cMainForm* form = nullptr;
};
