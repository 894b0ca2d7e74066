# The charts page and its sub-pages, beside the other pages of the main window.
target_sources(flotanor_shell_ui PRIVATE
    ChartsPage.h ChartsPage.cpp
    ChartSubPage.h ChartSubPage.cpp
)
target_link_libraries(flotanor_shell_ui PUBLIC flotanor_output_charts)
