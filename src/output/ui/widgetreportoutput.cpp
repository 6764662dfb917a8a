#include "widgetreportoutput.h"

#include "reportrenderer.h"
#include "tfrmpreview.h"

#include <QPrinter>
#include <QPrinterInfo>

void WidgetReportOutput::preview(const TextReport& report)
{
    TFrmPreview preview(report, m_zoom, m_parent);
    preview.exec();
}

void WidgetReportOutput::print(const TextReport& report)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        preview(report);
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    ReportRenderer(report).print(printer);
}
