// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/program_icon.h"

QIcon MakeProgramIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/png/%1/com.vorlen.recallix.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}
