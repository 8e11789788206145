// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/history_resource.h"

namespace {

sHistoryTexts EnglishTexts() {
    return {
        QStringLiteral("History"),
        QStringLiteral("All combinations of files"),
        QStringLiteral("Pass times"),
        QStringLiteral("The chart cannot be shown: a part of Recallix is missing. Installing "
                       "Recallix again mends this."),
        QStringLiteral("Date"),
        QStringLiteral("Time (seconds)"),
        QStringLiteral("Fastest"),
        QStringLiteral("&Passes"),
        {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Cards"),
         QStringLiteral("Wrong"), QStringLiteral("Ignored"), QStringLiteral("Kind"),
         QStringLiteral("Files")},
        QStringLiteral("Full pass"),
        QStringLiteral("Review"),
        QStringLiteral("Due cards"),
        QStringLiteral("Hardest &cards"),
        {QStringLiteral("Cue"), QStringLiteral("Answer"), QStringLiteral("Passes missed"),
         QStringLiteral("Wrong answers"), QStringLiteral("Recall today")},
        QStringLiteral("&Review missed cards"),
        QStringLiteral("Close"),
        QStringLiteral("Full passes: %1, from %2 to %3. Fastest time: %4."),
        QStringLiteral("No full pass yet."),
        QStringLiteral("Cards due on the next 30 days"),
        QStringLiteral("Days from today"),
        QStringLiteral("Cards"),
        QStringLiteral("Cards due on the next 30 days: %1, of them today: %2."),
        QStringLiteral("not studied yet"),
    };
}

sHistoryTexts JapaneseTexts() {
    return {
        QStringLiteral("履歴"),
        QStringLiteral("すべてのファイルの組み合わせ"),
        QStringLiteral("学習時間"),
        QStringLiteral("グラフを表示できません。Recallix の一部が見つかりません。Recallix を"
                       "もう一度インストールすると直ります。"),
        QStringLiteral("日付"),
        QStringLiteral("時間 (秒)"),
        QStringLiteral("最速"),
        QStringLiteral("学習の記録(&P)"),
        {QStringLiteral("日付"), QStringLiteral("時間"), QStringLiteral("カード数"),
         QStringLiteral("不正解"), QStringLiteral("非表示"), QStringLiteral("種類"),
         QStringLiteral("ファイル")},
        QStringLiteral("通常"),
        QStringLiteral("復習"),
        QStringLiteral("期限のカード"),
        QStringLiteral("苦手なカード(&C)"),
        {QStringLiteral("キュー"), QStringLiteral("答え"), QStringLiteral("間違えた回数"),
         QStringLiteral("不正解の数"), QStringLiteral("今日の想起率")},
        QStringLiteral("間違えたカードの復習(&R)"),
        QStringLiteral("閉じる"),
        QStringLiteral("通常の学習: %1 回 (%2 ～ %3)。最速の時間: %4。"),
        QStringLiteral("通常の学習の記録はまだありません。"),
        QStringLiteral("今後 30 日間に期限が来るカード"),
        QStringLiteral("今日からの日数"),
        QStringLiteral("カード数"),
        QStringLiteral("今後 30 日間に期限が来るカード: %1 枚 (うち今日: %2 枚)。"),
        QStringLiteral("未学習"),
    };
}

}  // namespace

sHistoryTexts GetHistoryTexts(bool japanese) {
    return japanese ? JapaneseTexts() : EnglishTexts();
}
