#include "mainsession.h"

#include "brformat.h"
#include "clock.h"
#include "tdm.h"
#include "terminal.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

const QString MainSession::SqlInsertStart =
    u"insert into numerocaixaloja (data, hora, usuario) values (:data, :hora, :usuario)"_s;
const QString MainSession::SqlShift =
    u"select * from turno where (horaabertura <= :hora and horafechamento >= :hora) order by controle"_s;
const QString MainSession::SqlPending = u"select * from abrefechacaixa where (dataabertura<=:Mdata) and "
                                        "((datafechamento is null) and (turno =:Mturno))"_s;
// Date arithmetic on the server: curdate()-N would subtract from the number YYYYMMDD.
const QString MainSession::SqlPurgeStarts = u"Delete from numerocaixaLoja Where data < curdate() - interval 2 day"_s;
const QString MainSession::SqlPurgeSessions = u"Delete from abrefechacaixa where dataabertura < curdate() - interval "
                                              "30 day and datafechamento is not null"_s;
const QString MainSession::SqlUser = u"select * from setup_i where (usuario =:USUARIO)"_s;
const QString MainSession::SqlPermission = u"select * from setup_i where ((setor = :mpermissao01) or "
                                           "(setor = :mpermissao02)) and (usuario = :USUARIO)"_s;
const QString MainSession::SqlPixCount = u"select count(*) from caixa where ((especie=\"\") or (especie is null)) and "
                                         "((Nfce is not null) or (nfce<>\"\")) and (data>=:Datapix)"_s;
const QString MainSession::SqlPixMark =
    u"update caixa set especie=\"PIX\" where ((especie=\"\") or (especie is null)) and "
    "((Nfce is not null) or (nfce<>\"\")) and (data>=:Datapix)"_s;

MainSession::MainSession(TDM& dm)
    : m_dm(dm)
{
}

QString MainSession::startTime(const QTime& time)
{
    return time.toString(u"HH:mm"_s);
}

int MainSession::registerStart()
{
    if (!m_dm.lojaAvailable())
        return 0;
    const QDateTime now = m_dm.clock().now();
    int id = 0;
    DbConnection& db = m_dm.MyLoja();
    db.transaction(u"registro do terminal"_s, [&] {
        const QSqlQuery q = db.query(
            u"registro do terminal"_s, SqlInsertStart,
            {{u":data"_s, now.date()}, {u":hora"_s, br::time(now.time())}, {u":usuario"_s, terminalLabel().left(50)}});
        id = q.lastInsertId().toInt();
    });
    return id;
}

Shift MainSession::findShift(const QString& hhmm)
{
    QSqlQuery q = m_dm.MyConnection1().query(u"tbTurno"_s, SqlShift, {{u":hora"_s, hhmm}});
    Shift s;
    if (q.next()) {
        s.controle = q.value(u"controle"_s).toInt();
        s.descricao = q.value(u"descricao"_s).toString();
        s.horaabertura = q.value(u"horaabertura"_s).toString();
        s.horafechamento = q.value(u"horafechamento"_s).toString();
    }
    return s;
}

bool MainSession::hasPendingSession(int turno)
{
    QSqlQuery q = m_dm.MyConnection1().query(u"tbAbre"_s, SqlPending,
                                             {{u":Mdata"_s, m_dm.clock().today().addDays(-1)}, {u":Mturno"_s, turno}});
    return q.next();
}

void MainSession::purge()
{
    if (m_dm.lojaAvailable())
        m_dm.MyLoja().exec(u"limpeza do registro dos terminais"_s, SqlPurgeStarts);
    m_dm.MyConnection1().exec(u"limpeza das aberturas"_s, SqlPurgeSessions);
}

QString MainSession::userSector()
{
    QSqlQuery q = m_dm.MyConnection1().query(u"tbsetup_i"_s, SqlUser, {{u":USUARIO"_s, m_dm.LoggedUser()}});
    return q.next() ? q.value(u"setor"_s).toString() : QString();
}

bool MainSession::hasPermission()
{
    const auto& s = m_dm.settings();
    QSqlQuery q = m_dm.MyConnection1().query(u"verificação de permissão"_s, SqlPermission,
                                             {{u":mpermissao01"_s, s.PERMISSAOCAIXA01},
                                              {u":mpermissao02"_s, s.PERMISSAOCAIXA02},
                                              {u":USUARIO"_s, m_dm.LoggedUser()}});
    return q.next();
}

bool MainSession::isManager()
{
    return userSector() == u"GERENCIAL"_s;
}

bool MainSession::voltarDisabled() const
{
    return m_dm.LoggedUser() == m_dm.settings().NAOHABILITADO01;
}

QString MainSession::caption() const
{
    return u"Atualizado 08-04-2025 / 19:30  - Nome do Usuario : "_s + m_dm.LoggedUser() + u" - "_s + m_dm.storeName() +
           u" - "_s + m_dm.settings().local.SERVIDOR;
}

MainSession::PixResult MainSession::markPix()
{
    const auto& s = m_dm.settings();
    if (s.DATAPIXCAIXA != u"S"_s)
        return {};
    const auto from = br::parseDate(s.DATAPIX);
    if (!from)
        return {0, u"A data de início da marcação de PIX (DATAPIX = \"%1\" no Admin.ini) não é uma data válida "
                   "(dd/mm/aaaa). Nenhum lançamento foi marcado como PIX."_s.arg(s.DATAPIX)};
    int marked = 0;
    DbConnection& db = m_dm.MyConnection1();
    db.transaction(u"marcação de PIX"_s, [&] {
        marked = db.query(u"marcação de PIX"_s, SqlPixMark, {{u":Datapix"_s, *from}}).numRowsAffected();
    });
    return {marked, {}};
}
