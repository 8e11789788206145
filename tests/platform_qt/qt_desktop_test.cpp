// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/qt_desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(QtDesktopTest, StartsTheProgramWithEachArgumentIntact) {
    QTemporaryDir dir;
    // Shell syntax in an argument stays text: touch makes one file of exactly this name.
    const QString name = QStringLiteral("a b\"; touch pwned; $(id) \u00e9");
    const QString path = dir.filePath(name);
    cQtDesktop desktop;
    ASSERT_TRUE(desktop.StartDetached({u"touch", path.toStdU16String()}));
    for (int i = 0; i < 500 && !QFileInfo::exists(path); ++i) {
        QThread::msleep(20);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
}

}  // namespace
