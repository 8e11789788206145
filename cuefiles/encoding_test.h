// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

#include <cstddef>
#include <span>

// How many bytes of text at the start of a file decide its encoding.
inline constexpr size_t kUnicodeSampleSize = 32;
// Raw bytes to read so that the sample is complete even if every pair is CR LF.
inline constexpr size_t kUnicodeProbeSize = 2 * kUnicodeSampleSize + 1;

// Statistical guess whether the bytes are UTF-16 little-endian text rather than 8-bit text.
bool IsUnicodeSample(std::span<const unsigned char> sample);

// The test on the raw start of a file (up to kUnicodeProbeSize bytes; fewer only when the
// file is shorter). The bytes are taken as 8-bit text is read (CR LF counts as one LF, a
// byte 0x1A ends the data); fewer than kUnicodeSampleSize bytes of that text mean 8-bit.
bool IsUnicodeFileStart(std::span<const unsigned char> head);
