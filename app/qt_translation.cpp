// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <utility>

#include "app/resources/resource_language.h"

namespace {

// The few texts of the file dialog's type column that Qt's Japanese translation lacks (Qt
// moved them to a context the translation does not have yet).
class cFileTypeTexts : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        static const std::pair<const char*, const char16_t*> kTexts[] = {
            {"Folder", u"フォルダー"},
            {"File", u"ファイル"},
            {"%1 File", u"%1 ファイル"},
            {"Drive", u"ドライブ"},
            {"File Folder", u"ファイル フォルダー"},
        };
        for (const auto& [english, japanese] : kTexts) {
            if (qstrcmp(sourceText, english) == 0) {
                return QString::fromUtf16(japanese);
            }
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

cQtTranslation::cQtTranslation() = default;

cQtTranslation::~cQtTranslation() {
    Remove();
}

bool cQtTranslation::Install() {
    Remove();
    if (!UseJapaneseResources()) {
        return true;
    }
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    // Dates and sizes in the file dialog follow the language too.
    QLocale::setDefault(japanese);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    m_fileTypeTexts = std::make_unique<cFileTypeTexts>();
    QCoreApplication::installTranslator(m_fileTypeTexts.get());
    return true;
}

void cQtTranslation::Remove() {
    if (m_fileTypeTexts) {
        QCoreApplication::removeTranslator(m_fileTypeTexts.get());
        m_fileTypeTexts.reset();
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        QLocale::setDefault(QLocale::system());
    }
}
