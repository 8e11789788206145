// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The chart module: draws the History window's charts of pass times and of due cards.
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <type_traits>

#include "app/pass_chart.h"

namespace {

constexpr qreal kFastestMarkerSize = 12;

void ApplyFont(QChart& chart, const QFont& font) {
    QFont title = font;
    title.setBold(true);
    chart.setTitleFont(title);
    chart.legend()->setFont(font);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(font);
        axis->setTitleFont(font);
    }
}

}  // namespace

extern "C" Q_DECL_EXPORT QWidget* RecallixCreatePassChartView(const sPassChart* description,
                                                              QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(description->title);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(description->dateFormat);
    dates->setTickCount(description->dateTicks);
    dates->setTitleText(description->dateAxis);
    dates->setRange(QDateTime::fromMSecsSinceEpoch(description->fromMs),
                    QDateTime::fromMSecsSinceEpoch(description->toMs));
    auto* times = new QValueAxis;
    times->setTitleText(description->timeAxis);
    times->setLabelFormat(QStringLiteral("%.0f"));
    times->setRange(0, description->topSeconds);
    times->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(times, Qt::AlignLeft);

    auto* fastest = new QScatterSeries;
    fastest->setName(description->fastestName);
    fastest->setMarkerSize(kFastestMarkerSize);
    for (const sPassChartLine& line : description->lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        series->append(line.passes);
        // A line needs two points: a lone pass is marked by a point of its own colour, drawn
        // larger than the mark of the fastest pass that sits on it.
        if (line.passes.size() == 1) {
            series->setPointsVisible(true);
            series->setMarkerSize(kFastestMarkerSize * 1.6);
        }
        chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(times);
        fastest->append(line.fastest);
    }
    chart->addSeries(fastest);
    fastest->attachAxis(dates);
    fastest->attachAxis(times);
    ApplyFont(*chart, description->font);

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing, description->smooth);
    return view;
}

extern "C" Q_DECL_EXPORT QWidget* RecallixCreateForecastChartView(const sForecastChart* description,
                                                                  QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(description->title);
    chart->legend()->hide();
    auto* cards = new QBarSet(description->countAxis);
    for (const int count : description->counts) {
        cards->append(count);
    }
    auto* series = new QBarSeries;
    series->append(cards);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    // Days on a value axis, labelled every week from today: thirty named bars would crowd.
    auto* days = new QValueAxis;
    days->setTitleText(description->dayAxis);
    days->setRange(-0.5, description->counts.size() - 0.5);
    days->setTickType(QValueAxis::TicksDynamic);
    days->setTickAnchor(0);
    days->setTickInterval(7);
    days->setLabelFormat(QStringLiteral("%.0f"));
    auto* counts = new QValueAxis;
    counts->setTitleText(description->countAxis);
    counts->setLabelFormat(QStringLiteral("%.0f"));
    const int most = description->counts.isEmpty() ? 0
                                                   : *std::max_element(description->counts.begin(),
                                                                       description->counts.end());
    counts->setRange(0, std::max(most, 4));
    counts->applyNiceNumbers();
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(days);
    series->attachAxis(counts);
    ApplyFont(*chart, description->font);

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing, true);
    return view;
}

// The program looks the entry points up by name and calls them as these types.
static_assert(std::is_same_v<decltype(&RecallixCreatePassChartView), tCreatePassChartView>);
static_assert(std::is_same_v<decltype(&RecallixCreateForecastChartView), tCreateForecastChartView>);
