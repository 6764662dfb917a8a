#pragma once

#include "output/textreport.h"

#include <QDate>
#include <QList>
#include <QString>

#include <variant>

class ReportPrinter;
class TDM;

// The period asked for: both ends included.
struct Period {
    QDate start;
    QDate end;
};

// Why a period cannot be printed, and the date field that gets the focus.
struct PeriodRefusal {
    enum class Field { Start, End };
    QString message;
    Field field = Field::Start;
};

// One cash-book row as the report lists it.
struct PeriodRow {
    QDate data;
    QString condicao;
    QString especie;
    QString descricao;
    double credito = 0;
    double debito = 0;
    QString codigoNota;
    QString es;
};

// Everything the printed page shows, computed before anything is placed.
struct PeriodData {
    Period period;
    bool withPreviousBalance = true;
    QList<PeriodRow> rows;
    double previousBalance = 0; // 0 when not asked for
    double cashEntries = 0;
    double cashExits = 0;
    double creditCard = 0;
    double debitCard = 0;
    double crediario = 0;
    double cheque = 0;
    double exchangeDifference = 0;
    double receiptCash = 0;
    double receiptCreditCard = 0;
    double receiptDebitCard = 0;
    double receiptCheque = 0;

    double runningBalance() const { return previousBalance + cashEntries - cashExits; }
    double grandTotal() const;
};

// The cash report of a period: every cash-book row of the period grouped into entries and
// exits, the cash totals with the previous balance, the closing block of totals per kind of
// payment, on pages of 95 columns by 50 lines. Printing also stores the grand total in
// saldoinicial.
class PeriodReport {
public:
    explicit PeriodReport(TDM& dm);

    // Reads the two date fields as typed ("dd/mm/aaaa"); an empty field holds only blanks and
    // the slashes of its mask.
    static std::variant<Period, PeriodRefusal> readPeriod(const QString& startText, const QString& endText);
    // A period whose start comes after its end is refused.
    static std::variant<Period, PeriodRefusal> checkPeriod(const QDate& start, const QDate& end);

    // Settings of the report printer of the window (RD1).
    static void configure(ReportPrinter& RD1);

    // Reads the period's rows, the previous balance (when asked) and every total.
    PeriodData compute(const Period& period, bool withPreviousBalance);
    // Places the pages on an open report.
    void layout(ReportPrinter& RD1, const PeriodData& data) const;
    // Writes the grand total into the balance record (its first row, or a new one).
    void storeBalance(double grandTotal);

    // The whole print: compute, store the balance, place the pages and close the report
    // (which shows the preview on a window's printer). Database errors are thrown before
    // the report is opened, so a failed print leaves the printer closed and shows nothing.
    TextReport print(ReportPrinter& RD1, const Period& period, bool withPreviousBalance);

    static constexpr int kPageLines = 50;
    static constexpr int kColumns = 95;
    static constexpr int kFirstRowLine = 9;

    static QString emptyMessage() { return QStringLiteral("Selecione o período !"); }
    static QString messageTitle() { return QStringLiteral("Atenção"); }

    static const QString SqlPeriodRows;
    static const QString SqlPreviousBalance;
    static const QString SqlFirstBalanceRow;
    static const QString SqlUpdateBalance;
    static const QString SqlInsertBalance;

private:
    TDM& m_dm;
};
