#pragma once

#include "admin/legacy/ParadoxMemoFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct px_doc;

// A Paradox .DB table of the earlier Windows release, read through pxlib.
//
// What a field becomes in readRow():
//   alpha                     QString decoded from Windows-1250, cut at the first NUL; an
//                             empty one is an empty (not null) QString, as Paradox keeps no
//                             difference between the two
//   short, long, autoinc      qint64
//   number, currency, BCD     double
//   date                      qint64 YYYYMMDD
//   time                      qint64 HHMM (seconds dropped)
//   timestamp                 qint64 YYYYMMDDHHMM (seconds dropped)
//   logical                   QString "T" or "N", as the program's flags are kept
//   memo, formatted memo      QString from Windows-1250, from the record itself or from the
//                             table's .MB file; null when that file is missing
//   bytes                     QByteArray as stored
//   binary BLOb, OLE, graphic null
// A field holding no value becomes a null QVariant.
//
// Encrypted tables: pxlib decrypts them with the key kept in the table's own header, so
// they open with any password or none.
class ParadoxTable {
public:
    ParadoxTable();
    ~ParadoxTable();
    ParadoxTable(const ParadoxTable&) = delete;
    ParadoxTable& operator=(const ParadoxTable&) = delete;

    // False with error() set when the file is missing, not a data table, or damaged.
    // password is accepted for tables that have one, see above.
    bool open(const QString& path, const QString& password = {});
    void close();
    bool isOpen() const { return m_doc != nullptr; }
    QString error() const { return m_error; }

    bool isEncrypted() const { return m_encrypted; }
    // As stored, in their order.
    QStringList fieldNames() const;
    // Ignoring letter case; -1 when absent.
    int fieldIndex(const QString& name) const;
    // Rows in use: deleted records are never counted nor read.
    int rowCount() const;
    // One value per field of the row index (0 .. rowCount() - 1).
    bool readRow(int index, QVariantList* values);

private:
    struct Field {
        QString name;
        int type = 0;
        int offset = 0;
        int length = 0;
        int decimals = 0;
    };

    static void onPxlibError(px_doc* doc, int level, const char* message, void* table);
    bool fail(const QString& reason);
    QVariant convert(const Field& field, char* data);

    px_doc* m_doc = nullptr;
    QString m_path;
    QString m_error;
    QStringList m_messages;
    QList<Field> m_fields;
    QByteArray m_record;
    ParadoxMemoFile m_memos;
    bool m_encrypted = false;
};
