// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "accents/accent_list.h"
#include "engine/answer_checker.h"
#include "engine/card_loader.h"
#include "engine/card_store.h"
#include "engine/cue_line.h"
#include "engine/fastest_times.h"
#include "engine/pass_clock.h"
#include "engine/pass_grading.h"
#include "engine/pass_report.h"
#include "engine/random_generator.h"

class cCueFileReader;
class cFilePicker;
class cLoadProgress;
class cPassHistory;
class cProfile;
class cTickSource;

// The study engine as the document sees it: the working set of cards and the pass over
// it. The work is done by its parts (the card store, the card loader, the answer checker,
// the pass clock, the fastest-time records and the pass report); the teacher ties them
// together by the rules of a pass. It never touches the user interface.
class cTeacher {
public:
    // Penalty added to the pass time for every entry that Ignore removes.
    static constexpr uint32_t kIgnorePenaltyMs = 30000;

    cTeacher(cProfile& profile, const cTickSource& ticks);
    virtual ~cTeacher();
    cTeacher(const cTeacher&) = delete;
    cTeacher& operator=(const cTeacher&) = delete;

    // --- The working set ---
    int GetLoadedFileCount() const { return m_store.GetLoadedFileCount(); }
    std::u16string GetLoadedFile(int index) const { return m_store.GetLoadedFile(index); }
    void AddLoadedFile(const std::u16string& path) { m_store.AddLoadedFile(path); }
    int GetTotalCues() const { return m_store.GetTotalCues(); }
    int GetCuesLeft() const { return m_store.GetCuesLeft(); }
    cCueLineKey GetCurrentKey() const { return m_store.GetCurrentKey(); }
    std::optional<cCueLine> FindCard(cCueLineKey key) const { return m_store.FindCard(key); }
    // A copy of the current card, or a blank card when there is none.
    cCueLine GetCurrentCard() const;
    std::u16string GetCurrentCue() const { return GetCurrentCard().GetCue(); }

    // --- Loading files ---
    // Reads every record of an open cue file into the working set (see cCardLoader).
    bool ReadCueFile(cCueFileReader* reader, bool reversed);
    // Loads one file into the working set and lists it (with "-" appended when reversed).
    // Cue files are read by ReadCueFile; tab- and comma-separated lists and vocabulary
    // documents (by their extension) load all or nothing, their texts as written. The pass
    // clock carries over after every attempt.
    bool LoadCueFile(const std::u16string& path, bool reversed);
    // Why the last file that LoadCueFile tried did not load.
    eLoadFault GetLastLoadFault() const { return m_loader.GetLastFault(); }
    // Lets the user pick cue files and loads them in order, stopping at the first that
    // fails; Shift held when the picker closes loads them reversed. False on cancel or
    // failure.
    bool Load(cFilePicker& picker);
    // Told how reading goes while a file loads, and able to stop it; null for none.
    void SetLoadProgress(cLoadProgress* progress) { m_loader.SetLoadProgress(progress); }

    // --- Study pass ---
    // Checks the typed answer against the current card. Returns the wrong-answer message
    // (first line, line feed, expected answer) or the empty string.
    std::u16string Next(const std::u16string& typed);
    void Ignore();
    void Restart();
    void Clear();
    int GetProgress() const;  // 0 to 100

    // --- Pass history and review ---
    // Where finished passes are reported; null reports nothing.
    void SetPassHistory(cPassHistory* history) { m_history = history; }
    // True when the last finished pass had cards answered wrongly or Ignored.
    bool HasMissesToReview() const { return !m_report.GetLastMissed().empty(); }
    // Starts a pass over only the cards missed in the last finished pass. A review pass
    // runs the clock but never records a fastest time; Restart returns to full passes.
    // False (and nothing changes) when there is nothing to review.
    bool StartReview();

    // --- Memory of every card (see cPassGrading) ---
    // Every kind of pass grades each card's first outcome in it into the card's memory.
    // The loaded cards due for study today or earlier.
    int CountDueCards();
    // Starts a pass over the due cards with new ones up to the day's allowance. Like a
    // review it runs the clock but never records a fastest time. False (and nothing
    // changes) when there is no such card.
    bool StartDuePass();
    // The loaded cards due on each of the next days, today first with the overdue ones.
    std::vector<int> GetDueForecast(int days);
    // The chance that the card is recalled today; none for a card never graded.
    std::optional<double> PredictRecall(std::u16string_view cue, std::u16string_view answer);

    // --- Answer checking (see cAnswerChecker) ---
    bool IsCorrectAnswer(const cCueLine& card, const std::u16string& typed) const {
        return m_checker.IsCorrectAnswer(card, typed);
    }
    bool IsAnswerReady(const std::u16string& text) const { return m_checker.IsAnswerReady(text); }

    // --- Timing (see cPassClock) ---
    void StartClock() { m_clock.Start(); }
    uint32_t GetElapsedMs() const { return m_clock.GetElapsedMs(); }
    void FinishPass();
    // True while the pass time counts on: started and not yet finished.
    bool IsClockRunning() const { return m_clock.IsRunning(); }
    static std::u16string FormatTime(uint32_t ms) { return cPassClock::Format(ms); }
    std::u16string GetElapsedText() const { return FormatTime(GetElapsedMs()); }
    std::u16string GetFastestText() const { return FormatTime(ReadFastestTime()); }

    // --- Accents ---
    std::u16string SubstituteAccents(const std::u16string& text) const {
        return m_accents.SubstituteAccents(text);
    }
    std::u16string GetAccentsHelpText() const;

    // --- Fastest-time records (see cFastestTimes) ---
    std::u16string JoinLoadedFileNames() const;
    std::u16string GetFastestTimeKey() const;
    uint32_t ReadFastestTime() const { return m_fastestTimes.Read(GetFastestTimeKey()); }
    void RecordFastestTime() { m_fastestTimes.Record(GetFastestTimeKey(), GetElapsedMs()); }

private:
    // The store's operations on the to-do list: only the pass's own rules use them.
    void RemoveCurrent() { m_store.RemoveCurrent(); }
    void MoveToEnd(int index) { m_store.MoveToEnd(index); }
    void RequeueCurrent() { m_store.RequeueCurrent(); }
    int RemoveKey(cCueLineKey key) { return m_store.RemoveKey(key); }
    void RebuildToDo() { m_store.RebuildToDo(); }
    void RebuildToDo(const std::vector<cCueLineKey>& keys) { m_store.RebuildToDo(keys); }
    void DeleteAllCards() { m_store.DeleteAllCards(); }
    void DrawNextCard();
    bool IsReviewPass() const { return m_report.IsReview(); }

    // After a load attempt that brought cards or a file: a started pass keeps counting
    // from the time reached (a finished one resumes from its frozen time); the first
    // file of a working set leaves the clock not started.
    void CarryClockOver(int loadedFileCountBefore, int totalCuesBefore);
    void StartNewPass(int reviewCards, bool due = false);
    // The card now current counts as shown from now on (see cPassGrading::NoteShown).
    void NoteShown() { m_grading.NoteShown(GetCurrentKey()); }
    void Grade(const cCueLine& card, bool missed);
    // Hands the answers graded so far to the history (those of a pass that did not finish).
    void KeepGradedAnswers();
    // The memories kept in the history, read when first needed, and again at each need
    // until they could be read. Until then no answer is graded: its grade would stand in
    // for what the history knows of the card.
    void RestoreMemories();

    cAccentList m_accents;
    cCardStore m_store;
    cCardLoader m_loader;
    cAnswerChecker m_checker;
    cPassClock m_clock;
    cFastestTimes m_fastestTimes;
    cPassReport m_report;
    cPassGrading m_grading;
    bool m_memoriesRestored = false;
    cRandomGenerator m_random;
    cPassHistory* m_history = nullptr;
};
