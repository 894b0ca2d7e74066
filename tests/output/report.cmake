flotanor_add_test(tst_reportengine SOURCES tst_reportengine.cpp LIBS flotanor_output_ui WIDGETS)
flotanor_add_test(tst_reportrunner SOURCES tst_reportrunner.cpp LIBS flotanor_output WIDGETS
    ENGINES sqlite postgres)
