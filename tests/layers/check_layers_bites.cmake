# The layer check must reject a pure folder that includes the control model: copy the sources,
# add such an include to a file of the 4D engine, and expect the check to fail on the copy.
file(REMOVE_RECURSE ${SCRATCH_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${SCRATCH_DIR})
file(GLOB engine_headers ${SCRATCH_DIR}/game4d/*.h)
list(GET engine_headers 0 victim)
file(READ ${victim} text)
file(WRITE ${victim} "#include \"forms/form.h\"\n${text}")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SCRATCH_DIR}
                        -P ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE_RECURSE ${SCRATCH_DIR})
if(rc EQUAL 0)
  message(FATAL_ERROR "the layer check let game4d include forms/form.h")
endif()
if(NOT err MATCHES "game4d/.*forms/form.h")
  message(FATAL_ERROR "the layer check failed without naming the include:\n${err}")
endif()
message(STATUS "the layer check caught the include")
