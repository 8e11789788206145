// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <memory>

class QTranslator;

// Qt's own texts (the file dialog, the buttons of message boxes, the context menu of a
// text box) in the program's language: Qt's translations for it, installed for as long
// as this object lives. English needs none.
class cQtTranslation {
public:
    cQtTranslation();
    virtual ~cQtTranslation();
    cQtTranslation(const cQtTranslation&) = delete;
    cQtTranslation& operator=(const cQtTranslation&) = delete;

    // Installs the translation of the current language (Japanese when the resources are
    // Japanese), replacing one installed before. False when the translation files are
    // missing; Qt's texts then stay English.
    bool Install();

private:
    void Remove();

    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_fileTypeTexts;
};
