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
