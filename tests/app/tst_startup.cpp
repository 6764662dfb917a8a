#include "app/schema.h"
#include "app/tdm.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void shouldOpenSharedTablesOnStart();
    void shouldStopWhenLocalDatabaseIsUnreachable();
    void shouldGoOnWhenStoreAndMailDatabasesAreUnreachable();
    void shouldStopNamingAMissingColumn_data();
    void shouldStopNamingAMissingColumn();
    void shouldStopNamingAMissingTable();
    void shouldReachTablesInAnyLetterCase();

private:
    AdminSettings settings() const;

    TestDatabase m_db{u"startup"_s};
    FixedClock m_clock;
};

AdminSettings TestStartup::settings() const
{
    AdminSettings s;
    s.local = s.loja = s.email = m_db.settings();
    return s;
}

void TestStartup::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    const QString db = m_db.name();
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.configuracao (Nome, Cnpj) VALUES ('LOJA DO TESTE', '12345678000199')"_s.arg(db)),
        QString());
    QCOMPARE(
        m_db.exec(u"INSERT INTO `%1`.filial (Codigofilial, Nomefilial) VALUES (2, 'Centro'), (1, 'Matriz')"_s.arg(db)),
        QString());
}

void TestStartup::shouldOpenSharedTablesOnStart()
{
    RecordingMessageSink messages;
    TDM dm(settings(), m_clock, messages);
    QVERIFY(dm.DataModuleCreate());
    QCOMPARE(messages.texts(), QStringList());
    QVERIFY(dm.lojaAvailable());
    QVERIFY(dm.emailAvailable());
    QCOMPARE(dm.storeName(), u"LOJA DO TESTE"_s);
    QCOMPARE(dm.tbFilial().codigo, 1);
    QCOMPARE(dm.tbFilial().nome, u"Matriz"_s);
}

void TestStartup::shouldStopWhenLocalDatabaseIsUnreachable()
{
    AdminSettings s = settings();
    s.local = TestDatabase::unreachable(u"loja_local"_s);
    RecordingMessageSink messages;
    TDM dm(s, m_clock, messages);

    QVERIFY(!dm.DataModuleCreate());

    QCOMPARE(messages.messages.size(), 1);
    const QString text = messages.messages.first().text;
    QVERIFY2(text.contains(u"loja_local"_s), qPrintable(text));
    QVERIFY(text.contains(u"127.0.0.1"_s));
    QVERIFY(text.contains(QString::number(s.local.PORTA)));
    QVERIFY(text.contains(u"encerrado"_s));
    QVERIFY(!text.contains(s.local.SENHA + u' ') && !text.contains(u"SENHA"_s));
}

void TestStartup::shouldGoOnWhenStoreAndMailDatabasesAreUnreachable()
{
    AdminSettings s = settings();
    s.loja = TestDatabase::unreachable(u"loja_central"_s);
    s.email = TestDatabase::unreachable(u"loja_email"_s);
    RecordingMessageSink messages;
    TDM dm(s, m_clock, messages);

    QVERIFY(dm.DataModuleCreate());

    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages.at(0).kind, MessageSink::Kind::Warning);
    QVERIFY(messages.messages.at(0).text.contains(u"loja_central"_s));
    QVERIFY(messages.messages.at(1).text.contains(u"loja_email"_s));
    QVERIFY(!dm.lojaAvailable());
    QVERIFY(!dm.emailAvailable());
    QCOMPARE(dm.storeName(), u"LOJA DO TESTE"_s); // shared tables opened all the same
}

void TestStartup::shouldStopNamingAMissingColumn_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("definition");
    QTest::newRow("caixa") << u"caixa"_s << u"NFCancelada"_s << u"VARCHAR(1) DEFAULT 'N'"_s;
    QTest::newRow("abrefechacaixa") << u"abrefechacaixa"_s << u"TotalDineiro"_s << u"DOUBLE"_s;
    QTest::newRow("work table") << u"resumoanual"_s << u"07"_s << u"DOUBLE"_s;
}

void TestStartup::shouldStopNamingAMissingColumn()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, definition);
    const QString qualified = u"`%1`.`%2`"_s.arg(m_db.name(), table);
    QCOMPARE(m_db.exec(u"ALTER TABLE %1 DROP COLUMN `%2`"_s.arg(qualified, column)), QString());

    RecordingMessageSink messages;
    TDM dm(settings(), m_clock, messages);
    const bool started = dm.DataModuleCreate();
    QCOMPARE(m_db.exec(u"ALTER TABLE %1 ADD COLUMN `%2` %3"_s.arg(qualified, column, definition)), QString());

    QVERIFY(!started);
    QCOMPARE(messages.messages.size(), 1);
    const QString text = messages.messages.first().text;
    QVERIFY2(text.contains(u"\"%1\""_s.arg(table)) && text.contains(u"\"%1\""_s.arg(column)), qPrintable(text));
}

void TestStartup::shouldStopNamingAMissingTable()
{
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.turno TO `%1`.turno_old"_s.arg(m_db.name())), QString());
    RecordingMessageSink messages;
    TDM dm(settings(), m_clock, messages);
    const bool started = dm.DataModuleCreate();
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.turno_old TO `%1`.turno"_s.arg(m_db.name())), QString());
    QVERIFY(!started);
    QVERIFY2(messages.texts().value(0).contains(u"\"turno\" não existe"_s), qPrintable(messages.texts().value(0)));
}

void TestStartup::shouldReachTablesInAnyLetterCase()
{
    RecordingMessageSink messages;
    TDM dm(settings(), m_clock, messages);
    QVERIFY(dm.DataModuleCreate());
    DbConnection& db = dm.MyConnection1();
    db.exec(u"grava"_s, u"INSERT INTO FechamentoCaixa (TERMINAL, DINHEIRO_E) VALUES ('T1', 50)"_s);
    QCOMPARE(db.scalar(u"lê"_s, u"select DINHEIRO_E from fechamentocaixa where terminal = 'T1'"_s).toDouble(), 50.0);
    QCOMPARE(db.scalar(u"lê"_s, u"select count(*) from FECHAMENTOCAIXA"_s).toInt(), 1);
    QCOMPARE(dm.MyLoja().scalar(u"lê"_s, u"select count(*) from numerocaixaLoja"_s).toInt(), 0);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
