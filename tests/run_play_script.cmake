# SPDX-License-Identifier: GPL-3.0-or-later
# Runs qorza-play --pretty on SCRIPT and compares its output, byte for byte,
# with SCRIPT's .expected file (each dump laid out one key a line;
# scripts/regen-expected.sh writes them).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
execute_process(COMMAND ${PLAY} --pretty ${SCRIPT} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
set(expected_file ${dir}/${name}.expected)
if(EXISTS ${dir}/${name}.status)
  file(READ ${dir}/${name}.status want_rc)
  string(STRIP "${want_rc}" want_rc)
else()
  set(want_rc 0)
endif()
if(NOT rc STREQUAL want_rc)
  message(FATAL_ERROR "qorza-play exited ${rc}, expected ${want_rc}: ${err}")
endif()
file(READ ${expected_file} expected)
if(NOT out STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
  message(FATAL_ERROR "output differs from ${expected_file}; see ${name}.actual\n${out}")
endif()
