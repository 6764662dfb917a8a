#include "output/reportprinter.h"
#include "output/ui/reportrenderer.h"
#include "output/ui/tfrmpreview.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Two pages; every line has a bar at column 20 after texts of different shapes and styles.
TextReport barsReport()
{
    ReportPrinter p;
    p.TamanhoQteLinhas = 8;
    p.TamanhoQteColunas = 40;
    p.FonteTamanhoPadrao = FontPitch::S10cpp;
    p.OpcoesPreview.caption = u"Visualização"_s;
    p.Abrir();
    const QStringList lefts = {u"iiiiiiiiiiiiiiiiiii"_s, u"WWWWWWWWWWWWWWWWWWW"_s, u"ÇÃÕÉÍÓÚçãõéíóú....."_s,
                               u"1.234,50 Dinheiro"_s};
    int line = 1;
    for (const QString& left : lefts) {
        p.ImpF(line, 1, left, line % 2 ? 0 : TextStyle::Bold);
        p.Imp(line, 20, u"|"_s);
        p.ImpNumero(line, 22, 1234.5 * line, u"###,##0.00"_s, 0);
        ++line;
    }
    p.ImpF(6, 1, u"Texto em 20 cpi"_s, TextStyle::Pitch20);
    p.ImpF(6, 20, u"|"_s, TextStyle::Underline);
    p.NovaPagina();
    p.Imp(1, 1, u"Segunda página"_s);
    p.Imp(2, 20, u"|"_s);
    return p.report();
}

// x of the darkest pixel column inside the band of a line, searched around an expected x.
int barX(const QImage& image, double top, double height, double fromX, double toX)
{
    int best = -1;
    int bestDark = 0;
    for (int x = int(fromX); x < int(toX) && x < image.width(); ++x) {
        int dark = 0;
        for (int y = int(top); y < int(top + height) && y < image.height(); ++y)
            dark += 255 - qGray(image.pixel(x, y));
        if (dark > bestDark) {
            bestDark = dark;
            best = x;
        }
    }
    return best;
}

void checkBarsAligned(const QImage& image, double dpi, const QList<int>& lines)
{
    const double margin = ReportRenderer::kMarginInches * dpi;
    const double lineHeight = dpi / ReportRenderer::kLinesPerInch;
    const double column = dpi / 10.0;
    const double cellLeft = margin + 19 * column;
    QList<int> xs;
    for (int line : lines)
        xs << barX(image, margin + (line - 1) * lineHeight, lineHeight, cellLeft, cellLeft + column);
    for (int x : xs) {
        QVERIFY2(x >= 0, "bar not found in its column");
        QVERIFY2(qAbs(x - xs.first()) <= 1, qPrintable(u"bars at %1"_s.arg([&] {
                     QStringList s;
                     for (int v : xs)
                         s << QString::number(v);
                     return s.join(u',');
                 }())));
    }
}

QString squeeze(const QString& line)
{
    return line.simplified();
}

} // namespace

class TestReportRenderer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shouldDrawEveryCharacterInItsColumn();
    void shouldShowAlignedColumnsInPreview();
    void shouldWritePdfWithTheSameLines();
    void shouldSizeRollAndPagedReports();
};

void TestReportRenderer::shouldDrawEveryCharacterInItsColumn()
{
    const TextReport report = barsReport();
    const QImage image = ReportRenderer(report).pageImage(1, 200);
    checkBarsAligned(image, 200, {1, 2, 3, 4, 6});
}

void TestReportRenderer::shouldShowAlignedColumnsInPreview()
{
    const TextReport report = barsReport();
    TFrmPreview preview(report, 100);
    preview.resize(1000, 900);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.findChild<QLabel*>(u"lblPagina"_s)->text(), u"Página 1 de 2"_s);

    preview.setZoom(200);
    QWidget* page = preview.findChild<QScrollArea*>(u"scroll"_s)->widget();
    const QImage image = page->grab().toImage();
    checkBarsAligned(image, 96 * 2, {1, 2, 3, 4, 6});

    preview.findChild<QPushButton*>(u"btnProxima"_s)->click();
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(!preview.findChild<QPushButton*>(u"btnProxima"_s)->isEnabled());
    QCOMPARE(preview.findChild<QLabel*>(u"lblPagina"_s)->text(), u"Página 2 de 2"_s);
}

void TestReportRenderer::shouldWritePdfWithTheSameLines()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed; ./run installs it");
    const TextReport report = barsReport();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"relatorio.pdf"_s);
    TFrmPreview preview(report, 100);
    QCOMPARE(preview.savePdf(pdf), QString());

    QProcess proc;
    proc.start(pdftotext, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    QVERIFY(proc.waitForFinished(30000));
    QCOMPARE(proc.exitCode(), 0);
    QStringList pdfLines;
    for (const QString& l : QString::fromUtf8(proc.readAllStandardOutput()).split(QRegularExpression(u"[\n\f]"_s)))
        if (!l.trimmed().isEmpty())
            pdfLines << squeeze(l);

    QStringList expected;
    for (int page = 1; page <= report.pageCount(); ++page)
        for (const QString& l : report.pageLines(page))
            if (!l.trimmed().isEmpty())
                expected << squeeze(l);
    QCOMPARE(pdfLines, expected);
}

void TestReportRenderer::shouldSizeRollAndPagedReports()
{
    TextReport roll;
    roll.TamanhoQteLinhas = 1;
    roll.TamanhoQteColunas = 58;
    roll.place({1, 120, 1, 0, u"fim"_s});
    const QSizeF rollSize = ReportRenderer(roll).pageSizeInches(1);
    QCOMPARE(rollSize.width(), 5.8 + 2 * ReportRenderer::kMarginInches);
    QCOMPARE(rollSize.height(), 20.0 + 2 * ReportRenderer::kMarginInches);

    TextReport paged;
    paged.TamanhoQteLinhas = 50;
    paged.TamanhoQteColunas = 95;
    paged.FonteTamanhoPadrao = FontPitch::S12cpp;
    paged.place({1, 3, 1, 0, u"x"_s});
    const QSizeF pagedSize = ReportRenderer(paged).pageSizeInches(1);
    QVERIFY(qAbs(pagedSize.width() - (95.0 / 12 + 0.6)) < 1e-9);
    QVERIFY(qAbs(pagedSize.height() - (50.0 / 6 + 0.6)) < 1e-9);
}

QTEST_MAIN(TestReportRenderer)
#include "tst_reportrenderer.moc"
