// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/string_resource.h"

#include <array>

#include "app/resources/control_ids.h"
#include "app/resources/resource_language.h"

namespace {

struct sResourceString {
    int id;
    const char16_t* english;
    const char16_t* japanese;
};

constexpr std::array<sResourceString, 12> kStrings = {{
    {kIdMainMenu, u"Recallix", u"Recallix"},
    {kIdClear, u"Empty the working set", u"学習中のカードをすべて削除します"},
    {kIdRestart, u"Start a new pass over all cards", u"すべてのカードで最初からやり直します"},
    {kIdLoad, u"Load cue files", u"キュー ファイルを読み込みます"},
    {kIdHistory, u"Show your past passes, their times and the hardest cards",
     u"これまでの学習の記録、時間、苦手なカードを表示します"},
    {kIdReviewMissed, u"Practise only the cards missed in the last pass",
     u"前回間違えたカードだけをもう一度学習します"},
    {kIdStudyDue, u"Practise the cards due for study today, with up to 20 new ones a day",
     u"今日が期限のカードを、1 日 20 枚までの新しいカードと一緒に学習します"},
    {kIdExit, u"Exit the application", u"アプリケーションを終了します"},
    {kIdAbout, u"Show the program's version and maker",
     u"プログラムのバージョンと作成者を表示します"},
    {kIdAccents, u"List the accent combinations", u"アクセントの入力方法を一覧表示します"},
    {kIdWebLink, u"Open the Recallix web site", u"Recallix の Web サイトを開きます"},
    {kIdReady, u"Ready.", u"準備完了"},
}};

}  // namespace

QString LoadResourceString(int id, bool japanese) {
    for (const sResourceString& entry : kStrings) {
        if (entry.id == id)
            return QString::fromUtf16(japanese ? entry.japanese : entry.english);
    }
    return {};
}

QString GetAppName() {
    return LoadResourceString(kIdMainMenu, UseJapaneseResources());
}
