flotanor_add_test(tst_ksiegowanie SOURCES tst_ksiegowanie.cpp LIBS flotanor_output_ui WIDGETS
    ENGINES sqlite postgres)
