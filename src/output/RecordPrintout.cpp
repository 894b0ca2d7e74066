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
    const auto translate = context.translate;
    TDMRaporty module({VariableSet::RecordPrintout, ReportVariant::WholeRegister},
                      std::move(context));
    return ReportEngine::prepare(layoutName(), &module, module, translate);
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
    const VehicleInfo& chosen = database.chosenVehicle();
    if (chosen.key < 0)
        return context;
    context.chosenRegistration = chosen.registration;
    // The vehicles list under the vehicle filter holds the chosen vehicle alone; its own
    // row gives the owner as well as what the filter knows.
    context.vehicle = chosen;
    DbError error;
    auto rows = database.runList(RegisterId::Pojazdy, database.filter(RegisterId::Pojazdy), &error);
    if (!rows) {
        database.errorReport().report(error, Registers::get(RegisterId::Pojazdy).listErrorCode);
        return context;
    }
    ListModel vehicles(RegisterId::Pojazdy);
    vehicles.setTable(std::move(rows));
    if (const int row = vehicles.findRow({QString::number(chosen.key)}); row >= 0)
        context.setVehicle(vehicles, row);
    return context;
}

}  // namespace RecordPrintout
