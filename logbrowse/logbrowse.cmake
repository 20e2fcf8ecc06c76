# The log viewer, "LogBrowse.exe", built beside QuorvelII. Its window and file following live in
# a small library of their own so that its tests link them without the program's main.
file(GLOB LOGBROWSE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER LOGBROWSE_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(logbrowse_viewer STATIC ${LOGBROWSE_SOURCES})
set_target_properties(logbrowse_viewer PROPERTIES AUTOMOC ON)
target_include_directories(logbrowse_viewer PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(logbrowse_viewer PUBLIC Qt6::Widgets)

add_executable(LogBrowse ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(LogBrowse PRIVATE logbrowse_viewer)
set_target_properties(LogBrowse PROPERTIES
    OUTPUT_NAME "LogBrowse.exe"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The viewer's tests (tests/logbrowse/qt/) are made by tests.cmake, which runs after this file;
# once the whole top directory is read, they get the viewer's library, and the tests that
# start the program wait for it to be built.
function(logbrowse_link_consumers)
    file(GLOB tests ${CMAKE_SOURCE_DIR}/tests/logbrowse/qt/*_test.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        if(TARGET ${name})
            target_link_libraries(${name} PRIVATE logbrowse_viewer)
            add_dependencies(${name} LogBrowse)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER CALL logbrowse_link_consumers)

# The viewer's benchmark uses Qt, so it sits in bench/qt/, out of bench.cmake's reach; it is
# built the same way, into <build>/bench/, and never run by CI.
if(BUILD_TESTING)
    find_package(benchmark QUIET)
endif()
if(BUILD_TESTING AND benchmark_FOUND)
    add_executable(logbrowse_bench ${CMAKE_SOURCE_DIR}/bench/qt/logbrowse_bench.cpp)
    target_link_libraries(logbrowse_bench PRIVATE logbrowse_viewer benchmark::benchmark_main)
    set_target_properties(logbrowse_bench PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endif()
