#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "app/resources/control_ids.h"
#include "app/resources/form_template.h"

namespace {

const sFormItem& ItemById(const sFormTemplate& form, int id) {
    const auto it = std::find_if(form.items.begin(), form.items.end(),
                                 [id](const sFormItem& item) { return item.id == id; });
    EXPECT_NE(it, form.items.end()) << "no item " << id;
    return *it;
}

const sFormItem& LabelAt(const sFormTemplate& form, int y, int x) {
    const auto it = std::find_if(form.items.begin(), form.items.end(), [=](const sFormItem& item) {
        return item.id == kIdStatic && item.y == y && item.x == x;
    });
    EXPECT_NE(it, form.items.end()) << "no label at " << x << ", " << y;
    return *it;
}

}  // namespace

TEST(FormTemplateTest, EveryLayoutHasTheControlsInTabOrderAndSevenLabels) {
    using enum eFormItemKind;
    const std::pair<int, eFormItemKind> controls[] = {
        {kIdCue, ReadOnlyEdit},       {kIdAnswer, Edit},           {kIdProgress, ProgressBar},
        {kIdTotalCues, ReadOnlyEdit}, {kIdCuesLeft, ReadOnlyEdit}, {kIdClear, PushButton},
        {kIdRestart, PushButton},     {kIdLoad, PushButton},       {kIdNext, DefaultPushButton},
        {kIdIgnore, PushButton},      {kIdClose, PushButton},      {kIdFileList, ListView},
        {kIdTime, ReadOnlyEdit},      {kIdFastest, ReadOnlyEdit},
    };
    for (bool japanese : {false, true}) {
        for (int id = kIdFormTemplateFirst; id < kIdFormTemplateFirst + 3; ++id) {
            SCOPED_TRACE(testing::Message() << id << (japanese ? " Japanese" : " English"));
            const sFormTemplate* form = FindFormTemplate(id, japanese);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->id, id);
            size_t next = 0;
            int labels = 0;
            for (const sFormItem& item : form->items) {
                if (item.id == kIdStatic) {
                    EXPECT_EQ(item.kind, Label);
                    EXPECT_FALSE(item.text.isEmpty());
                    ++labels;
                    continue;
                }
                ASSERT_LT(next, std::size(controls));
                EXPECT_EQ(item.id, controls[next].first);
                EXPECT_EQ(item.kind, controls[next].second);
                ++next;
            }
            EXPECT_EQ(next, std::size(controls));
            EXPECT_EQ(labels, 7);
            for (const sFormItem& item : form->items)
                EXPECT_LE(item.y + item.height, form->height);
        }
    }
}

TEST(FormTemplateTest, FontsAndLanguagesDifferWhereTheLayoutsSaySo) {
    const sFormTemplate& normal = *FindFormTemplate(10000, false);
    const sFormTemplate& verdana = *FindFormTemplate(10001, false);
    const sFormTemplate& tahoma = *FindFormTemplate(10002, false);
    EXPECT_EQ(normal.fontFamily, "MS Shell Dlg");
    EXPECT_EQ(tahoma.pointSize, 16);
    EXPECT_EQ(ItemById(normal, kIdCue).x, 50);
    EXPECT_EQ(ItemById(tahoma, kIdCue).x, 45);
    EXPECT_EQ(ItemById(verdana, kIdCue).width, 295);
    EXPECT_EQ(ItemById(verdana, kIdNext).x, 185);
    EXPECT_EQ(ItemById(normal, kIdClear).text, "&Clear");
    EXPECT_EQ(LabelAt(normal, 5, 5).text, "Cue:");
    EXPECT_EQ(LabelAt(tahoma, 65, 270).height, 15);

    for (int id = 10000; id <= 10002; ++id) {
        const sFormTemplate& japanese = *FindFormTemplate(id, true);
        EXPECT_EQ(japanese.width, id == 10000 ? 407 : 351);
        EXPECT_EQ(japanese.fontFamily, FindFormTemplate(id, false)->fontFamily);
        EXPECT_EQ(ItemById(japanese, kIdNext).x, 240);
        EXPECT_EQ(ItemById(japanese, kIdFastest).x, 355);
        EXPECT_EQ(ItemById(japanese, kIdClose).text, "閉じる(&C)");
        EXPECT_EQ(LabelAt(japanese, 65, 105).text, "残りの単語数");
    }
}

TEST(FormTemplateTest, UnknownIdsHaveNoLayout) {
    EXPECT_EQ(FindFormTemplate(9999, false), nullptr);
    EXPECT_EQ(FindFormTemplate(10003, true), nullptr);
    EXPECT_EQ(FindFormTemplate(10000, false), FindFormTemplate(10000, false));
}
