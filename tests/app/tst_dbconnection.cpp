#include "app/schema.h"
#include "app/tdm.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Connection losses are real: the test kills the program's session on the server.
class TestDbConnection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shouldRetryFiveLossesAndRaiseTheSixth();
    void shouldRecreateWorkTablesAfterReconnect();
    void shouldRunUnitAgainWhenLostBeforeCommit();
    void shouldRaiseLossDuringCommitWithoutRepeatingIt();
    void shouldRollBackUnitOnStatementError();
    void shouldKeepEachConnectionsWorkRows();
    void shouldRaiseStatementErrorWithItsName();
    void shouldBindValuesSafely();

private:
    std::unique_ptr<TDM> makeDm();
    void kill(DbConnection& db);

    TestDatabase m_db{u"dbconnection"_s};
    FixedClock m_clock;
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestDbConnection::makeDm()
{
    AdminSettings s;
    s.local = s.loja = s.email = m_db.settings();
    auto dm = std::make_unique<TDM>(s, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        qWarning() << m_messages.texts();
    return dm;
}

void TestDbConnection::kill(DbConnection& db)
{
    const qint64 id = db.serverConnectionId();
    QCOMPARE(m_db.exec(u"KILL %1"_s.arg(id)), QString());
}

void TestDbConnection::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
}

void TestDbConnection::shouldRetryFiveLossesAndRaiseTheSixth()
{
    // given a started data module
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    QVERIFY(db.isOpen());

    // when its session is killed before each of seven reads
    QList<bool> succeeded;
    QString sixthError;
    for (int i = 1; i <= 7; ++i) {
        kill(db);
        try {
            QCOMPARE(db.scalar(u"leitura"_s, u"SELECT COUNT(*) FROM caixa"_s).toInt(), 0);
            succeeded << true;
        } catch (const DbError& e) {
            succeeded << false;
            QVERIFY(e.connectionLost());
            QVERIFY(DbConnection::isConnectionLoss(e.sqlError()));
            sixthError = e.sqlError().text();
        }
    }

    // then five are re-executed, the sixth fails with the driver's error, the seventh is retried
    QCOMPARE(succeeded, (QList<bool>{true, true, true, true, true, false, true}));
    QVERIFY2(!sixthError.isEmpty(), qPrintable(sixthError));
    QCOMPARE(dm->lossCount(db), 1);
    // and the connection is usable afterwards
    QCOMPARE(db.scalar(u"leitura"_s, u"SELECT 1"_s).toInt(), 1);
}

void TestDbConnection::shouldRecreateWorkTablesAfterReconnect()
{
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    db.exec(u"preenche"_s, u"INSERT INTO caixalojatmp (Descricao) VALUES ('antes')"_s);
    kill(db);
    // The copy made at connect time is there again (empty), and the shared table untouched.
    QCOMPARE(db.scalar(u"leitura"_s, u"SELECT COUNT(*) FROM caixalojatmp"_s).toInt(), 0);
    db.exec(u"preenche"_s, u"INSERT INTO caixalojatmp (Descricao) VALUES ('depois')"_s);
    QCOMPARE(db.scalar(u"leitura"_s, u"SELECT COUNT(*) FROM caixalojatmp"_s).toInt(), 1);
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM `%1`.caixalojatmp"_s.arg(m_db.name())).toInt(), 0);
}

void TestDbConnection::shouldRunUnitAgainWhenLostBeforeCommit()
{
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.sangriareforco"_s.arg(m_db.name())), QString());

    // when the connection dies between the unit's two inserts on the first run
    int runs = 0;
    db.transaction(u"movimento"_s, [&] {
        ++runs;
        db.query(u"linha 1"_s, u"INSERT INTO sangriareforco (tipo, valor) VALUES ('S', 10)"_s);
        if (runs == 1)
            kill(db);
        db.query(u"linha 2"_s, u"INSERT INTO sangriareforco (tipo, valor) VALUES ('R', 20)"_s);
    });

    // then the unit ran twice and each row is stored once
    QCOMPARE(runs, 2);
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM `%1`.sangriareforco"_s.arg(m_db.name())).toInt(), 2);
    QCOMPARE(m_db.scalar(u"SELECT SUM(valor) FROM `%1`.sangriareforco"_s.arg(m_db.name())).toDouble(), 30.0);
}

void TestDbConnection::shouldRaiseLossDuringCommitWithoutRepeatingIt()
{
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.sangriareforco"_s.arg(m_db.name())), QString());
    const qint64 id = db.serverConnectionId();
    db.setBeforeCommitHook([&] { QCOMPARE(m_db.exec(u"KILL %1"_s.arg(id)), QString()); });

    int runs = 0;
    bool raised = false;
    try {
        db.transaction(u"movimento"_s, [&] {
            ++runs;
            db.query(u"linha"_s, u"INSERT INTO sangriareforco (tipo, valor) VALUES ('S', 10)"_s);
        });
    } catch (const DbError& e) {
        raised = true;
        QVERIFY(e.connectionLost());
        QVERIFY(e.sqlError().text().contains(u"confirmação"_s));
    }
    db.setBeforeCommitHook({});

    QVERIFY(raised);
    QCOMPARE(runs, 1);
    QVERIFY(m_db.scalar(u"SELECT COUNT(*) FROM `%1`.sangriareforco"_s.arg(m_db.name())).toInt() <= 1);
    QCOMPARE(db.scalar(u"leitura"_s, u"SELECT 1"_s).toInt(), 1);
}

void TestDbConnection::shouldRollBackUnitOnStatementError()
{
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.sangriareforco"_s.arg(m_db.name())), QString());
    QVERIFY_THROWS_EXCEPTION(DbError, db.transaction(u"movimento"_s, [&] {
        db.query(u"linha"_s, u"INSERT INTO sangriareforco (tipo, valor) VALUES ('S', 10)"_s);
        db.query(u"coluna errada"_s, u"INSERT INTO sangriareforco (naoexiste) VALUES (1)"_s);
    }));
    QCOMPARE(m_db.scalar(u"SELECT COUNT(*) FROM `%1`.sangriareforco"_s.arg(m_db.name())).toInt(), 0);
    QVERIFY(!db.inTransaction());
}

void TestDbConnection::shouldKeepEachConnectionsWorkRows()
{
    // given two workstations
    auto a = makeDm();
    auto b = makeDm();

    // when both fill the same work table at the same time
    for (int i = 0; i < 3; ++i) {
        a->MyConnection1().exec(u"preenche"_s, u"INSERT INTO caixalojatmp (Descricao, valor) VALUES ('A', 1)"_s);
        if (i < 2)
            b->MyConnection1().exec(u"preenche"_s, u"INSERT INTO caixalojatmp (Descricao, valor) VALUES ('B', 10)"_s);
    }

    // then each reads back only its own rows
    auto rows = [](TDM& dm) {
        QStringList out;
        QSqlQuery q = dm.MyConnection1().query(u"leitura"_s, u"select Descricao from caixalojatmp order by Controle"_s);
        while (q.next())
            out << q.value(0).toString();
        return out;
    };
    QCOMPARE(rows(*a), (QStringList{u"A"_s, u"A"_s, u"A"_s}));
    QCOMPARE(rows(*b), (QStringList{u"B"_s, u"B"_s}));
    a->MyConnection1().query(u"esvazia"_s, u"TRUNCATE TABLE caixalojatmp"_s);
    QCOMPARE(rows(*a), QStringList());
    QCOMPARE(rows(*b).size(), 2);
}

void TestDbConnection::shouldRaiseStatementErrorWithItsName()
{
    auto dm = makeDm();
    try {
        dm->MyConnection1().query(u"consulta dos turnos"_s, u"select naoexiste from turno"_s);
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY(!e.connectionLost());
        QCOMPARE(e.statement(), u"consulta dos turnos"_s);
        QVERIFY2(e.message().contains(u"naoexiste"_s), qPrintable(e.message()));
        QVERIFY(e.message().contains(u"consulta dos turnos"_s));
    }
    QCOMPARE(dm->lossCount(dm->MyConnection1()), 0);
}

void TestDbConnection::shouldBindValuesSafely()
{
    auto dm = makeDm();
    DbConnection& db = dm->MyConnection1();
    const QString name = u"O'Brien \"; DROP TABLE caixa; -- Conceição"_s;
    db.exec(u"funcionario"_s, u"INSERT INTO funcionario (nomefuncionario, Ativo) VALUES (:nome, 'S')"_s,
            {{u":nome"_s, name}});
    // a placeholder used twice is bound in both places
    const QVariant found =
        db.scalar(u"procura"_s, u"select count(*) from funcionario where nomefuncionario = :nome and :nome <> ''"_s,
                  {{u":nome"_s, name}});
    QCOMPARE(found.toInt(), 1);
    QCOMPARE(db.scalar(u"leitura"_s, u"select nomefuncionario from funcionario where nomefuncionario like :n"_s,
                       {{u":n"_s, u"O'Brien%"_s}})
                 .toString(),
             name);
}

QTEST_GUILESS_MAIN(TestDbConnection)
#include "tst_dbconnection.moc"
