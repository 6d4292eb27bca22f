# A file that does not load: tarne convert exits 1, says where the file is
# wrong on one line, and writes nothing.
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/malformed.tq7d "Title\r\nDesigner\r\nJob\r\n1 1 2 0 \r\n0 0 18 x17 29000000 40 0 \r\n")
execute_process(COMMAND ${TARNE} convert ${WORK}/malformed.tq7d ${WORK}/malformed_out.tq7d
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "expected exit code 1, got ${rc}")
endif()
if(NOT err MATCHES "^tarne: cannot convert \".*malformed.tq7d\": Error on Line 5 Item 4: A floating point number was expected but not found.\n$")
  message(FATAL_ERROR "unexpected message: ${err}")
endif()
if(EXISTS ${WORK}/malformed_out.tq7d OR EXISTS ${WORK}/malformed_out.cpt)
  message(FATAL_ERROR "a file that did not load was written")
endif()
