// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <string>
#include <vector>

#include <QStringList>

#include "platform/file_picker.h"

class QFileDialog;
class QWidget;

// Lets the user choose one or several existing cue files in Qt's own file dialog, the
// same on every desktop.
class cExploreFileDialog : public cFilePicker {
public:
    // parent: the window the dialog belongs to, or null.
    explicit cExploreFileDialog(QWidget* parent);
    ~cExploreFileDialog() override;

    bool PickFiles(const std::u16string& title, const std::u16string& filter,
                   std::vector<std::u16string>& paths) override;
    bool IsShiftDown() const override;

    // The dialog's name filters from a "|"-separated text of description and pattern
    // pairs, ended by an empty segment: "Cue files (*.recallix)|*.recallix||" gives
    // "Cue files (*.recallix)".
    static QStringList FilterToNameFilters(const std::u16string& filter);

protected:
    // Runs the configured dialog and returns its result code; tests answer it here.
    virtual int RunDialog(QFileDialog& dialog);

private:
    QWidget* m_parent;
};
