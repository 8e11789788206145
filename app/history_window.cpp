// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/history_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <map>

#include "app/main_doc.h"
#include "app/pass_chart.h"
#include "app/pass_table_model.h"
#include "app/resources/history_resource.h"
#include "app/resources/resource_language.h"
#include "engine/teacher.h"
#include "platform/pass_history.h"

namespace {

// A chart with a line per combination grows unreadable beyond a few of them.
constexpr int kMostChartedCombinations = 8;
constexpr size_t kMostSmoothPoints = 2000;

QString WithoutAccessKey(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
}

// The shortest of the formats that gives every tick of the date axis a label of its own.
QString DistinctDateFormat(qint64 fromMs, qint64 toMs, int ticks) {
    const QString formats[] = {QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy-MM-dd HH:mm"),
                               QStringLiteral("yyyy-MM-dd HH:mm:ss")};
    for (const QString& format : formats) {
        const QStringList labels = DateAxisLabels(fromMs, toMs, ticks, format);
        if (QSet<QString>(labels.begin(), labels.end()).size() == labels.size()) {
            return format;
        }
    }
    return formats[std::size(formats) - 1];
}

// A heading that gives its access key to the control below it.
QLabel* MakeHeading(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setAccessibleName(WithoutAccessKey(text));
    return label;
}

}  // namespace

cHistoryWindow::cHistoryWindow(cMainDoc& doc, cPassHistory* history, const QFont& font,
                               QWidget* parent)
    : QDialog(parent), m_doc(doc), m_key(doc.GetFastestTimeKey()) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    const sHistoryTexts texts = GetHistoryTexts(UseJapaneseResources());
    setWindowTitle(texts.title);
    setAccessibleName(texts.title);

    const QString files = QString::fromStdU16String(doc.JoinLoadedFileNames());
    m_heading = new QLabel(m_key.empty() ? texts.allFiles : files);
    m_heading->setAccessibleName(m_heading->text());  // what is shown, not the window's title
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont headingFont = font;
    headingFont.setBold(true);
    m_heading->setFont(headingFont);

    m_passList = new QTableView;
    m_passList->setAccessibleName(WithoutAccessKey(texts.passes));
    m_passList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_passList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_passList->verticalHeader()->hide();
    m_hardestList = new QTableWidget(0, static_cast<int>(texts.hardColumns.size()));
    m_hardestList->setAccessibleName(WithoutAccessKey(texts.hardest));
    m_hardestList->setHorizontalHeaderLabels(texts.hardColumns);
    m_hardestList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_hardestList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_hardestList->verticalHeader()->hide();

    m_review = new QPushButton(texts.review);
    m_review->setAccessibleName(WithoutAccessKey(texts.review));
    m_review->setEnabled(doc.HasMissesToReview());
    connect(m_review, &QPushButton::clicked, this, &cHistoryWindow::OnReview);
    auto* close = new QPushButton(texts.close);
    close->setAccessibleName(texts.close);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* passBox = new QWidget;
    auto* passLayout = new QVBoxLayout(passBox);
    passLayout->setContentsMargins(0, 0, 0, 0);
    passLayout->addWidget(MakeHeading(texts.passes, m_passList));
    passLayout->addWidget(m_passList);
    auto* hardBox = new QWidget;
    auto* hardLayout = new QVBoxLayout(hardBox);
    hardLayout->setContentsMargins(0, 0, 0, 0);
    hardLayout->addWidget(MakeHeading(texts.hardest, m_hardestList));
    hardLayout->addWidget(m_hardestList);
    auto* lists = new QSplitter(Qt::Horizontal);
    lists->setAccessibleName(WithoutAccessKey(texts.passes) + QStringLiteral(", ") +
                             WithoutAccessKey(texts.hardest));
    lists->addWidget(passBox);
    lists->addWidget(hardBox);
    lists->setStretchFactor(0, 3);
    lists->setStretchFactor(1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_review);
    buttons->addStretch();
    buttons->addWidget(close);
    std::vector<sPassRecord> passes;
    if (history != nullptr) {
        passes = history->ReadPasses(m_key);
    }
    m_chartView = MakeChartView(passes, texts);
    auto* charts = new QHBoxLayout;
    charts->addWidget(m_chartView, 3);
    if (doc.GetTotalCues() > 0) {
        m_forecastView = MakeForecastView(texts);
        charts->addWidget(m_forecastView, 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(charts, 3);
    layout->addWidget(lists, 2);
    layout->addLayout(buttons);

    // The column headers are controls of their own, named after their list.
    for (QTableView* list : {m_passList, static_cast<QTableView*>(m_hardestList)}) {
        list->setCornerButtonEnabled(false);
        list->horizontalHeader()->setAccessibleName(list->accessibleName());
    }
    FillPassList(std::move(passes), texts);
    FillHardest(history, texts);
    resize(1000, 640);
}

sPassChart cHistoryWindow::DescribeChart(const std::vector<sPassRecord>& passes,
                                         const sHistoryTexts& texts) const {
    sPassChart chart;
    chart.title = texts.chartTitle;
    chart.dateAxis = texts.dateAxis;
    chart.timeAxis = texts.timeAxis;
    chart.fastestName = texts.fastest;
    chart.font = font();
    // One line per combination, over the full passes only: a review's time is of a few
    // cards and would say nothing beside them. Passes come newest first.
    std::map<std::u16string, size_t> lineOfKey;
    int64_t first = 0, last = 0;
    uint32_t slowest = 0;
    for (auto pass = passes.rbegin(); pass != passes.rend(); ++pass) {
        if (pass->review) {
            continue;
        }
        auto found = lineOfKey.find(pass->key);
        if (found == lineOfKey.end()) {
            if (static_cast<int>(lineOfKey.size()) >= kMostChartedCombinations) {
                continue;
            }
            const QString name =
                m_key.empty() ? QString::fromStdU16String(pass->files) : texts.chartTitle;
            chart.lines.push_back({name, {}, {}});
            found = lineOfKey.emplace(pass->key, chart.lines.size() - 1).first;
        }
        sPassChartLine& line = chart.lines[found->second];
        const QPointF point(static_cast<qreal>(pass->endedUtcMs), pass->timeMs / 1000.0);
        if (line.passes.empty() || point.y() < line.fastest.y()) {
            line.fastest = point;
        }
        line.passes.append(point);
        first = first == 0 ? pass->endedUtcMs : std::min(first, pass->endedUtcMs);
        last = std::max(last, pass->endedUtcMs);
        slowest = std::max(slowest, pass->timeMs);
    }
    // A day either side, so a single pass is not drawn on the chart's edge.
    const qint64 day = 24 * 3600 * 1000;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    chart.fromMs = first != 0 ? first - day : now - day;
    chart.toMs = last != 0 ? last + day : now + day;
    chart.topSeconds = slowest > 0 ? slowest / 1000.0 * 1.1 : 60;
    chart.smooth = passes.size() < kMostSmoothPoints;
    chart.dateFormat = DistinctDateFormat(chart.fromMs, chart.toMs, chart.dateTicks);
    return chart;
}

QWidget* cHistoryWindow::MakeChartView(const std::vector<sPassRecord>& passes,
                                       const sHistoryTexts& texts) {
    const sPassChart chart = DescribeChart(passes, texts);
    return ChartOrNote(CreatePassChartView(chart, this), texts.chartTitle,
                       DescribeForScreenReaders(chart, texts), texts);
}

QWidget* cHistoryWindow::MakeForecastView(const sHistoryTexts& texts) {
    sForecastChart chart{
        texts.forecastTitle, texts.forecastDayAxis, texts.forecastCountAxis, {}, font()};
    int total = 0;
    for (const int count : m_doc.GetDueForecast(kForecastDays)) {
        chart.counts.append(count);
        total += count;
    }
    return ChartOrNote(CreateForecastChartView(chart, this), texts.forecastTitle,
                       texts.forecastDescription.arg(total).arg(chart.counts.value(0)), texts);
}

QWidget* cHistoryWindow::ChartOrNote(QWidget* view, const QString& name, const QString& description,
                                     const sHistoryTexts& texts) {
    if (view == nullptr) {
        // Only a damaged installation lacks the chart module; the lists still work.
        auto* missing = new QLabel(texts.chartUnavailable, this);
        missing->setAlignment(Qt::AlignCenter);
        missing->setWordWrap(true);
        view = missing;
    }
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    view->setMinimumHeight(220);
    return view;
}

QString cHistoryWindow::DescribeForScreenReaders(const sPassChart& chart,
                                                 const sHistoryTexts& texts) {
    qsizetype count = 0;
    double first = 0, last = 0, fastest = 0;
    for (const sPassChartLine& line : chart.lines) {
        for (const QPointF& pass : line.passes) {
            first = count == 0 ? pass.x() : std::min(first, pass.x());
            last = count == 0 ? pass.x() : std::max(last, pass.x());
            fastest = count == 0 ? pass.y() : std::min(fastest, pass.y());
            ++count;
        }
    }
    if (count == 0) {
        return texts.chartEmpty;
    }
    const auto date = [](double ms) { return cPassTableModel::FormatDate(qRound64(ms)); };
    const auto time = static_cast<uint32_t>(std::lround(fastest * 1000));
    return texts.chartDescription.arg(count).arg(
        date(first), date(last), QString::fromStdU16String(cTeacher::FormatTime(time)));
}

void cHistoryWindow::FillPassList(std::vector<sPassRecord> passes, const sHistoryTexts& texts) {
    m_passList->setModel(new cPassTableModel(std::move(passes), texts.passColumns, texts.fullPass,
                                             texts.reviewPass, texts.duePass, m_key.empty(),
                                             m_passList));
    // The columns' widths from the first rows: every row has the same form, and
    // measuring ten thousand of them would cost more than opening the window.
    m_passList->horizontalHeader()->setResizeContentsPrecision(50);
    m_passList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_passList->horizontalHeader()->setStretchLastSection(true);
}

void cHistoryWindow::FillHardest(cPassHistory* history, const sHistoryTexts& texts) {
    if (history == nullptr) {
        return;
    }
    const std::vector<sHardCard> cards = history->ReadHardestCards(m_key, kHardestCardCount);
    m_hardestList->setRowCount(static_cast<int>(cards.size()));
    for (int row = 0; row < static_cast<int>(cards.size()); ++row) {
        const sHardCard& card = cards[static_cast<size_t>(row)];
        const std::optional<double> recall = m_doc.PredictRecall(card.cue, card.answer);
        const QString cells[] = {
            QString::fromStdU16String(card.cue), QString::fromStdU16String(card.answer),
            QString::number(card.passesMissed), QString::number(card.wrongAnswers),
            recall ? QStringLiteral("%1%").arg(std::lround(*recall * 100)) : texts.neverStudied};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column >= 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_hardestList->setItem(row, column, item);
        }
    }
    m_hardestList->resizeColumnsToContents();
    m_hardestList->horizontalHeader()->setStretchLastSection(true);
}

void cHistoryWindow::OnReview() {
    if (m_doc.ReviewMissed()) {
        close();  // back to the form, where the review runs
    }
}
