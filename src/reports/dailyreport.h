#pragma once

#include "app/dbconnection.h"
#include "output/reportprinter.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <cmath>
#include <functional>
#include <optional>

class TDM;

// Ten-thousandths of the currency: the cash, cheque and entry totals are kept this way, so
// that adding many amounts never drifts.
class Money4 {
public:
    void add(double amount) { m_units += qint64(std::llround(amount * 10000.0)); }
    double value() const { return double(m_units) / 10000.0; }

private:
    qint64 m_units = 0;
};

// A row of the cash book as the report reads it.
struct CashRow {
    int controle = 0;
    QString CodigoNota;
    double CodigoCliente = 0;
    double CodigoFuncionario = 0;
    QString Descricao;
    QDate Data;
    double Credito = 0;
    double Debito = 0;
    QString Opcao, Tipo, Tp, Condicao, Hora, Turno, especie, es, NomeFuncionario, NFCancelada, filial;
    double codigofilial = 0;
    double troco = 0;
    QVariant nfce;
};

// A row of caixalojatmp: one printed movement.
struct WorkRow {
    QString codigonota;
    CashRow source;
    QString especie;
    double Credito = 0;
    double Debito = 0;
    double valorpgsaida = 0; // the amount, also in valor and valorsaida
    double troco = 0;
    // Amount counted in the totals: valorpgsaida of an entry, Debito of an exit.
    double amount() const { return source.es == u'S' ? Debito : valorpgsaida; }
};

// The cash rows a report reads and how it copies them into the work table.
enum class DailyForm {
    N,     // the shift's time window
    A,     // the whole day, no model 55, "number/note" note numbers
    F,     // the shift's time window, NFC-e movements only
    Shift, // the per-shift reports: as A, without old card writes-off and with fewer PIX kinds
};

struct DailyTotals {
    Money4 cash, cheque, entries;
    double pix = 0, boleto = 0, voucher = 0, credCash = 0, debit = 0, credit = 0, oldCard = 0, crediario = 0;
    double voucherIn = 0, change = 0, payments = 0, bank = 0, returns = 0, cashOut = 0, cardOut = 0;
    double chequesOut = 0, withdrawals = 0, voucherOut = 0, discounts = 0, crediarioDia = 0;

    void add(const WorkRow& row, DailyForm form);

    // The balances of the totals block ("TOTAL COM O TROCO", "TOTAL SEM O TROCO", "SALDO DO
    // DIA", "SALDO EM DINHEIRO").
    double withChange() const;
    double withoutChange() const;
    double dayBalance() const;
    double cashBalance() const;
};

// The shift of the report and its time window ("yyyy-MM-dd HH:mm" texts).
struct ShiftWindow {
    int controle = 0;
    QString descricao;
    QString horaabertura;
    QString horafechamento;
    QString start;
    QString end;
};

// A receivable listed by the crediário sections.
struct ReceivableLine {
    double codigoCliente = 0;
    QString nome;
    QString codigoNota;
    double valor = 0;
};

// What a report produced.
struct DailyReportResult {
    bool printed = false;
    QString textFile;
    DailyTotals totals;
    TextReport report;
};

// The day's cash report of the results window: the checks before printing, the shift and its
// time window, the work table, the header, the body, the end of the report and its text file.
class DailyResultsReport {
public:
    DailyResultsReport(TDM& dm, ReportPrinter& printer);

    // Advances with each cash row read.
    void setProgress(std::function<void(int)> progress) { m_progress = std::move(progress); }
    // Shows the main window's summary controls set to the report's day after printing.
    void setOnPrinted(std::function<void(const QDate&, bool withButton)> f) { m_onPrinted = std::move(f); }

    // "Imprimir Detalhado &Geral": every movement of the day, the totals and the sections.
    DailyReportResult detailedGeneral(const QDate& day, const QString& turno);
    // "Imprimir &Resumido Geral": the day's totals on one page for the inside cash office,
    // after the user confirms it.
    DailyReportResult summarizedGeneral(const QDate& day, const QString& turno);
    // "Imprimir Detalhado &Turno" and "Imprimir Resumido &Turno": one shift (form "A" only).
    DailyReportResult detailedShift(const QDate& day, const QString& turno);
    DailyReportResult summarizedShift(const QDate& day, const QString& turno);

    static QString summarizedQuestion()
    {
        return QStringLiteral("Deseja Imprimir o Relatorio Resumido para o Caixa Interno?");
    }

    // The checks and pieces the reports share.
    bool hasPendingFiscalDocuments(const QDate& day);
    void warnPendingFiscalDocuments(const QDate& day);
    ShiftWindow shiftWindow(const QDate& day, const QString& turno);
    QList<CashRow> readCash(const QString& statement, const QString& sql, const Binds& binds);
    // Applies the fill rules to the rows, stores the work rows and returns them.
    QList<WorkRow> fillWorkTable(const QList<CashRow>& rows, DailyForm form);
    void emptyWorkTable();
    double discounts(const QDate& day, int turno, const QString& sql);
    double crediarioOfTheDay(const QDate& day, const QString& sql, QList<ReceivableLine>* lines = nullptr);

    // The shifts offered by the window, by description.
    QStringList shiftNames();

    // Where the report's text is written and read back by the closing.
    static QString textPath(const QString& tempcaixa);

    static QString kindLabel(const QString& especie, const QString& es, DailyForm form);
    static QList<WorkRow> rulesFor(const CashRow& row, DailyForm form);

    static QString pendingFiscalMessage();
    static QString noShiftMessage() { return QStringLiteral("Turmo Não foi Selecionado, Por Favor Selecione !!!"); }

    static const QString SqlPending;
    static const QString SqlCashN;
    static const QString SqlCashA;
    static const QString SqlCashF;
    static const QString SqlDiscounts;
    static const QString SqlDiscountsA;
    static const QString SqlDiscountsA55;
    static const QString SqlCrediarioDia;
    static const QString SqlCrediarioDiaA;
    static const QString SqlCrediarioDiaA55;

private:
    // Checks and shift shared by the reports; nullopt when the report must not go on.
    std::optional<ShiftWindow> start(const QDate& day, const QString& turno);
    void setUpPage(FontPitch pitch);
    DailyForm formSetting() const;
    void header(const QDate& day, int rule, bool detailed);
    int movementLines(const QList<WorkRow>& rows, DailyForm form, int style);
    int summary(int line, const DailyTotals& t, DailyForm form, double dayChange, bool shiftStyles = false);
    int sectionFrame(int line, const QString& title, const QString& heading, int ruleLength);
    int closeSection(int line);
    int printSections(int line, const QDate& day, const ShiftWindow& shift, DailyForm form, int ruleLength,
                      const QList<ReceivableLine>& crediario, double crediarioTotal);
    int groupSection(int line, DailyForm form, int ruleLength, double discountsOfItems);
    double shiftTotals(DailyTotals& t, const QDate& day, const ShiftWindow& shift, QList<WorkRow>* listed);
    void finish(int lastSectionEnd, const QDate& day, DailyReportResult& result, bool withButton);
    QString rule(int length) const { return QString(length, u'-'); }

    TDM& m_dm;
    ReportPrinter& m_printer;
    std::function<void(int)> m_progress;
    std::function<void(const QDate&, bool)> m_onPrinted;
};
