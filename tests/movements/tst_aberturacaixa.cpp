#include "movementfixture.h"

#include "app/tdm.h"
#include "app/terminal.h"
#include "movements/aberturacaixa.h"
#include "movements/movementrefused.h"

#include "support/fakes.h"

#include <QElapsedTimer>
#include <QSqlRecord>
#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 5);
const Turno Manha{1, u"MANHA"_s, u"07:00"_s, u"13:00"_s};
const Turno Tarde{2, u"TARDE"_s, u"13:00"_s, u"19:00"_s};
const Turno Noite{3, u"NOITE"_s, u"19:00"_s, u"23:59"_s};

AberturaCaixa::Input opening(const Turno& turno = Tarde)
{
    return {150.0, u"CAIXA1"_s, turno, turno.descricao};
}

} // namespace

class TestAberturaCaixa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldFindShiftInForce_data();
    void shouldFindShiftInForce();
    void shouldReportSessionsOfTheShift_data();
    void shouldReportSessionsOfTheShift();
    void shouldRefuseShiftsThatAreNoTimes();
    void shouldReadKeypadAmount_data();
    void shouldReadKeypadAmount();
    void shouldValidateInOrder_data();
    void shouldValidateInOrder();
    void shouldStoreSessionNumberingAndChangeFund();
    void shouldRefuseOperatorWhoIsNotAnActiveEmployee();
    void shouldRefuseSecondOpeningWhileShiftIsOpen();
    void shouldAllowSecondOpeningAfterClosedSession();
    void shouldRemoveNumberingRowWhenLocalRowsFail();
    void shouldStoreOneSessionWhenTwoWorkstationsSaveAtOnce();
    void shouldComposeOpeningNotice();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral = "EMAIL1=dono@loja.example\n");
    QSqlRecord row(const QString& table);

    TestDatabase m_db{u"aberturacaixa"_s};
    FixedClock m_clock{QDateTime(Today, QTime(15, 30, 0))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestAberturaCaixa::makeDm(const QByteArray& geral)
{
    AdminSettings settings = fixture::settings(m_db, geral);
    settings.NumCaixa = u"007"_s;
    auto dm = std::make_unique<TDM>(settings, m_clock, m_messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

QSqlRecord TestAberturaCaixa::row(const QString& table)
{
    auto dm = makeDm();
    QSqlQuery q = dm->MyConnection1().query(u"teste"_s, u"SELECT * FROM `%1`"_s.arg(table));
    return q.next() ? q.record() : QSqlRecord();
}

void TestAberturaCaixa::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(fixture::seed(m_db), QString());
}

void TestAberturaCaixa::init()
{
    QCOMPARE(fixture::clearMovements(m_db), QString());
    m_clock.set(QDateTime(Today, QTime(15, 30, 0)));
    m_messages.messages.clear();
}

void TestAberturaCaixa::shouldFindShiftInForce_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("picked"); // 0: none
    QTest::addColumn<QStringList>("shifts");
    QTest::addColumn<QString>("turnoEmVigor"); // "-": left as it is
    QTest::addColumn<int>("turno");

    QTest::newRow("afternoon shift picked at 15:30")
        << QTime(15, 30) << 2 << QStringList{u"TARDE"_s} << u"TARDE"_s << 2;
    QTest::newRow("nothing picked: the first shift is the reference")
        << QTime(15, 30) << 0 << QStringList{u"MANHA"_s, u"TARDE"_s} << u"MANHA"_s << 1;
    QTest::newRow("night shift picked in the afternoon") << QTime(15, 30) << 3 << QStringList{} << u"-"_s << 0;
    QTest::newRow("before the reference shift starts") << QTime(6, 30) << 0 << QStringList{} << u"-"_s << 0;
    QTest::newRow("at its very start") << QTime(7, 0) << 0 << QStringList{u"MANHA"_s} << u"-"_s << 1;
    QTest::newRow("a minute later") << QTime(7, 1) << 0 << QStringList{u"MANHA"_s} << u"MANHA"_s << 1;
}

void TestAberturaCaixa::shouldFindShiftInForce()
{
    QFETCH(QTime, now);
    QFETCH(int, picked);
    QFETCH(QStringList, shifts);
    QFETCH(QString, turnoEmVigor);
    QFETCH(int, turno);
    m_clock.set(QDateTime(Today, now));
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    const QList<Turno> all = abertura.turnos();
    QCOMPARE(all, (QList<Turno>{Manha, Tarde, Noite}));

    const auto check = abertura.checkShift(picked ? std::optional<Turno>(all.at(picked - 1)) : std::nullopt);

    QStringList got;
    for (const Turno& t : check.shifts)
        got << t.descricao;
    QCOMPARE(got, shifts);
    QCOMPARE(check.turnoEmVigor.value_or(u"-"_s), turnoEmVigor);
    QCOMPARE(check.turno, turno);
    QCOMPARE(check.hora, now.toString(u"HH:mm:ss"_s));
    QCOMPARE(check.data, u"05/03/2026"_s);
}

void TestAberturaCaixa::shouldReportSessionsOfTheShift_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("turno");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("openToday");
    QTest::addColumn<bool>("openOtherDay");
    QTest::addColumn<bool>("closedToday");

    QTest::newRow("no session") << -1 << 2 << false << false << false << false;
    QTest::newRow("open today") << 0 << 2 << false << true << false << false;
    QTest::newRow("closed today") << 0 << 2 << true << false << false << true;
    QTest::newRow("open yesterday") << 1 << 2 << false << false << true << false;
    QTest::newRow("closed yesterday") << 1 << 2 << true << false << false << false;
    QTest::newRow("open today, other shift") << 0 << 1 << false << false << false << false;
}

void TestAberturaCaixa::shouldReportSessionsOfTheShift()
{
    QFETCH(int, daysAgo);
    QFETCH(int, turno);
    QFETCH(bool, closed);
    QFETCH(bool, openToday);
    QFETCH(bool, openOtherDay);
    QFETCH(bool, closedToday);
    if (daysAgo >= 0)
        QCOMPARE(fixture::addSession(m_db, Today.addDays(-daysAgo), turno, closed), QString());
    auto dm = makeDm();
    QVERIFY(dm);

    const auto check = AberturaCaixa(*dm).checkShift(Tarde);

    QCOMPARE(check.turno, 2);
    QCOMPARE(check.openToday, openToday);
    QCOMPARE(check.openOtherDay, openOtherDay);
    QCOMPARE(check.closedToday, closedToday);
}

void TestAberturaCaixa::shouldRefuseShiftsThatAreNoTimes()
{
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    try {
        abertura.checkShift(Turno{9, u"EXTRA"_s, u"7h"_s, u"13:00"_s});
        QFAIL("accepted");
    } catch (const MovementRefused& e) {
        QCOMPARE(e.message(),
                 u"O turno \"EXTRA\" tem um horário inválido: \"7h\". Corrija o cadastro de turnos  !!!"_s);
    }
    QCOMPARE(m_db.exec(u"DELETE FROM `%1`.turno"_s.arg(m_db.name())), QString());
    QString message;
    try {
        abertura.checkShift(std::nullopt);
    } catch (const MovementRefused& e) {
        message = e.message();
    }
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.turno (controle, descricao, horaabertura, horafechamento) VALUES "
                       "(1, 'MANHA', '07:00', '13:00'), (2, 'TARDE', '13:00', '19:00'), "
                       "(3, 'NOITE', '19:00', '23:59')"_s.arg(m_db.name())),
             QString());
    QCOMPARE(message, u"Nenhum turno cadastrado  !!!"_s);
}

void TestAberturaCaixa::shouldReadKeypadAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("amount"); // -1: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("12,5") << u"12,5"_s << 12.5 << QString();
    QTest::newRow("12,50") << u"12,50"_s << 12.5 << QString();
    QTest::newRow(",5") << u",5"_s << 0.5 << QString();
    QTest::newRow("zero") << u"0"_s << 0.0 << QString();
    QTest::newRow("empty") << u""_s << -1.0 << u"Digite o Valor do Troco no teclado  !!!"_s;
    QTest::newRow("comma only") << u","_s << -1.0 << u"Valor do Troco inválido: \",\"  !!!"_s;
    QTest::newRow("two commas") << u"1,2,3"_s << -1.0 << u"Valor do Troco inválido: \"1,2,3\"  !!!"_s;
    QTest::newRow("three decimals") << u"1,255"_s << -1.0
                                    << u"Valor do Troco deve ter no máximo duas casas decimais  !!!"_s;
}

void TestAberturaCaixa::shouldReadKeypadAmount()
{
    QFETCH(QString, typed);
    QFETCH(double, amount);
    QFETCH(QString, message);
    const auto got = AberturaCaixa::keypadAmount(typed);
    if (amount < 0) {
        QVERIFY(std::holds_alternative<QString>(got));
        QCOMPARE(std::get<QString>(got), message);
    } else {
        QVERIFY(std::holds_alternative<double>(got));
        QCOMPARE(std::get<double>(got), amount);
    }
}

void TestAberturaCaixa::shouldValidateInOrder_data()
{
    QTest::addColumn<double>("troco");
    QTest::addColumn<QString>("operador");
    QTest::addColumn<bool>("turnoPicked");
    QTest::addColumn<QString>("turnoEmVigor");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("field");

    using F = AberturaCaixa::Field;
    QTest::newRow("all missing: amount first")
        << 0.0 << QString() << false << QString() << u"Valor do Troco está em Branco  !!!"_s << int(F::Troco);
    QTest::newRow("operator") << 10.0 << u"  "_s << false << QString() << u"Operador está em Branco  !!!"_s
                              << int(F::Operador);
    QTest::newRow("shift lookup") << 10.0 << u"CAIXA1"_s << false << u"TARDE"_s << u"Turno está em Branco  !!!"_s
                                  << int(F::Turno);
    QTest::newRow("shift in force") << 10.0 << u"CAIXA1"_s << true << QString() << u"Turno está em Branco  !!!"_s
                                    << int(F::TurnoEmVigor);
}

void TestAberturaCaixa::shouldValidateInOrder()
{
    QFETCH(double, troco);
    QFETCH(QString, operador);
    QFETCH(bool, turnoPicked);
    QFETCH(QString, turnoEmVigor);
    QFETCH(QString, message);
    QFETCH(int, field);
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    const AberturaCaixa::Input input{troco, operador, turnoPicked ? std::optional<Turno>(Tarde) : std::nullopt,
                                     turnoEmVigor};

    const auto refusal = abertura.validate(input);

    QVERIFY(refusal);
    QCOMPARE(refusal->message, message);
    QCOMPARE(int(refusal->field), field);
    QVERIFY_THROWS_EXCEPTION(MovementRefused, abertura.store(input));
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 0);
}

void TestAberturaCaixa::shouldStoreSessionNumberingAndChangeFund()
{
    // given a start-register row written by the main window
    QCOMPARE(m_db.exec(u"INSERT INTO `%1`.numerocaixaloja (data, hora, usuario) VALUES ('2026-03-05', '07:00:00', "
                       "'OUTRO-caixa')"_s.arg(m_db.name())),
             QString());
    auto dm = makeDm();
    QVERIFY(dm);

    // when the afternoon shift is opened with 150,00 by CAIXA1
    const auto stored = AberturaCaixa(*dm).store(opening());

    // then the numbering row
    QCOMPARE(stored.numero, 2);
    const int numero = m_db.scalar(u"SELECT MAX(id) FROM `%1`.numerocaixaloja"_s.arg(m_db.name())).toInt();
    QCOMPARE(stored.numero, numero);
    QSqlQuery nq = dm->MyLoja().query(u"t"_s, u"SELECT * FROM numerocaixaLoja WHERE id = :id"_s, {{u":id"_s, numero}});
    QVERIFY(nq.next());
    QCOMPARE(nq.value(u"data"_s).toDate(), Today);
    QCOMPARE(nq.value(u"hora"_s).toString(), u"15:30:00"_s);
    QCOMPARE(nq.value(u"usuario"_s).toString(), terminalLabel());

    // the session row
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    const QSqlRecord a = row(u"abrefechacaixa"_s);
    QCOMPARE(a.value(u"Controle"_s).toInt(), stored.controle);
    QCOMPARE(a.value(u"turno"_s).toInt(), 2);
    QCOMPARE(a.value(u"NumCaixa"_s).toString(), u"007"_s);
    QCOMPARE(a.value(u"DataAbertura"_s).toDate(), Today);
    QCOMPARE(a.value(u"HoraAbertura"_s).toTime(), QTime(15, 30, 0));
    QCOMPARE(a.value(u"troco"_s).toDouble(), 150.0);
    QCOMPARE(a.value(u"descturno"_s).toString(), u"TARDE"_s);
    QCOMPARE(a.value(u"UsuarioCaixa"_s).toString(), u"CAIXA1"_s);
    QCOMPARE(a.value(u"maquina"_s).toString(), terminalLabel());
    QCOMPARE(a.value(u"codigofilial"_s).toDouble(), 1.0);
    QCOMPARE(a.value(u"filial"_s).toString(), u"MATRIZ CENTRO"_s);
    QVERIFY(a.value(u"DataFechamento"_s).isNull());
    QVERIFY(a.value(u"HoraFechamento"_s).isNull());

    // and the change-fund row
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    const QSqlRecord c = row(u"caixa"_s);
    QCOMPARE(c.value(u"CodigoCliente"_s).toDouble(), 9999.0);
    QCOMPARE(c.value(u"CodigoNota"_s).toString(), QString::number(numero));
    QCOMPARE(c.value(u"Descricao"_s).toString(), u"TROCO"_s);
    QCOMPARE(c.value(u"NomeFuncionario"_s).toString(), u"CAIXA1"_s);
    QCOMPARE(c.value(u"NomeFunciionario"_s).toString(), u"CAIXA1"_s);
    QCOMPARE(c.value(u"CodigoFuncionario"_s).toDouble(), 5.0);
    QCOMPARE(c.value(u"Data"_s).toDate(), Today);
    QCOMPARE(c.value(u"datamovimento"_s).toDate(), Today);
    QCOMPARE(c.value(u"Credito"_s).toDouble(), 150.0);
    QCOMPARE(c.value(u"valor"_s).toDouble(), 150.0);
    QCOMPARE(c.value(u"troco"_s).toDouble(), 150.0);
    QCOMPARE(c.value(u"Debito"_s).toDouble(), 0.0);
    QCOMPARE(c.value(u"Opcao"_s).toString(), u"2"_s);
    QCOMPARE(c.value(u"es"_s).toString(), u"E"_s);
    QCOMPARE(c.value(u"Tp"_s).toString(), u"1"_s);
    QCOMPARE(c.value(u"Tipo"_s).toString(), u"CREDITO"_s);
    QCOMPARE(c.value(u"Hora"_s).toString(), u"15:30:00"_s);
    QCOMPARE(c.value(u"especie"_s).toString(), u"AD.TROCO"_s);
    QCOMPARE(c.value(u"Condicao"_s).toString(), u"TROCO"_s);
    QCOMPARE(c.value(u"codigofilial"_s).toDouble(), 1.0);
    QCOMPARE(c.value(u"filial"_s).toString(), u"MATRIZ CENTRO"_s);
    QCOMPARE(c.value(u"Usuario"_s).toString(), u"CAIXA1"_s);
}

void TestAberturaCaixa::shouldRefuseOperatorWhoIsNotAnActiveEmployee()
{
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa::Input input = opening();
    input.operador = u"RITA DESLIGADA"_s;

    try {
        AberturaCaixa(*dm).store(input);
        QFAIL("stored");
    } catch (const MovementRefused& e) {
        QCOMPARE(e.message(), u"Ops, o Operador \"RITA DESLIGADA\" Não está Cadastrado como Funcionário Ativo  !!!!"_s);
    }
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 0);
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
}

void TestAberturaCaixa::shouldRefuseSecondOpeningWhileShiftIsOpen()
{
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    abertura.store(opening());

    try {
        abertura.store(opening());
        QFAIL("stored twice");
    } catch (const ShiftStillOpen& e) {
        QCOMPARE(e.message(), u"O Caixa não foi Fechado  !!!"_s);
    }

    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 1);
    // another shift opens normally
    abertura.store(opening(Manha));
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s, u"DataFechamento IS NULL"_s), 2);
}

void TestAberturaCaixa::shouldAllowSecondOpeningAfterClosedSession()
{
    QCOMPARE(fixture::addSession(m_db, Today, 2, true), QString());
    auto dm = makeDm();
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    QVERIFY(abertura.checkShift(Tarde).closedToday);

    abertura.store(opening());

    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s, u"turno = 2 AND DataAbertura = '2026-03-05'"_s), 2);
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s, u"DataFechamento IS NULL"_s), 1);
}

void TestAberturaCaixa::shouldRemoveNumberingRowWhenLocalRowsFail()
{
    auto dm = makeDm();
    QVERIFY(dm);
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.caixa TO `%1`.caixa_fora"_s.arg(m_db.name())), QString());
    QString error;
    try {
        AberturaCaixa(*dm).store(opening());
    } catch (const DbError& e) {
        error = e.message();
    }
    QCOMPARE(m_db.exec(u"RENAME TABLE `%1`.caixa_fora TO `%1`.caixa"_s.arg(m_db.name())), QString());

    QVERIFY2(error.contains(u"caixa"_s), qPrintable(error));
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 0);
}

void TestAberturaCaixa::shouldStoreOneSessionWhenTwoWorkstationsSaveAtOnce()
{
    // given two workstations; the first one is about to confirm its opening
    auto first = makeDm();
    QVERIFY(first);
    AdminSettings settings = fixture::settings(m_db, {});
    settings.NumCaixa = u"002"_s;
    const QDateTime now = m_clock.now();
    QString secondResult;
    bool secondWaited = false;
    std::thread second;
    // The second workstation is blocked on the shift's row while the first holds it.
    const QString waiting = u"SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE DB = '%1' AND "
                            "INFO LIKE 'SELECT controle FROM turno WHERE controle = % FOR UPDATE'"_s.arg(m_db.name());
    bool armed = true;
    first->MyConnection1().setBeforeCommitHook([&] {
        if (!armed)
            return;
        armed = false;
        // when the second one saves the same shift at that moment
        second = std::thread([&] {
            FixedClock clock(now);
            RecordingMessageSink messages;
            TDM dm(settings, clock, messages);
            if (!dm.DataModuleCreate()) {
                secondResult = u"no start"_s;
                return;
            }
            try {
                AberturaCaixa(dm).store(opening());
                secondResult = u"stored"_s;
            } catch (const MovementRefused& e) {
                secondResult = e.message();
            } catch (const DbError& e) {
                secondResult = e.message();
            }
        });
        QElapsedTimer t;
        t.start();
        while (!secondWaited && t.elapsed() < 20000) {
            secondWaited = m_db.scalar(waiting).toInt() > 0;
            QThread::msleep(20);
        }
    });

    AberturaCaixa(*first).store(opening());
    first->MyConnection1().setBeforeCommitHook({});
    if (second.joinable())
        second.join();

    // then the second waited for the first and was told the shift is open
    QCOMPARE(secondResult, u"O Caixa não foi Fechado  !!!"_s);
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s, u"NumCaixa = '007'"_s), 1);
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 1);
    QVERIFY(secondWaited);
}

void TestAberturaCaixa::shouldComposeOpeningNotice()
{
    auto dm = makeDm("EMAIL1=dono@loja.example;socio@loja.example\nCONTATO1=Donos\n");
    QVERIFY(dm);
    AberturaCaixa abertura(*dm);
    AberturaCaixa::Input input = opening();
    input.troco = 1250.5;

    const MailMessage m = abertura.notice(abertura.store(input));

    using fixture::Row;
    QCOMPARE(m.fromName, u"ABERTURA DO CAIXA"_s);
    QCOMPARE(m.subject, u"Abertura do Caixa do Caixa"_s);
    QCOMPARE(m.priority, MailMessage::Priority::Normal);
    QCOMPARE(m.recipients,
             (QList<MailRecipient>{{u"Donos"_s, u"dono@loja.example"_s}, {u"Donos"_s, u"socio@loja.example"_s}}));
    QCOMPARE(m.body,
             fixture::noticeItems(u"<p><b>Informações de Abertura do Caixa 05/03/2026 na Hora: 15:30:00</b></p>"_s,
                                  {Row{u"#D3D3D3"_s, u"Funcionario : "_s, u"CAIXA1"_s},
                                   Row{u"#FFFFFF"_s, u"Data da Abertura : "_s, u"05/03/2026"_s},
                                   Row{u"#D3D3D3"_s, u"Hora da Abertura : "_s, u"15:30:00"_s},
                                   Row{u"#FFFFFF"_s, u"Valor do Troco     : "_s, u"1.250,50"_s}}));
}

QTEST_GUILESS_MAIN(TestAberturaCaixa)
#include "tst_aberturacaixa.moc"
