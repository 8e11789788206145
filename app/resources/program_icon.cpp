// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/program_icon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon's sizes are decoded only when one is first drawn or asked for: decoding all
// eight at start-up took longer than building the rest of the window, and a platform that
// shows no window icon (Wayland takes it from the desktop entry) never asks.
class cProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        // Every size is there for the normal, off state, as the files were added.
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (const int size : kIconSizes) {
                sizes.append(QSize(size, size));
            }
        }
        return sizes;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("RecallixProgramIcon"); }
    QIconEngine* clone() const override { return new cProgramIconEngine(*this); }

private:
    const QIcon& Loaded() {
        if (m_icon.isNull()) {
            for (const int size : kIconSizes) {
                m_icon.addFile(QStringLiteral(":/icons/png/%1/com.vorlen.recallix.png").arg(size),
                               QSize(size, size));
            }
        }
        return m_icon;
    }

    QIcon m_icon;
};

}  // namespace

QIcon MakeProgramIcon() {
    return QIcon(new cProgramIconEngine);
}
