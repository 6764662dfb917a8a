#include "app/adminsettings.h"
#include "app/inifile.h"
#include "app/tdm.h"
#include "reports/annualtable.h"
#include "reports/ui/annualtablerenderer.h"
#include "reports/ui/tfrmgraficomovimentacaoanualcaixa.h"
#include "reports/ui/tfrmmovimentacaoanualcaixa.h"
#include "reports/ui/trptmovimentacaoanualcolunaspagar.h"

#include "support/fakes.h"
#include "support/testdatabase.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QChart>

using namespace Qt::StringLiterals;

class TestAnnualReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void shouldOpenOnTheCurrentYearWithTheViewsDisabled();
    void shouldComputeOnceAndShowThePeriodTotal();
    void shouldRefuseAReversedPeriodAndComputeNothing();
    void shouldReportADatabaseFailureAndAllowAnotherTry();
    void shouldPreviewTheTableOfTheComputedPeriod();
    void shouldChartOneBarPerKindAtItsCodePosition();
    void shouldShowAnEmptyTableAndAnEmptyChartForAPeriodWithoutRows();
    void shouldDrawTheTableOnLandscapeLetterExtraPages();
    void shouldCarryALongTableOverSeveralPagesWithTheSummaryLast();
    void shouldWrapALongDescriptionOntoASecondLine();
    void shouldWriteAPdfWhoseTextIsTheTable();
    void shouldSaveInTheChosenFormat();

private:
    template <typename T> T* child(QWidget& w, const char* name)
    {
        T* found = w.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    // Computes the fixture year in the window and returns it ready for the views.
    void generate(TFrmMovimentacaoAnualCaixa& w, const QDate& dataI, const QDate& dataF)
    {
        child<QDateEdit>(w, "DataIni")->setDate(dataI);
        child<QDateEdit>(w, "DataFinal")->setDate(dataF);
        child<QPushButton>(w, "BitBtn3")->click();
    }
    AnnualTableData fixtureData();
    static QString pdfText(const QString& pdf, const QStringList& extra = {});
    static void screenshot(QWidget& w, const QString& name, int settleMs = 300);

    TestDatabase m_db{u"annualreport"_s};
    FixedClock m_clock{QDateTime(QDate(2025, 8, 15), QTime(10, 0))};
    RecordingMessageSink m_messages;
    std::unique_ptr<TDM> m_dm;
};

void TestAnnualReport::initTestCase()
{
    REQUIRE_TEST_DB();
    QCOMPARE(m_db.recreate(), QString());
    QCOMPARE(m_db.execScript(QStringLiteral(CAIXA_SOURCE_DIR "/tests/data/reports/caixa-anual.sql")), QString());
}

void TestAnnualReport::init()
{
    AdminSettings s = AdminSettings::read(IniFile::fromBytes("[GERAL]\nENVIAEMAIL=N\n"));
    s.local = s.loja = s.email = m_db.settings();
    m_dm = std::make_unique<TDM>(s, m_clock, m_messages);
    QVERIFY(m_dm->DataModuleCreate());
}

void TestAnnualReport::cleanup()
{
    m_dm.reset();
    m_messages.messages.clear();
}

// Pictures for the user guide, taken only when ./run screenshots asks for them.
void TestAnnualReport::screenshot(QWidget& w, const QString& name, int settleMs)
{
    const QString docs = qEnvironmentVariable("CAIXA_DOCS_DIR");
    if (docs.isEmpty())
        return;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(settleMs);
    QVERIFY(w.grab().save(QDir(docs).filePath(name)));
}

AnnualTableData TestAnnualReport::fixtureData()
{
    AnnualTableData data;
    TFrmMovimentacaoAnualCaixa w(*m_dm);
    generate(w, QDate(2025, 1, 1), QDate(2025, 12, 31));
    w.setModalRunner([&](QDialog& d) { data = static_cast<TRptMovimentacaoAnualColunasPagar&>(d).data(); });
    child<QPushButton>(w, "TSpeedButton11")->click();
    return data;
}

QString TestAnnualReport::pdfText(const QString& pdf, const QStringList& extra)
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        return u"pdftotext (poppler-utils) não encontrado; ./run o instala"_s;
    QProcess proc;
    proc.start(pdftotext, extra + QStringList{u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    proc.waitForFinished(30000);
    return QString::fromUtf8(proc.readAllStandardOutput());
}

void TestAnnualReport::shouldOpenOnTheCurrentYearWithTheViewsDisabled()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);

    QCOMPARE(w.windowTitle(), u"Quilate Sistemas"_s);
    QCOMPARE(child<QLabel>(w, "Panel3")->text(), u"Movimentação Anual Caixa"_s);
    QCOMPARE(child<QDateEdit>(w, "DataIni")->date(), QDate(2025, 1, 1));
    QCOMPARE(child<QDateEdit>(w, "DataFinal")->date(), QDate(2025, 12, 31));
    QVERIFY(child<QPushButton>(w, "BitBtn3")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "TSpeedButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "TSpeedButton11")->isEnabled());
    QVERIFY(child<QPushButton>(w, "BitBtn4")->isEnabled());
    QVERIFY(child<QLabel>(w, "label2")->isHidden());
    QVERIFY(child<QLabel>(w, "label5")->isHidden());
    QVERIFY(child<QWidget>(w, "GIFAnimator1")->isHidden());
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
}

void TestAnnualReport::shouldComputeOnceAndShowThePeriodTotal()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);

    generate(w, QDate(2025, 1, 1), QDate(2025, 12, 31));

    QVERIFY(m_messages.messages.isEmpty());
    QCOMPARE(qRound(w.total() * 100), 131525);
    QCOMPARE(child<QLabel>(w, "label2")->text(), u"Total R$ : "_s);
    QCOMPARE(child<QLabel>(w, "label5")->text(), u"1.315,25"_s);
    QVERIFY(!child<QLabel>(w, "label5")->isHidden());
    QVERIFY(!child<QPushButton>(w, "BitBtn3")->isEnabled()); // a new computation needs a new opening
    QVERIFY(child<QPushButton>(w, "TSpeedButton")->isEnabled());
    QVERIFY(child<QPushButton>(w, "TSpeedButton11")->isEnabled());
    QVERIFY(child<QWidget>(w, "GIFAnimator1")->isHidden());
    screenshot(w, u"movimentacao-anual.png"_s);
}

void TestAnnualReport::shouldRefuseAReversedPeriodAndComputeNothing()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);

    generate(w, QDate(2025, 12, 31), QDate(2025, 1, 1));

    QCOMPARE(m_messages.texts(), QStringList{u"A Data Inicial não pode ser maior que a Data Final !!!"_s});
    QCOMPARE(m_messages.messages.first().title, u"Quilate Sistemas, Atenção !!!"_s);
    QVERIFY(child<QPushButton>(w, "BitBtn3")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "TSpeedButton")->isEnabled());
    QVERIFY(child<QLabel>(w, "label5")->isHidden());
    QCOMPARE(m_dm->MyConnection1().scalar(u"teste"_s, u"select count(*) from resumo"_s).toInt(), 0);
}

void TestAnnualReport::shouldReportADatabaseFailureAndAllowAnotherTry()
{
    // given a work table that has lost a column on this connection
    m_dm->MyConnection1().query(u"teste"_s, u"alter table resumoanual drop column mes"_s);
    TFrmMovimentacaoAnualCaixa w(*m_dm);

    generate(w, QDate(2025, 1, 1), QDate(2025, 12, 31));

    // then the error is shown, nothing of the computation is kept and it can be tried again
    QCOMPARE(m_messages.messages.size(), 1);
    QCOMPARE(m_messages.messages.first().kind, MessageSink::Kind::Error);
    QVERIFY(m_messages.messages.first().text.endsWith(u"(tbQIndiv)"_s));
    QCOMPARE(m_dm->MyConnection1().scalar(u"teste"_s, u"select count(*) from resumo"_s).toInt(), 0);
    QVERIFY(child<QPushButton>(w, "BitBtn3")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "TSpeedButton")->isEnabled());
    QVERIFY(!child<QPushButton>(w, "TSpeedButton11")->isEnabled());
    QVERIFY(child<QLabel>(w, "label5")->isHidden());
    QVERIFY(child<QWidget>(w, "GIFAnimator1")->isHidden());
}

void TestAnnualReport::shouldPreviewTheTableOfTheComputedPeriod()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);
    generate(w, QDate(2025, 1, 1), QDate(2025, 12, 31));
    // the pickers moved after the computation do not change what the views describe
    child<QDateEdit>(w, "DataIni")->setDate(QDate(2025, 5, 1));
    int previews = 0;
    w.setModalRunner([&](QDialog& d) {
        auto* report = qobject_cast<TRptMovimentacaoAnualColunasPagar*>(&d);
        QVERIFY(report);
        ++previews;
        QCOMPARE(report->windowTitle(), u"Perc. de Venda"_s);
        QVERIFY(report->windowState() & Qt::WindowMaximized);
        QCOMPARE(report->zoom(), 0); // page width
        QCOMPARE(report->data().storeName, u"CALÇADOS BOA VISTA"_s);
        QCOMPARE(report->data().title, u"Relatório de Movimentação Anual no Período: 01/01/2025 à 31/12/2025"_s);
        QCOMPARE(report->data().lines.size(), 7);
        QCOMPARE(report->renderer().pageCount(), 1);
        QCOMPARE(child<QLabel>(*report, "lblPagina")->text(), u"Página 1 de 1"_s);
        screenshot(*report, u"movimentacao-anual-tabela.png"_s);
    });

    child<QPushButton>(w, "TSpeedButton11")->click();

    QCOMPARE(previews, 1);
    QVERIFY(m_messages.messages.isEmpty());
}

void TestAnnualReport::shouldChartOneBarPerKindAtItsCodePosition()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);
    generate(w, QDate(2025, 1, 1), QDate(2025, 12, 31));
    int charts = 0;
    w.setModalRunner([&](QDialog& d) {
        auto* chart = qobject_cast<TFrmGraficoMovimentacaoAnualCaixa*>(&d);
        QVERIFY(chart);
        ++charts;
        QCOMPARE(chart->windowTitle(), u"Grafico Movimentação Anual do Caixa"_s);
        QCOMPARE(child<QLabel>(*chart, "lbl1")->text(), u"Total de Credito R$ "_s);
        QCOMPARE(child<QLineEdit>(*chart, "CurrencyEdit1")->text(), u"1.315,25"_s);
        QCOMPARE(child<QLineEdit>(*chart, "edt1")->text(), u"01/01/2025"_s);
        QCOMPARE(child<QLineEdit>(*chart, "edt2")->text(), u"31/12/2025"_s);
        QVERIFY(child<QLineEdit>(*chart, "CurrencyEdit1")->isReadOnly());
        QCOMPARE(chart->chart()->title(), QString());

        // one bar per kind, in the order of the codes; the kinds without a code at 0
        QList<double> positions;
        QStringList marks;
        QSet<QRgb> colors;
        for (const auto& bar : chart->bars()) {
            positions << bar.position;
            marks << bar.mark;
            colors << bar.color.rgb();
        }
        QCOMPARE(positions, (QList<double>{0, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(marks,
                 (QStringList{u"Cartão de Credito\n9,88 %"_s, u"CARTAO CREDITO\n22,81 %"_s, u"CARTAO DEBITO\n3,44 %"_s,
                              u"CHEQUE\n4,56 %"_s, u"DINHEIRO\n36,49 %"_s, u"PIX\n15,21 %"_s, u"SANGRIA\n7,6 %"_s}));
        QCOMPARE(chart->bars().last().value, 100.0);
        QCOMPARE(colors.size(), 7);
        QCOMPARE(chart->categories(), (QStringList{u"Cartão de Credito"_s, u"CARTAO CREDITO"_s, u"CARTAO DEBITO"_s,
                                                   u"CHEQUE"_s, u"DINHEIRO"_s, u"PIX"_s, u"SANGRIA"_s}));
        screenshot(*chart, u"movimentacao-anual-grafico.png"_s, 1500);
    });

    child<QPushButton>(w, "TSpeedButton")->click();

    QCOMPARE(charts, 1);
}

void TestAnnualReport::shouldShowAnEmptyTableAndAnEmptyChartForAPeriodWithoutRows()
{
    TFrmMovimentacaoAnualCaixa w(*m_dm);
    generate(w, QDate(2023, 1, 1), QDate(2023, 12, 31));
    QCOMPARE(child<QLabel>(w, "label5")->text(), u"0,00"_s);
    QVERIFY(child<QPushButton>(w, "TSpeedButton11")->isEnabled());

    w.setModalRunner([&](QDialog& d) {
        auto& report = static_cast<TRptMovimentacaoAnualColunasPagar&>(d);
        QVERIFY(report.data().lines.isEmpty());
        QCOMPARE(report.data().totalSum, 0.0);
        QCOMPARE(report.renderer().pageCount(), 1);
        QVERIFY(report.renderer().pages().first().summary);
        // the page carries the headers, no line, and the zero summary
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"vazio.pdf"_s);
        QCOMPARE(report.savePdf(pdf), QString());
        QStringList lines;
        for (const QString& l : pdfText(pdf, {u"-layout"_s}).split(u'\n'))
            if (!l.simplified().isEmpty())
                lines << l.simplified();
        QCOMPARE(lines, (QStringList{u"CALÇADOS BOA VISTA"_s,
                                     u"Relatório de Movimentação Anual no Período: 01/01/2023 à 31/12/2023"_s,
                                     u"Tipo de Pagamentos Janeiro Fevereiro Março Abril Maio Junho Julho Agosto "
                                     "Setembro Outubro Novembro Dezembro Total R$"_s,
                                     u"Total R$ 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00"_s}));
    });
    child<QPushButton>(w, "TSpeedButton11")->click();

    w.setModalRunner([&](QDialog& d) {
        auto& chart = static_cast<TFrmGraficoMovimentacaoAnualCaixa&>(d);
        QVERIFY(chart.bars().isEmpty());
        QVERIFY(chart.categories().isEmpty());
        QCOMPARE(child<QLineEdit>(chart, "CurrencyEdit1")->text(), u"0,00"_s);
    });
    child<QPushButton>(w, "TSpeedButton")->click();
    QVERIFY(m_messages.messages.isEmpty());
}

void TestAnnualReport::shouldDrawTheTableOnLandscapeLetterExtraPages()
{
    // LetterExtra is 9.5 x 12 inches, here lying
    const QSizeF paper = AnnualTableRenderer::paperMm();
    QCOMPARE(qRound(paper.width() * 10), 3048);
    QCOMPARE(qRound(paper.height() * 10), 2413);
    const QList<double> widths = AnnualTableRenderer::columnWidthsMm();
    QCOMPARE(widths.size(), 14);
    QCOMPARE(qRound(widths[0] / widths[1] * 10), 25);
    for (int i = 2; i < widths.size(); ++i)
        QCOMPARE(widths[i], widths[1]);
}

void TestAnnualReport::shouldCarryALongTableOverSeveralPagesWithTheSummaryLast()
{
    AnnualTableData data;
    for (int i = 0; i < 90; ++i) {
        AnnualLine line;
        line.descricao = u"TIPO %1"_s.arg(i);
        line.months[i % 12] = i;
        line.totalgeral = i;
        data.lines << line;
    }

    const AnnualTableRenderer renderer(data);

    QVERIFY(renderer.pageCount() >= 2);
    int next = 0;
    for (int p = 0; p < renderer.pageCount(); ++p) {
        const auto& page = renderer.pages()[p];
        QCOMPARE(page.first, next);
        next += page.count;
        QCOMPARE(page.summary, p == renderer.pageCount() - 1);
    }
    QCOMPARE(next, 90);
}

void TestAnnualReport::shouldWrapALongDescriptionOntoASecondLine()
{
    AnnualTableData data;
    AnnualLine shortLine, longLine;
    shortLine.descricao = u"PIX"_s;
    longLine.descricao = u"Recebimento Crediario Cartao Credito"_s;
    data.lines << shortLine << longLine;

    const AnnualTableRenderer renderer(data);

    QVERIFY(renderer.rowHeightMm(1) > renderer.rowHeightMm(0) * 1.4);
}

void TestAnnualReport::shouldWriteAPdfWhoseTextIsTheTable()
{
    AnnualTableData data = fixtureData();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"anual.pdf"_s);
    QString error;

    QVERIFY(AnnualTableRenderer(data).writePdf(pdf, &error));

    QCOMPARE(error, QString());
    const QString info = pdfText(pdf, {u"-layout"_s});
    const QStringList lines = info.split(u'\n');
    const auto lineWith = [&](const QString& start) {
        for (const QString& l : lines)
            if (l.simplified().startsWith(start))
                return l.simplified();
        return QString();
    };
    QVERIFY2(info.contains(u"CALÇADOS BOA VISTA"_s), qPrintable(info));
    QVERIFY(info.contains(u"Relatório de Movimentação Anual no Período: 01/01/2025 à 31/12/2025"_s));
    QCOMPARE(lineWith(u"Tipo de Pagamentos"_s),
             u"Tipo de Pagamentos Janeiro Fevereiro Março Abril Maio Junho Julho Agosto Setembro Outubro Novembro "
             "Dezembro Total R$"_s);
    QCOMPARE(lineWith(u"SANGRIA"_s), u"SANGRIA 0,00 0,00 100,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 100,00"_s);
    QCOMPARE(lineWith(u"DINHEIRO"_s),
             u"DINHEIRO 200,00 0,00 200,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 0,00 80,00 480,00"_s);
    QCOMPARE(lineWith(u"Total R$ 200"_s),
             u"Total R$ 200,00 200,00 300,00 130,00 0,00 345,25 0,00 0,00 0,00 0,00 60,00 80,00 1.315,25"_s);

    QProcess pdfinfo;
    pdfinfo.start(QStandardPaths::findExecutable(u"pdfinfo"_s), {pdf});
    pdfinfo.waitForFinished(30000);
    const QString meta = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(meta.contains(u"864 x 684 pts"_s), qPrintable(meta));
    QVERIFY(meta.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
}

void TestAnnualReport::shouldSaveInTheChosenFormat()
{
    TRptMovimentacaoAnualColunasPagar report(*m_dm);
    report.open();
    report.setTitleLine(AnnualTable::titleLine(QDate(2025, 1, 1), QDate(2025, 12, 31)));
    QTemporaryDir dir;

    QCOMPARE(report.saveAs(dir.filePath(u"a.csv"_s), TRptMovimentacaoAnualColunasPagar::FilterCsv), QString());
    QCOMPARE(report.saveAs(dir.filePath(u"b.pdf"_s), TRptMovimentacaoAnualColunasPagar::FilterPdf), QString());
    QCOMPARE(report.saveAs(dir.filePath(u"c.xml"_s), QString()), QString());
    QCOMPARE(report.saveAs(u"/nao/existe/d.csv"_s, TRptMovimentacaoAnualColunasPagar::FilterCsv),
             u"Erro na abertura do arquivo...\n\nArquivo: /nao/existe/d.csv"_s);

    QFile csv(dir.filePath(u"a.csv"_s));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll().mid(3)), AnnualTable::toCsv(report.data()));
    QFile pdf(dir.filePath(u"b.pdf"_s));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QFile xml(dir.filePath(u"c.xml"_s));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    QVERIFY(xml.readAll().contains("urn:schemas-microsoft-com:office:spreadsheet"));
}

QTEST_MAIN(TestAnnualReport)
#include "tst_annualreport.moc"
