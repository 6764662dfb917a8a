#include "movements/ui/tfrmvisualizarabertura.h"
#include "movements/ui/tfrmvisualizarsangriareforcodespesa.h"

#include "app/tdm.h"

#include "cashbookfixture.h"
#include "cashbookgui.h"
#include "support/fakes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace cashbookfixture;

namespace {

constexpr int DtFechamento = 5;
constexpr int UsuarioFechamento = 7;

QStringList column(QTableView* grid, int c)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, c).data().toString();
    return out;
}

} // namespace

class TestFrmVisualizar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldListSessionsWithTheLatestSelected();
    void shouldStoreClosingCorrectionTypedInTheGrid();
    void shouldStoreCorrectionWhenLeavingTheRow();
    void shouldRefuseInvalidClosingDateUntilFixedOrCancelled();
    void shouldReopenSessionByClearingTheClosingDate();
    void shouldListMovementsReadOnlyWithTheLatestSelected();
    void shouldNeverDeleteWithCtrlDelete();
    void shouldCloseOnlyThroughTheRedX();

private:
    std::unique_ptr<TDM> dataModule();
    QVariantMap session(int controle) { return readRow(*m_conn, u"abrefechacaixa"_s, u"Controle"_s, controle); }
    // Opens the grid's editor on `column` of the current row and types `text` over it.
    void typeInGrid(TFrmVisualizarAbertura& window, int column, const QString& text);

    TestDatabase m_db{u"frmvisualizar"_s};
    std::unique_ptr<DbConnection> m_conn;
    FixedClock m_clock;
    RecordingMessageSink m_messages;
    int m_open = 0;   // the session still open, of 05/03
    int m_closed = 0; // closed, of 04/03
};

void TestFrmVisualizar::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    m_conn = std::make_unique<DbConnection>(u"teste"_s, 10);
    m_conn->configure(m_db.settings());
    m_conn->open();
}

void TestFrmVisualizar::init()
{
    m_messages = RecordingMessageSink();
    m_conn->exec(u"limpar"_s, u"DELETE FROM abrefechacaixa"_s);
    m_conn->exec(u"limpar"_s, u"DELETE FROM sangriareforco"_s);
    auto add = [&](const QDate& abertura, const QVariant& fechamento, const QString& maquina) {
        return insertRow(*m_conn, u"abrefechacaixa"_s,
                         {{u"NumCaixa"_s, u"001"_s},
                          {u"DataAbertura"_s, abertura},
                          {u"HoraAbertura"_s, QTime(7, 0)},
                          {u"UsuarioCaixa"_s, u"CAIXA1"_s},
                          {u"turno"_s, 1},
                          {u"maquina"_s, maquina},
                          {u"troco"_s, 100.0},
                          {u"DataFechamento"_s, fechamento},
                          {u"HoraFechamento"_s,
                           fechamento.isNull() ? QVariant(QMetaType::fromType<QTime>()) : QVariant(QTime(19, 0))},
                          {u"UsuarioFechamento"_s,
                           fechamento.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(u"GERENTE"_s)},
                          {u"TotalDineiro"_s, 500.0}});
    };
    m_open = add(QDate(2026, 3, 5), QVariant(QMetaType::fromType<QDate>()), u"TERMINAL-C"_s);
    add(QDate(2026, 3, 3), QDate(2026, 3, 3), u"TERMINAL-A"_s);
    m_closed = add(QDate(2026, 3, 4), QDate(2026, 3, 4), u"TERMINAL-B"_s);
    auto movement = [&](const QDate& d, const QString& tipo, const QString& especie, const QString& descricao) {
        insertRow(*m_conn, u"sangriareforco"_s,
                  {{u"tipo"_s, tipo},
                   {u"data"_s, d},
                   {u"datamovimento"_s, d},
                   {u"hora"_s, u"10:00:00"_s},
                   {u"descricao"_s, descricao},
                   {u"usuario"_s, u"GERENTE"_s},
                   {u"especie"_s, especie},
                   {u"valor"_s, 25.0}});
    };
    movement(QDate(2026, 3, 5), u"S"_s, u"DESPESAS"_s, u"CAFÉ"_s);
    movement(QDate(2026, 3, 3), u"S"_s, u"SANGRIA"_s, u"COFRE"_s);
    movement(QDate(2026, 3, 4), u"R"_s, u"REFORÇO"_s, u"TROCADO"_s);
}

std::unique_ptr<TDM> TestFrmVisualizar::dataModule()
{
    auto dm = std::make_unique<TDM>(settings(m_db, {}), m_clock, m_messages);
    if (!dm->DataModuleCreate())
        return nullptr;
    return dm;
}

void TestFrmVisualizar::typeInGrid(TFrmVisualizarAbertura& window, int column, const QString& text)
{
    auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
    grid->setCurrentIndex(grid->model()->index(grid->currentIndex().row(), column));
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbEdit"_s), Qt::LeftButton);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY2(editor, "no editor open in the grid");
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    cashbookgui::typeText(editor, text);
}

void TestFrmVisualizar::shouldListSessionsWithTheLatestSelected()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarAbertura window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
    QCOMPARE(column(grid, 2), (QStringList{u"TERMINAL-A"_s, u"TERMINAL-B"_s, u"TERMINAL-C"_s}));
    QCOMPARE(grid->currentIndex().row(), 2);
    QCOMPARE(column(grid, 0), (QStringList{u"03/03/2026"_s, u"04/03/2026"_s, u"05/03/2026"_s}));
    QCOMPARE(column(grid, DtFechamento), (QStringList{u"03/03/2026"_s, u"04/03/2026"_s, QString()}));
    QCOMPARE(column(grid, 8), (QStringList{u"500,00"_s, u"500,00"_s, u"500,00"_s}));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QCOMPARE(window.findChild<QLabel*>(u"lblTitulo"_s)->text(), u"VISUALIZAR ABERTURA DO CAIXA"_s);
    QCOMPARE(window.windowTitle(), u"Quilate Sistemas"_s);
    QVERIFY(!window.findChild<QToolButton*>(u"nbNext"_s)->isEnabled());
    QVERIFY(!window.findChild<QToolButton*>(u"nbPost"_s)->isEnabled());
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbFirst"_s), Qt::LeftButton);
    QCOMPARE(grid->currentIndex().row(), 0);
}

void TestFrmVisualizar::shouldStoreClosingCorrectionTypedInTheGrid()
{
    // given: the closed session of 04/03 is current
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarAbertura window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPrior"_s), Qt::LeftButton);
    const QVariantMap before = session(m_closed);
    // when
    typeInGrid(window, DtFechamento, u"05/03/2026"_s);
    QVERIFY(window.findChild<QToolButton*>(u"nbPost"_s)->isEnabled());
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPost"_s), Qt::LeftButton);
    // then
    const QVariantMap after = session(m_closed);
    QCOMPARE(changedColumns(before, after), QStringList{u"datafechamento"_s});
    QCOMPARE(after.value(u"datafechamento"_s).toDate(), QDate(2026, 3, 5));
    auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
    QCOMPARE(column(grid, DtFechamento).at(1), u"05/03/2026"_s);
    QVERIFY(!window.findChild<QToolButton*>(u"nbPost"_s)->isEnabled());
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestFrmVisualizar::shouldStoreCorrectionWhenLeavingTheRow()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarAbertura window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPrior"_s), Qt::LeftButton);
    typeInGrid(window, UsuarioFechamento, u"SUPERVISOR"_s);
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbFirst"_s), Qt::LeftButton);
    QCOMPARE(session(m_closed).value(u"usuariofechamento"_s).toString(), u"SUPERVISOR"_s);
    QCOMPARE(window.findChild<QTableView*>(u"DBGrid1"_s)->currentIndex().row(), 0);
}

void TestFrmVisualizar::shouldRefuseInvalidClosingDateUntilFixedOrCancelled()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarAbertura window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPrior"_s), Qt::LeftButton);
    const QVariantMap before = session(m_closed);
    typeInGrid(window, DtFechamento, u"31/02/2026"_s);
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPost"_s), Qt::LeftButton);
    QCOMPARE(m_messages.texts(), QStringList{u"Data de Fechamento inválida, use DD/MM/AAAA !!!"_s});
    QCOMPARE(changedColumns(before, session(m_closed)), QStringList());
    QVERIFY(window.findChild<QToolButton*>(u"nbCancel"_s)->isEnabled());
    // leaving the row is refused the same way
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbFirst"_s), Qt::LeftButton);
    QTRY_COMPARE(window.findChild<QTableView*>(u"DBGrid1"_s)->currentIndex().row(), 1);
    QCOMPARE(m_messages.texts().size(), 2);
    // cancel drops the typed date
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbCancel"_s), Qt::LeftButton);
    auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
    QCOMPARE(column(grid, DtFechamento).at(1), u"04/03/2026"_s);
    QVERIFY(!window.findChild<QToolButton*>(u"nbCancel"_s)->isEnabled());
    window.close();
    QVERIFY(!window.isVisible());
    QCOMPARE(changedColumns(before, session(m_closed)), QStringList());
}

void TestFrmVisualizar::shouldReopenSessionByClearingTheClosingDate()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarAbertura window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPrior"_s), Qt::LeftButton);
    typeInGrid(window, DtFechamento, QString());
    window.close(); // closing stores the pending correction
    QVERIFY(!window.isVisible());
    QVERIFY(session(m_closed).value(u"datafechamento"_s).isNull());
    const Binds shift{{u":Mdata"_s, QDate(2026, 3, 4)}, {u":Mturno"_s, 1}};
    QVERIFY(m_conn->query(u"tbAbre"_s, TDM::SqlAbre, shift).next());
}

void TestFrmVisualizar::shouldListMovementsReadOnlyWithTheLatestSelected()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarSangriaReforcoDespesa window(*dm);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
    QStringList titles;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        titles << grid->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{u"Data"_s, u"Hora"_s, u"Dt.Movimento"_s, u"Usuario "_s, u"Especie"_s, u"Descrição "_s,
                                  u"Valor R$"_s}));
    QCOMPARE(column(grid, 5), (QStringList{u"COFRE"_s, u"TROCADO"_s, u"CAFÉ"_s}));
    QCOMPARE(column(grid, 6), (QStringList{u"25,00"_s, u"25,00"_s, u"25,00"_s}));
    QCOMPARE(grid->currentIndex().row(), 2);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(window.findChild<QLabel*>(u"lblTitulo"_s)->text(), u"VISUALIZAR SANGRIA - REFORÇO - DESPESA DO CAIXA"_s);
    QStringList hints;
    for (const char* name : {"nbFirst", "nbPrior", "nbNext", "nbLast", "nbRefresh"})
        hints << window.findChild<QToolButton*>(QLatin1StringView(name))->toolTip();
    QCOMPARE(hints, (QStringList{u"First record"_s, u"Prior record"_s, u"Next record"_s, u"Last record"_s,
                                 u"Refresh data"_s}));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QTest::mouseClick(window.findChild<QToolButton*>(u"nbPrior"_s), Qt::LeftButton);
    QCOMPARE(grid->currentIndex().row(), 1);
}

void TestFrmVisualizar::shouldNeverDeleteWithCtrlDelete()
{
    auto dm = dataModule();
    QVERIFY(dm);
    {
        TFrmVisualizarAbertura window(*dm);
        window.show();
        auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(grid->model()->rowCount(), 3);
    }
    {
        TFrmVisualizarSangriaReforcoDespesa window(*dm);
        window.show();
        auto* grid = window.findChild<QTableView*>(u"DBGrid1"_s);
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(grid->model()->rowCount(), 3);
    }
    QCOMPARE(count(*m_conn, u"abrefechacaixa"_s), 3);
    QCOMPARE(count(*m_conn, u"sangriareforco"_s), 3);
}

void TestFrmVisualizar::shouldCloseOnlyThroughTheRedX()
{
    auto dm = dataModule();
    QVERIFY(dm);
    TFrmVisualizarSangriaReforcoDespesa movements(*dm);
    movements.show();
    QVERIFY(QTest::qWaitForWindowActive(&movements));
    QTest::keyClick(&movements, Qt::Key_Escape);
    QVERIFY(movements.isVisible());
    QTest::mouseClick(movements.findChild<QToolButton*>(u"panelpnl1"_s), Qt::LeftButton);
    QVERIFY(!movements.isVisible());
    TFrmVisualizarAbertura openings(*dm);
    openings.show();
    QVERIFY(QTest::qWaitForWindowActive(&openings));
    QTest::keyClick(&openings, Qt::Key_Escape);
    QVERIFY(openings.isVisible());
    QTest::mouseClick(openings.findChild<QToolButton*>(u"panelpnl1"_s), Qt::LeftButton);
    QVERIFY(!openings.isVisible());
}

QTEST_MAIN(TestFrmVisualizar)
#include "tst_frmvisualizar.moc"
