// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/teacher.h"

#include <algorithm>

#include "accents/accents_help.h"
#include "cuefiles/fastest_time_key.h"
#include "lexitra/lexitra.h"
#include "platform/file_picker.h"
#include "platform/pass_history.h"
#include "platform/tick_source.h"

cTeacher::cTeacher(cProfile& profile, const cTickSource& ticks)
    : m_accents(MakeStandardAccentList()),
      m_loader(m_store, m_accents),
      m_checker(m_accents),
      m_clock(ticks),
      m_fastestTimes(profile),
      m_grading(ticks),
      m_random(ticks.GetTickCount()) {}

cTeacher::~cTeacher() {
    KeepGradedAnswers();
}

// ---------------------------------------------------------------------------------------
// The working set

cCueLine cTeacher::GetCurrentCard() const {
    std::optional<cCueLine> card = FindCard(GetCurrentKey());
    return card ? std::move(*card) : cCueLine();
}

// ---------------------------------------------------------------------------------------
// Loading files

bool cTeacher::ReadCueFile(cCueFileReader* reader, bool reversed) {
    const bool read = m_loader.ReadCueFile(reader, reversed);
    NoteShown();
    return read;
}

bool cTeacher::LoadCueFile(const std::u16string& path, bool reversed) {
    const int loadedFileCountBefore = GetLoadedFileCount();
    const int totalCuesBefore = GetTotalCues();
    const bool loaded = m_loader.LoadFile(path, reversed);
    if (loaded) {
        AddLoadedFile(reversed ? path + u"-" : path);
    }
    CarryClockOver(loadedFileCountBefore, totalCuesBefore);
    NoteShown();
    return loaded;
}

bool cTeacher::Load(cFilePicker& picker) {
    const std::u16string filter = LoadTranslatedUiString(eUiText::FileTypeName) +
                                  u" (*.recallix)|*.recallix|" +
                                  LoadTranslatedUiString(eUiText::VocabularyListsName) +
                                  u" (*.kvtml *.tsv *.csv *.txt)|*.kvtml;*.tsv;*.csv;*.txt|" +
                                  LoadTranslatedUiString(eUiText::AllFilesName) + u" (*)|*||";
    std::vector<std::u16string> paths;
    if (!picker.PickFiles(LoadTranslatedUiString(eUiText::FileDialogTitle), filter, paths)) {
        return false;
    }
    const bool reversed = picker.IsShiftDown();
    for (const std::u16string& path : paths) {
        if (!LoadCueFile(path, reversed)) {
            return false;  // the files loaded before stay loaded
        }
    }
    return true;
}

void cTeacher::CarryClockOver(int loadedFileCountBefore, int totalCuesBefore) {
    const bool changed =
        GetLoadedFileCount() > loadedFileCountBefore || GetTotalCues() > totalCuesBefore;
    // An attempt that changed nothing leaves the pass alone: stopping a running clock
    // there would let the pass be recorded with only the time after the failure. And a
    // finished pass that got nothing new to do stays finished instead of counting on.
    if (!changed || (m_clock.IsFinished() && GetCuesLeft() == 0)) {
        return;
    }
    m_report.AddToReview(GetTotalCues() - totalCuesBefore);  // new cards join a review
    if (loadedFileCountBefore > 0 && m_clock.IsStarted()) {
        m_clock.Resume();
    } else {
        m_clock.Reset();
    }
}

// ---------------------------------------------------------------------------------------
// Study pass

std::u16string cTeacher::Next(const std::u16string& typed) {
    const cCueLine card = GetCurrentCard();
    const bool cardIsCurrent = !card.GetAnswer().empty() || !card.GetCue().empty();
    if (cardIsCurrent && !IsCorrectAnswer(card, typed)) {
        std::u16string message = LoadTranslatedUiString(eUiText::WrongAnswer);
        message += u'\n';
        message += card.GetAnswer();
        m_report.NoteWrongAnswer(GetCurrentKey());
        Grade(card, true);
        RequeueCurrent();
        return message;
    }
    if (GetCuesLeft() == 0) {
        return {};
    }
    StartClock();
    Grade(card, false);
    RemoveCurrent();
    if (GetCuesLeft() > 0) {
        DrawNextCard();
        NoteShown();
    } else if (!m_clock.IsFinished()) {
        FinishPass();
    }
    return {};
}

void cTeacher::Ignore() {
    const cCueLineKey key = GetCurrentKey();
    if (!key.IsNull()) {
        StartClock();
        m_report.NoteIgnored(key);
        Grade(GetCurrentCard(), true);
        const int removedEntries = RemoveKey(key);
        for (int i = 0; i < removedEntries; ++i) {
            m_clock.AddPenalty(kIgnorePenaltyMs);
        }
        if (GetCuesLeft() > 0) {
            NoteShown();
            return;  // the entry now at the end is current, without a draw
        }
    }
    if (GetCuesLeft() == 0 && !m_clock.IsFinished()) {
        FinishPass();
    }
}

void cTeacher::Restart() {
    RebuildToDo();
    StartNewPass(0);
}

void cTeacher::Clear() {
    DeleteAllCards();
    m_grading.ForgetLoadedCards();
    m_report.ForgetLastMissed();  // their cards are gone
    Restart();
}

bool cTeacher::StartReview() {
    if (m_report.GetLastMissed().empty()) {
        return false;
    }
    RebuildToDo(m_report.GetLastMissed());
    StartNewPass(GetCuesLeft());
    return true;
}

bool cTeacher::StartDuePass() {
    RestoreMemories();
    const std::vector<cCueLineKey> due = m_grading.PickDueCards(m_store);
    if (due.empty()) {
        return false;
    }
    RebuildToDo(due);
    StartNewPass(GetCuesLeft(), true);
    return true;
}

void cTeacher::StartNewPass(int reviewCards, bool due) {
    if (GetCuesLeft() > 0) {
        DrawNextCard();
    }
    m_clock.Reset();
    m_report.Begin(reviewCards, due);
    KeepGradedAnswers();
    m_grading.BeginPass();
    NoteShown();
}

int cTeacher::CountDueCards() {
    if (GetTotalCues() == 0) {
        return 0;  // and the history is left unopened until it is needed
    }
    RestoreMemories();
    return m_grading.CountDue(m_store);
}

std::vector<int> cTeacher::GetDueForecast(int days) {
    RestoreMemories();
    return m_grading.Forecast(m_store, days);
}

std::optional<double> cTeacher::PredictRecall(std::u16string_view cue, std::u16string_view answer) {
    RestoreMemories();
    return m_grading.PredictRecall(cue, answer);
}

void cTeacher::Grade(const cCueLine& card, bool missed) {
    RestoreMemories();
    // A grade on a memory not yet read would stand in for the kept one when written.
    if (m_memoriesRestored || m_history == nullptr) {
        m_grading.Grade(GetCurrentKey(), card, missed);
    }
}

void cTeacher::KeepGradedAnswers() {
    std::vector<sGradedAnswer> graded = m_grading.TakeGraded();
    if (m_history != nullptr && !graded.empty()) {
        m_history->RecordGradedAnswers(graded);
    }
}

void cTeacher::RestoreMemories() {
    if (!m_memoriesRestored && m_history != nullptr) {
        std::vector<sCardMemory> memories;
        m_memoriesRestored = m_history->ReadCardMemories(memories);
        m_grading.Restore(memories);  // tried again at the next need until all are read
    }
}

int cTeacher::GetProgress() const {
    const int64_t total = GetTotalCues();
    const int64_t left = GetCuesLeft();
    if (total == 0) {
        return 100;
    }
    const int64_t progress = 100 - left * 100 / total;
    return static_cast<int>(std::clamp<int64_t>(progress, 0, 100));
}

void cTeacher::DrawNextCard() {
    const int count = GetCuesLeft();
    if (count == 0) {
        return;
    }
    MoveToEnd(static_cast<int>(m_random.NextBelow(static_cast<uint32_t>(count))));
}

// ---------------------------------------------------------------------------------------
// Timing

void cTeacher::FinishPass() {
    m_clock.Finish();
    // A review's key would claim the whole working set was done in that time.
    if (!IsReviewPass()) {
        RecordFastestTime();
    }
    sPassRecord pass =
        m_report.Finish(m_store, GetFastestTimeKey(), JoinLoadedFileNames(), GetElapsedMs());
    pass.graded = m_grading.TakeGraded();
    if (m_history != nullptr) {
        m_history->RecordPass(pass);
    }
}

// ---------------------------------------------------------------------------------------
// Accents

std::u16string cTeacher::GetAccentsHelpText() const {
    return BuildAccentsHelpText(LoadTranslatedUiString(eUiText::AccentsHelp), m_accents);
}

// ---------------------------------------------------------------------------------------
// Fastest-time records

std::u16string cTeacher::JoinLoadedFileNames() const {
    return JoinFileNames(m_store.GetLoadedFiles());
}

std::u16string cTeacher::GetFastestTimeKey() const {
    return MakeFastestTimeKey(JoinLoadedFileNames());
}
