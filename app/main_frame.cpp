// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/main_frame.h"

#include <QAccessible>
#include <QActionGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "app/font_setting.h"
#include "app/history_window.h"
#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/message_box.h"
#include "app/resources/control_ids.h"
#include "app/resources/menu_resource.h"
#include "app/resources/program_icon.h"
#include "app/resources/resource_language.h"
#include "app/resources/string_resource.h"
#include "app/resources/version.h"
#include "i18n/language_setting.h"
#include "lexitra/lexitra.h"
#include "locale/thread_locale.h"
#include "platform/profile.h"
#include "platform/qt/browser_launch.h"

namespace {

constexpr int kLanguageMenuPosition = 2;

QString Translated(eUiText id) {
    return QString::fromStdU16String(LoadTranslatedUiString(id));
}

bool IsFontCommand(int id) {
    return id >= kIdFontFirst && id <= kIdFontLast;
}
bool IsLanguageCommand(int id) {
    return id >= kIdLanguageFirst && id <= kIdLanguageLast;
}

// The desktop's usual keys for the commands that have one, shown in the menus. None of them
// is an access key or a key that types text in the Answer box.
QKeySequence StandardShortcut(int id) {
    switch (id) {
        case kIdLoad:
            return QKeySequence(Qt::CTRL | Qt::Key_O);
        case kIdExit:
            return QKeySequence(Qt::CTRL | Qt::Key_Q);
        case kIdAccents:
            return QKeySequence(Qt::Key_F1);
        default:
            return {};
    }
}

// Holds the form, which scrolls only when the window is smaller than the form's layout: on
// a screen too small for it (a large font, a high scale factor). Its size is the form's.
class cFormScrollArea : public QScrollArea {
public:
    cFormScrollArea() {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);     // the form stretches with the window, as before
        setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, as before
    }
    QSize sizeHint() const override {
        return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
    QSize minimumSizeHint() const override { return {}; }
};

// A label of the status bar whose text a screen reader reads as its name.
QLabel* MakeStatusLabel(const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Tells screen readers that the label's text changed: shown alone, it would pass unheard.
void Announce(QLabel* label) {
    QAccessibleEvent announcement(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&announcement);
}

}  // namespace

std::unique_ptr<cMainFrame> cMainFrame::Create(cMainDoc& doc, cProfile& profile,
                                               sRunState& runState) {
    auto frame = std::make_unique<cMainFrame>(doc, profile, runState);
    std::unique_ptr<cMainForm> form = cMainForm::Create(doc, runState.CurrentFontIndex);
    if (!form) {
        return nullptr;
    }
    cMainForm* shownForm = form.get();
    frame->SetForm(std::move(form));
    if (const QScreen* screen = frame->screen()) {
        frame->FitToScreen(screen->availableGeometry().size());
    }
    frame->show();
    shownForm->OnInitialUpdate();
    return frame;
}

cMainFrame::cMainFrame(cMainDoc& doc, cProfile& profile, sRunState& runState)
    : m_doc(doc), m_profile(profile), m_runState(runState), m_filePicker(this) {
    setObjectName(QStringLiteral("MainFrame"));
    // The caption is always the program's name, never a document's.
    setWindowTitle(GetAppName());
    setWindowIcon(MakeProgramIcon());
    setAcceptDrops(true);
    CreateMenus();
    CreateStatusBar();
    m_doc.SetFilePicker(&m_filePicker);
    m_doc.SetStatusSink([this](const std::u16string& text) { OnStatusText(text); });
    m_doc.AddView(this);
    ShowDueCount();
}

cMainFrame::~cMainFrame() {
    m_doc.RemoveView(this);
    m_doc.SetFilePicker(nullptr);
    m_doc.SetStatusSink(nullptr);
}

void cMainFrame::SetForm(std::unique_ptr<cMainForm> form) {
    m_form = form.release();
    // Below its layout's size the form would hide its buttons and boxes: it scrolls
    // instead.
    m_form->setMinimumSize(m_form->sizeHint());
    auto* scrollArea = new cFormScrollArea;
    scrollArea->setWidget(m_form);
    setCentralWidget(scrollArea);  // the window owns both now
    FitToScreen(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void cMainFrame::FitToScreen(const QSize& available) {
    // The layout's own size, menu and status bar included, as far as the screen has room.
    const QSize size = sizeHint().boundedTo(available);
    setMinimumSize(size);
    resize(size);
}

// ---------------------------------------------------------------------------------------
// Menus and status bar

void cMainFrame::CreateMenus() {
    const bool japanese = UseJapaneseResources();
    const std::vector<sMenuPopup> popups = GetMainMenu(japanese);
    auto* fontGroup = new QActionGroup(this);  // the font entries are marked as radio items
    for (size_t position = 0; position < popups.size(); ++position) {
        QMenu* menu = menuBar()->addMenu(popups[position].title);
        if (static_cast<int>(position) == kLanguageMenuPosition) {
            m_languageMenu = menu;
        }
        for (const sMenuEntry& entry : popups[position].entries) {
            if (entry.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = AddCommand(menu, entry.id, entry.text);
            if (entry.id == kIdStudyDue) {
                m_studyDueText = entry.text;  // the count is shown after it
            }
            if (IsFontCommand(entry.id)) {
                action->setCheckable(true);
                fontGroup->addAction(action);
            }
        }
        // Opening any menu activates the menu bar: the language list is built then.
        connect(menu, &QMenu::aboutToShow, this, [this] {
            BuildLanguageMenu();
            UpdateMenuMarks();
            UpdateCommandStates();
        });
    }
}

QAction* cMainFrame::AddCommand(QMenu* menu, int id, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setShortcut(StandardShortcut(id));
    action->setStatusTip(LoadResourceString(id, UseJapaneseResources()));
    connect(action, &QAction::triggered, this,
            [this, action] { OnCommand(action->data().toInt()); });
    m_actions[id] = action;
    return action;
}

QAction* cMainFrame::FindAction(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void cMainFrame::CreateStatusBar() {
    // One label carries every status text, the idle prompt included: all stand in the same
    // place, and a screen reader reads (and hears of changes to) what is shown. The bar's
    // own temporary message would be painted past the label, unseen by screen readers.
    m_statusText = MakeStatusLabel(QStringLiteral("StatusText"),
                                   LoadResourceString(kIdReady, UseJapaneseResources()));
    statusBar()->addWidget(m_statusText, 1);
    m_dueText = MakeStatusLabel(QStringLiteral("DueText"));
    statusBar()->addPermanentWidget(m_dueText);
    statusBar()->setSizeGripEnabled(true);
}

void cMainFrame::OnStatusText(const std::u16string& text) {
    m_statusText->setText(QString::fromStdU16String(text));
    m_statusText->repaint();
    Announce(m_statusText);  // a load's outcome would otherwise pass unheard
}

QString cMainFrame::GetStatusText() const {
    return m_statusText->text();
}

bool cMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // An empty prompt means the menus are left: the idle prompt returns.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_statusText->setText(tip.isEmpty() ? LoadResourceString(kIdReady, UseJapaneseResources())
                                            : tip);
        return true;
    }
    return QMainWindow::event(event);
}

// ---------------------------------------------------------------------------------------
// Dropped files

namespace {

// The local files a drag carries, in its order; empty when it carries none.
std::vector<std::u16string> DroppedFiles(const QMimeData* data) {
    std::vector<std::u16string> paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(url.toLocalFile().toStdU16String());
        }
    }
    return paths;
}

}  // namespace

void cMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void cMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void cMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::u16string> paths = DroppedFiles(event->mimeData());
    if (paths.empty()) {
        return;
    }
    event->acceptProposedAction();
    const bool reversed = (event->modifiers() & Qt::ShiftModifier) != 0;
    // Loading may show the wait cursor for a while: not inside the drag's own handling.
    QMetaObject::invokeMethod(
        this,
        [this, paths, reversed] {
            m_doc.LoadFiles(paths, reversed);
            activateWindow();
        },
        Qt::QueuedConnection);
}

void cMainFrame::BuildLanguageMenu() {
    if (m_languageMenu == nullptr) {
        return;
    }
    const int count = m_doc.GetLanguageCount();
    const QList<QAction*> existing = m_languageMenu->actions();
    if (existing.size() >= count || count <= 0) {
        return;  // built already
    }
    for (int i = 0; i < count; ++i) {
        const uint16_t language = m_doc.GetLanguage(i);
        const int id = kIdLanguageFirst + i;
        const QString name = QString::fromStdU16String(GetNativeLanguageName(language));
        QAction* action = i < existing.size() ? existing[i] : nullptr;
        if (action == nullptr) {
            action = AddCommand(m_languageMenu, id, name);
        }
        m_actions.erase(action->data().toInt());
        action->setText(name);
        action->setData(id);
        action->setCheckable(true);
        m_actions[id] = action;
        m_doc.SetMenuLanguage(static_cast<uint32_t>(id), language);
    }
}

void cMainFrame::UpdateMenuMarks() {
    for (const auto& [id, action] : m_actions) {
        if (IsFontCommand(id)) {
            action->setChecked(id - kIdFontFirst == m_runState.CurrentFontIndex);
        } else if (IsLanguageCommand(id)) {
            // English (UK) marks English: only the primary language counts.
            const uint16_t language = m_doc.GetMenuLanguage(static_cast<uint32_t>(id));
            const uint32_t current = (GetThreadLocale() & 0x3FF) | 0x400;
            action->setCheckable(true);
            action->setChecked(language != 0 && language == current);
        }
    }
}

void cMainFrame::UpdateCommandStates() {
    if (QAction* review = FindAction(kIdReviewMissed)) {
        review->setEnabled(m_doc.HasMissesToReview());
    }
    ShowDueCount();
}

void cMainFrame::OnUpdate(cView*, long) {
    ShowDueCount();
}

void cMainFrame::ShowDueCount() {
    const int due = m_doc.CountDueCards();
    if (QAction* study = FindAction(kIdStudyDue)) {
        study->setText(m_studyDueText + QStringLiteral(" (%1)").arg(due));
        study->setEnabled(due > 0);
    }
    // Said while there are cards to study: with none loaded there is nothing to count.
    const QString text =
        m_doc.GetTotalCues() == 0 ? QString()
        : due == 1 ? QString::fromStdU16String(LoadTranslatedUiString(eUiText::OneCardDueToday))
                   : QString::fromStdU16String(LoadTranslatedUiString(eUiText::CardsDueToday))
                         .replace(QStringLiteral("%i"), QString::number(due));
    if (text != m_dueText->text()) {
        m_dueText->setText(text);
        m_dueText->setVisible(!text.isEmpty());
        Announce(m_dueText);
    }
}

QString cMainFrame::GetDueText() const {
    return m_dueText->text();
}

// ---------------------------------------------------------------------------------------
// Commands

void cMainFrame::OnCommand(int id) {
    if (m_form != nullptr && m_form->OnCommand(id)) {
        return;
    }
    if (IsFontCommand(id)) {
        OnFontChange(id);
    } else if (IsLanguageCommand(id)) {
        OnLanguageChange(id);
    } else if (id == kIdAbout) {
        OnAbout();
    } else if (id == kIdHistory) {
        OnHistory();
    } else if (id == kIdWebLink) {
        OnWebLink();
    } else if (id == kIdExit) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    UpdateMenuMarks();
}

bool cMainFrame::ConfirmRestart() {
    const auto answer =
        ShowMessageBox(this, QMessageBox::Question, Translated(eUiText::RestartQuestion),
                       QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return false;
    }
    m_runState.RestartRequested = true;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return true;
}

void cMainFrame::OnFontChange(int id) {
    const int index = id - kIdFontFirst;
    if (index == m_runState.CurrentFontIndex) {
        return;
    }
    if (ConfirmRestart()) {
        m_runState.CurrentFontIndex = index;
        WriteFontSetting(m_profile, index);
    }
}

void cMainFrame::OnLanguageChange(int id) {
    const uint16_t language = m_doc.GetMenuLanguage(static_cast<uint32_t>(id));
    if (language == 0) {
        return;
    }
    if (ConfirmRestart()) {
        ApplyLanguage(language, m_profile);
    }
}

void cMainFrame::OnAbout() {
    const QStringList lines = {
        QString::fromStdU16String(kProductName) + u' ' + QString::fromStdU16String(kVersionText),
        QString(),
        QString::fromStdU16String(kMakerLine),
        Translated(eUiText::WebAddress),
        QString(),
        Translated(eUiText::AboutPurpose),
        Translated(eUiText::AboutLicence) + u'\n',
    };
    const QString text = lines.join(u'\n');
    ShowMessageBox(this, QMessageBox::Information, text);
}

cHistoryWindow* cMainFrame::GetHistoryWindow() const {
    return m_historyWindow;
}

void cMainFrame::OnHistory() {
    // A fresh window each time: it shows the files loaded now.
    if (m_historyWindow) {
        m_historyWindow->close();
    }
    m_historyWindow = new cHistoryWindow(m_doc, m_doc.GetPassHistory(),
                                         m_form != nullptr ? m_form->font() : font(), this);
    m_historyWindow->show();
}

void cMainFrame::OnWebLink() {
    LaunchDefaultBrowser(LoadTranslatedUiString(eUiText::WebAddress));
}
