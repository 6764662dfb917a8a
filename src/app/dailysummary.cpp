#include "dailysummary.h"

#include "clock.h"
#include "tdm.h"
#include "vocabulary.h"

#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Salespeople whose sales go to the grids (8 is not among them).
constexpr auto kListed = "(1,2,3,4,5,6,7,9)";

// The note number as a number; an empty or non-numeric note is carried as null.
constexpr auto kNoteNumber =
    "case when trim(CodigoNota) regexp '^[0-9]+([.][0-9]+)?$' then cast(trim(CodigoNota) as double) else null end";

QString salesInsert(const char* table, const char* condition)
{
    return u"insert into %1 (codigofuncionario, nomefuncionario, data, totalpg, descricao, condicao, codigonota) "
           "select CodigoFuncionario, NomeFuncionario, :hoje, ifnull(Credito, 0), Descricao, Condicao, %2 "
           "from caixa where (data >= :DataI) and (data <= :Dataf) and CodigoFuncionario in %3 and %4 "
           "order by Controle"_s.arg(QString::fromLatin1(table), QString::fromLatin1(kNoteNumber),
                                     QString::fromLatin1(kListed), QString::fromLatin1(condition));
}

} // namespace

const QString DailySummary::SqlLastSummary = u"SELECT * FROM fechamentoCaixa ORDER BY datafecha"_s;
const QString DailySummary::SqlDayRows = u"SELECT * FROM caixa WHERE (data >=:DataI) AND (data <=:Dataf)"_s;
// Texts are matched exactly, letter case included, as the summary has always compared them.
const QString DailySummary::SqlCashSales = salesInsert("receberfunctemp", "binary Descricao = 'VENDA A VISTA'");
const QString DailySummary::SqlCreditSales = salesInsert("receberfunctempprazo", "binary Condicao = 'Crediario'");
const QString DailySummary::SqlItems =
    u"insert into itenssaidatemp (Codigonota, Data, Codigoproduto, Produto, CodigoGrupo, Grupo, CodigoParcela, "
    "DescParcela, Qt, Preco, desconto, PrecoCusto, CodigoFuncionario, nomefunciionario, Codigocliente, Cliente, "
    "hora, codigofilial, filial) "
    "select Codigonota, Data, Codigoproduto, Produto, CodigoGrupo, Grupo, CodigoParcela, DescParcela, Qt, Preco, "
    "desconto, PrecoCusto, CodigoFuncionario, nomefunciionario, Codigocliente, Cliente, hora, codigofilial, filial "
    "from itenssaida where (data >= :DataI) and (data <= :Dataf) and CodigoFuncionario in (1,2,3,4,5,6,7,9) "
    "order by Contador"_s;
const QString DailySummary::SqlReceipts =
    u"insert into recebercaixatemp (CodigoNota, DataEmissao, CodigoFuncionario, Valor, CodigoCliente, Nome, "
    "CodigoFilial, filial, hora, nomefuncionario, especie) "
    "select CodigoNota, Data, CodigoFuncionario, Credito, CodigoCliente, Descricao, codigofilial, filial, Hora, "
    "NomeFuncionario, especie from caixa where (data >= :DataI) and (data <= :Dataf) and binary especie in "
    "('Recebimento Crediario Dinheiro', 'Recebimento Crediario Cartao Debito', "
    "'Recebimento Crediario Cartao Credito', 'Recebimento Crediario Cheque') order by Controle"_s;
const QString DailySummary::SqlVendasTemp01 =
    u"Select CodigoFuncionario, NomeFuncionario, Data, Totalpg, "
    "Sum(Totalpg) as Total From ReceberFuncTemp\ngroup by CodigoFuncionario"_s;
const QString DailySummary::SqlVendasTemp02 =
    u"Select CodigoFuncionario, NomeFuncionario, Data, Totalpg, Sum(Totalpg) as Total From ReceberFuncTempPrazo\n"
    "group by CodigoFuncionario"_s;
const QString DailySummary::SqlInsertSummary =
    u"insert into fechamentocaixa (DATAFECHA, TERMINAL, CODFIL, SALDOINICIAL, DINHEIRO_E, DINHEIRO_S, "
    "calcdinheiro, CHEQUE_E, CHEQUE_S, calccheque, CARTAO_E, CARTAO_S, calccartao, CartaoD_E, CartaoD_S, "
    "calccartaoD, SANGRIA, SALDOFINAL) values (:DATAFECHA, '1', '1', :SALDOINICIAL, :DINHEIRO_E, :DINHEIRO_S, "
    ":calcdinheiro, :CHEQUE_E, 0, :calccheque, :CARTAO_E, 0, :calccartao, :CartaoD_E, 0, :calccartaoD, "
    ":SANGRIA, :SALDOFINAL)"_s;

DailySummary::DailySummary(TDM& dm)
    : m_dm(dm)
{
}

DailySummaryResult DailySummary::compute(const QDate& day)
{
    DailySummaryResult r;
    DbConnection& db = m_dm.MyConnection1();
    const Binds range = {{u":DataI"_s, day}, {u":Dataf"_s, day}};

    // Work tables of this connection start empty for every computation.
    const auto emptyWorkTables = [&] {
        for (const char* t : {"receberfunctemp", "itenssaidatemp", "receberfunctempprazo", "recebercaixatemp"})
            db.query(u"esvazia %1"_s.arg(QString::fromLatin1(t)), u"delete from %1"_s.arg(QString::fromLatin1(t)));
    };

    db.transaction(u"resumo do caixa"_s, [&] {
        r = {};
        emptyWorkTables();
        QSqlQuery last = db.query(u"fechamentocaixa"_s, SqlLastSummary);
        if (last.last() && day < last.value(u"DATAFECHA"_s).toDate()) {
            r.refused = true;
            return;
        }

        double dinheiro = 0, cheque = 0, credito = 0, debito = 0, crediario = 0, outras = 0, diferenca = 0;
        double recDinheiro = 0, recDebito = 0, recCredito = 0, recCheque = 0, troco = 0;
        double pagoDinheiro = 0, sangria = 0, mudanca = 0;
        QSqlQuery rows = db.query(u"lançamentos do dia"_s, SqlDayRows, range);
        while (rows.next()) {
            const QString especie = rows.value(u"especie"_s).toString();
            const QString tipo = rows.value(u"Tipo"_s).toString();
            const double c = rows.value(u"Credito"_s).toDouble();
            const double d = rows.value(u"Debito"_s).toDouble();
            if (isOneOf(especie, {u"Dinheiro", u"DINHEIRO"}))
                dinheiro += c;
            if (isOneOf(especie, {u"Cheque", u"CHEQUE"}))
                cheque += c;
            if (isOneOf(especie, {u"Cartão de Credito", u"CARTÃO DE CREDITO", u"CARTAO CREDITO"}))
                credito += c;
            if (isOneOf(especie, {u"Cartão de Debito", u"CARTÃO DE DEBITO", u"CARTAO DEBITO"}))
                debito += c;
            if (especie == u"Crediario"_s)
                crediario += c;
            if (!isOneOf(especie, {u"Crediario", u"Diferença na Troca", u"Recebimento Crediario"}))
                outras += c;
            if (especie == u"Diferença na Troca"_s)
                diferenca += c;
            if (especie == u"Recebimento Crediario Dinheiro"_s)
                recDinheiro += c;
            if (especie == u"Recebimento Crediario Cartao Debito"_s)
                recDebito += c;
            if (especie == u"Recebimento Crediario Cartao Credito"_s)
                recCredito += c;
            if (especie == u"Recebimento Crediario Cheque"_s)
                recCheque += c;
            if (especie == u"AD.TROCO"_s)
                troco += c;
            if (tipo == u"DEBITO"_s && especie == u"DINHEIRO"_s)
                pagoDinheiro += d;
            if (tipo == u"DEBITO"_s && especie == u"SANGRIA"_s)
                sangria += d;
            if (const double t = rows.value(u"troco"_s).toDouble(); t != 0)
                mudanca += t;
        }

        const Binds withToday = {{u":DataI"_s, day}, {u":Dataf"_s, day}, {u":hoje"_s, m_dm.clock().today()}};
        db.query(u"vendas à vista por vendedor"_s, SqlCashSales, withToday);
        db.query(u"vendas no crediário por vendedor"_s, SqlCreditSales, withToday);
        db.query(u"produtos vendidos"_s, SqlItems, range);
        db.query(u"recebimentos do dia"_s, SqlReceipts, range);

        SummaryRow& s = r.row;
        s.DATAFECHA = day;
        s.SALDOINICIAL = troco;
        s.DINHEIRO_E = dinheiro;
        s.DINHEIRO_S = pagoDinheiro + sangria + mudanca;
        s.calcdinheiro = s.DINHEIRO_E - s.DINHEIRO_S;
        s.CHEQUE_E = cheque;
        s.calccheque = s.CHEQUE_E - s.CHEQUE_S;
        s.CARTAO_E = credito;
        s.calccartao = s.CARTAO_E - s.CARTAO_S;
        s.CartaoD_E = debito;
        s.calccartaoD = s.CartaoD_E - s.CartaoD_S;
        s.SANGRIA = sangria;
        s.SALDOFINAL = s.calcdinheiro + s.calccartao + s.calccartaoD + s.calccheque + s.SALDOINICIAL + recDinheiro +
                       recDebito - recCredito - recCheque + diferenca + crediario;

        // The stored row is replaced within the unit: a failure leaves the previous one.
        db.query(u"fechamentocaixa"_s, u"delete from fechamentocaixa"_s);
        db.query(u"fechamentocaixa"_s, SqlInsertSummary,
                 {{u":DATAFECHA"_s, s.DATAFECHA},
                  {u":SALDOINICIAL"_s, s.SALDOINICIAL},
                  {u":DINHEIRO_E"_s, s.DINHEIRO_E},
                  {u":DINHEIRO_S"_s, s.DINHEIRO_S},
                  {u":calcdinheiro"_s, s.calcdinheiro},
                  {u":CHEQUE_E"_s, s.CHEQUE_E},
                  {u":calccheque"_s, s.calccheque},
                  {u":CARTAO_E"_s, s.CARTAO_E},
                  {u":calccartao"_s, s.calccartao},
                  {u":CartaoD_E"_s, s.CartaoD_E},
                  {u":calccartaoD"_s, s.calccartaoD},
                  {u":SANGRIA"_s, s.SANGRIA},
                  {u":SALDOFINAL"_s, s.SALDOFINAL}});

        r.diferencaTroca = diferenca;
        r.recebidoDinheiro = recDinheiro;
        r.recebidoDebito = recDebito;
        r.recebidoCredito = recCredito;
        r.recebidoCheque = recCheque;
        r.vendaAVista = outras - recDinheiro - recDebito - recCredito - recCheque - troco;
        r.vendaCrediario = crediario;
    });

    if (r.refused)
        return r;
    const auto lines = [&](const QString& name, const QString& sql) {
        QList<SalesLine> out;
        QSqlQuery q = db.query(name, sql);
        while (q.next())
            out.append({q.value(u"CodigoFuncionario"_s).toInt(), q.value(u"NomeFuncionario"_s).toString(),
                        q.value(u"Total"_s).toDouble()});
        return out;
    };
    r.aVista = lines(u"VendasTemp01"_s, SqlVendasTemp01);
    r.aPrazo = lines(u"VendasTemp02"_s, SqlVendasTemp02);
    return r;
}
