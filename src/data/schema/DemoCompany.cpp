#include "data/schema/DemoCompany.h"

#include "data/schema/DemoBuilder.h"
#include "data/schema/DemoFleetSteps.h"
#include "data/schema/DemoMoneySteps.h"
#include "data/schema/DemoRecordSteps.h"

#include <QList>
#include <functional>

namespace DemoCompany {

DbError fill(DbConnection& company, const QDate& today) {
    if (!today.isValid())
        return {DbError::Kind::Other, QStringLiteral("Niepoprawna data przykładowej firmy.")};
    Demo::Builder builder(company, today);
    Demo::FleetSteps fleet(builder);
    Demo::MoneySteps money(builder);
    Demo::RecordSteps records(builder);
    // One dice serves every step in turn, and later steps read what earlier ones simulated
    // or wrote: another order would make another company.
    const QList<std::function<void()>> steps = {
        [&] { fleet.company(); },    [&] { fleet.dictionaries(); }, [&] { fleet.persons(); },
        [&] { fleet.simulate(); },   [&] { fleet.vehicles(); },     [&] { fleet.fuelPrices(); },
        [&] { fleet.fuelCards(); },  [&] { fleet.roadCards(); },    [&] { money.registers(); },
        [&] { money.repairs(); },    [&] { money.tyres(); },        [&] { money.costs(); },
        [&] { money.trips(); },      [&] { records.documents(); },  [&] { records.equipment(); },
        [&] { records.schedule(); }, [&] { records.work(); },       [&] { records.damages(); },
        [&] { fleet.readings(); },   [&] { records.store(); },      [&] { records.notes(); },
        [&] { records.users(); }};
    for (const auto& step : steps) {
        step();
        if (builder.error())
            return builder.error();
    }
    return {};
}

}  // namespace DemoCompany
