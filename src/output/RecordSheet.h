#pragma once

#include "support/translation/TResourceTranslator.h"

#include <QString>
#include <QStringList>
#include <functional>

class ListModel;
class TmyDataBase;

// What the printout of one record hands the report engine: the title (TEMAT) and the
// lines (TRESC), each a label and the value as the register's dialog shows it.
struct RecordSheetText {
    QString title;
    QStringList lines;

    // TRESC: the lines joined by a lone carriage return, none before the first or after
    // the last, so that one multi-line text object prints one line per label.
    QString text() const { return lines.join(QLatin1Char('\r')); }
    bool isEmpty() const { return title.isEmpty() && lines.isEmpty(); }
};

// Builds the one-record sheet of any register from a row of its list. Every register's
// lines are described once, as data; the values are read from the row the way the
// register's dialog fills its fields, with the dictionaries, persons and vehicles read
// anew at each build, as the dialog reads them at each opening. Lists that fail to load
// are reported through the data module's error report and print as empty values.
class RecordSheet {
public:
    // The language file's translation of a text; without one every text stays Polish.
    using Translate = std::function<QString(const QString&)>;

    explicit RecordSheet(TmyDataBase& database, Translate translate = {});

    // The sheet of a row of the model; empty when there is no such row.
    RecordSheetText build(const ListModel& model, int row) const;

private:
    QString tr(const QString& text) const { return m_translate ? m_translate(text) : tx(text); }

    TmyDataBase& m_db;
    Translate m_translate;
};
