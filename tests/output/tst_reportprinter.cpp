#include "output/reportoutput.h"
#include "output/reportprinter.h"

#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing " + path.toUtf8() + ">");
}

QString fixture(const QString& name)
{
    return QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/output/") + name;
}

class RecordingOutput final : public ReportOutput {
public:
    void preview(const TextReport& r) override { calls << u"preview:"_s + QString::number(r.pageCount()); }
    void print(const TextReport& r) override { calls << u"print:"_s + QString::number(r.pageCount()); }
    QStringList calls;
};

} // namespace

class TestReportPrinter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldWriteRollReportWithoutAccents();
    void shouldWritePagedReportKeepingEveryLine();
    void shouldCentreOnColumn_data();
    void shouldCentreOnColumn();
    void shouldPadNumbersToMaskWidth_data();
    void shouldPadNumbersToMaskWidth();
    void shouldOrderTextsByPositionStyleAndText();
    void shouldReportMisuseWithExactTexts_data();
    void shouldReportMisuseWithExactTexts();
    void shouldThrowWithoutMessageSink();
    void shouldPreviewOrPrintOnClose();
    void shouldReplaceAnEarlierFile();
};

void TestReportPrinter::shouldWriteRollReportWithoutAccents()
{
    // given a roll report built with page length 1, as the daily reports do
    ReportPrinter p;
    p.TamanhoQteLinhas = 1;
    p.TamanhoQteColunas = 30;
    p.FonteTamanhoPadrao = FontPitch::S10cpp;
    p.Acentuacao = Accentuation::SemAcento;
    p.Abrir();
    p.ImpCentro(1, 1, u"Relatório do Caixa"_s, TextStyle::Bold);
    p.Imp(2, 1, u"Emissão: 05/03/2026"_s);
    p.Imp(3, 1, QString(30, u'-'));
    p.ImpF(4, 1, u"Descrição"_s, 0);
    p.ImpNumero(4, 20, 1234.5, u"###,##0.00"_s, 0);
    p.ImpF(5, 1, u"Nº do cupom ª"_s, TextStyle::Bold);
    p.ImpNumero(5, 20, -3.5, u"0.00;-0.00"_s, 0);
    p.Imp(6, 1, u"Texto longo que passa da coluna dez"_s);
    p.Imp(6, 10, u"CORTE"_s);
    p.ImpCentro(8, 15, u"Ação"_s, 0);
    p.ImpCentro(9, 15, u"X"_s, 0);
    p.ImpCentro(10, 15, u"Total"_s, TextStyle::Pitch20);
    p.TamanhoQteLinhas = 12;

    // when it is saved
    QTemporaryDir dir;
    const QString file = dir.filePath(u"relatoriocaixa.txt"_s);
    QVERIFY(p.GravarTexto(file));

    // then the file matches the one worked out by hand, byte for byte
    QCOMPARE(readFile(file), readFile(fixture(u"roll.txt"_s)));
    QVERIFY(p.isOpen());
}

void TestReportPrinter::shouldWritePagedReportKeepingEveryLine()
{
    ReportPrinter p;
    p.TamanhoQteLinhas = 4;
    p.TamanhoQteColunas = 40;
    QList<int> beforeNewPage;
    p.OnBeforeNewPage = [&] { beforeNewPage << p.currentPage(); };
    p.Abrir();
    p.Imp(1, 1, u"Página 1 – ação"_s);
    p.Imp(3, 5, u"fim da página"_s);
    p.NovaPagina();
    p.Imp(2, 1, u"Página 2"_s);
    p.Imp(6, 1, u"linha 6 além do tamanho"_s);
    p.NovaPagina();
    p.Imp(1, 3, u"Página 3"_s);
    p.Imp(2, 1, u"última"_s);

    QTemporaryDir dir;
    const QString file = dir.filePath(u"paginas.txt"_s);
    QVERIFY(p.GravarTexto(file));

    QCOMPARE(readFile(file), readFile(fixture(u"paged.txt"_s)));
    QCOMPARE(beforeNewPage, (QList<int>{1, 2}));
    QCOMPARE(p.report().pageCount(), 3);
}

void TestReportPrinter::shouldCentreOnColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("pitch");
    QTest::addColumn<int>("expected");

    const int s10 = int(FontPitch::S10cpp);
    QTest::newRow("column 1 never before it") << 1 << u"Loja : CALÇADOS"_s << 1 << s10 << 1;
    QTest::newRow("even width") << 55 << u"1.234,50"_s << 1 << s10 << 51;
    QTest::newRow("odd width") << 55 << u"123,50"_s << 0 << s10 << 52;
    QTest::newRow("odd width 5") << 55 << u"50,00"_s << 0 << s10 << 53;
    QTest::newRow("one character") << 15 << u"X"_s << 0 << s10 << 15;
    QTest::newRow("two characters") << 15 << u"AB"_s << 0 << s10 << 14;
    QTest::newRow("20 cpi on 10 cpi") << 15 << u"Total"_s << int(TextStyle::Pitch20) << s10 << 14;
    QTest::newRow("expanded doubles") << 20 << u"ABCD"_s << int(TextStyle::Expanded) << s10 << 16;
    QTest::newRow("12 cpi on 12 cpi") << 30 << u"ABCDEFGH"_s << int(TextStyle::Pitch12) << int(FontPitch::S12cpp) << 26;
    QTest::newRow("17 cpi on 10 cpi") << 30 << u"ABCDEFGHIJ"_s << int(TextStyle::Pitch17) << s10 << 28;
    QTest::newRow("would start before 1") << 3 << u"ABCDEFGHIJ"_s << 0 << s10 << 1;
}

void TestReportPrinter::shouldCentreOnColumn()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, style);
    QFETCH(int, pitch);
    QFETCH(int, expected);
    QCOMPARE(ReportPrinter::centredColumn(column, text, style, FontPitch(pitch)), expected);

    ReportPrinter p;
    p.FonteTamanhoPadrao = FontPitch(pitch);
    p.Abrir();
    p.ImpCentro(1, column, text, style);
    QCOMPARE(p.report().texts().first().column, expected);
}

void TestReportPrinter::shouldPadNumbersToMaskWidth_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("#,##0.00") << 50.0 << u"#,##0.00"_s << u"   50,00"_s;
    QTest::newRow("###,##0.00") << 1234.5 << u"###,##0.00"_s << u"  1.234,50"_s;
    QTest::newRow("wider than mask") << 1234567.0 << u"#,##0.00"_s << u"1.234.567,00"_s;
    QTest::newRow("##0.00") << 3.5 << u"##0.00"_s << u"  3,50"_s;
    QTest::newRow("#0.00") << 10.0 << u"#0.00"_s << u"10,00"_s;
    QTest::newRow("sections count to first ;") << -3.5 << u"0.00;-0.00"_s << u"-3,50"_s;
    QTest::newRow("sections positive") << 3.5 << u"0.00;-0.00"_s << u"3,50"_s;
    QTest::newRow("counter") << 7.0 << u"000000"_s << u"000007"_s;
    QTest::newRow("code") << 8.0 << u"###"_s << u"  8"_s;
    QTest::newRow("code zero is blank") << 0.0 << u"####"_s << u"    "_s;
    QTest::newRow("negative money") << -30.0 << u"###,##0.00"_s << u"    -30,00"_s;
}

void TestReportPrinter::shouldPadNumbersToMaskWidth()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(ReportPrinter::paddedNumber(value, mask), expected);
}

void TestReportPrinter::shouldOrderTextsByPositionStyleAndText()
{
    ReportPrinter p;
    p.Abrir();
    p.ImpF(2, 1, u"segunda"_s, 0);
    p.ImpF(1, 5, u"B"_s, 1);
    p.ImpF(1, 5, u"A"_s, 1);
    p.ImpF(1, 5, u"Z"_s, 0);
    p.ImpF(1, 1, u"inicio"_s, 0);
    QStringList order;
    const TextReport report = p.report();
    for (const auto& t : report.texts())
        order << t.text;
    QCOMPARE(order, (QStringList{u"inicio"_s, u"Z"_s, u"A"_s, u"B"_s, u"segunda"_s}));
    // the last text placed at a column cuts off what an earlier one wrote there
    QCOMPARE(p.report().pageLines(1).first(), u"inicB"_s);
}

void TestReportPrinter::shouldReportMisuseWithExactTexts_data()
{
    QTest::addColumn<QString>("misuse");
    QTest::addColumn<QString>("message");
    QTest::newRow("line 0") << u"line0"_s << u"IMPRESSÃO: Posição de Impressão inválida, Linha/Coluna devem ser > 0"_s;
    QTest::newRow("column 0") << u"column0"_s
                              << u"IMPRESSÃO: Posição de Impressão inválida, Linha/Coluna devem ser > 0"_s;
    QTest::newRow("centred column 0") << u"centre0"_s
                                      << u"IMPRESSÃO: Posição de Impressão inválida, Linha/Coluna devem ser > 0"_s;
    QTest::newRow("open twice") << u"open"_s << u"Erro #01 - (ABRIR) Relatório já foi aberto..."_s;
    QTest::newRow("close closed") << u"close"_s << u"Erro #02 - (FECHAR) Relatório não foi aberto..."_s;
    QTest::newRow("place on closed") << u"imp"_s << u"Erro #06 - (IMP/IMPF) Relatório não foi aberto..."_s;
    QTest::newRow("file") << u"file"_s << u"Erro na abertura do arquivo...\n\nArquivo: /proc/nao/existe.txt"_s;
}

void TestReportPrinter::shouldReportMisuseWithExactTexts()
{
    QFETCH(QString, misuse);
    QFETCH(QString, message);
    RecordingMessageSink sink;
    ReportPrinter p;
    p.setMessageSink(&sink);
    if (misuse != u"close"_s && misuse != u"imp"_s)
        p.Abrir();
    if (misuse == u"line0"_s)
        p.Imp(0, 5, u"x"_s);
    else if (misuse == u"column0"_s)
        p.ImpNumero(3, 0, 1.0, u"0.00"_s, 0);
    else if (misuse == u"centre0"_s)
        p.ImpCentro(-1, 10, u"x"_s, 0);
    else if (misuse == u"open"_s)
        p.Abrir();
    else if (misuse == u"close"_s)
        p.Fechar();
    else if (misuse == u"imp"_s)
        p.Imp(1, 1, u"x"_s);
    else if (misuse == u"file"_s)
        QVERIFY(!p.GravarTexto(u"/proc/nao/existe.txt"_s));
    QCOMPARE(sink.texts(), QStringList{message});
    QVERIFY(p.report().texts().isEmpty());
}

void TestReportPrinter::shouldThrowWithoutMessageSink()
{
    ReportPrinter p;
    QVERIFY_THROWS_EXCEPTION(ReportPrinterError, p.Imp(1, 1, u"x"_s));
    p.Abrir();
    try {
        p.Imp(0, 1, u"x"_s);
        QFAIL("no error");
    } catch (const ReportPrinterError& e) {
        QCOMPARE(e.message(), ReportPrinter::invalidPositionMessage());
    }
}

void TestReportPrinter::shouldPreviewOrPrintOnClose()
{
    RecordingOutput out;
    ReportPrinter p;
    p.setOutput(&out);
    p.Abrir();
    p.Imp(1, 1, u"a"_s);
    p.Fechar();
    p.OpcoesPreview.Preview = false;
    p.Abrir();
    p.Imp(1, 1, u"b"_s);
    p.NovaPagina();
    p.Imp(1, 1, u"c"_s);
    p.Fechar();
    QCOMPARE(out.calls, (QStringList{u"preview:1"_s, u"print:2"_s}));
    QVERIFY(!p.isOpen());
}

void TestReportPrinter::shouldReplaceAnEarlierFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"sub/pasta/relatoriocaixa.txt"_s);
    ReportPrinter p;
    p.Abrir();
    p.Imp(1, 1, u"primeiro relatório, mais comprido"_s);
    QVERIFY(p.GravarTexto(file));
    p.Fechar();
    p.Abrir();
    p.Imp(1, 1, u"segundo"_s);
    QVERIFY(p.GravarTexto(file));
    QCOMPARE(readFile(file), QByteArray("segundo\r\n"));
}

QTEST_GUILESS_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
