# quorvel-cli: the calculator pages without the window, on the core library alone. Everything
# but main.cpp goes into quorvel_cli, which the tests link as well.
file(GLOB QUORVEL_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp)
list(FILTER QUORVEL_CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(quorvel_cli STATIC ${QUORVEL_CLI_SOURCES})
target_link_libraries(quorvel_cli PUBLIC quorvel_core)

add_executable(quorvel-cli cli/main.cpp)
target_link_libraries(quorvel-cli PRIVATE quorvel_cli)
# Only the libraries whose symbols are used are loaded: the core's sound library is not; the
# sanitizers need the shared runtimes.
target_link_options(quorvel-cli PRIVATE -Wl,--as-needed)
if(NOT QUORVEL_SANITIZE)
    # GeographicLib's shared library would load the shared C++ runtime (about 1.8 MiB more
    # memory a run); the core links its archive where there is one.
    if(QUORVEL_GEOGRAPHICLIB_ARCHIVE)
        # With every library at hand as an archive the program is linked as a static
        # position-independent executable: a one-shot run then loads and relocates no shared
        # library at all (the C library and libm took about a third of a run), and keeps
        # address randomisation. Sections no command reaches are left out.
        set_target_properties(quorvel-cli PROPERTIES QUORVEL_STATIC_PROGRAM ON)
        target_link_options(quorvel-cli PRIVATE -static-pie -Wl,--gc-sections)
    else()
        # The C++ runtime at least is linked in, which spares loading and relocating
        # libstdc++ (less start-up time, about 0.7 MiB less memory).
        target_link_options(quorvel-cli PRIVATE -static-libstdc++ -static-libgcc)
    endif()
endif()
set_target_properties(quorvel-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
