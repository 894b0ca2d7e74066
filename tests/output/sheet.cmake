flotanor_add_test(tst_recordsheet SOURCES tst_recordsheet.cpp LIBS flotanor_output ENGINES sqlite postgres)
