// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/explore_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

cExploreFileDialog::cExploreFileDialog(QWidget* parent) : m_parent(parent) {}

cExploreFileDialog::~cExploreFileDialog() = default;

QStringList cExploreFileDialog::FilterToNameFilters(const std::u16string& filter) {
    const QStringList segments = QString::fromStdU16String(filter).split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < segments.size(); i += 2) {
        const QString& description = segments[i];
        const QString& pattern = segments[i + 1];
        if (description.isEmpty() || pattern.isEmpty()) {
            break;
        }
        // Qt reads the patterns from the parentheses; a description that does not show
        // them gets them added, so the filter still applies.
        if (description.contains(u'(') && description.endsWith(u')')) {
            nameFilters.append(description);
        } else {
            nameFilters.append(description + QStringLiteral(" (") +
                               QString(pattern).replace(u';', u' ') + u')');
        }
    }
    return nameFilters;
}

bool cExploreFileDialog::PickFiles(const std::u16string& title, const std::u16string& filter,
                                   std::vector<std::u16string>& paths) {
    paths.clear();
    QFileDialog dialog(m_parent, QString::fromStdU16String(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QStringList nameFilters = FilterToNameFilters(filter);
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
    }
    dialog.setDefaultSuffix(QStringLiteral("recallix"));
    if (RunDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    const QStringList files = dialog.selectedFiles();
    for (const QString& file : files) {
        paths.push_back(QFileInfo(file).absoluteFilePath().toStdU16String());
    }
    // Nothing chosen is no choice, whatever the dialog says.
    return !paths.empty();
}

bool cExploreFileDialog::IsShiftDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

int cExploreFileDialog::RunDialog(QFileDialog& dialog) {
    return dialog.exec();
}
