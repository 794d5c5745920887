# Checks of `finplan history` and random-history trials from outside, run with cmake -P:
#   -DFINPLAN=<runner> -DEXAMPLE=<example.ret> -DWORK=<dir>
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${EXAMPLE} ${WORK}/plan.ret)
set(PLAN ${WORK}/plan.ret)
set(MARKETS --market Stocks=stocks --market Bonds=bonds --market "Real Estate=inflation+1")

function(run_finplan)
    execute_process(COMMAND ${FINPLAN} ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(rc ${rc} PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

# The report, one CSV line per cycle, the chart; the same on one thread and on two.
foreach(threads 1 2)
    run_finplan(history ${PLAN} ${MARKETS} --threads ${threads} --csv ${WORK}/cycles${threads}.csv
        --svg ${WORK}/cycles.svg)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "History: 108 cycles of 45 years, start years 1871 to 1978"
            OR NOT out MATCHES "Success rate: [0-9]+ of 108 start years"
            OR NOT out MATCHES "Median ending net worth")
        message(FATAL_ERROR "history with ${threads} threads: rc=${rc}\n${out}${err}")
    endif()
    set(out${threads} "${out}")
endforeach()
if(NOT out1 STREQUAL out2)
    message(FATAL_ERROR "one and two threads differ:\n${out1}\n----\n${out2}")
endif()
file(STRINGS ${WORK}/cycles1.csv lines)
list(LENGTH lines count)
list(GET lines 0 header)
file(READ ${WORK}/cycles.svg svg)
if(NOT count EQUAL 109 OR NOT header STREQUAL
        "start_year,success,failed_age,end_net_worth,end_net_worth_real,min_savings,min_savings_age"
        OR NOT svg MATCHES "108 CYCLES")
    message(FATAL_ERROR "csv or svg: ${count} lines, header ${header}")
endif()

# One cycle's schedule as `finplan run` prints one; a year with no cycle is refused.
run_finplan(history ${PLAN} ${MARKETS} --show 1929)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Financial Events:")
    message(FATAL_ERROR "--show 1929: rc=${rc}\n${err}")
endif()
run_finplan(history ${PLAN} --show 1990)
if(NOT rc EQUAL 1 OR NOT err MATCHES "No cycle starts in 1990")
    message(FATAL_ERROR "--show 1990: rc=${rc}\n${err}")
endif()

# Bad options exit 2 and name what is wrong.
foreach(bad "Nope=stocks;no group named \"Nope\"" "Stocks=stonks;\"stonks\" is not a market"
        "Stocks=mix:120;the stocks share must be 0 to 100")
    list(GET bad 0 option)
    list(GET bad 1 message)
    run_finplan(history ${PLAN} --market ${option})
    if(NOT rc EQUAL 2 OR NOT err MATCHES "${message}")
        message(FATAL_ERROR "--market ${option}: rc=${rc}\n${err}")
    endif()
endforeach()

# The side file is read; a group it names that the scenario lacks is dropped with a
# message, a damaged one gives the defaults with a message.
file(WRITE ${WORK}/plan.mkt "finplan markets 1\ninflation\tplan\ngroup\tStocks\tstocks\ngroup\tGone\tbonds\n")
run_finplan(history ${PLAN})
if(NOT rc EQUAL 0 OR NOT err MATCHES "no group \"Gone\" any more" OR NOT out MATCHES "the plan's own rates")
    message(FATAL_ERROR "side file: rc=${rc}\n${out}${err}")
endif()
file(WRITE ${WORK}/plan.mkt "finplan markets 1\ngroup\tStocks\n")
run_finplan(history ${PLAN})
if(NOT rc EQUAL 0 OR NOT err MATCHES "is damaged \\(line 2" OR NOT out MATCHES "Inflation: historical")
    message(FATAL_ERROR "damaged side file: rc=${rc}\n${out}${err}")
endif()
file(REMOVE ${WORK}/plan.mkt)

# A plan longer than the table: no cycle, said so, exit 1; a bad table file likewise.
file(WRITE ${WORK}/short.csv "year,stocks,bonds,inflation\n2000,1,2,3\n2001,1,2,3\n")
run_finplan(history ${PLAN} --table ${WORK}/short.csv)
if(NOT rc EQUAL 1 OR NOT err MATCHES "no complete cycle fits")
    message(FATAL_ERROR "short table: rc=${rc}\n${err}")
endif()
file(WRITE ${WORK}/bad.csv "year,stocks\n")
run_finplan(history ${PLAN} --table ${WORK}/bad.csv)
if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot be used: line 1")
    message(FATAL_ERROR "bad table: rc=${rc}\n${err}")
endif()

# Random history repeats from its seed.
foreach(i 1 2)
    run_finplan(trials ${PLAN} ${MARKETS} --random history --block 5 --n 200 --seed 3)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "Trials: 200, random history in blocks of 5 years, seed 3")
        message(FATAL_ERROR "random history: rc=${rc}\n${out}${err}")
    endif()
    set(random${i} "${out}")
endforeach()
if(NOT random1 STREQUAL random2)
    message(FATAL_ERROR "random history differs between runs of one seed")
endif()
