// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "posix/memory_release.h"

#include <cstdlib>  // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void ReturnFreedMemoryToSystem() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}
