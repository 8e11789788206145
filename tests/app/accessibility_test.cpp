// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QAccessible>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QUrl>

#include "tests/support/qt/main_window_fixture.h"

namespace {

// What a screen reader reads of a widget: its accessible name and description.
QString ReadName(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}
QString ReadDescription(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Description) : QString();
}

class AccessibilityTest : public MainWindowTest {
protected:
    QLabel* StatusText() const { return frame->statusBar()->findChild<QLabel*>("StatusText"); }
};

TEST_F(AccessibilityTest, StatusBarReadsTheTextShownInOnePlace) {
    ASSERT_NE(StatusText(), nullptr);
    EXPECT_EQ(ReadName(StatusText()), "Ready.");
    const int readyX = StatusText()->mapTo(frame.get(), QPoint()).x();

    LoadGerman();
    EXPECT_EQ(ReadName(StatusText()), Translated(eUiText::LoadSucceeded));
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_EQ(StatusText()->mapTo(frame.get(), QPoint()).x(), readyX);

    // A menu prompt, then the idle prompt once the menus are left.
    QStatusTipEvent prompt(frame->FindAction(kIdExit)->statusTip());
    QCoreApplication::sendEvent(frame.get(), &prompt);
    EXPECT_EQ(ReadName(StatusText()), frame->FindAction(kIdExit)->statusTip());
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(ReadName(StatusText()), "Ready.");
}

TEST_F(AccessibilityTest, WrongAnswerBoxCarriesTheCorrectAnswerForScreenReaders) {
    LoadGerman();
    QTest::keyClicks(AnswerBox(), "falsch");
    cMessageBoxAnswerer answerer(QMessageBox::Ok, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), Translated(eUiText::WrongAnswer));  // shown as before
        EXPECT_EQ(ReadDescription(box), "eins");
        EXPECT_EQ(ReadDescription(box->findChild<QLabel*>("qt_msgbox_label")), "eins");
    });
    QTest::keyClick(AnswerBox(), Qt::Key_Return);
    EXPECT_TRUE(answerer.shown);
}

// A file manager's drag carries the files as URLs, and their paths as text too.
void Drop(QWidget* target, const QList<QUrl>& urls, Qt::KeyboardModifiers modifiers) {
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.first().toLocalFile());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, DroppedCueFilesLoadInOrderAndShiftReversesThem) {
    const QString german =
        QString::fromStdU16String(files.Write("german.recallix", "one = eins\ntwo = zwei\n"));
    const QString french =
        QString::fromStdU16String(files.Write("french.recallix", "five = cinq\n"));
    Drop(frame.get(), {QUrl::fromLocalFile(german), QUrl::fromLocalFile(french)}, Qt::NoModifier);
    EXPECT_EQ(Cue(), "one");
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "3");
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadSucceeded));

    // Onto the Answer box, which takes dropped text: the file loads, nothing is typed.
    Drop(AnswerBox(), {QUrl::fromLocalFile(french)}, Qt::NoModifier);
    EXPECT_EQ(Edit(kIdTotalCues)->text(), "4");
    EXPECT_EQ(AnswerBox()->text(), "");

    doc->Clear();
    Drop(frame.get(), {QUrl::fromLocalFile(german)}, Qt::ShiftModifier);
    EXPECT_EQ(Cue(), "eins");
    EXPECT_EQ(FileList()->item(0)->text(), "german");

    // A drag without files is refused.
    QMimeData text;
    text.setText("plain words");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

}  // namespace
