#include "reportrenderer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double kUnitsPerInch = 720.0; // drawing units: tenths of a point

QFont reportFont(int style)
{
    QFont font(u"DejaVu Sans Mono"_s);
    if (!QFontDatabase::families().contains(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(int(kUnitsPerInch / ReportRenderer::kLinesPerInch * 0.9));
    font.setBold(style & TextStyle::Bold);
    font.setItalic(style & TextStyle::Italic);
    return font;
}

} // namespace

ReportRenderer::ReportRenderer(const TextReport& report)
    : m_report(report)
{
}

QSizeF ReportRenderer::pageSizeInches(int page) const
{
    const double columns = std::max(m_report.TamanhoQteColunas, 1);
    const double lines = std::max({m_report.pageLength(page), m_report.TamanhoQteLinhas, 1});
    return {columns / TextReport::cpi(m_report.FonteTamanhoPadrao) + 2 * kMarginInches,
            lines / kLinesPerInch + 2 * kMarginInches};
}

void ReportRenderer::paintPage(QPainter& painter, int page, const QRectF& target) const
{
    const QSizeF inches = pageSizeInches(page);
    const double scale = std::min(target.width() / (inches.width() * kUnitsPerInch),
                                  target.height() / (inches.height() * kUnitsPerInch));
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, inches.width() * kUnitsPerInch, inches.height() * kUnitsPerInch), Qt::white);
    painter.setPen(Qt::black);

    const double margin = kMarginInches * kUnitsPerInch;
    const double lineHeight = kUnitsPerInch / kLinesPerInch;
    const double column = kUnitsPerInch / TextReport::cpi(m_report.FonteTamanhoPadrao);
    for (const PlacedText& t : m_report.texts()) {
        if (t.page != page)
            continue;
        const QString text = m_report.printable(t.text);
        const QFont font = reportFont(t.style);
        const QFontMetricsF metrics(font);
        const double natural = metrics.horizontalAdvance(u'0');
        const double advance = kUnitsPerInch / TextReport::styleCpi(t.style, m_report.FonteTamanhoPadrao);
        const double x = margin + (t.column - 1) * column;
        const double baseline = margin + (t.line - 1) * lineHeight + lineHeight * 0.8;
        painter.save();
        painter.setFont(font);
        painter.translate(x, baseline);
        painter.scale(advance / natural, 1.0);
        for (int i = 0; i < text.size(); ++i)
            painter.drawText(QPointF(i * natural, 0), QString(text.at(i)));
        if (t.style & TextStyle::Underline) {
            QPen pen(Qt::black, std::max(metrics.lineWidth(), 1.0));
            painter.setPen(pen);
            const double y = metrics.underlinePos();
            painter.drawLine(QPointF(0, y), QPointF(text.size() * natural, y));
        }
        painter.restore();
    }
    painter.restore();
}

QImage ReportRenderer::pageImage(int page, double dotsPerInch) const
{
    const QSizeF inches = pageSizeInches(page);
    QImage image(QSize(int(inches.width() * dotsPerInch + 0.5), int(inches.height() * dotsPerInch + 0.5)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, QRectF(QPointF(0, 0), image.size()));
    return image;
}

bool ReportRenderer::writePdf(const QString& fileName, QString* error) const
{
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setTitle(m_report.title);
    writer.setCreator(u"Caixa"_s);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(pageSizeInches(1), QPageSize::Inch));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = u"Não foi possível gravar o arquivo %1."_s.arg(fileName);
        return false;
    }
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1) {
            writer.setPageSize(QPageSize(pageSizeInches(page), QPageSize::Inch));
            writer.newPage();
        }
        const QSizeF inches = pageSizeInches(page);
        paintPage(painter, page, QRectF(0, 0, inches.width() * 600, inches.height() * 600));
    }
    painter.end();
    return true;
}

void ReportRenderer::print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    bool first = true;
    for (int page = 1; page <= pageCount(); ++page) {
        const QSizeF inches = pageSizeInches(page);
        // Natural size, narrowed to the paper's width; a page longer than the paper (a roll)
        // goes on as many sheets as it needs.
        const double scale = std::min(double(printer.resolution()), area.width() / inches.width());
        const double height = inches.height() * scale;
        for (double offset = 0; offset < height; offset += area.height()) {
            if (!first)
                printer.newPage();
            first = false;
            painter.save();
            painter.setClipRect(QRectF(0, 0, area.width(), area.height()));
            painter.translate(0, -offset);
            paintPage(painter, page, QRectF(0, 0, inches.width() * scale, height));
            painter.restore();
        }
    }
    painter.end();
}
