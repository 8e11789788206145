// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QString>
#include <vector>

// What a form item is, as far as the form needs to know to create its widget.
enum class eFormItemKind {
    Edit,
    ReadOnlyEdit,
    ProgressBar,
    PushButton,
    DefaultPushButton,
    Label,
    ListView
};

// One item of a form layout. Position and size are in dialog units (see cDialogUnits);
// labels carry the id kIdStatic.
struct sFormItem {
    int id;
    eFormItemKind kind;
    QString text;
    int x, y, width, height;
};

// A form layout: its font, its size in dialog units, and its items in tab order.
struct sFormTemplate {
    int id;
    QString fontFamily;
    int pointSize;
    int width, height;
    std::vector<sFormItem> items;
};

// The form layout with that id (10000, 10001, 10002) in English or Japanese; null for any
// other id. The layouts live for the whole run.
const sFormTemplate* FindFormTemplate(int templateId, bool japanese);
