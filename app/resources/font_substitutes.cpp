// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/font_substitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
    static const bool installed = [] {
        // The dialog face and Tahoma are narrow sans faces; Verdana is a wide one, which
        // DejaVu Sans was drawn after.
        const QStringList narrow = {QStringLiteral("DejaVu Sans Condensed"),
                                    QStringLiteral("Liberation Sans")};
        QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"), narrow);
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), narrow);
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    (void)installed;
}
