#pragma once

#include "adminsettings.h"

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <stdexcept>

// Named parameters of a statement: {":Mdata", date}, ...
using Binds = QList<QPair<QString, QVariant>>;

// A failed statement: carries the statement's name and the driver's error text.
class DbError : public std::runtime_error {
public:
    DbError(const QString& statement, const QSqlError& error, bool connectionLost = false);
    DbError(const QString& statement, const QString& message);

    const QString& statement() const { return m_statement; }
    const QSqlError& sqlError() const { return m_error; }
    bool connectionLost() const { return m_connectionLost; }
    // Text for the user: the driver's message and the statement that failed.
    QString message() const;

private:
    QString m_statement;
    QSqlError m_error;
    bool m_connectionLost = false;
};

// What to do after a lost connection.
enum class RetryMode { Raise, Reconnect, ReconnectExecute };

// One connection to a MySQL/MariaDB database. Reads and write units that fail because the
// connection was lost are handed to the loss handler, which decides whether they are run
// again on a new connection or fail.
//
// Write units are transactions: when the loss comes before COMMIT was sent, the server has
// rolled the unit back and it is run again whole; a loss while COMMIT is on its way is raised,
// never repeated, because the rows may already be stored.
class DbConnection {
public:
    using LossHandler = std::function<RetryMode(DbConnection&, const QSqlError&)>;
    using ConnectHook = std::function<void(DbConnection&)>;

    // `name` names the connection in messages (MyConnection1, MyLoja, MyEmailLoja).
    DbConnection(const QString& name, int connectTimeoutSeconds);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    const QString& name() const { return m_name; }
    const ConnectionSettings& settings() const { return m_settings; }
    void configure(const ConnectionSettings& settings);

    // Opens (or reopens) the connection; throws DbError on failure.
    void open();
    void close();
    bool isOpen() const;

    void setLossHandler(LossHandler handler) { m_lossHandler = std::move(handler); }
    // Runs after every successful connect, reconnects included (per-connection work tables).
    void setConnectHook(ConnectHook hook) { m_connectHook = std::move(hook); }

    // Runs a statement and returns the positioned-before-first query. Outside a unit, a
    // statement that loses the connection goes to the loss handler.
    QSqlQuery query(const QString& statement, const QString& sql, const Binds& binds = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& statement, const QString& sql, const Binds& binds = {});
    // A single write outside a unit runs as its own unit. Returns the rows affected.
    int exec(const QString& statement, const QString& sql, const Binds& binds = {});

    // Runs `body` as one transaction. The body may run more than once (after a lost
    // connection), so it must only touch the database and its own local state.
    void transaction(const QString& unitName, const std::function<void()>& body);
    bool inTransaction() const { return m_inUnit; }

    // Server-side id of the current session (for KILL in tests and diagnostics).
    qint64 serverConnectionId();

    QSqlDatabase database() const;

    // Test seam: runs right before COMMIT is sent.
    void setBeforeCommitHook(std::function<void()> hook) { m_beforeCommit = std::move(hook); }

    static bool isConnectionLoss(const QSqlError& error);
    static QString qtConnectionName(const QString& name);

private:
    QSqlQuery run(const QString& statement, const QString& sql, const Binds& binds);
    void handleLoss(const QString& statement, const QSqlError& error);
    void reconnect();
    void quietRollback();

    QString m_name;
    QString m_qtName;
    int m_timeout;
    ConnectionSettings m_settings;
    LossHandler m_lossHandler;
    ConnectHook m_connectHook;
    std::function<void()> m_beforeCommit;
    bool m_inUnit = false;
};
