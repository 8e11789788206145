// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <unistd.h>

#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>
#include <fstream>
#include <string>

#include "app/load_progress_display.h"
#include "platform/qt/explore_file_dialog.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

using LoadingTest = MainWindowTest;

// The wait cursor shows only once the files are picked; a long cue shows its start.
TEST_F(LoadingTest, LoadCountsTheCardsAndListsTheFileTitles) {
    bool busyWhilePicking = true;
    picker.whilePicking = [&] { busyWhilePicking = QApplication::overrideCursor() != nullptr; };
    LoadFile("long.recallix", "start of a long cue" + std::string(200, '.') + "end = x\n");
    EXPECT_EQ(std::pair(busyWhilePicking, Edit(kIdCue)->cursorPosition()), std::pair(false, 0));
    // A vocabulary list loads beside the cue files.
    LoadFile("animals.kvtml", KvtmlDocument(KvtmlEntry("Hund", "dog")));
    EXPECT_EQ(Text(kIdTotalCues), "2");
    ASSERT_EQ(FileList()->count(), 2);
    EXPECT_EQ(FileList()->item(0)->text(), "animals");  // sorted by name

    picker.cancel = true;
    Button(kIdLoad)->click();
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadFailed));
    // The file types the dialog offers.
    EXPECT_EQ(cExploreFileDialog::FilterToNameFilters(picker.filter),
              QStringList({"Recallix cue files (*.recallix)",
                           "Vocabulary lists (*.kvtml *.tsv *.csv *.txt)", "All files (*)"}));
}

// Files named from outside load in order up to the first that fails, and the views are
// refreshed once for them all, however many there are. One file alone loads with its
// outcome in the status bar and leaves the refresh to whoever opens it.
TEST_F(LoadingTest, FilesNamedFromOutsideRefreshTheViewsOnce) {
    int updates = 0;
    cCallbackView view;
    view.onUpdate = [&] { ++updates; };
    doc->AddView(&view);
    const std::u16string a = files.Write("a.recallix", "one = eins\n"),
                         b = files.Write("b.recallix", "two = zwei\n");
    const std::tuple<const char*, std::vector<std::u16string>, int, int> rows[] = {
        {"AllLoad", {a, b}, -1, 2}, {"SecondMissing", {a, u"/nonexistent", b}, 1, 1}};
    for (const auto& [name, paths, failed, loaded] : rows) {
        SCOPED_TRACE(name);
        doc->Clear();
        updates = 0;
        EXPECT_EQ((std::tuple{doc->OnOpenDocuments(paths), updates, doc->GetLoadedFileCount(),
                              FileList()->count()}),
                  std::tuple(failed, 1, loaded, loaded));
    }
    doc->RemoveView(&view);
    EXPECT_EQ((std::tuple{doc->OnOpenDocument(b), doc->GetTeacher().GetTotalCues(),
                          frame->GetStatusText(), Text(kIdTotalCues)}),
              std::tuple(true, 2, Translated(eUiText::LoadSucceeded), QString("1")));
    EXPECT_FALSE(doc->OnOpenDocument(files.U16("missing.recallix")));
    EXPECT_EQ(frame->GetStatusText(), Translated(eUiText::LoadFailed));
}

// A file manager's drag carries the files as URLs, and their paths as text too.
bool Drop(QWidget* target, const std::vector<std::u16string>& paths,
          Qt::KeyboardModifiers modifiers = {}) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::u16string& path : paths) {
        urls << QUrl::fromLocalFile(QString::fromStdU16String(path));
    }
    data.setUrls(urls);
    data.setText(QUrl::toStringList(urls, QUrl::PreferLocalFile).join(u'\n'));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    if (enter.isAccepted()) {
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
    }
    return enter.isAccepted();
}

TEST_F(LoadingTest, DroppedCueFilesLoadInOrderAndShiftReversesThem) {
    EXPECT_TRUE(Drop(frame.get(),
                     {files.Write("german.recallix", "one = eins\n"),
                      files.Write("french.recallix", "five = cinq\n")},
                     Qt::ShiftModifier));
    EXPECT_EQ(Cue(), "eins");

    // Onto the Answer box, which takes dropped text: the file loads, nothing is typed.
    EXPECT_TRUE(Drop(AnswerBox(), {files.Write("dutch.recallix", "six = zes\n")}));
    EXPECT_EQ(std::pair(Text(kIdTotalCues), AnswerBox()->text()),
              std::pair(QString("3"), QString()));

    EXPECT_FALSE(Drop(frame.get(), {}));  // a drag without files is refused
}

// A load that runs long, in any format, shows how far it has got and gives the window its
// turns, in which no command gets through; Esc there stops it and nothing of that file stays.
TEST_F(LoadingTest, LongLoadShowsItsProgressTakesNoCommandsAndEscStopsIt) {
    LoadGerman();
    std::string cueFile, entries, table;
    for (int i = 0; i < 30000; ++i) {
        const std::string cue = "Wort" + std::to_string(i), answer = "word" + std::to_string(i);
        cueFile += cue + " = " + answer + "\n";
        entries += KvtmlEntry(cue, answer);
        table += cue + "\t" + answer + "\n";
    }
    doc->SetLoadQuietMs(0);
    // The last load nobody stops: it reads to its end, counting up, and still takes no command.
    const std::tuple<const char*, std::string, bool> loads[] = {
        {"big.recallix", cueFile, true},
        {"big.kvtml", KvtmlDocument(entries), true},
        {"big.tsv", table, true},
        {"big.kvtml", KvtmlDocument(entries), false}};
    for (const auto& [name, text, escape] : loads) {
        SCOPED_TRACE(testing::Message() << name << (escape ? " stopped" : " read to its end"));
        QStringList shown;
        QTimer watcher;  // runs only while the load lets the window have its turns
        watcher.callOnTimeout([&] {
            shown << frame->GetStatusText();
            QTest::mouseClick(Button(kIdClear), Qt::LeftButton);  // held back
            if (escape) {
                QTest::keyClick(AnswerBox(), Qt::Key_Escape);  // stops the load
            }
        });
        watcher.start(0);
        LoadFile(name, text);
        watcher.stop();
        EXPECT_TRUE(
            shown.value(0).startsWith(Translated(eUiText::LoadProgress).section("%i", 0, 0)))
            << shown.join(" | ").toStdString();
        EXPECT_EQ(std::pair(Text(kIdTotalCues), Cue()),
                  std::pair(QString(escape ? "3" : "30003"), QString("one")));
        EXPECT_TRUE(escape || !shown.filter(QRegularExpression("[1-9][0-9]* ?%")).isEmpty())
            << shown.join(" | ").toStdString();
    }
}

// The status bar stays quiet for a short load; a long one shows its percentage and goes on
// until Esc is pressed (not when it is let go), and no click reaches a button meanwhile.
TEST(LoadProgressDisplayTest, QuietAtFirstThenThePercentageUntilEscIsPressed) {
    QStringList shown;
    cLoadProgressDisplay display(
        [&](const std::u16string& text) { shown << QString::fromStdU16String(text); }, 500);
    EXPECT_EQ((std::pair{display.OnLoadProgress(10, 100), shown}), std::pair(true, QStringList()));
    QTest::qWait(600);
    EXPECT_EQ((std::pair{display.OnLoadProgress(50, 200), shown}),
              std::pair(true, QStringList{"Loading cue file: 25%. Press Esc to cancel."}));

    QPushButton button;
    button.show();
    QTest::mousePress(&button, Qt::LeftButton);
    EXPECT_FALSE(button.isDown());
    QTest::keyPress(&button, Qt::Key_Escape);
    EXPECT_EQ((std::pair{display.OnLoadProgress(70, 200), display.IsCancelled()}),
              std::pair(false, true));
}

using WorkingSetTest = MainWindowTest;

// Resident memory of this process in bytes.
long ResidentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

TEST_F(WorkingSetTest, ClearGivesTheMemoryOfALargeSetBackToTheSystem) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory in quarantine";
#endif
    std::string text;
    for (int i = 0; i < 300000; ++i) {
        text += "cue number " + std::to_string(i) + " = answer number " + std::to_string(i) + "\n";
    }
    picker.chosen = {files.Write("large.recallix", text)};
    text = std::string();
    const long before = ResidentBytes();
    Button(kIdLoad)->click();
    ASSERT_EQ(Text(kIdTotalCues), "300000");
    const long loaded = ResidentBytes();
    frame->FindAction(kIdClear)->trigger();
    const long cleared = ResidentBytes();
    EXPECT_LT(cleared - before, (loaded - before) / 4)
        << "before " << before << ", loaded " << loaded << ", cleared " << cleared;
}

}  // namespace
