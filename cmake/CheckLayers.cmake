# SPDX-License-Identifier: GPL-3.0-or-later
# Run as a test: cmake -DSRC=<src folder> -P CheckLayers.cmake
# The folders of src/ stand on each other in one order, lowest first; a file may
# include its own folder and the folders below it, never one beside or above it.
#   model            the image, its map, codecs and the .dat file
#   app              what every front end reads about the program (Program.ini,
#                    start-up values, help topics, port names)
#   channels         the channel grid's text model and commit rules
#   features         the settings forms; they check channels' rules
#   compare          the comparison of two images: channel rows and settings
#   link             the protocol engine, the job runner, the virtual radio; a
#                    verify compares with compare/
#   link/serial      the real serial port under the link interface (Qt Core)
#   print            the report layout of channels and settings
#   gui              the support below every window (help ids, prompts, settings
#                    store, document wrapper)
#   link/widgets     the Process and Port Setting windows and the adapter that
#                    runs radio jobs for a window
#   features/widgets the settings dialogs (the squelch window runs radio jobs)
#   channels/widgets the channel view (Read and Write start there)
#   print/widgets    printing and preview
#   shell/widgets    the main frame and the windows around it
#   shell cli        main() of the application; the command-line tool. Neither
#                    includes the other.
set(order
  model app channels features compare link link/serial print gui
  link/widgets features/widgets channels/widgets print/widgets shell/widgets "shell cli")

set(rank 0)
foreach(step IN LISTS order)
  string(REPLACE " " ";" folders "${step}")
  foreach(folder IN LISTS folders)
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The folder of a path below src/: its first part, or the first two when the
# second is one of the subfolders the order names (widgets/, serial/).
function(layer_of path out)
  if(path MATCHES "^([a-z]+)/(widgets|serial)/")
    set(${out} "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}" PARENT_SCOPE)
  elseif(path MATCHES "^([a-z]+)/")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(faults "")
foreach(file IN LISTS sources)
  layer_of("${file}" from)
  if(NOT DEFINED rank_${from})
    string(APPEND faults "${file}: folder ${from} has no place in the order of cmake/CheckLayers.cmake\n")
    continue()
  endif()
  file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "\"([^\"]+)\"")
      continue()
    endif()
    layer_of("${CMAKE_MATCH_1}" to)
    # A name without a folder is a file beside the includer.
    if(to STREQUAL "" OR to STREQUAL from)
      continue()
    endif()
    if(NOT DEFINED rank_${to})
      string(APPEND faults "${file}: ${line} (folder ${to} has no place in the order)\n")
    elseif(NOT rank_${to} LESS rank_${from})
      string(APPEND faults "${file}: ${line} (${to} does not stand below ${from})\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the layering of src/:\n${faults}")
endif()
