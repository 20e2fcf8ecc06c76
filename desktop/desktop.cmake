# QuorvelII on a desktop: the launcher, the icon built into the window program, and what
# `cmake --install` puts under the prefix:
#   bin/quorvel-cli, bin/quorvel (the launcher the desktop entry runs), bin/QuorvelII (a link)
#   libexec/quorvel/QuorvelII and libexec/quorvel/LogBrowse.exe, side by side, since the
#       About box looks for the viewer beside the running program
#   share/applications, share/metainfo, share/icons/hicolor: desktop entry, AppStream
#       metadata, the icon as SVG and in PNG sizes
#   share/man/man1: the manual pages, made from the programs' --help with help2man
include(GNUInstallDirs)
set(QUORVEL_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBEXECDIR}/quorvel" CACHE STRING
    "Where QuorvelII and LogBrowse.exe are installed, relative to the prefix")
set(QUORVEL_MAN_PAGES AUTO CACHE STRING
    "Make the manual pages with help2man: ON, OFF, or AUTO (when help2man is found)")
set(QUORVEL_DESKTOP_ID example.kelmor_instruments.QuorvelII)
set(QUORVEL_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR})
set(QUORVEL_ICON_SIZES 16 22 24 32 48 64 128 256)

# The window program carries the icon's pictures as a resource of the GUI library.
if(TARGET quorvel_gui)
    target_sources(quorvel_gui PRIVATE ${QUORVEL_DESKTOP_DIR}/icons/quorvel_icons.qrc)
endif()

# The launcher finds the programs from where it stands: beside it in the build tree, the
# program directory relative to bin/ once installed.
file(RELATIVE_PATH QUORVEL_LAUNCHER_TO_PROGRAMS
    /${CMAKE_INSTALL_BINDIR} /${QUORVEL_INSTALL_PROGRAMDIR})
configure_file(${QUORVEL_DESKTOP_DIR}/quorvel.in ${CMAKE_BINARY_DIR}/install/quorvel @ONLY)
set(QUORVEL_LAUNCHER_TO_PROGRAMS .)
configure_file(${QUORVEL_DESKTOP_DIR}/quorvel.in ${CMAKE_BINARY_DIR}/quorvel @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

if(TARGET quorvel-cli)
    install(TARGETS quorvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET QuorvelII)
    install(TARGETS QuorvelII LogBrowse RUNTIME DESTINATION ${QUORVEL_INSTALL_PROGRAMDIR})
    install(PROGRAMS ${CMAKE_BINARY_DIR}/install/quorvel DESTINATION ${CMAKE_INSTALL_BINDIR})
    # QuorvelII on the PATH too, for starts in a directory of the user's choosing.
    file(RELATIVE_PATH program_link_target
        /${CMAKE_INSTALL_BINDIR} /${QUORVEL_INSTALL_PROGRAMDIR}/QuorvelII)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/QuorvelII\")
        message(STATUS \"Installing: \${link}\")
        file(CREATE_LINK \"${program_link_target}\" \"\${link}\" SYMBOLIC)")

    install(FILES ${QUORVEL_DESKTOP_DIR}/${QUORVEL_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QUORVEL_DESKTOP_DIR}/${QUORVEL_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${QUORVEL_DESKTOP_DIR}/icons/quorvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size ${QUORVEL_ICON_SIZES})
        install(FILES ${QUORVEL_DESKTOP_DIR}/icons/${size}x${size}/quorvel.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

# Manual pages from --help and --version. The programs run at build time, so a sanitizer
# or fuzzing build makes none unless asked to.
find_program(HELP2MAN_EXECUTABLE help2man)
if(QUORVEL_MAN_PAGES STREQUAL "AUTO")
    if(HELP2MAN_EXECUTABLE AND NOT QUORVEL_SANITIZE AND NOT QUORVEL_FUZZ)
        set(make_man_pages ON)
    else()
        set(make_man_pages OFF)
    endif()
else()
    set(make_man_pages ${QUORVEL_MAN_PAGES})
endif()
if(make_man_pages AND NOT HELP2MAN_EXECUTABLE)
    message(FATAL_ERROR "QUORVEL_MAN_PAGES is ${QUORVEL_MAN_PAGES} but help2man is not found")
endif()
if(make_man_pages)
    set(man_pages)
    # quorvel_man_page(NAME PROGRAM DESCRIPTION DEPENDS...): NAME.1 from PROGRAM --help and
    # --version, with desktop/man/NAME.h2m added.
    function(quorvel_man_page name program description)
        set(page ${CMAKE_BINARY_DIR}/man/${name}.1)
        set(include ${QUORVEL_DESKTOP_DIR}/man/${name}.h2m)
        add_custom_command(OUTPUT ${page}
            COMMAND ${HELP2MAN_EXECUTABLE} --no-info --section=1 --name=${description}
                    --include=${include} --output=${page} ${program}
            DEPENDS ${ARGN} ${include}
            COMMENT "Making the manual page ${name}(1)"
            VERBATIM)
        set(man_pages ${man_pages} ${page} PARENT_SCOPE)
    endfunction()
    if(TARGET quorvel-cli)
        # quorvel-cli's further usage lines, in the form help2man takes for them ("or:").
        set(cli_help ${CMAKE_BINARY_DIR}/man/help/quorvel-cli)
        string(CONCAT cli_help_script "#!/bin/sh\n"
            "\"$<TARGET_FILE:quorvel-cli>\" \"$@\" | "
            "sed '2,/^$/s/^ \\{7\\}quorvel-cli /  or:  quorvel-cli /'\n")
        file(GENERATE OUTPUT ${cli_help} CONTENT "${cli_help_script}"
            FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                WORLD_READ WORLD_EXECUTE)
        quorvel_man_page(quorvel-cli ${cli_help}
            "QuorvelII's calculator pages from a shell or a script" quorvel-cli ${cli_help})
    endif()
    if(TARGET QuorvelII)
        quorvel_man_page(QuorvelII $<TARGET_FILE:QuorvelII>
            "engineering calculator for telemetry and test-range engineers" QuorvelII)
        quorvel_man_page(quorvel ${CMAKE_BINARY_DIR}/quorvel
            "start QuorvelII in its per-user program directory"
            ${QUORVEL_DESKTOP_DIR}/quorvel.in)
    endif()
    add_custom_target(quorvel_man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
