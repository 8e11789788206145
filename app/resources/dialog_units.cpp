// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <cstdint>

namespace {

// value * numerator / denominator rounded to nearest, halves away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const int64_t product = int64_t{value} * numerator;
    const int64_t half = denominator / 2;
    const int64_t rounded =
        product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

int AverageLetterWidth(const QFontMetrics& metrics) {
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // Width of all 52 letters over 52, rounded: (w / 26 + 1) / 2.
    return (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
}

}  // namespace

cDialogUnits::cDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    m_baseWidth = AverageLetterWidth(metrics);
    m_baseHeight = metrics.height();
}

QRect cDialogUnits::ToPixels(int x, int y, int width, int height) const {
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height));
}

QSize cDialogUnits::ToPixels(QSize dialogSize) const {
    return QSize(ToPixelsX(dialogSize.width()), ToPixelsY(dialogSize.height()));
}

int cDialogUnits::ToPixelsX(int units) const {
    return MulDiv(units, m_baseWidth, 4);
}

int cDialogUnits::ToPixelsY(int units) const {
    return MulDiv(units, m_baseHeight, 8);
}
