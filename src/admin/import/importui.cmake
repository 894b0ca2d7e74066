# The import windows: one dialog for every kind of sheet, and the named windows over it.
flotanor_add_library(flotanor_import_ui
    SOURCES
        import/ImportWindow.h import/ImportWindow.cpp import/ImportWindowLayouts.cpp
        import/ResultSheetModel.h import/ResultSheetModel.cpp
        import/uImportKoszty.h import/uImportKoszty.cpp
        import/uImportZuzycie.h import/uImportZuzycie.cpp
    LIBS flotanor_import flotanor_output flotanor_registers_ui flotanor_data Qt6::Widgets
)
