#pragma once

#include "app/adminsettings.h"

#include <QString>
#include <QStringList>

// A database of its own for one test binary on the private MariaDB that ./run test starts
// (CAIXA_TEST_DB_* variables). Created empty from db/schema.sql and dropped at the end.
class TestDatabase {
public:
    explicit TestDatabase(const QString& name);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Whether the test server is configured; without it under CI=true the tests fail.
    static bool configured();
    static QString missingReason();

    // (Re)creates the database from db/schema.sql; returns an empty string or the error.
    QString recreate();
    const QString& name() const { return m_name; }
    ConnectionSettings settings() const;
    // Settings of a server that is not listening (a closed local port).
    static ConnectionSettings unreachable(const QString& database);

    // Runs statements on an administrative connection of its own; "" or the error.
    QString exec(const QString& sql);
    QString execScript(const QString& path);
    QVariant scalar(const QString& sql);

private:
    QString m_name;
    QString m_admin;
};

// Fails under CI (the server must be there) and skips elsewhere when there is no test server.
#define REQUIRE_TEST_DB()                                                                                              \
    do {                                                                                                               \
        if (!TestDatabase::configured()) {                                                                             \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                                                   \
                QFAIL(qPrintable(TestDatabase::missingReason()));                                                      \
            QSKIP(qPrintable(TestDatabase::missingReason()));                                                          \
        }                                                                                                              \
    } while (false)
