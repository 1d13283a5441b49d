# SPDX-License-Identifier: GPL-3.0-or-later
# Script mode (cmake -P): documents of radioprog-cli made from the tool's own
# --help texts, so that they follow every command as it is added.
#   -DMODE=man         -DCLI=... -DHELP2MAN=... -DVERSION=... -DOUTPUT=radioprog-cli.1
#   -DMODE=completion  -DCLI=... -DTEMPLATE=radioprog-cli.bash.in -DOUTPUT=radioprog-cli
#   -DWORK=<scratch folder>
cmake_minimum_required(VERSION 3.25)

# The tool runs with a configuration folder of its own: no user's file is read.
set(ENV_COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${WORK}/config HOME=${WORK})

function(run_cli out_var)
  execute_process(COMMAND ${ENV_COMMAND} ${CLI} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "radioprog-cli ${ARGN} failed (${rc})")
  endif()
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${WORK})

# The commands, from the "Commands:" block of the overview.
run_cli(overview --help)
string(REGEX MATCH "Commands:\n(.*)\n\n" block "${overview}")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "\n${CMAKE_MATCH_1}")
set(commands)
foreach(n ${names})
  string(STRIP "${n}" n)
  list(APPEND commands ${n})
endforeach()
if(NOT commands)
  message(FATAL_ERROR "no commands found in radioprog-cli --help")
endif()

if(MODE STREQUAL "man")
  set(include "[COMMANDS]\n")
  foreach(c ${commands})
    run_cli(help ${c} --help)
    # Roff: a backslash is written \e, a line must not begin with a control character.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
    string(APPEND include ".SS ${c}\n.nf\n${help}.fi\n")
  endforeach()
  string(APPEND include "[FILES]\n"
    ".TP\n.I ~/.config/radioprog/Program.ini\n"
    "The user's copy of the program's configuration (read for model names and the\n"
    "report's owner line); the default shipped in\n.I <prefix>/share/radioprog/Program.ini\n"
    "is read when there is none.\n"
    "[SEE ALSO]\n.BR radioprog (1)\n")
  file(WRITE ${WORK}/include.h2m "${include}")
  execute_process(COMMAND ${ENV_COMMAND} ${HELP2MAN} --no-info --no-discard-stderr
      --name "program dual-band handheld FM radios from the command line"
      --section 1 --version-string ${VERSION} --include ${WORK}/include.h2m
      --output ${OUTPUT} ${CLI}
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "help2man failed (${rc})")
  endif()
elseif(MODE STREQUAL "completion")
  # Each command's options, from its --help text.
  set(option_cases "")
  foreach(c ${commands})
    run_cli(help ${c} --help)
    string(REGEX REPLACE "[^a-z0-9-]+" ";" words "${help}")
    set(options)
    foreach(w ${words})
      if(w MATCHES "^(--[a-z][a-z-]*[a-z]|-[a-z])$")
        list(APPEND options ${w})
      endif()
    endforeach()
    list(APPEND options --help)
    list(REMOVE_DUPLICATES options)
    list(JOIN options " " options)
    string(APPEND option_cases "    ${c}) echo \"${options}\" ;;\n")
  endforeach()
  # The get/set keys, from a new document.
  run_cli(ignored new -o ${WORK}/keys.dat)
  run_cli(settings get ${WORK}/keys.dat)
  string(REGEX MATCHALL "(^|\n)[a-z0-9_]+\\.[a-z0-9_]+" found "${settings}")
  set(keys)
  set(sections)
  foreach(k ${found})
    string(STRIP "${k}" k)
    list(APPEND keys ${k})
    string(REGEX REPLACE "\\..*" "" s "${k}")
    list(APPEND sections ${s})
  endforeach()
  list(REMOVE_DUPLICATES sections)
  list(JOIN commands " " RADIOPROG_COMMANDS)
  list(JOIN keys " " RADIOPROG_KEYS)
  list(JOIN sections " " RADIOPROG_SECTIONS)
  set(RADIOPROG_OPTION_CASES "${option_cases}")
  configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
else()
  message(FATAL_ERROR "MODE must be man or completion")
endif()
