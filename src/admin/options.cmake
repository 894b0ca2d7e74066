# The options window.
flotanor_add_library(flotanor_options_ui
    SOURCES uOpcjeProgramu.h uOpcjeProgramu.cpp
    LIBS flotanor_admin flotanor_registers_ui flotanor_support Qt6::Widgets
)
