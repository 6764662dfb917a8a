#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

class TDM;

// A row of `turno`.
struct Shift {
    int controle = 0; // 0: no shift matches the time
    QString descricao;
    QString horaabertura;
    QString horafechamento;
};

// What the main window does on behalf of the user when it starts and before it opens the
// windows behind its buttons: the start register, the shift in force, the pending-session
// check, the purges, the user's rights and the PIX marking.
class MainSession {
public:
    explicit MainSession(TDM& dm);

    // "HH:NN" of a time, as shifts are compared.
    static QString startTime(const QTime& time);

    // Writes this workstation's row in numerocaixaLoja; returns its id (0 when the store
    // database is not available).
    int registerStart();
    // The first shift whose hours enclose the time ("HH:NN" compared as text, both ends
    // inclusive); controle 0 when none does.
    Shift findShift(const QString& hhmm);
    // Whether a session of the shift opened up to yesterday is still open.
    bool hasPendingSession(int turno);
    // Deletes the start register older than two days and the closed sessions older than
    // thirty days (a session still open is never deleted).
    void purge();

    // The logged user's sector in setup_i (empty when the user is not there).
    QString userSector();
    // The user's sector is one of the two permitted ones.
    bool hasPermission();
    // The user may reach the cash book: sector exactly "GERENCIAL".
    bool isManager();
    // "&Voltar ao Caixa" is disabled for the user named by NAOHABILITADO01.
    bool voltarDisabled() const;
    QString caption() const;

    // Marks as PIX the cash rows from DATAPIX on that carry a fiscal note but no kind of
    // payment, when DATAPIXCAIXA is "S". Returns the rows marked, or the message for the user
    // when DATAPIX is not a date (nothing is marked then).
    struct PixResult {
        int marked = 0;
        QString error;
    };
    PixResult markPix();

    static const QString SqlInsertStart;
    static const QString SqlShift;
    static const QString SqlPending;
    static const QString SqlPurgeStarts;
    static const QString SqlPurgeSessions;
    static const QString SqlUser;
    static const QString SqlPermission;
    static const QString SqlPixCount;
    static const QString SqlPixMark;

private:
    TDM& m_dm;
};
