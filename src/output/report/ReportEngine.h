#pragma once

#include "output/report/LayoutLoader.h"
#include "output/report/PreparedReport.h"
#include "output/report/ReportSource.h"

#include <functional>
#include <variant>

// A report from the name of its layout to its prepared pages: the layout found (the data
// directory's version first), loaded with its fragments, its texts translated by the
// language file, and prepared over the source. A layout that cannot be read gives its error and
// asks for no value.
namespace ReportEngine {

using Result = std::variant<PreparedReport, LayoutError>;

LayoutLoader::Result loadLayout(const QString& name);
Result prepare(const QString& layoutName, ReportDataSource* source, ReportValues& values);

}  // namespace ReportEngine
