# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# recallix_library(<name> <STATIC|SHARED|INTERFACE> [source...])
#
# The library of the folder that calls it. Its headers are included from the repository
# root ("engine/teacher.h"), but only by targets that link the library: each library gets
# an include folder of its own in the build tree, holding links to its folder's headers and
# nothing else. So an include that runs the wrong way, to a library that is not linked,
# fails to build.
function(recallix_library name type)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(include_root ${PROJECT_BINARY_DIR}/include/${name})
  file(REMOVE_RECURSE ${include_root})
  file(MAKE_DIRECTORY ${include_root}/${folder})
  file(GLOB headers RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(header IN LISTS headers)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${include_root}/${folder}/${header}
         SYMBOLIC)
  endforeach()

  add_library(${name} ${type} ${ARGN})
  if(type STREQUAL "INTERFACE")
    target_include_directories(${name} INTERFACE ${include_root})
  else()
    target_include_directories(${name} PUBLIC ${include_root})
    target_link_libraries(${name} PRIVATE recallix_warnings)
  endif()
  # Where generated headers of the folder go (configure_file).
  set(RECALLIX_GENERATED_INCLUDE_DIR ${include_root}/${folder} PARENT_SCOPE)
endfunction()
