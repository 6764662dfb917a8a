#pragma once

#include "reports/annualtable.h"

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QSizeF>

class QPainter;
class QPrinter;

// Draws the annual table on landscape LetterExtra pages in bands: page header (store and
// title) and column header on every page, one detail band per line, the summary band after
// the last line. One drawing feeds the preview, the printer and the PDF.
class AnnualTableRenderer {
public:
    explicit AnnualTableRenderer(AnnualTableData data);

    // Lines [first, first + count) of the data, and whether the summary closes the page.
    struct Page {
        int first = 0;
        int count = 0;
        bool summary = false;
    };

    const AnnualTableData& data() const { return m_data; }
    int pageCount() const { return int(m_pages.size()); }
    const QList<Page>& pages() const { return m_pages; }
    // Height of a line's detail band: one or two lines of description.
    double rowHeightMm(int line) const;

    static QPageLayout pageLayout();
    // The paper in millimetres, landscape.
    static QSizeF paperMm();
    // Widths of the fourteen columns: the first two and a half times a month column.
    static QList<double> columnWidthsMm();

    // Paints page `page` (from 1) filling `target` (device units) at the paper's proportions.
    void paintPage(QPainter& painter, int page, const QRectF& target) const;
    QImage pageImage(int page, double dotsPerInch) const;

    // Every page into a PDF; false with `error` set when the file cannot be written.
    bool writePdf(const QString& fileName, QString* error = nullptr) const;
    void print(QPrinter& printer) const;

private:
    void paginate();

    AnnualTableData m_data;
    QList<Page> m_pages;
    QList<double> m_rowHeights;
};
