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

# The print file and the page files are scratch work in a folder of the command's own,
# gone afterwards: a user's file named "page1" in the working folder stays theirs.
file(WRITE ${WORK}/page1 "mine")
file(MAKE_DIRECTORY ${WORK}/tmp)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${WORK}/tmp
    ${FINPLAN} print example.ret --pdf schedule.pdf WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ ${WORK}/schedule.pdf body)
string(REGEX MATCH "/Count ([0-9]+) " found "${body}")
set(count ${CMAKE_MATCH_1})
file(READ ${WORK}/page1 page1)
file(GLOB left ${WORK}/page* ${WORK}/ptmpsch.dat ${WORK}/plotinf01.tmp ${WORK}/tmp/*)
if(NOT rc EQUAL 0 OR count LESS 2 OR NOT page1 STREQUAL "mine" OR NOT left STREQUAL "${WORK}/page1")
    message(FATAL_ERROR "print: rc=${rc} pages=${count} left=${left}\n${err}")
endif()
expect_pdf(${WORK}/schedule.pdf ${count})

# A run whose plot file cannot be written (the file-size limit stops the write) says
# which file in which folder, prints no schedule and fails.
execute_process(COMMAND bash -c "trap '' XFSZ; ulimit -f 1; exec \"$0\" run example.ret"
    ${FINPLAN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out STREQUAL ""
        OR NOT err MATCHES "FILE ERROR: Cannot open plot file\n${WORK}/plotinf01.tmp: File too large")
    message(FATAL_ERROR "run without its plot file: rc=${rc}\n${out}${err}")
endif()

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
