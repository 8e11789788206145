// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The desktop as the program meets it through Qt: the file dialog, and programs it starts.
#include "platform/qt/explore_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include "platform/qt/qt_desktop.h"

namespace {

// Answers the dialog from the test instead of the user: types the names into the dialog's
// file name box in the folder and confirms.
class cScriptedFileDialog : public cExploreFileDialog {
public:
    cScriptedFileDialog(QString folder, QString typed)
        : cExploreFileDialog(nullptr), m_folder(std::move(folder)), m_typed(std::move(typed)) {}

protected:
    int RunDialog(QFileDialog& dialog) override {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        dialog.setDirectory(m_folder);
        // A dialog without the box gets nothing typed, and the paths checked then differ.
        if (auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            nameEdit->setText(m_typed);
        }
        // Through QDialog: the dialog's own override, which checks the names, is protected.
        static_cast<QDialog&>(dialog).accept();
        return dialog.result();
    }

    const QString m_folder, m_typed;
};

const std::u16string kFilter = u"Cue files (*.recallix)|*.recallix||";

TEST(FilterToNameFiltersTest, TurnsDescriptionPatternPairsIntoNameFilters) {
    // Qt takes the patterns from the parentheses, so they must be there.
    EXPECT_EQ(cExploreFileDialog::FilterToNameFilters(u"Karten|*.recallix;*.txt||"),
              QStringList{QStringLiteral("Karten (*.recallix *.txt)")});
}

TEST(ExploreFileDialogTest, ReturnsTheChosenFullPathsInTheDialogsOrder) {
    QTemporaryDir dir;
    for (const char* name : {"verbs.recallix", "nouns.recallix", "phrases.recallix"}) {
        ASSERT_TRUE(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    }
    auto path = [&](const char* name) {
        return dir.filePath(QString::fromLatin1(name)).toStdU16String();
    };
    // A name without extension gets the cue file extension, and several names need a dialog
    // that takes several files.
    for (const auto& [typed, expected] :
         std::vector<std::pair<QString, std::vector<std::u16string>>>{
             {"verbs", {path("verbs.recallix")}},
             {R"("phrases.recallix" "verbs.recallix" "nouns.recallix")",
              {path("phrases.recallix"), path("verbs.recallix"), path("nouns.recallix")}}}) {
        std::vector<std::u16string> paths;
        EXPECT_TRUE(
            cScriptedFileDialog(dir.path(), typed).PickFiles(u"Load cue files", kFilter, paths));
        EXPECT_EQ(paths, expected);
    }
}

// Shift held when the dialog is confirmed asks for the files reversed; Ctrl does not.
TEST(ExploreFileDialogTest, ShiftHeldAsksForTheFilesReversed) {
    QWidget window;
    const std::pair<Qt::KeyboardModifiers, bool> rows[] = {
        {Qt::NoModifier, false}, {Qt::ShiftModifier, true}, {Qt::ControlModifier, false}};
    for (const auto& [modifiers, reversed] : rows) {
        QTest::keyPress(&window, Qt::Key_A, modifiers);  // the keys held, as the desktop tells
        EXPECT_EQ(cExploreFileDialog(nullptr).IsShiftDown(), reversed) << modifiers;
        QTest::keyRelease(&window, Qt::Key_A, modifiers);
    }
}

TEST(QtDesktopTest, StartsTheProgramWithEachArgumentIntact) {
    QTemporaryDir dir;
    // Shell syntax in an argument stays text: touch makes one file of exactly this name.
    const QString name = QStringLiteral("a b\"; touch pwned; $(id) \u00e9");
    const QString path = dir.filePath(name);
    cQtDesktop desktop;
    ASSERT_TRUE(desktop.StartDetached({u"touch", path.toStdU16String()}));
    for (int i = 0; i < 500 && !QFileInfo::exists(path); ++i) {
        QThread::msleep(20);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
}

}  // namespace
