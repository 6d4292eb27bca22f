# Makes a copy of an example whose soil ends above the pile tip and checks
# that `tarne run` exits 1 with the reason on one line.
file(READ ${WORK}/pipe_pile_english.tq7d data)
string(REPLACE "\n80 0 " "\n40 0 " data "${data}")
file(WRITE ${WORK}/shallow.tq7d "${data}")
file(COPY_FILE ${WORK}/pipe_pile_english.cpt ${WORK}/shallow.cpt)
execute_process(COMMAND ${TARNE} run ${WORK}/shallow.tq7d RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "expected exit code 1, got ${rc}")
endif()
if(NOT err MATCHES "^tarne: the deepest soil profile \\(40.00 FT.\\) is less than the embedded pile length plus two pile diameters \\(61.00 FT.\\) \\(report: .*shallow.tq7o\\)\n$")
  message(FATAL_ERROR "unexpected message: ${err}")
endif()
