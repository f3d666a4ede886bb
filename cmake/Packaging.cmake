# Installation for desktop users and the Debian package.
#
# Layout below the prefix (defaults):
#   lib/padwrightrx/                 PadwrightRx, padwright-cli, the sibling
#                                    programs, OstrellaPro.pdf
#   bin/padwrightrx                  -> ../lib/padwrightrx/PadwrightRx
#   bin/padwright-cli                -> ../lib/padwrightrx/padwright-cli
#   share/applications/padwrightrx.desktop
#   share/icons/hicolor/*/apps/padwrightrx.{png,svg}
#   share/mime/packages/padwrightrx.xml
#   share/metainfo/io.github.padwrightrx.metainfo.xml
#   share/man/man1/padwrightrx.1, padwright-cli.1
#   (the samples go into the program folder: lib/padwrightrx/samples)
#
# `cpack` (in the build folder) makes the .deb; scripts/check-deb.sh installs
# it on a fresh Debian 12 tree and starts the editor there.

set(PADWRIGHT_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# --- Launchers --------------------------------------------------------------
# Symbolic links, not copies: the editor and padwright-cli resolve their own
# executable through the link and so still find the program folder. The links
# are relative whenever both folders are, so a moved prefix keeps working.
if(IS_ABSOLUTE "${PADWRIGHT_INSTALL_PROGRAMDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(_padwright_link_base "${CMAKE_INSTALL_PREFIX}/${PADWRIGHT_INSTALL_PROGRAMDIR}")
  if(IS_ABSOLUTE "${PADWRIGHT_INSTALL_PROGRAMDIR}")
    set(_padwright_link_base "${PADWRIGHT_INSTALL_PROGRAMDIR}")
  endif()
else()
  file(RELATIVE_PATH _padwright_link_base
    "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${PADWRIGHT_INSTALL_PROGRAMDIR}")
endif()

# Each entry is "launcher=program file name".
set(PADWRIGHT_LAUNCHERS "")
function(padwright_add_launcher name target)
  # Programs installed straight into the binary folder need no launcher.
  if(NOT TARGET ${target} OR PADWRIGHT_INSTALL_PROGRAMDIR STREQUAL CMAKE_INSTALL_BINDIR)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/launchers)
  file(MAKE_DIRECTORY ${dir})
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  file(CREATE_LINK "${_padwright_link_base}/${output_name}${CMAKE_EXECUTABLE_SUFFIX}" "${dir}/${name}" SYMBOLIC)
  install(FILES "${dir}/${name}" DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(PADWRIGHT_LAUNCHERS ${PADWRIGHT_LAUNCHERS} "${name}=${output_name}${CMAKE_EXECUTABLE_SUFFIX}" PARENT_SCOPE)
endfunction()

if(UNIX AND NOT APPLE)
  padwright_add_launcher(padwrightrx PadwrightRx)
  padwright_add_launcher(padwright-cli padwright-cli)

  # --- Desktop entry, file type and icon ------------------------------------
  install(FILES ${PADWRIGHT_PACKAGING_DIR}/padwrightrx.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PADWRIGHT_PACKAGING_DIR}/padwrightrx-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME padwrightrx.xml)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PADWRIGHT_PACKAGING_DIR}/icons/padwrightrx-${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME padwrightrx.png)
  endforeach()
  install(FILES ${PADWRIGHT_PACKAGING_DIR}/icons/padwrightrx.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # --- Software centres and manual pages ------------------------------------
  install(FILES ${PADWRIGHT_PACKAGING_DIR}/io.github.padwrightrx.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PADWRIGHT_PACKAGING_DIR}/man/padwrightrx.1 ${PADWRIGHT_PACKAGING_DIR}/man/padwright-cli.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# --- Debian package ----------------------------------------------------------
set(PADWRIGHT_PACKAGE_MAINTAINER "PadwrightRx developers <padwrightrx@example.org>" CACHE STRING
  "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME padwrightrx)
set(CPACK_PACKAGE_VENDOR "PadwrightRx developers")
set(CPACK_PACKAGE_CONTACT "${PADWRIGHT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Ostrella Rx programmable keypad definitions")
set(CPACK_PACKAGE_DESCRIPTION
  "PadwrightRx builds the key macros of the Ostrella Rx programmable keypads
(20-key and 12-key models, with or without LCD and card-reader port): for
every key one macro on each of two levels, made of characters, PC and USB
HID keys, delays, beeps, LED commands and MIDI bytes, plus key types, flags
and the device's global parameters. In ROM Edit Mode it also edits the
advanced ROM properties and eight LCD screens.
.
It reads and writes definition files (.ckd, .rom), writes a download image
(.hex) on every save, and starts its sibling programs to download, test the
keypad and choose the serial port. padwright-cli converts and inspects
definition files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from dpkg-shlibdeps. Qt loads its platform plugins at run
# time, so the package that holds them (X11 and Wayland) is named here; the
# manual opens through the desktop's default viewer. Key labels and setup
# sheets are set in DejaVu Sans (Qt's SVG library comes from dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
# The preview of what a macro sends shows delays with a stopwatch sign
# (U+23F1), which DejaVu lacks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-symbola")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
