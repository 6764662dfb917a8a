#include "movements/ui/tfrmcaixa.h"
#include "movements/ui/tfrmliberacao.h"

#include "app/tdm.h"

#include "cashbookfixture.h"
#include "cashbookgui.h"
#include "support/fakes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestFrmLiberacao : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();

    void shouldOpenCashBookOnlyWithThePassword_data();
    void shouldOpenCashBookOnlyWithThePassword();
    void shouldTypeThePasswordHiddenInCapitals();
    void shouldReopenCashBookOnEveryOk();
    void shouldCloseOnlyThroughCancelado();

private:
    // Presses "&OK"; returns how many cash books were opened (and closed again).
    int pressOk(TFrmLiberacao& window);

    TestDatabase m_db{u"frmliberacao"_s};
    FixedClock m_clock;
};

void TestFrmLiberacao::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
}

int TestFrmLiberacao::pressOk(TFrmLiberacao& window)
{
    int opened = 0;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* book = qobject_cast<TfrmCaixa*>(QApplication::activeModalWidget())) {
            ++opened;
            book->close();
        }
    });
    closer.start();
    QTest::mouseClick(window.findChild<QPushButton*>(u"BitBtn1"_s), Qt::LeftButton);
    closer.stop();
    return opened;
}

void TestFrmLiberacao::shouldOpenCashBookOnlyWithThePassword_data()
{
    QTest::addColumn<QString>("senhacaixa");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    QTest::newRow("default typed in lower case") << u"BRAVO"_s << u"bravo"_s << true;
    QTest::newRow("default typed in capitals") << u"BRAVO"_s << u"BRAVO"_s << true;
    QTest::newRow("wrong password") << u"BRAVO"_s << u"BRAVA"_s << false;
    QTest::newRow("trailing blank is not trimmed") << u"BRAVO"_s << u"BRAVO "_s << false;
    QTest::newRow("setting in lower case, typed as is") << u"Bravo"_s << u"Bravo"_s << false;
    QTest::newRow("setting in lower case, typed in capitals") << u"Bravo"_s << u"BRAVO"_s << false;
    QTest::newRow("empty setting, empty entry") << QString() << QString() << true;
    QTest::newRow("empty setting, something typed") << QString() << u"x"_s << false;
    QTest::newRow("accented password") << u"SÃO JOÃO"_s << u"são joão"_s << true;
}

void TestFrmLiberacao::shouldOpenCashBookOnlyWithThePassword()
{
    QFETCH(QString, senhacaixa);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    // given
    AdminSettings s = cashbookfixture::settings(m_db, {});
    s.SENHACAIXA = senhacaixa;
    RecordingMessageSink messages;
    TDM dm(s, m_clock, messages);
    QVERIFY(dm.DataModuleCreate());
    TFrmLiberacao window(dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* edit = window.findChild<QLineEdit*>(u"Edit1"_s);
    cashbookgui::typeText(edit, typed);
    // when
    const int opened = pressOk(window);
    // then
    QCOMPARE(opened, opens ? 1 : 0);
    QVERIFY(window.isVisible());
    if (opens) {
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(edit->text(), typed.toUpper()); // still typed: "&OK" reopens the cash book
    } else {
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().title, u"Liberação"_s);
        QCOMPARE(messages.messages.first().text, u"Senha Incorreta !!!"_s);
        QCOMPARE(messages.messages.first().kind, MessageSink::Kind::Warning);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(window.focusWidget(), edit);
    }
}

void TestFrmLiberacao::shouldTypeThePasswordHiddenInCapitals()
{
    RecordingMessageSink messages;
    TDM dm(cashbookfixture::settings(m_db, {}), m_clock, messages);
    TFrmLiberacao window(dm);
    window.show();
    auto* edit = window.findChild<QLineEdit*>(u"Edit1"_s);
    cashbookgui::typeText(edit, u"brAvo"_s);
    edit->setCursorPosition(2);
    cashbookgui::typeText(edit, u"x"_s);
    QCOMPARE(edit->text(), u"BRXAVO"_s);
    QCOMPARE(edit->cursorPosition(), 3);
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(window.windowTitle(), u"Quilate Sistemas"_s);
}

void TestFrmLiberacao::shouldReopenCashBookOnEveryOk()
{
    RecordingMessageSink messages;
    TDM dm(cashbookfixture::settings(m_db, {}), m_clock, messages);
    QVERIFY(dm.DataModuleCreate());
    TFrmLiberacao window(dm);
    window.show();
    cashbookgui::typeText(window.findChild<QLineEdit*>(u"Edit1"_s), u"bravo"_s);
    QCOMPARE(pressOk(window), 1);
    QCOMPARE(pressOk(window), 1);
    QVERIFY(window.isVisible());
}

void TestFrmLiberacao::shouldCloseOnlyThroughCancelado()
{
    RecordingMessageSink messages;
    TDM dm(cashbookfixture::settings(m_db, {}), m_clock, messages);
    TFrmLiberacao window(dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QTest::mouseClick(window.findChild<QPushButton*>(u"BitBtn2"_s), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestFrmLiberacao)
#include "tst_frmliberacao.moc"
