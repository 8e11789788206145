// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/teacher.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include "accents/accents_help.h"
#include "cuefiles/fastest_time_key.h"
#include "i18n/lexitra/lexitra.h"
#include "platform/file_picker.h"
#include "platform/pass_history.h"
#include "platform/profile.h"
#include "platform/tick_source.h"
#include "text/white_space.h"

namespace {

constexpr std::u16string_view kFastestTimesSection = u"FastestTimes";

}  // namespace

cTeacher::cTeacher(cProfile& profile, const cTickSource& ticks)
    : m_profile(profile),
      m_ticks(ticks),
      m_accents(MakeStandardAccentList()),
      // Characters a learner may type after an answer without it counting as wrong.
      m_toleratedSuffixes{u"\\", u"'", u"]", u"/", u".", u"!"},
      m_loader(m_store, m_accents),
      m_random(ticks.GetTickCount()) {}

cTeacher::~cTeacher() = default;

// ---------------------------------------------------------------------------------------
// Card store

cCueLine cTeacher::GetCurrentCard() const {
    std::optional<cCueLine> card = FindCard(GetCurrentKey());
    return card ? std::move(*card) : m_blankCard;
}

// ---------------------------------------------------------------------------------------
// Loading cue files

bool cTeacher::ReadCueFile(cCueFileReader* reader, bool reversed) {
    return m_loader.ReadCueFile(reader, reversed);
}

bool cTeacher::LoadCueFile(const std::u16string& path, bool reversed) {
    const int loadedFileCountBefore = GetLoadedFileCount();
    const int totalCuesBefore = GetTotalCues();
    const bool loaded = m_loader.LoadFile(path, reversed);
    if (loaded) {
        AddLoadedFile(reversed ? path + u"-" : path);
    }
    CarryClockOver(loadedFileCountBefore, totalCuesBefore);
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
    if (!changed || (m_passFinished && GetCuesLeft() == 0)) {
        return;
    }
    if (IsReviewPass()) {
        m_reviewCards += GetTotalCues() - totalCuesBefore;  // new cards join the review
    }
    if (loadedFileCountBefore > 0 && m_passStartTick != 0) {
        const uint32_t reached = GetElapsedMs();
        SetPassStartTick(m_ticks.GetTickCount() - reached);
    } else {
        m_passStartTick = 0;
    }
    m_frozenPassTime = 0;
    m_passFinished = false;
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
        ++m_misses[GetCurrentKey().GetId()].wrongAnswers;
        RequeueCurrent();
        return message;
    }
    if (GetCuesLeft() == 0) {
        return {};
    }
    StartClock();
    RemoveCurrent();
    if (GetCuesLeft() > 0) {
        DrawNextCard();
    } else if (!m_passFinished) {
        FinishPass();
    }
    return {};
}

void cTeacher::Ignore() {
    const cCueLineKey key = GetCurrentKey();
    if (!key.IsNull()) {
        StartClock();
        m_misses[key.GetId()].ignored = true;
        ApplyIgnorePenalty(RemoveKey(key));
        if (GetCuesLeft() > 0) {
            return;  // the entry now at the end is current, without a draw
        }
    }
    if (GetCuesLeft() == 0 && !m_passFinished) {
        FinishPass();
    }
}

void cTeacher::ApplyIgnorePenalty(int removedEntries) {
    for (int i = 0; i < removedEntries; ++i) {
        if (m_passStartTick != 0) {
            SetPassStartTick(m_passStartTick - kIgnorePenaltyMs);
        }
    }
}

void cTeacher::Restart() {
    RebuildToDo();
    m_reviewCards = 0;
    StartNewPass();
}

void cTeacher::Clear() {
    DeleteAllCards();
    m_lastMissed.clear();  // their cards are gone
    Restart();
}

bool cTeacher::StartReview() {
    if (m_lastMissed.empty()) {
        return false;
    }
    RebuildToDo(m_lastMissed);
    m_reviewCards = GetCuesLeft();
    StartNewPass();
    return true;
}

void cTeacher::StartNewPass() {
    if (GetCuesLeft() > 0) {
        DrawNextCard();
    }
    m_passStartTick = 0;
    m_frozenPassTime = 0;
    m_passFinished = false;
    m_misses.clear();
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
// Answer checking

bool cTeacher::IsCorrectAnswer(const cCueLine& card, const std::u16string& typed) const {
    const std::u16string substituted = SubstituteAccents(typed);
    const std::u16string_view trimmed = TrimWhiteSpace(substituted);
    const std::u16string_view expected = card.GetAnswer();
    if (trimmed == expected) {
        return true;
    }
    // One tolerated character may follow the answer: "dog." counts, "dog.." does not.
    for (const std::u16string& suffix : m_toleratedSuffixes) {
        if (!suffix.empty() && trimmed.ends_with(suffix) &&
            trimmed.substr(0, trimmed.size() - suffix.size()) == expected) {
            return true;
        }
    }
    return false;
}

bool cTeacher::IsAnswerReady(const std::u16string& text) const {
    if (text.empty()) {
        return false;
    }
    for (const std::u16string& suffix : m_toleratedSuffixes) {
        if (text == suffix) {
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Timing

void cTeacher::SetPassStartTick(uint32_t tick) {
    // Tick 0 would read as "not started"; one millisecond earlier is as good.
    m_passStartTick = tick != 0 ? tick : UINT32_MAX;
}

void cTeacher::StartClock() {
    if (m_passStartTick == 0) {
        SetPassStartTick(m_ticks.GetTickCount());
    }
}

uint32_t cTeacher::GetElapsedMs() const {
    if (m_passFinished) {
        return m_frozenPassTime;
    }
    if (m_passStartTick != 0) {
        return m_ticks.GetTickCount() - m_passStartTick;  // modulo 2^32 across the wrap
    }
    return 0;
}

void cTeacher::FinishPass() {
    m_frozenPassTime = GetElapsedMs();
    m_passFinished = true;
    // A review's key would claim the whole working set was done in that time.
    if (!IsReviewPass()) {
        RecordFastestTime();
    }
    ReportPass();
}

void cTeacher::ReportPass() {
    sPassRecord pass;
    pass.key = GetFastestTimeKey();
    pass.files = JoinLoadedFileNames();
    pass.timeMs = m_frozenPassTime;
    pass.review = IsReviewPass();
    pass.cards = pass.review ? m_reviewCards : GetTotalCues();
    m_lastMissed.clear();
    for (const auto& [id, miss] : m_misses) {
        const cCueLineKey key(id);
        const std::optional<cCueLine> card = FindCard(key);
        if (!card) {
            continue;
        }
        m_lastMissed.push_back(key);
        pass.wrongAnswers += miss.wrongAnswers;
        pass.ignoredCards += miss.ignored ? 1 : 0;
        pass.missed.push_back({card->GetCue(), card->GetAnswer(), miss.wrongAnswers, miss.ignored});
    }
    if (m_history != nullptr) {
        m_history->RecordPass(pass);
    }
}

std::u16string cTeacher::FormatTime(uint32_t ms) {
    if (ms == 0) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02u : %02u", ms / 60000, (ms / 1000) % 60);
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string cTeacher::GetElapsedText() const {
    return FormatTime(GetElapsedMs());
}

std::u16string cTeacher::GetFastestText() const {
    return FormatTime(ReadFastestTime());
}

// ---------------------------------------------------------------------------------------
// Accents

std::u16string cTeacher::SubstituteAccents(const std::u16string& text) const {
    return m_accents.SubstituteAccents(text);
}

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

uint32_t cTeacher::ReadFastestTime() const {
    const std::u16string key = GetFastestTimeKey();
    // Cards that came from no file have no record: an empty name would address the
    // section itself rather than a record of its own.
    if (key.empty()) {
        return 0;
    }
    return m_profile.GetProfileInt(kFastestTimesSection, key, 0);
}

void cTeacher::RecordFastestTime() {
    const uint32_t passTime = GetElapsedMs();
    const std::u16string key = GetFastestTimeKey();
    if (passTime == 0 || key.empty()) {
        return;
    }
    // One step for the store: another instance finishing the same files at the same
    // moment cannot slip its slower time in between the comparison and the write.
    m_profile.UpdateProfileInt(kFastestTimesSection, key,
                               [passTime](uint32_t stored) -> std::optional<uint32_t> {
                                   if (stored == 0 || passTime < stored) {
                                       return passTime;
                                   }
                                   return std::nullopt;
                               });
}
