#pragma once

#include "output/textreport.h"

#include <QImage>
#include <QSizeF>

class QPainter;
class QPrinter;

// Draws the pages of a text report: a monospaced font, every character in its column,
// pitches, bold, italic, underline and expanded as styles. One drawing feeds the preview,
// the printer and the PDF.
class ReportRenderer {
public:
    explicit ReportRenderer(const TextReport& report);

    int pageCount() const { return m_report.pageCount(); }
    // Paper of one page, in inches: the report's columns at its pitch and its lines at six per
    // inch, with margins.
    QSizeF pageSizeInches(int page) const;

    // Paints a page filling `target` (device units) at the page's proportions.
    void paintPage(QPainter& painter, int page, const QRectF& target) const;
    QImage pageImage(int page, double dotsPerInch) const;

    // Writes every page to a PDF; false with `error` set when the file cannot be written.
    bool writePdf(const QString& fileName, QString* error = nullptr) const;
    // Prints every page on the printer, each scaled to the printable width.
    void print(QPrinter& printer) const;

    static constexpr double kMarginInches = 0.3;
    static constexpr double kLinesPerInch = 6.0;

private:
    const TextReport& m_report;
};
