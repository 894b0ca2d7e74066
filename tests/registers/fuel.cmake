flotanor_add_test(tst_zuzycie SOURCES tst_zuzycie.cpp LIBS flotanor_registers_ui WIDGETS ENGINES sqlite postgres)
