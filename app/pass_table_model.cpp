// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/pass_table_model.h"

#include <QDateTime>

#include "engine/teacher.h"

namespace {

enum eColumn { kDate, kTime, kCards, kWrong, kIgnored, kKind, kFiles };

}  // namespace

cPassTableModel::cPassTableModel(std::vector<sPassRecord> passes, QStringList headers,
                                 QString fullPass, QString reviewPass, QString duePass,
                                 bool withFiles, QObject* parent)
    : QAbstractTableModel(parent),
      m_passes(std::move(passes)),
      m_headers(std::move(headers)),
      m_fullPass(std::move(fullPass)),
      m_reviewPass(std::move(reviewPass)),
      m_duePass(std::move(duePass)) {
    if (!withFiles && m_headers.size() > kFiles) {
        m_headers = m_headers.mid(0, kFiles);
    }
}

int cPassTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_passes.size());
}

int cPassTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant cPassTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return Cell(m_passes[static_cast<size_t>(index.row())], index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() >= kTime && index.column() <= kIgnored) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QString cPassTableModel::Cell(const sPassRecord& pass, int column) const {
    switch (column) {
        case kDate:
            return FormatDate(pass.endedUtcMs);
        case kTime:
            return QString::fromStdU16String(cTeacher::FormatTime(pass.timeMs));
        case kCards:
            return QString::number(pass.cards);
        case kWrong:
            return QString::number(pass.wrongAnswers);
        case kIgnored:
            return QString::number(pass.ignoredCards);
        case kKind:
            return pass.due ? m_duePass : pass.review ? m_reviewPass : m_fullPass;
        case kFiles:
            return QString::fromStdU16String(pass.files);
        default:
            return {};
    }
}

QVariant cPassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return section < m_headers.size() ? m_headers[section] : QVariant();
}

QString cPassTableModel::FormatDate(int64_t endedUtcMs) {
    return QDateTime::fromMSecsSinceEpoch(endedUtcMs, Qt::UTC)
        .toLocalTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}
