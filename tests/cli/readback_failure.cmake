# A project that asks for t-z curves at its own depths but lists none: the
# engine finishes without writing them, so its plot data do not read back.
# `tarne run` exits 1 with the desktop program's message and the reader's
# cause on one line, and writes no driveability input; in a batch the
# project's line says it failed and the run exits 1.
# (file(READ) drops the carriage returns; both readers take either line end.)
file(READ ${WORK}/pipe_pile_extra_tz_english.tq7d data)
string(REPLACE "\n1 \n6 \n0 \n12.5 \n30 \n50 \n70 \n85 \n" "\n1 \n0 \n" changed "${data}")
if(changed STREQUAL data)
  message(FATAL_ERROR "the example's t-z depths were not found")
endif()
file(WRITE ${WORK}/no_extra_depths.tq7d "${changed}")
file(COPY_FILE ${WORK}/pipe_pile_extra_tz_english.cpt ${WORK}/no_extra_depths.cpt)
file(REMOVE ${WORK}/no_extra_depths.gwi)

execute_process(COMMAND ${TARNE} run ${WORK}/no_extra_depths.tq7d RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "expected exit code 1, got ${rc}: ${out}${err}")
endif()
if(NOT err MATCHES "^tarne: An error occured in running the main program\\. \\(plot data \".*no_extra_depths\\.tq7p\": This file either invalid or incomplete\\.\\)\n$")
  message(FATAL_ERROR "unexpected message: ${err}")
endif()
if(NOT EXISTS ${WORK}/no_extra_depths.tq7o OR EXISTS ${WORK}/no_extra_depths.gwi)
  message(FATAL_ERROR "expected the report and no driveability input")
endif()

execute_process(COMMAND ${TARNE} run -j 2 ${WORK}/pipe_pile_english.tq7d ${WORK}/no_extra_depths.tq7d
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "expected exit code 1 from the batch, got ${rc}")
endif()
if(NOT out MATCHES "pipe_pile_english\\.tq7d: ok, [^\n]*\n[^\n]*no_extra_depths\\.tq7d: failed: An error occured in running the main program\\. \\(plot data ")
  message(FATAL_ERROR "unexpected batch output: ${out}")
endif()
