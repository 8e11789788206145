# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
#
# Run by CPack on the staged files before it packs them: removes the .comment and .note
# sections (compiler versions) from the program and its libraries. The debug symbols are
# split off afterwards.
find_program(recallix_objcopy NAMES objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")  # ELF
    execute_process(
      COMMAND ${recallix_objcopy} --remove-section=.comment --remove-section=.note "${file}"
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "objcopy could not clean ${file}")
    endif()
  endif()
endforeach()
