#include "testdatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>

using namespace Qt::StringLiterals;

namespace {

QString env(const char* name, const QString& fallback = {})
{
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? fallback : v;
}

} // namespace

bool TestDatabase::configured()
{
    return !qEnvironmentVariable("CAIXA_TEST_DB_PORT").isEmpty();
}

QString TestDatabase::missingReason()
{
    return u"Servidor MariaDB de teste não configurado (CAIXA_TEST_DB_PORT); rode ./run test"_s;
}

TestDatabase::TestDatabase(const QString& name)
    : m_name(u"caixa_t_"_s + name)
    , m_admin(u"admin-"_s + name)
{
    if (!configured())
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QMYSQL"_s, m_admin);
    db.setHostName(env("CAIXA_TEST_DB_HOST", u"127.0.0.1"_s));
    db.setPort(env("CAIXA_TEST_DB_PORT").toInt());
    db.setUserName(env("CAIXA_TEST_DB_USER", u"root"_s));
    db.setPassword(env("CAIXA_TEST_DB_PASSWORD"));
    db.open();
}

TestDatabase::~TestDatabase()
{
    if (!configured())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_admin, false);
        if (db.isOpen()) {
            QSqlQuery q(db);
            q.exec(u"DROP DATABASE IF EXISTS `%1`"_s.arg(m_name));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_admin);
}

QString TestDatabase::exec(const QString& sql)
{
    QSqlDatabase db = QSqlDatabase::database(m_admin, false);
    if (!db.isOpen())
        return u"sem conexão administrativa: "_s + db.lastError().text();
    QSqlQuery q(db);
    if (!q.exec(sql))
        return q.lastError().text() + u" em: "_s + sql.left(200);
    return {};
}

QVariant TestDatabase::scalar(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(m_admin, false));
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0);
}

QString TestDatabase::execScript(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return u"não abriu "_s + path;
    // Statements end with ';' at the end of a line; '--' lines are comments.
    QString statement;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(u"--"_s) || (t.isEmpty() && statement.isEmpty()))
            continue;
        statement += line + u'\n';
        if (t.endsWith(u';')) {
            if (QString e = exec(statement.trimmed().chopped(1)); !e.isEmpty())
                return e;
            statement.clear();
        }
    }
    return {};
}

QString TestDatabase::recreate()
{
    if (QString e = exec(u"DROP DATABASE IF EXISTS `%1`"_s.arg(m_name)); !e.isEmpty())
        return e;
    if (QString e = exec(u"CREATE DATABASE `%1` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"_s.arg(m_name));
        !e.isEmpty())
        return e;
    if (QString e = exec(u"USE `%1`"_s.arg(m_name)); !e.isEmpty())
        return e;
    return execScript(QStringLiteral(CAIXA_SOURCE_DIR "/db/schema.sql"));
}

ConnectionSettings TestDatabase::settings() const
{
    ConnectionSettings c;
    c.SERVIDOR = env("CAIXA_TEST_DB_HOST", u"127.0.0.1"_s);
    c.PORTA = env("CAIXA_TEST_DB_PORT").toInt();
    c.BANCO = m_name;
    c.USUARIO = env("CAIXA_TEST_DB_USER", u"root"_s);
    c.SENHA = env("CAIXA_TEST_DB_PASSWORD");
    return c;
}

ConnectionSettings TestDatabase::unreachable(const QString& database)
{
    // A port that was free a moment ago: nothing listens there.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    ConnectionSettings c;
    c.SERVIDOR = u"127.0.0.1"_s;
    c.PORTA = probe.serverPort();
    probe.close();
    c.BANCO = database;
    c.USUARIO = u"root"_s;
    c.SENHA = u"x"_s;
    return c;
}
