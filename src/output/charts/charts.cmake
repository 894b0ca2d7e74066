# The series of the charts page as logic, and their drawing with Qt Charts.
target_sources(flotanor_output PRIVATE
    charts/ChartData.h charts/ChartData.cpp
)

# SVG pictures of a chart (Debian qt6-svg-dev).
find_package(Qt6 6.4 REQUIRED COMPONENTS Svg)
flotanor_add_library(flotanor_output_charts
    SOURCES
        charts/ChartBuilder.h charts/ChartBuilder.cpp
    LIBS flotanor_output Qt6::Charts Qt6::Widgets Qt6::Svg
)
