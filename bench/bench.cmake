# Benchmarks: bench/<name>_bench.cpp, one Google Benchmark program each, in <build>/bench/.
# Built with the project, never run by CI.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    file(GLOB QUORVEL_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
    foreach(source ${QUORVEL_BENCHES})
        get_filename_component(target ${source} NAME_WE)
        add_executable(${target} ${source})
        target_link_libraries(${target} PRIVATE quorvel_core benchmark::benchmark_main)
        # Benchmarks of quorvel-cli itself take its library too.
        if(TARGET quorvel_cli AND target MATCHES "^batch")
            target_link_libraries(${target} PRIVATE quorvel_cli)
        endif()
        set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    endforeach()
endif()

# The window's benchmarks use Qt, so they sit in bench/qt/ and link the window library (the
# log viewer's benchmark is made with the viewer).
if(benchmark_FOUND AND TARGET quorvel_gui)
    foreach(target main_window_bench page_copy_bench frame_map_paint_bench)
        add_executable(${target} ${CMAKE_SOURCE_DIR}/bench/qt/${target}.cpp)
        target_link_libraries(${target} PRIVATE quorvel_gui benchmark::benchmark_main)
        set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    endforeach()
endif()
