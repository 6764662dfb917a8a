#include "movementfixture.h"

#include "app/tdm.h"
#include "movements/ui/tfrmreforco.h"
#include "movements/ui/tfrmsaidadespesa.h"
#include "movements/ui/tfrmsangria.h"

#include "support/fakes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 5);

std::unique_ptr<CashMovementWindow> openWindow(const QString& kind, TDM& dm)
{
    std::unique_ptr<CashMovementWindow> w;
    if (kind == u"sangria"_s)
        w = std::make_unique<TFrmSangria>(dm);
    else if (kind == u"reforco"_s)
        w = std::make_unique<TFrmReforco>(dm);
    else
        w = std::make_unique<TFrmSaidaDespesa>(dm);
    w->show();
    return w;
}

QLineEdit* edit(QWidget& w, const QString& name)
{
    return w.findChild<QLineEdit*>(name);
}

QPushButton* button(QWidget& w, const QString& name)
{
    return w.findChild<QPushButton*>(name);
}

// Types the reason and the amount as the user does and presses "Con&firmar".
void confirm(QWidget& w, const QString& reason, const QString& amount)
{
    QTest::keyClicks(edit(w, u"Edit1"_s), reason);
    QTest::keyClicks(edit(w, u"CurrencyEdit1"_s), amount);
    QTest::mouseClick(button(w, u"BitBtn1"_s), Qt::LeftButton);
}

void addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("withdrawal") << u"sangria"_s;
    QTest::newRow("reinforcement") << u"reforco"_s;
    QTest::newRow("expense") << u"despesa"_s;
}

} // namespace

class TestMovementWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldStoreAndMailEachMovement_data();
    void shouldStoreAndMailEachMovement();
    void shouldNotMailWithoutFirstRecipient_data() { addKinds(); }
    void shouldNotMailWithoutFirstRecipient();
    void shouldStoreOnceWhenMailServerIsDown_data() { addKinds(); }
    void shouldStoreOnceWhenMailServerIsDown();
    void shouldRefuseZeroAmountAndStayOpen_data();
    void shouldRefuseZeroAmountAndStayOpen();
    void shouldRefuseUserWhoIsNotAnActiveEmployee_data() { addKinds(); }
    void shouldRefuseUserWhoIsNotAnActiveEmployee();
    void shouldNameUserAndStoreInCaption_data();
    void shouldNameUserAndStoreInCaption();
    void shouldRefuseToWorkWithoutUser();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral);

    TestDatabase m_db{u"movementwindows"_s};
    FixedClock m_clock{QDateTime(Today, QTime(14, 10, 0))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestMovementWindows::makeDm(const QByteArray& geral)
{
    auto dm = std::make_unique<TDM>(fixture::settings(m_db, geral), m_clock, m_messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

void TestMovementWindows::initTestCase()
{
    REQUIRE_TEST_DB();
    REQUIRE_TEST_SMTP();
    QCOMPARE(fixture::seed(m_db), QString());
}

void TestMovementWindows::init()
{
    QCOMPARE(fixture::clearMovements(m_db), QString());
    QCOMPARE(fixture::addSession(m_db, Today, 2, false), QString());
    m_clock.set(QDateTime(Today, QTime(14, 10, 0)));
    m_messages.messages.clear();
}

void TestMovementWindows::shouldStoreAndMailEachMovement_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("body");

    using fixture::Row;
    const QString g = u"#D3D3D3"_s, w = u"#FFFFFF"_s;
    // late at night: dated 23:46:00 of the opening day
    QTest::newRow("withdrawal") << u"sangria"_s << u"SANDRIA DO CAIXA"_s
                                << fixture::noticeItems(
                                       u"<p><b>Informações de Sangria no Caixa 05/03/2026 na Hora: 23:46:00</b></p>"_s,
                                       {Row{g, u"Funcionario : "_s, u"GERENTE"_s},
                                        Row{w, u"Data da Sangria : "_s, u"05/03/2026"_s},
                                        Row{g, u"Hora da Sangria : "_s, u"23:46:00"_s},
                                        Row{g, u"Motivo da Sangria : "_s, u"DEPOSITO NO COFRE"_s},
                                        Row{w, u"Valor da Sangria : "_s, u"1.234,50"_s}});
    QTest::newRow("reinforcement")
        << u"reforco"_s << u"REFORÇO DO CAIXA"_s
        << fixture::noticeItems(u"<p><b>Informações de Reforço no Caixa 05/03/2026 na Hora: 23:46:00</b></p>"_s,
                                {Row{g, u"Funcionario : "_s, u"GERENTE"_s},
                                 Row{w, u"Data do Reforço : "_s, u"05/03/2026"_s},
                                 Row{g, u"Hora do Reforço : "_s, u"23:46:00"_s},
                                 Row{w, u"Motivo do Reforço : "_s, u"DEPOSITO NO COFRE"_s},
                                 Row{w, u"Valor do Reforço : "_s, u"1.234,50"_s}});
    QTest::newRow("expense") << u"despesa"_s << u"DESPESA DO CAIXA"_s
                             << fixture::noticeItems(
                                    u"<p><b>Informações de Despesa no Caixa 05/03/2026 na Hora: 23:46:00</b></p>"_s,
                                    {Row{g, u"Funcionario : "_s, u"GERENTE"_s},
                                     Row{w, u"Data da Despesa : "_s, u"05/03/2026"_s},
                                     Row{g, u"Hora da Despesa : "_s, u"23:46:00"_s},
                                     Row{w, u"Motivo da Despesa : "_s, u"DEPOSITO NO COFRE"_s},
                                     Row{w, u"Valor da Despesa : "_s, u"1.234,50"_s}});
}

void TestMovementWindows::shouldStoreAndMailEachMovement()
{
    QFETCH(QString, kind);
    QFETCH(QString, subject);
    QFETCH(QStringList, body);
    // given mail to the store's owner, past midnight with the session of yesterday open
    const QString owner = fixture::uniqueAddress(kind);
    m_clock.set(QDateTime(Today.addDays(1), QTime(0, 30, 0)));
    auto dm = makeDm("ENVIAEMAIL=S\nEMAIL1=" + owner.toUtf8() + "\nCONTATO1=Dono\n");
    QVERIFY(dm);
    auto w = openWindow(kind, *dm);

    // when the reason and the amount are typed and confirmed
    confirm(*w, u"deposito no cofre"_s, u"1234,5"_s);

    // then the movement is stored once and the window is gone
    QVERIFY(w->isStored());
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QCOMPARE(fixture::count(m_db, u"caixa"_s, u"Descricao = 'DEPOSITO NO COFRE' AND Data = '2026-03-05'"_s), 1);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 1);
    QCOMPARE(fixture::count(m_db, u"contacorrente"_s), kind == u"reforco"_s ? 0 : 1);
    // and the notice reached the mail server as composed
    const QJsonObject mail = fixture::mailTo(owner);
    QVERIFY2(!mail.isEmpty(), "no mail");
    QCOMPARE(mail.value(u"subject"_s).toString(), subject);
    QCOMPARE(mail.value(u"from"_s).toString(), subject + u" <caixa@loja.example>"_s);
    QCOMPARE(mail.value(u"mail_from"_s).toString(), u"caixa@loja.example"_s);
    QCOMPARE(mail.value(u"x_priority"_s).toString(), u"1"_s);
    QVERIFY(mail.value(u"to"_s).toString().contains(u"Dono"_s));
    QCOMPARE(mail.value(u"html"_s).toString(), body.join(u"\r\n"_s));
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().kind, MessageSink::Kind::Warning);
    QCOMPARE(m_messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(m_messages.messages.first().text, u"A Messagem Foi Enviada com Sucesso"_s);
}

void TestMovementWindows::shouldNotMailWithoutFirstRecipient()
{
    QFETCH(QString, kind);
    const QString second = fixture::uniqueAddress(u"semprimeiro"_s);
    auto dm = makeDm("ENVIAEMAIL=S\nEMAIL1=\nEMAIL2=" + second.toUtf8() + "\n");
    QVERIFY(dm);
    auto w = openWindow(kind, *dm);

    confirm(*w, u"COFRE"_s, u"10"_s);

    QVERIFY(!w->isVisible());
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 1);
    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(fixture::mailTo(second, 1500).isEmpty());
}

void TestMovementWindows::shouldStoreOnceWhenMailServerIsDown()
{
    QFETCH(QString, kind);
    AdminSettings s = fixture::settings(m_db, "ENVIAEMAIL=S\nEMAIL1=dono@loja.example\n");
    s.PORTA = QString::number(testsmtp::closedPort());
    TDM dm(s, m_clock, m_messages);
    QVERIFY(dm.DataModuleCreate());
    dm.setLoggedUser(u"GERENTE"_s);
    auto w = openWindow(kind, dm);

    confirm(*w, u"COFRE"_s, u"50"_s);

    // the rows are stored, the failure is told, and the window is done
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY2(m_messages.messages.first().text.startsWith(u"Não foi possível conectar ao servidor de e-mail"_s),
             qPrintable(m_messages.messages.first().text));
    QVERIFY(!w->isVisible());
    QVERIFY(!button(*w, u"BitBtn1"_s)->isEnabled());
    // a second confirmation, however it comes, stores nothing more
    QTest::mouseClick(button(*w, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(QMetaObject::invokeMethod(w.get(), "BitBtn1Click"));
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 1);
    QCOMPARE(fixture::count(m_db, u"contacorrente"_s), kind == u"reforco"_s ? 0 : 1);
    QCOMPARE(m_messages.messages.size(), 1);
}

void TestMovementWindows::shouldRefuseZeroAmountAndStayOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("withdrawal") << u"sangria"_s << u"Valor da Sangria deve ser maior que zero  !!!"_s;
    QTest::newRow("reinforcement") << u"reforco"_s << u"Valor do Reforço deve ser maior que zero  !!!"_s;
    QTest::newRow("expense") << u"despesa"_s << u"Valor da Despesa deve ser maior que zero  !!!"_s;
}

void TestMovementWindows::shouldRefuseZeroAmountAndStayOpen()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(kind, *dm);

    confirm(*w, u"COFRE"_s, u"0,00"_s);

    QCOMPARE(m_messages.texts(), QStringList{message});
    QCOMPARE(m_messages.messages.first().title, MessageSink::defaultTitle());
    QVERIFY(w->isVisible());
    QVERIFY(!w->isStored());
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);

    // corrected, it goes through
    edit(*w, u"CurrencyEdit1"_s)->clear();
    QTest::keyClicks(edit(*w, u"CurrencyEdit1"_s), u"0,01"_s);
    QTest::mouseClick(button(*w, u"BitBtn1"_s), Qt::LeftButton);
    QVERIFY(w->isStored());
    QCOMPARE(fixture::count(m_db, u"caixa"_s, u"valor = 0.01"_s), 1);
}

void TestMovementWindows::shouldRefuseUserWhoIsNotAnActiveEmployee()
{
    QFETCH(QString, kind);
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    dm->setLoggedUser(u"RITA DESLIGADA"_s);
    auto w = openWindow(kind, *dm);

    confirm(*w, u"COFRE"_s, u"10"_s);
    QTest::mouseClick(button(*w, u"BitBtn1"_s), Qt::LeftButton);

    QCOMPARE(m_messages.messages.size(), 2);
    for (const auto& m : std::as_const(m_messages.messages)) {
        QCOMPARE(m.kind, MessageSink::Kind::Error);
        QCOMPARE(m.title, u"Quilate Sistemas, Atenção !!!"_s);
        QCOMPARE(m.text, u"Ops, Este Usuario Não está Cadastrado  !!!!"_s);
    }
    QVERIFY(w->isVisible());
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"sangriareforco"_s), 0);
    QCOMPARE(fixture::count(m_db, u"contacorrente"_s), 0);
}

void TestMovementWindows::shouldNameUserAndStoreInCaption_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    const QString named = u"Atualizado 27-09-2018 / 09:00 - Nome do Usuário : GERENTE - LOJA BOA VISTA"_s;
    QTest::newRow("withdrawal") << u"sangria"_s << named;
    QTest::newRow("reinforcement") << u"reforco"_s << u"Quilate Sistemas"_s;
    QTest::newRow("expense") << u"despesa"_s << named;
}

void TestMovementWindows::shouldNameUserAndStoreInCaption()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(kind, *dm);
    QCOMPARE(w->windowTitle(), caption);
    // the reason is typed in capitals
    QTest::keyClicks(edit(*w, u"Edit1"_s), u"agua e luz"_s);
    QCOMPARE(edit(*w, u"Edit1"_s)->text(), u"AGUA E LUZ"_s);
}

void TestMovementWindows::shouldRefuseToWorkWithoutUser()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    dm->setLoggedUser(QString());
    auto w = openWindow(u"sangria"_s, *dm);

    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().title, u"Erro de Inicialização"_s);
    QCOMPARE(m_messages.messages.first().text,
             u"Este sistema só pode ser executado através dos aplicativos da QUILATE SISTEMAS."_s);
    QVERIFY(!button(*w, u"BitBtn1"_s)->isEnabled());
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
}

QTEST_MAIN(TestMovementWindows)
#include "tst_movementwindows.moc"
