# The launcher of the build tree, which starts the QuorvelII beside it.
if(TARGET QuorvelII AND TARGET LogBrowse)
    add_test(NAME desktop_launcher
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/launcher_test.sh ${CMAKE_BINARY_DIR}/quorvel)
    set_tests_properties(desktop_launcher PROPERTIES TIMEOUT 180)
endif()
