// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "lexitra/lexitra.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "locale/thread_locale.h"

namespace {

struct Text {
    eUiText id;
    std::u16string_view text;
};

// One table per language, sorted by id.
constexpr std::array kEnglishTexts{
    Text{eUiText::AboutPurpose,
         u"Recallix helps you learn words, phrases and facts with cue cards."},
    Text{eUiText::AboutLicence,
         u"Recallix is free software under the GNU General Public License, version 3 or any "
         u"later version, and comes without any warranty. Thank you for learning with "
         u"Recallix!"},
    Text{eUiText::WebAddress, u"https://www.vorlen.com/recallix/"},
    Text{eUiText::FileTypeName, u"Recallix cue files"},
    Text{eUiText::FileDialogTitle, u"Load cue files"},
    Text{eUiText::AccentsHelp,
         u"To type an accented letter, type the letter followed by : / or \\ "
         u"as listed below:"},
    Text{eUiText::WrongAnswer, u"Wrong answer. The correct answer is:"},
    Text{eUiText::LoadSucceeded, u"Cue files loaded."},
    Text{eUiText::LoadFailed, u"Loading was cancelled or did not complete."},
    Text{eUiText::RestartQuestion,
         u"Recallix must restart for the change to take effect. Restart now?"},
    Text{eUiText::SettingsNotStored,
         u"Your settings cannot be saved at the moment; changes are kept until Recallix ends."},
    Text{eUiText::VocabularyListsName, u"Vocabulary lists"},
    Text{eUiText::AllFilesName, u"All files"},
    Text{eUiText::LoadProgress, u"Loading cue file: %i%. Press Esc to cancel."},
    Text{eUiText::CueFileNotLoaded, u"Recallix cannot load this cue file:"},
    Text{eUiText::FileMissing, u"The file does not exist."},
    Text{eUiText::FileIsFolder, u"This is a folder, not a file."},
    Text{eUiText::FileUnreadable, u"You have no permission to read this file."},
    Text{eUiText::FileNotRegular, u"This is not a regular file (it may be a device or a pipe)."},
    Text{eUiText::FileReadError, u"The file could not be read to its end."},
    Text{eUiText::FileNotWellFormed, u"The file is not a well-formed XML document."},
    Text{eUiText::FileNotVocabularyDocument,
         u"The file is XML, but not a vocabulary document of KVTML version 2."},
    Text{eUiText::FileOpenQuote,
         u"A field of this list opens a double quote that is never closed."},
    Text{eUiText::FileTextAfterQuote,
         u"A field of this list has text after its closing double quote."},
    Text{eUiText::HistoryUnavailable,
         u"Your pass history is unavailable at the moment; passes are not kept until Recallix "
         u"restarts."},
    Text{eUiText::HistorySetAside,
         u"Your pass history file was damaged; it was set aside and a new history started."},
    Text{eUiText::HistoryDeferred,
         u"Your pass history cannot be written at the moment (another program may be using "
         u"it); finished passes are kept and written as soon as it can be."},
    Text{eUiText::CardsDueToday, u"%i cards due today"},
    Text{eUiText::OneCardDueToday, u"1 card due today"},
};

constexpr std::array kJapaneseTexts{
    Text{eUiText::AboutPurpose,
         u"Recallix は、カードを使って単語や語句、知識を覚えるための学習ソフトです。"},
    Text{eUiText::AboutLicence,
         u"Recallix はフリー ソフトウェアです。GNU 一般公衆利用許諾書 (GNU GPL) バージョン 3 "
         u"またはそれ以降のバージョンの条件の下で配布され、いかなる保証もありません。Recallix を"
         u"ご利用いただきありがとうございます。"},
    Text{eUiText::WebAddress, u"https://www.vorlen.com/recallix/"},
    Text{eUiText::FileTypeName, u"Recallix カード ファイル"},
    Text{eUiText::FileDialogTitle, u"カード ファイルの読み込み"},
    Text{eUiText::AccentsHelp,
         u"アクセント付きの文字は、文字に続けて : / \\ のいずれかを入力すると入力できます。"
         u"組み合わせは次のとおりです:"},
    Text{eUiText::WrongAnswer, u"不正解です。正解は次のとおりです:"},
    Text{eUiText::LoadSucceeded, u"カード ファイルを読み込みました。"},
    Text{eUiText::LoadFailed, u"読み込みがキャンセルされたか、完了しませんでした。"},
    Text{eUiText::RestartQuestion,
         u"変更を反映するには Recallix を再起動する必要があります。今すぐ再起動しますか?"},
    Text{eUiText::SettingsNotStored,
         u"設定を保存できません。変更は Recallix を終了するまで保持されます。"},
    Text{eUiText::VocabularyListsName, u"単語リスト"},
    Text{eUiText::AllFilesName, u"すべてのファイル"},
    Text{eUiText::LoadProgress, u"カード ファイルを読み込んでいます: %i %。Esc キーで中止します。"},
    Text{eUiText::CueFileNotLoaded, u"次のカード ファイルを読み込めません:"},
    Text{eUiText::FileMissing, u"ファイルが存在しません。"},
    Text{eUiText::FileIsFolder, u"これはフォルダーで、ファイルではありません。"},
    Text{eUiText::FileUnreadable, u"このファイルを読み取る権限がありません。"},
    Text{eUiText::FileNotRegular, u"通常のファイルではありません (デバイスやパイプなど)。"},
    Text{eUiText::FileReadError, u"ファイルを最後まで読み取れませんでした。"},
    Text{eUiText::FileNotWellFormed, u"このファイルは整形式の XML 文書ではありません。"},
    Text{eUiText::FileNotVocabularyDocument,
         u"このファイルは XML ですが、KVTML バージョン 2 の単語リストではありません。"},
    Text{eUiText::FileOpenQuote,
         u"このリストには、二重引用符が閉じられていないフィールドがあります。"},
    Text{eUiText::FileTextAfterQuote,
         u"このリストには、閉じる二重引用符の後に文字が続くフィールドがあります。"},
    Text{eUiText::HistoryUnavailable,
         u"学習履歴を現在使用できません。Recallix を再起動するまで履歴は保存されません。"},
    Text{eUiText::HistorySetAside,
         u"学習履歴のファイルが壊れていたため、別名で保管し、新しい履歴を開始しました。"},
    Text{eUiText::HistoryDeferred,
         u"学習履歴に現在書き込めません (他のプログラムが使用中の可能性があります)。終了した"
         u"学習は保持され、書き込めるようになりしだい保存されます。"},
    Text{eUiText::CardsDueToday, u"今日が期限のカード: %i 枚"},
    Text{eUiText::OneCardDueToday, u"今日が期限のカード: 1 枚"},
};

constexpr bool ById(const Text& a, const Text& b) {
    return a.id < b.id;
}

static_assert(std::is_sorted(kEnglishTexts.begin(), kEnglishTexts.end(), ById));
static_assert(std::is_sorted(kJapaneseTexts.begin(), kJapaneseTexts.end(), ById));

template <size_t N>
std::u16string Find(const std::array<Text, N>& table, uint32_t id) {
    const auto it = std::lower_bound(table.begin(), table.end(), Text{eUiText(id), {}}, ById);
    if (it == table.end() || static_cast<uint32_t>(it->id) != id) {
        return {};
    }
    return std::u16string(it->text);
}

}  // namespace

std::u16string LoadTranslatedUiString(uint32_t id) {
    // Only the exact Japanese locale gets Japanese; every other locale reads English.
    if (GetThreadLocale() == kLocaleJapanese) {
        return Find(kJapaneseTexts, id);
    }
    return Find(kEnglishTexts, id);
}
