# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
recallix_add_bench(engine_bench engine_bench.cpp LINK recallix_engine)
