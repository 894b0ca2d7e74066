#include "data/schema/DemoRecordSteps.h"

#include "data/schema/DemoBuilder.h"
#include "data/schema/DemoHelpers.h"
#include "support/PasswordHash.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace Demo {

void RecordSteps::addDocument(int v, const QDate& date, int termDays, const char* kind,
                              const QString& name, const QString& number, const char* description) {
    m_builder.add(
        "dokumenty",
        {f("DATA", ymd(date)), f("TERMIN", ymdIn(m_builder.today(), termDays)),
         f("IDPOJAZD", m_builder.vehicle(v).id), f("RODZAJ", kind), f("NAZWA", name),
         f("OPIS", description), f("UWAGI", QString()), f("NUMER", number), f("LICZTERM", 0.0)});
}

void RecordSteps::documents() {
    for (int v = 0; v < kVehicleCount && !m_builder.error(); ++v) {
        const VehicleSpec& s = vehicleSpec(v);
        const QString plate = u8(s.plate);
        if (s.serial[0] != '\0')
            addDocument(v, QDate(s.year, 3 + v % 8, 10 + v), kNone, "Dowód rejestracyjny",
                        u8("Dowód rejestracyjny %1").arg(plate), u8(s.serial));
        if (s.oc != kNone)
            addDocument(v, m_builder.policyStart(s.oc), s.oc, "Polisa OC",
                        u8("Polisa OC %1").arg(plate), m_builder.policy(v, "OC"));
        if (s.ac != kNone)
            addDocument(v, m_builder.policyStart(s.ac), s.ac, "Polisa AC",
                        u8("Polisa AC %1").arg(plate), m_builder.policy(v, "AC"));
    }
    // The transport licence runs out within two weeks.
    addDocument(kTiro, m_builder.today().addYears(-5).addDays(10), 10, "Licencja transportowa",
                u8("Licencja na transport drogowy rzeczy"), QStringLiteral("LTR/0042871"),
                "Wypis z licencji dla pojazdu");
    addDocument(kStrada, m_builder.leaseStart(),
                int(m_builder.today().daysTo(m_builder.leaseStart().addMonths(48))),
                "Umowa leasingu", u8("Umowa leasingu operacyjnego"), m_builder.leaseNumber(),
                "48 rat, wykup 1%");
    addDocument(kCargo, QDate(2021, 5, 20), kNone, "Faktura zakupu", u8("Faktura zakupu pojazdu"),
                QStringLiteral("FV/2021/05/0318"));
    addDocument(kForklift, QDate(2019, 9, 2), kNone, "Świadectwo homologacji",
                u8("Deklaracja zgodności wózka"), QStringLiteral("WL25/19/5521"));
}

void RecordSteps::equipment() {
    struct Item {
        int vehicle;
        const char* kind;
        const char* description;
        int term;  // days from today, kNone: none
        const char* notes;
    };
    const QList<Item> items = {
        {kAxo, "Gaśnica", "Gaśnica proszkowa 1 kg", 140, ""},
        {kStrada, "Gaśnica", "Gaśnica proszkowa 1 kg", 95, ""},
        {kCargo, "Gaśnica", "Gaśnica proszkowa 2 kg", 230, ""},
        {kTiro, "Gaśnica", "Gaśnica proszkowa 6 kg", -12, "Legalizacja po terminie"},
        {kTiro, "Gaśnica", "Gaśnica proszkowa 2 kg", 180, "Kabina"},
        {kFurgo, "Gaśnica", "Gaśnica proszkowa 2 kg", 60, ""},
        {kDigger, "Gaśnica", "Gaśnica proszkowa 2 kg", 300, ""},
        {kAxo, "Apteczka", "Apteczka samochodowa DIN 13164", 410, ""},
        {kCargo, "Apteczka", "Apteczka samochodowa DIN 13164", 260, ""},
        {kTiro, "Nawigacja GPS", "Nawigacja dla samochodów ciężarowych", kNone,
         "Mapy aktualizowane co rok"},
        {kTiro, "Radio CB", "Radio CB z anteną magnetyczną", kNone, ""},
        {kCargo, "Łańcuchy śniegowe", "Łańcuchy 215/65 R16C", kNone, "Przewożone zimą"},
        {kFurgo, "Trójkąt ostrzegawczy", "Trójkąt ostrzegawczy", kNone, ""},
    };
    for (const Item& item : items) {
        const QDate fitted = item.term == kNone ? m_builder.today().addDays(-200 - item.vehicle * 9)
                                                : m_builder.today().addDays(item.term).addYears(-1);
        if (!m_builder.add(
                "wyposazenie",
                {f("DATA", ymd(fitted)), f("TERMIN", ymdIn(m_builder.today(), item.term)),
                 f("IDPOJAZD", m_builder.vehicle(item.vehicle).id),
                 f("LICZNIK", m_builder.readingAt(item.vehicle, fitted)), f("RODZAJ", item.kind),
                 f("OPIS", item.description), f("UWAGI", item.notes), f("LICZTERM", 0.0)}))
            return;
    }
}

void RecordSteps::schedule() {
    struct Term {
        const char* kind;
        int vehicle;  // -1: none
        const char* person;
        int from, to;       // days from today
        const char* watch;  // "O": from the start, "D": by the end
        const char* contractor;
        const char* description;
        double reading;
    };
    const QDate nextChange = m_builder.lastTyreChange().month() == 11
                                 ? QDate(m_builder.lastTyreChange().year() + 1, 4, 7)
                                 : QDate(m_builder.lastTyreChange().year(), 11, 4);
    const int change = int(m_builder.today().daysTo(nextChange));
    const QList<Term> terms = {
        {"Przegląd techniczny", kCargo, "K006", -40, vehicleSpec(kCargo).inspection, "D",
         "Stacja Kontroli Pojazdów Wola", "Badanie techniczne po terminie, umówić stację", 0},
        {"Ubezpieczenie", kAxo, "K002", -10, vehicleSpec(kAxo).oc, "D", "",
         "Odnowić polisę OC i AC", 0},
        {"Ubezpieczenie", kStrada, "K005", -5, vehicleSpec(kStrada).oc, "D", "",
         "Odnowić polisę OC i AC, porównać oferty", 0},
        {"Wymiana oleju", kDigger, "K008", 0, 25, "D", "Serwis maszyn Grundal, Radom",
         "Wymiana oleju silnikowego co 250 mth",
         std::ceil(m_builder.readingAt(kDigger, m_builder.today()) / 250) * 250},
        {"Wymiana opon", kAxo, "K002", change - 7, change, "O", "Warsztat Zębatka, Pruszków",
         "Sezonowa wymiana opon", 0},
        {"Legalizacja tachografu", kTiro, "K004", vehicleSpec(kTiro).tacho - 30,
         vehicleSpec(kTiro).tacho, "D", "Serwis Ciężarówek Trakt, Łódź",
         "Okresowe sprawdzenie tachografu", 0},
        {"Przegląd techniczny", kTiro, "K004", vehicleSpec(kTiro).inspection - 14,
         vehicleSpec(kTiro).inspection, "D", "Stacja Kontroli Pojazdów Wola", "Badanie roczne", 0},
        {"Przegląd techniczny", kForklift, "K009", vehicleSpec(kForklift).inspection - 21,
         vehicleSpec(kForklift).inspection, "D", "Urząd Dozoru Technicznego",
         "Badanie okresowe wózka jezdniowego", 0},
        {"Badania lekarskie kierowcy", -1, "K004", 6, 6, "D", "Przychodnia Medycyny Pracy",
         "Badania okresowe kierowcy kat. C+E", 0},
        {"Urlop kierowcy", -1, "K006", 4, 15, "O", "", "Urlop wypoczynkowy", 0},
    };
    for (const Term& t : terms) {
        if (!m_builder.add(
                "terminy",
                {f("DATAOD", ymdIn(m_builder.today(), t.from)),
                 f("DATADO", ymdIn(m_builder.today(), t.to)),
                 f("RODZAJTERMINU", m_builder.code("RTERM", t.kind)),
                 f("IDPOJAZDU", t.vehicle < 0 ? qint64(0) : m_builder.vehicle(t.vehicle).id),
                 f("SPRODDO", t.watch), f("NREW", t.person), f("KONTRAHENT", t.contractor),
                 f("OPIS", t.description), f("LICZTERM", t.reading)}))
            return;
    }
}

// Orders and their settlements: the digger's jobs and the lorry's trips.
void RecordSteps::work() {
    struct Job {
        int vehicle, first, last;
        double hours, rate;
        const char* kind;
        QString route, description;
    };
    QList<Job> jobs;
    const Vehicle& digger = m_builder.vehicle(kDigger);
    for (int i = 0; i < m_builder.days(); ++i) {
        if (digger.used.at(i) < 3 || !m_builder.dice().chance(25))
            continue;
        Job job{kDigger, i, i, 0, 185, "Prace ziemne", QString(), QString()};
        while (job.last + 1 < m_builder.days() && job.last - i < 2 &&
               digger.used.at(job.last + 1) > 0)
            ++job.last;
        for (int k = job.first; k <= job.last; ++k)
            job.hours += digger.used.at(k);
        const int month = m_builder.day(i).month();
        const bool winter = month == 12 || month <= 2;
        if (winter && m_builder.dice().chance(50)) {
            job.kind = "Usługi sprzętowe";
            job.description = u8("Odśnieżanie i wywóz śniegu z placu");
        } else {
            job.description = u8(m_builder.dice().pick(
                QList<const char*>{"Wykop pod fundamenty", "Niwelacja terenu", "Załadunek kruszywa",
                                   "Wykop pod przyłącze kanalizacyjne"}));
        }
        jobs.append(job);
        i = job.last;
    }
    for (int n = 0; n < m_builder.vehicle(kTiro).cards.size(); n += 2) {
        const RoadCard& card = m_builder.vehicle(kTiro).cards.at(n);
        jobs.append({kTiro, card.firstDay, card.lastDay, card.worked, 150, "Transport towarów",
                     card.route, u8("Przewóz materiałów budowlanych")});
    }
    std::stable_sort(jobs.begin(), jobs.end(),
                     [](const Job& a, const Job& b) { return a.first < b.first; });
    QHash<int, int> numbers;  // documents numbered anew every year
    for (const Job& job : jobs) {
        const QDate first = m_builder.day(job.first);
        const int number = ++numbers[first.year()];
        const QString contractor = u8(kContractors[m_builder.dice().between(0, 5)]);
        const QString person = QString::fromLatin1(vehicleSpec(job.vehicle).driver);
        const qint64 kind = m_builder.code("RPRAC", job.kind);
        if (!m_builder.add(
                "zlecenia",
                {f("DATAOD", ymd(first)), f("DATADO", ymd(m_builder.day(job.last))),
                 f("IDPOJAZDU", m_builder.vehicle(job.vehicle).id), f("RODZAJPRAC", kind),
                 f("NRDOKUMENTU", QStringLiteral("ZL/%1/%2")
                                      .arg(first.year())
                                      .arg(number, 3, 10, QLatin1Char('0'))),
                 f("TRASA", job.route), f("NREW", person), f("KONTRAHENT", contractor),
                 f("OPIS", job.description)}))
            return;
        if (!m_builder.add("rozliczenia",
                           {f("DATAOD", ymd(first)), f("DATADO", ymd(m_builder.day(job.last))),
                            f("IDPOJAZDU", m_builder.vehicle(job.vehicle).id),
                            f("GODZINY", job.hours), f("STAWKA", job.rate), f("RODZAJPRAC", kind),
                            f("NRDOKUMENTU", QStringLiteral("RZ/%1/%2")
                                                 .arg(first.year())
                                                 .arg(number, 3, 10, QLatin1Char('0'))),
                            f("TRASA", job.route), f("NREW", person), f("KONTRAHENT", contractor),
                            f("OPIS", job.description)}))
            return;
    }
    // Orders already taken for the coming days, not settled yet.
    const QList<std::tuple<int, int, int, const char*, const char*>> planned = {
        {kDigger, 3, 5, "Prace ziemne", "Wykop pod zbiornik retencyjny"},
        {kTiro, 2, 2, "Transport towarów", "Dostawa stali zbrojeniowej"},
        {kCargo, 1, 1, "Transport towarów", "Rozwóz zamówień do sklepów"}};
    for (const auto& [v, from, to, kind, description] : planned) {
        const QDate first = m_builder.today().addDays(from);
        const int number = ++numbers[first.year()];
        if (!m_builder.add("zlecenia",
                           {f("DATAOD", ymd(first)), f("DATADO", ymdIn(m_builder.today(), to)),
                            f("IDPOJAZDU", m_builder.vehicle(v).id),
                            f("RODZAJPRAC", m_builder.code("RPRAC", kind)),
                            f("NRDOKUMENTU", QStringLiteral("ZL/%1/%2")
                                                 .arg(first.year())
                                                 .arg(number, 3, 10, QLatin1Char('0'))),
                            f("TRASA", v == kDigger ? QString() : u8(kRoutes[1].name)),
                            f("NREW", vehicleSpec(v).driver),
                            f("KONTRAHENT", kContractors[number % 6]), f("OPIS", description)}))
            return;
    }
}

void RecordSteps::damages() {
    struct Damage {
        int vehicle, daysAgo;
        const char* description;
        int net;  // PLN
        const char* notes;
    };
    const QList<Damage> list = {
        {kFurgo, 6, "Kolizja na parkingu, uszkodzony zderzak i błotnik", 4200,
         "Pojazd w warsztacie, likwidacja z OC sprawcy"},
        {kAxo, 230, "Zarysowanie drzwi kierowcy", 850, "Naprawa we własnym zakresie"},
        {kCargo, 70, "Urwane lusterko boczne", 640, "Szkoda z AC"},
        {kTiro, 160, "Odprysk na szybie czołowej", 380, "Naprawa szyby metodą żywiczną"},
    };
    for (const Damage& d : list) {
        const QDate date = m_builder.today().addDays(-d.daysAgo);
        const Money money = withVat(qint64(d.net) * 100);
        if (!m_builder.add("szkody",
                           {f("IDPOJAZD", m_builder.vehicle(d.vehicle).id), f("DATA", ymd(date)),
                            f("OPIS", d.description), f("WARTNETTO", pln(money.net)),
                            f("WARTVAT", pln(money.vat)), f("WARTBRUTTO", pln(money.gross)),
                            f("UWAGI", d.notes), f("IDKIEROWCY", vehicleSpec(d.vehicle).driver),
                            f("LICZNIK", m_builder.readingAt(d.vehicle, date))}))
            return;
    }
}

void RecordSteps::store() {
    const QList<std::tuple<const char*, double, double, const char*>> items = {
        {"Olej silnikowy 5W-30", 14, 5, "Butelki 1 l"},
        {"Filtr oleju", 2, 4, "Do samochodów osobowych, zamówić"},
        {"Filtr powietrza", 6, 2, ""},
        {"Płyn do spryskiwaczy", 20, 6, "Zimowy do -22 °C"},
        {"Żarówka H7", 8, 4, ""}};
    for (const auto& [part, count, remind, notes] : items) {
        if (!m_builder.add("magazyn", {f("CZESC", part), f("ILOSC", count), f("PRZYPOMNIJ", remind),
                                       f("UWAGI", notes)}))
            return;
    }
}

void RecordSteps::notes() {
    const QList<std::tuple<int, int, const char*>> list = {
        {1, -2, "Zebrać od kierowców karty drogowe za poprzedni miesiąc"},
        {2, 0, "Zadzwonić do ubezpieczyciela w sprawie odnowienia polis OC"},
        {3, 3, "Odebrać furgon z warsztatu po naprawie blacharskiej"}};
    for (const auto& [id, days, text] : list) {
        SqlStatement update(
            QStringLiteral("UPDATE notatki SET DATA = :DATA, OPIS = :OPIS WHERE IDNOTATKI = :ID"));
        update.bindText(QStringLiteral(":DATA"),
                        m_builder.today().addDays(days).toString(QStringLiteral("dd.MM.yyyy")));
        update.bindText(QStringLiteral(":OPIS"), u8(text));
        update.bind(QStringLiteral(":ID"), id);
        if (!m_builder.exec(update, 1))
            return;
    }
}

void RecordSteps::users() {
    if (!m_builder.add("userzy",
                       {f("NAZWA", "JAN"), f("HASLO", PasswordHash::make(QStringLiteral("jan123"))),
                        f("OPIS", "Jan Kowalski - kierownik floty"), f("SUPERVISOR", "N")}))
        return;
    for (int right = 1; right <= 52; ++right) {
        if (!m_builder.add("uprawnienia", {f("NAZWA", "JAN"), f("UPR", QString::number(right))}))
            return;
    }
}

}  // namespace Demo
