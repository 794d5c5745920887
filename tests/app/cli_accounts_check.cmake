# Checks of `finplan accounts` and `finplan import-accounts` from outside, run with
# cmake -P:  -DFINPLAN=<runner> -DEXAMPLE=<example.ret> -DWORK=<dir>
file(MAKE_DIRECTORY ${WORK})
set(scenario ${WORK}/accounts.ret)
file(COPY_FILE ${EXAMPLE} ${scenario})
file(WRITE ${WORK}/bank.kvi "Emergency Fund\t26,500.00\r\nNew Savings  \t1,000.00 CR\r\nTOTAL ASSETS\t27500.00\r\n")

execute_process(COMMAND ${FINPLAN} import-accounts ${scenario} ${WORK}/bank.kvi --update
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Updated 1 line\\(s\\), added 1 account\\(s\\)"
        OR NOT err MATCHES "Updating 1 out of 8 accounts")
    message(FATAL_ERROR "import-accounts --update: rc=${rc}\n${out}${err}")
endif()

# The new account has the import defaults and the slot number as its order.
execute_process(COMMAND ${FINPLAN} accounts ${scenario}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Emergency Fund [^\n]* 26500\\.00"
        OR NOT out MATCHES "New Savings [^\n]*Investment Savings +10\\.000 +1000\\.00  8\n"
        OR NOT out MATCHES "Number of Accounts:  9")
    message(FATAL_ERROR "accounts after the update: rc=${rc}\n${out}${err}")
endif()

execute_process(COMMAND ${FINPLAN} import-accounts ${scenario} ${WORK}/missing.kvi
    RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "File Open Error: Cannot open .*missing\\.kvi\\.")
    message(FATAL_ERROR "import of a missing file: rc=${rc}\n${err}")
endif()

# A scenario that cannot be written back: the import says why and prints no summary,
# and the file keeps its bytes (the write is cut off by a file-size limit of 2 KiB).
file(COPY_FILE ${EXAMPLE} ${WORK}/full.ret)
file(WRITE ${WORK}/more.kvi "Brand New Fund\t500.00\n")
execute_process(COMMAND bash -c "trap '' XFSZ; ulimit -f 2; exec \"$0\" import-accounts \"$1\" \"$2\""
        ${FINPLAN} ${WORK}/full.ret ${WORK}/more.kvi
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXAMPLE} ${WORK}/full.ret
    RESULT_VARIABLE changed)
if(NOT rc EQUAL 1 OR out MATCHES "Added" OR NOT err MATCHES "Cannot open file!\nFile too large"
        OR NOT changed EQUAL 0)
    message(FATAL_ERROR "import onto a file that cannot be written: rc=${rc}\n${out}${err}")
endif()

# A named pipe or a folder as the tab file is named for what it is, without waiting.
file(REMOVE ${WORK}/pipe.kvi)
execute_process(COMMAND mkfifo ${WORK}/pipe.kvi)
execute_process(COMMAND ${FINPLAN} import-accounts ${scenario} ${WORK}/pipe.kvi TIMEOUT 20
    RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Cannot open .*pipe\\.kvi\\.\nIs a named pipe")
    message(FATAL_ERROR "import of a named pipe: rc=${rc}\n${err}")
endif()
execute_process(COMMAND ${FINPLAN} import-accounts ${scenario} ${WORK} TIMEOUT 20
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR out MATCHES "Added" OR NOT err MATCHES "Is a folder")
    message(FATAL_ERROR "import of a folder: rc=${rc}\n${out}${err}")
endif()
