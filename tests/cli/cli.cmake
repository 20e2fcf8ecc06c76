# quorvel-cli's tests. Its library tests (tests/cli/*_test.cpp) are part of quorvel_tests and
# need the CLI's own library; the process tests below run the built program.
if(TARGET quorvel_tests AND TARGET quorvel_cli)
    target_link_libraries(quorvel_tests PRIVATE quorvel_cli)
endif()
