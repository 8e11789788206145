// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include "platform/desktop/browser_launcher.h"

// The desktop session as Qt and the freedesktop association files present it.
class cQtDesktop : public cDesktop {
public:
    // On Linux Qt hands the address to xdg-open; its answer is taken as the desktop's.
    bool OpenUrl(const std::u16string& url) override;
    // The text/html handler from the folders named by the environment.
    std::optional<std::u16string> FindHtmlHandlerCommand() override;
    bool StartDetached(const std::vector<std::u16string>& arguments) override;
};
