# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout and the Debian package.
#
#   bin/radioprog, bin/radioprog-cli
#   libexec/radioprog/        radioprog-cli-whole (the tool's commands that need Qt)
#   share/radioprog/          Program.ini (the shipped default), English.qm, Chinese.qm,
#                             the pictures and help/ (found as ../share/radioprog from bin/)
#   share/applications/       the desktop entry
#   share/metainfo/           the AppStream description
#   share/icons/hicolor/      the icon in several sizes and as SVG
#   share/man/man1/           radioprog.1.gz, radioprog-cli.1.gz
#   share/bash-completion/completions/radioprog-cli
#   share/doc/radioprog/      copyright (machine-readable), changelog.gz (from NEWS.md)
#
# The user's own Program.ini lives in ~/.config/radioprog/, so the prefix may be
# read-only. `cmake --install build --prefix P`; `cmake --build build --target package`.
include(GNUInstallDirs)

set(RADIOPROG_APP_ID org.radioprog.radioprog)
set(_res ${CMAKE_SOURCE_DIR}/resources)
set(_linux ${_res}/linux)
set(_gen ${CMAKE_BINARY_DIR}/install-files)
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/radioprog)
# Folders made by the install are world-readable, whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

# NEWS.md is the list of releases: its newest "## VERSION (DATE)" heading must be
# the project's version, and every release it names goes into the AppStream file.
file(STRINGS ${CMAKE_SOURCE_DIR}/NEWS.md _news_releases REGEX "^## ")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/NEWS.md)
set(RADIOPROG_RELEASES "")
foreach(_line IN LISTS _news_releases)
  if(NOT _line MATCHES "^## ([0-9][0-9A-Za-z.+~]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)[ \t]*$")
    message(FATAL_ERROR "NEWS.md: a release heading is \"## VERSION (YYYY-MM-DD)\", not \"${_line}\"")
  endif()
  if(NOT DEFINED RADIOPROG_NEWEST_RELEASE)
    set(RADIOPROG_NEWEST_RELEASE ${CMAKE_MATCH_1})
  endif()
  string(APPEND RADIOPROG_RELEASES "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\"/>\n")
endforeach()
if(NOT RADIOPROG_NEWEST_RELEASE STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "NEWS.md's newest release is '${RADIOPROG_NEWEST_RELEASE}', the project version "
    "${PROJECT_VERSION}: say what changed in NEWS.md")
endif()

install(TARGETS radioprog-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS radioprog-cli-whole RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/radioprog)

# ---- the desktop application and the files it loads --------------------------
if(TARGET radioprog)
  install(TARGETS radioprog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${_res}/Program.ini ${_res}/title.ico ${_res}/startup.bmp ${_res}/background.bmp
    ${RADIOPROG_BIN_DIR}/English.qm ${RADIOPROG_BIN_DIR}/Chinese.qm
    DESTINATION ${CMAKE_INSTALL_DATADIR}/radioprog)
  install(DIRECTORY ${_res}/help DESTINATION ${CMAKE_INSTALL_DATADIR}/radioprog)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/resources/linux/copyright DESTINATION ${_docdir})

# What follows belongs to a Linux desktop; the command-line tool's manual page and
# completion also run the tool just built, which a cross build (MinGW) cannot.
if(CMAKE_CROSSCOMPILING OR WIN32 OR APPLE)
  return()
endif()

# ---- the command-line tool's manual page and completion, from its --help -------
find_program(RADIOPROG_HELP2MAN help2man)
find_program(RADIOPROG_GZIP gzip)
if(NOT RADIOPROG_GZIP)
  message(FATAL_ERROR "gzip not found: the manual pages and the changelog are installed compressed")
endif()
# radioprog_gzip(SOURCE OUTPUT DEPENDS...): OUTPUT is SOURCE compressed the way
# Debian wants, at the highest level and without a time stamp or name inside.
function(radioprog_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${RADIOPROG_GZIP} -9nc ${source} > ${output}
    DEPENDS ${source} ${ARGN} VERBATIM)
endfunction()

# The package's changelog, NEWS.md in Debian's form.
set(RADIOPROG_MAINTAINER "The radioprog developers <developers@radioprog.org>")
add_custom_command(OUTPUT ${_gen}/changelog
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/changelog-from-news.sh ${CMAKE_SOURCE_DIR}/NEWS.md radioprog
    ${RADIOPROG_MAINTAINER} > ${_gen}/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/NEWS.md ${CMAKE_SOURCE_DIR}/scripts/changelog-from-news.sh
  COMMENT "Changelog from NEWS.md" VERBATIM)
radioprog_gzip(${_gen}/changelog ${_gen}/changelog.gz)
install(FILES ${_gen}/changelog.gz DESTINATION ${_docdir})
set(_release_files ${_gen}/changelog.gz)
set(_cli_docs_args -DCLI=$<TARGET_FILE:radioprog-cli> -DWORK=${_gen}/cli-docs)
add_custom_command(OUTPUT ${_gen}/radioprog-cli
  COMMAND ${CMAKE_COMMAND} -DMODE=completion ${_cli_docs_args} -DTEMPLATE=${_linux}/radioprog-cli.bash.in
    -DOUTPUT=${_gen}/radioprog-cli -P ${CMAKE_SOURCE_DIR}/cmake/CliDocs.cmake
  DEPENDS radioprog-cli ${_linux}/radioprog-cli.bash.in ${CMAKE_SOURCE_DIR}/cmake/CliDocs.cmake
  COMMENT "Bash completion of radioprog-cli")
set(_cli_docs ${_gen}/radioprog-cli)
install(FILES ${_gen}/radioprog-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(RADIOPROG_HELP2MAN)
  add_custom_command(OUTPUT ${_gen}/radioprog-cli.1
    COMMAND ${CMAKE_COMMAND} -DMODE=man ${_cli_docs_args} -DHELP2MAN=${RADIOPROG_HELP2MAN}
      -DVERSION=${PROJECT_VERSION} -DOUTPUT=${_gen}/radioprog-cli.1 -P ${CMAKE_SOURCE_DIR}/cmake/CliDocs.cmake
    DEPENDS radioprog-cli ${CMAKE_SOURCE_DIR}/cmake/CliDocs.cmake
    COMMENT "Manual page of radioprog-cli")
  radioprog_gzip(${_gen}/radioprog-cli.1 ${_gen}/radioprog-cli.1.gz)
  list(APPEND _cli_docs ${_gen}/radioprog-cli.1.gz)
  install(FILES ${_gen}/radioprog-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: radioprog-cli.1 is not built (scripts/install-deps.sh installs it)")
endif()
add_custom_target(radioprog_cli_docs ALL DEPENDS ${_cli_docs} ${_release_files})

if(NOT TARGET radioprog)
  return()
endif()

# ---- the menu entry, description, icons and manual page of the application ----
configure_file(${_linux}/radioprog.1.in ${_gen}/radioprog.1 @ONLY)
radioprog_gzip(${_gen}/radioprog.1 ${_gen}/radioprog.1.gz)
add_custom_target(radioprog_man ALL DEPENDS ${_gen}/radioprog.1.gz)
install(FILES ${_gen}/radioprog.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${_linux}/${RADIOPROG_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${_linux}/${RADIOPROG_APP_ID}.metainfo.xml.in ${_gen}/${RADIOPROG_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_gen}/${RADIOPROG_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(_size 16 32 48 64 128 256)
  install(FILES ${_res}/icons/radioprog-${_size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME radioprog.png)
endforeach()
install(FILES ${_res}/icons/radioprog.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# ---- the Debian package: radioprog_<version>_<arch>.deb ------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radioprog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for dual-band handheld FM two-way radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the memory of a dual-band handheld FM radio over a serial programming\n"
    "cable, edits its channels and settings, prints them and writes them back. A\n"
    "desktop application (English and Simplified Chinese) and a command-line tool.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "${RADIOPROG_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries the programs link come from dpkg-shlibdeps; the platform plugins,
# without which the application shows no window, are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Chinese texts of Qt's own dialogs, and a font that has the Chinese characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
