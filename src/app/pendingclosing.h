#pragma once

#include "output/reportprinter.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <functional>
#include <optional>

class TDM;

// A cash session left open on an earlier day (a row of abrefechacaixa).
struct PendingSession {
    int Controle = 0;
    QString NumCaixa;
    QDate DataAbertura;
    QTime HoraAbertura;
    QString UsuarioCaixa;
    qint64 turno = 0;
    QString maquina;
    double troco = 0;
    QDate DataFechamento;
    QTime HoraFechamento;
};

// A cash-book row as the closing report copies it into caixalojatmp.
struct PendingWorkRow {
    QString codigonota;
    double CodigoCliente = 0;
    double codigofilial = 0;
    QString filial;
    QString Descricao;
    QDate Data;
    QString especie;
    QString Condicao;
    QString es;
    QString Hora;
    QString Turno;
    double Credito = 0;
    double Debito = 0;
    double valorpgsaida = 0; // also in valor and valorsaida
    double troco = 0;

    double vReceb() const { return valorpgsaida; }
    double vPagto() const { return valorpgsaida + troco; }
};

// The closing report's totals, named after the lines that print them.
struct PendingTotals {
    double troco = 0;             // TROCO
    double dinheiro = 0;          // ENTRADA DE DINHEIRO
    double crediarioDinheiro = 0; // ENTRADA DO CREDIARIO DINHEIRO
    double cartaoDebito = 0;      // ENTRADA DE CARTAO DE DEBITO
    double cartaoCredito = 0;     // ENTRADA DE CARTAO DE.CREDITO
    double crediario = 0;         // ENTRADA DE CREDIARIO
    double cheque = 0;            // ENTRADA DE CHEQUE
    double entradas = 0;          // every entry, the change fund included
    double pagamentos = 0;        // TOTAL DE PAGAMENTOS
    double banco = 0;             // SAIDA PAGTO. P/BANCO
    double devolucao = 0;         // SAIDA DEVOLUÇÃO DE PRODUTO
    double saidaDinheiro = 0;     // SAIDA DE DINHEIRO
    double saidaCartao = 0;       // SAIDA DE CARTÃO
    double saidaCheques = 0;      // SAIDA DE CHEQUES
    double sangria = 0;           // SAIDA SANGRIA
    double descontos = 0;         // SAIDA DESCONTOS

    // The six entry lines, without the change fund.
    double entryLines() const
    {
        return dinheiro + crediarioDinheiro + cartaoDebito + cartaoCredito + crediario + cheque;
    }
};

struct PendingClosingReport {
    QList<PendingWorkRow> rows; // in Hora order
    PendingTotals totals;
    TextReport report;
};

// The pending-closing window's work: the session left open, its day's closing report, and
// the closing of that session.
class PendingClosing {
public:
    PendingClosing(TDM& dm, ReportPrinter& printer);

    // Advances with each cash row read: (rows read, rows to read).
    void setProgress(std::function<void(int, int)> progress) { m_progress = std::move(progress); }

    // The shift in force now (controle 0 when none).
    int shiftInForce();
    // The first open session of the shift opened up to yesterday, as the main window found it.
    std::optional<PendingSession> findSession(int turno);
    // Fills the work table from the session's day and shift, prints the report and closes it
    // (the preview opens).
    PendingClosingReport buildReport(const PendingSession& session, int turno);
    // Closes that session, only while it is still open; false when it was closed meanwhile.
    bool closeSession(const PendingSession& session, const PendingTotals& totals);
    void emptyWorkTable();

    // The work row a cash row becomes, if it qualifies.
    static std::optional<PendingWorkRow> workRow(const PendingWorkRow& cash);
    // The kind labels placed at column 28 of a detail line, in placing order.
    static QStringList labels(const PendingWorkRow& row);
    // Adds a work row to the totals (the discounts come from the sales).
    static void add(PendingTotals& totals, const PendingWorkRow& row);

    static QString alreadyClosedMessage() { return QStringLiteral("Este Data o Caixa já foi Fechado  !!!"); }

    static const QString SqlSession;
    static const QString SqlCash;
    static const QString SqlInsertWork;
    static const QString SqlDiscounts;
    static const QString SqlProdutosVendidos;
    static const QString SqlVendasVendedor;
    static const QString SqlEntradaProdutos;
    static const QString SqlMinimo;
    static const QString SqlClose;

private:
    int totalsBlock(int L, const PendingTotals& t);
    int section(int N, const QString& title, const QString& heading, const std::function<int(int)>& rows);
    QString rule() const { return QString(64, u'-'); }

    TDM& m_dm;
    ReportPrinter& m_printer;
    std::function<void(int, int)> m_progress;
};
