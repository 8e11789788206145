#pragma once

// Shown in the About box as "<product> <version>" followed by the maker line.
inline constexpr char16_t kProductName[] = u"Recallix";
inline constexpr char16_t kVersionText[] = u"4.32";
inline constexpr char16_t kMakerLine[] = u"© 2026 Vorlen. All rights reserved.";
