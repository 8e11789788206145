// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/qt_desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/desktop/desktop_entry.h"

bool cQtDesktop::OpenUrl(const std::u16string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdU16String(url)));
}

std::optional<std::u16string> cQtDesktop::FindHtmlHandlerCommand() {
    return ::FindHtmlHandlerCommand(sXdgDirectories::FromEnvironment());
}

bool cQtDesktop::StartDetached(const std::vector<std::u16string>& arguments) {
    if (arguments.empty() || arguments.front().empty()) {
        return false;
    }
    QStringList rest;
    rest.reserve(static_cast<qsizetype>(arguments.size()) - 1);
    for (size_t i = 1; i < arguments.size(); ++i) {
        rest.append(QString::fromStdU16String(arguments[i]));
    }
    return QProcess::startDetached(QString::fromStdU16String(arguments.front()), rest);
}
