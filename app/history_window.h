// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class cMainDoc;
class cPassHistory;
struct sHistoryTexts;
struct sPassRecord;
struct sPassChart;

// The History window: the passes of the loaded combination of files (of every
// combination when none is loaded) as a chart of their times with the fastest marked, as
// a list, and the cards missed most often with the chance that each is recalled today;
// the loaded cards due on each of the next days; and the review of the last pass's misses.
class cHistoryWindow : public QDialog {
    Q_OBJECT

public:
    // The most cards the hardest-cards list shows.
    static constexpr int kHardestCardCount = 20;
    // The days the forecast of due cards covers, today included.
    static constexpr int kForecastDays = 30;

    // history may be null: the window is empty then. font: the form's.
    cHistoryWindow(cMainDoc& doc, cPassHistory* history, const QFont& font, QWidget* parent);

    // The chart of pass times, or a note in its place when the chart cannot be shown.
    QWidget* GetChartView() const { return m_chartView; }
    // The forecast of due cards (or a note in its place); null when no card is loaded.
    QWidget* GetForecastView() const { return m_forecastView; }
    QTableView* GetPassList() const { return m_passList; }
    QTableWidget* GetHardestList() const { return m_hardestList; }
    QPushButton* GetReviewButton() const { return m_review; }

private:
    // The chart, drawn by the chart module, or a note in its place.
    QWidget* MakeChartView(const std::vector<sPassRecord>& passes, const sHistoryTexts& texts);
    sPassChart DescribeChart(const std::vector<sPassRecord>& passes,
                             const sHistoryTexts& texts) const;
    static QString DescribeForScreenReaders(const sPassChart& chart, const sHistoryTexts& texts);
    QWidget* MakeForecastView(const sHistoryTexts& texts);
    // view, or a note in its place when the chart module is missing, named for screen readers.
    QWidget* ChartOrNote(QWidget* view, const QString& name, const QString& description,
                         const sHistoryTexts& texts);
    void FillPassList(std::vector<sPassRecord> passes, const sHistoryTexts& texts);
    void FillHardest(cPassHistory* history, const sHistoryTexts& texts);
    void OnReview();

    cMainDoc& m_doc;
    std::u16string m_key;
    QLabel* m_heading = nullptr;
    QWidget* m_chartView = nullptr;
    QWidget* m_forecastView = nullptr;
    QTableView* m_passList = nullptr;
    QTableWidget* m_hardestList = nullptr;
    QPushButton* m_review = nullptr;
};
