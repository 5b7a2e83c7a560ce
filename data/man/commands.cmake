# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes OUT, a help2man include file whose COMMANDS section holds the --help
# of every one of COMMANDS of TOOL, so that the man page lists each
# command's options as the program states them.
#   cmake -DTOOL=... -DCOMMANDS=info,fix -DOUT=... -P commands.cmake
set(text "[COMMANDS]\n")
string(REPLACE "," ";" COMMANDS "${COMMANDS}")
foreach(command IN LISTS COMMANDS)
  execute_process(COMMAND ${TOOL} ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} ${command} --help failed: ${result}")
  endif()
  # The page names the program, not the build tree's path to it.
  string(REPLACE "${TOOL}" "korvane-tool" help "${help}")
  # As roff text: backslashes and minus signs escaped, no line taken for a
  # request.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUT} "${text}")
