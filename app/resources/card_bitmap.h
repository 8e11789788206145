// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QImage>
#include <QPixmap>

// The file list's item image (bitmap 109): a 16 x 16, 24-bit white card with a black outline
// and three grey text lines on a pure red background.
QImage MakeCardBitmap();

// The same image with its red background transparent. Needs a QGuiApplication.
QPixmap MakeCardIcon();
