// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QIcon>

// The program's icon for its windows, in every size the desktop's icon theme has, so the
// task bar, the window switcher and the title bar each get a sharp one. The same artwork
// as the installed icon. Needs a QGuiApplication.
QIcon MakeProgramIcon();
