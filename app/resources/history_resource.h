// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>
#include <QStringList>

// The texts of the History window in one language.
struct sHistoryTexts {
    QString title;             // window caption
    QString allFiles;          // heading when no file is loaded
    QString chartTitle;        // above the chart
    QString chartUnavailable;  // in the chart's place when it cannot be drawn
    QString dateAxis;          // the chart's axes
    QString timeAxis;
    QString fastest;          // the series that marks the fastest pass
    QString passes;           // heading of the list of passes
    QStringList passColumns;  // date, time, cards, wrong, ignored, kind, files
    QString fullPass;         // the kinds of pass
    QString reviewPass;
    QString duePass;
    QString hardest;          // heading of the hardest cards
    QStringList hardColumns;  // cue, answer, passes missed, wrong answers, recall today
    QString review;           // the button that starts a review of the missed cards
    QString close;
    // What a screen reader says of the chart: %1 passes, from the date %2 to %3, the
    // fastest time %4; and with no pass to chart.
    QString chartDescription;
    QString chartEmpty;
    // The forecast of the loaded cards due on each of the next days: its title, axes, and
    // what a screen reader says of it: %1 cards due in all, %2 of them today.
    QString forecastTitle;
    QString forecastDayAxis;
    QString forecastCountAxis;
    QString forecastDescription;
    QString neverStudied;  // the recall of a card never studied
};

sHistoryTexts GetHistoryTexts(bool japanese);
