# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
if(TARGET recallix_app)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  # The window's own speed: a refresh after an answer, and idle processor time.
  add_executable(window_bench window_bench.cpp cue_file_generator.cpp)
  target_link_libraries(window_bench PRIVATE recallix_app recallix_cuefiles recallix_text
    recallix_warnings benchmark::benchmark)

  # Start-up of the program against a program that shows one empty window.
  add_executable(startup_recallix startup_recallix.cpp)
  target_link_libraries(startup_recallix PRIVATE recallix_app recallix_warnings)
  add_executable(startup_minimal startup_minimal.cpp)
  target_link_libraries(startup_minimal PRIVATE recallix_warnings Qt6::Widgets)
  # ... and against one whose window shows a line of text, which pays for the fonts too.
  add_executable(startup_label startup_label.cpp)
  target_link_libraries(startup_label PRIVATE recallix_warnings Qt6::Widgets)
endif()
