// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/font_substitutes.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QStringList StandInsFor(const QString& family) {
    // The dialog face and Tahoma are narrow sans faces; Verdana is a wide one, which
    // DejaVu Sans was drawn after.
    if (family == u"MS Shell Dlg" || family == u"Tahoma") {
        return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")};
    }
    if (family == u"Verdana") {
        return {QStringLiteral("DejaVu Sans")};
    }
    return {};
}

// Each family by its bare name: a family that more than one foundry makes is listed once
// for each, as "Family [Foundry]".
QStringList BareFamilyNames(QStringList families) {
    for (QString& family : families) {
        const qsizetype foundry = family.indexOf(QLatin1String(" ["));
        if (foundry > 0 && family.endsWith(u']')) {
            family.truncate(foundry);
        }
    }
    return families;
}

}  // namespace

QFont MakeFormFont(const QString& family, int pointSize) {
    return MakeFormFont(family, pointSize, QFontDatabase::families());
}

QFont MakeFormFont(const QString& family, int pointSize, const QStringList& installedFamilies) {
    QFont font(family, pointSize);
    // Only installed faces are named. Given a face it does not have, the font matcher
    // searches for look-alikes of it before it tries the next name, and at start-up
    // that search costs more than building the whole form.
    const QStringList installed = BareFamilyNames(installedFamilies);
    QStringList families;
    for (const QString& candidate : QStringList{family} + StandInsFor(family)) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            families << candidate;
        }
    }
    if (!families.isEmpty()) {
        font.setFamilies(families);
    }
    return font;
}
