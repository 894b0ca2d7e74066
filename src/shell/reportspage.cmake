# The reports page's choices, beside the page itself.
target_sources(flotanor_shell_ui PRIVATE
    ReportSelectors.h ReportSelectors.cpp
)
