#pragma once

#include <QDate>
#include <QList>
#include <QString>

class TDM;

// The summary row stored in fechamentocaixa.
struct SummaryRow {
    QDate DATAFECHA;
    double SALDOINICIAL = 0;
    double DINHEIRO_E = 0, DINHEIRO_S = 0, calcdinheiro = 0;
    double CHEQUE_E = 0, CHEQUE_S = 0, calccheque = 0;
    double CARTAO_E = 0, CARTAO_S = 0, calccartao = 0;
    double CartaoD_E = 0, CartaoD_S = 0, calccartaoD = 0;
    double SANGRIA = 0;
    double SALDOFINAL = 0;
};

// One line of the sales-by-salesperson grids.
struct SalesLine {
    int codigo = 0;
    QString funcionario;
    double total = 0;
};

struct DailySummaryResult {
    bool refused = false; // the day is earlier than the one already summarised
    SummaryRow row;
    double diferencaTroca = 0;   // CurrencyEdit11
    double recebidoDinheiro = 0; // CurrencyEdit4
    double recebidoDebito = 0;   // CurrencyEdit3
    double recebidoCredito = 0;  // CurrencyEdit12
    double recebidoCheque = 0;   // CurrencyEdit13
    double vendaAVista = 0;      // CurrencyEdit1
    double vendaCrediario = 0;   // CurrencyEdit2
    QList<SalesLine> aVista;     // left grid
    QList<SalesLine> aPrazo;     // right grid
};

// The day's cash summary: totals by kind of money from the cash book, the summary row in
// fechamentocaixa and the per-salesperson work tables.
class DailySummary {
public:
    explicit DailySummary(TDM& dm);

    // Computes day D. Refused (and nothing written) when D is earlier than the stored row's day.
    DailySummaryResult compute(const QDate& day);

    static QString refusedMessage() { return QStringLiteral("Caixa já fechado."); }
    static QString refusedTitle() { return QStringLiteral("Informação"); }

    static const QString SqlLastSummary;
    static const QString SqlDayRows;
    static const QString SqlCashSales;
    static const QString SqlCreditSales;
    static const QString SqlItems;
    static const QString SqlReceipts;
    static const QString SqlVendasTemp01;
    static const QString SqlVendasTemp02;
    static const QString SqlInsertSummary;

private:
    TDM& m_dm;
};
