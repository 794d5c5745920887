# Checks of `finplan print` and `finplan print-graph` from outside, run with cmake -P:
#   -DFINPLAN=<runner> -DEXAMPLE=<example.ret> -DWORK=<dir> [-DPDFTOPPM=<pdftoppm>]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${EXAMPLE} ${WORK}/example.ret)

function(expect_pdf path pages)
    file(READ ${path} head LIMIT 8)
    file(READ ${path} body)
    if(NOT head MATCHES "^%PDF-1\\.4" OR NOT body MATCHES "/Count ${pages} " OR NOT body MATCHES "%%EOF\n$")
        message(FATAL_ERROR "${path} is not a PDF of ${pages} pages")
    endif()
    if(PDFTOPPM)
        execute_process(COMMAND ${PDFTOPPM} -r 20 -png ${path} ${path}-page RESULT_VARIABLE rc
            ERROR_VARIABLE err)
        if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
            message(FATAL_ERROR "pdftoppm ${path}: rc=${rc}\n${err}")
        endif()
    endif()
endfunction()

execute_process(COMMAND ${FINPLAN} print example.ret --pdf schedule.pdf WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
file(GLOB pages ${WORK}/page*)
list(LENGTH pages count)
if(NOT rc EQUAL 0 OR count LESS 2 OR NOT EXISTS ${WORK}/ptmpsch.dat)
    message(FATAL_ERROR "print: rc=${rc} pages=${count}\n${err}")
endif()
expect_pdf(${WORK}/schedule.pdf ${count})

math(EXPR twice "2 * ${count}")
execute_process(COMMAND ${FINPLAN} print example.ret --copies 2 --pdf copies.pdf
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc)
expect_pdf(${WORK}/copies.pdf ${twice})

# A target that cannot be written: said why, and no file.
execute_process(COMMAND ${FINPLAN} print example.ret --pdf ${WORK}/no/such/folder/out.pdf
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Cannot open .*out\\.pdf for writing!\nNo such file"
        OR EXISTS ${WORK}/no/such/folder/out.pdf)
    message(FATAL_ERROR "print to a missing folder: rc=${rc}\n${err}")
endif()

# A scenario that cannot be read leaves an existing PDF as it was.
file(WRITE ${WORK}/keep.pdf "old")
execute_process(COMMAND ${FINPLAN} print missing.ret --pdf keep.pdf WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc)
file(READ ${WORK}/keep.pdf kept)
if(NOT rc EQUAL 1 OR NOT kept STREQUAL "old")
    message(FATAL_ERROR "print of a missing scenario: rc=${rc}, keep.pdf now ${kept}")
endif()

foreach(kind networth inout incoming outgoing accounts groups pie)
    execute_process(COMMAND ${FINPLAN} print-graph example.ret --kind ${kind} --pdf ${kind}.pdf
        WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "print-graph --kind ${kind}: rc=${rc}\n${err}")
    endif()
    expect_pdf(${WORK}/${kind}.pdf 1)
endforeach()

execute_process(COMMAND ${FINPLAN} print-graph example.ret --kind summary --pdf summary.pdf
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR EXISTS ${WORK}/summary.pdf)
    message(FATAL_ERROR "print-graph of the Summary: rc=${rc}\n${err}")
endif()

# Margins that leave no room for the plot: said, exit status 1, no page written.
execute_process(COMMAND ${FINPLAN} print-graph example.ret --kind networth --pdf cramped.pdf
    --margins 4000,1000,4000,1000 WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR EXISTS ${WORK}/cramped.pdf OR NOT err MATCHES "no room for the graph")
    message(FATAL_ERROR "print-graph with no room: rc=${rc}\n${err}")
endif()
