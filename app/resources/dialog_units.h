// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts dialog units to pixels from a font's metrics, the way dialog layouts are laid out:
// a horizontal unit is a quarter of the font's average character width, a vertical unit an
// eighth of its line height.
class cDialogUnits {
public:
    explicit cDialogUnits(const QFont& font);

    // Each value is scaled on its own and rounded to the nearest pixel, halves away from zero.
    QRect ToPixels(int x, int y, int width, int height) const;
    QSize ToPixels(QSize dialogSize) const;

private:
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;

    int m_baseWidth;   // average width of "A".."Z" and "a".."z", rounded to the nearest pixel
    int m_baseHeight;  // line height of the font
};
