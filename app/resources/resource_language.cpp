// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/resource_language.h"

#include "locale/thread_locale.h"

bool UseJapaneseResources() {
    return GetThreadLocale() == kLocaleJapanese;
}
