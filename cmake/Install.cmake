# Installation into a freedesktop.org layout: the programs, the launcher, the AppStream data,
# the document type and the icons. Included from the top CMakeLists.txt once the targets exist.

include(GNUInstallDirs)

set(_vistrelle_linux_dir ${PROJECT_SOURCE_DIR}/dist/linux)
set(_vistrelle_icons_dir ${PROJECT_SOURCE_DIR}/resources/icons)
set(_vistrelle_icon_sizes 16 24 32 48 64 128 256 512)

install(TARGETS vistrelle vistrelle-cli vistrelle-player RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The player's user unit (inactive until a user enables it) and an autostart entry to copy into
# ~/.config/autostart on a desktop session without the unit: installed into /etc/xdg/autostart it would start
# the player for every user of every machine with the editor.
set(VISTRELLE_PLAYER_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}/vistrelle-player)
configure_file(${_vistrelle_linux_dir}/vistrelle-player.service.in ${PROJECT_BINARY_DIR}/dist/vistrelle-player.service
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dist/vistrelle-player.service DESTINATION lib/systemd/user)
install(FILES ${_vistrelle_linux_dir}/com.quendrix.VistrellePlayer.autostart.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vistrelle-player
        RENAME com.quendrix.VistrellePlayer.desktop)
# The preview's videos and web pages: a plugin the editor looks for in ../lib/vistrelle beside its program
# (the program's own folder in a build tree). A private folder of ours, not the system's library folder.
install(TARGETS vistrelle_live_media LIBRARY DESTINATION lib/vistrelle)

install(FILES ${_vistrelle_linux_dir}/com.quendrix.Vistrelle.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_vistrelle_linux_dir}/com.quendrix.Vistrelle.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# update-mime-database reads every *.xml in packages/; the name says whose package it is.
install(FILES ${_vistrelle_linux_dir}/com.quendrix.Vistrelle.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME com.quendrix.Vistrelle.xml)

install(FILES ${_vistrelle_icons_dir}/com.quendrix.Vistrelle.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${_vistrelle_icons_dir}/application-x-vistrelle.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
foreach(_size IN LISTS _vistrelle_icon_sizes)
  set(_dir hicolor/${_size}x${_size})
  install(FILES ${_vistrelle_icons_dir}/${_dir}/apps/com.quendrix.Vistrelle.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/${_dir}/apps)
  install(FILES ${_vistrelle_icons_dir}/${_dir}/mimetypes/application-x-vistrelle.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/${_dir}/mimetypes)
endforeach()

# The README: its section on setting up a display computer is what the Help menu opens.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vistrelle)
install(FILES ${PROJECT_SOURCE_DIR}/resources/symbols/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vistrelle
        RENAME symbols-LICENSE)

# Refresh the desktop's caches so the document type, its icon and "Open with" work at once.
# Only for a direct install: with DESTDIR the files are being staged for a package, whose own
# scripts run these tools on the target system. A missing tool never fails the install.
# The data directory is resolved when installing, so `cmake --install --prefix` is honoured.
if(IS_ABSOLUTE "${CMAKE_INSTALL_DATADIR}")
  set(_vistrelle_install_datadir "${CMAKE_INSTALL_DATADIR}")
else()
  set(_vistrelle_install_datadir "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}")
endif()

install(CODE "set(_vistrelle_datadir \"${_vistrelle_install_datadir}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    foreach(_step
        "update-mime-database;${_vistrelle_datadir}/mime"
        "gtk-update-icon-cache;-q;-t;-f;${_vistrelle_datadir}/icons/hicolor"
        "update-desktop-database;-q;${_vistrelle_datadir}/applications")
      list(POP_FRONT _step _tool)
      unset(_program)
      find_program(_program ${_tool} NO_CACHE)
      if(_program)
        list(JOIN _step " " _shown)
        message(STATUS "Running: ${_tool} ${_shown}")
        execute_process(COMMAND ${_program} ${_step} RESULT_VARIABLE _result)
        if(NOT _result EQUAL 0)
          message(WARNING "${_tool} failed (${_result}); the desktop picks the files up on its next refresh")
        endif()
      else()
        message(STATUS "Skipping ${_tool}: not installed")
      endif()
    endforeach()
  endif()
]])
