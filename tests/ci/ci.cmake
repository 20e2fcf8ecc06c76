# The checks CI runs over the tree: the layer check refuses an include that reaches up or
# across, and the tree itself holds its layers.
add_test(NAME check_layers_refuses_breaks
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check_layers_test.sh ${CMAKE_SOURCE_DIR}/.ci/check-layers)
add_test(NAME check_layers_of_the_tree COMMAND ${CMAKE_SOURCE_DIR}/.ci/check-layers)
