// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/resources/form_template.h"

#include <array>

#include "app/resources/control_ids.h"

namespace {

constexpr int kItemCount = 21;

// The items every layout has, in template order (which is also the tab order), with their
// texts in English and Japanese.
struct sItemDef {
    int id;
    eFormItemKind kind;
    const char16_t* english;
    const char16_t* japanese;
};

struct sItemRect {
    int x, y, width, height;
};

using tItemRects = std::array<sItemRect, kItemCount>;

constexpr std::array<sItemDef, kItemCount> kItems = {{
    {kIdCue, eFormItemKind::ReadOnlyEdit, u"", u""},
    {kIdAnswer, eFormItemKind::Edit, u"", u""},
    {kIdProgress, eFormItemKind::ProgressBar, u"", u""},
    {kIdTotalCues, eFormItemKind::ReadOnlyEdit, u"", u""},
    {kIdCuesLeft, eFormItemKind::ReadOnlyEdit, u"", u""},
    {kIdClear, eFormItemKind::PushButton, u"&Clear", u"削除(&C)"},
    {kIdRestart, eFormItemKind::PushButton, u"&Restart", u"やり直し(&R)"},
    {kIdLoad, eFormItemKind::PushButton, u"&Load", u"読み込み(&L)"},
    {kIdNext, eFormItemKind::DefaultPushButton, u"&Next", u"次(&N)"},
    {kIdIgnore, eFormItemKind::PushButton, u"&Ignore", u"非表示(&I)"},
    {kIdClose, eFormItemKind::PushButton, u"&Close", u"閉じる(&C)"},
    {kIdStatic, eFormItemKind::Label, u"Cue:", u"キュー"},
    {kIdStatic, eFormItemKind::Label, u"Answer:", u"回答"},
    {kIdStatic, eFormItemKind::Label, u"Progress:", u"プログレス"},
    {kIdStatic, eFormItemKind::Label, u"Total cues:", u"全単語数"},
    {kIdStatic, eFormItemKind::Label, u"Cues left:", u"残りの単語数"},
    {kIdFileList, eFormItemKind::ListView, u"", u""},
    {kIdStatic, eFormItemKind::Label, u"Time:", u"タイム"},
    {kIdTime, eFormItemKind::ReadOnlyEdit, u"", u""},
    {kIdStatic, eFormItemKind::Label, u"Fastest:", u"自己最短タイム"},
    {kIdFastest, eFormItemKind::ReadOnlyEdit, u"", u""},
}};

// Positions and sizes of the items above, in the same order, one array per arrangement.
constexpr tItemRects kEnglishNormalRects = {{
    {50, 5, 300, 14},    // Cue box
    {50, 25, 300, 14},   // Answer box
    {50, 45, 300, 14},   // progress bar
    {50, 65, 45, 14},    // Total cues box
    {140, 65, 45, 14},   // Cues left box
    {5, 195, 50, 14},    // Clear
    {60, 195, 50, 14},   // Restart
    {115, 195, 50, 14},  // Load
    {190, 195, 50, 14},  // Next
    {245, 195, 50, 14},  // Ignore
    {300, 195, 50, 14},  // Close
    {5, 5, 40, 14},      // "Cue:"
    {5, 25, 40, 14},     // "Answer:"
    {5, 45, 40, 14},     // "Progress:"
    {5, 65, 40, 14},     // "Total cues:"
    {100, 65, 35, 14},   // "Cues left:"
    {5, 85, 345, 105},   // file list
    {190, 65, 25, 14},   // "Time:"
    {220, 65, 45, 14},   // Time box
    {270, 65, 30, 14},   // "Fastest:"
    {305, 65, 45, 14},   // Fastest box
}};

constexpr tItemRects kEnglishVerdanaRects = {{
    {50, 5, 295, 14},    // Cue box
    {50, 25, 295, 14},   // Answer box
    {50, 45, 295, 14},   // progress bar
    {50, 65, 40, 14},    // Total cues box
    {135, 65, 45, 14},   // Cues left box
    {5, 195, 50, 14},    // Clear
    {60, 195, 50, 14},   // Restart
    {115, 195, 50, 14},  // Load
    {185, 195, 50, 14},  // Next
    {240, 195, 50, 14},  // Ignore
    {295, 195, 50, 14},  // Close
    {5, 5, 40, 14},      // "Cue:"
    {5, 25, 40, 14},     // "Answer:"
    {5, 45, 40, 14},     // "Progress:"
    {5, 65, 40, 14},     // "Total cues:"
    {95, 65, 35, 14},    // "Cues left:"
    {7, 84, 340, 98},    // file list
    {190, 65, 20, 14},   // "Time:"
    {215, 65, 45, 14},   // Time box
    {265, 65, 30, 14},   // "Fastest:"
    {300, 65, 45, 14},   // Fastest box
}};

constexpr tItemRects kEnglishTahomaRects = {{
    {45, 5, 300, 14},    // Cue box
    {45, 25, 300, 14},   // Answer box
    {45, 45, 300, 14},   // progress bar
    {45, 65, 45, 14},    // Total cues box
    {135, 65, 45, 14},   // Cues left box
    {5, 195, 50, 14},    // Clear
    {60, 195, 50, 14},   // Restart
    {115, 195, 50, 14},  // Load
    {185, 195, 50, 14},  // Next
    {240, 195, 50, 14},  // Ignore
    {295, 195, 50, 14},  // Close
    {5, 5, 35, 14},      // "Cue:"
    {5, 25, 35, 14},     // "Answer:"
    {5, 45, 35, 14},     // "Progress:"
    {5, 65, 35, 14},     // "Total cues:"
    {95, 65, 35, 14},    // "Cues left:"
    {7, 85, 340, 97},    // file list
    {190, 65, 20, 14},   // "Time:"
    {215, 65, 45, 14},   // Time box
    {270, 65, 25, 15},   // "Fastest:"
    {300, 65, 45, 14},   // Fastest box
}};

// The Japanese texts are longer, so all three Japanese layouts share one wider arrangement.
constexpr tItemRects kJapaneseRects = {{
    {50, 5, 350, 14},    // Cue box
    {50, 25, 350, 14},   // Answer box
    {50, 45, 350, 14},   // progress bar
    {50, 65, 45, 14},    // Total cues box
    {160, 65, 45, 14},   // Cues left box
    {5, 195, 50, 14},    // Clear
    {60, 195, 50, 14},   // Restart
    {115, 195, 50, 14},  // Load
    {240, 195, 50, 14},  // Next
    {295, 195, 50, 14},  // Ignore
    {350, 195, 50, 14},  // Close
    {5, 5, 40, 14},      // "Cue:"
    {5, 25, 40, 14},     // "Answer:"
    {5, 45, 40, 14},     // "Progress:"
    {5, 65, 40, 14},     // "Total cues:"
    {105, 65, 50, 14},   // "Cues left:"
    {5, 85, 395, 105},   // file list
    {210, 65, 25, 14},   // "Time:"
    {240, 65, 45, 14},   // Time box
    {290, 65, 60, 14},   // "Fastest:"
    {355, 65, 45, 14},   // Fastest box
}};

struct sLayoutDef {
    int id;
    bool japanese;
    const char16_t* fontFamily;
    int pointSize;
    int width, height;
    const tItemRects* rects;
};

constexpr int kNormalId = kIdFormTemplateFirst, kVerdanaId = kIdFormTemplateFirst + 1,
              kTahomaId = kIdFormTemplateFirst + 2;

constexpr std::array<sLayoutDef, 6> kLayouts = {{
    {kNormalId, false, u"MS Shell Dlg", 10, 357, 216, &kEnglishNormalRects},
    {kVerdanaId, false, u"Verdana", 12, 351, 216, &kEnglishVerdanaRects},
    {kTahomaId, false, u"Tahoma", 16, 351, 216, &kEnglishTahomaRects},
    {kNormalId, true, u"MS Shell Dlg", 10, 407, 216, &kJapaneseRects},
    {kVerdanaId, true, u"Verdana", 12, 351, 216, &kJapaneseRects},
    {kTahomaId, true, u"Tahoma", 16, 351, 216, &kJapaneseRects},
}};

sFormTemplate BuildTemplate(const sLayoutDef& layout) {
    sFormTemplate form;
    form.id = layout.id;
    form.fontFamily = QString::fromUtf16(layout.fontFamily);
    form.pointSize = layout.pointSize;
    form.width = layout.width;
    form.height = layout.height;
    form.items.reserve(kItemCount);
    for (int i = 0; i < kItemCount; ++i) {
        const sItemRect& rect = (*layout.rects)[i];
        const sItemDef& item = kItems[i];
        const char16_t* text = layout.japanese ? item.japanese : item.english;
        form.items.push_back({item.id, item.kind, QString::fromUtf16(text), rect.x, rect.y,
                              rect.width, rect.height});
    }
    return form;
}

const std::array<sFormTemplate, kLayouts.size()>& AllTemplates() {
    static const auto templates = [] {
        std::array<sFormTemplate, kLayouts.size()> built;
        for (size_t i = 0; i < kLayouts.size(); ++i)
            built[i] = BuildTemplate(kLayouts[i]);
        return built;
    }();
    return templates;
}

}  // namespace

const sFormTemplate* FindFormTemplate(int templateId, bool japanese) {
    const auto& templates = AllTemplates();
    for (size_t i = 0; i < kLayouts.size(); ++i) {
        if (kLayouts[i].id == templateId && kLayouts[i].japanese == japanese)
            return &templates[i];
    }
    return nullptr;
}
