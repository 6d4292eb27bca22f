# Converts IN into WORK/NAME.tq7d, converts that once more, and checks that
# the second round changes no byte (the writer's output is what it writes
# again), that the CPT file of IN, when there is one, comes through byte for
# byte, and that the engine runs the converted project.
# Arguments: TARNE (the program), IN, WORK (a folder), NAME.
file(MAKE_DIRECTORY ${WORK})
set(first ${WORK}/${NAME}.tq7d)
set(second ${WORK}/${NAME}_again.tq7d)
foreach(pair "${IN};${first}" "${first};${second}")
  list(GET pair 0 from)
  list(GET pair 1 to)
  execute_process(COMMAND ${TARNE} convert ${from} ${to} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tarne convert ${from} ${to} exited ${rc}: ${err}")
  endif()
  if(NOT out MATCHES "Saved: .*${NAME}")
    message(FATAL_ERROR "unexpected output: ${out}")
  endif()
endforeach()

foreach(ext tq7d cpt)
  file(READ ${WORK}/${NAME}.${ext} a HEX)
  file(READ ${WORK}/${NAME}_again.${ext} b HEX)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "a second conversion changed ${NAME}.${ext}")
  endif()
endforeach()

# An example project is what the desktop program writes: it comes back whole.
if(EXACT)
  file(READ ${IN} a HEX)
  file(READ ${first} b HEX)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${IN} does not come back byte for byte from load and save")
  endif()
endif()

get_filename_component(in_dir ${IN} DIRECTORY)
get_filename_component(in_name ${IN} NAME_WLE)
if(EXISTS ${in_dir}/${in_name}.cpt)
  file(READ ${in_dir}/${in_name}.cpt a HEX)
  file(READ ${WORK}/${NAME}.cpt b HEX)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "the CPT file of ${IN} did not come through unchanged")
  endif()
endif()

execute_process(COMMAND ${TARNE} run ${first} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tarne run ${first} exited ${rc}: ${err}")
endif()
