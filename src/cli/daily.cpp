#include "cli.h"

#include "app/brformat.h"
#include "app/dailysummary.h"
#include "app/tdm.h"

#include <QTextStream>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

int resumo(Context& c)
{
    c.options.allow({u"data"_s});
    const QDate day = c.options.date(u"data"_s);
    if (!startDataModule(c))
        return 1;
    const DailySummaryResult r = DailySummary(*c.dm).compute(day);
    if (r.refused) {
        c.messages.show(MessageSink::Kind::Information, DailySummary::refusedTitle(), DailySummary::refusedMessage());
        return 1;
    }
    QTextStream out(stdout);
    const SummaryRow& s = r.row;
    const QList<std::pair<const char*, double>> values = {
        {"SALDOINICIAL", s.SALDOINICIAL}, {"DINHEIRO_E", s.DINHEIRO_E},   {"DINHEIRO_S", s.DINHEIRO_S},
        {"calcdinheiro", s.calcdinheiro}, {"CHEQUE_E", s.CHEQUE_E},       {"CHEQUE_S", s.CHEQUE_S},
        {"calccheque", s.calccheque},     {"CARTAO_E", s.CARTAO_E},       {"CARTAO_S", s.CARTAO_S},
        {"calccartao", s.calccartao},     {"CartaoD_E", s.CartaoD_E},     {"CartaoD_S", s.CartaoD_S},
        {"calccartaoD", s.calccartaoD},   {"SANGRIA", s.SANGRIA},         {"SALDOFINAL", s.SALDOFINAL},
    };
    out << "DATAFECHA " << br::date(s.DATAFECHA) << '\n';
    for (const auto& [name, value] : values)
        out << name << ' ' << br::money(value) << '\n';
    return 0;
}

} // namespace

QList<Command> dailyCommands()
{
    return {
        {u"resumo"_s, u"resumo --data AAAA-MM-DD   calcula o resumo do caixa do dia e mostra a linha gravada"_s, resumo},
    };
}

} // namespace cli
