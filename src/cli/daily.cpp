#include "cli.h"

#include "app/brformat.h"
#include "app/dailysummary.h"
#include "app/tdm.h"
#include "reports/dailyreport.h"

#include <QFile>
#include <QFileInfo>

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
        {"SALDOINICIAL", s.SALDOINICIAL}, {"DINHEIRO_E", s.DINHEIRO_E}, {"DINHEIRO_S", s.DINHEIRO_S},
        {"calcdinheiro", s.calcdinheiro}, {"CHEQUE_E", s.CHEQUE_E},     {"CHEQUE_S", s.CHEQUE_S},
        {"calccheque", s.calccheque},     {"CARTAO_E", s.CARTAO_E},     {"CARTAO_S", s.CARTAO_S},
        {"calccartao", s.calccartao},     {"CartaoD_E", s.CartaoD_E},   {"CartaoD_S", s.CartaoD_S},
        {"calccartaoD", s.calccartaoD},   {"SANGRIA", s.SANGRIA},       {"SALDOFINAL", s.SALDOFINAL},
    };
    out << "DATAFECHA " << br::date(s.DATAFECHA) << '\n';
    for (const auto& [name, value] : values)
        out << name << ' ' << br::money(value) << '\n';
    return 0;
}

int diario(Context& c)
{
    c.options.allow({u"data"_s, u"turno"_s, u"saida"_s, u"tipo"_s});
    const QString tipo = c.options.value(u"tipo"_s, u"detalhado"_s);
    static const QStringList tipos = {u"detalhado"_s, u"resumido"_s, u"turno-detalhado"_s, u"turno-resumido"_s};
    if (!tipos.contains(tipo))
        throw UsageError{u"Tipo de relatório inválido: %1 (use %2)"_s.arg(tipo, tipos.join(u" | "_s))};
    const QDate day = c.options.date(u"data"_s);
    if (!c.options.has(u"turno"_s))
        throw UsageError{u"Informe --turno NOME"_s};
    if (!startDataModule(c))
        return 1;
    ReportPrinter printer;
    printer.setMessageSink(&c.messages);
    DailyResultsReport report(*c.dm, printer);
    const QString turno = c.options.value(u"turno"_s);
    // Asking the tool for the summarized report is the answer to its question.
    c.messages.answer = true;
    const DailyReportResult result = tipo == u"resumido"_s          ? report.summarizedGeneral(day, turno)
                                     : tipo == u"turno-detalhado"_s ? report.detailedShift(day, turno)
                                     : tipo == u"turno-resumido"_s  ? report.summarizedShift(day, turno)
                                                                    : report.detailedGeneral(day, turno);
    if (!result.printed || !QFileInfo::exists(result.textFile)) {
        c.messages.show(MessageSink::Kind::Error, QString(), u"Nenhum relatório foi gravado."_s);
        return 1;
    }
    QString written = result.textFile;
    if (c.options.has(u"saida"_s)) {
        written = c.options.value(u"saida"_s);
        QFile::remove(written);
        if (!QFile::copy(result.textFile, written)) {
            c.messages.show(MessageSink::Kind::Error, QString(), u"Não foi possível gravar %1."_s.arg(written));
            return 1;
        }
    }
    QTextStream(stdout) << u"Relatório gravado em "_s << written << '\n';
    return 0;
}

} // namespace

QList<Command> dailyCommands()
{
    return {
        {u"diario"_s,
         u"diario --data AAAA-MM-DD --turno NOME [--tipo detalhado|resumido|turno-detalhado|turno-resumido] "
         "[--saida ARQUIVO]   grava o relatório do caixa do dia"_s,
         diario},
        {u"resumo"_s, u"resumo --data AAAA-MM-DD   calcula o resumo do caixa do dia e mostra a linha gravada"_s,
         resumo},
    };
}

} // namespace cli
