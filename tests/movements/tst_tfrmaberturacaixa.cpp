#include "movementfixture.h"

#include "app/tdm.h"
#include "movements/aberturacaixa.h"
#include "movements/ui/tfrmaberturacaixa.h"

#include "support/fakes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2026, 3, 5);

QPushButton* button(QWidget& w, const QString& name)
{
    return w.findChild<QPushButton*>(name);
}

QLineEdit* edit(QWidget& w, const QString& name)
{
    return w.findChild<QLineEdit*>(name);
}

QComboBox* lookup(QWidget& w, const QString& name)
{
    return w.findChild<QComboBox*>(name);
}

void press(QWidget& w, const QString& name)
{
    QTest::mouseClick(button(w, name), Qt::LeftButton);
}

// Presses the keypad panels for the characters of `keys`.
void typeOnKeypad(QWidget& w, const QString& keys)
{
    static const QHash<QChar, QString> panel{{u'7', u"Shape2"_s},  {u'8', u"Shape3"_s}, {u'9', u"Shape4"_s},
                                             {u'4', u"Shape5"_s},  {u'5', u"Shape6"_s}, {u'6', u"Shape7"_s},
                                             {u'1', u"Shape8"_s},  {u'2', u"Shape9"_s}, {u'3', u"Shape10"_s},
                                             {u'0', u"Shape12"_s}, {u',', u"Shape13"_s}};
    for (QChar c : keys)
        press(w, panel.value(c));
}

QStringList items(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

void pick(QWidget& w, const QString& name, const QString& text)
{
    QComboBox* box = lookup(w, name);
    box->setCurrentIndex(box->findText(text));
    QVERIFY(box->currentIndex() >= 0);
}

} // namespace

class TestTFrmAberturaCaixa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldTypeChangeFundOnKeypad();
    void shouldKeepChangeFundWhenKeypadHoldsNoAmount();
    void shouldFindShiftInForce_data();
    void shouldFindShiftInForce();
    void shouldRefuseSaveBeforeShiftStarts();
    void shouldRefuseZeroChangeFund();
    void shouldSaveOpeningAndMailNotice();
    void shouldWarnClosedSessionAndStillSave();
    void shouldCloseWhileShiftIsOpen();
    void shouldOfferNoSaveWhileSessionOfAnotherDayIsOpen();
    void shouldStoreOnceWhenMailServerIsDown();
    void shouldNotMailWithoutFirstRecipient();
    void shouldAskForShiftAgainAfterZerarCupon();
    void shouldTellWhenSessionWasOpenedMeanwhile();

private:
    std::unique_ptr<TDM> makeDm(const QByteArray& geral);
    std::unique_ptr<TFrmAberturaCaixa> openWindow(TDM& dm);
    // "Abrir o Caixa" for the afternoon shift, 150,00 typed, CAIXA1 picked.
    void prepare(TFrmAberturaCaixa& w);

    TestDatabase m_db{u"tfrmaberturacaixa"_s};
    FixedClock m_clock{QDateTime(Today, QTime(15, 30, 0))};
    RecordingMessageSink m_messages;
};

std::unique_ptr<TDM> TestTFrmAberturaCaixa::makeDm(const QByteArray& geral)
{
    auto dm = std::make_unique<TDM>(fixture::settings(m_db, geral), m_clock, m_messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    dm->setLoggedUser(u"GERENTE"_s);
    return dm;
}

std::unique_ptr<TFrmAberturaCaixa> TestTFrmAberturaCaixa::openWindow(TDM& dm)
{
    auto w = std::make_unique<TFrmAberturaCaixa>(dm);
    w->show();
    return w;
}

void TestTFrmAberturaCaixa::prepare(TFrmAberturaCaixa& w)
{
    pick(w, u"LookupEdit1"_s, u"TARDE"_s);
    press(w, u"Shape1"_s);
    typeOnKeypad(w, u"150"_s);
    press(w, u"Shape14"_s);
    pick(w, u"LookupEdit2"_s, u"CAIXA1"_s);
}

void TestTFrmAberturaCaixa::initTestCase()
{
    REQUIRE_TEST_DB();
    REQUIRE_TEST_SMTP();
    QCOMPARE(fixture::seed(m_db), QString());
}

void TestTFrmAberturaCaixa::init()
{
    QCOMPARE(fixture::clearMovements(m_db), QString());
    m_clock.set(QDateTime(Today, QTime(15, 30, 0)));
    m_messages.messages.clear();
}

void TestTFrmAberturaCaixa::shouldTypeChangeFundOnKeypad()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    QVERIFY(!button(*w, u"Panel4"_s)->isVisible());
    QVERIFY(!button(*w, u"Panel3"_s)->isVisible());
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), QString());

    typeOnKeypad(*w, u"12,5"_s);
    QCOMPARE(edit(*w, u"edtLocalizar"_s)->text(), u"12,5"_s);
    press(*w, u"Shape14"_s);
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), u"12,50"_s);
    QCOMPARE(w->troco(), 12.5);
    QCOMPARE(edit(*w, u"edtLocalizar"_s)->text(), QString());

    // "Limpa", the panel and the label, empty the display only
    typeOnKeypad(*w, u"98"_s);
    press(*w, u"Shape11"_s);
    QCOMPARE(edit(*w, u"edtLocalizar"_s)->text(), QString());
    typeOnKeypad(*w, u"7"_s);
    press(*w, u"Label17"_s);
    QCOMPARE(edit(*w, u"edtLocalizar"_s)->text(), QString());
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), u"12,50"_s);
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestTFrmAberturaCaixa::shouldKeepChangeFundWhenKeypadHoldsNoAmount()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    typeOnKeypad(*w, u"40"_s);
    press(*w, u"Shape14"_s);

    typeOnKeypad(*w, u"1,2,3"_s);
    press(*w, u"Shape14"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"Valor do Troco inválido: \"1,2,3\"  !!!"_s});
    QCOMPARE(edit(*w, u"edtLocalizar"_s)->text(), u"1,2,3"_s);
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), u"40,00"_s);
}

void TestTFrmAberturaCaixa::shouldFindShiftInForce_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("edit3");
    QTest::addColumn<QString>("stillPicked");
    QTest::newRow("afternoon picked at 15:30") << u"TARDE"_s << QStringList{u"TARDE"_s} << u"TARDE"_s << u"TARDE"_s;
    QTest::newRow("nothing picked at 15:30")
        << QString() << QStringList{u"MANHA"_s, u"TARDE"_s} << u"MANHA"_s << QString();
}

void TestTFrmAberturaCaixa::shouldFindShiftInForce()
{
    QFETCH(QString, picked);
    QFETCH(QStringList, listed);
    QFETCH(QString, edit3);
    QFETCH(QString, stillPicked);
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    QCOMPARE(items(lookup(*w, u"LookupEdit1"_s)), (QStringList{u"MANHA"_s, u"TARDE"_s, u"NOITE"_s}));
    if (!picked.isEmpty())
        pick(*w, u"LookupEdit1"_s, picked);

    press(*w, u"Shape1"_s);

    QCOMPARE(items(lookup(*w, u"LookupEdit1"_s)), listed);
    QCOMPARE(lookup(*w, u"LookupEdit1"_s)->currentText(), stillPicked);
    QCOMPARE(edit(*w, u"Edit3"_s)->text(), edit3);
    QCOMPARE(edit(*w, u"Edit1"_s)->text(), u"15:30:00"_s);
    QCOMPARE(edit(*w, u"Edit2"_s)->text(), u"05/03/2026"_s);
    QVERIFY(button(*w, u"Panel4"_s)->isVisible());
    QVERIFY(button(*w, u"Panel3"_s)->isVisible());
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestTFrmAberturaCaixa::shouldRefuseSaveBeforeShiftStarts()
{
    m_clock.set(QDateTime(Today, QTime(6, 30, 0)));
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    press(*w, u"Shape1"_s);
    QCOMPARE(edit(*w, u"Edit3"_s)->text(), QString());
    typeOnKeypad(*w, u"100"_s);
    press(*w, u"Shape14"_s);
    pick(*w, u"LookupEdit2"_s, u"CAIXA1"_s);

    press(*w, u"Panel4"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"Turno está em Branco  !!!"_s});
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    QVERIFY(w->isVisible());
}

void TestTFrmAberturaCaixa::shouldRefuseZeroChangeFund()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    pick(*w, u"LookupEdit1"_s, u"TARDE"_s);
    press(*w, u"Shape1"_s);
    pick(*w, u"LookupEdit2"_s, u"CAIXA1"_s);
    typeOnKeypad(*w, u"0,00"_s);
    press(*w, u"Shape14"_s);
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), QString()); // blank while zero

    press(*w, u"Panel4"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"Valor do Troco está em Branco  !!!"_s});
    QCOMPARE(m_messages.messages.first().title, u"Quilate Sistemas, Atenção !!!"_s);
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 0);
}

void TestTFrmAberturaCaixa::shouldSaveOpeningAndMailNotice()
{
    const QString owner = fixture::uniqueAddress(u"abertura"_s);
    auto dm = makeDm("ENVIAEMAIL=S\nEMAIL1=" + owner.toUtf8() + "\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    prepare(*w);

    press(*w, u"Panel4"_s);

    // stored: the session, the numbering row and the change fund that carries its number
    QVERIFY(w->isStored());
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s,
                            u"turno = 2 AND descturno = 'TARDE' AND UsuarioCaixa = 'CAIXA1' AND troco = 150 AND "
                            "DataFechamento IS NULL"_s),
             1);
    const int numero = m_db.scalar(u"SELECT MAX(id) FROM `%1`.numerocaixaloja"_s.arg(m_db.name())).toInt();
    QCOMPARE(fixture::count(m_db, u"caixa"_s,
                            u"CodigoNota = '%1' AND CodigoCliente = 9999 AND especie = 'AD.TROCO' AND "
                            "NomeFuncionario = 'CAIXA1' AND NomeFunciionario = 'CAIXA1' AND valor = 150"_s.arg(numero)),
             1);
    // and mailed
    const QJsonObject mail = fixture::mailTo(owner);
    QVERIFY2(!mail.isEmpty(), "no mail");
    QCOMPARE(mail.value(u"subject"_s).toString(), u"Abertura do Caixa do Caixa"_s);
    QCOMPARE(mail.value(u"from"_s).toString(), u"ABERTURA DO CAIXA <caixa@loja.example>"_s);
    QCOMPARE(mail.value(u"x_priority"_s).toString(), u"3"_s);
    using fixture::Row;
    QCOMPARE(mail.value(u"html"_s).toString(),
             fixture::noticeItems(u"<p><b>Informações de Abertura do Caixa 05/03/2026 na Hora: 15:30:00</b></p>"_s,
                                  {Row{u"#D3D3D3"_s, u"Funcionario : "_s, u"CAIXA1"_s},
                                   Row{u"#FFFFFF"_s, u"Data da Abertura : "_s, u"05/03/2026"_s},
                                   Row{u"#D3D3D3"_s, u"Hora da Abertura : "_s, u"15:30:00"_s},
                                   Row{u"#FFFFFF"_s, u"Valor do Troco     : "_s, u"150,00"_s}})
                 .join(u"\r\n"_s));
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(m_messages.messages.first().text, u"A Messagem Foi Enviada com Sucesso"_s);
}

void TestTFrmAberturaCaixa::shouldWarnClosedSessionAndStillSave()
{
    QCOMPARE(fixture::addSession(m_db, Today, 2, true), QString());
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);

    prepare(*w);
    QCOMPARE(m_messages.texts(), QStringList{u"Caixa já foi Aberto Nesta Data  !!!"_s});
    QVERIFY(button(*w, u"Panel4"_s)->isVisible());
    press(*w, u"Panel4"_s);

    QVERIFY(w->isStored());
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s, u"turno = 2 AND DataAbertura = '2026-03-05'"_s), 2);
}

void TestTFrmAberturaCaixa::shouldCloseWhileShiftIsOpen()
{
    QCOMPARE(fixture::addSession(m_db, Today, 2, false), QString());
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    pick(*w, u"LookupEdit1"_s, u"TARDE"_s);

    press(*w, u"Shape1"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"O Caixa não foi Fechado  !!!"_s});
    QCOMPARE(m_messages.messages.first().title, u"Quilate Sistemas, Atenção !!!"_s);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Rejected));
}

void TestTFrmAberturaCaixa::shouldOfferNoSaveWhileSessionOfAnotherDayIsOpen()
{
    QCOMPARE(fixture::addSession(m_db, Today.addDays(-1), 2, false), QString());
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    pick(*w, u"LookupEdit1"_s, u"TARDE"_s);

    press(*w, u"Shape1"_s);

    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(w->isVisible());
    QVERIFY(!button(*w, u"Panel4"_s)->isVisible());
    QVERIFY(!button(*w, u"Panel3"_s)->isVisible());
}

void TestTFrmAberturaCaixa::shouldStoreOnceWhenMailServerIsDown()
{
    AdminSettings s = fixture::settings(m_db, "ENVIAEMAIL=S\nEMAIL1=dono@loja.example\n");
    s.PORTA = QString::number(testsmtp::closedPort());
    TDM dm(s, m_clock, m_messages);
    QVERIFY(dm.DataModuleCreate());
    auto w = openWindow(dm);
    prepare(*w);

    press(*w, u"Panel4"_s);

    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    QCOMPARE(m_messages.messages.size(), 1);
    QVERIFY2(m_messages.messages.first().text.startsWith(u"Não foi possível conectar ao servidor de e-mail"_s),
             qPrintable(m_messages.messages.first().text));
    QVERIFY(!w->isVisible());
    QVERIFY(!button(*w, u"Panel4"_s)->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(w.get(), "Panel4Click"));
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 1);
    QCOMPARE(m_messages.messages.size(), 1);
}

void TestTFrmAberturaCaixa::shouldNotMailWithoutFirstRecipient()
{
    const QString second = fixture::uniqueAddress(u"aberturasemprimeiro"_s);
    auto dm = makeDm("ENVIAEMAIL=S\nEMAIL1=\nEMAIL2=" + second.toUtf8() + "\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    prepare(*w);

    press(*w, u"Panel4"_s);

    QVERIFY(w->isStored());
    QVERIFY(!w->isVisible());
    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(fixture::mailTo(second, 1500).isEmpty());
}

void TestTFrmAberturaCaixa::shouldAskForShiftAgainAfterZerarCupon()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    prepare(*w);

    press(*w, u"Panel3"_s);
    QCOMPARE(edit(*w, u"CurrencyEdit2"_s)->text(), QString());
    QCOMPARE(lookup(*w, u"LookupEdit2"_s)->currentIndex(), -1);
    QCOMPARE(edit(*w, u"Edit3"_s)->text(), QString());
    QCOMPARE(edit(*w, u"Edit1"_s)->text(), QString());
    QCOMPARE(edit(*w, u"Edit2"_s)->text(), QString());
    typeOnKeypad(*w, u"150"_s);
    press(*w, u"Shape14"_s);
    pick(*w, u"LookupEdit2"_s, u"CAIXA1"_s);
    press(*w, u"Panel4"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"Turno está em Branco  !!!"_s});
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 0);
    // "Abrir o Caixa" again lets it through
    m_messages.messages.clear();
    press(*w, u"Shape1"_s);
    press(*w, u"Panel4"_s);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
}

void TestTFrmAberturaCaixa::shouldTellWhenSessionWasOpenedMeanwhile()
{
    auto dm = makeDm("ENVIAEMAIL=N\n");
    QVERIFY(dm);
    auto w = openWindow(*dm);
    prepare(*w);
    // another workstation saves the same shift first
    QCOMPARE(fixture::addSession(m_db, Today, 2, false), QString());

    press(*w, u"Panel4"_s);

    QCOMPARE(m_messages.texts(), QStringList{u"O Caixa não foi Fechado  !!!"_s});
    QVERIFY(!w->isVisible());
    QCOMPARE(fixture::count(m_db, u"abrefechacaixa"_s), 1);
    QCOMPARE(fixture::count(m_db, u"caixa"_s), 0);
    QCOMPARE(fixture::count(m_db, u"numerocaixaloja"_s), 0);
}

QTEST_MAIN(TestTFrmAberturaCaixa)
#include "tst_tfrmaberturacaixa.moc"
