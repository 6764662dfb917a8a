#include "movements/ui/tfrmcaixa.h"
#include "movements/ui/tfrmvisualizarabertura.h"
#include "movements/ui/tfrmvisualizarsangriareforcodespesa.h"

#include "app/brformat.h"
#include "app/tdm.h"
#include "movements/cashbook.h"

#include "cashbookfixture.h"
#include "cashbookgui.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace cashbookfixture;

namespace {

const QDateTime Now(QDate(2026, 3, 5), QTime(14, 10, 0));
const QDate Today = Now.date();
const QString Store = u"LOJA DO LIVRO CAIXA"_s;
const QString ChangeSubject = u"Alteração do Caixa"_s;
const QString DeletionSubject = u"Exlusão de Registro no Caixa"_s;

// The window on its own data module, shown as the release shows it.
struct Harness {
    FixedClock clock{Now};
    RecordingMessageSink messages;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TfrmCaixa> window;

    template <typename T> T* get(const char* name) const { return window->findChild<T*>(QLatin1StringView(name)); }
    QTableView* grid() const { return get<QTableView>("DBGrid1"); }
    QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
    QAction* action(const char* name) const { return get<QAction>(name); }
    void click(const char* name) const
    {
        QAbstractButton* b = get<QAbstractButton>(name);
        QVERIFY2(b, name);
        QVERIFY2(b->isVisible() && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void type(const char* name, const QString& text) const
    {
        QLineEdit* e = edit(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        cashbookgui::typeText(e, text);
    }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < grid()->model()->rowCount(); ++r)
            out << grid()->model()->index(r, c).data().toString();
        return out;
    }
    bool select(const QString& nota) const
    {
        const QStringList notas = column(0);
        const int r = int(notas.indexOf(nota));
        if (r < 0)
            return false;
        grid()->setCurrentIndex(grid()->model()->index(r, 0));
        return true;
    }
    bool browsing() const
    {
        return get<QWidget>("ToolBar1")->isVisible() && get<QWidget>("ToolBar3")->isVisible() &&
               !get<QWidget>("ToolBar2")->isVisible() && grid()->isEnabled() && !window->isEditing();
    }
    bool editing() const
    {
        return !get<QWidget>("ToolBar1")->isVisible() && !get<QWidget>("ToolBar3")->isVisible() &&
               get<QWidget>("ToolBar2")->isVisible() && window->isEditing();
    }
};

} // namespace

class TestFrmCaixa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // Browsing and searching
    void shouldListTodaysRowsOnOpening();
    void shouldFindRowsWithTheSearchButtons_data();
    void shouldFindRowsWithTheSearchButtons();
    void shouldWarnAndKeepTheListOnEmptySearch_data();
    void shouldWarnAndKeepTheListOnEmptySearch();
    void shouldListThePeriodOnDataEmissao();
    void shouldNavigateAndEnableMovementItems();
    void shouldFollowTheDatabaseEveryMinuteWhileBrowsing();

    // Saving
    void shouldInsertRowAndMailChangeNotice();
    void shouldSaveDebitRowWithValorEqualToDebit();
    void shouldRefuseCreditRowWithDebitAmount();
    void shouldCancelEditRestoringTheRow();
    void shouldSkipChangeNoticeWithoutFirstRecipient();
    void shouldAskBeforeClosingWithPendingChange();

    // Deleting
    void shouldDeleteAfterConfirmationFromEveryPath_data();
    void shouldDeleteAfterConfirmationFromEveryPath();
    void shouldKeepRowWhenDeletionIsNotConfirmed();
    void shouldSwallowCtrlDeleteInGrid();

    // Mail failures
    void shouldStayUsableWhenNoticeFails_data();
    void shouldStayUsableWhenNoticeFails();

    // Keys and menus
    void shouldMoveToNextControlOnEnter();
    void shouldOpenViewersFromReportMenu_data();
    void shouldOpenViewersFromReportMenu();

private:
    std::unique_ptr<Harness> open(const AdminSettings& settings);
    std::unique_ptr<Harness> open() { return open(settings(m_db, "livro@loja.example")); }
    int insertCaixa(const QVariantMap& columns) { return insertRow(*m_conn, u"caixa"_s, columns); }
    QVariantMap caixa(int controle) { return readRow(*m_conn, u"caixa"_s, u"Controle"_s, controle); }
    int controleOf(const QString& nota)
    {
        return m_conn->scalar(u"teste"_s, u"SELECT Controle FROM caixa WHERE CodigoNota = :n"_s, {{u":n"_s, nota}})
            .toInt();
    }

    TestDatabase m_db{u"frmcaixa"_s};
    std::unique_ptr<DbConnection> m_conn;
};

std::unique_ptr<Harness> TestFrmCaixa::open(const AdminSettings& settings)
{
    auto h = std::make_unique<Harness>();
    h->dm = std::make_unique<TDM>(settings, h->clock, h->messages);
    if (!h->dm->DataModuleCreate())
        return nullptr;
    h->dm->setLoggedUser(u"GERENTE"_s);
    h->window = std::make_unique<TfrmCaixa>(*h->dm);
    h->window->show();
    if (!QTest::qWaitForWindowActive(h->window.get()))
        return nullptr;
    return h;
}

void TestFrmCaixa::initTestCase()
{
    REQUIRE_TEST_DB();
    REQUIRE_TEST_SMTP();
    QCOMPARE(m_db.recreate(), QString());
    m_conn = std::make_unique<DbConnection>(u"teste"_s, 10);
    m_conn->configure(m_db.settings());
    m_conn->open();
    insertRow(*m_conn, u"configuracao"_s, {{u"Nome"_s, Store}});
    insertRow(*m_conn, u"filial"_s, {{u"Codigofilial"_s, 1}, {u"Nomefilial"_s, u"Matriz"_s}});
}

void TestFrmCaixa::init()
{
    m_conn->exec(u"limpar"_s, u"DELETE FROM caixa"_s);
    insertCaixa({{u"CodigoNota"_s, u"1001"_s},
                 {u"CodigoCliente"_s, 25.0},
                 {u"Descricao"_s, u"VENDA A VISTA"_s},
                 {u"Data"_s, Today},
                 {u"Credito"_s, 100.0},
                 {u"valor"_s, 100.0},
                 {u"Tipo"_s, u"CREDITO"_s},
                 {u"especie"_s, u"DINHEIRO"_s},
                 {u"Condicao"_s, u"DINHEIRO"_s},
                 {u"es"_s, u"E"_s},
                 {u"Usuario"_s, u"CAIXA1"_s},
                 {u"Hora"_s, u"09:00:00"_s},
                 {u"Opcao"_s, u"1"_s}});
    insertCaixa({{u"CodigoNota"_s, u"1002"_s},
                 {u"Descricao"_s, u"D'ÁVILA CALÇADOS"_s},
                 {u"Data"_s, Today},
                 {u"Debito"_s, 40.0},
                 {u"valor"_s, 40.0},
                 {u"Tipo"_s, u"DEBITO"_s},
                 {u"especie"_s, u"CHEQUE"_s},
                 {u"Condicao"_s, u"CHEQUE"_s},
                 {u"es"_s, u"S"_s},
                 {u"Hora"_s, u"10:00:00"_s}});
    insertCaixa({{u"CodigoNota"_s, u"2001"_s},
                 {u"Descricao"_s, u"CAFÉ DO JOÃO"_s},
                 {u"Data"_s, Today.addDays(-1)},
                 {u"Credito"_s, 12.5},
                 {u"valor"_s, 12.5},
                 {u"Tipo"_s, u"CREDITO"_s},
                 {u"especie"_s, u"PIX"_s}});
    insertCaixa({{u"CodigoNota"_s, u"10'9"_s},
                 {u"Descricao"_s, u"O'HARA 100% ALGODÃO"_s},
                 {u"Data"_s, Today.addDays(-2)},
                 {u"Credito"_s, 80.0},
                 {u"valor"_s, 80.0},
                 {u"Tipo"_s, u"CREDITO"_s}});
}

void TestFrmCaixa::cleanup()
{
    // A window left modal by a failed test would block the next one.
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->hide();
}

void TestFrmCaixa::shouldListTodaysRowsOnOpening()
{
    // given / when
    auto h = open();
    QVERIFY(h);
    // then
    QStringList titles;
    for (int c = 0; c < h->grid()->model()->columnCount(); ++c)
        titles << h->grid()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{u"Nº Nota"_s, u"Data"_s, u"Descricao"_s, u"Credito"_s, u"Debito"_s}));
    QCOMPARE(h->column(0), (QStringList{u"1002"_s, u"1001"_s})); // by date, then description
    QCOMPARE(h->column(1), (QStringList{u"05/03/2026"_s, u"05/03/2026"_s}));
    QCOMPARE(h->column(3), (QStringList{u"0,00"_s, u"100,00"_s}));
    QCOMPARE(h->column(4), (QStringList{u"40,00"_s, u"0,00"_s}));
    QCOMPARE(h->get<QLabel>("lblRegistros")->text(), u"2 registro(s)"_s);
    QCOMPARE(h->get<QDateEdit>("dtpDTI")->date(), Today);
    QCOMPARE(h->get<QDateEdit>("dtpDTF")->date(), Today);
    QVERIFY(h->browsing());
    QCOMPARE(QApplication::focusWidget(), h->edit("edtLocalizar"));
    // the detail shows the current row
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1002"_s);
    QCOMPARE(h->edit("DBEditDescricao")->text(), u"D'ÁVILA CALÇADOS"_s);
    QVERIFY(h->get<QRadioButton>("rbDebito")->isChecked());
    QCOMPARE(h->edit("DBEditDebito")->text(), u"40,00"_s);
    QCOMPARE(h->get<QComboBox>("DBComboBoxEspecie")->currentText(), u"CHEQUE"_s);
    QVERIFY(h->select(u"1001"_s));
    QCOMPARE(h->edit("DBEditCodigoCliente")->text(), u"25"_s);
    QVERIFY(h->get<QRadioButton>("rbNormal")->isChecked());
    QCOMPARE(h->edit("DBEditHora")->text(), u"09:00:00"_s);
    QVERIFY(h->browsing()); // showing a row is no edit
    // the list sorts by the column clicked
    h->grid()->sortByColumn(2, Qt::DescendingOrder);
    QCOMPARE(h->column(0), (QStringList{u"1001"_s, u"1002"_s}));
}

void TestFrmCaixa::shouldFindRowsWithTheSearchButtons_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("notas");

    QTest::newRow("nota prefix") << u"10"_s << u"SpeedButton3"_s << QStringList{u"10'9"_s, u"1001"_s, u"1002"_s};
    QTest::newRow("nota with quote") << u"10'"_s << u"SpeedButton3"_s << QStringList{u"10'9"_s};
    QTest::newRow("nota of another day") << u"2"_s << u"SpeedButton3"_s << QStringList{u"2001"_s};
    QTest::newRow("descrição typed in lower case, quote and accent")
        << u"d'ávila"_s << u"SpeedButton4"_s << QStringList{u"1002"_s};
    QTest::newRow("descrição with accents") << u"café do jo"_s << u"SpeedButton4"_s << QStringList{u"2001"_s};
    QTest::newRow("descrição with quote and percent")
        << u"o'hara 100%"_s << u"SpeedButton4"_s << QStringList{u"10'9"_s};
    QTest::newRow("nothing found") << u"x' or '1'='1"_s << u"SpeedButton4"_s << QStringList{};
}

void TestFrmCaixa::shouldFindRowsWithTheSearchButtons()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QStringList, notas);
    // given
    auto h = open();
    QVERIFY(h);
    cashbookgui::typeText(h->edit("edtLocalizar"), typed);
    QCOMPARE(h->edit("edtLocalizar")->text(), typed.toUpper());
    // when
    h->click(button.toLatin1().constData());
    // then
    QCOMPARE(h->column(0), notas);
    QCOMPARE(h->messages.texts(), QStringList());
    QCOMPARE(h->get<QLabel>("lblRegistros")->text(), u"%1 registro(s)"_s.arg(notas.size()));
}

void TestFrmCaixa::shouldWarnAndKeepTheListOnEmptySearch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("Nº Nota") << u"SpeedButton3"_s << u"Codigo da Nota em Branco !!!"_s;
    QTest::newRow("Descrição") << u"SpeedButton4"_s << u"Descrição em Branco !!!"_s;
}

void TestFrmCaixa::shouldWarnAndKeepTheListOnEmptySearch()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    auto h = open();
    QVERIFY(h);
    cashbookgui::typeText(h->edit("edtLocalizar"), u"   "_s);
    h->click(button.toLatin1().constData());
    QCOMPARE(h->messages.messages.size(), 1);
    QCOMPARE(h->messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(h->messages.messages.first().text, message);
    QCOMPARE(h->column(0), (QStringList{u"1002"_s, u"1001"_s}));
    QCOMPARE(QApplication::focusWidget(), h->edit("edtLocalizar"));
}

void TestFrmCaixa::shouldListThePeriodOnDataEmissao()
{
    auto h = open();
    QVERIFY(h);
    h->get<QDateEdit>("dtpDTI")->setDate(Today.addDays(-1));
    h->get<QDateEdit>("dtpDTF")->setDate(Today.addDays(-1));
    h->click("TSpeedButton");
    QCOMPARE(h->column(0), (QStringList{u"2001"_s}));
    h->get<QDateEdit>("dtpDTI")->setDate(Today.addDays(-2));
    h->get<QDateEdit>("dtpDTF")->setDate(Today);
    h->click("TSpeedButton");
    QCOMPARE(h->column(0), (QStringList{u"10'9"_s, u"2001"_s, u"1002"_s, u"1001"_s}));
}

void TestFrmCaixa::shouldNavigateAndEnableMovementItems()
{
    auto h = open();
    QVERIFY(h);
    h->click("btn17");
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1001"_s);
    QVERIFY(h->action("Primeiro1")->isEnabled() && h->action("Anterior1")->isEnabled());
    QVERIFY(!h->action("Proximo1")->isEnabled() && !h->action("Ultimo1")->isEnabled());
    h->click("btn15");
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1002"_s);
    QVERIFY(!h->action("Primeiro1")->isEnabled() && !h->action("Anterior1")->isEnabled());
    QVERIFY(h->action("Proximo1")->isEnabled() && h->action("Ultimo1")->isEnabled());
    h->action("Proximo1")->trigger();
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1001"_s);
    h->click("btn14");
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1002"_s);
    h->click("btn16");
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1001"_s);
}

void TestFrmCaixa::shouldFollowTheDatabaseEveryMinuteWhileBrowsing()
{
    // given: the second row is current
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    insertCaixa({{u"CodigoNota"_s, u"1003"_s}, {u"Descricao"_s, u"ANTES DE TUDO"_s}, {u"Data"_s, Today}});
    // when
    QMetaObject::invokeMethod(h->window.get(), "MyCaixaAutoRefresh");
    // then: the new row appears and the current row stays current
    QCOMPARE(h->column(0), (QStringList{u"1003"_s, u"1002"_s, u"1001"_s}));
    QCOMPARE(h->edit("DBEditCodigoNota")->text(), u"1001"_s);
    // but never under a user typing
    cashbookgui::typeText(h->edit("DBEditDescricao"), u"X"_s);
    QVERIFY(h->editing());
    insertCaixa({{u"CodigoNota"_s, u"1004"_s}, {u"Descricao"_s, u"AAA"_s}, {u"Data"_s, Today}});
    QMetaObject::invokeMethod(h->window.get(), "MyCaixaAutoRefresh");
    QCOMPARE(h->column(0).size(), 3);
    QCOMPARE(h->edit("DBEditDescricao")->text(), u"VENDA A VISTAX"_s);
}

void TestFrmCaixa::shouldInsertRowAndMailChangeNotice()
{
    // given
    auto h = open();
    QVERIFY(h);
    // when
    h->click("btn4");
    QVERIFY(h->editing());
    QCOMPARE(QApplication::focusWidget(), h->edit("DBEditDescricao"));
    QCOMPARE(h->get<QDateEdit>("DBDateEditData")->date(), Today);
    QCOMPARE(h->edit("DBEditHora")->text(), u"14:10:00"_s);
    cashbookgui::typeText(h->edit("DBEditDescricao"), u"acerto de caixa nº 7"_s);
    h->click("rbCredito");
    QCOMPARE(QApplication::focusWidget(), h->edit("DBEditCredito"));
    h->type("DBEditCredito", u"1.234,56"_s);
    QCOMPARE(h->edit("DBEditValor")->text(), u"1.234,56"_s);
    h->click("rbNormal");
    h->get<QComboBox>("DBComboBoxEspecie")->setCurrentText(u"DINHEIRO"_s);
    h->click("btn12");
    // then: the row
    QVERIFY(h->browsing());
    const int controle = m_conn->scalar(u"teste"_s, u"SELECT MAX(Controle) FROM caixa"_s).toInt();
    const QVariantMap row = caixa(controle);
    QCOMPARE(row.value(u"descricao"_s).toString(), u"ACERTO DE CAIXA Nº 7"_s);
    QCOMPARE(row.value(u"data"_s).toDate(), Today);
    QCOMPARE(row.value(u"credito"_s).toDouble(), 1234.56);
    QCOMPARE(row.value(u"debito"_s).toDouble(), 0.0);
    QCOMPARE(row.value(u"valor"_s).toDouble(), 1234.56);
    QCOMPARE(row.value(u"troco"_s).toDouble(), 0.0);
    QCOMPARE(row.value(u"tipo"_s).toString(), u"CREDITO"_s);
    QCOMPARE(row.value(u"es"_s).toString(), u"E"_s);
    QCOMPARE(row.value(u"condicao"_s).toString(), u"CAIXA"_s);
    QCOMPARE(row.value(u"opcao"_s).toString(), u"1"_s);
    QCOMPARE(row.value(u"tp"_s).toString(), u"1"_s);
    QCOMPARE(row.value(u"especie"_s).toString(), u"DINHEIRO"_s);
    QCOMPARE(row.value(u"hora"_s).toString(), u"14:10:00"_s);
    QCOMPARE(row.value(u"usuario"_s).toString(), u"CAIXA"_s);
    QVERIFY(row.value(u"codigonota"_s).isNull());
    QVERIFY(row.value(u"nfce"_s).isNull());
    QCOMPARE(h->edit("DBEditDescricao")->text(), u"ACERTO DE CAIXA Nº 7"_s); // the new row is current
    QCOMPARE(h->column(0).size(), 3);
    // then: the notice, with the stored row and the logged user
    const QJsonObject mail = deliveredWith(ChangeSubject, u"ACERTO DE CAIXA Nº 7"_s);
    QVERIFY2(!mail.isEmpty(), "change notice not delivered");
    CashBookRow stored = *CashBook(*m_conn).find(controle);
    QCOMPARE(mail.value(u"html"_s).toString(), cashbook::noticeBody(Store, stored, u"GERENTE"_s, Now).join(u"\r\n"_s));
    QVERIFY(mail.value(u"from"_s).toString().contains(u"ALTERACAO DO CAIXA"_s));
    QCOMPARE(mail.value(u"rcpt_tos"_s).toArray().toVariantList(), QVariantList{u"livro@loja.example"_s});
    QCOMPARE(h->messages.messages.size(), 1);
    QCOMPARE(h->messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(h->messages.messages.first().text, u"Concluido com Sucesso !!!"_s);
}

void TestFrmCaixa::shouldSaveDebitRowWithValorEqualToDebit()
{
    // given: the debit row, put in edit with Ctrl+A
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"1002"_s));
    h->action("Alterar1")->trigger();
    QVERIFY(h->editing());
    h->type("DBEditDebito", u"45,50"_s);
    h->type("DBEditDescricao", u"D'ÁVILA CALÇADOS REVISTO"_s);
    // when: saved from the menu (Ctrl+S)
    h->action("Salvar1")->trigger();
    // then
    QVERIFY(h->browsing());
    const QVariantMap row = caixa(controleOf(u"1002"_s));
    QCOMPARE(row.value(u"debito"_s).toDouble(), 45.5);
    QCOMPARE(row.value(u"credito"_s).toDouble(), 0.0);
    QCOMPARE(row.value(u"valor"_s).toDouble(), 45.5);
    QCOMPARE(row.value(u"es"_s).toString(), u"S"_s);
    QCOMPARE(row.value(u"condicao"_s).toString(), u"CHEQUE"_s); // Tipo was not picked
    QCOMPARE(row.value(u"usuario"_s).toString(), u"CAIXA"_s);
    const QJsonObject mail = deliveredWith(ChangeSubject, u"D'ÁVILA CALÇADOS REVISTO"_s);
    QVERIFY2(!mail.isEmpty(), "change notice not delivered");
    const QString html = mail.value(u"html"_s).toString();
    QVERIFY(html.contains(u"<th align='left'>\r\nDebito R$ : \r\n</th>\r\n<td align='Right'>\r\n45,50\r\n</td>"_s));
    QVERIFY(html.contains(u"<th align='left'>\r\nNº Controle : \r\n</th>\r\n<td align='Right'>\r\n1002\r\n</td>"_s));
}

void TestFrmCaixa::shouldRefuseCreditRowWithDebitAmount()
{
    // given
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    const QVariantMap before = caixa(controleOf(u"1001"_s));
    h->type("DBEditDebito", u"10,00"_s);
    QVERIFY(h->editing());
    // when
    h->click("btn12");
    // then
    QCOMPARE(h->messages.texts(), QStringList{u"Lançamento a Credito não pode ter valor no Debito !!!"_s});
    QCOMPARE(h->messages.messages.first().title, MessageSink::defaultTitle());
    QVERIFY(h->editing());
    QCOMPARE(QApplication::focusWidget(), h->edit("DBEditDebito"));
    QCOMPARE(changedColumns(before, caixa(controleOf(u"1001"_s))), QStringList());
    // and a refused amount of the Tipo
    h->type("DBEditDebito", u"0,00"_s);
    h->type("DBEditCredito", u"12,345"_s);
    h->click("btn12");
    QCOMPARE(h->messages.texts().last(), u"Valor do Credito com mais de duas casas decimais !!!"_s);
    QCOMPARE(changedColumns(before, caixa(controleOf(u"1001"_s))), QStringList());
}

void TestFrmCaixa::shouldCancelEditRestoringTheRow()
{
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    const QVariantMap before = caixa(controleOf(u"1001"_s));
    h->type("DBEditDescricao", u"OUTRA COISA"_s);
    h->click("rbDebito");
    QVERIFY(h->editing());
    h->click("btn13");
    QVERIFY(h->browsing());
    QCOMPARE(h->edit("DBEditDescricao")->text(), u"VENDA A VISTA"_s);
    QVERIFY(h->get<QRadioButton>("rbCredito")->isChecked());
    QCOMPARE(changedColumns(before, caixa(controleOf(u"1001"_s))), QStringList());
    QCOMPARE(h->messages.texts(), QStringList());
}

void TestFrmCaixa::shouldSkipChangeNoticeWithoutFirstRecipient()
{
    // given: no EMAIL1
    auto h = open(settings(m_db, {}, "EMAIL2=outro@loja.example\n"));
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    h->type("DBEditDescricao", u"SEM AVISO POR EMAIL"_s);
    // when
    h->click("btn12");
    // then: saved, back to browse, no mail and no message
    QVERIFY(h->browsing());
    QCOMPARE(caixa(controleOf(u"1001"_s)).value(u"descricao"_s).toString(), u"SEM AVISO POR EMAIL"_s);
    QCOMPARE(h->messages.texts(), QStringList());
    QTest::qWait(300);
    QCOMPARE(mailsWith(u"SEM AVISO POR EMAIL"_s), 0);
}

void TestFrmCaixa::shouldAskBeforeClosingWithPendingChange()
{
    auto h = open();
    QVERIFY(h);
    h->type("DBEditDescricao", u"PELA METADE"_s);
    h->messages.answers = {false};
    h->click("pnl1");
    QVERIFY(h->window->isVisible());
    QCOMPARE(h->messages.questions.size(), 1);
    h->messages.answers = {true};
    h->action("Fechar1")->trigger();
    QVERIFY(!h->window->isVisible());
    QCOMPARE(caixa(controleOf(u"1002"_s)).value(u"descricao"_s).toString(), u"D'ÁVILA CALÇADOS"_s);
}

void TestFrmCaixa::shouldDeleteAfterConfirmationFromEveryPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("tool bar") << u"tool bar"_s;
    QTest::newRow("menu") << u"menu"_s;
    QTest::newRow("Ctrl+E") << u"Ctrl+E"_s;
}

void TestFrmCaixa::shouldDeleteAfterConfirmationFromEveryPath()
{
    QFETCH(QString, path);
    // given: a row of its own for each path, current in the list
    const QString descricao = u"EXCLUIR PELO CAMINHO %1"_s.arg(path.toUpper());
    const int controle = insertCaixa({{u"CodigoNota"_s, u"7007"_s},
                                      {u"CodigoCliente"_s, 31.0},
                                      {u"Descricao"_s, descricao},
                                      {u"Data"_s, Today},
                                      {u"Credito"_s, 77.7},
                                      {u"valor"_s, 77.7},
                                      {u"Tipo"_s, u"CREDITO"_s},
                                      {u"especie"_s, u"DINHEIRO"_s}});
    const CashBookRow deleted = *CashBook(*m_conn).find(controle);
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"7007"_s));
    // when
    if (path == u"tool bar"_s)
        h->click("btn5");
    else if (path == u"menu"_s)
        h->action("Excluir1")->trigger();
    else
        QTest::keyClick(h->grid(), Qt::Key_E, Qt::ControlModifier);
    // then: asked, deleted, the list moved on
    QCOMPARE(h->messages.questions, QStringList{u"Exclusão|Deseja excluir o Registro do Caixa?"_s});
    QVERIFY(caixa(controle).isEmpty());
    QCOMPARE(h->column(0), (QStringList{u"1002"_s, u"1001"_s}));
    QVERIFY(h->browsing());
    // and the notice carries the deleted row's values, not those of the row shown now
    const QJsonObject mail = deliveredWith(DeletionSubject, descricao);
    QVERIFY2(!mail.isEmpty(), "deletion notice not delivered");
    const QString html = mail.value(u"html"_s).toString();
    QCOMPARE(html, cashbook::noticeBody(Store, deleted, u"GERENTE"_s, Now).join(u"\r\n"_s));
    QVERIFY(html.contains(u"\r\n7007\r\n"_s));
    QVERIFY(html.contains(u"\r\n31\r\n"_s));
    QVERIFY(html.contains(u"\r\n77,70\r\n"_s));
    QVERIFY(!html.contains(u"1002"_s) && !html.contains(u"1001"_s));
    QVERIFY(mail.value(u"from"_s).toString().contains(u"EXCLUSAO DE REGISTRO NO CAIXA"_s));
    QCOMPARE(h->messages.texts(), QStringList{u"Concluido com Sucesso !!!"_s});
}

void TestFrmCaixa::shouldKeepRowWhenDeletionIsNotConfirmed()
{
    auto h = open();
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    h->messages.answers = {false};
    h->click("btn5");
    QCOMPARE(h->messages.questions.size(), 1);
    QCOMPARE(h->messages.messages.size(), 1);
    QCOMPARE(h->messages.messages.first().title, u"Atenção"_s);
    QCOMPARE(h->messages.messages.first().text, u"Deleção Cancelada !!!"_s);
    QVERIFY(!caixa(controleOf(u"1001"_s)).isEmpty());
    QCOMPARE(h->column(0), (QStringList{u"1002"_s, u"1001"_s}));
}

void TestFrmCaixa::shouldSwallowCtrlDeleteInGrid()
{
    auto h = open();
    QVERIFY(h);
    h->grid()->setFocus();
    QTest::keyClick(h->grid(), Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(h->grid(), Qt::Key_Delete);
    QCOMPARE(h->messages.questions, QStringList());
    QCOMPARE(count(*m_conn, u"caixa"_s), 4);
    QCOMPARE(h->column(0).size(), 2);
}

void TestFrmCaixa::shouldStayUsableWhenNoticeFails_data()
{
    QTest::addColumn<bool>("deleting");
    QTest::newRow("after a save") << false;
    QTest::newRow("after a deletion") << true;
}

void TestFrmCaixa::shouldStayUsableWhenNoticeFails()
{
    QFETCH(bool, deleting);
    // given: the mail server is down
    AdminSettings s = settings(m_db, "livro@loja.example");
    s.PORTA = QString::number(testsmtp::closedPort());
    auto h = open(s);
    QVERIFY(h);
    QVERIFY(h->select(u"1001"_s));
    const int controle = controleOf(u"1001"_s);
    // when
    if (deleting) {
        h->click("btn5");
    } else {
        h->type("DBEditDescricao", u"GRAVADA SEM AVISO"_s);
        h->click("btn12");
    }
    // then: the row is stored (or gone) once, the error is shown, the window browses again
    if (deleting)
        QVERIFY(caixa(controle).isEmpty());
    else
        QCOMPARE(caixa(controle).value(u"descricao"_s).toString(), u"GRAVADA SEM AVISO"_s);
    QCOMPARE(h->messages.messages.size(), 1);
    QCOMPARE(h->messages.messages.first().kind, MessageSink::Kind::Warning);
    QVERIFY2(h->messages.messages.first().text.contains(u"Não foi possível conectar ao servidor de e-mail"_s),
             qPrintable(h->messages.messages.first().text));
    QVERIFY(h->browsing());
    QCOMPARE(count(*m_conn, u"caixa"_s), deleting ? 3 : 4);
    // and goes on working
    h->click("btn17");
    h->click("btn4");
    QVERIFY(h->editing());
    h->click("btn13");
    QVERIFY(h->browsing());
}

void TestFrmCaixa::shouldMoveToNextControlOnEnter()
{
    auto h = open();
    QVERIFY(h);
    QLineEdit* descricao = h->edit("DBEditDescricao");
    descricao->setFocus();
    const QString before = descricao->text();
    QTest::keyClick(descricao, Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != descricao);
    QCOMPARE(descricao->text(), before);
    QVERIFY(h->browsing());
    QLineEdit* search = h->edit("edtLocalizar");
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), h->get<QWidget>("SpeedButton3"));
    QVERIFY(h->window->isVisible());
}

void TestFrmCaixa::shouldOpenViewersFromReportMenu_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::newRow("openings") << u"VisulizarAberturadoCaixa1"_s << u"TFrmVisualizarAbertura"_s;
    QTest::newRow("movements") << u"VisualizarSangriaReforcoDespesadoCaixa1"_s
                               << u"TFrmVisualizarSangriaReforcoDespesa"_s;
    QTest::newRow("Caixa no Periodo") << u"CaixanoPeriodo1"_s << u"TFCaixa_Relatorio1_OPNovo"_s;
    QTest::newRow("Fluxo de Pagamento") << u"FluxodePagamento1"_s << u"TFrmFluxo"_s;
    QTest::newRow("Movimentação Anual Caixa") << u"MovimentacaoAnualCaixa1"_s << u"TFrmMovimentacaoAnualCaixa"_s;
}

void TestFrmCaixa::shouldOpenViewersFromReportMenu()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    auto h = open();
    QVERIFY(h);
    QString opened;
    QTimer closer;
    closer.setInterval(20);
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != h->window.get()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            // the viewers close by their red panel only; the report windows by their cancel
            if (modal->metaObject()->indexOfMethod("panelpnl1Click()") >= 0)
                QMetaObject::invokeMethod(modal, "panelpnl1Click");
            else if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
        }
    });
    closer.start();
    h->action(action.toLatin1().constData())->trigger();
    closer.stop();
    QCOMPARE(opened, window);
    QVERIFY(h->window->isVisible());
    // the pop-up menu of "&Relatorio" holds the same entries
    QMenu* popup = h->get<QMenu>("popmenu1");
    QVERIFY(popup->actions().contains(h->action(action.toLatin1().constData())));
    QCOMPARE(popup->actions().size(), 5);
}

QTEST_MAIN(TestFrmCaixa)
#include "tst_frmcaixa.moc"
