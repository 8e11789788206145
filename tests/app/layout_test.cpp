#include <QMenuBar>

#include "tests/app/main_window_fixture.h"

namespace {

constexpr int kButtonIds[] = {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose};

class LayoutTest : public MainWindowTest {
protected:
    // Resizes the window so the form gets the given size, and waits until it has.
    void ResizeForm(QSize formSize) {
        frame->resize(frame->size() + formSize - form->size());
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == formSize; }, 2000))
            << form->width() << " x " << form->height();
    }
    int Right(int id) const {
        return form->GetControl(id)->geometry().x() + form->GetControl(id)->width();
    }
};

TEST_F(LayoutTest, WiderWindowStretchesTheBoxesAndMovesTheRightHandButtons) {
    const int clearX = Button(kIdClear)->x();
    const int restartX = Button(kIdRestart)->x();
    const int loadX = Button(kIdLoad)->x();
    const QRect fastest = Edit(kIdFastest)->geometry();
    ResizeForm(form->size() + QSize(200, 40));

    const int w = form->width();
    const int h = form->height();
    const int bw = Button(kIdClose)->width();
    const int bh = Button(kIdClose)->height();
    for (int id : {kIdCue, kIdAnswer, kIdProgress, kIdFileList}) {
        EXPECT_EQ(Right(id), w - 5) << id;
    }
    EXPECT_EQ(Button(kIdClose)->x(), w - bw - 5);
    EXPECT_EQ(Button(kIdIgnore)->x(), w - 2 * bw - 10);
    EXPECT_EQ(Button(kIdNext)->x(), w - 3 * bw - 15);
    EXPECT_EQ(Button(kIdClear)->x(), clearX);
    EXPECT_EQ(Button(kIdRestart)->x(), restartX);
    EXPECT_EQ(Button(kIdLoad)->x(), loadX);
    EXPECT_EQ(Edit(kIdFastest)->geometry(), fastest);
    for (int id : kButtonIds) {
        EXPECT_EQ(Button(id)->y(), h - bh - 5) << id;
    }
    EXPECT_EQ(FileList()->geometry().bottom() + 1, h - bh - 10);
}

TEST_F(LayoutTest, TooShortAWindowHidesTheButtonsUntilItGrowsAgain) {
    const QSize normal = form->size();
    const int tight = FileList()->y() + Button(kIdClose)->height() + 10;
    ResizeForm({normal.width(), tight - 1});
    for (int id : kButtonIds) {
        EXPECT_TRUE(Button(id)->isHidden()) << id;
    }
    EXPECT_EQ(FileList()->height(), 0);

    ResizeForm({normal.width(), tight});
    for (int id : kButtonIds) {
        EXPECT_TRUE(Button(id)->isVisible()) << id;
    }
    ResizeForm(normal);
    EXPECT_GT(FileList()->height(), 0);
}

TEST_F(LayoutTest, EachFontIndexHasALayoutOfItsOwn) {
    const std::unique_ptr<cMainForm> verdana = cMainForm::Create(*doc, 1);
    const std::unique_ptr<cMainForm> tahoma = cMainForm::Create(*doc, 2);
    ASSERT_NE(verdana, nullptr);
    ASSERT_NE(tahoma, nullptr);
    EXPECT_EQ(form->GetControl(kIdAnswer)->font().pointSize(), 10);
    EXPECT_EQ(verdana->GetControl(kIdAnswer)->font().pointSize(), 12);
    EXPECT_EQ(tahoma->GetControl(kIdAnswer)->font().pointSize(), 16);
    EXPECT_EQ(cMainForm::Create(*doc, 3), nullptr);
}

// Screen readers need a name for every control: its own, or a button's text.
void ExpectEveryControlNamed(cMainDoc& doc) {
    for (int fontIndex = 0; fontIndex < 3; ++fontIndex) {
        const std::unique_ptr<cMainForm> form = cMainForm::Create(doc, fontIndex);
        ASSERT_NE(form, nullptr);
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            QWidget* control = form->GetControl(id);
            ASSERT_NE(control, nullptr) << id;
            auto* button = qobject_cast<QPushButton*>(control);
            const QString name = button != nullptr ? button->text() : control->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << "control " << id << ", font " << fontIndex;
        }
    }
}

TEST_F(LayoutTest, EveryControlHasAName) {
    ExpectEveryControlNamed(*doc);
}

class JapaneseWindowTest : public MainWindowTest {
protected:
    void SetUp() override { BuildWindow(1041); }
};

TEST_F(JapaneseWindowTest, ButtonsAndMenusAreJapanese) {
    EXPECT_EQ(Button(kIdClear)->text(), "削除(&C)");
    EXPECT_EQ(Button(kIdRestart)->text(), "やり直し(&R)");
    EXPECT_EQ(Button(kIdLoad)->text(), "読み込み(&L)");
    EXPECT_EQ(Button(kIdNext)->text(), "次(&N)");
    EXPECT_EQ(Button(kIdIgnore)->text(), "非表示(&I)");
    EXPECT_EQ(Button(kIdClose)->text(), "閉じる(&C)");
    EXPECT_EQ(frame->menuBar()->actions().value(0)->text(), "ファイル(&F)");
}

TEST_F(JapaneseWindowTest, EveryControlHasAName) {
    ExpectEveryControlNamed(*doc);
}

}  // namespace
