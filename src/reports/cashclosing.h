#pragma once

#include "output/mailmessage.h"
#include "output/mailsender.h"
#include "reports/dailyreport.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class TDM;

// A daily report printed by the results window: what the closing writes and mails.
struct PrintedReport {
    QDate day;
    QString turno; // the shift's description, as chosen in the window
    DailyTotals totals;
    QString textFile;
    QByteArray text; // the file's bytes as the report wrote them

    static PrintedReport fromResult(const DailyReportResult& result, const QDate& day, const QString& turno);
};

// "&Fechamento" of the results window: closes the register's open session of the report's
// shift with the report's totals, mails the report to the contacts and logs it in the mail
// database.
class CashClosing {
public:
    using Sender = std::function<void(const MailAccount&, const MailMessage&)>;

    enum class Outcome {
        Cancelled,  // the user said no
        Stopped,    // no shift, or no report of the day and shift: nothing was done
        Closed,     // the closing went through (the session may have been closed already)
        MailFailed, // the session is closed but the mail was not sent
        LogFailed,  // the mail went, its log row in the mail database did not
    };
    struct Result {
        Outcome outcome = Outcome::Stopped;
        bool sessionClosed = false; // this closing closed the session
        bool closeWindow = false;
    };

    CashClosing(TDM& dm, DailyResultsReport& report);

    // Shows the main window's summary controls set to the report's day once closed.
    void setOnClosed(std::function<void(const QDate&, bool withButton)> f) { m_onClosed = std::move(f); }

    // The whole closing, asking and telling the user through the data module's messages.
    Result run(const QDate& day, const QString& turno, const std::optional<PrintedReport>& printed, const Sender& send);

    // Why the printed report cannot be the closing's (empty when it can).
    QString reportProblem(const std::optional<PrintedReport>& printed, const QDate& day, const QString& turno) const;
    // Closes the latest open session of the shift on this register, opened up to `day`, with the
    // report's totals; false when there is none open (another workstation closed it).
    bool closeSession(const QDate& day, int turno, const DailyTotals& totals);
    // ENVIAEMAIL "S" with EMAIL1 filled.
    bool mailWanted() const;
    MailMessage closingMail(const PrintedReport& report) const;
    // Log rows in `loja` on the mail database. Both throw DbError.
    void logSent(const PrintedReport& report);
    void logFailure(const PrintedReport& report, const QString& error);

    // The last report printed in the results window during this run of the program: the
    // window closes after printing, so the closing is often pressed in a later one.
    static void remember(PrintedReport report);
    static const std::optional<PrintedReport>& lastPrinted();
    static void forget();

    static QString confirmTitle() { return QStringLiteral("Exclusão"); }
    static QString confirmQuestion() { return QStringLiteral("Confirma o Fechamento do Caixa?"); }
    static QString alreadyClosedMessage() { return QStringLiteral("Este Data o Caixa já foi Fechado  !!!"); }
    static QString doneMessage() { return QStringLiteral("Concluido com Sucesso !!!"); }
    static QString sentTitle() { return QStringLiteral("Atenção"); }
    static QString sentMessage() { return QStringLiteral("A Messagem Foi Enviada com Sucesso"); }
    static QString noReportMessage();
    static QString changedReportMessage(const QString& file);

    static const QString SqlOpenSession;
    static const QString SqlCloseSession;
    static const QString SqlLogSent;
    static const QString SqlLogFailure;

private:
    TDM& m_dm;
    DailyResultsReport& m_report;
    std::function<void(const QDate&, bool)> m_onClosed;
};
