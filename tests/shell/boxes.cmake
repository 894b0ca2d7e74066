flotanor_add_test(tst_boxes SOURCES tst_boxes.cpp LIBS flotanor_shell_ui WIDGETS)
