# The report engine: layouts, preparing, painting, PDF; the preview window.
target_sources(flotanor_output PRIVATE
    report/ReportSource.h
    report/ReportLayout.h report/ReportLayout.cpp
    report/LayoutLoader.h report/LayoutLoader.cpp
    report/LayoutFiles.h report/LayoutFiles.cpp
    report/PreparedReport.h
    report/ReportPreparer.h report/ReportPreparer.cpp
    report/ReportPainter.h report/ReportPainter.cpp
    report/ReportTexts.h report/ReportTexts.cpp
    report/ReportEngine.h report/ReportEngine.cpp
    report/ReportCatalogue.h report/ReportCatalogue.cpp
    report/ReportStatements.h report/ReportStatements.cpp
    report/ReportRunner.h report/ReportRunner.cpp
)
target_link_libraries(flotanor_output PUBLIC Qt6::Gui)

# The layouts shipped with the program, ":/raporty/…"; a file of the same name in the
# data directory's or the installation's "raporty" folder wins.
file(GLOB flotanor_layouts CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/raporty/*")
qt_add_resources(flotanor_output "raporty"
    PREFIX "/"
    BASE "${PROJECT_SOURCE_DIR}/resources"
    FILES ${flotanor_layouts}
)

target_sources(flotanor_output_ui PRIVATE
    report/ReportPreview.h report/ReportPreview.cpp
)
target_link_libraries(flotanor_output_ui PUBLIC Qt6::PrintSupport)
