# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# The floor of a vocabulary document is libexpat's own parse of it.
find_package(ZLIB REQUIRED)
find_package(EXPAT REQUIRED)
recallix_add_bench(list_file_bench list_file_bench.cpp cue_file_generator.cpp dictionary_deck.cpp
  LINK recallix_engine recallix_cuefiles recallix_text ZLIB::ZLIB EXPAT::EXPAT)
