# `cmake --install build [--prefix DIR]` (DESTDIR honoured): the programs in bin/, the
# help file and the example in share/finplanner/, and what a freedesktop desktop needs to
# offer the planner in its menu and open ".ret" scenarios with it: the .desktop entry,
# the icon and the MIME type.
include(GNUInstallDirs)

set(FINPLAN_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS finplan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT FINPLAN_GUI)
    return()
endif()

install(TARGETS finplanner finplan-plot finplan-compare finplan-tradeoff finplan-graph-png
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The programs look for these in ../share/finplanner from their own folder.
install(FILES ${PROJECT_SOURCE_DIR}/resources/finance.hlp ${PROJECT_SOURCE_DIR}/examples/example.ret
    DESTINATION ${CMAKE_INSTALL_DATADIR}/finplanner)
install(FILES ${FINPLAN_DESKTOP_DIR}/finplanner.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The size every icon theme must have, for desktops that draw no SVG.
install(FILES ${FINPLAN_DESKTOP_DIR}/finplanner-48.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME finplanner.png)
install(FILES ${FINPLAN_DESKTOP_DIR}/finplanner-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME finplanner.xml)

# The desktop entry starts the program by its full path (~/.local/bin is often not on a
# desktop session's PATH), which is known only once the prefix is: written at install time.
install(CODE "
    set(FINPLANNER_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/finplanner\")
    configure_file(\"${FINPLAN_DESKTOP_DIR}/finplanner.desktop.in\"
        \"${CMAKE_BINARY_DIR}/install/finplanner.desktop\" @ONLY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
        TYPE FILE FILES \"${CMAKE_BINARY_DIR}/install/finplanner.desktop\")
")

# Installed for real (no DESTDIR: a package builder runs these on the target machine),
# the desktop's caches learn of the new type, entry and icon; tools missing are skipped.
install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
        find_program(update_mime update-mime-database)
        find_program(update_desktop update-desktop-database)
        find_program(update_icons gtk-update-icon-cache)
        if(update_mime)
            execute_process(COMMAND \${update_mime} \"\${share}/mime\" OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(update_desktop)
            execute_process(COMMAND \${update_desktop} \"\${share}/applications\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(update_icons AND EXISTS \"\${share}/icons/hicolor/index.theme\")
            execute_process(COMMAND \${update_icons} -q -t \"\${share}/icons/hicolor\"
                OUTPUT_QUIET ERROR_QUIET)
        endif()
    endif()
")
