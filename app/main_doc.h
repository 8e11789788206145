// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class cFilePicker;
class cLanguageTable;
class cPassHistory;
class cProfile;
class cTeacher;
class cTickSource;
class cView;
class QWidget;

// The program's one document: owns the study engine and the language table, and is the
// single path by which the window changes the working set. Every command calls the
// teacher and then refreshes every view with a hint saying what is stale.
class cMainDoc {
public:
    cMainDoc(cProfile& profile, const cTickSource& ticks);
    virtual ~cMainDoc();
    cMainDoc(const cMainDoc&) = delete;
    cMainDoc& operator=(const cMainDoc&) = delete;

    // --- Views ---
    void AddView(cView* view);
    void RemoveView(cView* view);
    void UpdateAllViews(cView* sender, long hint);

    // --- Commands ---
    bool Load();  // the file dialog, loading, the status text, a full refresh
    // Loads files handed to the window (dropped onto it) as Load loads the files chosen in
    // its dialog, reversed when asked to.
    bool LoadFiles(const std::vector<std::u16string>& paths, bool reversed);
    std::u16string Next(const std::u16string& answer);
    void Ignore();
    void Restart();
    void Clear();
    // A pass over only the cards missed in the last finished pass; false when there are
    // none.
    bool ReviewMissed();
    // A pass over the loaded cards due for study today, with some new ones; false when
    // there are none.
    bool StudyDueCards();
    // The loaded cards due for study today or earlier.
    int CountDueCards();
    // The loaded cards due on each of the next days, today first.
    std::vector<int> GetDueForecast(int days);
    // The chance that the card is recalled today; none for a card never studied.
    std::optional<double> PredictRecall(const std::u16string& cue, const std::u16string& answer);
    void ShowAccentsHelp(QWidget* parent);
    // Loads cue files named from outside (the command line) in their order, never
    // reversed, showing the progress in the window that is already there, and stops at the
    // first that cannot be loaded: its index, or -1 when all loaded. Every view is
    // refreshed once, after the last file, so that many files cost no more than one.
    int OnOpenDocuments(const std::vector<std::u16string>& paths);
    // Loads one cue file named from outside, with the wait cursor and the outcome in the
    // status bar; the views are not refreshed (whoever opens several does that once).
    bool OnOpenDocument(const std::u16string& path);
    // Shows text in the main window's status bar; dropped when there is no main window.
    void SetStatusText(const std::u16string& text);

    // --- What the window gives the document ---
    // Where status texts go; null drops them.
    using StatusSink = std::function<void(const std::u16string& text)>;
    void SetStatusSink(StatusSink sink) { m_statusSink = std::move(sink); }
    // True when the user stopped the last load (with Esc or by closing the window).
    bool WasLastLoadCancelled() const { return m_lastLoadCancelled; }
    // How long a load runs before it shows its progress and lets the window paint.
    void SetLoadQuietMs(int ms) { m_loadQuietMs = ms; }
    // The picker Load asks for cue files; without one Load picks nothing.
    void SetFilePicker(cFilePicker* picker) { m_filePicker = picker; }
    // Where finished passes are kept and read back; null keeps none.
    void SetPassHistory(cPassHistory* history);
    cPassHistory* GetPassHistory() const { return m_history; }

    // --- Queries ---
    std::u16string GetCurrentCue() const;
    int GetTotalCues() const;
    int GetCuesLeft() const;
    int GetProgress() const;
    int GetLoadedFileCount() const;
    std::u16string GetLoadedFile(int index) const;
    bool IsAnswerReady(const std::u16string& text) const;
    // The pass time as the Time box shows it, from one reading of the clock, and the
    // milliseconds until that text changes; -1 while the clock stands.
    struct sPassTime {
        std::u16string text;
        int msUntilChange;
    };
    sPassTime GetPassTime() const;
    std::u16string GetFastestText() const;
    std::u16string SubstituteAccents(const std::u16string& text) const;
    bool HasMissesToReview() const;
    // The key and the joined names of the loaded files, as the history stores them.
    std::u16string GetFastestTimeKey() const;
    std::u16string JoinLoadedFileNames() const;

    // --- Language table ---
    int GetLanguageCount() const;
    uint16_t GetLanguage(int index) const;
    uint16_t GetMenuLanguage(uint32_t commandId) const;
    void SetMenuLanguage(uint32_t commandId, uint16_t language);

    const cTeacher& GetTeacher() const { return *m_teacher; }

private:
    bool LoadFrom(cFilePicker& picker);
    void ReportLoad(bool loaded);
    // Runs load with the progress of long loads shown and Esc able to stop them.
    bool WithLoadProgress(const std::function<bool()>& load);
    // Loads the files in order under one wait cursor and one progress display, stopping
    // at the first that fails: its index, or -1 when all loaded.
    int LoadInOrder(const std::vector<std::u16string>& paths);

    std::unique_ptr<cTeacher> m_teacher;
    std::unique_ptr<cLanguageTable> m_languageTable;
    std::vector<cView*> m_views;
    cFilePicker* m_filePicker = nullptr;
    cPassHistory* m_history = nullptr;
    StatusSink m_statusSink;
    int m_loadQuietMs = 200;
    bool m_lastLoadCancelled = false;
};
