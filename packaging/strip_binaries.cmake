# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
#
# Run by CPack on the staged files before it packs them, as Debian's own packaging strips:
# the debug information of the program and its libraries is kept beside the package, in
# debug/.build-id/XX/REST.debug where gdb finds it (set debug-file-directory to the folder
# debug/), and the packed files are stripped of it, of unneeded symbols and of the
# compiler's .comment and .note sections.
find_program(recallix_objcopy NAMES objcopy REQUIRED)
find_program(recallix_readelf NAMES readelf REQUIRED)
if(NOT CPACK_PACKAGE_DIRECTORY OR NOT CPACK_TEMPORARY_INSTALL_DIRECTORY)
  message(FATAL_ERROR "strip_binaries.cmake runs from CPack only")
endif()
set(debug_root "${CPACK_PACKAGE_DIRECTORY}/debug/.build-id")
file(REMOVE_RECURSE "${debug_root}")  # only this package's files, not older builds'

function(recallix_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}: ${output}")
  endif()
  set(recallix_output "${output}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")  # not ELF
    continue()
  endif()
  recallix_run(env LC_ALL=C ${recallix_readelf} -n "${file}")
  if(NOT recallix_output MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${file} has no build id to name its debug file by")
  endif()
  set(debug_file "${debug_root}/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug")
  get_filename_component(debug_dir "${debug_file}" DIRECTORY)
  file(MAKE_DIRECTORY "${debug_dir}")
  recallix_run(${recallix_objcopy} --only-keep-debug "${file}" "${debug_file}")
  recallix_run(${recallix_objcopy} --strip-unneeded --remove-section=.comment
               --remove-section=.note "--add-gnu-debuglink=${debug_file}" "${file}")
endforeach()
