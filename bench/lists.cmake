# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
recallix_add_bench(list_file_bench list_file_bench.cpp cue_file_generator.cpp
  LINK recallix_engine recallix_cuefiles recallix_text)
