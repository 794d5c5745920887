# Checks of `finplan trials` from outside, run with cmake -P:
#   -DFINPLAN=<runner> -DEXAMPLE=<example.ret> -DWORK=<dir>
file(MAKE_DIRECTORY ${WORK})

# The same seed gives the same report with one thread and with two.
foreach(threads 1 2)
    execute_process(COMMAND ${FINPLAN} trials ${EXAMPLE} --n 300 --seed 12345 --threads ${threads}
        --csv ${WORK}/bands${threads}.csv --svg ${WORK}/fan${threads}.svg
        RESULT_VARIABLE rc OUTPUT_VARIABLE out${threads} ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out${threads} MATCHES "Trials: 300, random account rates, seed 12345"
            OR NOT out${threads} MATCHES "Success rate: [0-9.]+%")
        message(FATAL_ERROR "trials with ${threads} threads: rc=${rc}\n${out${threads}}${err}")
    endif()
endforeach()
if(NOT out1 STREQUAL out2)
    message(FATAL_ERROR "one and two threads differ:\n${out1}\n----\n${out2}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/bands1.csv ${WORK}/bands2.csv
    RESULT_VARIABLE differ)
file(STRINGS ${WORK}/bands1.csv header LIMIT_COUNT 1)
file(READ ${WORK}/fan1.svg svg)
if(NOT differ EQUAL 0 OR NOT header STREQUAL
        "Age,Failed,Net Worth P10,Net Worth P25,Net Worth P50,Net Worth P75,Net Worth P90,Savings P10,Savings P25,Savings P50,Savings P75,Savings P90"
        OR NOT svg MATCHES "NET WORTH IN 300 TRIALS")
    message(FATAL_ERROR "csv or svg: differ=${differ} header=${header}")
endif()

# Out-of-range counts are refused before anything runs.
execute_process(COMMAND ${FINPLAN} trials ${EXAMPLE} --n 100001
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0)
    message(FATAL_ERROR "--n 100001 was accepted:\n${out}")
endif()

# --show prints a trial's schedule as `finplan run` prints a run with that trial's
# generator seed; the median and the worst-decile trial are different runs.
foreach(pick median worst)
    execute_process(COMMAND ${FINPLAN} trials ${EXAMPLE} --n 101 --seed 77 --show ${pick}
        WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE shown ERROR_VARIABLE note)
    if(NOT rc EQUAL 0 OR NOT note MATCHES "generator seed ([0-9]+)")
        message(FATAL_ERROR "--show ${pick}: rc=${rc}\n${note}")
    endif()
    set(generator ${CMAKE_MATCH_1})
    execute_process(COMMAND ${FINPLAN} run ${EXAMPLE} --random accounts --seed ${generator}
        WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE ran ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT shown STREQUAL ran OR NOT shown MATCHES "Financial Events:")
        message(FATAL_ERROR "--show ${pick} is not the run of seed ${generator}:\n${shown}\n----\n${ran}")
    endif()
    set(shown_${pick} "${shown}")
endforeach()
if(shown_median STREQUAL shown_worst)
    message(FATAL_ERROR "the median and the worst-decile trial print the same schedule")
endif()
