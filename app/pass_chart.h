// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

// The History window's chart of pass times, described without the chart library. The
// chart is drawn by a module of its own that is loaded the first time a chart is shown:
// the chart library is large, and a program that links it pays for it at every start,
// whether the History window is opened or not.

// One combination of files: its passes as (end in ms since the epoch, seconds), oldest
// first, and its fastest pass.
struct sPassChartLine {
    QString name;
    QList<QPointF> passes;
    QPointF fastest;
};

struct sPassChart {
    QString title;
    QString dateAxis;
    QString timeAxis;
    QString fastestName;  // the series that marks the fastest passes
    std::vector<sPassChartLine> lines;
    qint64 fromMs = 0;  // the range of the date axis
    qint64 toMs = 0;
    double topSeconds = 0;  // the top of the time axis
    bool smooth = true;     // antialiased, while the passes are few enough to draw at once
    QFont font;             // the chart draws its own texts, in the window's font
    QString dateFormat;     // of the date axis's labels, so that no two read the same
    int dateTicks = 5;      // labels on the date axis, evenly from fromMs to toMs
};

// The labels of the date axis, as the chart places them: dateTicks of them, evenly spaced
// from fromMs to toMs, in local time.
QStringList DateAxisLabels(qint64 fromMs, qint64 toMs, int ticks, const QString& format);

// The loaded cards due on each of the next days, as bars from today (day 0) on.
struct sForecastChart {
    QString title;
    QString dayAxis;
    QString countAxis;
    QList<int> counts;
    QFont font;
};

// The chart as a widget with parent, or null when the chart module cannot be loaded.
QWidget* CreatePassChartView(const sPassChart& chart, QWidget* parent);
QWidget* CreateForecastChartView(const sForecastChart& chart, QWidget* parent);

// The module's one entry point, looked up by this name.
inline constexpr char kCreatePassChartViewSymbol[] = "RecallixCreatePassChartView";
using tCreatePassChartView = QWidget* (*)(const sPassChart* chart, QWidget* parent);
inline constexpr char kCreateForecastChartViewSymbol[] = "RecallixCreateForecastChartView";
using tCreateForecastChartView = QWidget* (*)(const sForecastChart* chart, QWidget* parent);
