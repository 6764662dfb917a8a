#include "movementfixture.h"

#include "app/tdm.h"
#include "movements/cashmovement.h"
#include "movements/movementrefused.h"

#include "support/fakes.h"

#include <QSqlRecord>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Factory = std::function<std::unique_ptr<CashMovement>(TDM&)>;

const QDate D0(2026, 3, 5);

// Column values read back: NULL for an invalid expectation, numbers by value.
bool matches(const QVariant& actual, const QVariant& expected)
{
    if (!expected.isValid())
        return actual.isNull();
    if (expected.typeId() == QMetaType::Double)
        return !actual.isNull() && actual.toDouble() == expected.toDouble();
    if (expected.typeId() == QMetaType::QTime) // TIME columns read back as text
        return actual.toTime() == expected.toTime();
    return actual == expected;
}

Factory factory(const QString& kind)
{
    if (kind == u"sangria"_s)
        return [](TDM& dm) { return std::make_unique<Sangria>(dm); };
    if (kind == u"reforco"_s)
        return [](TDM& dm) { return std::make_unique<Reforco>(dm); };
    return [](TDM& dm) { return std::make_unique<SaidaDespesa>(dm); };
}

} // namespace

class TestCashMovement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldStoreEveryColumnOfEachKind_data();
    void shouldStoreEveryColumnOfEachKind();
    void shouldDateEntriesByLatestSession_data();
    void shouldDateEntriesByLatestSession();
    void shouldRefuseUserWhoIsNotAnActiveEmployee_data();
    void shouldRefuseUserWhoIsNotAnActiveEmployee();
    void shouldFindUserWithBlanksAndKeepNameAsGiven();
    void shouldRefuseInvalidInput_data();
    void shouldRefuseInvalidInput();
    void shouldAcceptAmountsTypedTheBrazilianWay_data();
    void shouldAcceptAmountsTypedTheBrazilianWay();
    void shouldStoreNothingWhenTheLastRowFails();
    void shouldComposeNoticeOfEachKind_data();
    void shouldComposeNoticeOfEachKind();
    void shouldEscapeTypedValuesInNotice();
    void shouldWantNoticeOnlyWithMailOnAndFirstRecipient_data();
    void shouldWantNoticeOnlyWithMailOnAndFirstRecipient();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral = "EMAIL1=dono@loja.example\n");
    QSqlRecord row(const QString& table);

    TestDatabase m_db{u"cashmovement"_s};
    FixedClock m_clock{QDateTime(D0, QTime(14, 10, 0))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestCashMovement::makeDm(const QByteArray& geral)
{
    auto dm = std::make_unique<TDM>(fixture::settings(m_db, geral), m_clock, m_messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

QSqlRecord TestCashMovement::row(const QString& table)
{
    auto dm = makeDm();
    QSqlQuery q = dm->MyConnection1().query(u"teste"_s, u"SELECT * FROM `%1`"_s.arg(table));
    return q.next() ? q.record() : QSqlRecord();
}

void TestCashMovement::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(fixture::seed(m_db), QString());
}

void TestCashMovement::init()
{
    QCOMPARE(fixture::clearMovements(m_db), QString());
    QCOMPARE(fixture::addSession(m_db, D0, 2, false), QString());
    m_clock.set(QDateTime(D0, QTime(14, 10, 0)));
    m_messages.messages.clear();
}

void TestCashMovement::shouldStoreEveryColumnOfEachKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariantMap>("caixa");
    QTest::addColumn<QVariantMap>("movementRow");
    QTest::addColumn<QString>("tiposaida"); // empty: no contacorrente row

    const QVariantMap common{{u"Descricao"_s, u"TROCO PARA O COFRE"_s},
                             {u"Hora"_s, u"14:10:00"_s},
                             {u"Data"_s, D0},
                             {u"datamovimento"_s, D0},
                             {u"CodigoCliente"_s, 1.0},
                             {u"Tp"_s, u"1"_s},
                             {u"Opcao"_s, u"0"_s},
                             {u"Usuario"_s, u"GERENTE"_s},
                             {u"valor"_s, 1234.56},
                             {u"codigofilial"_s, 1.0},
                             {u"filial"_s, u"Matriz Centro"_s},
                             {u"CodigoFuncionario"_s, 4.0},
                             {u"NomeFuncionario"_s, u"GERENTE"_s},
                             {u"NomeFunciionario"_s, u"GERENTE"_s},
                             {u"CodigoNota"_s, QVariant()},
                             {u"troco"_s, 0.0}};
    auto with = [&](const QVariantMap& extra) {
        QVariantMap m = common;
        m.insert(extra);
        return m;
    };
    QTest::newRow("withdrawal") << u"sangria"_s
                                << with({{u"es"_s, u"S"_s},
                                         {u"Tipo"_s, u"DEBITO"_s},
                                         {u"Debito"_s, 1234.56},
                                         {u"Credito"_s, 0.0},
                                         {u"Condicao"_s, u"SANGRIA"_s},
                                         {u"especie"_s, u"SANGRIA"_s}})
                                << QVariantMap{{u"tipo"_s, u"S"_s}, {u"especie"_s, u"SANGRIA"_s}}
                                << u"SANGRIA DO CAIXA"_s;
    QTest::newRow("reinforcement") << u"reforco"_s
                                   << with({{u"es"_s, u"E"_s},
                                            {u"Tipo"_s, u"CREDITO"_s},
                                            {u"Credito"_s, 1234.56},
                                            {u"Debito"_s, 0.0},
                                            {u"Condicao"_s, u"DINHEIRO"_s},
                                            {u"especie"_s, u"DINHEIRO"_s}})
                                   << QVariantMap{{u"tipo"_s, u"R"_s}, {u"especie"_s, u"REFORÇO"_s}} << QString();
    QTest::newRow("expense") << u"despesa"_s
                             << with({{u"es"_s, u"S"_s},
                                      {u"Tipo"_s, u"DEBITO"_s},
                                      {u"Debito"_s, 1234.56},
                                      {u"Credito"_s, 0.0},
                                      {u"Condicao"_s, u"DINHEIRO"_s},
                                      {u"especie"_s, u"DINHEIRO"_s}})
                             << QVariantMap{{u"tipo"_s, u"S"_s}, {u"especie"_s, u"DESPESAS"_s}}
                             << u"DESPESA NO CAIXA"_s;
}

void TestCashMovement::shouldStoreEveryColumnOfEachKind()
{
    QFETCH(QString, kind);
    QFETCH(QVariantMap, caixa);
    QFETCH(QVariantMap, movementRow);
    QFETCH(QString, tiposaida);
    // given a session opened today and the manager logged in
    auto dm = makeDm();
    QVERIFY(dm);
    auto movement = factory(kind)(*dm);

    // when the movement is confirmed at 14:10
    const CashMovement::Stored stored = movement->store({u"  TROCO PARA O COFRE "_s, u"1.234,56"_s});

    // then one row of each table holds every value
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    const QSqlRecord c = row(u"caixa"_s);
    QCOMPARE(c.value(u"Controle"_s).toInt(), stored.controle);
    for (auto it = caixa.cbegin(); it != caixa.cend(); ++it)
        QVERIFY2(matches(c.value(it.key()), it.value()),
                 qPrintable(u"caixa.%1 = %2"_s.arg(it.key(), c.value(it.key()).toString())));

    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 1);
    const QSqlRecord r = row(u"sangriareforco"_s);
    QVariantMap expected{{u"data"_s, D0},
                         {u"datamovimento"_s, D0},
                         {u"hora"_s, u"14:10:00"_s},
                         {u"descricao"_s, u"TROCO PARA O COFRE"_s},
                         {u"usuario"_s, u"GERENTE"_s},
                         {u"valor"_s, 1234.56}};
    expected.insert(movementRow);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(matches(r.value(it.key()), it.value()),
                 qPrintable(u"sangriareforco.%1 = %2"_s.arg(it.key(), r.value(it.key()).toString())));

    if (tiposaida.isEmpty()) {
        QCOMPARE(fixture::count(m_db, u"contacorrente"_s), 0);
        return;
    }
    QCOMPARE(fixture::count(m_db, u"contacorrente"_s), 1);
    const QSqlRecord k = row(u"contacorrente"_s);
    const QVariantMap conta{{u"codigoconta"_s, 7.0},
                            {u"conta"_s, u"CONTA COFRE"_s},
                            {u"banco"_s, u"CONTA COFRE"_s},
                            {u"datalancamento"_s, D0},
                            {u"datavencimento"_s, D0},
                            {u"dataquitacao"_s, D0},
                            {u"valor"_s, 1234.56},
                            {u"codigofilial"_s, 1.0},
                            {u"filial"_s, u"Matriz Centro"_s},
                            {u"fornecedor"_s, u"TROCO PARA O COFRE"_s},
                            {u"codigotipo"_s, 2.0},
                            {u"tipo"_s, u"FIXA"_s},
                            {u"agencia"_s, u"9999"_s},
                            {u"es"_s, u"E"_s},
                            {u"tiposaida"_s, tiposaida},
                            {u"usuario"_s, u"GERENTE"_s},
                            {u"tipos"_s, u"CREDITO"_s},
                            {u"especie"_s, u"DINHEIRO"_s},
                            {u"hora"_s, QTime(14, 10, 0)},
                            {u"debito"_s, 0.0}};
    for (auto it = conta.cbegin(); it != conta.cend(); ++it)
        QVERIFY2(matches(k.value(it.key()), it.value()),
                 qPrintable(u"contacorrente.%1 = %2"_s.arg(it.key(), k.value(it.key()).toString())));
}

void TestCashMovement::shouldDateEntriesByLatestSession_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("sessions"); // "open" | "closed" | "none" | "older open, newer closed"
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QDate>("datamovimento");

    const QDate next = D0.addDays(1);
    QTest::newRow("withdrawal at 14:10 on the opening day")
        << u"sangria"_s << QDateTime(D0, QTime(14, 10)) << u"open"_s << D0 << u"14:10:00"_s << D0;
    QTest::newRow("withdrawal at 23:50 on the opening day")
        << u"sangria"_s << QDateTime(D0, QTime(23, 50)) << u"open"_s << D0 << u"23:46:00"_s << D0;
    QTest::newRow("withdrawal at 00:30 next day, session open")
        << u"sangria"_s << QDateTime(next, QTime(0, 30)) << u"open"_s << D0 << u"23:46:00"_s << next;
    QTest::newRow("reinforcement at 00:30 next day")
        << u"reforco"_s << QDateTime(next, QTime(0, 30)) << u"open"_s << D0 << u"23:46:00"_s << next;
    QTest::newRow("expense at 23:50") << u"despesa"_s << QDateTime(D0, QTime(23, 50)) << u"open"_s << D0
                                      << u"23:46:00"_s << D0;
    QTest::newRow("latest session counts even when closed")
        << u"sangria"_s << QDateTime(next, QTime(9, 0)) << u"closed"_s << D0 << u"23:46:00"_s << next;
    QTest::newRow("highest controle, not the open one")
        << u"sangria"_s << QDateTime(next, QTime(9, 0)) << u"older open, newer closed"_s << next << u"09:00:00"_s
        << next;
    QTest::newRow("no session at all: dated now")
        << u"despesa"_s << QDateTime(D0, QTime(23, 50)) << u"none"_s << D0 << u"23:50:00"_s << D0;
}

void TestCashMovement::shouldDateEntriesByLatestSession()
{
    QFETCH(QString, kind);
    QFETCH(QDateTime, now);
    QFETCH(QString, sessions);
    QFETCH(QDate, data);
    QFETCH(QString, hora);
    QFETCH(QDate, datamovimento);
    // given
    QCOMPARE(m_db.exec(u"TRUNCATE TABLE `%1`.abrefechacaixa"_s.arg(m_db.name())), QString());
    if (sessions == u"open"_s)
        QCOMPARE(fixture::addSession(m_db, D0, 2, false), QString());
    if (sessions == u"closed"_s)
        QCOMPARE(fixture::addSession(m_db, D0, 2, true), QString());
    if (sessions == u"older open, newer closed"_s) {
        QCOMPARE(fixture::addSession(m_db, D0, 1, false), QString());
        QCOMPARE(fixture::addSession(m_db, D0.addDays(1), 2, true), QString());
    }
    m_clock.set(now);
    auto dm = makeDm();
    QVERIFY(dm);

    // when
    const CashMovement::Stored stored = factory(kind)(*dm)->store({u"MOTIVO"_s, u"10"_s});

    // then
    QCOMPARE(stored.date.data, data);
    QCOMPARE(stored.date.hora, hora);
    const QSqlRecord c = row(u"caixa"_s);
    QCOMPARE(c.value(u"Data"_s).toDate(), data);
    QCOMPARE(c.value(u"Hora"_s).toString(), hora);
    QCOMPARE(c.value(u"datamovimento"_s).toDate(), datamovimento);
    const QSqlRecord r = row(u"sangriareforco"_s);
    QCOMPARE(r.value(u"data"_s).toDate(), data);
    QCOMPARE(r.value(u"hora"_s).toString(), hora);
    QCOMPARE(r.value(u"datamovimento"_s).toDate(), datamovimento);
    if (kind != u"reforco"_s) {
        // the safe account is dated by the calendar
        const QSqlRecord k = row(u"contacorrente"_s);
        QCOMPARE(k.value(u"datalancamento"_s).toDate(), now.date());
        QCOMPARE(k.value(u"hora"_s).toTime(), now.time());
    }
}

void TestCashMovement::shouldRefuseUserWhoIsNotAnActiveEmployee_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("user");
    QTest::newRow("withdrawal, unknown") << u"sangria"_s << u"FULANO"_s;
    QTest::newRow("reinforcement, inactive") << u"reforco"_s << u"RITA DESLIGADA"_s;
    QTest::newRow("expense, no user") << u"despesa"_s << QString();
    QTest::newRow("quote in the name") << u"sangria"_s << u"O'HARA' OR '1'='1"_s;
}

void TestCashMovement::shouldRefuseUserWhoIsNotAnActiveEmployee()
{
    QFETCH(QString, kind);
    QFETCH(QString, user);
    auto dm = makeDm();
    QVERIFY(dm);
    dm->setLoggedUser(user);
    auto movement = factory(kind)(*dm);

    // pressed three times
    for (int i = 0; i < 3; ++i) {
        try {
            movement->store({u"MOTIVO"_s, u"10,00"_s});
            QFAIL("stored");
        } catch (const MovementRefused& e) {
            QCOMPARE(e.message(), u"Ops, Este Usuario Não está Cadastrado  !!!!"_s);
            QCOMPARE(e.kind(), MessageSink::Kind::Error);
        }
    }

    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 0);
    QCOMPARE(fixture::count(m_db, u"contacorrente"_s), 0);
}

void TestCashMovement::shouldFindUserWithBlanksAndKeepNameAsGiven()
{
    auto dm = makeDm();
    QVERIFY(dm);
    dm->setLoggedUser(u" JOÃO D'ÁVILA "_s);

    const auto stored = Sangria(*dm).store({u"MOTIVO"_s, u"10"_s});

    QCOMPARE(stored.employee.codigo, 7);
    const QSqlRecord c = row(u"caixa"_s);
    QCOMPARE(c.value(u"NomeFuncionario"_s).toString(), u"JOÃO D'ÁVILA"_s);
    QCOMPARE(c.value(u"Usuario"_s).toString(), u" JOÃO D'ÁVILA "_s);
    QCOMPARE(row(u"sangriareforco"_s).value(u"usuario"_s).toString(), u" JOÃO D'ÁVILA "_s);
}

void TestCashMovement::shouldRefuseInvalidInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("field");

    const int reason = int(CashMovement::Field::Reason);
    const int amount = int(CashMovement::Field::Amount);
    QTest::newRow("reason blank") << u"sangria"_s << u"   "_s << u"10"_s << u"Motivo da Sangria está em Branco  !!!"_s
                                  << reason;
    QTest::newRow("reason too long") << u"reforco"_s << QString(51, u'X') << u"10"_s
                                     << u"Motivo do Reforço tem 51 caracteres; o máximo é 50  !!!"_s << reason;
    QTest::newRow("amount blank") << u"despesa"_s << u"LUZ"_s << u""_s << u"Valor da Despesa está em Branco  !!!"_s
                                  << amount;
    QTest::newRow("amount zero") << u"sangria"_s << u"COFRE"_s << u"0,00"_s
                                 << u"Valor da Sangria deve ser maior que zero  !!!"_s << amount;
    QTest::newRow("amount negative") << u"reforco"_s << u"TROCO"_s << u"-5"_s
                                     << u"Valor do Reforço deve ser maior que zero  !!!"_s << amount;
    QTest::newRow("amount not a number") << u"despesa"_s << u"LUZ"_s << u"dez reais"_s
                                         << u"Valor da Despesa não é um número válido: \"dez reais\"  !!!"_s << amount;
    QTest::newRow("three decimals") << u"sangria"_s << u"COFRE"_s << u"12,345"_s
                                    << u"Valor da Sangria deve ter no máximo duas casas decimais  !!!"_s << amount;
}

void TestCashMovement::shouldRefuseInvalidInput()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QFETCH(QString, amount);
    QFETCH(QString, message);
    QFETCH(int, field);
    auto dm = makeDm();
    QVERIFY(dm);
    auto movement = factory(kind)(*dm);

    const auto refusal = movement->validate({reason, amount});
    QVERIFY(refusal);
    QCOMPARE(refusal->message, message);
    QCOMPARE(int(refusal->field), field);

    // store() refuses the same way and writes nothing
    QVERIFY_THROWS_EXCEPTION(MovementRefused, movement->store({reason, amount}));
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 0);
}

void TestCashMovement::shouldAcceptAmountsTypedTheBrazilianWay_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<double>("stored");
    QTest::newRow("comma") << u"12,5"_s << 12.5;
    QTest::newRow("thousands") << u"1.234,56"_s << 1234.56;
    QTest::newRow("currency sign") << u"R$ 30,00"_s << 30.0;
    QTest::newRow("one cent") << u"0,01"_s << 0.01;
}

void TestCashMovement::shouldAcceptAmountsTypedTheBrazilianWay()
{
    QFETCH(QString, amount);
    QFETCH(double, stored);
    auto dm = makeDm();
    QVERIFY(dm);
    Reforco(*dm).store({u"TROCO"_s, amount});
    QCOMPARE(row(u"caixa"_s).value(u"valor"_s).toDouble(), stored);
    QCOMPARE(row(u"sangriareforco"_s).value(u"valor"_s).toDouble(), stored);
}

void TestCashMovement::shouldStoreNothingWhenTheLastRowFails()
{
    // given a safe-account table the server cannot write to once the program runs
    auto dm = makeDm();
    QVERIFY(dm);
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.contacorrente TO `%1`.contacorrente_fora"_s.arg(m_db.name())), QString());

    // when a withdrawal is confirmed
    QString error;
    try {
        Sangria(*dm).store({u"COFRE"_s, u"100"_s});
    } catch (const DbError& e) {
        error = e.message();
    }
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.contacorrente_fora TO `%1`.contacorrente"_s.arg(m_db.name())), QString());

    // then it fails naming the table, and neither the cash row nor the register row stayed
    QVERIFY2(error.contains(u"contacorrente"_s), qPrintable(error));
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 0);
}

void TestCashMovement::shouldComposeNoticeOfEachKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("body");

    using fixture::Row;
    const QString g = u"#D3D3D3"_s, w = u"#FFFFFF"_s;
    QTest::newRow("withdrawal") << u"sangria"_s << u"SANDRIA DO CAIXA"_s
                                << fixture::noticeItems(
                                       u"<p><b>Informações de Sangria no Caixa 05/03/2026 na Hora: 14:10:00</b></p>"_s,
                                       {Row{g, u"Funcionario : "_s, u"GERENTE"_s},
                                        Row{w, u"Data da Sangria : "_s, u"05/03/2026"_s},
                                        Row{g, u"Hora da Sangria : "_s, u"14:10:00"_s},
                                        Row{g, u"Motivo da Sangria : "_s, u"COFRE"_s},
                                        Row{w, u"Valor da Sangria : "_s, u"1.234,50"_s}});
    QTest::newRow("reinforcement")
        << u"reforco"_s << u"REFORÇO DO CAIXA"_s
        << fixture::noticeItems(
               u"<p><b>Informações de Reforço no Caixa 05/03/2026 na Hora: 14:10:00</b></p>"_s,
               {Row{g, u"Funcionario : "_s, u"GERENTE"_s}, Row{w, u"Data do Reforço : "_s, u"05/03/2026"_s},
                Row{g, u"Hora do Reforço : "_s, u"14:10:00"_s}, Row{w, u"Motivo do Reforço : "_s, u"COFRE"_s},
                Row{w, u"Valor do Reforço : "_s, u"1.234,50"_s}});
    QTest::newRow("expense") << u"despesa"_s << u"DESPESA DO CAIXA"_s
                             << fixture::noticeItems(
                                    u"<p><b>Informações de Despesa no Caixa 05/03/2026 na Hora: 14:10:00</b></p>"_s,
                                    {Row{g, u"Funcionario : "_s, u"GERENTE"_s},
                                     Row{w, u"Data da Despesa : "_s, u"05/03/2026"_s},
                                     Row{g, u"Hora da Despesa : "_s, u"14:10:00"_s},
                                     Row{w, u"Motivo da Despesa : "_s, u"COFRE"_s},
                                     Row{w, u"Valor da Despesa : "_s, u"1.234,50"_s}});
}

void TestCashMovement::shouldComposeNoticeOfEachKind()
{
    QFETCH(QString, kind);
    QFETCH(QString, subject);
    QFETCH(QStringList, body);
    auto dm = makeDm("EMAIL1=dono@loja.example\nCONTATO1=Dono\nEMAIL2=gerente@loja.example\n");
    QVERIFY(dm);
    auto movement = factory(kind)(*dm);

    const MailMessage m = movement->notice(movement->store({u"COFRE"_s, u"1234,5"_s}));

    QCOMPARE(m.fromName, subject);
    QCOMPARE(m.subject, subject);
    QCOMPARE(m.priority, MailMessage::Priority::High);
    QCOMPARE(m.recipients,
             (QList<MailRecipient>{{u"Dono"_s, u"dono@loja.example"_s}, {QString(), u"gerente@loja.example"_s}}));
    QCOMPARE(m.body, body);
}

void TestCashMovement::shouldEscapeTypedValuesInNotice()
{
    auto dm = makeDm();
    QVERIFY(dm);
    Sangria sangria(*dm);
    const MailMessage m = sangria.notice(sangria.store({u"LUZ & ÁGUA <URGENTE>"_s, u"10"_s}));
    QVERIFY(m.body.contains(u"LUZ &amp; ÁGUA &lt;URGENTE&gt;"_s));
    QCOMPARE(row(u"caixa"_s).value(u"Descricao"_s).toString(), u"LUZ & ÁGUA <URGENTE>"_s);
}

void TestCashMovement::shouldWantNoticeOnlyWithMailOnAndFirstRecipient_data()
{
    QTest::addColumn<QByteArray>("geral");
    QTest::addColumn<bool>("wanted");
    QTest::newRow("on with EMAIL1") << QByteArray("ENVIAEMAIL=S\nEMAIL1=a@loja.example\n") << true;
    QTest::newRow("on without EMAIL1") << QByteArray("ENVIAEMAIL=S\nEMAIL2=a@loja.example\n") << false;
    QTest::newRow("lower-case s") << QByteArray("ENVIAEMAIL=s\nEMAIL1=a@loja.example\n") << false;
    QTest::newRow("off") << QByteArray("ENVIAEMAIL=N\nEMAIL1=a@loja.example\n") << false;
}

void TestCashMovement::shouldWantNoticeOnlyWithMailOnAndFirstRecipient()
{
    QFETCH(QByteArray, geral);
    QFETCH(bool, wanted);
    auto dm = makeDm(geral);
    QVERIFY(dm);
    QCOMPARE(Sangria(*dm).noticeWanted(), wanted);
    QCOMPARE(Reforco(*dm).noticeWanted(), wanted);
    QCOMPARE(SaidaDespesa(*dm).noticeWanted(), wanted);
}

QTEST_GUILESS_MAIN(TestCashMovement)
#include "tst_cashmovement.moc"
