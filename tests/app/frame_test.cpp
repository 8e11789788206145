// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "app/deferred_icon_style.h"
#include "app/resources/deferred_icon_engine.h"
#include "app/resources/font_substitutes.h"
#include "tests/support/qt/main_window_fixture.h"

namespace {

using MenuTest = MainWindowTest;

TEST_F(MenuTest, LanguageMenuMarksTheCurrentPrimaryLanguage) {
    for (const uint32_t locale : {kLocaleEnglishUs, kLocaleEnglishUk, kLocaleJapanese}) {
        SCOPED_TRACE(locale);
        SetThreadLocale(locale);
        OpenFileMenu();
        // The language entries: English, then Japanese.
        EXPECT_EQ(std::pair(frame->FindAction(kIdLanguageFirst)->isChecked(),
                            frame->FindAction(kIdLanguageFirst + 1)->isChecked()),
                  std::pair(locale != kLocaleJapanese, locale == kLocaleJapanese));
    }
}

// Another font or language asks to restart: No changes nothing, Yes stores the choice and
// asks for a new start.
TEST_F(MenuTest, FontOrLanguageChangeAsksToRestart) {
    for (const int entry : {kIdFontFirst + 1, kIdLanguageFirst + 1}) {  // a font, Japanese
        SCOPED_TRACE(entry);
        Rebuild(kLocaleEnglishUs);
        OpenFileMenu();
        const int stored = profile.GetValueCount();
        for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
            ASSERT_NE(BoxSaidBy([&] { frame->FindAction(entry)->trigger(); }, button), "");
            EXPECT_EQ(runState.RestartRequested, button == QMessageBox::Yes);
            EXPECT_TRUE(button == QMessageBox::Yes || profile.GetValueCount() == stored);
        }
        runState.RestartRequested = false;
    }
    EXPECT_EQ(profile.GetProfileInt(u"", u"Font", 99), 1u);
    EXPECT_TRUE(frame->FindAction(kIdFontFirst + 1)->isChecked());
    EXPECT_EQ(profile.GetProfileString(u"", u"Language", u""), u"Language_1041");

    Rebuild(kLocaleEnglishUs);
    frame->FindAction(kIdFontFirst + 1)->trigger();  // the font in use: no question
}

// The About box states the licence the program is published under, in either language.
TEST_F(MenuTest, AboutBoxNamesTheLicence) {
    const std::pair<uint32_t, QStringList> rows[] = {
        {kLocaleEnglishUs, {"GNU General Public License, version 3 or any later", "warranty"}},
        {kLocaleJapanese, {"GNU 一般公衆利用許諾書 (GNU GPL) バージョン 3", "保証"}}};
    for (const auto& [locale, needles] : rows) {
        Rebuild(locale);
        const QString about = BoxSaidBy([&] { frame->OnCommand(kIdAbout); });
        for (const QString& needle : needles + QStringList{"© 2026 the Recallix developers"}) {
            EXPECT_TRUE(about.contains(needle)) << needle.toStdString();
        }
    }
}

TEST_F(MainWindowTest, ViewRemovedByAnotherDuringARefreshIsNotCalled) {
    cCallbackView first, second;
    first.onUpdate = [&] { doc->RemoveView(&second); };
    second.onUpdate = [] { ADD_FAILURE() << "the removed view was refreshed"; };
    doc->AddView(&first);
    doc->AddView(&second);
    doc->Restart();
    doc->RemoveView(&first);
}

// The window is never smaller than its layout. On a screen too small for the layout (a
// large font, a high scale factor) it fits the screen, the status bar stays in view and the
// form scrolls, so that every control can still be reached.
TEST_F(MainWindowTest, EveryControlStaysWithinReachHoweverSmallTheWindow) {
    EXPECT_FALSE(Button(kIdNext)->geometry().intersects(Button(kIdIgnore)->geometry()));
    const QSize layout = form->sizeHint();
    auto* scrollArea = qobject_cast<QScrollArea*>(frame->centralWidget());
    ASSERT_NE(scrollArea, nullptr);
    const std::pair<const char*, QSize> rows[] = {{"RoomyScreen", {4000, 3000}},
                                                  {"SmallScreen", {300, 200}}};
    for (const auto& [name, screen] : rows) {
        SCOPED_TRACE(name);
        frame->FitToScreen(screen);
        frame->resize(300, 200);  // as far as the user can shrink it
        const QSize expected = frame->sizeHint().boundedTo(screen).expandedTo({300, 200});
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->size() == expected; }, 2000));
        QCoreApplication::processEvents();  // the layout follows the new size
        EXPECT_EQ(form->size().expandedTo(layout), form->size());
        EXPECT_TRUE(frame->rect().contains(frame->statusBar()->geometry()));
        for (const int id : {kIdClear, kIdRestart, kIdLoad, kIdNext, kIdIgnore, kIdClose, kIdTime,
                             kIdFastest, kIdAnswer}) {
            QWidget* control = form->GetControl(id);
            const QRect inForm(control->mapTo(form, QPoint()), control->size());
            scrollArea->ensureVisible(inForm.center().x(), inForm.center().y(),
                                      inForm.width() / 2 + 1, inForm.height() / 2 + 1);
            const QWidget* viewport = scrollArea->viewport();
            const QRect shown(control->mapTo(viewport, QPoint()), control->size());
            const QRect seen = shown & viewport->rect();
            EXPECT_TRUE(control->isVisible()) << id;
            EXPECT_EQ(seen.height(), shown.height()) << id;
            // A box wider than the window shows as much of itself as there is room for.
            EXPECT_GE(seen.width(), std::min(shown.width(), viewport->width() - 2)) << id;
        }
    }
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindowOnceItsHandlerHasReturned) {
    Button(kIdClose)->click();
    EXPECT_TRUE(frame->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}

// The icon drawn into an image, as a button paints it.
QImage Painted(const QIcon& icon) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

// An icon read on first use reads its images once, when first drawn, and not when a
// button or window only asks whether it has any or which sizes it has.
TEST(DeferredIconTest, ReadsItsImagesOnceWhenFirstDrawn) {
    int reads = 0;
    const QIcon icon(new cDeferredIconEngine(
        [&reads] {
            ++reads;
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::red);
            return QIcon(pixmap);
        },
        {QSize(16, 16)}));
    EXPECT_EQ((std::tuple{icon.isNull(), icon.availableSizes(), reads}),
              std::tuple(false, QList<QSize>{QSize(16, 16)}, 0));
    EXPECT_NE(Painted(icon), Painted(QIcon()));  // drawn with its ink
    EXPECT_EQ((std::pair{icon.pixmap(16).size(), reads}), std::pair(QSize(16, 16), 1));
}

// The window icon comes in the theme sizes; the menu bar's extension button, shown when the
// window is too narrow for its menus, draws the style's own icon.
TEST_F(MainWindowTest, WindowIconInTheThemeSizesAndMenuBarExtensionInTheStyles) {
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(frame->windowIcon().pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
    }
    cDeferredIconStyle::Install();
    Rebuild(kLocaleEnglishUs);
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon shown =
        frame->menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"))->icon();
    EXPECT_NE(Painted(own), Painted(QIcon()));
    EXPECT_EQ(Painted(shown), Painted(own));
    EXPECT_EQ(shown.pixmap(QSize(8, 8), 2.0).toImage(), own.pixmap(QSize(8, 8), 2.0).toImage());
}

// Each layout's font names only installed faces, its own first, then its stand-ins of the
// same proportions, so the font matcher never has to search for a face that is missing. A
// family that several foundries make counts by its bare name.
TEST(FormFontTest, NamesInstalledFacesOnlyTheLayoutsOwnFirst) {
    const QStringList usual = {"DejaVu Sans [PfEd]", "DejaVu Sans [Other]", "DejaVu Sans Condensed",
                               "Liberation Sans", "Noto Sans"};
    const std::tuple<const char*, QStringList, QStringList> cases[] = {
        {"MS Shell Dlg", usual, {"DejaVu Sans Condensed", "Liberation Sans"}},
        {"Tahoma", usual, {"DejaVu Sans Condensed", "Liberation Sans"}},
        {"Tahoma", {"Liberation Sans"}, {"Liberation Sans"}},
        {"Verdana", usual, {"DejaVu Sans"}},
        {"Verdana", usual + QStringList{"Verdana"}, {"Verdana", "DejaVu Sans"}},
        // Nothing of its own installed: the font matcher chooses for the named face.
        {"Tahoma", {"Noto Sans"}, {"Tahoma"}},
    };
    for (const auto& [family, installed, named] : cases) {
        const QFont font = MakeFormFont(family, 12, installed);
        EXPECT_EQ(std::pair(font.families(), font.pointSize()), std::pair(named, 12)) << family;
    }
}

using AccessibilityTest = MainWindowTest;

// Screen readers need a name for every control: its label's, or a button's text.
TEST_F(AccessibilityTest, EveryControlOfEveryLayoutHasANameAndTheStatusBarSaysReady) {
    // The status bar says Ready once the menus are left.
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->GetStatusText(), "Ready.");
    for (int layout = 0; layout < 6; ++layout) {
        SetThreadLocale(layout < 3 ? kLocaleEnglishUs : kLocaleJapanese);
        const std::unique_ptr<cMainForm> layoutForm = cMainForm::Create(*doc, layout % 3);
        ASSERT_NE(layoutForm, nullptr);
        for (int id = kIdClose; id <= kIdFastest; ++id) {
            QWidget* control = layoutForm->GetControl(id);
            ASSERT_NE(control, nullptr) << id;
            EXPECT_FALSE(Accessible(control).isEmpty())
                << "control " << id << " in layout " << layout;
        }
    }
    EXPECT_EQ(Accessible(Edit(kIdTotalCues)), "Total cues");  // without the label's colon
}

}  // namespace
