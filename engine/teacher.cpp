// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "engine/teacher.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

#include "accents/accents_help.h"
#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/fastest_time_key.h"
#include "cuefiles/list_format.h"
#include "engine/load_progress.h"
#include "i18n/lexitra/lexitra.h"
#include "platform/file_picker.h"
#include "platform/pass_history.h"
#include "platform/profile.h"
#include "platform/tick_source.h"
#include "platform/vocabulary_document_reader.h"
#include "text/white_space.h"

namespace {

constexpr std::u16string_view kFastestTimesSection = u"FastestTimes";
// Often enough for a window to keep painting, rarely enough to cost nothing.
constexpr uint32_t kRecordsPerProgressReport = 4096;

}  // namespace

cTeacher::cTeacher(cProfile& profile, const cTickSource& ticks)
    : m_profile(profile),
      m_ticks(ticks),
      m_accents(MakeStandardAccentList()),
      // Characters a learner may type after an answer without it counting as wrong.
      m_toleratedSuffixes{u"\\", u"'", u"]", u"/", u".", u"!"},
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
    if (reader == nullptr) {
        return false;
    }
    const cCardStore::sMark before = m_store.GetMark();
    try {
        std::u16string line;
        std::u16string_view cue;
        std::u16string_view answer;
        for (uint32_t records = 1; !reader->IsAtEnd(); ++records) {
            if (ReadCuePair(*reader, reversed, line, cue, answer)) {
                AddRecord(cue, answer);
            }
            if (records % kRecordsPerProgressReport == 0 && !ReportProgress(*reader)) {
                m_store.RollBack(before);
                return false;
            }
        }
    } catch (const std::bad_alloc&) {
        return false;  // the cards read so far stay in the working set
    }
    return !reader->HasReadError();
}

void cTeacher::AddRecord(std::u16string_view cue, std::u16string_view answer) {
    // cue and answer are views into one line.
    // Almost no line holds a combination or a bar: such lines are stored as they are,
    // after one look at the stretch of the line that holds both texts.
    const char16_t* first = std::min(cue.data(), answer.data());
    const char16_t* last = std::max(cue.data() + cue.size(), answer.data() + answer.size());
    if (!m_accents.ChangesText(std::u16string_view(first, static_cast<size_t>(last - first)))) {
        m_store.AddCard(cue, answer);
        return;
    }
    const bool cueChanges = m_accents.ChangesText(cue);
    const bool answerChanges = m_accents.ChangesText(answer);
    const std::u16string substitutedCue = cueChanges ? m_accents.SubstituteAccents(cue) : u"";
    const std::u16string substitutedAnswer =
        answerChanges ? m_accents.SubstituteAccents(answer) : u"";
    m_store.AddCard(cueChanges ? std::u16string_view(substitutedCue) : cue,
                    answerChanges ? std::u16string_view(substitutedAnswer) : answer);
}

bool cTeacher::ReportProgress(const cCueFileReader& reader) const {
    return m_loadProgress == nullptr ||
           m_loadProgress->OnLoadProgress(reader.GetBytesRead(), reader.GetFileSize());
}

bool cTeacher::LoadCueFile(const std::u16string& path, bool reversed) {
    const int loadedFileCountBefore = GetLoadedFileCount();
    const int totalCuesBefore = GetTotalCues();
    bool loaded = false;
    m_lastFileNotWellFormed = false;
    eListFormat format = DecideListFormat(path);
    if (format == eListFormat::PlainText) {
        cCueFileReader probe;
        format = probe.Open(path) && IsTabList(probe) ? eListFormat::TabList : eListFormat::CueFile;
    }
    if (format == eListFormat::CueFile) {
        cCueFileReader reader;
        loaded = reader.Open(path) && ReadCueFile(&reader, reversed);
    } else {
        try {
            PendingCards cards;
            loaded = format == eListFormat::VocabularyDocument
                         ? ReadVocabularyDocument(path, reversed, cards)
                         : ReadListFile(path, format == eListFormat::CommaList, reversed, cards);
            if (loaded) {
                AddPendingCards(cards);
            }
            // Whoever finds the file readable knows from this that its form was at fault.
            m_lastFileNotWellFormed = !loaded;
        } catch (const std::bad_alloc&) {
            loaded = false;
        }
    }
    if (loaded) {
        AddLoadedFile(reversed ? path + u"-" : path);
    }
    CarryClockOver(loadedFileCountBefore, totalCuesBefore);
    return loaded;
}

namespace {

// As with a cue-file line, a pair with an empty side is no card.
void KeepCard(std::u16string& first, std::u16string& second, bool reversed,
              std::vector<cCueLine>& cards) {
    if (!first.empty() && !second.empty()) {
        cards.emplace_back(std::move(reversed ? second : first),
                           std::move(reversed ? first : second));
    }
}

}  // namespace

bool cTeacher::ReadListFile(const std::u16string& path, bool commaSeparated, bool reversed,
                            PendingCards& cards) {
    cCueFileReader lines;
    if (!lines.Open(path)) {
        return false;
    }
    cDelimitedListReader list(lines, commaSeparated ? cDelimitedListReader::eDialect::Comma
                                                    : cDelimitedListReader::eDialect::Tab);
    std::u16string first;
    std::u16string second;
    while (list.ReadRecord(first, second)) {
        KeepCard(first, second, reversed, cards);
    }
    return !list.IsMalformed() && !lines.HasReadError();
}

bool cTeacher::ReadVocabularyDocument(const std::u16string& path, bool reversed,
                                      PendingCards& cards) {
    if (m_documents == nullptr) {
        return false;
    }
    return m_documents->ReadEntries(
        path, [&cards, reversed](std::u16string& first, std::u16string& second) {
            KeepCard(first, second, reversed, cards);
        });
}

void cTeacher::AddPendingCards(PendingCards& cards) {
    for (cCueLine& card : cards) {
        AddCard(std::move(card));
    }
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
