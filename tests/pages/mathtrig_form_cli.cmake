# The Math/Trig form test compares the window with the built quorvel-cli.
if(TARGET mathtrig_form_test AND TARGET quorvel-cli)
    add_dependencies(mathtrig_form_test quorvel-cli)
endif()
