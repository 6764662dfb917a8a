#pragma once

#include "app/adminsettings.h"
#include "app/tdm.h"
#include "output/reportoutput.h"
#include "output/textreport.h"

#include "support/testdatabase.h"

#include <QFile>
#include <QList>
#include <QStringList>

// Shared by the period and payment-flow tests: fixture files, expected pages, a report output
// that keeps what it was given.
namespace reportfixtures {

inline QString path(const QString& name)
{
    return QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/") + name;
}

// The expected text of a report, one entry per line.
inline QStringList expectedLines(const QString& name)
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("<sem o arquivo %1>").arg(name)};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A report as its text file holds it, one entry per line.
inline QStringList lines(const TextReport& report)
{
    QStringList out = report.toText().split(QStringLiteral("\r\n"));
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

class RecordingOutput final : public ReportOutput {
public:
    void preview(const TextReport& report) override { previews.append(report); }
    void print(const TextReport& report) override { prints.append(report); }
    QList<TextReport> previews;
    QList<TextReport> prints;
};

inline std::unique_ptr<TDM> makeDm(TestDatabase& db, Clock& clock, MessageSink& messages)
{
    AdminSettings s;
    s.ENVIAEMAIL = QStringLiteral("N");
    s.local = s.loja = s.email = db.settings();
    auto dm = std::make_unique<TDM>(s, clock, messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    dm->setLoggedUser(QStringLiteral("GERENTE"));
    return dm;
}

// An empty database with the store's name and branch.
inline QString prepare(TestDatabase& db)
{
    if (QString e = db.recreate(); !e.isEmpty())
        return e;
    if (QString e = db.exec(QStringLiteral("INSERT INTO configuracao (Nome) VALUES ('LOJA CENTRO')")); !e.isEmpty())
        return e;
    return db.exec(QStringLiteral("INSERT INTO filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz')"));
}

} // namespace reportfixtures
