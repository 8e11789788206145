// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <sys/stat.h>

#include <QDir>
#include <QFileIconProvider>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <filesystem>
#include <fstream>

#include "app/command_line.h"
#include "app/main_app.h"
#include "app/resources/string_resource.h"
#include "platform/qt/sqlite_pass_history.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

cCommandLine Parse(const QStringList& arguments) {
    return cCommandLine(QStringList{"recallix"} + arguments);
}

TEST(CommandLineTest, OptionsAndFiles) {
    // Help (each option with an h) and version print to standard output and end the start
    // with status 0.
    for (const QString option : {"--help", "-h", "--help-all", "--version", "-v"}) {
        SCOPED_TRACE(option.toStdString());
        const cCommandLine told = Parse({option});
        const QString said = told.GetOutput();
        EXPECT_EQ(std::tuple(told.ShouldRun(), told.GetExitCode(), said.endsWith(u'\n'),
                             said.startsWith(option.contains(u'h') ? "Usage:" : "Recallix")),
                  std::tuple(false, 0, true, true))
            << said.toStdString();
    }
    EXPECT_EQ(Parse({"a.recallix", "--frobnicate"}).GetExitCode(), 2);

    const cCommandLine files = Parse({"b.recallix", "a.recallix", "--", "-odd.recallix"});
    EXPECT_EQ(std::pair(files.ShouldRun(), files.GetFiles()),
              std::pair(true, QStringList({"b.recallix", "a.recallix", "-odd.recallix"})));

    // A name with a dash is one unknown option, with the way to load such a file.
    const cCommandLine dashed = Parse({"a.recallix", "-x.recallix"});
    EXPECT_EQ(std::tuple(dashed.GetExitCode(), dashed.GetError().section(u'\n', 0, 0) + "\n",
                         dashed.GetError().contains("recallix -- -x.recallix")),
              std::tuple(2, "Recallix: Unknown option: -x.recallix\n", true));
}

// Keeps the values it was given but stores nothing new, like a store that cannot be written.
struct cUnwritableProfile : cMemoryProfile {
    bool WriteProfileInt(std::u16string_view, std::u16string_view, uint32_t) override {
        return false;
    }
    void SetStoreFailureNotice(std::function<void()> notice) override { failed = notice; }
    std::function<void()> failed;
};

// Start-up as main() runs it, on an in-memory profile.
class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetThreadLocale(kLocaleEnglishUs);
        AnswerUnexpectedMessageBoxes();
    }
    void TearDown() override { SetThreadLocale(kLocaleEnglishUs); }

    // Starts on the files with the font and language stored; the profile can refuse writes.
    // True when the window is up.
    bool Start(const QStringList& arguments, uint32_t font = 0, bool japanese = false,
               bool unwritable = false) {
        auto owned = unwritable ? std::make_unique<cUnwritableProfile>()
                                : std::make_unique<cMemoryProfile>();
        owned->cMemoryProfile::WriteProfileInt(u"", u"Font", font);
        if (japanese) {
            owned->WriteProfileString(u"", u"Language", u"Language_1041");
        }
        profile = owned.get();
        app.reset();
        app = std::make_unique<cMainApp>(std::move(owned));
        return app->InitInstance(arguments);
    }
    QString Path(const char* name) const { return QString::fromStdU16String(files.U16(name)); }
    uint32_t StoredFont() const { return profile->GetProfileInt(u"", u"Font", 99); }

    cTempDir files;
    cMemoryProfile* profile = nullptr;
    std::unique_ptr<cMainApp> app;
};

// A file that cannot be loaded ends the start with a box naming it (printable) and the reason.
TEST_F(StartUpTest, AFileThatCannotLoadEndsTheStartWithItsReason) {
    files.Write("good.recallix", "one = eins\n");
    std::filesystem::create_directory(files.Path("folder.recallix"));
    ASSERT_EQ(mkfifo(files.Path("pipe.recallix").c_str(), 0600), 0);
    const std::tuple<const char*, const char*, eUiText> cases[] = {
        {"missing\n.recallix", nullptr, eUiText::FileMissing},
        {"folder.recallix", nullptr, eUiText::FileIsFolder},
        {"pipe.recallix", nullptr, eUiText::FileNotRegular},
        {"broken.kvtml", "<kvtml version=\"2.0\"><entries><entry>", eUiText::FileNotWellFormed},
        {"old.kvtml", "<kvtml><e><o>eins</o><t>one</t></e></kvtml>",
         eUiText::FileNotVocabularyDocument},
        {"open.csv", "a,b\n\"c,d\n", eUiText::FileOpenQuote},
        {"after.tsv", "\"c\"x\td\n", eUiText::FileTextAfterQuote},
    };
    for (const auto& [name, text, reason] : cases) {
        SCOPED_TRACE(name);
        if (text != nullptr) {
            files.Write(name, text);
        }
        testing::internal::CaptureStderr();
        const QString box = BoxSaidBy([&] { Start({Path("good.recallix"), Path(name)}, 2); });
        const QString said = QString::fromStdString(testing::internal::GetCapturedStderr());
        const QString printable = Path(name).replace("\n", "\\x0a"), why = Translated(reason);
        // No window, and the font stored as it was: a cue file says nothing against the font.
        // The same on standard error, for whoever started the program from a terminal.
        EXPECT_EQ(
            std::tuple(box, app->GetFrame(), StoredFont(),
                       said.contains("Recallix: cannot load the cue file " + printable + ": " +
                                     why + "\n")),
            std::tuple(Translated(eUiText::CueFileNotLoaded) + "\n" + printable + "\n\n" + why,
                       nullptr, 2u, true))
            << said.toStdString();
    }
}

// Until start-up has succeeded the stored font is the normal one, so a font without a layout
// stops one start, not every later one.
TEST_F(StartUpTest, ChosenFontIsStoredOnceTheWindowIsBuilt) {
    ASSERT_TRUE(Start({}, 1));
    EXPECT_EQ(std::tuple(StoredFont(), app->GetFrame()->GetForm()->font().pointSize(),
                         app->GetFrame()->GetStatusText() != Translated(eUiText::LoadSucceeded)),
              std::tuple(1u, 12, true));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Start({}, 4294967295u));  // named as stored, not as the index it makes
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("for the font 4294967295\n"), std::string::npos) << said;
    EXPECT_EQ(StoredFont(), 0u);
    // Where the reset cannot be stored, this run takes the first layout instead.
    ASSERT_TRUE(Start({}, 3, false, true));
    static_cast<cUnwritableProfile*>(profile)->failed();  // and the store says so
    EXPECT_EQ(std::pair(StoredFont(), app->GetFrame()->GetStatusText()),
              std::pair(3u, Translated(eUiText::SettingsNotStored)));
}

TEST_F(StartUpTest, StoredJapaneseTranslatesTheWindowAndQtsOwnTexts) {
    ASSERT_TRUE(Start({}, 0, true));
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);  // dates in the file dialog
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    // The menu, a status tip, and the file dialog's type column.
    EXPECT_EQ(QStringList({app->GetFrame()->menuBar()->actions().first()->text(),
                           app->GetFrame()->FindAction(kIdHistory)->statusTip(),
                           QFileIconProvider().type(QFileInfo(QDir::tempPath()))}),
              QStringList({"ファイル(&F)", LoadResourceString(kIdHistory, true), "フォルダー"}));
}

// A file manager passes every file chosen: they all load, in order, into one refresh.
TEST_F(StartUpTest, ManyFilesNamedLoadInOrder) {
    QStringList arguments;
    for (int i = 1000; i < 1500; ++i) {
        const std::string n = std::to_string(i);
        arguments << QString::fromStdU16String(files.Write("f" + n + ".recallix", n + " = x\n"));
    }
    ASSERT_TRUE(Start(Parse(arguments).GetFiles()));
    auto* list = qobject_cast<QListWidget*>(app->GetFrame()->GetForm()->GetControl(kIdFileList));
    ASSERT_EQ(std::pair(app->GetDocument()->GetTotalCues(), list->count()), std::pair(500, 500));
    EXPECT_EQ(list->item(499)->text(), "f1499");
}

// The history lives in the user's data folder. One that cannot take the pass says why in
// the status bar and studying goes on: a folder in its place leaves it off for the run; a
// file another program holds keeps the pass until the program ends; a damaged file is set
// aside for a new one.
TEST_F(StartUpTest, HistoryThatCannotTakeAPassSaysWhy) {
    cMainApp::SetApplicationNames();
    const QString path = cSqlitePassHistory::DefaultPath(), folder = QFileInfo(path).path();
    EXPECT_EQ(path, qEnvironmentVariable("XDG_DATA_HOME") + "/Vorlen/Recallix/history.sqlite");
    files.Write("one.recallix", "eins = one\n");
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
    holder.setDatabaseName(path);
    const std::tuple<const char*, eUiText, size_t> rows[] = {
        {"Unusable", eUiText::HistoryUnavailable, 0},
        {"Locked", eUiText::HistoryDeferred, 1},
        {"Damaged", eUiText::HistorySetAside, 1}};
    for (const auto& [name, said, kept] : rows) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(said == eUiText::HistoryUnavailable ? QDir().mkpath(path)
                    : said == eUiText::HistoryDeferred
                        ? cSqlitePassHistory(path).Open() && holder.open() &&
                              QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"))
                        : QDir().mkpath(folder) && std::ofstream(path.toStdString())
                                                       << std::string(8192, 'x'));
        ASSERT_TRUE(Start({Path("one.recallix")}));
        EXPECT_EQ((std::pair{app->GetDocument()->Next(u"one"), app->GetFrame()->GetStatusText()}),
                  std::pair(std::u16string(), Translated(said)));
        holder.close();
        app.reset();  // the pass kept back is written as the program ends
        EXPECT_EQ(cSqlitePassHistory(path).ReadPasses(u"").size(), kept);
        QDir(folder).removeRecursively();
    }
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("holder");
}

// Closing the window ends the run with status 0, a failed start with 1.
TEST_F(StartUpTest, ClosingTheWindowEndsTheRunWithStatusZero) {
    BoxSaidBy(
        [&] { EXPECT_EQ(cMainApp(std::make_unique<cMemoryProfile>()).Run({"/missing"}), 1); });
    app = std::make_unique<cMainApp>(std::make_unique<cMemoryProfile>());
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, [this] { app->GetFrame()->close(); });
    QTimer stuck;  // a window that does not close ends the run anyway, with another status
    stuck.callOnTimeout([] { QCoreApplication::exit(2); });
    stuck.start(20000);
    EXPECT_EQ(app->Run({}), 0);
    QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace
