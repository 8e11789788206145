// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "platform/pass_history.h"

// The passes of the History window as a table: date, time, cards, wrong, ignored, kind
// and, when several combinations are shown, the files. Cells are formatted when shown,
// so thousands of passes cost no more than the rows on screen.
class cPassTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // headers: one per column; the files column is left out unless withFiles.
    cPassTableModel(std::vector<sPassRecord> passes, QStringList headers, QString fullPass,
                    QString reviewPass, QString duePass, bool withFiles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The local date and time a pass ended, as the list shows it.
    static QString FormatDate(int64_t endedUtcMs);

private:
    QString Cell(const sPassRecord& pass, int column) const;

    std::vector<sPassRecord> m_passes;
    QStringList m_headers;
    QString m_fullPass;
    QString m_reviewPass;
    QString m_duePass;
};
