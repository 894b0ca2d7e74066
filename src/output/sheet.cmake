# The one-record sheets of the printout and the record found by its key.
target_sources(flotanor_output PRIVATE
    RecordSheet.h RecordSheet.cpp
    RecordSheetTables.h RecordSheetTables.cpp
    RecordByKey.h RecordByKey.cpp
    RecordPrintout.h RecordPrintout.cpp
)
