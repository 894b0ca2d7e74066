#include "data/TripRates.h"

#include <algorithm>

void TripRates::setRows(QList<Row> rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.from > b.from; });
    m_rows = std::move(rows);
}

double TripRates::rate(qint64 kind, qint64 capacity, qint64 date) const {
    const Row* row = nullptr;
    for (const Row& candidate : m_rows) {
        if (candidate.from <= date) {
            row = &candidate;
            break;
        }
    }
    if (!row)
        return 0.0;
    switch (kind) {
        case 1:
        case 2:
            return capacity > 900 ? row->above900 : row->upTo900;
        case 3:
            return row->motorcycle;
        case 4:
            return row->moped;
        default:
            break;
    }
    // The free kinds are numbered consecutively from the one whose UZUP1 is "5". A kind
    // outside them (no kind at all, say) has no rate column and gets no rate.
    if (m_firstFreeKind < 0)
        return 0.0;
    const qint64 column = 5 + kind - m_firstFreeKind;
    if (column < 5 || column > 20)
        return 0.0;
    return row->freeKinds[size_t(column - 5)];
}

DbError TripRates::load(DbConnection& company, TripRates* rates) {
    DbQuery rows;
    if (DbError failed = company.select(
            SqlStatement(QStringLiteral("SELECT * FROM stawki ORDER BY DATAOD DESC")), &rows))
        return failed;
    QList<Row> list;
    while (rows.next()) {
        Row row;
        row.from = rows.integer(u"DATAOD");
        row.upTo900 = rows.number(u"LW900");
        row.above900 = rows.number(u"GT900");
        row.motorcycle = rows.number(u"MOTOCYKL");
        row.moped = rows.number(u"MOTOROWER");
        for (int n = 5; n <= 20; ++n)
            row.freeKinds[size_t(n - 5)] = rows.number(QStringLiteral("RDPOJ%1").arg(n));
        list.append(row);
    }
    SqlStatement first(QStringLiteral(
        "SELECT KOD FROM slowniki WHERE IDSLOWNIK = :DICTIONARY AND UZUP1 = :ORDINAL"));
    first.bindText(QStringLiteral(":DICTIONARY"), QStringLiteral("RDPOJ"));
    first.bindText(QStringLiteral(":ORDINAL"), QStringLiteral("5"));
    DbQuery kind;
    if (DbError failed = company.select(first, &kind))
        return failed;
    rates->setRows(std::move(list));
    rates->setFirstFreeKind(kind.next() ? kind.integer(u"KOD") : -1);
    return {};
}
