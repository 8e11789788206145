// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accents/accent_list.h"
#include "engine/card_loader.h"
#include "engine/card_store.h"
#include "engine/cue_line.h"
#include "engine/random_generator.h"

class cCueFileReader;
class cFilePicker;
class cLoadProgress;
class cPassHistory;
class cProfile;
class cTickSource;

// The study engine: the working set of cards, the pass over it, answer checking, the
// pass clock and the fastest-time records. It never touches the user interface.
class cTeacher {
public:
    // Penalty added to the pass time for every entry that Ignore removes.
    static constexpr uint32_t kIgnorePenaltyMs = 30000;

    cTeacher(cProfile& profile, const cTickSource& ticks);
    virtual ~cTeacher();
    cTeacher(const cTeacher&) = delete;
    cTeacher& operator=(const cTeacher&) = delete;

    // --- Card store (see cCardStore) ---
    // Stores the card under the next id and queues it at the front of the to-do list.
    void AddCard(const cCueLine& card) { m_store.AddCard(card); }
    void AddLoadedFile(const std::u16string& path) { m_store.AddLoadedFile(path); }
    int GetLoadedFileCount() const { return m_store.GetLoadedFileCount(); }
    std::u16string GetLoadedFile(int index) const { return m_store.GetLoadedFile(index); }
    int GetTotalCues() const { return m_store.GetTotalCues(); }
    int GetCuesLeft() const { return m_store.GetCuesLeft(); }
    cCueLineKey GetCurrentKey() const { return m_store.GetCurrentKey(); }
    std::optional<cCueLine> FindCard(cCueLineKey key) const { return m_store.FindCard(key); }
    // A copy of the current card, or a blank card when there is none.
    cCueLine GetCurrentCard() const;
    std::u16string GetCurrentCue() const { return GetCurrentCard().GetCue(); }
    cCueLineKey RemoveCurrent() { return m_store.RemoveCurrent(); }
    void MoveToEnd(int index) { m_store.MoveToEnd(index); }
    void RequeueCurrent() { m_store.RequeueCurrent(); }
    int RemoveKey(cCueLineKey key) { return m_store.RemoveKey(key); }
    void RebuildToDo() { m_store.RebuildToDo(); }
    void RebuildToDo(const std::vector<cCueLineKey>& keys) { m_store.RebuildToDo(keys); }
    void DeleteAllCards() { m_store.DeleteAllCards(); }
    // The to-do list from front to end (the end entry is current).
    std::vector<cCueLineKey> GetToDoKeys() const { return m_store.GetToDoKeys(); }

    // --- Loading cue files ---
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
    void DrawNextCard();

    // --- Pass history and review ---
    // Where finished passes are reported; null reports nothing.
    void SetPassHistory(cPassHistory* history) { m_history = history; }
    // True when the last finished pass had cards answered wrongly or Ignored.
    bool HasMissesToReview() const { return !m_lastMissed.empty(); }
    // Starts a pass over only the cards missed in the last finished pass. A review pass
    // runs the clock but never records a fastest time; Restart returns to full passes.
    // False (and nothing changes) when there is nothing to review.
    bool StartReview();
    bool IsReviewPass() const { return m_reviewCards > 0; }

    // --- Answer checking ---
    bool IsCorrectAnswer(const cCueLine& card, const std::u16string& typed) const;
    bool IsAnswerReady(const std::u16string& text) const;
    const std::vector<std::u16string>& GetToleratedSuffixes() const { return m_toleratedSuffixes; }

    // --- Timing ---
    void StartClock();
    uint32_t GetElapsedMs() const;
    void FinishPass();
    bool IsPassFinished() const { return m_passFinished; }
    // True while the pass time counts on: started and not yet finished.
    bool IsClockRunning() const { return m_passStartTick != 0 && !m_passFinished; }
    static std::u16string FormatTime(uint32_t ms);
    std::u16string GetElapsedText() const;
    std::u16string GetFastestText() const;

    // --- Accents ---
    std::u16string SubstituteAccents(const std::u16string& text) const;
    const cAccentList& GetAccents() const { return m_accents; }
    std::u16string GetAccentsHelpText() const;

    // --- Fastest-time records ---
    std::u16string JoinLoadedFileNames() const;
    std::u16string GetFastestTimeKey() const;
    uint32_t ReadFastestTime() const;
    void RecordFastestTime();

private:
    // A started clock never holds tick 0, which means "not started".
    void SetPassStartTick(uint32_t tick);
    void ApplyIgnorePenalty(int removedEntries);
    // After a load attempt that brought cards or a file: a started pass keeps counting
    // from the time reached (a finished one resumes from its frozen time); the first
    // file of a working set leaves the clock not started.
    void CarryClockOver(int loadedFileCountBefore, int totalCuesBefore);

    void StartNewPass();
    void ReportPass();

    // How a card fared in the pass so far.
    struct sMiss {
        int wrongAnswers = 0;
        bool ignored = false;
    };

    cProfile& m_profile;
    const cTickSource& m_ticks;

    cAccentList m_accents;
    cCueLine m_blankCard;
    std::vector<std::u16string> m_toleratedSuffixes;
    cCardStore m_store;
    cCardLoader m_loader;
    uint32_t m_passStartTick = 0;   // 0: clock not started
    uint32_t m_frozenPassTime = 0;  // the time of a finished pass
    bool m_passFinished = false;    // kept apart so a pass of 0 ms still counts as finished
    cRandomGenerator m_random;

    cPassHistory* m_history = nullptr;
    std::map<uint32_t, sMiss> m_misses;     // by card id, the misses of this pass
    std::vector<cCueLineKey> m_lastMissed;  // the cards missed in the last finished pass
    int m_reviewCards = 0;                  // the cards of a review pass; 0 in a full pass
};
