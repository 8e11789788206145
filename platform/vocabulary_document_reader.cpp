// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/vocabulary_document_reader.h"

cVocabularyDocumentReader::~cVocabularyDocumentReader() = default;
