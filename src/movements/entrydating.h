#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

class DbConnection;

// Date and time written on a withdrawal, reinforcement or expense. Entries made late at night,
// or on a day after the session was opened, belong to the session's business day.
struct EntryDate {
    QDate data;          // business day: caixa.Data and sangriareforco.data
    QString hora;        // caixa.Hora and sangriareforco.hora
    QDate datamovimento; // calendar day of registration
};

// The last time of day an entry keeps its own time; later entries read "23:46:00".
inline const QString LastEntryTime = QStringLiteral("23:45:05");
inline const QString LateEntryTime = QStringLiteral("23:46:00");

// `sessionDate` is the opening day of the latest session; without any session the entry is
// dated now.
EntryDate entryDate(const QDateTime& now, const std::optional<QDate>& sessionDate);

// Opening day of the session with the highest Controle, open or closed; nullopt when
// abrefechacaixa is empty.
std::optional<QDate> latestSessionDate(DbConnection& db);
