# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# The memory schedule: grading an answer, and the due count of a large working set.
recallix_add_bench(memory_schedule_bench memory_schedule_bench.cpp LINK recallix_engine)
