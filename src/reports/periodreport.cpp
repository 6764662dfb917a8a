#include "periodreport.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/tdm.h"
#include "app/vocabulary.h"
#include "output/reportprinter.h"

#include <QSqlQuery>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString kMoney = u"###,##0.00"_s;

// "C" for an amount of zero or more, "D" below zero. Judged on the cents shown, so that a
// float residue never prints as "0,00 D".
QString creditOrDebit(double value)
{
    return std::round(value * 100.0) >= 0 ? u"C"_s : u"D"_s;
}

bool isBlankDate(const QString& text)
{
    for (QChar c : text)
        if (c != u' ' && c != u'/' && c != u'_')
            return false;
    return true;
}

// Cash counts in the cash totals and the group subtotals, except crediário receipts paid in
// cash, which have a line of their own in the closing block.
bool isCash(const PeriodRow& r)
{
    return isOneOf(r.condicao, {u"DINHEIRO", u"Dinheiro"}) && r.especie != u"Recebimento Crediario Dinheiro"_s;
}

// Places the pages: headers, counter and the page rule.
class PeriodLayout {
public:
    PeriodLayout(ReportPrinter& rd, const PeriodData& data, const QString& store, const QDate& today)
        : m_rd(rd)
        , m_data(data)
        , m_store(store)
        , m_today(today)
    {
    }

    void run()
    {
        const int last = listing();
        totals(last);
    }

private:
    static QString rule(int width) { return QString(width, u'='); }

    void header(bool listing)
    {
        m_rd.Imp(1, 1, rule(PeriodReport::kColumns));
        m_rd.Imp(2, 2, m_store);
        m_rd.Imp(2, 81, u"Página: "_s + br::formatFloat(u"000000"_s, m_counter));
        m_rd.Imp(3, 2,
                 u"Relatorio de Caixa - Periodo: "_s + br::date(m_data.period.start) + u" a "_s +
                     br::date(m_data.period.end));
        m_rd.Imp(3, 76, u"Emissao: "_s + br::date(m_today));
        m_rd.Imp(4, 1, rule(PeriodReport::kColumns));
        m_rd.Imp(6, 1, rule(PeriodReport::kColumns));
        if (listing) {
            m_rd.Imp(
                7, 1,
                u"DATA       GRUPO                  DESCRICAO                   CREDITO                 DEBITO     "_s);
            m_rd.Imp(8, 1, rule(PeriodReport::kColumns));
        } else {
            m_rd.Imp(7, 1,
                     u"DATA        TIPO                       DESCRICAO                                    VALOR"_s);
            m_rd.Imp(8, 1, rule(92));
        }
        // Every page carries its own number, continuation pages of the totals included.
        ++m_counter;
    }

    void newPage(bool listing)
    {
        m_rd.NovaPagina();
        header(listing);
    }

    // The rows, with a subtotal after each run of rows of one `es`. Returns the next free line,
    // 0 when the listing ended with a page change.
    int listing()
    {
        const QList<PeriodRow>& rows = m_data.rows;
        int line = 0;
        if (rows.isEmpty()) {
            header(true);
            return PeriodReport::kFirstRowLine;
        }
        double subtotal = 0;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const PeriodRow& r = rows.at(i);
            if (line == 0) {
                header(true);
                line = PeriodReport::kFirstRowLine;
            }
            if (isCash(r))
                subtotal += r.credito - r.debito;

            m_rd.Imp(line, 1, br::date(r.data) + u' ' + r.condicao);
            m_rd.Imp(line, 35, r.descricao);
            m_rd.ImpNumero(line, 59, r.credito, kMoney, 0);
            m_rd.ImpNumero(line, 82, r.debito, kMoney, 0);
            if (!r.codigoNota.isEmpty())
                m_rd.Imp(line, 93, r.codigoNota);

            const bool closesGroup = i + 1 == rows.size() || rows.at(i + 1).es != r.es;
            if (closesGroup) {
                int at = line + 1;
                // The two closing lines stay together on a page: past its end they start the next.
                if (at + 1 > PeriodReport::kPageLines) {
                    newPage(true);
                    at = PeriodReport::kFirstRowLine;
                }
                m_rd.Imp(at, 59, u"-----------"_s);
                m_rd.Imp(at + 1, 35, u"SUB-TOTAL:"_s);
                m_rd.ImpNumero(at + 1, 59, std::fabs(subtotal), kMoney, 0);
                m_rd.Imp(at + 1, 69, creditOrDebit(subtotal));
                subtotal = 0;
                line = at + 3;
            } else {
                line += 1;
            }
            if (line > PeriodReport::kPageLines) {
                m_rd.NovaPagina();
                line = 0;
            }
        }
        return line;
    }

    void amountLine(int line, const QString& label, double value, const QString& letter)
    {
        m_rd.Imp(line, 59, label);
        m_rd.ImpNumero(line, 82, value, kMoney, 0);
        if (!letter.isEmpty())
            m_rd.Imp(line, 92, letter);
    }

    void totals(int line)
    {
        const PeriodData& d = m_data;
        int L = line;
        if (L + 6 > PeriodReport::kPageLines || L == 0) {
            if (L != 0)
                m_rd.NovaPagina();
            header(false);
            L = PeriodReport::kFirstRowLine;
        }
        amountLine(L, u"TOTAL ENTRADAS......:"_s, d.cashEntries, u"C"_s);
        amountLine(L + 1, u"TOTAL SAIDAS........:"_s, d.cashExits, u"D"_s);
        amountLine(L + 2, u"TOTAL DIA...........:"_s, d.cashEntries - d.cashExits, u"C"_s);
        int G = L + 3;
        if (d.withPreviousBalance) {
            amountLine(L + 3, u"SALDO CAIXA ANTERIOR:"_s, d.previousBalance, creditOrDebit(d.previousBalance));
            G = L + 4;
        }
        m_rd.Imp(G, 82, u"-----------"_s);
        amountLine(G + 1, u"SALDO EM CAIXA......:"_s, d.runningBalance(), creditOrDebit(d.runningBalance()));

        // The closing block is read as one: when it does not fit, it goes whole to a new page.
        if (G + 22 > PeriodReport::kPageLines) {
            newPage(false);
            G = PeriodReport::kFirstRowLine - 3;
        }
        m_rd.Imp(G + 3, 1, rule(PeriodReport::kColumns));
        m_rd.Imp(G + 4, 59, u"FECHAMENTOS.........."_s);
        amountLine(G + 6, u"TOTAL C.CREDITO.....:"_s, d.creditCard, u"C"_s);
        amountLine(G + 7, u"TOTAL C.DEBITO......:"_s, d.debitCard, u"C"_s);
        amountLine(G + 8, u"TOTAL CHEQUE........:"_s, d.cheque, u"C"_s);
        amountLine(G + 9, u"TOTAL CREDIARIO.....:"_s, d.crediario, u"C"_s);
        amountLine(G + 10, u"TOTAL DE DINHEIRO...:"_s, d.cashEntries, u"C"_s);
        amountLine(G + 11, u"SALDO ANTERIOR.....:"_s, d.previousBalance, u"C"_s);
        amountLine(G + 12, u"TOTAL DA TROCA.....:"_s, d.exchangeDifference, u"C"_s);
        amountLine(G + 13, u"RECEB.DINHEIRO.....:"_s, d.receiptCash, u"C"_s);
        amountLine(G + 14, u"RECEB.C.CREDITO....:"_s, d.receiptCreditCard, u"C"_s);
        amountLine(G + 15, u"RECEB.C.DEBITO.....:"_s, d.receiptDebitCard, u"C"_s);
        amountLine(G + 16, u"RECEB.C.CHEQUE.....:"_s, d.receiptCheque, u"C"_s);
        amountLine(G + 18, u"DESPESAS DO CAIXA...:"_s, d.cashExits, u"D"_s);
        m_rd.Imp(G + 19, 82, u"-----------"_s);
        amountLine(G + 21, u"TOTAL DO DIA........:"_s, d.grandTotal(), QString());
        m_rd.Imp(G + 22, 1, rule(PeriodReport::kColumns));
    }

    ReportPrinter& m_rd;
    const PeriodData& m_data;
    QString m_store;
    QDate m_today;
    int m_counter = 1;
};

} // namespace

// Ties of the printed order are broken by the row number, so a report reprints alike.
const QString PeriodReport::SqlPeriodRows =
    u"select * from caixa\nwhere data>=:mdatai and data<=:mdataf\norder by es, condicao, descricao, Controle"_s;
const QString PeriodReport::SqlPreviousBalance =
    u"select coalesce(sum(coalesce(Credito, 0) - coalesce(Debito, 0)), 0) from caixa\nwhere data<:mdatai"_s;
const QString PeriodReport::SqlFirstBalanceRow = u"select id from saldoinicial order by id limit 1 for update"_s;
const QString PeriodReport::SqlUpdateBalance =
    u"update saldoinicial set data = :data, saldoinicial = 20, saldofinal = :saldofinal where id = :id"_s;
const QString PeriodReport::SqlInsertBalance =
    u"insert into saldoinicial (data, saldoinicial, saldofinal) values (:data, 20, :saldofinal)"_s;

double PeriodData::grandTotal() const
{
    return creditCard + debitCard + crediario + cheque + exchangeDifference + receiptCash + receiptCreditCard +
           receiptDebitCard + receiptCheque + previousBalance + cashEntries - cashExits;
}

PeriodReport::PeriodReport(TDM& dm)
    : m_dm(dm)
{
}

std::variant<Period, PeriodRefusal> PeriodReport::readPeriod(const QString& startText, const QString& endText)
{
    if (isBlankDate(startText) || isBlankDate(endText))
        return PeriodRefusal{emptyMessage(), PeriodRefusal::Field::Start};
    const auto start = br::parseDate(startText);
    if (!start)
        return PeriodRefusal{u"Data inicial inválida !"_s, PeriodRefusal::Field::Start};
    const auto end = br::parseDate(endText);
    if (!end)
        return PeriodRefusal{u"Data final inválida !"_s, PeriodRefusal::Field::End};
    return checkPeriod(*start, *end);
}

std::variant<Period, PeriodRefusal> PeriodReport::checkPeriod(const QDate& start, const QDate& end)
{
    if (!start.isValid())
        return PeriodRefusal{u"Data inicial inválida !"_s, PeriodRefusal::Field::Start};
    if (!end.isValid())
        return PeriodRefusal{u"Data final inválida !"_s, PeriodRefusal::Field::End};
    if (start > end)
        return PeriodRefusal{u"A data inicial é maior que a data final !"_s, PeriodRefusal::Field::Start};
    return Period{start, end};
}

void PeriodReport::configure(ReportPrinter& RD1)
{
    RD1.TamanhoQteLinhas = kPageLines;
    RD1.TamanhoQteColunas = kColumns;
    RD1.FonteTamanhoPadrao = FontPitch::S12cpp;
    RD1.Acentuacao = Accentuation::Transliterate;
    RD1.OpcoesPreview.Preview = true;
    RD1.OpcoesPreview.caption = u"Visualizar Relatório"_s;
    RD1.OpcoesPreview.zoom = 97;
    RD1.PortaComunicacao = u"LPT1"_s;
    RD1.OnBeforeNewPage = nullptr;
}

PeriodData PeriodReport::compute(const Period& period, bool withPreviousBalance)
{
    DbConnection& db = m_dm.MyConnection1();
    PeriodData d;
    d.period = period;
    d.withPreviousBalance = withPreviousBalance;

    QSqlQuery q =
        db.query(u"caixa do período"_s, SqlPeriodRows, {{u":mdatai"_s, period.start}, {u":mdataf"_s, period.end}});
    while (q.next()) {
        PeriodRow r;
        r.data = q.value(u"Data"_s).toDate();
        r.condicao = q.value(u"Condicao"_s).toString();
        r.especie = q.value(u"especie"_s).toString();
        r.descricao = q.value(u"Descricao"_s).toString();
        r.credito = q.value(u"Credito"_s).toDouble();
        r.debito = q.value(u"Debito"_s).toDouble();
        r.codigoNota = q.value(u"CodigoNota"_s).toString();
        r.es = q.value(u"es"_s).toString();

        // Texts are compared exactly, letter case included: "dinheiro" counts nowhere.
        if (isCash(r)) {
            d.cashEntries += r.credito;
            d.cashExits += r.debito;
        } else if (isOneOf(r.condicao, {u"CARTÃO DE CREDITO", u"Cartão de Credito"})) {
            if (r.especie != u"Recebimento Crediario Cartao Credito"_s)
                d.creditCard += r.credito;
        } else if (isOneOf(r.condicao, {u"CARTÃO DE DEBITO", u"Cartão de Debito"})) {
            if (r.especie != u"Recebimento Crediario Cartao Debito"_s)
                d.debitCard += r.credito;
        } else if (isOneOf(r.condicao, {u"Crediario", u"CREDIARIO"})) {
            d.crediario += r.credito;
        } else if (isOneOf(r.condicao, {u"Cheque", u"CHEQUE"})) {
            if (r.especie != u"Recebimento Crediario Cheque"_s)
                d.cheque += r.credito;
        }

        // Kind totals, whatever the condition.
        if (r.especie == u"Diferença na Troca"_s)
            d.exchangeDifference += r.credito;
        else if (r.especie == u"Recebimento Crediario Dinheiro"_s)
            d.receiptCash += r.credito;
        else if (r.especie == u"Recebimento Crediario Cartao Credito"_s)
            d.receiptCreditCard += r.credito;
        else if (r.especie == u"Recebimento Crediario Cartao Debito"_s)
            d.receiptDebitCard += r.credito;
        else if (r.especie == u"Recebimento Crediario Cheque"_s)
            d.receiptCheque += r.credito;

        d.rows.append(std::move(r));
    }

    if (withPreviousBalance)
        d.previousBalance =
            db.scalar(u"saldo anterior"_s, SqlPreviousBalance, {{u":mdatai"_s, period.start}}).toDouble();
    return d;
}

void PeriodReport::layout(ReportPrinter& RD1, const PeriodData& data) const
{
    PeriodLayout(RD1, data, m_dm.storeName(), m_dm.clock().today()).run();
}

void PeriodReport::storeBalance(double grandTotal)
{
    DbConnection& db = m_dm.MyConnection1();
    const QDate today = m_dm.clock().today();
    db.transaction(u"saldoinicial"_s, [&] {
        const QVariant id = db.scalar(u"saldoinicial"_s, SqlFirstBalanceRow);
        if (id.isValid())
            db.query(u"saldoinicial"_s, SqlUpdateBalance,
                     {{u":data"_s, today}, {u":saldofinal"_s, grandTotal}, {u":id"_s, id}});
        else
            db.query(u"saldoinicial"_s, SqlInsertBalance, {{u":data"_s, today}, {u":saldofinal"_s, grandTotal}});
    });
}

TextReport PeriodReport::print(ReportPrinter& RD1, const Period& period, bool withPreviousBalance)
{
    const PeriodData data = compute(period, withPreviousBalance);
    storeBalance(data.grandTotal());
    RD1.Abrir();
    layout(RD1, data);
    TextReport page = RD1.report();
    RD1.Fechar();
    return page;
}
