// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <optional>
#include <string>
#include <vector>

// What the browser launcher needs from the desktop. The real one asks the desktop session;
// tests use a fake.
class cDesktop {
public:
    virtual ~cDesktop();
    // Lets the desktop open the address; false when it refuses.
    virtual bool OpenUrl(const std::u16string& url) = 0;
    // The command line registered as the default handler for web pages, if any.
    virtual std::optional<std::u16string> FindHtmlHandlerCommand() = 0;
    // Starts arguments[0] with the other arguments, without a shell and without waiting.
    virtual bool StartDetached(const std::vector<std::u16string>& arguments) = 0;
};

// Opens a web address in the user's browser: through the desktop first, else by starting the
// registered web-page handler with the address as its last argument. Every failure ends
// silently.
void LaunchDefaultBrowser(const std::u16string& url, cDesktop& desktop);
