#pragma once

// Data and helpers shared by the tests of the cash movements.

#include "app/adminsettings.h"
#include "app/inifile.h"

#include "support/testdatabase.h"
#include "support/testsmtp.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QPair>
#include <QStringList>
#include <QTest>

namespace fixture {

using namespace Qt::StringLiterals;

inline const QString StoreName = u"LOJA BOA VISTA"_s;

// Store, branch, employees and the three shifts of the examples.
inline QString seed(TestDatabase& db)
{
    const QString n = db.name();
    QString e = db.recreate();
    if (!e.isEmpty())
        return e;
    for (const QString& sql :
         {u"INSERT INTO `%1`.configuracao (Nome, Cnpj) VALUES ('LOJA BOA VISTA', '12345678000199')"_s,
          u"INSERT INTO `%1`.filial (Codigofilial, Nomefilial) VALUES (1, 'Matriz Centro')"_s,
          u"INSERT INTO `%1`.funcionario (Codigofuncionario, nomefuncionario, Ativo) VALUES "
          "(4, 'GERENTE', 'S'), (5, 'CAIXA1', 'S'), (6, 'RITA DESLIGADA', 'N'), (7, 'JOÃO D''ÁVILA', 'S')"_s,
          u"INSERT INTO `%1`.turno (controle, descricao, horaabertura, horafechamento) VALUES "
          "(1, 'MANHA', '07:00', '13:00'), (2, 'TARDE', '13:00', '19:00'), (3, 'NOITE', '19:00', '23:59')"_s}) {
        e = db.exec(sql.arg(n));
        if (!e.isEmpty())
            return e;
    }
    return {};
}

// Empties every table the movements write.
inline QString clearMovements(TestDatabase& db)
{
    for (const QString& table :
         {u"caixa"_s, u"sangriareforco"_s, u"contacorrente"_s, u"abrefechacaixa"_s, u"numerocaixaloja"_s}) {
        const QString e = db.exec(u"TRUNCATE TABLE `%1`.`%2`"_s.arg(db.name(), table));
        if (!e.isEmpty())
            return e;
    }
    return {};
}

// A session of `turno` opened on `day`; closed the same day when `closed`.
inline QString addSession(TestDatabase& db, const QDate& day, int turno, bool closed)
{
    return db.exec(u"INSERT INTO `%1`.abrefechacaixa (NumCaixa, DataAbertura, HoraAbertura, UsuarioCaixa, turno, "
                   "troco, DataFechamento, HoraFechamento) VALUES ('001', '%2', '07:00:00', 'CAIXA1', %3, 50, %4)"_s
                       .arg(db.name(), day.toString(Qt::ISODate))
                       .arg(turno)
                       .arg(closed ? u"'%1', '18:00:00'"_s.arg(day.toString(Qt::ISODate)) : u"NULL, NULL"_s));
}

inline int count(TestDatabase& db, const QString& table, const QString& where = u"1=1"_s)
{
    return db.scalar(u"SELECT COUNT(*) FROM `%1`.`%2` WHERE %3"_s.arg(db.name(), table, where)).toInt();
}

// Settings of the data module: every connection on the test database, mail to the test
// server, and the given [GERAL] lines.
inline AdminSettings settings(const TestDatabase& db, const QByteArray& geral)
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\n" + testsmtp::geralSettings() + geral));
    s.local = s.loja = s.email = db.settings();
    return s;
}

// An address no other test mails to, so that mails can be told apart on the shared server.
inline QString uniqueAddress(const QString& tag)
{
    static int n = 0;
    return u"%1-%2-%3@teste.example"_s.arg(tag).arg(QCoreApplication::applicationPid()).arg(++n);
}

// The mail delivered to `address`, waiting up to `ms`; empty when none came.
inline QJsonObject mailTo(const QString& address, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    do {
        for (const QJsonObject& o : testsmtp::all())
            if (o.value(u"rcpt_tos"_s).toArray().contains(address))
                return o;
        QTest::qWait(50);
    } while (t.elapsed() < ms);
    return {};
}

// The items of a notice, spelled out: head block, store line, heading, the fixed table
// items, and eight items per row.
struct Row {
    QString colour;
    QString label;
    QString value;
};
inline QStringList noticeItems(const QString& heading, const QList<Row>& rows)
{
    QStringList items{u"<html>\r\n<head>\r\n\r\n  <meta http-equiv=\"content-type\" content=\"text/html; "
                      "charset=UTF-8\">\r\n</head>\r\n<body text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"_s,
                      u"<p><b>LOJA LOJA BOA VISTA</b></p>"_s,
                      heading,
                      u"<table>"_s,
                      u"<tr>"_s,
                      u"<td colspan='2'>"_s,
                      u"</table>"_s,
                      u"<br />"_s,
                      u"</body>\r\n</html>\r\n"_s,
                      u"<table>"_s};
    for (const Row& r : rows)
        items << u"<tr style='background-color:%1;'>"_s.arg(r.colour) << u"<th align='left'>"_s << r.label << u"</th>"_s
              << u"<td align='Right'>"_s << r.value << u"</td>"_s << u"</tr>"_s;
    return items;
}

} // namespace fixture
