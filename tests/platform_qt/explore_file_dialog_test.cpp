#include "platform/qt/explore_file_dialog.h"

#include <functional>

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Answers the dialog from the test instead of the user.
class cScriptedFileDialog : public cExploreFileDialog {
public:
    explicit cScriptedFileDialog(std::function<void(QFileDialog&)> answer)
        : cExploreFileDialog(nullptr), m_answer(std::move(answer)) {}

protected:
    int RunDialog(QFileDialog& dialog) override {
        m_answer(dialog);
        return dialog.result();
    }

private:
    std::function<void(QFileDialog&)> m_answer;
};

const std::u16string kFilter = u"Cue files (*.recallix)|*.recallix||";

TEST(FilterToNameFiltersTest, TurnsDescriptionPatternPairsIntoNameFilters) {
    EXPECT_EQ(cExploreFileDialog::FilterToNameFilters(kFilter),
              QStringList{QStringLiteral("Cue files (*.recallix)")});
    // Qt takes the patterns from the parentheses, so they must be there.
    EXPECT_EQ(cExploreFileDialog::FilterToNameFilters(u"Karten|*.recallix;*.txt||"),
              QStringList{QStringLiteral("Karten (*.recallix *.txt)")});
    EXPECT_TRUE(cExploreFileDialog::FilterToNameFilters(u"").isEmpty());
}

class ExploreFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"verbs.recallix", "nouns.recallix", "phrases.recallix"}) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    std::u16string PathOf(const char* name) const {
        return m_dir.filePath(QString::fromLatin1(name)).toStdU16String();
    }

    // Types text into the dialog's file name box in the folder and confirms.
    std::function<void(QFileDialog&)> TypeAndAccept(const QString& text) const {
        const QString folder = m_dir.path();
        return [folder, text](QFileDialog& dialog) {
            dialog.setDirectory(folder);
            auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(nameEdit, nullptr);
            nameEdit->setText(text);
            // Through QDialog: the dialog's own override, which checks the names, is protected.
            static_cast<QDialog&>(dialog).accept();
        };
    }

    QTemporaryDir m_dir;
};

TEST_F(ExploreFileDialogTest, OpensAMultiSelectCueFileDialogWithTheCallersTitle) {
    bool ran = false;
    cScriptedFileDialog picker([&](QFileDialog& dialog) {
        ran = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Load cue files"));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("recallix"));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Cue files (*.recallix)")});
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        dialog.reject();
    });
    std::vector<std::u16string> paths{u"left over"};
    EXPECT_FALSE(picker.PickFiles(u"Load cue files", kFilter, paths));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(paths.empty());
}

TEST_F(ExploreFileDialogTest, ReturnsTheChosenFullPathsInTheDialogsOrder) {
    std::vector<std::u16string> paths;
    cScriptedFileDialog one(TypeAndAccept(QStringLiteral("nouns.recallix")));
    ASSERT_TRUE(one.PickFiles(u"Load", kFilter, paths));
    EXPECT_EQ(paths, std::vector<std::u16string>{PathOf("nouns.recallix")});

    // A typed name without extension gets the cue file extension.
    cScriptedFileDialog typed(TypeAndAccept(QStringLiteral("verbs")));
    ASSERT_TRUE(typed.PickFiles(u"Load", kFilter, paths));
    EXPECT_EQ(paths, std::vector<std::u16string>{PathOf("verbs.recallix")});

    cScriptedFileDialog three(TypeAndAccept(
        QStringLiteral("\"phrases.recallix\" \"verbs.recallix\" \"nouns.recallix\"")));
    ASSERT_TRUE(three.PickFiles(u"Load", kFilter, paths));
    EXPECT_EQ(paths,
              (std::vector<std::u16string>{PathOf("phrases.recallix"), PathOf("verbs.recallix"),
                                           PathOf("nouns.recallix")}));
}

}  // namespace
