// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <sys/stat.h>

#include <QDir>
#include <QFileIconProvider>
#include <QListWidget>
#include <QMenuBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <filesystem>

#include "app/command_line.h"
#include "app/main_app.h"
#include "app/resources/string_resource.h"
#include "platform/qt/sqlite_pass_history.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

cCommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("recallix"));
    return cCommandLine(arguments);
}

TEST(CommandLineTest, OptionsAndFiles) {
    EXPECT_FALSE(Parse({"--help"}).ShouldRun());
    EXPECT_EQ(Parse({"a.recallix", "--frobnicate"}).GetExitCode(), 2);

    const cCommandLine files = Parse({"b.recallix", "a.recallix", "--", "-odd.recallix"});
    EXPECT_TRUE(files.ShouldRun());
    EXPECT_EQ(files.GetFiles(), QStringList({"b.recallix", "a.recallix", "-odd.recallix"}));

    // A name with a dash is one unknown option, with the way to load such a file.
    const cCommandLine dashed = Parse({"a.recallix", "-x.recallix"});
    EXPECT_EQ(dashed.GetExitCode(), 2);
    EXPECT_TRUE(dashed.GetError().startsWith("Recallix: Unknown option: -x.recallix\n"))
        << dashed.GetError().toStdString();
    EXPECT_TRUE(dashed.GetError().contains("recallix -- -x.recallix"));
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
    void Start(const QStringList& arguments, uint32_t font = 0, bool japanese = false,
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
        started = app->InitInstance(arguments);
    }
    QString Path(const char* name) const {
        return QString::fromStdString(files.Path(name).string());
    }
    uint32_t StoredFont() const { return profile->GetProfileInt(u"", u"Font", 99); }

    cTempDir files;
    cMemoryProfile* profile = nullptr;
    std::unique_ptr<cMainApp> app;
    bool started = false;
};

// A file that cannot be loaded ends the start with a box naming it (printable) and the reason.
TEST_F(StartUpTest, AFileThatCannotLoadEndsTheStartWithItsReason) {
    files.Write("good.recallix", "one = eins\n");
    std::filesystem::create_directory(files.Path("folder.recallix"));
    ASSERT_EQ(mkfifo(files.Path("pipe.recallix").c_str(), 0600), 0);
    files.Write("broken.kvtml", "<kvtml version=\"2.0\"><entries><entry>");
    files.Write("old.kvtml", "<kvtml><e><o>eins</o><t>one</t></e></kvtml>");
    files.Write("open.csv", "a,b\n\"c,d\n");
    files.Write("after.tsv", "\"c\"x\td\n");
    const std::pair<const char*, eUiText> cases[] = {
        {"missing\n.recallix", eUiText::FileMissing},
        {"folder.recallix", eUiText::FileIsFolder},
        {"pipe.recallix", eUiText::FileNotRegular},
        {"broken.kvtml", eUiText::FileNotWellFormed},
        {"old.kvtml", eUiText::FileNotVocabularyDocument},
        {"open.csv", eUiText::FileOpenQuote},
        {"after.tsv", eUiText::FileTextAfterQuote},
    };
    for (const auto& [name, reason] : cases) {
        cMessageBoxAnswerer answerer(QMessageBox::Ok);
        Start({Path("good.recallix"), Path(name)}, 2);
        ASSERT_TRUE(answerer.shown) << name;
        EXPECT_TRUE(answerer.text.contains(Path(name).replace("\n", "\\x0a"))) << name;
        EXPECT_TRUE(answerer.text.endsWith(Translated(reason))) << name;
        EXPECT_EQ(app->GetFrame(), nullptr);
        EXPECT_EQ(StoredFont(), 2u);  // a cue file says nothing against the font
    }
}

// Until start-up has succeeded the stored font is the normal one, so a font without a layout
// stops one start, not every later one.
TEST_F(StartUpTest, ChosenFontIsStoredOnceTheWindowIsBuilt) {
    Start({}, 1);
    EXPECT_TRUE(started);
    EXPECT_NE(app->GetFrame()->GetStatusText(), Translated(eUiText::LoadSucceeded));
    EXPECT_EQ(StoredFont(), 1u);
    EXPECT_EQ(app->GetFrame()->GetForm()->font().pointSize(), 12);
    testing::internal::CaptureStderr();
    Start({}, 4294967295u);  // named as stored, not as the index it makes
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("for the font 4294967295\n"), std::string::npos) << said;
    EXPECT_FALSE(started);
    EXPECT_EQ(StoredFont(), 0u);
    // Where the reset cannot be stored, this run takes the first layout instead.
    Start({}, 3, false, true);
    EXPECT_TRUE(started);
    EXPECT_EQ(StoredFont(), 3u);
    static_cast<cUnwritableProfile*>(profile)->failed();  // and the store says so
    EXPECT_EQ(app->GetFrame()->GetStatusText(), Translated(eUiText::SettingsNotStored));
}

TEST_F(StartUpTest, StoredJapaneseTranslatesTheWindowAndQtsOwnTexts) {
    Start({}, 0, true);
    ASSERT_TRUE(started);
    cMainFrame* frame = app->GetFrame();
    EXPECT_EQ(frame->menuBar()->actions().first()->text(), "ファイル(&F)");
    EXPECT_EQ(frame->FindAction(kIdHistory)->statusTip(), LoadResourceString(kIdHistory, true));
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);  // dates in the file dialog
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    // The file dialog's type column.
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "フォルダー");
}

// A file manager passes every file chosen: they all load, in order, into one refresh.
TEST_F(StartUpTest, ManyFilesNamedLoadInOrder) {
    QStringList arguments;
    for (int i = 0; i < 500; ++i) {
        const std::string name = "f" + std::to_string(1000 + i) + ".recallix";
        files.Write(name, "cue" + std::to_string(i) + " = answer\n");
        arguments << Path(name.c_str());
    }
    Start(Parse(arguments).GetFiles());
    ASSERT_TRUE(started);
    EXPECT_EQ(app->GetDocument()->GetTotalCues(), 500);
    auto* list = qobject_cast<QListWidget*>(app->GetFrame()->GetForm()->GetControl(kIdFileList));
    ASSERT_EQ(list->count(), 500);
    EXPECT_EQ(list->item(499)->text(), "f1499");
}

// A history that cannot take the pass says why in the status bar and studying goes on: a
// folder in its place leaves it off for the run; a file another program holds keeps the
// pass until the program ends.
TEST_F(StartUpTest, HistoryThatCannotTakeAPassSaysWhy) {
    const QString path = cSqlitePassHistory::DefaultPath();
    ASSERT_TRUE(path.startsWith(QDir::tempPath())) << "not the test's own data folder";
    files.Write("one.recallix", "eins = one\n");
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "unusable");
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
        holder.setDatabaseName(path);
        ASSERT_TRUE(locked ? cSqlitePassHistory(path).Open() && holder.open() &&
                                 QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"))
                           : QDir().mkpath(path));
        Start({Path("one.recallix")});
        ASSERT_TRUE(started);
        EXPECT_EQ(app->GetDocument()->Next(u"one"), u"");
        EXPECT_EQ(app->GetFrame()->GetStatusText(),
                  Translated(locked ? eUiText::HistoryDeferred : eUiText::HistoryUnavailable));
        holder.close();
        app.reset();
        EXPECT_EQ(cSqlitePassHistory(path).ReadPasses(u"").size(), locked ? 1u : 0u);
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase("holder");
        QDir(path).removeRecursively();
        for (const char* part : {"", "-wal", "-shm"}) {
            QFile::remove(path + part);
        }
    }
}

}  // namespace
