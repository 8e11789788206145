// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The font of a form layout. The layouts name fonts that Linux systems seldom have; each
// has free stand-ins of the same proportions (the narrow dialog face stays narrow, the wide
// one wide), so the layouts keep their shape and the widest of them still fits a
// 1280-pixel screen. The named font itself is used where it is installed.
QFont MakeFormFont(const QString& family, int pointSize);
// The same, with the families taken as installed given as Qt's font database lists them.
QFont MakeFormFont(const QString& family, int pointSize, const QStringList& installedFamilies);
