// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/card_bitmap.h"

#include <QBitmap>
#include <QColor>

namespace {

constexpr int kSize = 16;

// The card covers x 1..14, y 2..13; the text lines are inset by two pixels, the last shorter.
constexpr int kCardLeft = 1, kCardTop = 2, kCardRight = 14, kCardBottom = 13;
struct sTextLine {
    int y, left, right;
};
constexpr sTextLine kTextLines[] = {{5, 3, 12}, {7, 3, 12}, {9, 3, 9}};

const QColor kTransparentRed(255, 0, 0);
const QColor kTextGrey(180, 180, 180);

}  // namespace

QImage MakeCardBitmap() {
    QImage image(kSize, kSize, QImage::Format_RGB888);
    image.fill(kTransparentRed);
    for (int y = kCardTop; y <= kCardBottom; ++y) {
        for (int x = kCardLeft; x <= kCardRight; ++x) {
            const bool outline =
                x == kCardLeft || x == kCardRight || y == kCardTop || y == kCardBottom;
            image.setPixelColor(x, y, outline ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    for (const sTextLine& line : kTextLines) {
        for (int x = line.left; x <= line.right; ++x)
            image.setPixelColor(x, line.y, kTextGrey);
    }
    return image;
}

QPixmap MakeCardIcon() {
    QPixmap pixmap = QPixmap::fromImage(MakeCardBitmap());
    pixmap.setMask(pixmap.createMaskFromColor(kTransparentRed, Qt::MaskInColor));
    return pixmap;
}
