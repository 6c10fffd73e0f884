# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
# `cmake --install` puts the simulator, every tool of tools/ and the launcher of
# the desktop menu in games/ (where Debian keeps the programs of its games
# section), the demonstration in share/mirobelt/, the desktop entry, icons,
# AppStream metainfo and compressed man pages where desktops look for them, and
# the licence and change log of the package in share/doc/mirobelt/.
# Every rule belongs to the component "Runtime", and the package is made of that
# component only: tests, benchmarks, fuzzers and the static libraries never go in.

include(GNUInstallDirs)

set(MIROBELT_VERSION 1.0)               # the About box shows the same version and date
set(MIROBELT_RELEASE_DATE 2026-12-06)
set(MIROBELT_APP_ID io.github.mirobelt.Mirobelt)
# Revision of the Debian package of this version: the package is not a native
# one, so that its change log is changelog.Debian.gz.
set(MIROBELT_PACKAGE_RELEASE 1)
set(MIROBELT_PACKAGE_MAINTAINER "Projet Mirobelt <mirobelt@example.org>"
    CACHE STRING "Maintainer field of the Debian package and its change log (Name <address>)")
set(MIROBELT_INSTALL_BINDIR games CACHE STRING "Folder of the programs, under the installation prefix")

set(install_sources ${CMAKE_SOURCE_DIR}/data/install)

# The programs: the simulator and one tool per tools/*.cpp.
set(installed_programs)
if(TARGET mirobelt)
  list(APPEND installed_programs mirobelt)
endif()
file(GLOB tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
foreach(tool_source ${tool_sources})
  get_filename_component(tool_name ${tool_source} NAME_WE)
  if(TARGET ${tool_name})
    list(APPEND installed_programs ${tool_name})
  endif()
endforeach()
install(TARGETS ${installed_programs} RUNTIME DESTINATION ${MIROBELT_INSTALL_BINDIR} COMPONENT Runtime)

# A man page is installed compressed, as Debian wants it: gzip -9n (no name or
# date in the header, so the same page gives the same bytes).
function(mirobelt_install_man_page page)
  get_filename_component(name ${page} NAME)
  set(copy ${CMAKE_BINARY_DIR}/man/${name})
  add_custom_command(OUTPUT ${copy}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${page} ${copy}
                     COMMAND gzip -9nf ${copy}
                     DEPENDS ${page} VERBATIM)
  add_custom_target(man-${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Runtime)
endfunction()

set(metainfo_binaries "")
foreach(program ${installed_programs})
  set(page ${CMAKE_SOURCE_DIR}/docs/man/${program}.1)
  if(EXISTS ${page})
    mirobelt_install_man_page(${page})
  else()
    message(WARNING "${program} is installed without a man page: write docs/man/${program}.1")
  endif()
  string(APPEND metainfo_binaries "    <binary>${program}</binary>\n")
endforeach()

if(TARGET mirobelt)
  # The launcher finds the program beside itself and the demonstration through
  # the path from bin/ to share/mirobelt/, so the installed tree can be moved.
  file(RELATIVE_PATH MIROBELT_BIN_TO_DATA ${CMAKE_INSTALL_PREFIX}/${MIROBELT_INSTALL_BINDIR}
       ${CMAKE_INSTALL_FULL_DATADIR}/mirobelt)
  configure_file(${CMAKE_SOURCE_DIR}/tools/mirobelt-launcher.in ${CMAKE_BINARY_DIR}/mirobelt-launcher @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/mirobelt-launcher DESTINATION ${MIROBELT_INSTALL_BINDIR} COMPONENT Runtime)
  mirobelt_install_man_page(${CMAKE_SOURCE_DIR}/docs/man/mirobelt-launcher.1)
  install(FILES ${CMAKE_SOURCE_DIR}/data/demo.se2 DESTINATION ${CMAKE_INSTALL_DATADIR}/mirobelt COMPONENT Runtime)

  install(FILES ${install_sources}/${MIROBELT_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Runtime)
  install(FILES ${install_sources}/${MIROBELT_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Runtime)
  foreach(side 48 128 256)
    install(FILES ${install_sources}/icon-${side}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps
            RENAME ${MIROBELT_APP_ID}.png COMPONENT Runtime)
  endforeach()

  set(MIROBELT_METAINFO_BINARIES "${metainfo_binaries}")
  configure_file(${install_sources}/${MIROBELT_APP_ID}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/${MIROBELT_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/${MIROBELT_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Runtime)

  # The package's licence (machine-readable) and change log, under its own name.
  configure_file(${install_sources}/debian/copyright ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
  execute_process(COMMAND date -R -u -d "${MIROBELT_RELEASE_DATE} 12:00"
                  OUTPUT_VARIABLE MIROBELT_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  configure_file(${install_sources}/debian/changelog ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
  execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/debian/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/mirobelt COMPONENT Runtime)

  add_test(NAME launcher
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/launcher-test ${CMAKE_BINARY_DIR}/mirobelt-launcher)
endif()

# `make package`: build/mirobelt_<version>-<revision>_<arch>.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Runtime;/")
set(CPACK_PACKAGE_NAME mirobelt)
set(CPACK_PACKAGE_VERSION ${MIROBELT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${MIROBELT_PACKAGE_RELEASE})
set(CPACK_PACKAGE_VENDOR "Projet Mirobelt")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MIROBELT_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)   # the Qt 6 libraries, found by dpkg-shlibdeps
# Qt only recommends its platform plugins, but the window cannot open without them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's file and print dialogs in French; without it they are in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulateur de billard français (carambole)")
set(CPACK_PACKAGE_DESCRIPTION
    "Mirobelt simule le billard français à trois billes : on place la blanche,\n\
la rouge et la pointée, on vise, on choisit l'effet, la force et\n\
l'inclinaison de la queue, et un modèle physique calcule et anime le coup.\n\
French carom billiards simulator: place the balls, aim, choose spin, force\n\
and cue raise; a physical model computes and animates the shot.\n\
Le paquet contient aussi mirobelt-shot et les autres outils en ligne de\n\
commande, qui calculent un coup sans fenêtre.")
include(CPack)
