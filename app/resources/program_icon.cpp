// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/program_icon.h"

#include <QImageReader>
#include <QPixmap>

#include "app/resources/deferred_icon_engine.h"

namespace {

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QIcon ReadProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        QImageReader reader(QStringLiteral(":/icons/png/%1/com.vorlen.recallix.png").arg(size),
                            "png");
        // Told the format, the reader still asks every image plugin whether it would rather
        // read the file, loading them all, unless told not to guess.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}

}  // namespace

// The sizes are read only when the icon is first drawn or asked for: a platform that shows
// no window icon (Wayland takes it from the desktop entry) never asks.
QIcon MakeProgramIcon() {
    QList<QSize> sizes;
    for (const int size : kIconSizes) {
        sizes.append(QSize(size, size));
    }
    return QIcon(new cDeferredIconEngine(ReadProgramIcon, sizes));
}
