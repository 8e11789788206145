// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <functional>

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program: modal, captioned with the program's name, with the
// icon and buttons given. Returns the button chosen. Timers of the windows keep running
// while it is open. A screen reader reads the text, and then the description when there
// is one: what the box does not show but the window behind it does.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString& accessibleDescription = {});

// For tests: the next message box, as soon as it is open, is handed to answer, and the
// button answer returns is clicked. Null withdraws an answer not used yet.
using MessageBoxAnswer = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void AnswerNextMessageBox(MessageBoxAnswer answer);
