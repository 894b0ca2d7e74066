#include "output/RecordPrintout.h"

#include "data/ListModel.h"
#include "data/TmyDataBase.h"
#include "output/RecordSheet.h"

namespace RecordPrintout {

ReportEngine::Result prepare(TmyDataBase& database, const ListModel& model, int row,
                             ReportContext context) {
    const RecordSheetText sheet = RecordSheet(database, context.translate).build(model, row);
    context.subject = sheet.title;
    context.body = sheet.text();
    TDMRaporty module({VariableSet::RecordPrintout, ReportVariant::WholeRegister},
                      std::move(context));
    return ReportEngine::prepare(layoutName(), &module, module);
}

ReportContext currentContext(TmyDataBase& database, const QString& companyName,
                             const TconfigPP& options, const QDate& today) {
    ReportContext context;
    context.company = companyName;
    context.period = database.periodBounds();
    context.signedBy = options.cbRapWystawil;
    context.acceptedBy = options.cbRapZaakceptowal;
    if (options.cbRapData)
        context.issueDate =
            DisplayFormat().date(today.year() * 10000LL + today.month() * 100 + today.day());
    context.readChosenVehicle(database);
    return context;
}

}  // namespace RecordPrintout
