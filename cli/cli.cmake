# quorvel-cli: the calculator pages without the window, on the core library alone. Everything
# but main.cpp goes into quorvel_cli, which the tests link as well.
file(GLOB QUORVEL_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/*.cpp)
list(FILTER QUORVEL_CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(quorvel_cli STATIC ${QUORVEL_CLI_SOURCES})
target_link_libraries(quorvel_cli PUBLIC quorvel_core)

add_executable(quorvel-cli cli/main.cpp)
target_link_libraries(quorvel-cli PRIVATE quorvel_cli)
# Only the libraries whose symbols are used are loaded: the core's sound library is not. The
# C++ runtime is linked in, which spares a one-shot run loading and relocating libstdc++ (less
# start-up time, about 0.7 MiB less memory); the sanitizers need the shared runtime.
target_link_options(quorvel-cli PRIVATE -Wl,--as-needed)
if(NOT QUORVEL_SANITIZE)
    target_link_options(quorvel-cli PRIVATE -static-libstdc++ -static-libgcc)
    # GeographicLib's shared library would load the shared C++ runtime all the same (about
    # 1.8 MiB more memory a run); its archive, placed after the core that needs it, is linked
    # in instead and the shared one is then left out as not needed.
    find_library(QUORVEL_GEOGRAPHICLIB_ARCHIVE libGeographicLib.a)
    if(QUORVEL_GEOGRAPHICLIB_ARCHIVE)
        target_link_libraries(quorvel-cli PRIVATE quorvel_core ${QUORVEL_GEOGRAPHICLIB_ARCHIVE})
    endif()
endif()
set_target_properties(quorvel-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
