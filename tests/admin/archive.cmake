# The archive logic, its commands and its window.
flotanor_add_test(tst_archive SOURCES tst_archive.cpp LIBS flotanor_archive_ui WIDGETS
    ENGINES sqlite postgres)
target_compile_definitions(tst_archive PRIVATE FLOTANOR_CLI="$<TARGET_FILE:flotanor-cli>")
add_dependencies(tst_archive flotanor-cli)
