# flotanor-cli chart: the charts page's charts drawn offscreen.
target_sources(flotanor_cli_commands PRIVATE
    ChartCommands.h ChartCommands.cpp
)
target_link_libraries(flotanor_cli_commands PUBLIC flotanor_output_charts)
