# The scheduler, odometer readings, notebook and notepad windows.
flotanor_add_test(tst_timeline SOURCES tst_timeline.cpp
    LIBS flotanor_dialogscript flotanor_registers_ui flotanor_shell_ui WIDGETS ENGINES sqlite postgres)
