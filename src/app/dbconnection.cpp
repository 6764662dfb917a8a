#include "dbconnection.h"

#include <QAtomicInt>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {

// Thrown inside a unit when the connection is lost before COMMIT; caught by transaction().
struct UnitLost {
    QString statement;
    QSqlError error;
};

QSqlError notOpenError()
{
    return QSqlError(u"Conexão com o banco de dados fechada"_s, QString(), QSqlError::ConnectionError, u"2006"_s);
}

} // namespace

DbError::DbError(const QString& statement, const QSqlError& error, bool connectionLost)
    : std::runtime_error((statement + u": "_s + error.text()).toStdString())
    , m_statement(statement)
    , m_error(error)
    , m_connectionLost(connectionLost)
{
}

DbError::DbError(const QString& statement, const QString& message)
    : std::runtime_error((statement + u": "_s + message).toStdString())
    , m_statement(statement)
    , m_error(message, QString(), QSqlError::UnknownError)
{
}

QString DbError::message() const
{
    return m_error.text() + u"\n\n("_s + m_statement + u')';
}

DbConnection::DbConnection(const QString& name, int connectTimeoutSeconds)
    : m_name(name)
    , m_qtName(qtConnectionName(name))
    , m_timeout(connectTimeoutSeconds)
{
    QSqlDatabase::addDatabase(u"QMYSQL"_s, m_qtName);
}

DbConnection::~DbConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_qtName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_qtName);
}

QString DbConnection::qtConnectionName(const QString& name)
{
    static QAtomicInt counter;
    return name + u'#' + QString::number(counter.fetchAndAddRelaxed(1));
}

QSqlDatabase DbConnection::database() const
{
    return QSqlDatabase::database(m_qtName, false);
}

void DbConnection::configure(const ConnectionSettings& settings)
{
    m_settings = settings;
}

bool DbConnection::isOpen() const
{
    return database().isOpen();
}

void DbConnection::close()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
}

void DbConnection::open()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
    db.setPort(m_settings.PORTA > 0 ? m_settings.PORTA : -1);
    db.setHostName(m_settings.SERVIDOR);
    db.setDatabaseName(m_settings.BANCO);
    db.setUserName(m_settings.USUARIO);
    db.setPassword(m_settings.SENHA);
    // No automatic reconnect in the client library: a silent reconnect would lose the
    // per-connection work tables and an open transaction without anybody noticing.
    db.setConnectOptions(
        u"MYSQL_OPT_CONNECT_TIMEOUT=%1;MYSQL_OPT_READ_TIMEOUT=600;MYSQL_OPT_WRITE_TIMEOUT=600"_s.arg(m_timeout));
    if (!db.open())
        throw DbError(u"conexão %1"_s.arg(m_name), db.lastError());
    QSqlQuery names(db);
    if (!names.exec(u"SET NAMES utf8mb4"_s))
        throw DbError(u"conexão %1 (SET NAMES)"_s.arg(m_name), names.lastError());
    if (m_connectHook)
        m_connectHook(*this);
}

void DbConnection::reconnect()
{
    const bool wasInUnit = m_inUnit;
    m_inUnit = false;
    try {
        open();
    } catch (...) {
        m_inUnit = wasInUnit;
        throw;
    }
    m_inUnit = wasInUnit;
}

bool DbConnection::isConnectionLoss(const QSqlError& error)
{
    if (error.type() == QSqlError::NoError)
        return false;
    static const QStringList codes = {
        u"2006"_s, // server has gone away
        u"2013"_s, // lost connection during query
        u"2055"_s, // lost connection (extended)
        u"1927"_s, // connection was killed
        u"1053"_s, // server shutdown in progress
        u"4031"_s, // disconnected by the server (inactivity)
        u"2014"_s, // commands out of sync (after an interrupted read)
    };
    return codes.contains(error.nativeErrorCode());
}

QSqlQuery DbConnection::run(const QString& statement, const QString& sql, const Binds& binds)
{
    QSqlDatabase db = database();
    if (!db.isOpen()) {
        const QSqlError e = notOpenError();
        if (m_inUnit)
            throw UnitLost{statement, e};
        handleLoss(statement, e);
        return run(statement, sql, binds);
    }
    QSqlQuery q(db);
    bool ok = false;
    if (binds.isEmpty()) {
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (const auto& [name, value] : binds)
                q.bindValue(name, value);
            ok = q.exec();
        }
    }
    if (ok)
        return q;
    const QSqlError e = q.lastError();
    if (!isConnectionLoss(e))
        throw DbError(statement, e);
    if (m_inUnit)
        throw UnitLost{statement, e};
    handleLoss(statement, e);
    return run(statement, sql, binds);
}

void DbConnection::handleLoss(const QString& statement, const QSqlError& error)
{
    const RetryMode mode = m_lossHandler ? m_lossHandler(*this, error) : RetryMode::Raise;
    if (mode == RetryMode::ReconnectExecute) {
        reconnect();
        return;
    }
    // The operation fails; the connection is made again so that the next operation
    // starts on a live one (if that fails too, the next operation finds it closed).
    try {
        reconnect();
    } catch (const DbError&) {
    }
    throw DbError(statement, error, true);
}

QSqlQuery DbConnection::query(const QString& statement, const QString& sql, const Binds& binds)
{
    return run(statement, sql, binds);
}

QVariant DbConnection::scalar(const QString& statement, const QString& sql, const Binds& binds)
{
    QSqlQuery q = run(statement, sql, binds);
    return q.next() ? q.value(0) : QVariant();
}

int DbConnection::exec(const QString& statement, const QString& sql, const Binds& binds)
{
    int rows = 0;
    transaction(statement, [&] { rows = run(statement, sql, binds).numRowsAffected(); });
    return rows;
}

void DbConnection::quietRollback()
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    QSqlQuery q(db);
    q.exec(u"ROLLBACK"_s);
}

void DbConnection::transaction(const QString& unitName, const std::function<void()>& body)
{
    if (m_inUnit) { // part of the enclosing unit
        body();
        return;
    }
    for (;;) {
        m_inUnit = true;
        try {
            run(unitName + u" (início)"_s, u"START TRANSACTION"_s, {});
            body();
            if (m_beforeCommit)
                m_beforeCommit();
            QSqlQuery commit(database());
            if (!commit.exec(u"COMMIT"_s)) {
                const QSqlError e = commit.lastError();
                m_inUnit = false;
                if (isConnectionLoss(e)) {
                    // The rows may be stored or not: never run the unit again by itself.
                    if (m_lossHandler)
                        m_lossHandler(*this, e);
                    try {
                        reconnect();
                    } catch (const DbError&) {
                    }
                    throw DbError(unitName + u" (confirmação)"_s,
                                  QSqlError(u"A conexão com o banco de dados caiu durante a confirmação da gravação. "
                                            "Confira se os dados foram gravados antes de repetir a operação."_s,
                                            e.text(), QSqlError::ConnectionError, e.nativeErrorCode()),
                                  true);
                }
                quietRollback();
                throw DbError(unitName + u" (confirmação)"_s, e);
            }
            m_inUnit = false;
            return;
        } catch (const UnitLost& lost) {
            m_inUnit = false;
            handleLoss(lost.statement, lost.error); // throws, or reconnected: run the unit again
        } catch (...) {
            m_inUnit = false;
            quietRollback();
            throw;
        }
    }
}

qint64 DbConnection::serverConnectionId()
{
    return scalar(u"identificação da conexão"_s, u"SELECT CONNECTION_ID()"_s).toLongLong();
}
