# The report module: the walk over a report's rows and the answers to its variables.
target_sources(flotanor_output PRIVATE
    report/ReportVariableSets.h report/ReportVariableSets.cpp
    report/TDMRaporty.h report/TDMRaporty.cpp
)
