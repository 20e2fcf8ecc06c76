# The file-safety tests once more as the unprivileged user "nobody", where permissions bind
# and links planted by others are the threat. Run only by root on a machine that has that
# user; elsewhere the test is skipped with its reason printed.
if(TARGET quorvel_tests)
    set(QUORVEL_FILE_SAFETY_SUITES
        SaveSettingsText BackUpSettings RemoveStaleTemporaries ReplaceWholeFile
        ReplaceFileAtomically RewriteFileInPlace CreateWholeFile ReadWholeFile ErrorLogTest
        IniFile FileReadable DirectoryUsable CopyFileBytes BackupFile EnterDirectory ProgramPath
        FreeHardcopyPathTest HardcopyPathTest LogFileNameTest DriverToolsScriptTest CliSettings
        FolderBelow Steps/FolderBelow FolderWorkingDirectory FileAt ProgramRunFiles
        SettingsFileSize Sizes/SettingsFileSize CliBatch)
    list(TRANSFORM QUORVEL_FILE_SAFETY_SUITES APPEND ".*")
    list(JOIN QUORVEL_FILE_SAFETY_SUITES ":" QUORVEL_FILE_SAFETY_FILTER)
    add_test(NAME file_safety_as_nobody
             COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/run_as_nobody.sh $<TARGET_FILE:quorvel_tests>
                     --gtest_filter=${QUORVEL_FILE_SAFETY_FILTER})
    set_tests_properties(file_safety_as_nobody PROPERTIES SKIP_RETURN_CODE 77)
endif()
