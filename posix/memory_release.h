// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#pragma once

// Hands memory that the program has freed back to the system. The allocator keeps freed
// blocks for reuse, so after a large working set is cleared the program would otherwise
// go on holding all the memory it ever needed.
void ReturnFreedMemoryToSystem();
