#pragma once

#include "output/textreport.h"

#include <QDate>
#include <QList>
#include <QString>

class ReportPrinter;
class TDM;

// How the cash book of the period is summed: one line per day or one per description.
enum class FlowGrouping { ByDay, ByDescription };

struct FlowRow {
    QDate data;
    QString descricao;
    QString especie;
    double total = 0;
};

// What a search found: its period and kind, the listed lines and the sum of their amounts.
struct FlowResult {
    QDate start;
    QDate end;
    QString tipo;
    FlowGrouping grouping = FlowGrouping::ByDescription;
    QList<FlowRow> rows;
    double sum = 0;
};

// The payment flow: the cash book of a period summed per day or per description, for one
// kind of payment or for all, copied into the resumo work table and printed as a roll.
class PaymentFlow {
public:
    explicit PaymentFlow(TDM& dm);

    // No kind, or withdrawals ("SANGRIA" exactly), are summed per description; any other kind
    // per day.
    static FlowGrouping groupingFor(const QString& tipo);
    // The search statement; the kind is bound as :Mtipo when it is not empty.
    static QString statement(const QString& tipo, FlowGrouping grouping);

    // Runs the search and leaves its lines in resumo.
    FlowResult search(const QDate& dti, const QDate& dtf, const QString& tipo, FlowGrouping grouping);
    FlowResult search(const QDate& dti, const QDate& dtf, const QString& tipo)
    {
        return search(dti, dtf, tipo, groupingFor(tipo));
    }

    // Settings of the window's report printer (impressao1): a roll of 58 columns.
    static void configure(ReportPrinter& impressao1);
    // Prints the lines the search left in resumo, under the searched period, with its sum;
    // closing the report shows the preview on a window's printer.
    TextReport print(ReportPrinter& impressao1, const FlowResult& searched);

    static constexpr int kFirstRowLine = 7;
    static constexpr int kBottomMargin = 14;

    static const QString SqlResumoRows;

private:
    TDM& m_dm;
};
