// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/xml/kvtml_reader.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

// Line breaks and indentation inside a text are layout of the XML; the Answer box holds
// one line, so a word must not keep them.
std::u16string Simplified(const QString& text) {
    return text.simplified().toStdU16String();
}

}  // namespace

bool cKvtmlReader::ReadEntries(const std::u16string& path, const EntryHandler& onEntry) {
    QFile file(QString::fromStdU16String(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return ReadEntries(file, onEntry);
}

bool cKvtmlReader::ReadEntries(QIODevice& device, const EntryHandler& onEntry) {
    QXmlStreamReader xml(&device);
    const bool read = ReadDocument(xml, onEntry);
    return read && !xml.hasError();
}

bool cKvtmlReader::ReadDocument(QXmlStreamReader& xml, const EntryHandler& onEntry) {
    if (!xml.readNextStartElement()) {
        return false;
    }
    // Version 1 documents hold their words in other elements; reading them as if they
    // were empty would load a file of words as no card at all.
    if (xml.name() != u"kvtml" ||
        !xml.attributes().value(QStringLiteral("version")).startsWith(u"2")) {
        return false;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == u"entries") {
            ReadEntriesElement(xml, onEntry);
        } else {
            xml.skipCurrentElement();  // lessons name entries too, but only by id
        }
    }
    // Whatever follows the root element must still be well-formed.
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return true;
}

void cKvtmlReader::ReadEntriesElement(QXmlStreamReader& xml, const EntryHandler& onEntry) {
    while (xml.readNextStartElement()) {
        if (xml.name() == u"entry") {
            ReadEntry(xml, onEntry);
        } else {
            xml.skipCurrentElement();
        }
    }
}

void cKvtmlReader::ReadEntry(QXmlStreamReader& xml, const EntryHandler& onEntry) {
    QString texts[2];
    while (xml.readNextStartElement()) {
        const QStringView id = xml.attributes().value(QStringLiteral("id"));
        if (xml.name() == u"translation" && (id == u"0" || id == u"1")) {
            texts[id == u"0" ? 0 : 1] = ReadTranslationText(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        return;
    }
    std::u16string first = Simplified(texts[0]);
    std::u16string second = Simplified(texts[1]);
    onEntry(first, second);
}

QString cKvtmlReader::ReadText(QXmlStreamReader& xml) {
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            case QXmlStreamReader::EntityReference:
                // An entity of a document type the reader has not seen: shown as written
                // rather than silently dropped from the word.
                text += u'&';
                text += xml.name();
                text += u';';
                break;
            case QXmlStreamReader::StartElement:
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            default:
                break;
        }
    }
    return text;
}

QString cKvtmlReader::ReadTranslationText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text") {
            text = ReadText(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    return text;
}
