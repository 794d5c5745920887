# A fresh install from outside, run with cmake -P:
#   -DBUILD=<build folder> -DWORK=<dir> [-DVALIDATE=<desktop-file-validate>]
#   [-DUPDATE_MIME=<update-mime-database>]
# Installs into WORK/root with DESTDIR for the prefix /opt/finplanner, validates the
# desktop entry and the MIME type, then starts the installed programs offscreen: the
# help file and the example are found in share/, a start from a terminal works in its
# folder and a start from the desktop menu in the user's data folder.
set(PREFIX /opt/finplanner)
set(ROOT ${WORK}/root)
set(BIN ${ROOT}${PREFIX}/bin)
set(SHARE ${ROOT}${PREFIX}/share)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/terminal ${WORK}/elsewhere ${WORK}/home)

# Runs a command in a folder with the environment given before COMMAND; fails the test
# unless it ends with status 0. The standard output is left in `out`.
function(run_in dir what)
    cmake_parse_arguments(R "" "" "ENV;COMMAND" ${ARGN})
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${R_ENV}
        ${R_COMMAND} WORKING_DIRECTORY ${dir}
        RESULT_VARIABLE rc OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what}: rc=${rc}\n${stdout}${stderr}")
    endif()
    set(out "${stdout}" PARENT_SCOPE)
endfunction()

function(expect_files)
    foreach(f ${ARGN})
        if(NOT EXISTS ${f})
            message(FATAL_ERROR "${f} is missing")
        endif()
    endforeach()
endfunction()

# The install writes BUILD/install_manifest.txt, which `make uninstall` reads: the
# user's own install's list is put back at once.
set(MANIFEST ${BUILD}/install_manifest.txt)
if(EXISTS ${MANIFEST})
    file(COPY_FILE ${MANIFEST} ${WORK}/user_manifest.txt)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ROOT}
    ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(EXISTS ${WORK}/user_manifest.txt)
    file(COPY_FILE ${WORK}/user_manifest.txt ${MANIFEST})
else()
    file(REMOVE ${MANIFEST})
endif()
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install: rc=${rc}\n${out}${err}")
endif()
set(DESKTOP ${SHARE}/applications/finplanner.desktop)
expect_files(${BIN}/finplanner ${BIN}/finplan ${BIN}/finplan-plot ${BIN}/finplan-compare
    ${BIN}/finplan-tradeoff ${SHARE}/finplanner/finance.hlp ${SHARE}/finplanner/example.ret
    ${DESKTOP} ${SHARE}/icons/hicolor/scalable/apps/finplanner.svg
    ${SHARE}/icons/hicolor/48x48/apps/finplanner.png
    ${SHARE}/mime/packages/finplanner.xml)

# The desktop entry: valid, and starting the installed program (by its final path) so
# that it works in the data folder.
file(READ ${DESKTOP} entry)
if(NOT entry MATCHES "\nExec=${PREFIX}/bin/finplanner --desktop %f\n"
   OR NOT entry MATCHES "\nMimeType=application/x-finplanner-scenario;\n")
    message(FATAL_ERROR "desktop entry:\n${entry}")
endif()
if(NOT VALIDATE)
    message(FATAL_ERROR "desktop-file-validate is missing (scripts/install-deps.sh installs it)")
endif()
run_in(${WORK} "desktop-file-validate" COMMAND ${VALIDATE} ${DESKTOP})
if(NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
# The MIME database built from the installed type knows ".ret" scenarios.
if(UPDATE_MIME)
    file(COPY ${SHARE}/mime/packages DESTINATION ${WORK}/mime)
    run_in(${WORK} "update-mime-database" COMMAND ${UPDATE_MIME} ${WORK}/mime)
    file(READ ${WORK}/mime/globs2 globs)
    if(NOT globs MATCHES "application/x-finplanner-scenario:\\*\\.ret")
        message(FATAL_ERROR "the MIME database has no *.ret:\n${globs}")
    endif()
endif()

# --help and --version as Linux programs answer them, without a display.
run_in(${WORK} "--help" COMMAND ${BIN}/finplanner --help)
if(NOT out MATCHES "^Usage: finplanner "
   OR NOT out MATCHES "\nHelp file: ${SHARE}/finplanner/finance.hlp\n")
    message(FATAL_ERROR "finplanner --help:\n${out}")
endif()
run_in(${WORK} "--version" COMMAND ${BIN}/finplanner --version)
if(NOT out MATCHES "^finplanner [0-9]+\\.[0-9]+\n$")
    message(FATAL_ERROR "finplanner --version: ${out}")
endif()

# From a terminal: the bundled example opened (its eight accounts make the tab
# "Accounts 1-8"), the plot file written in the folder it was started in.
run_in(${WORK}/terminal "terminal start" ENV HOME=${WORK}/home
    COMMAND ${BIN}/finplanner --grab ${WORK}/shots)
expect_files(${WORK}/shots/09-accounts-1-8.png ${WORK}/terminal/plotinf01.tmp)

# From the desktop menu: the files land in the data folder, none in the start folder.
run_in(${WORK}/elsewhere "desktop start" ENV HOME=${WORK}/home XDG_DATA_HOME=${WORK}/data
    COMMAND ${BIN}/finplanner --desktop --grab ${WORK}/desktop-shots)
expect_files(${WORK}/data/finplanner/plans/plotinf01.tmp ${WORK}/data/finplanner/plans/finance.dat
    ${WORK}/desktop-shots/09-accounts-1-8.png)
run_in(${WORK}/elsewhere "desktop start without XDG_DATA_HOME" ENV HOME=${WORK}/home
    --unset=XDG_DATA_HOME COMMAND ${BIN}/finplanner --desktop --grab ${WORK}/desktop-shots)
expect_files(${WORK}/home/.local/share/finplanner/plans/plotinf01.tmp)
file(GLOB left ${WORK}/elsewhere/*)
if(left)
    message(FATAL_ERROR "a desktop start wrote into its start folder: ${left}")
endif()

# The installed viewers on the installed example's plot file.
run_in(${WORK} "runner" COMMAND ${BIN}/finplan run ${SHARE}/finplanner/example.ret
    --plot ${WORK}/example.kvp)
run_in(${WORK} "plot viewer" COMMAND ${BIN}/finplan-plot --grab ${WORK}/plot.png ${WORK}/example.kvp)
run_in(${WORK} "comparison" COMMAND ${BIN}/finplan-compare --grab ${WORK}/compare.png
    ${WORK}/example.kvp)
expect_files(${WORK}/plot.png ${WORK}/compare.png)
