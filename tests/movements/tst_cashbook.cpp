#include "movements/cashbook.h"

#include "app/brformat.h"

#include "cashbookfixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace cashbookfixture;

namespace {

using Field = CashBookRefusal::Field;

// A credit row typed by the user: the values every case starts from.
CashBookInput creditInput()
{
    CashBookInput in;
    in.descricao = u"ACERTO DE CAIXA"_s;
    in.data = QDate(2026, 3, 5);
    in.credito = u"150,00"_s;
    in.debito = u"0,00"_s;
    in.troco = u"0,00"_s;
    in.tipo = u"CREDITO"_s;
    in.opcao = u"1"_s;
    in.especie = u"DINHEIRO"_s;
    in.hora = u"14:10:00"_s;
    in.tipoChosen = true;
    in.opcaoChosen = true;
    return in;
}

// A sale written by the sales program, every column filled.
QVariantMap saleColumns()
{
    return {{u"CodigoNota"_s, u"5001"_s},
            {u"CodigoCliente"_s, 25.0},
            {u"CodigoFuncionario"_s, 3.0},
            {u"Descricao"_s, u"VENDA A VISTA"_s},
            {u"Data"_s, QDate(2026, 3, 5)},
            {u"Credito"_s, 33.333},
            {u"Debito"_s, 0.0},
            {u"valor"_s, 33.333},
            {u"Opcao"_s, QVariant(QMetaType::fromType<QString>())},
            {u"Tipo"_s, u"CREDITO"_s},
            {u"Usuario"_s, u"CAIXA1"_s},
            {u"Tp"_s, QVariant(QMetaType::fromType<QString>())},
            {u"Condicao"_s, u"CARTÃO DE CREDITO"_s},
            {u"Hora"_s, u"09:15:00"_s},
            {u"Turno"_s, u"1"_s},
            {u"Numero"_s, u"NF-77"_s},
            {u"especie"_s, u"CARTÃO DE CREDITO"_s},
            {u"codigofilial"_s, 1.0},
            {u"filial"_s, u"Matriz"_s},
            {u"es"_s, u"E"_s},
            {u"nfce"_s, 8801},
            {u"serienfce"_s, 1},
            {u"NomeFuncionario"_s, u"JOÃO CONCEIÇÃO"_s},
            {u"NomeFunciionario"_s, u"JOÃO CONCEIÇÃO"_s},
            {u"troco"_s, 6.67},
            {u"TipoNotaFiscal"_s, 65},
            {u"NFCancelada"_s, u"N"_s},
            {u"dataproc"_s, QDateTime(QDate(2026, 3, 5), QTime(9, 15))},
            {u"datamovimento"_s, QDate(2026, 3, 5)}};
}

// The input as the window shows the stored row, before the user changes anything.
CashBookInput shown(const CashBookRow& r)
{
    CashBookInput in;
    in.descricao = r.descricao;
    in.data = r.data;
    in.credito = br::money(r.credito);
    in.debito = br::money(r.debito);
    in.troco = br::money(r.troco);
    in.tipo = r.tipo;
    in.opcao = r.opcao;
    in.especie = r.especie;
    in.hora = r.hora;
    return in;
}

const QStringList WrittenColumns = {u"descricao"_s, u"data"_s,  u"credito"_s, u"debito"_s, u"valor"_s,
                                    u"troco"_s,     u"opcao"_s, u"tipo"_s,    u"tp"_s,     u"condicao"_s,
                                    u"especie"_s,   u"hora"_s,  u"es"_s,      u"usuario"_s};

} // namespace

Q_DECLARE_METATYPE(CashBookInput)
Q_DECLARE_METATYPE(CashBook::Search)

class TestCashBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    // Searches
    void shouldListRowsOfThePeriodByDateAndDescription_data();
    void shouldListRowsOfThePeriodByDateAndDescription();
    void shouldFindRowsByPrefixTakenLiterally_data();
    void shouldFindRowsByPrefixTakenLiterally();
    void shouldRefuseEmptySearch_data();
    void shouldRefuseEmptySearch();

    // Saving
    void shouldRefuseInvalidInput_data();
    void shouldRefuseInvalidInput();
    void shouldAcceptValidInput_data();
    void shouldAcceptValidInput();
    void shouldInsertWritingOnlyTheCashBookColumns();
    void shouldUpdateWritingOnlyTheCashBookColumns_data();
    void shouldUpdateWritingOnlyTheCashBookColumns();
    void shouldKeepUnpickedColumnsAsStoredMeanwhile();
    void shouldNotRecreateARowDeletedMeanwhile();

    // Deleting
    void shouldDeleteReturningTheStoredValues();

    // Notices
    void shouldComposeNoticeBodyFromTheRow();
    void shouldLabelDebitRowsInNotice();
    void shouldAddressNotices();
    void shouldSendNoticesOnlyWhenSwitchedOnWithRecipient_data();
    void shouldSendNoticesOnlyWhenSwitchedOnWithRecipient();

private:
    int insertCaixa(const QVariantMap& columns) { return insertRow(*m_conn, u"caixa"_s, columns); }

    TestDatabase m_db{u"cashbook"_s};
    std::unique_ptr<DbConnection> m_conn;
};

void TestCashBook::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    m_conn = std::make_unique<DbConnection>(u"teste"_s, 10);
    m_conn->configure(m_db.settings());
    m_conn->open();
}

void TestCashBook::init()
{
    m_conn->exec(u"limpar"_s, u"DELETE FROM caixa"_s);
}

void TestCashBook::shouldListRowsOfThePeriodByDateAndDescription_data()
{
    QTest::addColumn<bool>("onButton");
    QTest::newRow("on show") << false;
    QTest::newRow("Data Emissão") << true;
}

void TestCashBook::shouldListRowsOfThePeriodByDateAndDescription()
{
    QFETCH(bool, onButton);
    // given
    insertCaixa({{u"Descricao"_s, u"ZELADORIA"_s}, {u"Data"_s, QDate(2026, 3, 4)}});
    insertCaixa({{u"Descricao"_s, u"VENDA A VISTA"_s}, {u"Data"_s, QDate(2026, 3, 5)}});
    insertCaixa({{u"Descricao"_s, u"ÁGUA MINERAL"_s}, {u"Data"_s, QDate(2026, 3, 5)}});
    insertCaixa({{u"Descricao"_s, u"ANTES"_s}, {u"Data"_s, QDate(2026, 3, 3)}});
    insertCaixa({{u"Descricao"_s, u"DEPOIS"_s}, {u"Data"_s, QDate(2026, 3, 6)}});
    // when
    const QDate dti(2026, 3, 4), dtf(2026, 3, 5);
    const CashBookQuery query = onButton ? CashBook::periodOnButton(dti, dtf) : CashBook::periodOnShow(dti, dtf);
    QStringList got;
    for (const CashBookRow& r : CashBook(*m_conn).rows(query))
        got << r.descricao;
    // then
    QCOMPARE(got, (QStringList{u"ZELADORIA"_s, u"ÁGUA MINERAL"_s, u"VENDA A VISTA"_s}));
}

void TestCashBook::shouldFindRowsByPrefixTakenLiterally_data()
{
    QTest::addColumn<CashBook::Search>("search");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // CodigoNota of the rows found, in order

    using S = CashBook::Search;
    QTest::newRow("nota prefix") << S::Nota << u"10"_s << QStringList{u"10'5"_s, u"1001"_s, u"1002"_s};
    QTest::newRow("nota trimmed") << S::Nota << u"  100 "_s << QStringList{u"1001"_s, u"1002"_s};
    QTest::newRow("nota with quote") << S::Nota << u"10'"_s << QStringList{u"10'5"_s};
    QTest::newRow("nota is a prefix, not a part") << S::Nota << u"01"_s << QStringList{};
    QTest::newRow("descrição prefix") << S::Descricao << u"OBA"_s << QStringList{u"3003"_s, u"3004"_s};
    QTest::newRow("descrição is a prefix, not a part") << S::Descricao << u"ÁVILA"_s << QStringList{};
    QTest::newRow("descrição with quote and accent") << S::Descricao << u"D'ÁVILA"_s << QStringList{u"1002"_s};
    QTest::newRow("descrição with accents") << S::Descricao << u"CAFÉ DO JOÃO"_s << QStringList{u"2001"_s};
    QTest::newRow("percent is a letter") << S::Descricao << u"100%"_s << QStringList{u"10'5"_s};
    QTest::newRow("underscore is a letter") << S::Descricao << u"PAGAMENTO_"_s << QStringList{u"3001"_s};
    QTest::newRow("escape character is a letter") << S::Descricao << u"OBA!"_s << QStringList{u"3003"_s};
    QTest::newRow("quotes cannot change the statement") << S::Descricao << u"X' OR '1'='1"_s << QStringList{};
}

void TestCashBook::shouldFindRowsByPrefixTakenLiterally()
{
    QFETCH(CashBook::Search, search);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    // given
    const QList<QPair<QString, QString>> rows = {{u"1001"_s, u"VENDA A VISTA"_s}, {u"1002"_s, u"D'ÁVILA CALÇADOS"_s},
                                                 {u"2001"_s, u"CAFÉ DO JOÃO"_s},  {u"10'5"_s, u"100% ALGODÃO"_s},
                                                 {u"1100"_s, u"1000 BOTÕES"_s},   {u"3001"_s, u"PAGAMENTO_LUZ"_s},
                                                 {u"3002"_s, u"PAGAMENTOXLUZ"_s}, {u"3003"_s, u"OBA!"_s},
                                                 {u"3004"_s, u"OBAX"_s},          {u"9001"_s, u"X"_s}};
    for (const auto& [nota, descricao] : rows)
        insertCaixa({{u"CodigoNota"_s, nota}, {u"Descricao"_s, descricao}, {u"Data"_s, QDate(2026, 3, 5)}});
    // when
    QVERIFY(!CashBook::checkSearch(search, text));
    QStringList got;
    for (const CashBookRow& r : CashBook(*m_conn).rows(CashBook::search(search, text)))
        got << r.codigoNota;
    // then
    QCOMPARE(got, expected);
}

void TestCashBook::shouldRefuseEmptySearch_data()
{
    QTest::addColumn<CashBook::Search>("search");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("nota empty") << CashBook::Search::Nota << QString() << u"Codigo da Nota em Branco !!!"_s;
    QTest::newRow("nota blanks") << CashBook::Search::Nota << u"   "_s << u"Codigo da Nota em Branco !!!"_s;
    QTest::newRow("descrição empty") << CashBook::Search::Descricao << QString() << u"Descrição em Branco !!!"_s;
}

void TestCashBook::shouldRefuseEmptySearch()
{
    QFETCH(CashBook::Search, search);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(CashBook::checkSearch(search, text), std::optional<QString>(message));
}

void TestCashBook::shouldRefuseInvalidInput_data()
{
    QTest::addColumn<CashBookInput>("input");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");

    auto row = [](const char* name, auto change, Field field, const QString& message) {
        CashBookInput in = creditInput();
        change(in);
        QTest::newRow(name) << in << int(field) << message;
    };
    row(
        "no description", [](CashBookInput& in) { in.descricao = u"  "_s; }, Field::Descricao,
        u"Descrição em Branco !!!"_s);
    row(
        "description too long", [](CashBookInput& in) { in.descricao = QString(51, u'A'); }, Field::Descricao,
        u"Descrição com mais de 50 caracteres !!!"_s);
    row(
        "no date", [](CashBookInput& in) { in.data = QDate(); }, Field::Data, u"Data de Lançamento em Branco !!!"_s);
    row(
        "no tipo", [](CashBookInput& in) { in.tipo.clear(); }, Field::Tipo,
        u"Escolha o Tipo do Lançamento: Credito ou Debito !!!"_s);
    row(
        "credit without amount", [](CashBookInput& in) { in.credito = u"0,00"_s; }, Field::Credito,
        u"Valor do Credito está em Branco !!!"_s);
    row(
        "credit empty", [](CashBookInput& in) { in.credito.clear(); }, Field::Credito,
        u"Valor do Credito está em Branco !!!"_s);
    row(
        "credit not a number", [](CashBookInput& in) { in.credito = u"12,3x"_s; }, Field::Credito,
        u"Valor do Credito inválido !!!"_s);
    row(
        "credit negative", [](CashBookInput& in) { in.credito = u"-5,00"_s; }, Field::Credito,
        u"Valor do Credito não pode ser negativo !!!"_s);
    row(
        "credit three decimals", [](CashBookInput& in) { in.credito = u"12,505"_s; }, Field::Credito,
        u"Valor do Credito com mais de duas casas decimais !!!"_s);
    row(
        "credit with a debit amount", [](CashBookInput& in) { in.debito = u"10,00"_s; }, Field::Debito,
        u"Lançamento a Credito não pode ter valor no Debito !!!"_s);
    row(
        "debit without amount",
        [](CashBookInput& in) {
            in.tipo = u"DEBITO"_s;
            in.credito = u"0,00"_s;
        },
        Field::Debito, u"Valor do Debito está em Branco !!!"_s);
    row(
        "debit with a credit amount",
        [](CashBookInput& in) {
            in.tipo = u"DEBITO"_s;
            in.debito = u"40,00"_s;
        },
        Field::Credito, u"Lançamento a Debito não pode ter valor no Credito !!!"_s);
    row(
        "debit amount not a number",
        [](CashBookInput& in) {
            in.tipo = u"DEBITO"_s;
            in.credito.clear();
            in.debito = u"abc"_s;
        },
        Field::Debito, u"Valor do Debito inválido !!!"_s);
    row(
        "troco negative", [](CashBookInput& in) { in.troco = u"-1,00"_s; }, Field::Troco,
        u"Valor do Troco não pode ser negativo !!!"_s);
    row(
        "especie too long", [](CashBookInput& in) { in.especie = QString(51, u'E'); }, Field::Especie,
        u"Espécie com mais de 50 caracteres !!!"_s);
    row(
        "hora not a time", [](CashBookInput& in) { in.hora = u"25:00:00"_s; }, Field::Hora,
        u"Hora inválida, use HH:MM:SS !!!"_s);
}

void TestCashBook::shouldRefuseInvalidInput()
{
    QFETCH(CashBookInput, input);
    QFETCH(int, field);
    QFETCH(QString, message);
    const auto refusal = CashBook::validate(input, CashBookRow());
    QVERIFY(refusal);
    QCOMPARE(refusal->message, message);
    QCOMPARE(int(refusal->field), field);
}

void TestCashBook::shouldAcceptValidInput_data()
{
    QTest::addColumn<CashBookInput>("input");
    auto row = [](const char* name, auto change) {
        CashBookInput in = creditInput();
        change(in);
        QTest::newRow(name) << in;
    };
    row("credit", [](CashBookInput&) {});
    row("grouped amount", [](CashBookInput& in) { in.credito = u"1.234,56"_s; });
    row("debit", [](CashBookInput& in) {
        in.tipo = u"DEBITO"_s;
        in.credito = u""_s;
        in.debito = u"12,5"_s;
    });
    row("empty troco and hora", [](CashBookInput& in) {
        in.troco.clear();
        in.hora.clear();
    });
    row("short hora", [](CashBookInput& in) { in.hora = u"9:05"_s; });
    row("change fund ignores troco typed", [](CashBookInput& in) {
        in.especie = u"AD.TROCO"_s;
        in.troco = u"xx"_s;
    });
}

void TestCashBook::shouldAcceptValidInput()
{
    QFETCH(CashBookInput, input);
    const auto refusal = CashBook::validate(input, CashBookRow());
    QVERIFY2(!refusal, qPrintable(refusal ? refusal->message : QString()));
}

void TestCashBook::shouldInsertWritingOnlyTheCashBookColumns()
{
    // given: the values the database gives a row nobody fills
    const int blank = insertCaixa({{u"Descricao"_s, u"MOLDE"_s}});
    QVariantMap expected = readRow(*m_conn, u"caixa"_s, u"Controle"_s, blank);
    m_conn->exec(u"limpar"_s, u"DELETE FROM caixa"_s);
    CashBookInput in = creditInput();
    in.especie = u"AD.TROCO"_s;
    in.troco = u"1,00"_s;

    // when
    const auto stored = CashBook(*m_conn).store(in, CashBookRow());

    // then
    QVERIFY(stored);
    QVERIFY(stored->controle > 0);
    const QVariantMap row = readRow(*m_conn, u"caixa"_s, u"Controle"_s, stored->controle);
    expected.insert(u"controle"_s, stored->controle);
    expected.insert(u"descricao"_s, u"ACERTO DE CAIXA"_s);
    expected.insert(u"data"_s, QDate(2026, 3, 5));
    expected.insert(u"credito"_s, 150.0);
    expected.insert(u"debito"_s, 0.0);
    expected.insert(u"valor"_s, 150.0);
    expected.insert(u"troco"_s, 150.0); // change fund: troco is the credit
    expected.insert(u"opcao"_s, u"1"_s);
    expected.insert(u"tipo"_s, u"CREDITO"_s);
    expected.insert(u"tp"_s, u"1"_s);
    expected.insert(u"condicao"_s, u"CAIXA"_s);
    expected.insert(u"especie"_s, u"AD.TROCO"_s);
    expected.insert(u"hora"_s, u"14:10:00"_s);
    expected.insert(u"es"_s, u"E"_s);
    expected.insert(u"usuario"_s, u"CAIXA"_s);
    QCOMPARE(changedColumns(expected, row), QStringList());
    QCOMPARE(count(*m_conn, u"caixa"_s), 1);
    QCOMPARE(stored->valor, 150.0);
}

void TestCashBook::shouldUpdateWritingOnlyTheCashBookColumns_data()
{
    QTest::addColumn<CashBookInput>("change"); // the fields set here replace those of the row as shown
    QTest::addColumn<QVariantMap>("expected"); // written columns that change

    CashBookInput description;
    description.descricao = u"VENDA A VISTA REVISADA"_s;
    QTest::newRow("description only: Condicao and es of the sale stay")
        << description << QVariantMap{{u"descricao"_s, u"VENDA A VISTA REVISADA"_s}, {u"usuario"_s, u"CAIXA"_s}};

    CashBookInput debit;
    debit.tipo = u"DEBITO"_s;
    debit.credito = u"0,00"_s;
    debit.debito = u"80,00"_s;
    debit.tipoChosen = true;
    QTest::newRow("turned into a debit: valor is the debit")
        << debit << QVariantMap{{u"tipo"_s, u"DEBITO"_s},  {u"credito"_s, 0.0}, {u"debito"_s, 80.0},
                                {u"valor"_s, 80.0},        {u"es"_s, u"S"_s},   {u"condicao"_s, u"CAIXA"_s},
                                {u"usuario"_s, u"CAIXA"_s}};

    CashBookInput troco;
    troco.especie = u"AD.TROCO"_s;
    troco.credito = u"120,00"_s;
    QTest::newRow("change fund: troco is the credit") << troco
                                                      << QVariantMap{{u"especie"_s, u"AD.TROCO"_s},
                                                                     {u"credito"_s, 120.0},
                                                                     {u"valor"_s, 120.0},
                                                                     {u"troco"_s, 120.0},
                                                                     {u"usuario"_s, u"CAIXA"_s}};

    CashBookInput opcao;
    opcao.opcao = u"9"_s;
    opcao.opcaoChosen = true;
    QTest::newRow("opção picked: Tp is 1")
        << opcao << QVariantMap{{u"opcao"_s, u"9"_s}, {u"tp"_s, u"1"_s}, {u"usuario"_s, u"CAIXA"_s}};

    CashBookInput same;
    same.tipoChosen = true; // picked again: es and Condicao follow Tipo
    QTest::newRow("tipo picked again") << same << QVariantMap{{u"condicao"_s, u"CAIXA"_s}, {u"usuario"_s, u"CAIXA"_s}};
}

void TestCashBook::shouldUpdateWritingOnlyTheCashBookColumns()
{
    QFETCH(CashBookInput, change);
    QFETCH(QVariantMap, expected);
    // given: a sale whose amount has more decimals than the screen shows
    const int controle = insertCaixa(saleColumns());
    const QVariantMap before = readRow(*m_conn, u"caixa"_s, u"Controle"_s, controle);
    CashBook book(*m_conn);
    const CashBookRow base = *book.find(controle);
    CashBookInput in = shown(base);
    if (!change.descricao.isEmpty())
        in.descricao = change.descricao;
    if (!change.tipo.isEmpty())
        in.tipo = change.tipo;
    if (!change.credito.isEmpty())
        in.credito = change.credito;
    if (!change.debito.isEmpty())
        in.debito = change.debito;
    if (!change.especie.isEmpty())
        in.especie = change.especie;
    if (!change.opcao.isEmpty())
        in.opcao = change.opcao;
    in.tipoChosen = change.tipoChosen;
    in.opcaoChosen = change.opcaoChosen;

    // when
    QVERIFY(!CashBook::validate(in, base));
    const auto stored = book.store(in, base);

    // then
    QVERIFY(stored);
    const QVariantMap after = readRow(*m_conn, u"caixa"_s, u"Controle"_s, controle);
    const QStringList changed = changedColumns(before, after);
    for (const QString& column : changed)
        QVERIFY2(WrittenColumns.contains(column), qPrintable(column));
    QStringList expectedChanged = expected.keys();
    QStringList got = changed;
    expectedChanged.sort();
    got.sort();
    QCOMPARE(got, expectedChanged);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    // an amount left as shown keeps its stored decimals
    if (!expected.contains(u"credito"_s))
        QCOMPARE(after.value(u"credito"_s).toDouble(), 33.333);
}

void TestCashBook::shouldKeepUnpickedColumnsAsStoredMeanwhile()
{
    // given: the row on screen, then changed by another workstation
    const int controle = insertCaixa(saleColumns());
    CashBook book(*m_conn);
    const CashBookRow base = *book.find(controle);
    m_conn->exec(u"outro terminal"_s, u"UPDATE caixa SET Condicao = 'PIX', es = 'S', Tp = '2' WHERE Controle = :c"_s,
                 {{u":c"_s, controle}});
    CashBookInput in = shown(base);
    in.descricao = u"VENDA CONFERIDA"_s;
    // when: neither Tipo nor Opção was picked
    QVERIFY(book.store(in, base));
    // then
    const QVariantMap after = readRow(*m_conn, u"caixa"_s, u"Controle"_s, controle);
    QCOMPARE(after.value(u"condicao"_s).toString(), u"PIX"_s);
    QCOMPARE(after.value(u"es"_s).toString(), u"S"_s);
    QCOMPARE(after.value(u"tp"_s).toString(), u"2"_s);
    QCOMPARE(after.value(u"descricao"_s).toString(), u"VENDA CONFERIDA"_s);
}

void TestCashBook::shouldNotRecreateARowDeletedMeanwhile()
{
    // given
    const int controle = insertCaixa(saleColumns());
    CashBook book(*m_conn);
    const CashBookRow base = *book.find(controle);
    m_conn->exec(u"outro terminal"_s, u"DELETE FROM caixa"_s);
    CashBookInput in = shown(base);
    in.descricao = u"ALTERADA"_s;
    // when
    const auto stored = book.store(in, base);
    // then
    QVERIFY(!stored);
    QCOMPARE(count(*m_conn, u"caixa"_s), 0);
}

void TestCashBook::shouldDeleteReturningTheStoredValues()
{
    // given
    const int sale = insertCaixa(saleColumns());
    const int other = insertCaixa({{u"Descricao"_s, u"FICA"_s}, {u"Data"_s, QDate(2026, 3, 5)}});
    CashBook book(*m_conn);
    // when
    const auto removed = book.remove(sale);
    // then
    QVERIFY(removed);
    QCOMPARE(removed->controle, sale);
    QCOMPARE(removed->codigoNota, u"5001"_s);
    QCOMPARE(removed->descricao, u"VENDA A VISTA"_s);
    QCOMPARE(removed->credito, 33.333);
    QCOMPARE(removed->especie, u"CARTÃO DE CREDITO"_s);
    QVERIFY(readRow(*m_conn, u"caixa"_s, u"Controle"_s, sale).isEmpty());
    QVERIFY(!readRow(*m_conn, u"caixa"_s, u"Controle"_s, other).isEmpty());
    QVERIFY(!book.remove(sale)); // already gone
}

void TestCashBook::shouldComposeNoticeBodyFromTheRow()
{
    CashBookRow row;
    row.codigoNota = u"1002"_s;
    row.descricao = u"D'ÁVILA CALÇADOS"_s;
    row.codigoCliente = 25.0;
    row.data = QDate(2026, 3, 4);
    row.credito = 1234.5;
    row.especie = u"DINHEIRO"_s;
    row.usuario = u"CAIXA"_s;

    const QStringList body =
        cashbook::noticeBody(u"BOA VISTA"_s, row, u"GERENTE"_s, QDateTime(QDate(2026, 3, 5), QTime(14, 10, 7)));

    QCOMPARE(body.size(), 3 + 5 + 7 * 8);
    QCOMPARE(body.at(0), mail::notificationBody(QString(), QString(), {}).first());
    QCOMPARE(body.at(1), u"<p><b>Filial :BOA VISTA</b></p>"_s);
    QCOMPARE(body.at(2), u"<p style=\"color:#000000; background-color:#e2fd03;\"><b>Alteração do Caixa : 14:10:07 - "
                         "05/03/2026 - BOA VISTA</b></p>"_s);
    QCOMPARE(body.mid(3, 5),
             (QStringList{u"<table>"_s, u"</table>"_s, u"<br />"_s, u"</body>\r\n</html>\r\n"_s, u"<table>"_s}));
    const QString normal = u"<td align='Right'>"_s;
    const QString wide = u"<td align='Right' style='width:150px;'>"_s;
    const QList<QStringList> rows = {
        {u"#D3D3D3"_s, u"Nº Controle : "_s, normal, u"1002"_s},
        {u"#FFFFFF"_s, u"Descrição  :"_s, wide, u"D'ÁVILA CALÇADOS"_s},
        {u"#D3D3D3"_s, u"Codigo : "_s, normal, u"25"_s},
        {u"#FFFFFF"_s, u"Data:"_s, wide, u"04/03/2026"_s},
        {u"#D3D3D3"_s, u"Credito R$ : "_s, normal, u"1.234,50"_s},
        {u"#FFFFFF"_s, u"Especie:"_s, wide, u"DINHEIRO"_s},
        {u"#D3D3D3"_s, u"Usuario:"_s, wide, u"GERENTE"_s},
    };
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList& r = rows.at(i);
        QCOMPARE(body.mid(8 + i * 8, 8),
                 (QStringList{u"<tr style='background-color:%1;'>"_s.arg(r.at(0)), u"<th align='left'>"_s, r.at(1),
                              u"</th>"_s, r.at(2), r.at(3), u"</td>"_s, u"</tr>"_s}));
    }
}

void TestCashBook::shouldLabelDebitRowsInNotice()
{
    CashBookRow row;
    row.data = QDate(2026, 3, 4);
    row.debito = 80;
    row.valor = 80;
    const QStringList body =
        cashbook::noticeBody(u"LOJA"_s, row, u"GERENTE"_s, QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
    const int at = int(body.indexOf(u"Debito R$ : "_s));
    QVERIFY(at > 0);
    QCOMPARE(body.at(at + 3), u"80,00"_s);
    QCOMPARE(body.at(8 + 2 * 8 + 5), QString()); // no customer code: "####" shows nothing
}

void TestCashBook::shouldAddressNotices()
{
    const AdminSettings s = settings(m_db, "dono@loja.example; socio@loja.example");
    CashBookRow row;
    const QDateTime now(QDate(2026, 3, 5), QTime(9, 0));
    const MailMessage change = cashbook::changeNotice(s, u"LOJA"_s, row, u"GERENTE"_s, now);
    QCOMPARE(change.fromName, u"ALTERACAO DO CAIXA"_s);
    QCOMPARE(change.subject, u"Alteração do Caixa"_s);
    QCOMPARE(change.priority, MailMessage::Priority::Normal);
    QCOMPARE(change.from, u"caixa@loja.example"_s);
    QCOMPARE(change.recipients,
             (QList<MailRecipient>{{u"Gerente"_s, u"dono@loja.example"_s}, {u"Gerente"_s, u"socio@loja.example"_s}}));
    const MailMessage deletion = cashbook::deletionNotice(s, u"LOJA"_s, row, u"GERENTE"_s, now);
    QCOMPARE(deletion.fromName, u"EXCLUSAO DE REGISTRO NO CAIXA"_s);
    QCOMPARE(deletion.subject, u"Exlusão de Registro no Caixa"_s);
    QCOMPARE(deletion.body, change.body);
}

void TestCashBook::shouldSendNoticesOnlyWhenSwitchedOnWithRecipient_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("defaults with recipient") << QByteArray("EMAIL1=a@x.example\n") << true;
    QTest::newRow("no first recipient") << QByteArray("EMAIL2=b@x.example\n") << false;
    QTest::newRow("blank first recipient") << QByteArray("EMAIL1=  \n") << false;
    QTest::newRow("mails off") << QByteArray("EMAIL1=a@x.example\nENVIAEMAIL=N\n") << false;
    QTest::newRow("mails lower-case s") << QByteArray("EMAIL1=a@x.example\nENVIAEMAIL=s\n") << false;
    QTest::newRow("cash-book notices off") << QByteArray("EMAIL1=a@x.example\nENVIAALTERACAOCAIXA=N\n") << false;
}

void TestCashBook::shouldSendNoticesOnlyWhenSwitchedOnWithRecipient()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, enabled);
    QCOMPARE(cashbook::noticeEnabled(AdminSettings::read(IniFile::fromBytes("[GERAL]\n" + ini))), enabled);
}

QTEST_GUILESS_MAIN(TestCashBook)
#include "tst_cashbook.moc"
