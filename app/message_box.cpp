// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/message_box.h"

#include <QAbstractButton>
#include <QTimer>

#include "app/resources/string_resource.h"

namespace {

MessageBoxAnswer g_nextAnswer;

}  // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           const QString& accessibleDescription) {
    QMessageBox box(icon, GetAppName(), text, buttons, parent);
    if (!accessibleDescription.isEmpty()) {
        box.setAccessibleDescription(accessibleDescription);
        // The text label is what a screen reader reads first when the box opens.
        if (auto* label = box.findChild<QWidget*>(QStringLiteral("qt_msgbox_label"))) {
            label->setAccessibleDescription(accessibleDescription);
        }
    }
    if (g_nextAnswer) {
        // Runs inside the box's own event loop, as a user's click would.
        QTimer::singleShot(0, &box, [&box, answer = std::exchange(g_nextAnswer, nullptr)] {
            QAbstractButton* button = box.button(answer(box));
            button != nullptr ? button->click() : box.reject();
        });
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

void AnswerNextMessageBox(MessageBoxAnswer answer) {
    g_nextAnswer = std::move(answer);
}
