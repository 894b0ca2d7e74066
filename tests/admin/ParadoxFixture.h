#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// Writes Paradox tables like those of the earlier Windows release, through pxlib: texts in
// Windows-1250 and the header's code page set to 1250.
namespace ParadoxFixture {

enum class Kind {
    Alpha,
    Short,
    Long,
    AutoInc,
    Number,
    Currency,
    Bcd,
    Date,
    Time,
    Timestamp,
    Logical,
    Memo
};

struct Field {
    QString name;
    Kind kind = Kind::Alpha;
    // Bytes of Alpha and Memo fields (a memo holds size - 10 in the record); digits after
    // the point of Bcd. Other kinds have a fixed size.
    int size = 0;
};

// A null QVariant writes no value. Otherwise: Alpha, Memo QString; Short, Long, AutoInc
// integers; Number, Currency, Bcd doubles; Date QDate; Time QTime; Timestamp QDateTime;
// Logical bool or "T"/"N".
using Row = QVariantList;

// Empty, or the reason the table could not be written. A password encrypts the table.
QString write(const QString& path, const QList<Field>& fields, const QList<Row>& rows,
              const QString& password = {});

// Deletes the records at the given positions (0 for the first), as the program did when
// a row was removed. Empty, or the reason.
QString deleteRecords(const QString& path, QList<int> positions);

}  // namespace ParadoxFixture
