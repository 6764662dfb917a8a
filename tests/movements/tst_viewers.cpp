#include "movements/viewers.h"
#include "movements/viewersmodel.h"

#include "app/tdm.h"

#include "cashbookfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace cashbookfixture;

namespace {

QVariantMap session(const QDate& abertura, const QVariant& fechamento, int turno)
{
    return {
        {u"NumCaixa"_s, u"001"_s},
        {u"DataAbertura"_s, abertura},
        {u"HoraAbertura"_s, QTime(7, 2, 10)},
        {u"UsuarioCaixa"_s, u"CAIXA1"_s},
        {u"turno"_s, turno},
        {u"maquina"_s, u"LOJA01-caixa"_s},
        {u"troco"_s, 100.0},
        {u"DataFechamento"_s, fechamento},
        {u"HoraFechamento"_s, fechamento.isNull() ? QVariant(QMetaType::fromType<QTime>()) : QVariant(QTime(13, 5))},
        {u"UsuarioFechamento"_s,
         fechamento.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(u"GERENTE"_s)},
        {u"TotalDineiro"_s, 1234.5},
        {u"TotalCheque"_s, 10.0},
        {u"TotalCartaoCredito"_s, 20.0},
        {u"TotalCartaoDebito"_s, 30.0},
        {u"TotalCreditoLoja"_s, 7.0},
        {u"codigofilial"_s, 1.0},
        {u"filial"_s, u"Matriz"_s},
        {u"descturno"_s, u"MANHA"_s}};
}

QStringList texts(const ViewerModel& model, int row)
{
    QStringList out;
    for (int c = 0; c < model.columnCount(); ++c)
        out << model.text(row, c);
    return out;
}

} // namespace

class TestViewers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void shouldListSessionsByOpeningDateWithTheirMasks();
    void shouldRefuseInvalidClosingCorrection_data();
    void shouldRefuseInvalidClosingCorrection();
    void shouldCorrectOnlyTheClosingColumns();
    void shouldReopenSessionWhenClosingDateIsCleared();
    void shouldNotCorrectASessionDeletedMeanwhile();
    void shouldListMovementsByDate();
    void shouldKeepTypedTextPendingUntilStoredOrCancelled();

private:
    TestDatabase m_db{u"viewers"_s};
    std::unique_ptr<DbConnection> m_conn;
};

void TestViewers::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    m_conn = std::make_unique<DbConnection>(u"teste"_s, 10);
    m_conn->configure(m_db.settings());
    m_conn->open();
}

void TestViewers::init()
{
    m_conn->exec(u"limpar"_s, u"DELETE FROM abrefechacaixa"_s);
    m_conn->exec(u"limpar"_s, u"DELETE FROM sangriareforco"_s);
}

void TestViewers::shouldListSessionsByOpeningDateWithTheirMasks()
{
    // given
    insertRow(*m_conn, u"abrefechacaixa"_s, session(QDate(2026, 3, 5), QVariant(QMetaType::fromType<QDate>()), 1));
    insertRow(*m_conn, u"abrefechacaixa"_s, session(QDate(2026, 3, 3), QDate(2026, 3, 3), 2));
    // when
    ViewerModel model(OpeningViewer::columns());
    model.setRows(OpeningViewer(*m_conn).rows());
    // then
    QCOMPARE(model.rowCount(), 2);
    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c)
        titles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(titles, (QStringList{u"Dt.Abertura"_s, u"H.Abertura"_s, u"Maquina"_s, u"Usuario Abertura"_s, u"Troco"_s,
                                  u"Dt.Fechamento"_s, u"H.Fechamento"_s, u"Usuario Fechamento"_s, u"Total Dinheiro"_s,
                                  u"Total Cheque"_s, u"Total C.Credito"_s, u"Total C.Debito"_s,
                                  u"Total Vale Alimentacao"_s, u"Total Vale Combustivel"_s, u"Total Vale Presente"_s,
                                  u"Total Vale Refeicao"_s, u"Total Outros"_s}));
    QCOMPARE(texts(model, 0),
             (QStringList{u"03/03/2026"_s, u"07:02:10"_s, u"LOJA01-caixa"_s, u"CAIXA1"_s, u"100,00"_s, u"03/03/2026"_s,
                          u"13:05:00"_s, u"GERENTE"_s, u"1.234,50"_s, u"10,00"_s, u"20,00"_s, u"30,00"_s, u"0,00"_s,
                          u"0,00"_s, u"0,00"_s, u"0,00"_s, u"0,00"_s}));
    QCOMPARE(model.text(1, 0), u"05/03/2026"_s);
    QCOMPARE(model.text(1, 5), QString()); // still open
    QCOMPARE(model.data(model.index(0, 4), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    QStringList editable;
    for (int c = 0; c < model.columnCount(); ++c)
        if (model.flags(model.index(0, c)) & Qt::ItemIsEditable)
            editable << titles.at(c);
    QCOMPARE(editable, (QStringList{u"Dt.Fechamento"_s, u"H.Fechamento"_s, u"Usuario Fechamento"_s}));
}

void TestViewers::shouldRefuseInvalidClosingCorrection_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("valid") << u"05/03/2026"_s << u"18:30:00"_s << u"GERENTE"_s << QString();
    QTest::newRow("short time") << u"5/3/2026"_s << u"18:30"_s << QString() << QString();
    QTest::newRow("all empty reopens") << QString() << QString() << QString() << QString();
    QTest::newRow("not a date") << u"31/02/2026"_s << QString() << QString()
                                << u"Data de Fechamento inválida, use DD/MM/AAAA !!!"_s;
    QTest::newRow("before opening") << u"04/03/2026"_s << QString() << QString()
                                    << u"Data de Fechamento anterior à Data de Abertura !!!"_s;
    QTest::newRow("not a time") << u"05/03/2026"_s << u"24:10"_s << QString()
                                << u"Hora de Fechamento inválida, use HH:MM:SS !!!"_s;
    QTest::newRow("user too long") << u"05/03/2026"_s << QString() << QString(51, u'U')
                                   << u"Usuario de Fechamento com mais de 50 caracteres !!!"_s;
}

void TestViewers::shouldRefuseInvalidClosingCorrection()
{
    QFETCH(QString, data);
    QFETCH(QString, hora);
    QFETCH(QString, usuario);
    QFETCH(QString, message);
    const auto refusal = OpeningViewer::validate({1, data, hora, usuario}, QDate(2026, 3, 5));
    QCOMPARE(refusal.value_or(QString()), message);
}

void TestViewers::shouldCorrectOnlyTheClosingColumns()
{
    // given
    const int controle =
        insertRow(*m_conn, u"abrefechacaixa"_s, session(QDate(2026, 3, 5), QVariant(QMetaType::fromType<QDate>()), 1));
    const QVariantMap before = readRow(*m_conn, u"abrefechacaixa"_s, u"Controle"_s, controle);
    // when
    QVERIFY(OpeningViewer(*m_conn).store({controle, u"06/03/2026"_s, u"00:15"_s, u"GERENTE"_s}));
    // then
    const QVariantMap after = readRow(*m_conn, u"abrefechacaixa"_s, u"Controle"_s, controle);
    QCOMPARE(changedColumns(before, after),
             (QStringList{u"datafechamento"_s, u"horafechamento"_s, u"usuariofechamento"_s}));
    QCOMPARE(after.value(u"datafechamento"_s).toDate(), QDate(2026, 3, 6));
    QCOMPARE(after.value(u"horafechamento"_s).toTime(), QTime(0, 15));
    QCOMPARE(after.value(u"usuariofechamento"_s).toString(), u"GERENTE"_s);
}

void TestViewers::shouldReopenSessionWhenClosingDateIsCleared()
{
    // given: a closed session of the morning shift
    const int controle = insertRow(*m_conn, u"abrefechacaixa"_s, session(QDate(2026, 3, 5), QDate(2026, 3, 5), 1));
    const Binds shift{{u":Mdata"_s, QDate(2026, 3, 5)}, {u":Mturno"_s, 1}};
    QVERIFY(!m_conn->query(u"tbAbre"_s, TDM::SqlAbre, shift).next());
    // when
    QVERIFY(OpeningViewer(*m_conn).store({controle, QString(), QString(), QString()}));
    // then: the session is open again for the shift
    QSqlQuery open = m_conn->query(u"tbAbre"_s, TDM::SqlAbre, shift);
    QVERIFY(open.next());
    QCOMPARE(open.value(u"Controle"_s).toInt(), controle);
    const QVariantMap after = readRow(*m_conn, u"abrefechacaixa"_s, u"Controle"_s, controle);
    QVERIFY(after.value(u"horafechamento"_s).isNull());
    QVERIFY(after.value(u"usuariofechamento"_s).isNull());
}

void TestViewers::shouldNotCorrectASessionDeletedMeanwhile()
{
    QVERIFY(!OpeningViewer(*m_conn).store({987654, u"05/03/2026"_s, QString(), QString()}));
    QCOMPARE(count(*m_conn, u"abrefechacaixa"_s), 0);
}

void TestViewers::shouldListMovementsByDate()
{
    // given
    auto movement = [&](const QDate& d, const QString& especie, const QString& descricao, double valor) {
        insertRow(*m_conn, u"sangriareforco"_s,
                  {{u"tipo"_s, especie == u"REFORÇO"_s ? u"R"_s : u"S"_s},
                   {u"data"_s, d},
                   {u"datamovimento"_s, d.addDays(1)},
                   {u"hora"_s, u"23:46:00"_s},
                   {u"descricao"_s, descricao},
                   {u"usuario"_s, u"GERENTE"_s},
                   {u"especie"_s, especie},
                   {u"valor"_s, valor}});
    };
    movement(QDate(2026, 3, 5), u"SANGRIA"_s, u"COFRE"_s, 300);
    movement(QDate(2026, 3, 4), u"REFORÇO"_s, u"TROCADO"_s, 50.5);
    // when
    ViewerModel model(MovementViewer::columns());
    model.setRows(MovementViewer(*m_conn).rows());
    // then
    QCOMPARE(model.rowCount(), 2);
    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c)
        titles << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QCOMPARE(titles, (QStringList{u"Data"_s, u"Hora"_s, u"Dt.Movimento"_s, u"Usuario "_s, u"Especie"_s, u"Descrição "_s,
                                  u"Valor R$"_s}));
    QCOMPARE(texts(model, 0), (QStringList{u"04/03/2026"_s, u"23:46:00"_s, u"05/03/2026"_s, u"GERENTE"_s, u"REFORÇO"_s,
                                           u"TROCADO"_s, u"50,50"_s}));
    QCOMPARE(model.text(1, 4), u"SANGRIA"_s);
    for (int c = 0; c < model.columnCount(); ++c)
        QVERIFY(!(model.flags(model.index(0, c)) & Qt::ItemIsEditable));
}

void TestViewers::shouldKeepTypedTextPendingUntilStoredOrCancelled()
{
    // given
    ViewerModel model(OpeningViewer::columns());
    model.setRows({{7,
                    {QDate(2026, 3, 5), QTime(7, 0), u"M"_s, u"U"_s, 0.0, QVariant(QMetaType::fromType<QDate>()),
                     QVariant(QMetaType::fromType<QTime>()), QString(), 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}}});
    // when
    QVERIFY(model.setData(model.index(0, 5), u"05/03/2026"_s, Qt::EditRole));
    QVERIFY(!model.setData(model.index(0, 0), u"01/01/2026"_s, Qt::EditRole)); // opening date is read only
    // then
    QCOMPARE(model.pendingRow(), 0);
    QCOMPARE(model.text(0, 5), u"05/03/2026"_s);
    QCOMPARE(model.text(0, 0), u"05/03/2026"_s);
    model.cancelEdit();
    QCOMPARE(model.pendingRow(), -1);
    QCOMPARE(model.text(0, 5), QString());
}

QTEST_GUILESS_MAIN(TestViewers)
#include "tst_viewers.moc"
