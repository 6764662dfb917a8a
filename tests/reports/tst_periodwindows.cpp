#include "reports/ui/tfcaixa_relatorio1_opnovo.h"
#include "reports/ui/tfrmfluxo.h"

#include "app/tdm.h"
#include "output/ui/tfrmpreview.h"

#include "reportfixtures.h"
#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace reportfixtures;

namespace {

template <typename T> T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

const QString kBlankDate = u"  /  /    "_s;

// Screenshots for the user guide, when asked for.
void saveShot(QWidget& w, const QString& name)
{
    const QString docs = qEnvironmentVariable("CAIXA_DOCS_DIR");
    if (!docs.isEmpty())
        w.grab().save(QDir(docs).filePath(name));
}

// Shown and given the keyboard (an X server without window manager activates nothing itself).
bool showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

void savePreviewShot(const TextReport& report, const QString& name)
{
    if (qEnvironmentVariable("CAIXA_DOCS_DIR").isEmpty())
        return;
    TFrmPreview preview(report, 97);
    preview.resize(900, 760);
    preview.show();
    QTest::qWait(50);
    saveShot(preview, name);
}

} // namespace

class TestPeriodWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void shouldRefuseAPeriodThatCannotBePrinted_data();
    void shouldRefuseAPeriodThatCannotBePrinted();
    void shouldPrintClearTheDatesAndRevealTheLastDay_data();
    void shouldPrintClearTheDatesAndRevealTheLastDay();
    void shouldMoveOnWithEnter();
    void shouldTellTheDatabaseErrorAndShowNothing();
    void shouldOpenTheFlowOnTheCurrentMonth();
    void shouldSearchShowTheTotalAndPrintTheSearch_data();
    void shouldSearchShowTheTotalAndPrintTheSearch();
    void shouldRefuseAReversedFlowPeriod();

private:
    void typeDate(QLineEdit* edit, const QString& digits)
    {
        edit->clear();
        edit->setCursorPosition(0);
        QTest::keyClicks(edit, digits);
    }
    int saldoRows() { return m_db.scalar(u"SELECT COUNT(*) FROM saldoinicial"_s).toInt(); }

    TestDatabase m_db{u"periodwindows"_s};
    FixedClock m_clock{QDateTime(QDate(2026, 3, 5), QTime(14, 10))};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
    RecordingOutput m_output;
};

void TestPeriodWindows::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(prepare(m_db), QString());
    m_dm = makeDm(m_db, m_clock, m_messages);
    QVERIFY2(m_dm, qPrintable(m_messages.texts().join(u'\n')));
}

void TestPeriodWindows::init()
{
    QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
    QCOMPARE(m_db.exec(u"DELETE FROM saldoinicial"_s), QString());
    m_messages.messages.clear();
    m_output.previews.clear();
    m_output.prints.clear();
}

void TestPeriodWindows::shouldRefuseAPeriodThatCannotBePrinted_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("no dates") << QString() << QString() << u"Selecione o período !"_s << u"DateEdit1"_s;
    QTest::newRow("no end") << u"02032026"_s << QString() << u"Selecione o período !"_s << u"DateEdit1"_s;
    QTest::newRow("start not a day") << u"31022026"_s << u"04032026"_s << u"Data inicial inválida !"_s
                                     << u"DateEdit1"_s;
    QTest::newRow("end half typed") << u"02032026"_s << u"0403"_s << u"Data final inválida !"_s << u"DateEdit2"_s;
    QTest::newRow("start after end") << u"05032026"_s << u"04032026"_s << u"A data inicial é maior que a data final !"_s
                                     << u"DateEdit1"_s;
}

void TestPeriodWindows::shouldRefuseAPeriodThatCannotBePrinted()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    // given the window with the dates typed
    QCOMPARE(m_db.execScript(path(u"periodo-tipos.sql"_s)), QString());
    TFCaixa_Relatorio1_OPNovo w(*m_dm);
    w.setReportOutput(&m_output);
    bool revealed = false;
    w.setOnPrinted([&](QDate) { revealed = true; });
    QVERIFY(showActive(w));
    typeDate(child<QLineEdit>(w, "DateEdit1"), start);
    typeDate(child<QLineEdit>(w, "DateEdit2"), end);
    child<QPushButton>(w, "BitBtn2")->setFocus();

    // when printing is asked for
    child<QPushButton>(w, "BitBtn1")->click();

    // then the period is refused, nothing printed nor stored
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().kind, MessageSink::Kind::Error);
    QCOMPARE(m_messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(m_messages.messages.first().text, message);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(m_output.previews.isEmpty());
    QVERIFY(!revealed);
    QCOMPARE(saldoRows(), 0);
}

void TestPeriodWindows::shouldPrintClearTheDatesAndRevealTheLastDay_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QDate>("revealedDay");

    QTest::newRow("with the previous balance") << u"periodo-tipos.sql"_s << u"02032026"_s << u"04032026"_s << true
                                               << u"periodo-tipos.txt"_s << QDate(2026, 3, 4);
    QTest::newRow("without the previous balance") << u"periodo-saidas.sql"_s << u"10032026"_s << u"10032026"_s << false
                                                  << u"periodo-saidas.txt"_s << QDate(2026, 3, 10);
}

void TestPeriodWindows::shouldPrintClearTheDatesAndRevealTheLastDay()
{
    QFETCH(QString, rows);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, previous);
    QFETCH(QString, expected);
    QFETCH(QDate, revealedDay);

    // given the period typed in the window
    QCOMPARE(m_db.execScript(path(rows)), QString());
    TFCaixa_Relatorio1_OPNovo w(*m_dm);
    w.setReportOutput(&m_output);
    QList<QDate> revealed;
    w.setOnPrinted([&](QDate day) { revealed << day; });
    QVERIFY(showActive(w));
    QCOMPARE(w.windowTitle(), u"QUILATE Sistemas - Relatorio do Conta Corrente"_s);
    QVERIFY(child<QCheckBox>(w, "CheckBox1")->isChecked());
    QCOMPARE(child<QLineEdit>(w, "DateEdit1")->displayText(), kBlankDate);
    typeDate(child<QLineEdit>(w, "DateEdit1"), start);
    typeDate(child<QLineEdit>(w, "DateEdit2"), end);
    child<QCheckBox>(w, "CheckBox1")->setChecked(previous);
    if (previous)
        saveShot(w, u"relatorio-caixa-periodo.png"_s);

    // when it is printed
    child<QPushButton>(w, "BitBtn1")->click();

    // then the report opens in the preview as worked out, with the printer's settings
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(m_output.previews.size(), 1);
    const TextReport& report = m_output.previews.first();
    QCOMPARE(lines(report), expectedLines(expected));
    QCOMPARE(w.RD1().TamanhoQteLinhas, 50);
    QCOMPARE(w.RD1().TamanhoQteColunas, 95);
    QCOMPARE(w.RD1().FonteTamanhoPadrao, FontPitch::S12cpp);
    QCOMPARE(w.RD1().OpcoesPreview.caption, u"Visualizar Relatório"_s);
    QCOMPARE(w.RD1().OpcoesPreview.zoom, 97);
    QVERIFY(!w.RD1().isOpen());
    // and the window is ready for the next period, the main window shown the last day
    QCOMPARE(child<QLineEdit>(w, "DateEdit1")->displayText(), kBlankDate);
    QCOMPARE(child<QLineEdit>(w, "DateEdit2")->displayText(), kBlankDate);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"DateEdit1"_s);
    QCOMPARE(revealed, QList<QDate>{revealedDay});
    QCOMPARE(saldoRows(), 1);
    if (previous)
        savePreviewShot(report, u"relatorio-caixa-periodo-visualizacao.png"_s);
}

void TestPeriodWindows::shouldMoveOnWithEnter()
{
    TFCaixa_Relatorio1_OPNovo w(*m_dm);
    w.setReportOutput(&m_output);
    QVERIFY(showActive(w));
    auto* start = child<QLineEdit>(w, "DateEdit1");
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());

    QTest::keyClick(start, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"DateEdit2"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"CheckBox1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), u"BitBtn1"_s);

    // Enter only moved the focus: nothing was asked for
    QVERIFY(child<QCheckBox>(w, "CheckBox1")->isChecked());
    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(w.isVisible());
}

void TestPeriodWindows::shouldTellTheDatabaseErrorAndShowNothing()
{
    // given a cash book that cannot be read
    TFCaixa_Relatorio1_OPNovo w(*m_dm);
    w.setReportOutput(&m_output);
    bool revealed = false;
    w.setOnPrinted([&](QDate) { revealed = true; });
    typeDate(child<QLineEdit>(w, "DateEdit1"), u"02032026"_s);
    typeDate(child<QLineEdit>(w, "DateEdit2"), u"04032026"_s);
    QCOMPARE(m_db.exec(u"RENAME TABLE caixa TO caixa_fora"_s), QString());

    // when printing
    child<QPushButton>(w, "BitBtn1")->click();
    QCOMPARE(m_db.exec(u"RENAME TABLE caixa_fora TO caixa"_s), QString());

    // then the error is told, no preview, the dates stay for another try
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().kind, MessageSink::Kind::Error);
    QVERIFY(m_messages.messages.first().text.contains(u"caixa"_s, Qt::CaseInsensitive));
    QVERIFY(m_output.previews.isEmpty());
    QVERIFY(!revealed);
    QCOMPARE(child<QLineEdit>(w, "DateEdit1")->displayText(), u"02/03/2026"_s);
    QCOMPARE(saldoRows(), 0);

    child<QPushButton>(w, "BitBtn1")->click();
    QCOMPARE(m_output.previews.size(), 1);
    QVERIFY(revealed);
}

void TestPeriodWindows::shouldOpenTheFlowOnTheCurrentMonth()
{
    m_clock.set(QDateTime(QDate(2026, 2, 14), QTime(9, 0)));
    TFrmFluxo w(*m_dm);
    m_clock.set(QDateTime(QDate(2026, 3, 5), QTime(14, 10)));
    w.show();

    QCOMPARE(w.size(), QSize(686, 711));
    QCOMPARE(child<QLabel>(w, "Panel1")->text(), u"Fluxo de Pagamento / Despesa"_s);
    QCOMPARE(child<QDateEdit>(w, "DTI")->date(), QDate(2026, 2, 1));
    QCOMPARE(child<QDateEdit>(w, "DTF")->date(), QDate(2026, 2, 28));
    QCOMPARE(child<QComboBox>(w, "Combobox2")->currentText(), QString());
    QCOMPARE(child<QComboBox>(w, "Combobox2")->count(), 6);
    QVERIFY(!child<QPushButton>(w, "TSpeedButton2")->isEnabled());
    QVERIFY(!child<QLabel>(w, "label3")->isVisible());
    QVERIFY(!child<QLabel>(w, "label4")->isVisible());
    QCOMPARE(child<QTableView>(w, "DBGrid1")->model()->rowCount(), 0);
}

void TestPeriodWindows::shouldSearchShowTheTotalAndPrintTheSearch_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("withdrawals") << u"SANGRIA"_s
                                 << QStringList{u"04/03/2026"_s, u"SANGRIA COFRE"_s, u"SANGRIA"_s, u"450,00"_s} << 3
                                 << u"550,00"_s << u"fluxo-sangria.txt"_s;
    QTest::newRow("every kind, kinds not cut in the grid")
        << QString() << QStringList{u"02/03/2026"_s, u"TROCO"_s, u"AD.TROCO"_s, u"100,00"_s} << 9 << u"2.215,06"_s
        << u"fluxo-todos.txt"_s;
    QTest::newRow("cash typed in lower case")
        << u"dinheiro"_s << QStringList{u"02/03/2026"_s, u"VENDA A VISTA"_s, u"DINHEIRO"_s, u"75,50"_s} << 3
        << u"285,50"_s << u"fluxo-dinheiro.txt"_s;
    QTest::newRow("nothing matching") << u"CHEQUE"_s << QStringList{} << 0 << u"0,00"_s << u"fluxo-nada.txt"_s;
}

void TestPeriodWindows::shouldSearchShowTheTotalAndPrintTheSearch()
{
    QFETCH(QString, tipo);
    QFETCH(QStringList, firstRow);
    QFETCH(int, rows);
    QFETCH(QString, total);
    QFETCH(QString, expected);

    // given the flow of March with a kind typed
    QCOMPARE(m_db.execScript(path(u"fluxo.sql"_s)), QString());
    TFrmFluxo w(*m_dm);
    w.setReportOutput(&m_output);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* box = child<QComboBox>(w, "Combobox2");
    box->setFocus();
    QTest::keyClicks(box, tipo);
    QCOMPARE(box->currentText(), tipo);

    // when searching
    child<QPushButton>(w, "TSpeedButton")->click();

    // then the grid lists the lines, the total shows and printing is possible
    QCOMPARE(m_messages.texts(), QStringList());
    QAbstractItemModel* grid = child<QTableView>(w, "DBGrid1")->model();
    QCOMPARE(grid->rowCount(), rows);
    QCOMPARE(grid->headerData(3, Qt::Horizontal).toString(), u"Total R$"_s);
    QStringList shown;
    for (int c = 0; c < 4 && rows > 0; ++c)
        shown << grid->index(0, c).data().toString();
    QCOMPARE(shown, firstRow);
    QVERIFY(child<QLabel>(w, "label3")->isVisible());
    QCOMPARE(child<QLabel>(w, "label4")->text(), total);
    QVERIFY(child<QPushButton>(w, "TSpeedButton2")->isEnabled());
    if (tipo.isEmpty()) {
        QCOMPARE(grid->index(3, 2).data().toString(), u"Pagamento Instântaneo (PIX) Estático"_s);
        saveShot(w, u"fluxo-de-pagamento.png"_s);
    }

    // and no line can be deleted from the grid
    QTest::keyClick(child<QTableView>(w, "DBGrid1"), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(grid->rowCount(), rows);

    // when the dates are changed afterwards and the list printed
    child<QDateEdit>(w, "DTI")->setDate(QDate(2026, 2, 1));
    child<QPushButton>(w, "TSpeedButton2")->click();

    // then the roll is the searched one, under the searched period
    QCOMPARE(m_output.previews.size(), 1);
    QCOMPARE(lines(m_output.previews.first()), expectedLines(expected));
    if (tipo.isEmpty())
        savePreviewShot(m_output.previews.first(), u"fluxo-de-pagamento-visualizacao.png"_s);

    // and showing the window again hides the total until the next search
    w.hide();
    w.show();
    QVERIFY(!child<QLabel>(w, "label4")->isVisible());
    QCOMPARE(m_db.exec(u"DELETE FROM caixa"_s), QString());
}

void TestPeriodWindows::shouldRefuseAReversedFlowPeriod()
{
    QCOMPARE(m_db.execScript(path(u"fluxo.sql"_s)), QString());
    TFrmFluxo w(*m_dm);
    w.setReportOutput(&m_output);
    child<QDateEdit>(w, "DTI")->setDate(QDate(2026, 3, 10));
    child<QDateEdit>(w, "DTF")->setDate(QDate(2026, 3, 1));

    child<QPushButton>(w, "TSpeedButton")->click();

    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(m_messages.messages.first().text, u"A data inicial é maior que a data final !"_s);
    QCOMPARE(child<QTableView>(w, "DBGrid1")->model()->rowCount(), 0);
    QVERIFY(!child<QPushButton>(w, "TSpeedButton2")->isEnabled());
}

QTEST_MAIN(TestPeriodWindows)
#include "tst_periodwindows.moc"
