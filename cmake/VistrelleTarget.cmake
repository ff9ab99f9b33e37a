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

# A library for one folder of src/: vistrelle_library(model SOURCES ... LINKS ...)
function(vistrelle_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(vistrelle_${name} STATIC ${ARG_SOURCES})
  add_library(vistrelle::${name} ALIAS vistrelle_${name})
  target_include_directories(vistrelle_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vistrelle_${name} PUBLIC ${ARG_LINKS})
  vistrelle_warnings(vistrelle_${name})
  vistrelle_qt_pch(vistrelle_${name})
endfunction()
