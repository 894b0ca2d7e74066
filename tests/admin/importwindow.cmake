# The import windows.
flotanor_add_test(tst_importwindow SOURCES tst_importwindow.cpp LIBS flotanor_import_ui WIDGETS
    ENGINES sqlite postgres)
