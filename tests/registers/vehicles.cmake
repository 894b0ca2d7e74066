flotanor_add_test(tst_pojazdy SOURCES tst_pojazdy.cpp LIBS flotanor_registers_ui WIDGETS ENGINES sqlite postgres)
