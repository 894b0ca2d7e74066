flotanor_add_test(tst_options SOURCES tst_options.cpp LIBS flotanor_options_ui WIDGETS)
