flotanor_add_test(tst_reportvariables SOURCES tst_reportvariables.cpp LIBS flotanor_output
    ENGINES sqlite postgres)
