# Draws the bundled example with `finplan graph` in every kind and style and has each
# SVG rendered by a real SVG renderer; with PNG set, also through finplan-graph-png.
# Arguments: FINPLAN, RSVG, SCENARIO, OUT, optional PNG.
# One case a list item; its words are separated by "|".
set(cases
    "networth" "inout|--style|bars" "incoming" "outgoing|--style|3d" "accounts" "groups"
    "summary" "summary|--pies|--age|70" "pie|--of|incoming|--age|66" "networth|--printer")
set(i 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" " " label "${case}")
    string(REPLACE "|" ";" case "${case}")
    list(POP_FRONT case kind)
    math(EXPR i "${i} + 1")
    execute_process(COMMAND ${FINPLAN} graph ${SCENARIO} --kind ${kind} ${case}
                            --svg ${OUT}/graph${i}.svg
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "finplan graph ${label}: ${rc} ${err}")
    endif()
    execute_process(COMMAND ${RSVG} ${OUT}/graph${i}.svg -o ${OUT}/graph${i}.png
                    RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "rsvg-convert on ${label}: ${rc} ${err}")
    endif()
    if(PNG)
        execute_process(COMMAND ${PNG} ${SCENARIO} --kind ${kind} ${case}
                                --png ${OUT}/graph${i}-qt.png
                        RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc EQUAL 0 OR NOT EXISTS ${OUT}/graph${i}-qt.png)
            message(FATAL_ERROR "finplan-graph-png ${label}: ${rc} ${err}")
        endif()
    endif()
endforeach()
