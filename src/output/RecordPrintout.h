#pragma once

#include "admin/ConfigPP.h"
#include "output/report/ReportEngine.h"
#include "output/report/TDMRaporty.h"

#include <QDate>

class ListModel;
class TmyDataBase;

// "Drukuj": one listed record on the one-record sheet, prepared for the preview, the
// printer or a PDF. The window and the command line share it.
namespace RecordPrintout {

inline QString layoutName() {
    return QStringLiteral("drukuj_pozycje.xml");
}

// The record's title and lines go into the context's TEMAT and TRESC; the context gives
// the common variables (company, vehicle, issue date, signatures). Gives the prepared
// pages, or the layout's error. A row that is not there prints nothing: an empty sheet.
ReportEngine::Result prepare(TmyDataBase& database, const ListModel& model, int row,
                             ReportContext context);

// The common variables as the main window gives them now: the company's name, the vehicle
// chosen in the vehicle filter (read from its own row), the period filter, the options'
// signature lines and date of issue (today, when the option puts one on reports).
ReportContext currentContext(TmyDataBase& database, const QString& companyName,
                             const TconfigPP& options, const QDate& today = QDate::currentDate());

}  // namespace RecordPrintout
