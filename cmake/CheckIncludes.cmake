# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# Run at every build (cmake -P, with SOURCE_DIR set): a source that includes a header by a
# path that climbs out of its folder ("../engine/teacher.h") would slip past the include
# folders that keep each library to what it links, so it fails the build instead.
foreach(folder text locale posix lexitra accents cuefiles engine i18n platform app tests bench
               fuzz)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} climbing REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]\\.\\./")
    if(climbing)
      file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
      message(FATAL_ERROR "${name}: ${climbing}\n"
                          "Include headers from the repository root (\"engine/teacher.h\").")
    endif()
  endforeach()
endforeach()
