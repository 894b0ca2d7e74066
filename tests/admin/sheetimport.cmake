flotanor_add_test(tst_sheetimport SOURCES tst_sheetimport.cpp LIBS flotanor_import ENGINES sqlite postgres)
target_compile_definitions(tst_sheetimport PRIVATE FLOTANOR_CLI="$<TARGET_FILE:flotanor-cli>")
add_dependencies(tst_sheetimport flotanor-cli)
