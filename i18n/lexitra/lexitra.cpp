#include "i18n/lexitra/lexitra.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/thread_locale.h"

namespace {

struct Text {
    uint32_t id;
    std::u16string_view text;
};

constexpr uint32_t kJapaneseLocale = 1041;

// One table per language, sorted by id.
constexpr std::array kEnglishTexts{
    Text{40001, u"Recallix helps you learn words, phrases and facts with cue cards."},
    Text{40002, u"Free for personal and classroom use. Thank you for learning with Recallix!"},
    Text{40003, u"https://www.vorlen.com/recallix/"},
    Text{40004, u"Recallix cue files"},
    Text{40007, u"Load cue files"},
    Text{40008,
         u"To type an accented letter, type the letter followed by : / or \\ "
         u"as listed below:"},
    Text{40010, u"Wrong answer. The correct answer is:"},
    Text{40011, u"Cue files loaded."},
    Text{40012, u"Loading was cancelled or did not complete."},
    Text{40013, u"Recallix must restart for the change to take effect. Restart now?"},
    Text{40014, u"Your settings cannot be saved at the moment; changes are kept until Recallix ends."},
};

constexpr std::array kJapaneseTexts{
    Text{40001, u"Recallix は、カードを使って単語や語句、知識を覚えるための学習ソフトです。"},
    Text{40002,
         u"個人でも教室でも無料でお使いいただけます。Recallix をご利用いただき"
         u"ありがとうございます。"},
    Text{40003, u"https://www.vorlen.com/recallix/"},
    Text{40004, u"Recallix カード ファイル"},
    Text{40007, u"カード ファイルの読み込み"},
    Text{40008,
         u"アクセント付きの文字は、文字に続けて : / \\ のいずれかを入力すると入力できます。"
         u"組み合わせは次のとおりです:"},
    Text{40010, u"不正解です。正解は次のとおりです:"},
    Text{40011, u"カード ファイルを読み込みました。"},
    Text{40012, u"読み込みがキャンセルされたか、完了しませんでした。"},
    Text{40013, u"変更を反映するには Recallix を再起動する必要があります。今すぐ再起動しますか?"},
    Text{40014, u"設定を保存できません。変更は Recallix を終了するまで保持されます。"},
};

constexpr bool ById(const Text& a, const Text& b) {
    return a.id < b.id;
}

static_assert(std::is_sorted(kEnglishTexts.begin(), kEnglishTexts.end(), ById));
static_assert(std::is_sorted(kJapaneseTexts.begin(), kJapaneseTexts.end(), ById));

template <size_t N>
std::u16string Find(const std::array<Text, N>& table, uint32_t id) {
    const auto it = std::lower_bound(table.begin(), table.end(), Text{id, {}}, ById);
    if (it == table.end() || it->id != id) {
        return {};
    }
    return std::u16string(it->text);
}

}  // namespace

std::u16string LoadTranslatedUiString(uint32_t id) {
    // Only the exact Japanese locale gets Japanese; every other locale reads English.
    if (GetThreadLocale() == kJapaneseLocale) {
        return Find(kJapaneseTexts, id);
    }
    return Find(kEnglishTexts, id);
}
