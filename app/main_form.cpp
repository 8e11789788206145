// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/main_form.h"

#include <algorithm>

#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>

#include "app/main_doc.h"
#include "app/message_box.h"
#include "app/resources/card_bitmap.h"
#include "app/resources/control_ids.h"
#include "app/resources/dialog_units.h"
#include "app/resources/font_substitutes.h"
#include "app/resources/form_template.h"
#include "app/resources/resource_language.h"
#include "text/file_title.h"

namespace {

constexpr int kMargin = 5;       // pixels between the buttons and around the window's edge
constexpr int kMarginUnits = 5;  // the same margin in a layout's dialog units
constexpr char16_t kCaretMarker = u'\r';

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// Sets the text of a box that only shows it, scrolled to its start: a long cue is read
// from its beginning.
void SetShownText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

// The text without the line breaks a paste may bring into the one-line Answer box (they
// would be taken for the caret marker); caret moves back by those removed before it.
std::u16string WithoutLineBreaks(std::u16string text, int& caret) {
    const auto isLineBreak = [](char16_t c) { return c == u'\r' || c == u'\n'; };
    const auto beforeCaret = text.begin() + std::min<ptrdiff_t>(caret, std::ssize(text));
    caret -= static_cast<int>(std::count_if(text.begin(), beforeCaret, isLineBreak));
    std::erase_if(text, isLineBreak);
    return text;
}

// A label's text as a name for the control it labels: "Total cues:" -> "Total cues".
QString AccessibleNameOf(QString labelText) {
    labelText.remove(u'&');
    while (labelText.endsWith(u':') || labelText.endsWith(u'：')) {
        labelText.chop(1);
    }
    return labelText.trimmed();
}

// The item a label stands before: the nearest control to its right on the same row.
const sFormItem* FindLabelledItem(const sFormTemplate& layout, const sFormItem& label) {
    const sFormItem* best = nullptr;
    for (const sFormItem& item : layout.items) {
        const bool candidate = item.kind != eFormItemKind::Label && item.y == label.y &&
                               item.x >= label.x + label.width;
        if (candidate && (best == nullptr || item.x < best->x)) {
            best = &item;
        }
    }
    return best;
}

QWidget* CreateItemWidget(const sFormItem& item, QWidget* parent) {
    switch (item.kind) {
        case eFormItemKind::Edit:
        case eFormItemKind::ReadOnlyEdit: {
            auto* edit = new QLineEdit(parent);
            edit->setReadOnly(item.kind == eFormItemKind::ReadOnlyEdit);
            return edit;
        }
        case eFormItemKind::ProgressBar: {
            auto* bar = new QProgressBar(parent);
            bar->setTextVisible(false);
            return bar;
        }
        case eFormItemKind::PushButton:
        case eFormItemKind::DefaultPushButton: {
            auto* button = new QPushButton(item.text, parent);
            button->setDefault(item.kind == eFormItemKind::DefaultPushButton);
            button->setAutoDefault(false);
            return button;
        }
        case eFormItemKind::Label: {
            auto* label = new QLabel(item.text, parent);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return label;
        }
        case eFormItemKind::ListView: {
            auto* list = new QListWidget(parent);
            list->setViewMode(QListView::ListMode);
            list->setFlow(QListView::TopToBottom);
            list->setWrapping(true);
            list->setResizeMode(QListView::Adjust);
            list->setSortingEnabled(true);
            list->setIconSize(QSize(16, 16));
            return list;
        }
    }
    return nullptr;
}

// A drag (entering, moving or dropping) that carries files rather than text.
bool IsFileDrag(const QEvent& event) {
    const auto type = event.type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    const QMimeData* data = static_cast<const QDropEvent&>(event).mimeData();
    if (data == nullptr || !data->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

std::unique_ptr<cMainForm> cMainForm::Create(cMainDoc& doc, int fontIndex, QWidget* parent) {
    // The index comes from the settings file as it stands: anything far off has no layout.
    if (fontIndex < 0 || fontIndex > kIdFontLast - kIdFontFirst) {
        return nullptr;
    }
    const sFormTemplate* layout =
        FindFormTemplate(kIdFormTemplateFirst + fontIndex, UseJapaneseResources());
    if (layout == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<cMainForm>(new cMainForm(doc, *layout, parent));
}

cMainForm::cMainForm(cMainDoc& doc, const sFormTemplate& layout, QWidget* parent)
    : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("MainForm"));
    CreateControls(layout);
    BindControls();
    ConnectControls();
    m_doc.AddView(this);
}

cMainForm::~cMainForm() {
    m_doc.RemoveView(this);
}

void cMainForm::CreateControls(const sFormTemplate& layout) {
    const QFont font = MakeFormFont(layout.fontFamily, layout.pointSize);
    setFont(font);
    const cDialogUnits units(font);
    // Some layouts are narrower than their items reach; the form takes whichever is wider,
    // so no control starts out clipped.
    QSize dialogSize(layout.width, layout.height);
    for (const sFormItem& item : layout.items) {
        dialogSize = dialogSize.expandedTo(
            QSize(item.x + item.width + kMarginUnits, item.y + item.height + kMarginUnits));
    }
    m_templateSize = units.ToPixels(dialogSize);

    std::map<const sFormItem*, QLabel*> labels;
    QWidget* previousTabStop = nullptr;
    for (const sFormItem& item : layout.items) {
        QWidget* widget = CreateItemWidget(item, this);
        if (widget->focusPolicy() & Qt::TabFocus) {
            // Tab visits the items in the layout's order, the read-only boxes included.
            if (previousTabStop != nullptr) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
        widget->setGeometry(units.ToPixels(item.x, item.y, item.width, item.height));
        if (item.kind == eFormItemKind::Label) {
            labels[&item] = static_cast<QLabel*>(widget);
        } else {
            m_controls[item.id] = widget;
            widget->setObjectName(QStringLiteral("control%1").arg(item.id));
        }
    }
    // Each label names the control beside it, for screen readers and UI automation.
    for (const auto& [item, label] : labels) {
        const sFormItem* labelled = FindLabelledItem(layout, *item);
        if (labelled != nullptr) {
            QWidget* control = m_controls[labelled->id];
            label->setBuddy(control);
            control->setAccessibleName(AccessibleNameOf(item->text));
        }
    }
}

void cMainForm::BindControls() {
    auto control = [this](int id) { return GetControl(id); };
    m_fileList = static_cast<QListWidget*>(control(kIdFileList));
    m_ignore = static_cast<QPushButton*>(control(kIdIgnore));
    m_totalCues = static_cast<QLineEdit*>(control(kIdTotalCues));
    m_cuesLeft = static_cast<QLineEdit*>(control(kIdCuesLeft));
    m_next = static_cast<QPushButton*>(control(kIdNext));
    m_progress = static_cast<QProgressBar*>(control(kIdProgress));
    m_answer = static_cast<QLineEdit*>(control(kIdAnswer));
    m_cue = static_cast<QLineEdit*>(control(kIdCue));
    m_time = static_cast<QLineEdit*>(control(kIdTime));
    m_fastest = static_cast<QLineEdit*>(control(kIdFastest));
    m_restart = static_cast<QPushButton*>(control(kIdRestart));
    m_load = static_cast<QPushButton*>(control(kIdLoad));
    m_close = static_cast<QPushButton*>(control(kIdClose));
    m_clear = static_cast<QPushButton*>(control(kIdClear));

    m_fileList->setAccessibleName(UseJapaneseResources() ? QStringLiteral("読み込んだファイル")
                                                         : QStringLiteral("Loaded files"));
    // The file list takes the colour of the form, as the rest of the form's background.
    QPalette palette = m_fileList->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_fileList->setPalette(palette);
    m_progress->setRange(0, 100);
}

void cMainForm::ConnectControls() {
    for (int id : {kIdClear, kIdRestart, kIdLoad, kIdIgnore, kIdClose}) {
        connect(static_cast<QPushButton*>(GetControl(id)), &QPushButton::clicked, this,
                [this, id] { OnCommand(id); });
    }
    connect(m_next, &QPushButton::clicked, this,
            [this] { OnNext(QGuiApplication::keyboardModifiers()); });
    connect(m_answer, &QLineEdit::textChanged, this, &cMainForm::OnAnswerChanged);
    // Keys reach the form's own handling before the menu bar's shortcuts.
    QCoreApplication::instance()->installEventFilter(this);
    // The clock wakes only when the shown time can change, and then on time: a coarse
    // timer may fire tens of milliseconds late.
    m_timer.setObjectName(QStringLiteral("ClockTimer"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &cMainForm::OnTimer);
}

QWidget* cMainForm::GetControl(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

// ---------------------------------------------------------------------------------------
// Display

void cMainForm::OnInitialUpdate() {
    OnUpdate(nullptr, kHintEverything);
}

void cMainForm::OnUpdate(cView*, long hint) {
    const long flags = hint == kHintEverything ? ~0L : hint;
    if ((flags & kHintStudyState) != 0) {
        m_progress->setValue(m_doc.GetProgress());
        SetShownText(m_cue, ToQString(m_doc.GetCurrentCue()));
        m_cuesLeft->setText(QString::number(m_doc.GetCuesLeft()));
        m_totalCues->setText(QString::number(m_doc.GetTotalCues()));
    }
    if ((flags & kHintFileList) != 0) {
        FillFileList();
    }
    m_fastest->setText(ToQString(m_doc.GetFastestText()));
    // An answer, Ignore's penalty, a load or Restart may have changed the pass time or
    // started or stopped its clock.
    OnTimer();
    UpdateAnswerState();
    FocusAnswer();
}

void cMainForm::FillFileList() {
    m_fileList->clear();
    static const QIcon cardIcon(MakeCardIcon());
    for (int i = 0; i < m_doc.GetLoadedFileCount(); ++i) {
        const std::u16string path = m_doc.GetLoadedFile(i);
        const std::u16string title(FileTitleOfPath(path));
        m_fileList->addItem(new QListWidgetItem(cardIcon, ToQString(title)));
    }
}

void cMainForm::OnTimer() {
    // One reading for both the text and the next wake-up, so no boundary falls between.
    const cMainDoc::sPassTime passTime = m_doc.GetPassTime();
    const QString shown = ToQString(passTime.text);
    if (m_time->text() != shown) {
        m_time->setText(shown);  // a text that stays the same would still repaint
    }
    if (passTime.msUntilChange >= 0) {
        m_timer.start(passTime.msUntilChange);
    } else {
        m_timer.stop();  // nothing changes until the document says so
    }
}

void cMainForm::UpdateAnswerState() {
    const bool nothingLeft = m_doc.GetCuesLeft() == 0;
    if (nothingLeft && !m_answer->text().isEmpty()) {
        SetAnswerText(QString());
    }
    m_answer->setReadOnly(nothingLeft);
    m_next->setEnabled(!nothingLeft && m_doc.IsAnswerReady(m_answer->text().toStdU16String()));
}

void cMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void cMainForm::ArrangeControls() {
    if (m_close == nullptr) {
        return;
    }
    const int left = m_fileList->x();
    const int top = m_fileList->y();
    const int bw = m_close->width();
    const int bh = m_close->height();
    const int w = width();
    const int h = height();

    const int buttonTop = h - bh - kMargin;
    const std::pair<QPushButton*, int> buttonLefts[] = {
        {m_close, w - bw - kMargin},        {m_clear, left},
        {m_restart, left + bw + kMargin},   {m_load, left + 2 * (bw + kMargin)},
        {m_ignore, w - 2 * (bw + kMargin)}, {m_next, w - 3 * (bw + kMargin)},
    };
    for (const auto& [button, x] : buttonLefts) {
        button->setGeometry(x, buttonTop, bw, bh);
    }
    for (QWidget* wide : {static_cast<QWidget*>(m_cue), static_cast<QWidget*>(m_answer),
                          static_cast<QWidget*>(m_progress)}) {
        wide->setGeometry(wide->x(), wide->y(), std::max(0, w - kMargin - wide->x()),
                          wide->height());
    }
    // The window keeps the form at its layout's size at least, where the buttons fit below
    // the list.
    m_fileList->setGeometry(left, top, std::max(0, w - kMargin - left),
                            std::max(0, h - bh - 2 * kMargin - top));
}

// ---------------------------------------------------------------------------------------
// Input

bool cMainForm::OnCommand(int id) {
    switch (id) {
        case kIdClear:
            m_doc.Clear();
            break;
        case kIdRestart:
            m_doc.Restart();
            break;
        case kIdLoad:
            m_doc.Load();
            break;
        case kIdIgnore:
            m_doc.Ignore();
            break;
        case kIdReviewMissed:
            m_doc.ReviewMissed();
            break;
        case kIdStudyDue:
            m_doc.StudyDueCards();
            break;
        case kIdAccents:
            m_doc.ShowAccentsHelp(this);
            break;
        case kIdNext:
            OnNext(QGuiApplication::keyboardModifiers());
            return true;
        case kIdClose:
            if (window() != this) {
                // Closing after this handler has returned, as a posted close does.
                QMetaObject::invokeMethod(window(), &QWidget::close, Qt::QueuedConnection);
            }
            return true;
        default:
            return false;
    }
    FocusAnswer();
    return true;
}

bool cMainForm::eventFilter(QObject* watched, QEvent* event) {
    // The whole application's events pass here (the menu bar takes its keys before any
    // widget of the form sees them); only those aimed at this form's controls count.
    const auto type = event->type();
    const bool isKey = type == QEvent::ShortcutOverride || type == QEvent::KeyPress;
    auto* control = qobject_cast<QWidget*>(watched);
    if ((!isKey && !IsFileDrag(*event)) || control == nullptr || !isAncestorOf(control)) {
        return QWidget::eventFilter(watched, event);
    }
    if (!isKey) {
        // Files dropped anywhere on the window load; the Answer box would take them as text.
        // Refused here, the drag goes on to the window, which loads them.
        event->ignore();
        return true;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (QPushButton* button = AccessKeyButton(*key)) {
        // Claimed before the menu bar's shortcut map can take the same key.
        if (type == QEvent::ShortcutOverride) {
            event->accept();
        } else if (button->isEnabled() && button->isVisible()) {
            OnAccessKey(button);
        }
        return true;
    }
    if (type == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        OnEnter(control, key->modifiers() & ~Qt::KeypadModifier);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QPushButton* cMainForm::AccessKeyButton(const QKeyEvent& key) const {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier) {
        return nullptr;
    }
    const QKeySequence pressed(Qt::ALT | key.key());
    QPushButton* found = nullptr;
    for (QPushButton* button : {m_clear, m_restart, m_load, m_next, m_ignore, m_close}) {
        if (QKeySequence::mnemonic(button->text()) == pressed) {
            if (found != nullptr) {
                // Two buttons share the key (Clear and Close): each press only moves the
                // focus between them, as Qt does, so no command runs unnamed.
                return nullptr;
            }
            found = button;
        }
    }
    return found;
}

void cMainForm::OnAccessKey(QPushButton* button) {
    button->setFocus(Qt::ShortcutFocusReason);
    if (button == m_next) {
        OnNext(Qt::NoModifier);
    } else {
        button->click();
    }
}

void cMainForm::OnEnter(QWidget* control, Qt::KeyboardModifiers modifiers) {
    // Enter presses the focused button; anywhere else it is the default button's, Next's,
    // while Next is enabled. An input method that is composing keeps the key for itself,
    // so no key event arrives here then.
    auto* button = qobject_cast<QPushButton*>(control);
    if (button == nullptr || button == m_next) {
        if (m_next->isEnabled()) {
            OnNext(modifiers);
        }
    } else if (button->isEnabled()) {
        button->click();
    }
}

void cMainForm::OnNext(Qt::KeyboardModifiers modifiers) {
    // Shift or Ctrl with Next only gives the focus back, so a slip cannot submit.
    if ((modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) == 0) {
        const std::u16string message = m_doc.Next(m_answer->text().toStdU16String());
        if (!message.empty()) {
            ShowWrongAnswer(message);
        }
        m_answer->selectAll();
        SetAnswerText(QString());
    }
    FocusAnswer();
}

void cMainForm::ShowWrongAnswer(const std::u16string& message) {
    const QString savedCue = m_cue->text();
    QString shown = ToQString(message);
    QString correctAnswer;
    const size_t lineFeed = message.find(u'\n');
    if (lineFeed != std::u16string::npos) {
        // The correct answer stands behind the cue while the message is open.
        correctAnswer = ToQString(message.substr(lineFeed + 1));
        SetShownText(m_cue, savedCue + QStringLiteral(" = ") + correctAnswer);
        shown = ToQString(message.substr(0, lineFeed));
    }
    // The box shows only the first line; a screen reader cannot see the Cue box behind
    // it, so it hears the correct answer with the box.
    ShowMessageBox(this, QMessageBox::Critical, shown, QMessageBox::Ok, correctAnswer);
    SetShownText(m_cue, savedCue);
}

void cMainForm::OnAnswerChanged() {
    const QString boxText = m_answer->text();
    // Text the program has just set counts as having the caret at the start.
    int caret = 0;
    if (!m_settingAnswerText) {
        caret =
            m_answer->hasSelectedText() ? m_answer->selectionStart() : m_answer->cursorPosition();
    }
    std::u16string working = WithoutLineBreaks(boxText.toStdU16String(), caret);
    if (caret > 0) {
        // A marker at the caret keeps a combination from forming across it, and shows
        // where the caret belongs after the substitution.
        working.insert(static_cast<size_t>(caret), 1, kCaretMarker);
    }
    std::u16string result = m_doc.SubstituteAccents(working);
    int newCaret = -1;
    const size_t marker = result.rfind(kCaretMarker);
    if (marker != std::u16string::npos) {
        newCaret = static_cast<int>(marker);
        result.erase(marker, 1);
    }
    const QString resultText = ToQString(result);
    if (resultText != boxText) {
        SetAnswerText(resultText);
        if (newCaret >= 0) {
            // The nested runs may have shortened the text further (a bar that became a
            // slash and then part of a letter), so the caret is kept within what is there.
            m_answer->setCursorPosition(
                std::min(newCaret, static_cast<int>(m_answer->text().size())));
        }
    }
    UpdateAnswerState();
}

void cMainForm::SetAnswerText(const QString& text) {
    const bool wasSetting = m_settingAnswerText;
    m_settingAnswerText = true;
    m_answer->setText(text);
    // A text the program sets starts with the caret at the front; the change handler
    // places it where it belongs afterwards.
    m_answer->setCursorPosition(0);
    m_settingAnswerText = wasSetting;
}

void cMainForm::FocusAnswer() {
    m_answer->setFocus(Qt::OtherFocusReason);
}
