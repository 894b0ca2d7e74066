#pragma once

#include "output/report/ReportLayout.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <variant>

// Reads a layout file (XML, the format of docs/report-layouts.md). An <include> takes the
// children of a fragment file in its place; the resolver turns the fragment's name into a
// path (empty: not found). Any fault ends the load with its file, line and column.
namespace LayoutLoader {

using Resolver = std::function<QString(const QString& name)>;
using Result = std::variant<ReportLayout, LayoutError>;

Result load(const QString& path, const Resolver& resolve);
// The same from bytes already read; fileName names them in errors.
Result parse(const QByteArray& xml, const QString& fileName, const Resolver& resolve);

}  // namespace LayoutLoader
