#include "output/report/ReportEngine.h"

#include "output/report/LayoutFiles.h"
#include "output/report/ReportPreparer.h"
#include "support/translation/TResourceTranslator.h"

namespace ReportEngine {

LayoutLoader::Result loadLayout(const QString& name) {
    const QString path = LayoutFiles::find(name);
    if (path.isEmpty())
        return LayoutError{name, 0, 0, QStringLiteral("nie znaleziono układu raportu")};
    return LayoutLoader::load(path, &LayoutFiles::find);
}

Result prepare(const QString& layoutName, ReportDataSource* source, ReportValues& values) {
    LayoutLoader::Result loaded = loadLayout(layoutName);
    if (auto* error = std::get_if<LayoutError>(&loaded))
        return *error;
    ReportLayout& layout = std::get<ReportLayout>(loaded);
    if (const TResourceTranslator* translator = TResourceTranslator::installed()) {
        layout.translateTexts(
            [translator](const QString& text) { return translator->translateReport(text); });
    }
    return ReportPreparer(layout).prepare(source, values);
}

}  // namespace ReportEngine
