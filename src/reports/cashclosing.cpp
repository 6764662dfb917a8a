#include "cashclosing.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/messagesink.h"
#include "app/tdm.h"

#include <QFile>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

const QString CashClosing::SqlOpenSession =
    u"select Controle from abrefechacaixa where (NumCaixa = :NumCaixa) and (turno = :Mturno) and "
    "(DataAbertura <= :Mdata) and (DataFechamento is null) order by Controle desc limit 1"_s;
// Only while still open: of two workstations closing at once, the second changes nothing.
const QString CashClosing::SqlCloseSession =
    u"update abrefechacaixa set DataFechamento = :DataFechamento, HoraFechamento = :HoraFechamento, "
    "UsuarioFechamento = :UsuarioFechamento, TotalDineiro = :TotalDineiro, TotalCheque = :TotalCheque, "
    "TotalCartaoCredito = :TotalCartaoCredito, TotalCartaoDebito = :TotalCartaoDebito, "
    "TotalCreditoLoja = :TotalCreditoLoja where (Controle = :Controle) and (DataFechamento is null)"_s;
const QString CashClosing::SqlLogSent =
    u"insert into loja (descricao, razaosocial, usuario, datatransferencia, horatransferencia, transferido, status, "
    "emailcliente01, emailcliente02, cnpj, txt) values (:descricao, :razaosocial, :usuario, :datatransferencia, "
    ":horatransferencia, 'S', 'TRANSFERIDO COM SUCESSO', :emailcliente01, :emailcliente02, :cnpj, :txt)"_s;
const QString CashClosing::SqlLogFailure =
    u"insert into loja (descricao, razaosocial, usuario, datatransferencia, horatransferencia, enviado, status, "
    "emailcliente01, emailcliente02, cnpj, txt) values (:descricao, :razaosocial, :usuario, :datatransferencia, "
    ":horatransferencia, 'N', :status, :emailcliente01, :emailcliente02, :cnpj, :txt)"_s;

namespace {

std::optional<PrintedReport>& stored()
{
    static std::optional<PrintedReport> report;
    return report;
}

} // namespace

PrintedReport PrintedReport::fromResult(const DailyReportResult& result, const QDate& day, const QString& turno)
{
    PrintedReport p;
    p.day = day;
    p.turno = turno;
    p.totals = result.totals;
    p.textFile = result.textFile;
    QFile f(result.textFile);
    if (f.open(QIODevice::ReadOnly))
        p.text = f.readAll();
    return p;
}

void CashClosing::remember(PrintedReport report)
{
    stored() = std::move(report);
}

const std::optional<PrintedReport>& CashClosing::lastPrinted()
{
    return stored();
}

void CashClosing::forget()
{
    stored().reset();
}

QString CashClosing::noReportMessage()
{
    return u"Imprima primeiro o relatório do caixa desta data e deste turno: o fechamento grava os totais dele "
           "e o envia por e-mail."_s;
}

QString CashClosing::changedReportMessage(const QString& file)
{
    return u"O arquivo do relatório do caixa foi alterado ou apagado depois da impressão:\n%1\n\n"
           "Imprima o relatório novamente antes do fechamento."_s.arg(file);
}

CashClosing::CashClosing(TDM& dm, DailyResultsReport& report)
    : m_dm(dm)
    , m_report(report)
{
}

QString CashClosing::reportProblem(const std::optional<PrintedReport>& printed, const QDate& day,
                                   const QString& turno) const
{
    if (!printed || printed->day != day || printed->turno != turno)
        return noReportMessage();
    QFile f(printed->textFile);
    if (!f.open(QIODevice::ReadOnly) || f.readAll() != printed->text)
        return changedReportMessage(printed->textFile);
    return {};
}

bool CashClosing::closeSession(const QDate& day, int turno, const DailyTotals& totals)
{
    DbConnection& db = m_dm.MyConnection1();
    const QDateTime now = m_dm.clock().now();
    bool closed = false;
    db.transaction(u"fechamento do caixa"_s, [&] {
        closed = false;
        QSqlQuery open =
            db.query(u"Abre"_s, SqlOpenSession,
                     {{u":NumCaixa"_s, m_dm.settings().NumCaixa}, {u":Mturno"_s, turno}, {u":Mdata"_s, day}});
        if (!open.next())
            return;
        const int controle = open.value(0).toInt();
        const QSqlQuery update = db.query(u"fechamento do caixa"_s, SqlCloseSession,
                                          {{u":DataFechamento"_s, day},
                                           {u":HoraFechamento"_s, now.time()},
                                           {u":UsuarioFechamento"_s, m_dm.LoggedUser().left(50)},
                                           {u":TotalDineiro"_s, totals.cash.value()},
                                           {u":TotalCheque"_s, totals.cheque.value()},
                                           {u":TotalCartaoCredito"_s, totals.credit},
                                           {u":TotalCartaoDebito"_s, totals.debit},
                                           {u":TotalCreditoLoja"_s, totals.crediario},
                                           {u":Controle"_s, controle}});
        closed = update.numRowsAffected() == 1;
    });
    return closed;
}

bool CashClosing::mailWanted() const
{
    const AdminSettings& s = m_dm.settings();
    return s.ENVIAEMAIL == u"S"_s && !s.EMAIL1.trimmed().isEmpty();
}

MailMessage CashClosing::closingMail(const PrintedReport& report) const
{
    const QDateTime now = m_dm.clock().now();
    const QString store = m_dm.storeName();
    MailMessage m;
    m.fromName = u"FECHAMENTO DO CAIXA"_s;
    m.subject = u"Fechamento do Caixa"_s;
    m.recipients = mail::recipientsFromSettings(m_dm.settings());
    m.body << mail::notificationBody(store, {}, {}).first();
    m.body << u"<p><b>A/C.: CONTATO1</b></p>"_s;
    m.body << u"<p style=\"color:#000000; background-color:#e2fd03;\"><b>Fechamento do Caixa : "_s +
                  br::time(now.time()) + u" - "_s + br::date(now.date()) + u" - "_s + store + u"</b></p>"_s;
    m.body << u"<table>"_s << u"</table>"_s << u"<br />"_s << u"</body>\r\n</html>\r\n"_s;
    m.attachments = {{report.textFile, u"Relatorio do Caixa"_s, true}};
    return m;
}

namespace {

Binds logBinds(TDM& dm, const PrintedReport& report)
{
    const QDateTime now = dm.clock().now();
    const AdminSettings& s = dm.settings();
    const QString store = dm.storeName();
    return {{u":descricao"_s, (u"FECHAMENTO DO CAIXA : "_s + store).left(50)},
            {u":razaosocial"_s, store.left(50)},
            {u":usuario"_s, dm.LoggedUser().left(50)},
            {u":datatransferencia"_s, now.date()},
            {u":horatransferencia"_s, now.time()},
            {u":emailcliente01"_s, s.EMAIL1.left(255)},
            {u":emailcliente02"_s, s.EMAIL2.left(255)},
            {u":cnpj"_s, dm.tbConfiguracao().value(u"Cnpj"_s).toString().left(18)},
            {u":txt"_s, QString::fromUtf8(report.text)}};
}

DbConnection& mailDatabase(TDM& dm)
{
    DbConnection& db = dm.MyEmailLoja();
    if (!db.isOpen())
        db.open();
    return db;
}

} // namespace

void CashClosing::logSent(const PrintedReport& report)
{
    mailDatabase(m_dm).exec(u"tbEmail"_s, SqlLogSent, logBinds(m_dm, report));
}

void CashClosing::logFailure(const PrintedReport& report, const QString& error)
{
    Binds binds = logBinds(m_dm, report);
    binds.append({u":status"_s, error.simplified().left(50)});
    mailDatabase(m_dm).exec(u"tbEmail"_s, SqlLogFailure, binds);
}

CashClosing::Result CashClosing::run(const QDate& day, const QString& turno,
                                     const std::optional<PrintedReport>& printed, const Sender& send)
{
    MessageSink& messages = m_dm.messages();
    Result r;
    if (!messages.ask(confirmTitle(), confirmQuestion())) {
        r.outcome = Outcome::Cancelled;
        return r;
    }
    m_report.warnPendingFiscalDocuments(day);
    if (turno.trimmed().isEmpty()) {
        messages.warning(DailyResultsReport::noShiftMessage());
        return r;
    }
    m_report.warnPendingFiscalDocuments(day);
    if (const QString problem = reportProblem(printed, day, turno); !problem.isEmpty()) {
        messages.warning(problem);
        return r;
    }
    const PrintedReport& report = *printed;
    const ShiftWindow shift = m_report.shiftWindow(day, turno);
    if (shift.controle == 0) {
        messages.warning(u"Turno \"%1\" não encontrado."_s.arg(turno));
        return r;
    }

    r.sessionClosed = closeSession(day, shift.controle, report.totals);
    if (!r.sessionClosed) {
        messages.warning(alreadyClosedMessage());
        r.closeWindow = true;
    }

    if (mailWanted()) {
        const auto logFailureTelling = [&](const QString& error) {
            try {
                logFailure(report, error);
            } catch (const DbError& e) {
                messages.error(e.message());
            }
        };
        try {
            send(MailAccount::fromSettings(m_dm.settings()), closingMail(report));
        } catch (const MailError& e) {
            messages.error(e.message());
            logFailureTelling(e.message());
            r.outcome = Outcome::MailFailed;
            return r;
        }
        if (isOn(m_dm.settings().ENVIAEMAILEXTERNO)) {
            try {
                logSent(report);
            } catch (const DbError& e) {
                messages.error(e.message());
                logFailureTelling(e.sqlError().text().isEmpty() ? e.message() : e.sqlError().text());
                r.outcome = Outcome::LogFailed;
                return r;
            }
        }
        messages.show(MessageSink::Kind::Warning, MessageSink::defaultTitle(), doneMessage());
        messages.show(MessageSink::Kind::Warning, sentTitle(), sentMessage());
    }

    if (m_onClosed)
        m_onClosed(day, true);
    m_report.emptyWorkTable();
    r.outcome = Outcome::Closed;
    r.closeWindow = true;
    return r;
}
