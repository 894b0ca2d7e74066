# The yearly summary: allowances against operating costs, its printouts and its window.
target_sources(flotanor_support PRIVATE
    ${PROJECT_SOURCE_DIR}/src/support/AmountInWords.h
    ${PROJECT_SOURCE_DIR}/src/support/AmountInWords.cpp
)
target_sources(flotanor_output PRIVATE
    YearlySummary.h YearlySummary.cpp
)
target_sources(flotanor_output_ui PRIVATE
    uKsiegowanie.h uKsiegowanie.cpp
)
