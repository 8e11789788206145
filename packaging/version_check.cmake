# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
#
# recallix_check_version(file regex): the newest release named in FILE (the first match of
# REGEX, whose group is the version) must be the project's version, so the changelog and the
# software-centre metadata are not forgotten when the version goes up.
function(recallix_check_version file regex)
  file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/${file} lines REGEX "${regex}" LIMIT_COUNT 1)
  string(REGEX MATCH "${regex}" match "${lines}")
  if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/${file} names version '${CMAKE_MATCH_1}' last, "
                        "but the project is ${PROJECT_VERSION}: add the new release there")
  endif()
endfunction()
