#include "cli.h"

#include "app/brformat.h"
#include "app/tdm.h"
#include "reports/annualmovement.h"
#include "reports/annualtable.h"
#include "reports/ui/annualtablerenderer.h"

#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// The table on standard output, one line per kind, columns aligned.
void printTable(QTextStream& out, const AnnualTableData& data, double total)
{
    const QStringList& headings = AnnualTable::headings();
    int first = int(headings.first().size());
    for (const AnnualLine& line : data.lines)
        first = std::max(first, int(line.descricao.size()));
    const auto row = [&](const QString& label, const QStringList& values) {
        QString text = label.leftJustified(first);
        for (const QString& v : values)
            text += u' ' + v.rightJustified(12);
        out << text << '\n';
    };
    const auto amounts = [](const auto& months, double last, const QString& mask) {
        QStringList values;
        for (double v : months)
            values << br::formatFloat(mask, v);
        values << br::formatFloat(mask, last);
        return values;
    };
    out << data.storeName << '\n' << data.title << "\n\n";
    row(headings.first(), headings.mid(1));
    for (const AnnualLine& line : data.lines)
        row(line.descricao, amounts(line.months, line.totalgeral, AnnualTable::DetailMask));
    row(u"Total R$"_s, amounts(data.monthSums, data.totalSum, AnnualTable::SummaryMask));
    out << "\nTotal R$ : " << br::money(total) << '\n';
}

int anual(Context& c)
{
    c.options.allow({u"de"_s, u"ate"_s, u"csv"_s, u"pdf"_s});
    const QDate dataI = c.options.date(u"de"_s);
    const QDate dataF = c.options.date(u"ate"_s);
    if (const auto problem = AnnualMovement::validate(dataI, dataF))
        throw UsageError{*problem};
    if (!startDataModule(c))
        return 1;
    const AnnualMovementResult result = AnnualMovement(*c.dm).compute(dataI, dataF);
    AnnualTableData data = AnnualTable(*c.dm).read();
    data.title = AnnualTable::titleLine(dataI, dataF);

    QTextStream out(stdout);
    printTable(out, data, result.total);
    out.flush();

    int rc = 0;
    if (c.options.has(u"csv"_s)) {
        if (const QString error = AnnualTable::writeCsv(data, c.options.value(u"csv"_s)); !error.isEmpty()) {
            c.messages.show(MessageSink::Kind::Error, QString(), error);
            rc = 1;
        }
    }
    if (c.options.has(u"pdf"_s)) {
        QString error;
        if (!AnnualTableRenderer(data).writePdf(c.options.value(u"pdf"_s), &error)) {
            c.messages.show(MessageSink::Kind::Error, QString(), error);
            rc = 1;
        }
    }
    return rc;
}

} // namespace

QList<Command> annualCommands()
{
    return {
        {u"anual"_s,
         u"anual --de AAAA-MM-DD --ate AAAA-MM-DD [--csv ARQUIVO] [--pdf ARQUIVO]   calcula a movimentação "
         "anual do caixa no período e escreve a tabela"_s,
         anual},
    };
}

} // namespace cli
