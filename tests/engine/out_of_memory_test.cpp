// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// Running out of memory while a cue file is read. This binary replaces the global
// operator new so a test can make the n-th allocation fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/support/teacher_fixture.h"

// The replacements below pair malloc with free; the compiler cannot see that they replace
// both sides.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
long g_allocationsUntilFailure = -1;  // negative: never fail
}

// The allocation that takes the count from 0 to -1 fails.
void* operator new(std::size_t size) {
    const bool fail = g_allocationsUntilFailure >= 0 && g_allocationsUntilFailure-- == 0;
    void* memory = fail ? nullptr : std::malloc(size == 0 ? 1 : size);
    return memory != nullptr ? memory : throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

using OutOfMemoryTest = TeacherTest;

TEST_F(OutOfMemoryTest, ReadingStopsKeepsTheCardsReadSoFarAndListsNoFile) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "a fairly long cue number " + std::to_string(i) +
                " = an answer long enough to need memory " + std::to_string(i) + "\n";
    }
    const std::u16string big = dir.Write("big.recallix", text);
    // Cards take few allocations of their own, so the failure is moved on until it
    // strikes part way through the file.
    bool failedPartWay = false;
    for (long allocations = 0; allocations < 1000 && !failedPartWay; ++allocations) {
        teacher.Clear();
        ASSERT_TRUE(teacher.LoadCueFile(big, false));
        g_allocationsUntilFailure = allocations;
        bool loaded = false;
        try {
            loaded = teacher.LoadCueFile(big, false);
        } catch (const std::bad_alloc&) {
            // Opening the file ran out of memory: nothing was read.
        }
        g_allocationsUntilFailure = -1;
        failedPartWay = !loaded && teacher.GetTotalCues() > 200;
        if (!loaded) {
            EXPECT_EQ(teacher.GetLoadedFileCount(), 1);
            EXPECT_LT(teacher.GetTotalCues(), 400);
        }
    }
    EXPECT_TRUE(failedPartWay);
}
