#include "app/inifile.h"
#include "app/mainsession.h"
#include "app/tdm.h"
#include "app/terminal.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestMainSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldFindTheShiftInForce_data();
    void shouldFindTheShiftInForce();
    void shouldFindPendingSessionOfEarlierDayInCurrentShift_data();
    void shouldFindPendingSessionOfEarlierDayInCurrentShift();
    void shouldRegisterTheWorkstationStart();
    void shouldNameTheTerminal();
    void shouldPurgeOldRowsButNeverAnOpenSession();
    void shouldCheckPermissionsForAnyUserName_data();
    void shouldCheckPermissionsForAnyUserName();
    void shouldMarkPixFromTheConfiguredDate();
    void shouldRefuseAnInvalidPixDate_data();
    void shouldRefuseAnInvalidPixDate();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& ini = {}, const QString& user = u"GERENTE"_s);
    QString sql(const QString& text) { return text.arg(m_db.name()); }

    TestDatabase m_db{u"mainsession"_s};
    FixedClock m_clock{QDateTime(QDate(2026, 3, 5), QTime(12, 0, 30))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestMainSession::makeDm(const QByteArray& ini, const QString& user)
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes(ini));
    s.local = s.loja = s.email = m_db.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    dm->setLoggedUser(user);
    return dm;
}

void TestMainSession::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
}

void TestMainSession::init()
{
    for (const char* t : {"turno", "abrefechacaixa", "numerocaixaloja", "setup_i", "caixa"})
        QCOMPARE(m_db.exec(sql(u"DELETE FROM `%1`."_s + QString::fromLatin1(t))), QString());
}

void TestMainSession::shouldFindTheShiftInForce_data()
{
    QTest::addColumn<QString>("shifts");
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("expected");
    const QString twoShifts = u"(1,'MANHA','08:00','12:00'),(2,'TARDE','12:00','18:00')"_s;
    QTest::newRow("both match: first wins") << twoShifts << u"12:00"_s << 1;
    QTest::newRow("second") << twoShifts << u"12:01"_s << 2;
    QTest::newRow("opening minute") << twoShifts << u"08:00"_s << 1;
    QTest::newRow("before all") << twoShifts << u"07:59"_s << 0;
    QTest::newRow("over midnight never matches") << u"(1,'NOITE','22:00','06:00')"_s << u"23:00"_s << 0;
    QTest::newRow("over midnight after midnight") << u"(1,'NOITE','22:00','06:00')"_s << u"01:00"_s << 0;
}

void TestMainSession::shouldFindTheShiftInForce()
{
    QFETCH(QString, shifts);
    QFETCH(QString, time);
    QFETCH(int, expected);
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.turno (controle, descricao, horaabertura, horafechamento) VALUES "_s) +
                       shifts),
             QString());
    auto dm = makeDm();
    QCOMPARE(MainSession(*dm).findShift(time).controle, expected);
}

void TestMainSession::shouldFindPendingSessionOfEarlierDayInCurrentShift_data()
{
    QTest::addColumn<QString>("opened");
    QTest::addColumn<int>("turno");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("pending");
    QTest::newRow("yesterday, same shift, open") << u"2026-03-04"_s << 1 << false << true;
    QTest::newRow("last week, same shift, open") << u"2026-02-26"_s << 1 << false << true;
    QTest::newRow("today, open") << u"2026-03-05"_s << 1 << false << false;
    QTest::newRow("yesterday, other shift") << u"2026-03-04"_s << 2 << false << false;
    QTest::newRow("yesterday, closed") << u"2026-03-04"_s << 1 << true << false;
}

void TestMainSession::shouldFindPendingSessionOfEarlierDayInCurrentShift()
{
    QFETCH(QString, opened);
    QFETCH(int, turno);
    QFETCH(bool, closed);
    QFETCH(bool, pending);
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.abrefechacaixa (NumCaixa, DataAbertura, turno, DataFechamento) "
                           "VALUES ('001', '%2', %3, %4)"_s)
                           .arg(opened)
                           .arg(turno)
                           .arg(closed ? u"'2026-03-04'"_s : u"NULL"_s)),
             QString());
    auto dm = makeDm();
    QCOMPARE(MainSession(*dm).hasPendingSession(1), pending);
}

void TestMainSession::shouldRegisterTheWorkstationStart()
{
    auto dm = makeDm();
    const int id = MainSession(*dm).registerStart();
    QVERIFY(id > 0);
    QCOMPARE(m_db.scalar(sql(u"SELECT CONCAT(data, '|', hora, '|', usuario) FROM `%1`.numerocaixaloja WHERE id = "_s) +
                         QString::number(id))
                 .toString(),
             u"2026-03-05|12:00:30|"_s + terminalLabel());
}

void TestMainSession::shouldNameTheTerminal()
{
    QCOMPARE(terminalLabel(u"LOJA01"_s, u"caixa"_s), u"LOJA01-caixa"_s);
    QCOMPARE(terminalLabel(QString(), u"caixa"_s), u"(Unknown)-caixa"_s);
    QCOMPARE(terminalLabel(u"LOJA01"_s, QString()), u"LOJA01-(Unknown)"_s);
    QVERIFY(terminalLabel().contains(u'-'));
}

void TestMainSession::shouldPurgeOldRowsButNeverAnOpenSession()
{
    // The bounds are the server's own dates.
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.numerocaixaloja (id, data) VALUES (1, curdate() - interval 3 day), "
                           "(2, curdate() - interval 2 day), (3, curdate())"_s)),
             QString());
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.abrefechacaixa (Controle, DataAbertura, DataFechamento) VALUES "
                           "(1, curdate() - interval 31 day, curdate() - interval 31 day), "
                           "(2, curdate() - interval 31 day, NULL), "
                           "(3, curdate() - interval 30 day, curdate() - interval 30 day), "
                           "(4, curdate() - interval 400 day, curdate() - interval 400 day)"_s)),
             QString());
    auto dm = makeDm();
    MainSession(*dm).purge();
    QCOMPARE(m_db.scalar(sql(u"SELECT GROUP_CONCAT(id ORDER BY id) FROM `%1`.numerocaixaloja"_s)).toString(), u"2,3"_s);
    QCOMPARE(m_db.scalar(sql(u"SELECT GROUP_CONCAT(Controle ORDER BY Controle) FROM `%1`.abrefechacaixa"_s)).toString(),
             u"2,3"_s);
}

void TestMainSession::shouldCheckPermissionsForAnyUserName_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("sector");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("permitted");
    QTest::addColumn<bool>("manager");
    QTest::newRow("manager") << u"GERENTE"_s << u"GERENCIAL"_s << QByteArray() << true << true;
    QTest::newRow("quote in name") << u"D'ÁVILA"_s << u"GERENCIAL"_s << QByteArray() << true << true;
    QTest::newRow("cashier") << u"CAIXA1"_s << u"CAIXA"_s << QByteArray() << false << false;
    QTest::newRow("cashier allowed by setting")
        << u"CAIXA1"_s << u"CAIXA"_s << QByteArray("[LOCAL]\nPERMISSAOCAIXA02=CAIXA\n") << true << false;
    QTest::newRow("unknown user") << u"NINGUEM"_s << QString() << QByteArray() << false << false;
}

void TestMainSession::shouldCheckPermissionsForAnyUserName()
{
    QFETCH(QString, user);
    QFETCH(QString, sector);
    QFETCH(QByteArray, ini);
    QFETCH(bool, permitted);
    QFETCH(bool, manager);
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.setup_i (USUARIO, setor) VALUES ('GERENTE', 'GERENCIAL'), "
                           "('D''ÁVILA', 'GERENCIAL'), ('CAIXA1', 'CAIXA')"_s)),
             QString());
    auto dm = makeDm(ini, user);
    MainSession session(*dm);
    QCOMPARE(session.userSector(), sector);
    QCOMPARE(session.hasPermission(), permitted);
    QCOMPARE(session.isManager(), manager);
}

void TestMainSession::shouldMarkPixFromTheConfiguredDate()
{
    QCOMPARE(m_db.exec(sql(u"INSERT INTO `%1`.caixa (Controle, Data, especie, nfce) VALUES "
                           "(1, '2026-03-01', '', 10), (2, '2026-03-02', NULL, 11), (3, '2026-02-28', '', 12), "
                           "(4, '2026-03-02', 'DINHEIRO', 13), (5, '2026-03-02', '', NULL)"_s)),
             QString());
    auto dm = makeDm("[LOCAL]\nDATAPIXCAIXA=S\nDATAPIX=01/03/2026\n");
    const auto result = MainSession(*dm).markPix();
    QCOMPARE(result.error, QString());
    QCOMPARE(result.marked, 2);
    QCOMPARE(m_db.scalar(sql(u"SELECT GROUP_CONCAT(Controle ORDER BY Controle) FROM `%1`.caixa WHERE especie='PIX'"_s))
                 .toString(),
             u"1,2"_s);

    auto off = makeDm("[LOCAL]\nDATAPIXCAIXA=s\nDATAPIX=01/01/2020\n");
    QCOMPARE(MainSession(*off).markPix().marked, 0);
}

void TestMainSession::shouldRefuseAnInvalidPixDate_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("not a date") << QByteArray("31/02/2026");
    QTest::newRow("words") << QByteArray("ontem");
}

void TestMainSession::shouldRefuseAnInvalidPixDate()
{
    QFETCH(QByteArray, date);
    QCOMPARE(
        m_db.exec(sql(u"INSERT INTO `%1`.caixa (Controle, Data, especie, nfce) VALUES (1, '2026-03-01', '', 10)"_s)),
        QString());
    auto dm = makeDm("[LOCAL]\nDATAPIXCAIXA=S\nDATAPIX=" + date + "\n");
    const auto result = MainSession(*dm).markPix();
    QCOMPARE(result.marked, 0);
    QVERIFY(result.error.contains(u"não é uma data válida"_s));
    QCOMPARE(m_db.scalar(sql(u"SELECT COUNT(*) FROM `%1`.caixa WHERE especie='PIX'"_s)).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestMainSession)
#include "tst_mainsession.moc"
