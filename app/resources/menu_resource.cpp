// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/menu_resource.h"

#include "app/resources/control_ids.h"

namespace {

constexpr int kSeparator = 0;

std::vector<sMenuPopup> EnglishMenu() {
    return {
        {QStringLiteral("&File"),
         {{kIdClear, QStringLiteral("&Clear")},
          {kIdRestart, QStringLiteral("&Restart")},
          {kIdLoad, QStringLiteral("&Load")},
          {kSeparator, {}},
          {kIdHistory, QStringLiteral("&History...")},
          {kIdReviewMissed, QStringLiteral("Review &missed cards")},
          {kIdStudyDue, QStringLiteral("Study &due cards")},
          {kSeparator, {}},
          {kIdExit, QStringLiteral("&Exit")}}},
        {QStringLiteral("Font"),
         {{kIdFontFirst, QStringLiteral("Normal")},
          {kIdFontFirst + 1, QStringLiteral("Verdana 12")},
          {kIdFontFirst + 2, QStringLiteral("Tahoma 16")}}},
        {QStringLiteral("&Language"), {{kIdLanguageFirst, QStringLiteral("-")}}},
        {QStringLiteral("&Help"),
         {{kIdAccents, QStringLiteral("&Accents")},
          {kSeparator, {}},
          {kIdWebLink, QStringLiteral("&Visit Us On The Web!")},
          {kSeparator, {}},
          {kIdAbout, QStringLiteral("&About")}}},
    };
}

std::vector<sMenuPopup> JapaneseMenu() {
    return {
        {QStringLiteral("ファイル(&F)"),
         {{kIdClear, QStringLiteral("削除(&C)")},
          {kIdRestart, QStringLiteral("やり直し(&R)")},
          {kIdLoad, QStringLiteral("読み込み(&L)")},
          {kSeparator, {}},
          {kIdHistory, QStringLiteral("履歴(&H)...")},
          {kIdReviewMissed, QStringLiteral("間違えたカードの復習(&M)")},
          {kIdStudyDue, QStringLiteral("期限が来たカードを学習(&D)")},
          {kSeparator, {}},
          {kIdExit, QStringLiteral("終了(&E)")}}},
        {QStringLiteral("フォント"),
         {{kIdFontFirst, QStringLiteral("標準")},
          {kIdFontFirst + 1, QStringLiteral("Verdana 12")},
          {kIdFontFirst + 2, QStringLiteral("Tahoma 16")}}},
        {QStringLiteral("言語(&L)"), {{kIdLanguageFirst, QStringLiteral("-")}}},
        {QStringLiteral("ヘルプ(&H)"),
         {{kIdAccents, QStringLiteral("アクセント(&A)")},
          {kSeparator, {}},
          {kIdWebLink, QStringLiteral("Web サイトへ(&V)")},
          {kSeparator, {}},
          {kIdAbout, QStringLiteral("バージョン情報(&A)")}}},
    };
}

}  // namespace

std::vector<sMenuPopup> GetMainMenu(bool japanese) {
    return japanese ? JapaneseMenu() : EnglishMenu();
}
