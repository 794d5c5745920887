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

# What is not a regular file, given to a reader or as the target of a writer: a named
# pipe (which would block a reader for ever), a folder, a device, a loop of links.
# Each command names what it was given, exits 1 and leaves the thing as it was.
# (Cases are command|arguments|expected message, the arguments split by ^.)
file(REMOVE ${WORK}/pipe ${WORK}/loop1 ${WORK}/loop2)
execute_process(COMMAND mkfifo ${WORK}/pipe)
file(CREATE_LINK loop2 ${WORK}/loop1 SYMBOLIC)
file(CREATE_LINK loop1 ${WORK}/loop2 SYMBOLIC)
set(not_files
    "info|${WORK}/pipe|Is a named pipe"
    "info|${WORK}|Is a folder"
    "save-as|${EXAMPLE}^${WORK}/pipe|Is a named pipe"
    "save-as|${EXAMPLE}^${WORK}/loop1|Too many levels of symbolic links"
    "run|${EXAMPLE}^--out^${WORK}/pipe|Cannot open .*pipe\nIs a named pipe"
    "run|${EXAMPLE}^--out^/dev/null|Cannot open /dev/null\nIs a device"
    "graph|${EXAMPLE}^--kind^networth^--svg^${WORK}/pipe|Is a named pipe"
    "graph|${EXAMPLE}^--kind^networth^--svg^${WORK}/loop1|Too many levels")
foreach(case IN LISTS not_files)
    string(REPLACE "|" ";" parts "${case}")
    string(REPLACE "^" ";" parts "${parts}")
    list(GET parts 0 command)
    list(SUBLIST parts 1 -1 rest)
    list(POP_BACK rest expected)
    execute_process(COMMAND ${FINPLAN} ${command} ${rest} TIMEOUT 20
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 1 OR NOT err MATCHES "${expected}")
        message(FATAL_ERROR "${command} ${rest}: rc=${rc}\n${err}")
    endif()
endforeach()
execute_process(COMMAND test -p ${WORK}/pipe RESULT_VARIABLE still_pipe)
execute_process(COMMAND test -c /dev/null RESULT_VARIABLE still_device)
execute_process(COMMAND test -L ${WORK}/loop1 RESULT_VARIABLE still_link)
if(NOT still_pipe EQUAL 0 OR NOT still_device EQUAL 0 OR NOT still_link EQUAL 0)
    message(FATAL_ERROR "a refused target was replaced: pipe ${still_pipe}, "
        "device ${still_device}, link ${still_link}")
endif()

# A save that was interrupted while it wrote the file in place leaves its complete copy
# beside the file: every command names it and stops with 1 until `restore` puts it back.
set(plan ${WORK}/interrupted.ret)
file(REMOVE ${plan})
file(COPY_FILE ${DAMAGED} ${plan})
file(COPY_FILE ${EXAMPLE} ${WORK}/.interrupted.ret.unsaved)
foreach(command info run)
    execute_process(COMMAND ${FINPLAN} ${command} ${plan}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(expected "FILE WARNING: The last save of .*interrupted.ret was interrupted.*kept in "
        ".*/\\.interrupted\\.ret\\.unsaved.*finplan restore")
    string(CONCAT expected ${expected})
    if(NOT rc EQUAL 1 OR NOT err MATCHES "${expected}" OR out)
        message(FATAL_ERROR "${command} after an interrupted save: rc=${rc}\n${out}${err}")
    endif()
endforeach()
execute_process(COMMAND ${FINPLAN} restore ${plan} RESULT_VARIABLE rc ERROR_VARIABLE err)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXAMPLE} ${plan} RESULT_VARIABLE same)
if(NOT rc EQUAL 0 OR NOT same EQUAL 0 OR EXISTS ${WORK}/.interrupted.ret.unsaved)
    message(FATAL_ERROR "restore: rc=${rc}, files differ=${same}\n${err}")
endif()
execute_process(COMMAND ${FINPLAN} info ${plan} RESULT_VARIABLE rc)
execute_process(COMMAND ${FINPLAN} restore ${plan} RESULT_VARIABLE again ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT again EQUAL 1 OR NOT err MATCHES "No interrupted save")
    message(FATAL_ERROR "after the restore: info rc=${rc}, restore rc=${again}\n${err}")
endif()
# --discard keeps the file as it is.
file(COPY_FILE ${DAMAGED} ${WORK}/.interrupted.ret.unsaved)
execute_process(COMMAND ${FINPLAN} restore --discard ${plan} RESULT_VARIABLE rc)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXAMPLE} ${plan} RESULT_VARIABLE same)
if(NOT rc EQUAL 0 OR NOT same EQUAL 0 OR EXISTS ${WORK}/.interrupted.ret.unsaved)
    message(FATAL_ERROR "restore --discard: rc=${rc}, files differ=${same}")
endif()
