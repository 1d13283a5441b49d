# SPDX-License-Identifier: GPL-3.0-or-later
# What the desktop application loads at start-up, placed beside the executables in
# ${RADIOPROG_BIN_DIR}: Program.ini, the translations English.qm and Chinese.qm,
# the pictures and the help pages.
#
# Program.ini is copied only when the shipped default is newer than the copy, so
# that a language chosen in the program survives the next build.
if(NOT TARGET radiogui)
  return()
endif()

set(_res ${CMAKE_SOURCE_DIR}/resources)
set(_outputs)

add_custom_command(OUTPUT ${RADIOPROG_BIN_DIR}/Program.ini
  COMMAND ${CMAKE_COMMAND} -E copy ${_res}/Program.ini ${RADIOPROG_BIN_DIR}/Program.ini
  DEPENDS ${_res}/Program.ini
  COMMENT "Placing Program.ini beside the program")
list(APPEND _outputs ${RADIOPROG_BIN_DIR}/Program.ini)

foreach(_picture title.ico startup.bmp background.bmp)
  add_custom_command(OUTPUT ${RADIOPROG_BIN_DIR}/${_picture}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_res}/${_picture} ${RADIOPROG_BIN_DIR}/${_picture}
    DEPENDS ${_res}/${_picture})
  list(APPEND _outputs ${RADIOPROG_BIN_DIR}/${_picture})
endforeach()

file(GLOB_RECURSE _help_pages CONFIGURE_DEPENDS RELATIVE ${_res} ${_res}/help/*)
foreach(_page ${_help_pages})
  add_custom_command(OUTPUT ${RADIOPROG_BIN_DIR}/${_page}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_res}/${_page} ${RADIOPROG_BIN_DIR}/${_page}
    DEPENDS ${_res}/${_page})
  list(APPEND _outputs ${RADIOPROG_BIN_DIR}/${_page})
endforeach()

# Every .ts file of a language is merged into the one translation of that language.
foreach(_lang en zh)
  if(_lang STREQUAL "en")
    set(_qm English.qm)
  else()
    set(_qm Chinese.qm)
  endif()
  file(GLOB _ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/${_lang}/*.ts)
  list(SORT _ts_files)
  if(_ts_files)
    add_custom_command(OUTPUT ${RADIOPROG_BIN_DIR}/${_qm}
      COMMAND Qt6::lrelease -silent ${_ts_files} -qm ${RADIOPROG_BIN_DIR}/${_qm}
      DEPENDS ${_ts_files} Qt6::lrelease
      COMMENT "Building ${_qm}")
    list(APPEND _outputs ${RADIOPROG_BIN_DIR}/${_qm})
  endif()
endforeach()

add_custom_target(radioprog_resources ALL DEPENDS ${_outputs})
if(TARGET radioprog)
  add_dependencies(radioprog radioprog_resources)
endif()
