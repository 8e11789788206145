# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# The installed dictionary deck is read from its compressed data file.
find_package(ZLIB REQUIRED)
recallix_add_bench(cue_file_bench cue_file_bench.cpp cue_file_generator.cpp dictionary_deck.cpp
  LINK recallix_engine recallix_cuefiles recallix_text ZLIB::ZLIB)
