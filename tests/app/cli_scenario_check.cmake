# Checks of `finplan info` and `finplan save-as` from outside, run with cmake -P:
#   -DFINPLAN=<runner> -DEXAMPLE=<example.ret> -DDAMAGED=<file cut short> -DWORK=<dir>
file(MAKE_DIRECTORY ${WORK})

execute_process(COMMAND ${FINPLAN} info ${EXAMPLE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Accounts: 8" OR NOT out MATCHES "Mortgage +1")
    message(FATAL_ERROR "info on the example: rc=${rc}\n${out}${err}")
endif()

# Open and Save As under a new name: the same bytes.
set(copy ${WORK}/copy.ret)
file(REMOVE ${copy})
execute_process(COMMAND ${FINPLAN} save-as ${EXAMPLE} ${copy} RESULT_VARIABLE rc)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXAMPLE} ${copy} RESULT_VARIABLE same)
if(NOT rc EQUAL 0 OR NOT same EQUAL 0)
    message(FATAL_ERROR "save-as round trip: rc=${rc}, files differ=${same}")
endif()

# A damaged file: the program's own message and title on standard error, exit 1.
execute_process(COMMAND ${FINPLAN} info ${DAMAGED}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES
        "FILE WARNING: .* doesn't seem to be a valid Korvel Financial Planner file\\.")
    message(FATAL_ERROR "info on a damaged file: rc=${rc}\n${out}${err}")
endif()

execute_process(COMMAND ${FINPLAN} save-as ${WORK}/missing.ret ${WORK}/out.ret
    RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "FILE ERROR: Cannot open .*missing.ret!"
        OR EXISTS ${WORK}/out.ret)
    message(FATAL_ERROR "save-as of a missing file: rc=${rc}\n${err}")
endif()
