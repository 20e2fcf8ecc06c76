# QuorvelII answers --help and --version without a display, as the manual page build needs:
# with a window system that does not exist, a start of the window would fail.
if(TARGET QuorvelII)
    set(first_line_check
        [=[out=$(QT_QPA_PLATFORM=none DISPLAY= WAYLAND_DISPLAY= "$0" "$1") && test "$(printf '%s\n' "$out" | head -n 1)" = "$2"]=])
    add_test(NAME program_help_without_display
             COMMAND sh -c "${first_line_check}" $<TARGET_FILE:QuorvelII> --help "Usage: QuorvelII")
    add_test(NAME program_version_without_display
             COMMAND sh -c "${first_line_check}" $<TARGET_FILE:QuorvelII> --version "QuorvelII 2.05")
endif()
