#include "annualmovement.h"

#include "app/tdm.h"

#include <QSqlQuery>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString monthName(int month)
{
    return u"%1"_s.arg(month, 2, 10, QChar(u'0'));
}

// One column per month, "sep"-joined: `pattern` with %1 as the two-digit month.
QString perMonth(const QString& pattern, const QString& sep = u", "_s)
{
    QStringList parts;
    for (int m = 1; m <= 12; ++m)
        parts << pattern.arg(monthName(m));
    return parts.join(sep);
}

} // namespace

const QString AnnualMovement::SqlEmptyResumo = u"delete from resumo"_s;
const QString AnnualMovement::SqlEmptyResumoAnual = u"delete from resumoanual"_s;
const QString AnnualMovement::SqlEmptyResumoAnualCaixa = u"delete from resumoanualcaixa"_s;

// One copy of every cash row of the period but the change fund; a row without a kind is
// money of the period too. Exits are copied with their amount as entries are: the table shows
// what went through the register. The kind code is given by exact comparison, letter case
// included.
const QString AnnualMovement::SqlResumo =
    u"insert into resumo (CodigoNota, Data, mes, ano, Descricao, especie, CodigoCliente, Credito, tabela, "
    "codigoFilial, filial)\n"
    "select CodigoNota, data, date_format(data, '%m'), date_format(data, '%Y'), left(especie, 50), "
    "left(especie, 35),\n"
    "  case when binary especie = 'AD.TROCO' then 1 when binary especie = 'CARTAO CREDITO' then 2\n"
    "       when binary especie = 'CARTAO DEBITO' then 3 when binary especie = 'CHEQUE' then 4\n"
    "       when binary especie = 'DINHEIRO' then 5 when binary especie = 'PIX' then 6\n"
    "       when binary especie = 'SANGRIA' then 7 end,\n"
    "  ifnull(valor, 0), 'PAGAMENTOS NO PERIODO', :codigoFilial, :filial\n"
    "from caixa\n"
    "where (data >=:DataI) AND (data <=:DataF) and ((especie<>'AD.TROCO') or (especie is null))\n"
    "order by data, Controle"_s;

const QString AnnualMovement::SqlTotal = u"select count(*), ifnull(sum(Credito), 0) from resumo"_s;

// One row per kind and month, the month's sum in its own column. A kind written in two letter
// cases is one group (the server compares without case); it takes the code of its coded rows.
const QString AnnualMovement::SqlResumoAnual = u"insert into resumoanual (codigocliente, descricao, mes, "_s +
                                               perMonth(u"`%1`"_s) +
                                               u")\n"
                                               "select max(CodigoCliente), min(Descricao), mes, "_s +
                                               perMonth(u"if(mes = '%1', sum(Credito), 0)"_s) +
                                               u"\n"
                                               "from resumo\n"
                                               "group by especie, mes\n"
                                               "order by min(Descricao), mes"_s;

// One row per kind code with its twelve monthly totals; the kinds without a code make one
// row together, labelled with one of their descriptions that is not empty.
const QString AnnualMovement::SqlResumoAnualCaixa = u"insert into resumoanualcaixa (codigocliente, descricao, "_s +
                                                    perMonth(u"total%1"_s) +
                                                    u")\n"
                                                    "select codigocliente, ifnull(min(nullif(descricao, '')), ''), "_s +
                                                    perMonth(u"sum(`%1`)"_s) +
                                                    u"\n"
                                                    "from resumoanual\n"
                                                    "group by codigocliente\n"
                                                    "order by 2"_s;

AnnualMovement::AnnualMovement(TDM& dm)
    : m_dm(dm)
{
}

std::optional<QString> AnnualMovement::validate(const QDate& dataI, const QDate& dataF)
{
    if (!dataI.isValid() || !dataF.isValid())
        return u"Informe a Data Inicial e a Data Final !!!"_s;
    if (dataI > dataF)
        return u"A Data Inicial não pode ser maior que a Data Final !!!"_s;
    return std::nullopt;
}

AnnualMovementResult AnnualMovement::compute(const QDate& dataI, const QDate& dataF)
{
    m_dm.openSharedTables(); // the branch written on the rows, as it stands now
    const Filial filial = m_dm.tbFilial();
    DbConnection& db = m_dm.MyConnection1();
    AnnualMovementResult r;
    // Emptied inside the unit: a failure leaves the previous result whole.
    db.transaction(u"movimentação anual"_s, [&] {
        r = {};
        db.query(u"resumo"_s, SqlEmptyResumo);
        db.query(u"resumoanual"_s, SqlEmptyResumoAnual);
        db.query(u"resumoanualcaixa"_s, SqlEmptyResumoAnualCaixa);
        db.query(u"MyReceber"_s, SqlResumo,
                 {{u":codigoFilial"_s, filial.codigo},
                  {u":filial"_s, filial.nome},
                  {u":DataI"_s, dataI},
                  {u":DataF"_s, dataF}});
        QSqlQuery total = db.query(u"total do período"_s, SqlTotal);
        if (total.next()) {
            r.rows = total.value(0).toInt();
            r.total = total.value(1).toDouble();
        }
        db.query(u"tbQIndiv"_s, SqlResumoAnual);
        db.query(u"MyResumoAnual"_s, SqlResumoAnualCaixa);
    });
    return r;
}
