# The round trip needs only the sheet writer, not the database layers of its library.
flotanor_add_test(tst_csvreader
    SOURCES tst_csvreader.cpp ${PROJECT_SOURCE_DIR}/src/output/CsvSheet.cpp
    LIBS flotanor_support)
