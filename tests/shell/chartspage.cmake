flotanor_add_test(tst_chartspage SOURCES tst_chartspage.cpp LIBS flotanor_shell_ui WIDGETS
    ENGINES sqlite postgres)
