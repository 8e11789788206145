// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/main_doc.h"

#include <algorithm>
#include <optional>

#include <QApplication>

#include "app/load_progress_display.h"
#include "app/message_box.h"
#include "app/view.h"
#include "engine/teacher.h"
#include "i18n/language_table.h"
#include "lexitra/lexitra.h"
#include "platform/file_picker.h"
#include "posix/memory_release.h"

namespace {

// Shows the wait cursor while loading runs.
class cWaitCursor {
public:
    cWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~cWaitCursor() { QApplication::restoreOverrideCursor(); }
    cWaitCursor(const cWaitCursor&) = delete;
    cWaitCursor& operator=(const cWaitCursor&) = delete;
};

// Passes the picker on, and shows the wait cursor from the moment the user has chosen
// files: the dialog itself keeps the ordinary cursor.
class cBusyOncePicked : public cFilePicker {
public:
    explicit cBusyOncePicked(cFilePicker& picker) : m_picker(picker) {}

    bool PickFiles(const std::u16string& title, const std::u16string& filter,
                   std::vector<std::u16string>& paths) override {
        const bool picked = m_picker.PickFiles(title, filter, paths);
        if (picked) {
            m_waitCursor.emplace();
        }
        return picked;
    }
    bool IsShiftDown() const override { return m_picker.IsShiftDown(); }

private:
    cFilePicker& m_picker;
    std::optional<cWaitCursor> m_waitCursor;
};

// Files the user has already chosen some other way (dropped onto the window), answered as
// if picked in the dialog.
class cHandedOverFiles : public cFilePicker {
public:
    cHandedOverFiles(const std::vector<std::u16string>& paths, bool reversed)
        : m_paths(paths), m_reversed(reversed) {}

    bool PickFiles(const std::u16string&, const std::u16string&,
                   std::vector<std::u16string>& paths) override {
        paths = m_paths;
        return !paths.empty();
    }
    bool IsShiftDown() const override { return m_reversed; }

private:
    const std::vector<std::u16string>& m_paths;
    bool m_reversed;
};

}  // namespace

cMainDoc::cMainDoc(cProfile& profile, const cTickSource& ticks)
    : m_teacher(std::make_unique<cTeacher>(profile, ticks)),
      m_languageTable(std::make_unique<cLanguageTable>()) {}

cMainDoc::~cMainDoc() = default;

// ---------------------------------------------------------------------------------------
// Views

void cMainDoc::AddView(cView* view) {
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void cMainDoc::RemoveView(cView* view) {
    std::erase(m_views, view);
}

void cMainDoc::UpdateAllViews(cView* sender, long hint) {
    // A view may remove (and delete) another while it refreshes: each one is looked up
    // in the current list before it is called.
    const std::vector<cView*> views = m_views;
    for (cView* view : views) {
        const bool stillThere = std::find(m_views.begin(), m_views.end(), view) != m_views.end();
        if (view != sender && stillThere) {
            view->OnUpdate(sender, hint);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Commands

bool cMainDoc::Load() {
    if (m_filePicker == nullptr) {
        ReportLoad(false);
        UpdateAllViews(nullptr, cView::kHintEverything);
        return false;
    }
    return LoadFrom(*m_filePicker);
}

bool cMainDoc::LoadFiles(const std::vector<std::u16string>& paths, bool reversed) {
    cHandedOverFiles handedOver(paths, reversed);
    return LoadFrom(handedOver);
}

bool cMainDoc::LoadFrom(cFilePicker& picker) {
    bool loaded = false;
    {
        cBusyOncePicked busyOncePicked(picker);
        loaded = WithLoadProgress([&] { return m_teacher->Load(busyOncePicked); });
    }
    ReportLoad(loaded);
    UpdateAllViews(nullptr, cView::kHintEverything);
    return loaded;
}

void cMainDoc::ReportLoad(bool loaded) {
    SetStatusText(LoadTranslatedUiString(loaded ? eUiText::LoadSucceeded : eUiText::LoadFailed));
}

std::u16string cMainDoc::Next(const std::u16string& answer) {
    std::u16string message = m_teacher->Next(answer);
    UpdateAllViews(nullptr, cView::kHintStudyState);
    return message;
}

void cMainDoc::Ignore() {
    m_teacher->Ignore();
    UpdateAllViews(nullptr, cView::kHintStudyState);
}

void cMainDoc::Restart() {
    m_teacher->Restart();
    UpdateAllViews(nullptr, cView::kHintStudyState);
}

void cMainDoc::Clear() {
    m_teacher->Clear();
    ReturnFreedMemoryToSystem();
    UpdateAllViews(nullptr, cView::kHintEverything);
}

bool cMainDoc::ReviewMissed() {
    const bool started = m_teacher->StartReview();
    UpdateAllViews(nullptr, cView::kHintStudyState);
    return started;
}

bool cMainDoc::StudyDueCards() {
    const bool started = m_teacher->StartDuePass();
    UpdateAllViews(nullptr, cView::kHintStudyState);
    return started;
}

int cMainDoc::CountDueCards() {
    return m_teacher->CountDueCards();
}

std::vector<int> cMainDoc::GetDueForecast(int days) {
    return m_teacher->GetDueForecast(days);
}

std::optional<double> cMainDoc::PredictRecall(const std::u16string& cue,
                                              const std::u16string& answer) {
    return m_teacher->PredictRecall(cue, answer);
}

void cMainDoc::SetPassHistory(cPassHistory* history) {
    m_history = history;
    m_teacher->SetPassHistory(history);
}

void cMainDoc::ShowAccentsHelp(QWidget* parent) {
    ShowMessageBox(parent, QMessageBox::Information,
                   QString::fromStdU16String(m_teacher->GetAccentsHelpText()));
}

int cMainDoc::OnOpenDocuments(const std::vector<std::u16string>& paths) {
    if (paths.empty()) {
        return -1;  // a start without files says nothing of loading
    }
    const int failed = LoadInOrder(paths);
    ReportLoad(failed < 0);
    UpdateAllViews(nullptr, cView::kHintEverything);
    return failed;
}

bool cMainDoc::OnOpenDocument(const std::u16string& path) {
    const bool loaded = LoadInOrder({path}) < 0;
    ReportLoad(loaded);
    return loaded;
}

int cMainDoc::LoadInOrder(const std::vector<std::u16string>& paths) {
    int failed = -1;
    const cWaitCursor waitCursor;
    WithLoadProgress([&] {
        for (size_t i = 0; i < paths.size() && failed < 0; ++i) {
            if (!m_teacher->LoadCueFile(paths[i], false)) {
                failed = static_cast<int>(i);
            }
        }
        return failed < 0;
    });
    return failed;
}

bool cMainDoc::WithLoadProgress(const std::function<bool()>& load) {
    cLoadProgressDisplay display([this](const std::u16string& text) { SetStatusText(text); },
                                 m_loadQuietMs);
    m_teacher->SetLoadProgress(&display);
    bool loaded = false;
    try {
        loaded = load();
    } catch (...) {
        m_teacher->SetLoadProgress(nullptr);
        throw;
    }
    m_teacher->SetLoadProgress(nullptr);
    m_lastLoadCancelled = display.IsCancelled();
    return loaded;
}

void cMainDoc::SetStatusText(const std::u16string& text) {
    if (m_statusSink) {
        m_statusSink(text);
    }
}

// ---------------------------------------------------------------------------------------
// Queries

std::u16string cMainDoc::GetCurrentCue() const {
    return m_teacher->GetCurrentCue();
}
int cMainDoc::GetTotalCues() const {
    return m_teacher->GetTotalCues();
}
int cMainDoc::GetCuesLeft() const {
    return m_teacher->GetCuesLeft();
}
int cMainDoc::GetProgress() const {
    return m_teacher->GetProgress();
}
int cMainDoc::GetLoadedFileCount() const {
    return m_teacher->GetLoadedFileCount();
}

std::u16string cMainDoc::GetLoadedFile(int index) const {
    return m_teacher->GetLoadedFile(index);
}

bool cMainDoc::IsAnswerReady(const std::u16string& text) const {
    return m_teacher->IsAnswerReady(text);
}

cMainDoc::sPassTime cMainDoc::GetPassTime() const {
    const uint32_t elapsedMs = m_teacher->GetElapsedMs();
    if (!m_teacher->IsClockRunning()) {
        return {cTeacher::FormatTime(elapsedMs), -1};
    }
    // At the next whole second, or, from 0 (shown empty), one millisecond later ("00 : 00").
    constexpr uint32_t kSecondMs = 1000;
    const int msUntilChange =
        elapsedMs == 0 ? 1 : static_cast<int>(kSecondMs - elapsedMs % kSecondMs);
    return {cTeacher::FormatTime(elapsedMs), msUntilChange};
}
std::u16string cMainDoc::GetFastestText() const {
    return m_teacher->GetFastestText();
}

std::u16string cMainDoc::SubstituteAccents(const std::u16string& text) const {
    return m_teacher->SubstituteAccents(text);
}

bool cMainDoc::HasMissesToReview() const {
    return m_teacher->HasMissesToReview();
}

std::u16string cMainDoc::GetFastestTimeKey() const {
    return m_teacher->GetFastestTimeKey();
}
std::u16string cMainDoc::JoinLoadedFileNames() const {
    return m_teacher->JoinLoadedFileNames();
}

// ---------------------------------------------------------------------------------------
// Language table

int cMainDoc::GetLanguageCount() const {
    return m_languageTable->GetLanguageCount();
}
uint16_t cMainDoc::GetLanguage(int index) const {
    return m_languageTable->GetLanguage(index);
}

uint16_t cMainDoc::GetMenuLanguage(uint32_t commandId) const {
    return m_languageTable->GetMenuLanguage(commandId);
}

void cMainDoc::SetMenuLanguage(uint32_t commandId, uint16_t language) {
    m_languageTable->SetMenuLanguage(commandId, language);
}
