# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
if(TARGET recallix_app)
  find_package(Qt6 REQUIRED COMPONENTS Sql)
  # The pass history with 10,000 passes: the History window, and the finishing answer.
  add_executable(history_bench history_bench.cpp cue_file_generator.cpp)
  target_link_libraries(history_bench PRIVATE recallix_app recallix_cuefiles recallix_text
    recallix_warnings benchmark::benchmark Qt6::Sql)
endif()
