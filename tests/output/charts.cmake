flotanor_add_test(tst_charts SOURCES tst_charts.cpp
    LIBS flotanor_output_charts flotanor_cli_commands WIDGETS ENGINES sqlite postgres)
