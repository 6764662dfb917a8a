#pragma once

// Helpers shared by the cash-book tests: settings for a data module on the test database and
// the test SMTP server, and direct reads and writes of rows to set up and check the tables.

#include "app/adminsettings.h"
#include "app/dbconnection.h"
#include "app/inifile.h"

#include "support/testdatabase.h"
#include "support/testsmtp.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QSqlRecord>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

namespace cashbookfixture {

using namespace Qt::StringLiterals;

// Notices on, sent to the test server, to `to` (empty: no first recipient).
inline AdminSettings settings(const TestDatabase& db, const QByteArray& to, const QByteArray& extra = {})
{
    AdminSettings s = AdminSettings::read(
        IniFile::fromBytes("[GERAL]\n" + testsmtp::geralSettings() + "EMAIL1=" + to + "\nCONTATO1=Gerente\n" + extra));
    s.local = s.loja = s.email = db.settings();
    return s;
}

// Every column of one row, by lower-case column name.
inline QVariantMap readRow(DbConnection& db, const QString& table, const QString& key, const QVariant& value)
{
    QSqlQuery q = db.query(u"teste"_s, u"SELECT * FROM %1 WHERE %2 = :k"_s.arg(table, key), {{u":k"_s, value}});
    QVariantMap out;
    if (!q.next())
        return out;
    const QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i)
        out.insert(r.fieldName(i).toLower(), r.value(i));
    return out;
}

// Inserts a row with the given columns (bound) and returns its key.
inline int insertRow(DbConnection& db, const QString& table, const QVariantMap& columns)
{
    QStringList names, marks;
    Binds binds;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << u"`%1`"_s.arg(it.key());
        marks << u":"_s + it.key();
        binds.append({u":"_s + it.key(), it.value()});
    }
    QSqlQuery q = db.query(
        u"teste"_s, u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(table, names.join(u", "_s), marks.join(u", "_s)), binds);
    return q.lastInsertId().toInt();
}

inline int count(DbConnection& db, const QString& table)
{
    return db.scalar(u"teste"_s, u"SELECT COUNT(*) FROM %1"_s.arg(table)).toInt();
}

// The columns whose values differ between two reads of a row.
inline QStringList changedColumns(const QVariantMap& before, const QVariantMap& after)
{
    QStringList out;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value() || before.value(it.key()).isNull() != it.value().isNull())
            out << it.key();
    return out;
}

// The mail with this subject whose body mentions `marker`; waits for it up to `ms`.
inline QJsonObject deliveredWith(const QString& subject, const QString& marker, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    do {
        for (const QJsonObject& o : testsmtp::all())
            if (o.value(u"subject"_s).toString() == subject && o.value(u"html"_s).toString().contains(marker))
                return o;
        QTest::qWait(50);
    } while (t.elapsed() < ms);
    return {};
}

// How many mails mention `marker` (none should come for it).
inline int mailsWith(const QString& marker)
{
    int n = 0;
    for (const QJsonObject& o : testsmtp::all())
        if (o.value(u"html"_s).toString().contains(marker))
            ++n;
    return n;
}

} // namespace cashbookfixture
