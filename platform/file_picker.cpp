// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/file_picker.h"

cFilePicker::~cFilePicker() = default;
