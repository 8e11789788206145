// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/desktop/browser_launcher.h"

#include "platform/desktop/browser_command.h"

cDesktop::~cDesktop() = default;

void LaunchDefaultBrowser(const std::u16string& url, cDesktop& desktop) {
    if (desktop.OpenUrl(url)) {
        return;
    }
    const std::optional<std::u16string> registered = desktop.FindHtmlHandlerCommand();
    if (!registered) {
        return;
    }
    // The joined line only decides whether the launch fits; what is started is an argument
    // vector, so nothing in the address can be read as quoting or as a second command.
    if (!BuildBrowserCommandLine(*registered, url)) {
        return;
    }
    std::vector<std::u16string> arguments = SplitCommandLine(CutAtPlaceholder(*registered));
    if (arguments.empty() || arguments.front().empty()) {
        return;
    }
    arguments.push_back(url);
    desktop.StartDetached(arguments);
}
