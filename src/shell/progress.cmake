# The progress box every window shows over a long operation.
flotanor_add_library(flotanor_progress_ui
    SOURCES ProgressBox.h ProgressBox.cpp
    LIBS flotanor_support Qt6::Widgets
)
