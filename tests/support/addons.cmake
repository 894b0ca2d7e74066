flotanor_add_test(tst_addons SOURCES tst_addons.cpp LIBS flotanor_addons)
