flotanor_add_test(tst_reportspage SOURCES tst_reportspage.cpp LIBS flotanor_shell_ui WIDGETS
    ENGINES sqlite postgres)
