# Library tests: every tests/**/*_test.cpp outside a qt/ folder goes into one GoogleTest
# program; CTest sees each test case on its own.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE QUORVEL_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
list(FILTER QUORVEL_CORE_TESTS EXCLUDE REGEX "/qt/")
file(GLOB_RECURSE QUORVEL_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
if(QUORVEL_CORE_TESTS)
    add_executable(quorvel_tests ${QUORVEL_CORE_TESTS} ${QUORVEL_TEST_SUPPORT})
    target_link_libraries(quorvel_tests PRIVATE
        quorvel_core GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(quorvel_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(quorvel_tests PRIVATE
        QUORVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QUORVEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
    # GeographicLib, which the core links, is also the independent reference the geodesy
    # tests compare the page's own conversions with.
    gtest_discover_tests(quorvel_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
endif()

# Form and dialog tests: one Qt Test program per tests/**/qt/*_test.cpp, run offscreen.
if(QUORVEL_GUI)
    # At any depth, so that tests/pages/<page>/qt/ is collected as well as tests/shell/qt/.
    file(GLOB_RECURSE QUORVEL_QT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
    list(FILTER QUORVEL_QT_TESTS INCLUDE REGEX "/qt/[^/]*_test\\.cpp$")
    file(GLOB_RECURSE QUORVEL_QT_TEST_SUPPORT CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/tests/qt_support/*.cpp)
    # The support's own tests (tests/qt_support/qt/) are test programs of their own.
    list(FILTER QUORVEL_QT_TEST_SUPPORT EXCLUDE REGEX "_test\\.cpp$")
    if(QUORVEL_QT_TEST_SUPPORT)
        # The Qt tests share the toolkit-free fake clock with the library tests.
        # Objects rather than an archive, so that every Qt test program gets the start-up
        # watch over unanswered modal windows, whichever of the helpers it uses.
        add_library(quorvel_qt_test_support OBJECT ${QUORVEL_QT_TEST_SUPPORT}
            ${CMAKE_SOURCE_DIR}/tests/support/fake_clock.cpp)
        set_target_properties(quorvel_qt_test_support PROPERTIES AUTOMOC ON)
        target_link_libraries(quorvel_qt_test_support PUBLIC quorvel_gui Qt6::Test)
        target_include_directories(quorvel_qt_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
    endif()
    foreach(source ${QUORVEL_QT_TESTS})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE quorvel_gui Qt6::Test)
        if(TARGET quorvel_qt_test_support)
            target_link_libraries(${name} PRIVATE quorvel_qt_test_support)
        endif()
        target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
        target_compile_definitions(${name} PRIVATE
            QUORVEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QUORVEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            TIMEOUT 120)
    endforeach()
endif()

# Test scripts that drive the built programs as processes: tests/**/*.cmake fragments.
file(GLOB_RECURSE QUORVEL_TEST_FRAGMENTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/*.cmake)
foreach(fragment ${QUORVEL_TEST_FRAGMENTS})
    include(${fragment})
endforeach()

# Every test that came without a time limit of its own gets one, so that no test can hold up
# a run. Deferred to the end of the top directory, after the fuzz replays and every fragment.
function(quorvel_limit_test_times)
    get_property(tests DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY TESTS)
    foreach(test ${tests})
        get_test_property(${test} TIMEOUT limit)
        if(NOT limit)
            set_tests_properties(${test} PROPERTIES TIMEOUT 120)
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quorvel_limit_test_times)
