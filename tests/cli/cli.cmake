# quorvel-cli's tests. Its library tests (tests/cli/*_test.cpp) are part of quorvel_tests and
# need the CLI's own library; the process tests below run the built program.
if(TARGET quorvel_tests AND TARGET quorvel_cli)
    target_link_libraries(quorvel_tests PRIVATE quorvel_cli)
endif()

# Golden files: each tests/cli/golden/*.golden runs through the built program (see
# golden_runner.cpp for the format).
if(TARGET quorvel-cli)
    add_executable(quorvel_cli_golden ${CMAKE_CURRENT_LIST_DIR}/golden_runner.cpp)
    file(GLOB QUORVEL_CLI_GOLDEN CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/golden/*.golden)
    foreach(golden ${QUORVEL_CLI_GOLDEN})
        get_filename_component(name ${golden} NAME_WE)
        add_test(NAME cli_golden_${name}
                 COMMAND quorvel_cli_golden $<TARGET_FILE:quorvel-cli> ${golden})
    endforeach()
    # Output that cannot be written is a failure, not a silent success.
    add_test(NAME cli_output_write_failure
             COMMAND sh -c "\"$0\" --list >/dev/full; test $? -eq 1" $<TARGET_FILE:quorvel-cli>)
    # So is a batch whose standard input cannot be read (a directory, a closed descriptor).
    add_test(NAME cli_batch_read_failure
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/batch_read_failure.sh $<TARGET_FILE:quorvel-cli>)
endif()

# The window-against-program comparison runs the built program.
if(TARGET cli_window_display_test AND TARGET quorvel-cli)
    add_dependencies(cli_window_display_test quorvel-cli)
endif()
if(TARGET wg84_cli_window_test AND TARGET quorvel-cli)
    add_dependencies(wg84_cli_window_test quorvel-cli)
endif()
