#include "cli.h"

#include "app/tdm.h"
#include "output/reportprinter.h"
#include "reports/paymentflow.h"
#include "reports/periodreport.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

Period period(const Context& c)
{
    const auto checked = PeriodReport::checkPeriod(c.options.date(u"de"_s), c.options.date(u"ate"_s));
    if (const auto* refusal = std::get_if<PeriodRefusal>(&checked))
        throw UsageError{refusal->message};
    return std::get<Period>(checked);
}

// The pages as the report's text file holds them, with plain line ends.
void write(const TextReport& page)
{
    QString text = page.toText();
    text.replace(u"\r\n"_s, u"\n"_s);
    QTextStream(stdout) << text;
}

int periodo(Context& c)
{
    c.options.allow({u"de"_s, u"ate"_s, u"saldo-anterior"_s});
    const Period p = period(c);
    const QString saldo = c.options.value(u"saldo-anterior"_s, u"S"_s);
    if (saldo != u"S"_s && saldo != u"N"_s)
        throw UsageError{u"Use --saldo-anterior S ou N"_s};
    if (!startDataModule(c))
        return 1;
    ReportPrinter RD1;
    PeriodReport::configure(RD1);
    write(PeriodReport(*c.dm).print(RD1, p, saldo == u"S"_s));
    return 0;
}

int fluxo(Context& c)
{
    c.options.allow({u"de"_s, u"ate"_s, u"especie"_s, u"agrupar"_s});
    const Period p = period(c);
    const QString especie = c.options.value(u"especie"_s);
    FlowGrouping grouping = PaymentFlow::groupingFor(especie);
    if (c.options.has(u"agrupar"_s)) {
        const QString by = c.options.value(u"agrupar"_s);
        if (by == u"dia"_s)
            grouping = FlowGrouping::ByDay;
        else if (by == u"descricao"_s)
            grouping = FlowGrouping::ByDescription;
        else
            throw UsageError{u"Use --agrupar dia ou descricao"_s};
    }
    if (!startDataModule(c))
        return 1;
    PaymentFlow flow(*c.dm);
    const FlowResult found = flow.search(p.start, p.end, especie, grouping);
    ReportPrinter impressao1;
    PaymentFlow::configure(impressao1);
    write(flow.print(impressao1, found));
    return 0;
}

} // namespace

QList<Command> periodCommands()
{
    return {
        {u"periodo"_s,
         u"periodo --de AAAA-MM-DD --ate AAAA-MM-DD [--saldo-anterior S|N]   relatório de caixa do período "
         "(grava o saldo em saldoinicial)"_s,
         periodo},
        {u"fluxo"_s,
         u"fluxo --de AAAA-MM-DD --ate AAAA-MM-DD [--especie TIPO] [--agrupar dia|descricao]   fluxo de "
         "pagamento do período"_s,
         fluxo},
    };
}

} // namespace cli
