#pragma once

#include "data/engine/DbConnection.h"

#include <QDate>

// The sample company: a believable small fleet with a year of records up to today, so
// that every list has rows to show and the reminders have something due. It fills a
// company that already holds the default contents of a new company.
namespace DemoCompany {

DbError fill(DbConnection& company, const QDate& today);

}  // namespace DemoCompany
