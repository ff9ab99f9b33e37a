# Shared settings for every target of the project.

option(VISTRELLE_WARNINGS_AS_ERRORS "Fail the build on any warning in our own code" OFF)

function(vistrelle_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VISTRELLE_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# The Qt headers every library leans on, compiled once per target.
function(vistrelle_qt_pch target)
  target_precompile_headers(${target} PRIVATE
    <QtCore/QByteArray>
    <QtCore/QDateTime>
    <QtCore/QList>
    <QtCore/QMap>
    <QtCore/QString>
    <QtCore/QUuid>
    <optional>
    <functional>)
endfunction()

# A library for one folder of src/:
#   vistrelle_library(render FOLDER render SOURCES ... USES ... LINKS ...)
# USES are what the library's own headers include (passed on to whoever links it), LINKS what only its sources
# need. Each library shows its users its own folder and nothing else: the folder is reached through a link in the
# build tree, so `#include "editor/editor_window.h"` does not compile in a target that has no business with the
# editor, and a layer can only include what it links.
function(vistrelle_library name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES;USES;LINKS" ${ARGN})
  if(NOT ARG_FOLDER)
    set(ARG_FOLDER ${name})
  endif()
  add_library(vistrelle_${name} STATIC ${ARG_SOURCES})
  add_library(vistrelle::${name} ALIAS vistrelle_${name})
  vistrelle_folder_view(vistrelle_${name}_headers ${ARG_FOLDER} view)
  target_include_directories(vistrelle_${name} PUBLIC ${view})
  target_link_libraries(vistrelle_${name} PUBLIC ${ARG_USES} PRIVATE ${ARG_LINKS})
  vistrelle_warnings(vistrelle_${name})
  vistrelle_qt_pch(vistrelle_${name})
endfunction()

# A folder of the build tree in which `path` (a folder or file below src/) is the only thing reachable, under the
# same relative path. Its location is stored in `out`.
function(vistrelle_folder_view view_name path out)
  set(root ${CMAKE_BINARY_DIR}/include/${view_name})
  get_filename_component(parent ${root}/${path} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${path})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${path} ${root}/${path} SYMBOLIC)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()
