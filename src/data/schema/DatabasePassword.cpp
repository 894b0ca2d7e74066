#include "data/schema/DatabasePassword.h"

#include "support/PasswordHash.h"

namespace DatabasePassword {

DbError store(DbConnection& main, const QString& password) {
    Transaction transaction(main);
    DbError error = transaction.beginError();
    if (!error)
        error = main.execute(SqlStatement(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS haslo (IDHASLO INTEGER PRIMARY KEY, HASH VARCHAR(200))")));
    if (!error)
        error = main.execute(SqlStatement(QStringLiteral("DELETE FROM haslo")));
    if (!error) {
        SqlStatement insert(
            QStringLiteral("INSERT INTO haslo (IDHASLO, HASH) VALUES (1, :PARAM0)"));
        insert.bindText(QStringLiteral(":PARAM0"), PasswordHash::make(password));
        error = main.execute(insert);
    }
    if (!error)
        error = transaction.commit();
    return error;
}

}  // namespace DatabasePassword
