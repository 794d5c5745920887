# The three viewer programs from outside, offscreen, run with cmake -P:
#   -DFINPLAN=<runner> -DPLOT=<finplan-plot> -DCOMPARE=<finplan-compare>
#   -DTRADEOFF=<finplan-tradeoff> -DMAKE_SCENARIO=<make_scenario> -DEXAMPLE=<example.ret>
#   -DWORK=<dir>
# The bundled example's plot file and a trade-off file come from the runner; each
# viewer draws them into a picture and exports its graph; damaged and missing files
# are refused with a message and exit status 1.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run_ok what)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what}: rc=${rc}\n${out}${err}")
    endif()
endfunction()

function(expect_refused what pattern)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 1 OR NOT err MATCHES "${pattern}")
        message(FATAL_ERROR "${what}: rc=${rc}, expected \"${pattern}\"\n${out}${err}")
    endif()
endfunction()

# A picture or an export of at least a few kilobytes that begins with its format's mark.
function(expect_file path mark)
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "${path} was not written")
    endif()
    file(SIZE ${path} size)
    file(READ ${path} head LIMIT 8)
    if(size LESS 2000 OR NOT head MATCHES "${mark}")
        message(FATAL_ERROR "${path}: ${size} bytes beginning \"${head}\"")
    endif()
endfunction()

run_ok("runner" ${FINPLAN} run ${EXAMPLE} --plot ${WORK}/example.kvp)
run_ok("runner trade-off" ${FINPLAN} calc tradeoff --option "Rent,0,1200,0,1500"
    --option "Buy,20000,900,0,1500" --periods 24 --graph-file ${WORK}/trade.tmp)

# Every graph of the example (five accounts pages at most: here one), zoomed, as bars.
foreach(graph 0 1 2 3 4 5)
    run_ok("plot graph ${graph}" ${PLOT} --graph ${graph} --grab ${WORK}/plot${graph}.png
        ${WORK}/plotinf01.tmp)
    expect_file(${WORK}/plot${graph}.png "PNG")
endforeach()
run_ok("plot zoomed" ${PLOT} --from 60 --to 70 --bars --no-legend --grab ${WORK}/zoom.png
    ${WORK}/example.kvp)
foreach(kind png svg pdf)
    run_ok("plot export ${kind}" ${PLOT} --export ${WORK}/graph.${kind} ${WORK}/example.kvp)
endforeach()
expect_file(${WORK}/graph.png "PNG")
expect_file(${WORK}/graph.svg "<")
expect_file(${WORK}/graph.pdf "%PDF")
expect_refused("plot export to another kind" "must end in .png, .svg or .pdf"
    ${PLOT} --export ${WORK}/graph.bmp ${WORK}/example.kvp)

run_ok("compare" ${COMPARE} --grab ${WORK}/compare.png ${WORK}/plotinf01.tmp ${WORK}/example.kvp)
expect_file(${WORK}/compare.png "PNG")
run_ok("compare export" ${COMPARE} --export ${WORK}/compare.svg ${WORK}/plotinf01.tmp)
expect_file(${WORK}/compare.svg "<")
expect_refused("compare five" "one to four plot files" ${COMPARE} --grab ${WORK}/x.png
    a.kvp b.kvp c.kvp d.kvp e.kvp)

run_ok("trade-off" ${TRADEOFF} --grab ${WORK}/trade.png ${WORK}/trade.tmp)
expect_file(${WORK}/trade.png "PNG")

# Damaged and missing files.
file(READ ${WORK}/example.kvp kvp)
string(SUBSTRING "${kvp}" 0 400 cut)
file(WRITE ${WORK}/cut.kvp "${cut}")
foreach(viewer PLOT COMPARE)
    expect_refused("${viewer} cut" "It is not a complete plot file: "
        ${${viewer}} --grab ${WORK}/x.png ${WORK}/cut.kvp)
    expect_refused("${viewer} missing" "The file .*missing.kvp does not exist."
        ${${viewer}} --grab ${WORK}/x.png ${WORK}/missing.kvp)
endforeach()
expect_refused("trade-off given a plot file" "It is not a complete trade-off graph file"
    ${TRADEOFF} --grab ${WORK}/x.png ${WORK}/example.kvp)
expect_refused("trade-off given a folder" "is not a file" ${TRADEOFF} --grab ${WORK}/x.png ${WORK})
if(EXISTS ${WORK}/x.png)
    message(FATAL_ERROR "a refused file still gave a picture")
endif()

# Help and version answer as Linux programs do, also where there is no display at all.
run_ok("plot --version" ${PLOT} --version)
run_ok("compare --help" ${COMPARE} --help)
run_ok("trade-off --version without a display" ${CMAKE_COMMAND} -E env --unset=DISPLAY
    --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ${TRADEOFF} --version)

# A generated plan whose amounts grow past the largest float: the schedule, the trials
# and the plot file hold numbers only, and the plot viewer draws the run.
file(MAKE_DIRECTORY ${WORK}/held)
execute_process(COMMAND ${MAKE_SCENARIO} 1 50 150 s1.ret WORKING_DIRECTORY ${WORK}/held)
foreach(command "run;s1.ret" "trials;s1.ret;--n;40;--seed;5")
    execute_process(COMMAND ${FINPLAN} ${command} WORKING_DIRECTORY ${WORK}/held
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR out MATCHES "(^|[^A-Za-z])-?(inf|nan)([^A-Za-z]|$)")
        message(FATAL_ERROR "finplan ${command}: rc=${rc}, an amount that is no number\n${err}")
    endif()
endforeach()
file(READ ${WORK}/held/plotinf01.tmp plot)
if(plot MATCHES "(inf|nan)")
    message(FATAL_ERROR "the plot file of s1.ret holds an amount that is no number")
endif()
run_ok("plot a held run" ${PLOT} --export ${WORK}/held/s1.png ${WORK}/held/plotinf01.tmp)
expect_file(${WORK}/held/s1.png "PNG")
