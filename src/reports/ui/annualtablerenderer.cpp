#include "annualtablerenderer.h"

#include "app/brformat.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Drawing units: hundredths of a millimetre.
constexpr double kUnits = 100.0;
constexpr double kMargin = 10.0 * kUnits;
constexpr double kPad = 1.0 * kUnits;         // text inside a cell
constexpr double kStoreHeight = 7.5 * kUnits; // page header: store name line
constexpr double kTitleHeight = 6.0 * kUnits; //              title line
constexpr double kHeaderGap = 3.0 * kUnits;
constexpr double kColumnHeaderHeight = 7.0 * kUnits;
constexpr double kSummaryHeight = 7.0 * kUnits;
constexpr double kRule = 0.2 * kUnits;
constexpr int kDescriptionLines = 2;

QFont font(const QString& family, QFont::StyleHint hint, double points, bool bold)
{
    QFont f(family);
    f.setStyleHint(hint);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(int(points * 25.4 / 72.0 * kUnits + 0.5));
    f.setBold(bold);
    return f;
}

QFont arial(double points, bool bold = false)
{
    return font(u"Arial"_s, QFont::SansSerif, points, bold);
}

QFont courier(double points)
{
    return font(u"Courier New"_s, QFont::TypeWriter, points, false);
}

QFont storeFont()
{
    return arial(12, true);
}
QFont titleFont()
{
    return arial(10, true);
}
QFont headingFont()
{
    return arial(8, true);
}
QFont valueFont()
{
    return arial(8);
}
QFont summaryFont()
{
    return arial(8, true);
}
QFont descriptionFont()
{
    return courier(8);
}

// The description in at most two lines of the cell, broken at words (or anywhere in a word
// longer than the cell); what does not fit ends the second line with an ellipsis.
QStringList wrapDescription(const QString& text, double width)
{
    const QFont f = descriptionFont();
    QTextLayout layout(text, f);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    if (lines.size() > kDescriptionLines) {
        const QString rest = QStringList(lines.mid(kDescriptionLines - 1)).join(QString());
        lines = lines.mid(0, kDescriptionLines - 1);
        lines << QFontMetricsF(f).elidedText(rest, Qt::ElideRight, width);
    }
    for (QString& l : lines)
        l = l.trimmed();
    return lines;
}

// Draws the text in the rectangle, narrowing the font when the text is wider than the cell
// so that a large amount never runs into the next column.
void drawFitted(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& base)
{
    QFont f = base;
    const double width = QFontMetricsF(f).horizontalAdvance(text);
    if (width > r.width() && width > 0)
        f.setPixelSize(std::max(1, int(f.pixelSize() * r.width() / width)));
    p.setFont(f);
    p.drawText(r, flags | Qt::TextSingleLine, text);
}

double lineSpacing(const QFont& f)
{
    return QFontMetricsF(f).lineSpacing();
}

} // namespace

AnnualTableRenderer::AnnualTableRenderer(AnnualTableData data)
    : m_data(std::move(data))
{
    const double first = columnWidthsMm().first() * kUnits;
    for (const AnnualLine& line : m_data.lines)
        m_rowHeights << wrapDescription(line.descricao, first - 2 * kPad).size() * lineSpacing(descriptionFont()) +
                            2 * kPad;
    paginate();
}

double AnnualTableRenderer::rowHeightMm(int line) const
{
    return m_rowHeights.value(line) / kUnits;
}

QPageLayout AnnualTableRenderer::pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::LetterExtra), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

QSizeF AnnualTableRenderer::paperMm()
{
    return pageLayout().fullRect(QPageLayout::Millimeter).size();
}

QList<double> AnnualTableRenderer::columnWidthsMm()
{
    const double table = paperMm().width() - 2 * kMargin / kUnits;
    const double month = table / 15.5;
    QList<double> widths{2.5 * month};
    for (int i = 0; i < 13; ++i)
        widths << month;
    return widths;
}

void AnnualTableRenderer::paginate()
{
    const double top = kMargin + kStoreHeight + kTitleHeight + kHeaderGap + kColumnHeaderHeight;
    const double bottom = paperMm().height() * kUnits - kMargin;
    Page page;
    double y = top;
    for (int i = 0; i < m_data.lines.size(); ++i) {
        if (y + m_rowHeights[i] > bottom && page.count > 0) {
            m_pages << page;
            page = {i, 0, false};
            y = top;
        }
        ++page.count;
        y += m_rowHeights[i];
    }
    if (y + kSummaryHeight > bottom && page.count > 0) {
        m_pages << page;
        page = {int(m_data.lines.size()), 0, false};
    }
    page.summary = true;
    m_pages << page;
}

void AnnualTableRenderer::paintPage(QPainter& painter, int number, const QRectF& target) const
{
    if (number < 1 || number > pageCount())
        return;
    const Page& page = m_pages[number - 1];
    const QSizeF paper = paperMm() * kUnits;
    const double scale = std::min(target.width() / paper.width(), target.height() / paper.height());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), paper), Qt::white);
    QPen pen(Qt::black, kRule);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);

    QList<double> x{kMargin};
    for (double w : columnWidthsMm())
        x << x.last() + w * kUnits;
    const double left = x.first();
    const double right = x.last();
    const double width = right - left;
    const auto cell = [&](int column, double top, double height) {
        return QRectF(x[column] + kPad, top, x[column + 1] - x[column] - 2 * kPad, height);
    };
    const auto rules = [&](double top, double bottom) {
        for (double at : x)
            painter.drawLine(QPointF(at, top), QPointF(at, bottom));
    };

    // Page header.
    double y = kMargin;
    drawFitted(painter, QRectF(left, y, width, kStoreHeight), Qt::AlignHCenter | Qt::AlignVCenter, m_data.storeName,
               storeFont());
    y += kStoreHeight;
    drawFitted(painter, QRectF(left, y, width, kTitleHeight), Qt::AlignHCenter | Qt::AlignVCenter, m_data.title,
               titleFont());
    y += kTitleHeight + kHeaderGap;

    // Column header: framed top, left and right.
    const QStringList& headings = AnnualTable::headings();
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    rules(y, y + kColumnHeaderHeight);
    for (int c = 0; c < headings.size(); ++c)
        drawFitted(painter, cell(c, y, kColumnHeaderHeight),
                   (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, headings[c], headingFont());
    y += kColumnHeaderHeight;

    // Detail bands.
    const double descLine = lineSpacing(descriptionFont());
    const double ascent = QFontMetricsF(descriptionFont()).ascent();
    for (int i = page.first; i < page.first + page.count; ++i) {
        const AnnualLine& line = m_data.lines[i];
        const double h = m_rowHeights[i];
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        rules(y, y + h);
        painter.setFont(descriptionFont());
        const QStringList text = wrapDescription(line.descricao, x[1] - x[0] - 2 * kPad);
        for (int l = 0; l < text.size(); ++l)
            painter.drawText(QPointF(x[0] + kPad, y + kPad + l * descLine + ascent), text[l]);
        for (int m = 0; m < 12; ++m)
            drawFitted(painter, cell(m + 1, y, h), Qt::AlignRight | Qt::AlignVCenter,
                       br::formatFloat(AnnualTable::DetailMask, line.months[m]), valueFont());
        drawFitted(painter, cell(13, y, h), Qt::AlignRight | Qt::AlignVCenter,
                   br::formatFloat(AnnualTable::DetailMask, line.totalgeral), valueFont());
        y += h;
    }
    // The table is closed at the foot of a page that the summary does not close.
    painter.drawLine(QPointF(left, y), QPointF(right, y));

    // Summary: framed on all sides.
    if (page.summary) {
        rules(y, y + kSummaryHeight);
        painter.drawLine(QPointF(left, y + kSummaryHeight), QPointF(right, y + kSummaryHeight));
        drawFitted(painter, cell(0, y, kSummaryHeight), Qt::AlignHCenter | Qt::AlignVCenter, u"Total R$"_s,
                   summaryFont());
        for (int m = 0; m < 12; ++m)
            drawFitted(painter, cell(m + 1, y, kSummaryHeight), Qt::AlignRight | Qt::AlignVCenter,
                       br::formatFloat(AnnualTable::SummaryMask, m_data.monthSums[m]), summaryFont());
        drawFitted(painter, cell(13, y, kSummaryHeight), Qt::AlignRight | Qt::AlignVCenter,
                   br::formatFloat(AnnualTable::SummaryMask, m_data.totalSum), summaryFont());
    }
    painter.restore();
}

QImage AnnualTableRenderer::pageImage(int page, double dotsPerInch) const
{
    const QSizeF inches = paperMm() / 25.4;
    QImage image(QSize(int(inches.width() * dotsPerInch + 0.5), int(inches.height() * dotsPerInch + 0.5)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dotsPerInch / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, QRectF(QPointF(0, 0), image.size()));
    return image;
}

bool AnnualTableRenderer::writePdf(const QString& fileName, QString* error) const
{
    QPdfWriter writer(fileName);
    writer.setResolution(1200);
    writer.setTitle(AnnualTable::ReportTitle);
    writer.setCreator(u"Caixa"_s);
    writer.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = u"Não foi possível gravar o arquivo %1."_s.arg(fileName);
        return false;
    }
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1)
            writer.newPage();
        paintPage(painter, page, QRectF(0, 0, writer.width(), writer.height()));
    }
    painter.end();
    return true;
}

void AnnualTableRenderer::print(QPrinter& printer) const
{
    printer.setPageLayout(pageLayout());
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    for (int page = 1; page <= pageCount(); ++page) {
        if (page > 1)
            printer.newPage();
        paintPage(painter, page, QRectF(QPointF(0, 0), paper.size()));
    }
    painter.end();
}
