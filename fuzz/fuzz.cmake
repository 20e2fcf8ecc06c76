# Fuzz targets: fuzz/<name>_fuzzer.cpp, each defining LLVMFuzzerTestOneInput.
# With QUORVEL_FUZZ (clang) they are libFuzzer programs in <build>/fuzz/; in every other build
# they link a small driver that replays the seeds in fuzz/seeds/<name>/, as a CTest test, so
# the targets keep compiling and the seeds keep passing.
file(GLOB QUORVEL_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzzer.cpp)
foreach(source ${QUORVEL_FUZZERS})
    get_filename_component(target ${source} NAME_WE)
    string(REGEX REPLACE "_fuzzer$" "" name ${target})
    if(QUORVEL_FUZZ)
        add_executable(${target} ${source})
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_compile_options(quorvel_core PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
        target_link_options(quorvel_core INTERFACE -fsanitize=address,undefined)
    else()
        add_executable(${target} ${source} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
        if(BUILD_TESTING)
            add_test(NAME ${target}_seeds COMMAND ${target} ${CMAKE_SOURCE_DIR}/fuzz/seeds/${name})
        endif()
    endif()
    target_link_libraries(${target} PRIVATE quorvel_core)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endforeach()
