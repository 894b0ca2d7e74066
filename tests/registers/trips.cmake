flotanor_add_test(tst_przejazdy SOURCES tst_przejazdy.cpp LIBS flotanor_registers_ui WIDGETS ENGINES sqlite postgres)
