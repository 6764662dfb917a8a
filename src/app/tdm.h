#pragma once

#include "adminsettings.h"
#include "dbconnection.h"

#include <QSqlRecord>
#include <QString>

#include <memory>

class Clock;
class MessageSink;

// First row of `filial`: written into every cash row the program stores.
struct Filial {
    int codigo = 0;
    QString nome;
};

// The data module: settings, the three connections with their loss handlers, and the shared
// data every window reads. Created once before the main window and kept for the whole run.
class TDM {
public:
    TDM(AdminSettings settings, Clock& clock, MessageSink& messages);
    ~TDM();

    // Connects and checks the databases, then opens the shared tables. Returns false when the
    // program cannot go on (the user has been told why). An unreachable store or mail
    // database is only a warning.
    bool DataModuleCreate();

    const AdminSettings& settings() const { return m_settings; }
    Clock& clock() const { return m_clock; }
    MessageSink& messages() const { return m_messages; }

    // The user working in the program (command-line argument 2).
    const QString& LoggedUser() const { return m_loggedUser; }
    void setLoggedUser(const QString& user) { m_loggedUser = user; }

    DbConnection& MyConnection1() { return *m_local; }
    DbConnection& MyLoja() { return *m_loja; }
    DbConnection& MyEmailLoja() { return *m_email; }
    bool lojaAvailable() const { return m_lojaOk; }
    bool emailAvailable() const { return m_emailOk; }

    // Connection-loss policy: five losses in a row are retried on a new connection, the sixth
    // fails with the driver's error and the count starts again.
    RetryMode MyConnection1ConnectionLost(DbConnection& db, const QSqlError& error);
    RetryMode MyLojaConnectionLost(DbConnection& db, const QSqlError& error);
    RetryMode MyEmailLojaConnectionLost(DbConnection& db, const QSqlError& error);
    static RetryMode connectionLost(int& counter);
    int lossCount(const DbConnection& db) const;

    // Shared data read at start.
    const QSqlRecord& tbConfiguracao() const { return m_configuracao; }
    const Filial& tbFilial() const { return m_filial; }
    QString storeName() const;
    // Re-reads configuracao and filial (after a change by another program of the suite).
    void openSharedTables();

    // The shared queries of the data module.
    static const QString SqlFuncionario;
    static const QString SqlContaCorrente;
    static const QString SqlAbre;
    static const QString SqlNumeroCaixaLoja;
    static const QString SqlTurno;
    static const QString SqlCaixaPix;
    static const QString SqlSetupUsuario;

private:
    bool connectOptional(DbConnection& db, const QList<struct RequiredTable>& tables, const QString& what);
    static QString describe(const DbConnection& db);

    AdminSettings m_settings;
    Clock& m_clock;
    MessageSink& m_messages;
    QString m_loggedUser;
    std::unique_ptr<DbConnection> m_local;
    std::unique_ptr<DbConnection> m_loja;
    std::unique_ptr<DbConnection> m_email;
    bool m_lojaOk = false;
    bool m_emailOk = false;
    int m_localLosses = 0;
    int m_lojaLosses = 0;
    int m_emailLosses = 0;
    QSqlRecord m_configuracao;
    Filial m_filial;
};
