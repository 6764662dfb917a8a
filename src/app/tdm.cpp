#include "tdm.h"

#include "clock.h"
#include "messagesink.h"
#include "schema.h"

using namespace Qt::StringLiterals;

const QString TDM::SqlFuncionario =
    u"Select Codigofuncionario,nomefuncionario,Ativo from Funcionario\nWhere ativo='S'\nOrder by nomefuncionario"_s;
const QString TDM::SqlContaCorrente = u"Select * from ContaCorrente\nOrder by Datalancamento"_s;
const QString TDM::SqlAbre = u"Select * from abrefechacaixa\n"
                             "WHERE (DataAbertura=:Mdata) and ((Datafechamento is null) and (turno =:Mturno))"_s;
const QString TDM::SqlNumeroCaixaLoja = u"Select * From numerocaixaLoja\nOrder By Id"_s;
const QString TDM::SqlTurno = u"Select * from Turno\nOrder by controle"_s;
const QString TDM::SqlCaixaPix = u"select * from caixa\norder by data"_s;
const QString TDM::SqlSetupUsuario = u"select * from setup_i where (usuario =:USUARIO)"_s;

TDM::TDM(AdminSettings settings, Clock& clock, MessageSink& messages)
    : m_settings(std::move(settings))
    , m_clock(clock)
    , m_messages(messages)
    , m_local(std::make_unique<DbConnection>(u"MyConnection1"_s, 120))
    , m_loja(std::make_unique<DbConnection>(u"MyLoja"_s, 120))
    , m_email(std::make_unique<DbConnection>(u"MyEmailLoja"_s, 200))
{
    m_local->configure(m_settings.local);
    m_loja->configure(m_settings.loja);
    m_email->configure(m_settings.email);
    m_local->setLossHandler(
        [this](DbConnection& db, const QSqlError& e) { return MyConnection1ConnectionLost(db, e); });
    m_loja->setLossHandler([this](DbConnection& db, const QSqlError& e) { return MyLojaConnectionLost(db, e); });
    m_email->setLossHandler([this](DbConnection& db, const QSqlError& e) { return MyEmailLojaConnectionLost(db, e); });
    // The work tables are per connection and vanish with it: make them at every connect.
    m_local->setConnectHook([](DbConnection& db) { schema::createWorkTables(db); });
}

TDM::~TDM() = default;

RetryMode TDM::connectionLost(int& counter)
{
    if (counter < 5) {
        ++counter;
        return RetryMode::ReconnectExecute;
    }
    counter = 0;
    return RetryMode::Raise;
}

RetryMode TDM::MyConnection1ConnectionLost(DbConnection&, const QSqlError&)
{
    return connectionLost(m_localLosses);
}

RetryMode TDM::MyLojaConnectionLost(DbConnection&, const QSqlError&)
{
    return connectionLost(m_lojaLosses);
}

RetryMode TDM::MyEmailLojaConnectionLost(DbConnection&, const QSqlError&)
{
    return connectionLost(m_emailLosses);
}

int TDM::lossCount(const DbConnection& db) const
{
    if (&db == m_local.get())
        return m_localLosses;
    if (&db == m_loja.get())
        return m_lojaLosses;
    return m_emailLosses;
}

QString TDM::describe(const DbConnection& db)
{
    const auto& s = db.settings();
    return u"\"%1\" no servidor %2, porta %3"_s.arg(s.BANCO, s.SERVIDOR.isEmpty() ? u"(vazio)"_s : s.SERVIDOR)
        .arg(s.PORTA);
}

bool TDM::connectOptional(DbConnection& db, const QList<RequiredTable>& tables, const QString& what)
{
    try {
        db.open();
        if (const auto problem = schema::check(db, tables)) {
            m_messages.warning(u"Banco de dados %1 %2:\n\n%3"_s.arg(what, describe(db), *problem)
                                   .replace(u"O programa não pode continuar."_s, QString())
                                   .trimmed());
            return false;
        }
        return true;
    } catch (const DbError& e) {
        m_messages.warning(u"Não foi possível conectar ao banco de dados %1 %2.\n\n%3\n\n"
                           "O programa continua sem essa conexão."_s.arg(what, describe(db), e.sqlError().text()));
        return false;
    }
}

bool TDM::DataModuleCreate()
{
    try {
        m_local->open();
    } catch (const DbError& e) {
        m_messages.error(u"Não foi possível conectar ao banco de dados local %1.\n\n%2\n\n"
                         "Verifique a seção [LOCAL] do Admin.ini. O programa será encerrado."_s.arg(
                             describe(*m_local), e.sqlError().text()));
        return false;
    }
    try {
        if (const auto problem = schema::check(*m_local, schema::localTables())) {
            m_messages.error(*problem);
            return false;
        }
    } catch (const DbError& e) {
        m_messages.error(e.message());
        return false;
    }
    m_lojaOk = connectOptional(*m_loja, schema::storeTables(), u"da loja"_s);
    m_emailOk = connectOptional(*m_email, schema::mailTables(), u"de e-mail"_s);
    try {
        openSharedTables();
    } catch (const DbError& e) {
        m_messages.error(e.message());
        return false;
    }
    return true;
}

void TDM::openSharedTables()
{
    QSqlQuery f = m_local->query(u"tbFilial"_s, u"select * from filial order by Codigofilial limit 1"_s);
    m_filial = {};
    if (f.next())
        m_filial = {f.value(u"Codigofilial"_s).toInt(), f.value(u"Nomefilial"_s).toString()};
    QSqlQuery c = m_local->query(u"tbConfiguracao"_s, u"select * from configuracao order by Controle limit 1"_s);
    m_configuracao = c.next() ? c.record() : QSqlRecord();
}

QString TDM::storeName() const
{
    return m_configuracao.value(u"Nome"_s).toString();
}
