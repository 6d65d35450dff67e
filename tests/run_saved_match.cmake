# SPDX-License-Identifier: GPL-3.0-or-later
# A match saved by one qorza-play run and loaded by another plays on as one
# uninterrupted run: first.play then second.play (in the working folder
# WORK) print the dumps of whole.play. A missing or damaged file stops the
# load with status 2 naming the line, and the saved file is its owner's only.
# Usage: cmake -DPLAY=qorza-play -DSCRIPTS=tests/scripts/saved -DWORK=dir -P ...

# play NAME SCRIPT: runs SCRIPT in WORK; sets NAME_out, NAME_err, NAME_rc.
function(play name script)
  execute_process(COMMAND ${PLAY} ${script} WORKING_DIRECTORY ${WORK}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${name}_out "${out}" PARENT_SCOPE)
  set(${name}_err "${err}" PARENT_SCOPE)
  set(${name}_rc "${rc}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${WORK})
file(REMOVE ${WORK}/saved-match.json)

play(whole ${SCRIPTS}/whole.play)
play(first ${SCRIPTS}/first.play)
play(second ${SCRIPTS}/second.play)
foreach(part whole first second)
  if(NOT ${part}_rc STREQUAL 0)
    message(FATAL_ERROR "${part}.play exited ${${part}_rc}: ${${part}_err}")
  endif()
endforeach()
if(NOT "${first_out}${second_out}" STREQUAL whole_out)
  message(FATAL_ERROR "saved and loaded:\n${first_out}${second_out}\nuninterrupted:\n${whole_out}")
endif()

execute_process(COMMAND stat -c %a ${WORK}/saved-match.json OUTPUT_VARIABLE mode
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT mode STREQUAL 600)
  message(FATAL_ERROR "the saved match has mode ${mode}, not 600")
endif()
file(GLOB leftovers ${WORK}/saved-match.json.tmp-*)
if(leftovers)
  message(FATAL_ERROR "temporary files left behind: ${leftovers}")
endif()

# A file cut short, one that is not there, a device, one nested too deep
# and a save into a missing folder: status 2 naming the line.
file(READ ${WORK}/saved-match.json saved)
string(SUBSTRING "${saved}" 0 900 cut)
file(WRITE ${WORK}/cut-match.json "${cut}")
# A field nested 60,000 deep would overflow the stack of a parser.
string(REPEAT "[" 60000 open)
string(REPEAT "]" 60000 close)
string(SUBSTRING "${saved}" 1 -1 rest)
file(WRITE ${WORK}/deep-match.json "{\"unknown\":${open}${close},${rest}")
foreach(command "load cut-match.json" "load no-such-match.json" "load /dev/zero"
                "load deep-match.json" "save no-such-folder/match.json")
  file(WRITE ${WORK}/refused.play "seed 3\ndeal\n${command}\ndump\n")
  play(refused ${WORK}/refused.play)
  if(NOT refused_rc STREQUAL 2 OR NOT refused_err MATCHES "line 3: ")
    message(FATAL_ERROR "${command}: status ${refused_rc}, ${refused_err}")
  endif()
endforeach()

# A position that no game reaches (a count of taken cards set by the
# script) is not saved: load would refuse it.
file(WRITE ${WORK}/refused.play "seed 3\ndeal\nset TXT_CARD1 5\nsave spoilt-match.json\n")
play(refused ${WORK}/refused.play)
if(NOT refused_rc STREQUAL 2 OR NOT refused_err MATCHES "line 4: .*cannot be saved.*TXT_CARD"
   OR EXISTS ${WORK}/spoilt-match.json)
  message(FATAL_ERROR "an unreachable position saved: status ${refused_rc}, ${refused_err}")
endif()
