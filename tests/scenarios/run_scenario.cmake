# Runs one scenario through the headless driver and compares its transcript.
#   NAME.script    the commands
#   NAME.expected  the exact standard output
#   NAME.arg       optional: the program's command line (the file's text without its last newline)
#   NAME.status    optional: the expected exit status (0 when absent)
# With -DUPDATE=ON it writes the transcript to NAME.expected instead of comparing it.
# DRIVER and SCRIPT may be given relative to the folder this runs in.
get_filename_component(DRIVER ${DRIVER} ABSOLUTE)
get_filename_component(SCRIPT ${SCRIPT} ABSOLUTE)
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(args ${SCRIPT})
if(EXISTS ${dir}/${name}.arg)
  file(READ ${dir}/${name}.arg arg)
  string(REGEX REPLACE "\n$" "" arg "${arg}")
  list(APPEND args "${arg}")
endif()
set(status 0)
if(EXISTS ${dir}/${name}.status)
  file(STRINGS ${dir}/${name}.status status LIMIT_COUNT 1)
endif()
# From the root folder, so that a transcript that shows the working directory (the boxes of a
# help viewer that cannot start) reads the same on every machine and in every build folder.
execute_process(COMMAND ${DRIVER} ${args} WORKING_DIRECTORY / OUTPUT_VARIABLE out
                ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL status)
  message(FATAL_ERROR "exit status ${rc}, expected ${status}\nstderr:\n${err}\nstdout:\n${out}")
endif()
if(UPDATE)
  file(WRITE ${dir}/${name}.expected "${out}")
  return()
endif()
file(READ ${dir}/${name}.expected expected)
if(NOT out STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
  message(FATAL_ERROR "transcript differs from ${name}.expected; actual written to "
                      "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual\n${out}")
endif()
