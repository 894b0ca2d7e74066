# The individual reports: their list and the start of their programs.
target_sources(flotanor_output PRIVATE
    report/IndividualReports.h report/IndividualReports.cpp
)
