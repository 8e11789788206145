// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QFileIconProvider>
#include <QLabel>
#include <QMenu>
#include <filesystem>

#include "app/command_line.h"
#include "app/main_app.h"
#include "app/resources/version.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

cCommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("recallix"));
    return cCommandLine(arguments);
}

TEST(CommandLineTest, HelpAndVersionPrintAndEndUnknownOptionsEndWithCodeTwo) {
    const cCommandLine help = Parse({"--help"});
    EXPECT_FALSE(help.ShouldRun());
    EXPECT_EQ(help.GetExitCode(), 0);
    EXPECT_TRUE(help.GetOutput().contains("--version"));
    EXPECT_TRUE(help.GetOutput().contains("cue-file"));

    const cCommandLine version = Parse({"--version"});
    EXPECT_FALSE(version.ShouldRun());
    EXPECT_EQ(version.GetExitCode(), 0);
    EXPECT_EQ(version.GetOutput(), "Recallix " + QString::fromStdU16String(kVersionText) + "\n");
    EXPECT_EQ(QString::fromStdU16String(kVersionText), "4.32");

    for (const QString& unknown : {QStringLiteral("--frobnicate"), QStringLiteral("-x")}) {
        const cCommandLine bad = Parse({"a.recallix", unknown});
        EXPECT_FALSE(bad.ShouldRun());
        EXPECT_EQ(bad.GetExitCode(), 2);
        EXPECT_TRUE(bad.GetOutput().isEmpty());
        EXPECT_TRUE(bad.GetError().contains(unknown.mid(unknown.startsWith("--") ? 2 : 1)))
            << bad.GetError().toStdString();
        EXPECT_TRUE(bad.GetError().contains("--help"));
    }
}

TEST(CommandLineTest, FilesInTheirOrderAndANameWithADashAfterTwoDashes) {
    const cCommandLine files = Parse({"b.recallix", "a.recallix", "--", "-odd.recallix"});
    EXPECT_TRUE(files.ShouldRun());
    EXPECT_EQ(files.GetFiles(), QStringList({"b.recallix", "a.recallix", "-odd.recallix"}));
    EXPECT_TRUE(Parse({}).GetFiles().isEmpty());
}

// Start-up as main() runs it, on an in-memory profile with the font stored as 2.
class StartWithFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetThreadLocale(kLocaleEnglishUs);
        AnswerUnexpectedMessageBoxes();
        auto owned = std::make_unique<cMemoryProfile>();
        owned->WriteProfileInt(u"", u"Font", 2);
        profile = owned.get();
        app = std::make_unique<cMainApp>(std::move(owned));
    }
    QString Path(const char* name) const {
        return QString::fromStdString(files.Path(name).string());
    }
    // Starts on a good file and then on the one named; expects the start to end with a
    // message box naming that file and the reason.
    void ExpectFailure(const QString& path, eUiText reason) {
        cMessageBoxAnswerer answerer(QMessageBox::Ok);
        EXPECT_FALSE(app->InitInstance({Path("good.recallix"), path}));
        ASSERT_TRUE(answerer.shown) << path.toStdString();
        EXPECT_EQ(answerer.icon, QMessageBox::Critical);
        EXPECT_TRUE(answerer.text.contains(path)) << answerer.text.toStdString();
        EXPECT_TRUE(answerer.text.endsWith(Translated(reason))) << answerer.text.toStdString();
        EXPECT_EQ(app->GetFrame(), nullptr);
        EXPECT_EQ(profile->GetProfileInt(u"", u"Font", 99), 2u);  // the stored font is kept
    }

    cTempDir files;
    cMemoryProfile* profile = nullptr;
    std::unique_ptr<cMainApp> app;
};

TEST_F(StartWithFilesTest, EveryFileLoadsInOrder) {
    files.Write("b.recallix", "one = eins\n");
    files.Write("a.recallix", "two = zwei\nthree = drei\n");
    ASSERT_TRUE(app->InitInstance({Path("b.recallix"), Path("a.recallix")}));
    EXPECT_EQ(app->GetDocument()->GetLoadedFileCount(), 2);
    EXPECT_EQ(app->GetDocument()->GetLoadedFile(0), files.U16("b.recallix"));
    EXPECT_EQ(app->GetDocument()->GetCurrentCue(), u"one");  // the first file's first card
    EXPECT_EQ(app->GetDocument()->GetTotalCues(), 3);
}

TEST_F(StartWithFilesTest, AFileThatCannotLoadEndsTheStartWithItsReason) {
    files.Write("good.recallix", "one = eins\n");
    ExpectFailure(Path("missing.recallix"), eUiText::FileMissing);
    std::filesystem::create_directory(files.Path("folder.recallix"));
    ExpectFailure(Path("folder.recallix"), eUiText::FileIsFolder);
    ASSERT_EQ(mkfifo(files.Path("pipe.recallix").c_str(), 0600), 0);
    ExpectFailure(Path("pipe.recallix"), eUiText::FileNotRegular);
    files.Write("broken.kvtml", "<kvtml version=\"2.0\"><entries><entry>");
    ExpectFailure(Path("broken.kvtml"), eUiText::FileNotWellFormed);
    if (geteuid() != 0) {  // the superuser reads any file
        files.Write("locked.recallix", "one = eins\n");
        chmod(files.Path("locked.recallix").c_str(), 0);
        ExpectFailure(Path("locked.recallix"), eUiText::FileUnreadable);
    }
}

TEST(StartUpTest, JapaneseStartTranslatesQtsOwnTexts) {
    SetThreadLocale(1033);
    auto profile = std::make_unique<cMemoryProfile>();
    profile->WriteProfileString(u"", u"Language", u"Language_1041");
    {
        cMainApp app(std::move(profile));
        ASSERT_TRUE(app.InitInstance({}));
        // The buttons of a message box.
        QString yes;
        AnswerNextMessageBox([&yes](QMessageBox& box) {
            yes = box.button(QMessageBox::Yes)->text();
            return QMessageBox::No;
        });
        app.GetFrame()->ConfirmRestart();
        EXPECT_TRUE(yes.contains(QStringLiteral("はい"))) << yes.toStdString();
        // The Answer box's context menu.
        auto* answer = qobject_cast<QLineEdit*>(app.GetFrame()->GetForm()->GetControl(kIdAnswer));
        const std::unique_ptr<QMenu> menu(answer->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
        EXPECT_TRUE(entries.join(u' ').contains(QStringLiteral("コピー")))
            << entries.join(u' ').toStdString();
        // The file dialog.
        QFileDialog dialog(nullptr, QString(), QString(), QStringLiteral("*.recallix"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        ASSERT_NE(lookIn, nullptr);
        EXPECT_NE(lookIn->text(), "Look in:");
        EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "フォルダー");
        AnswerUnexpectedMessageBoxes();
    }
    SetThreadLocale(kLocaleEnglishUs);
    // English again once the Japanese start has ended.
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Yes");
}

}  // namespace
