# Imports of costs and refuellings from CSV sheets: the reading, verification and writing,
# without windows, for the import windows and the command line.
flotanor_add_library(flotanor_import
    SOURCES
        import/ImportFields.h import/ImportFields.cpp
        import/ImportLayout.h import/ImportLayout.cpp
        import/ImportValues.h import/ImportValues.cpp
        import/SheetImport.h import/SheetImport.cpp
    LIBS flotanor_admin flotanor_data flotanor_support Qt6::Core
)
