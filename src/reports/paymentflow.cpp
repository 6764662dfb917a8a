#include "paymentflow.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/tdm.h"
#include "output/reportprinter.h"

#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

// resumo keeps kinds of up to 35 characters; longer ones are cut there, never in the grid.
constexpr int kResumoEspecie = 35;
// Rows per INSERT when copying the lines into resumo.
constexpr int kBatch = 200;

struct PrintedRow {
    QDate data;
    QString descricao;
    QString especie;
    double valor = 0;
};

} // namespace

const QString PaymentFlow::SqlResumoRows = u"select Datai, Descricao, especie, Valor from resumo order by Controle"_s;

PaymentFlow::PaymentFlow(TDM& dm)
    : m_dm(dm)
{
}

FlowGrouping PaymentFlow::groupingFor(const QString& tipo)
{
    return tipo.isEmpty() || tipo == u"SANGRIA"_s ? FlowGrouping::ByDescription : FlowGrouping::ByDay;
}

QString PaymentFlow::statement(const QString& tipo, FlowGrouping grouping)
{
    // Columns that are not grouped take one value of their group: the earliest date, the
    // first description or kind in the collation's order.
    QString sql =
        grouping == FlowGrouping::ByDay
            ? u"select data, min(descricao) as descricao, min(especie) as especie, sum(valor) as total from caixa\n"_s
            : u"select min(data) as data, descricao, min(especie) as especie, sum(valor) as total from caixa\n"_s;
    sql += tipo.isEmpty() ? u"where ((data>=:dti) and (data<=:dtf))\n"_s
                          : u"where ((data>=:dti) and (data<=:dtf)) and (especie=:Mtipo)\n"_s;
    sql += grouping == FlowGrouping::ByDay ? u"group by data\n"_s : u"group by descricao\n"_s;
    sql += u"order by data, descricao"_s;
    return sql;
}

FlowResult PaymentFlow::search(const QDate& dti, const QDate& dtf, const QString& tipo, FlowGrouping grouping)
{
    DbConnection& db = m_dm.MyConnection1();
    Binds binds = {{u":dti"_s, dti}, {u":dtf"_s, dtf}};
    if (!tipo.isEmpty())
        binds.append({u":Mtipo"_s, tipo});
    const QString sql = statement(tipo, grouping);

    FlowResult r;
    db.transaction(u"fluxo de pagamento"_s, [&] {
        r = FlowResult{dti, dtf, tipo, grouping, {}, 0};
        db.query(u"esvazia resumo"_s, u"delete from resumo"_s);
        QSqlQuery q = db.query(u"fluxo de pagamento"_s, sql, binds);
        while (q.next()) {
            FlowRow row{q.value(u"data"_s).toDate(), q.value(u"descricao"_s).toString(),
                        q.value(u"especie"_s).toString(), q.value(u"total"_s).toDouble()};
            r.sum += row.total;
            r.rows.append(std::move(row));
        }
        // The listed lines go to resumo in their order, a batch per statement.
        for (qsizetype first = 0; first < r.rows.size(); first += kBatch) {
            const qsizetype last = std::min<qsizetype>(first + kBatch, r.rows.size());
            QStringList values;
            Binds rowBinds;
            for (qsizetype i = first; i < last; ++i) {
                const FlowRow& row = r.rows.at(i);
                const QString n = QString::number(i);
                values << u"(:v%1, :d%1, :i%1, :e%1)"_s.arg(n);
                rowBinds.append({u":v"_s + n, row.total});
                rowBinds.append({u":d"_s + n, row.descricao});
                rowBinds.append({u":i"_s + n, row.data});
                rowBinds.append({u":e"_s + n, row.especie.left(kResumoEspecie)});
            }
            db.query(u"resumo"_s,
                     u"insert into resumo (Valor, Descricao, Datai, especie) values "_s + values.join(u", "_s),
                     rowBinds);
        }
    });
    return r;
}

void PaymentFlow::configure(ReportPrinter& impressao1)
{
    impressao1.TamanhoQteLinhas = 1;
    impressao1.TamanhoQteColunas = 58;
    impressao1.FonteTamanhoPadrao = FontPitch::S10cpp;
    impressao1.Acentuacao = Accentuation::Transliterate;
    impressao1.OpcoesPreview.Preview = true;
    impressao1.OpcoesPreview.caption = u"Visualizar Relatório"_s;
    impressao1.OpcoesPreview.zoom = 97;
    impressao1.PortaComunicacao = u"LPT1"_s;
}

TextReport PaymentFlow::print(ReportPrinter& impressao1, const FlowResult& searched)
{
    // Read before the report is opened: a database error leaves the printer closed.
    QList<PrintedRow> rows;
    QSqlQuery q = m_dm.MyConnection1().query(u"resumo"_s, SqlResumoRows);
    while (q.next())
        rows.append({q.value(0).toDate(), q.value(1).toString(), q.value(2).toString(), q.value(3).toDouble()});

    const QDateTime now = m_dm.clock().now();
    constexpr int bold = TextStyle::Bold;
    impressao1.TamanhoQteLinhas = 1;
    impressao1.Abrir();
    impressao1.ImpCentro(1, 1, u"Loja :"_s + m_dm.storeName(), bold);
    impressao1.ImpCentro(2, 1, u"Data :"_s + br::date(now.date()) + u"-Hora:"_s + br::time(now.time()), bold);
    impressao1.ImpCentro(3, 1, u"Movimento:"_s + br::date(searched.start) + u" a "_s + br::date(searched.end), bold);
    impressao1.ImpCentro(5, 1, u"Data  Descricao                 Especie          Valor R$"_s, bold);
    int line = kFirstRowLine;
    for (const PrintedRow& r : rows) {
        impressao1.ImpF(line, 1, br::date(r.data).left(5), bold);
        impressao1.ImpF(line, 8, r.descricao.left(25), bold);
        impressao1.ImpF(line, 33, r.especie.left(15), bold);
        impressao1.ImpCentro(line, 55, br::money(r.valor), bold);
        ++line;
    }
    const int totalLine = line + 1;
    impressao1.ImpCentro(totalLine, 1, u"Total R$ "_s, bold);
    impressao1.ImpCentro(totalLine, 55, br::money(searched.sum), bold);
    impressao1.TamanhoQteLinhas = totalLine + kBottomMargin;
    TextReport page = impressao1.report();
    impressao1.Fechar();
    return page;
}
