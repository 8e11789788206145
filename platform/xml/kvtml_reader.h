// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <QtGlobal>

#include "platform/vocabulary_document_reader.h"

QT_BEGIN_NAMESPACE
class QIODevice;
class QXmlStreamReader;
QT_END_NAMESPACE

// Reads KVTML 2 vocabulary documents: each <entry> under <entries> gives the text of its
// translation 0 and translation 1. Lessons, grammar and the rest are passed over.
class cKvtmlReader : public cVocabularyDocumentReader {
public:
    bool ReadEntries(const std::u16string& path, const EntryHandler& onEntry) override;
    // The same from a device already open for reading.
    static bool ReadEntries(QIODevice& device, const EntryHandler& onEntry);

private:
    static bool ReadDocument(QXmlStreamReader& xml, const EntryHandler& onEntry);
    static void ReadEntriesElement(QXmlStreamReader& xml, const EntryHandler& onEntry);
    static void ReadEntry(QXmlStreamReader& xml, const EntryHandler& onEntry);
    // The character data of the element just opened, down to its end.
    static QString ReadText(QXmlStreamReader& xml);
    // The <text> of a translation (its other children are skipped).
    static QString ReadTranslationText(QXmlStreamReader& xml);
};
