# The log viewer. Its window and file following live in
# a small library of their own so that its tests link them without the program's main.
file(GLOB LOGBROWSE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER LOGBROWSE_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(logbrowse_viewer STATIC ${LOGBROWSE_SOURCES})
set_target_properties(logbrowse_viewer PROPERTIES AUTOMOC ON)
target_include_directories(logbrowse_viewer PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(logbrowse_viewer PUBLIC Qt6::Widgets)

# The viewer's tests (tests/logbrowse/qt/) and its benchmark are made by tests.cmake and
# bench.cmake, which run after this file; once the whole top directory is read, they get the
# viewer's library.
function(logbrowse_link_consumers)
    file(GLOB tests ${CMAKE_SOURCE_DIR}/tests/logbrowse/qt/*_test.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        if(TARGET ${name})
            target_link_libraries(${name} PRIVATE logbrowse_viewer)
        endif()
    endforeach()
    if(TARGET logbrowse_bench)
        target_link_libraries(logbrowse_bench PRIVATE logbrowse_viewer)
    endif()
endfunction()
cmake_language(DEFER CALL logbrowse_link_consumers)
