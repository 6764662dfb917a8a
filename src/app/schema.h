#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DbConnection;

// A table the program needs, with the columns it reads or writes.
struct RequiredTable {
    QString name;
    QStringList columns;
};

namespace schema {

// Tables of the local database (every table but the two below).
const QList<RequiredTable>& localTables();
// numerocaixaloja, on the store database.
const QList<RequiredTable>& storeTables();
// loja, on the mail database.
const QList<RequiredTable>& mailTables();
const RequiredTable& table(const QString& name);

// Work tables: each connection works on TEMPORARY copies of them.
const QStringList& workTables();

// Checks that every table and column is present on the connection's database. Returns the
// message for the user when something is missing, nullopt when all is there.
std::optional<QString> check(DbConnection& db, const QList<RequiredTable>& tables);

// Creates this connection's own empty copies of the work tables (they hide the shared ones).
void createWorkTables(DbConnection& db);

} // namespace schema
