#pragma once

#include "data/engine/DbError.h"

#include <QList>
#include <QString>
#include <QStringList>

class DbConnection;
class MessageService;

// Brings a company database made by an earlier release up to date at login, one numbered
// step after another. The versions a database has reached are rows of its table
// "aktualizacje"; a new company gets every one at creation and runs nothing. Each step
// is one transaction: it keeps copies of the tables it changes (a table X becomes X_bak,
// X_bk2 or X_bk3, never overwritten), adds missing fields and tables (the current schema's
// definitions) and dictionary rows, and records its version, or leaves no trace at all
// and is tried again at the next login. Every step is logged (completed: 9999999999) and
// its outcome shown.
//
// A future release adds a step: one function below and its version in versions().
class CompanyUpgrade {
public:
    static constexpr qint64 kCompleted = 9999999999;

    // where: what the LPG step's log line names the company by ("location\DIR").
    CompanyUpgrade(DbConnection& company, MessageService& messages, QString where);

    // "1.0.5" … "1.0.10", in order.
    static const QStringList& versions();
    // Records every version as reached, inside the caller's transaction (a new company, a
    // company restored from an archive, which always has today's tables).
    static DbError recordAll(DbConnection& company);
    static QStringList recordAllStatements();

    // The versions reached, in the order of versions().
    QStringList reached();
    // Every missing step, each whatever the outcome of the one before.
    void run();

private:
    bool step(const QString& version, qint64 failureCode, bool (CompanyUpgrade::*actions)());
    bool lpgTable();
    bool step105();
    bool step106();
    bool step107();
    bool step108();
    bool noActions() { return true; }

    bool tableExists(const QString& table);
    bool fieldExists(const QString& table, const QString& field);
    bool backup(const QString& table, const QString& suffix, qint64 okCode, qint64 failCode);
    bool addFields(const QString& table, const QStringList& fields, const QString& text,
                   qint64 okCode, qint64 failCode);
    bool addTables(const QStringList& tables, const QString& text, qint64 okCode, qint64 failCode);
    bool execute(const QString& sql, qint64 failCode);
    void failed(qint64 code, const QString& text, const DbError& error = {});

    struct Message {
        QString title;
        QString text;
    };

    DbConnection& m_db;
    MessageService& m_messages;
    QString m_where;
    QStringList m_reached;
    QList<Message> m_pending;  // shown when the step's transaction has ended
};
