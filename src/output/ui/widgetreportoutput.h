#pragma once

#include "output/reportoutput.h"

class QWidget;

// Shows closed reports in the preview window, or prints them on the default printer (the
// preview opens instead when no printer is installed).
class WidgetReportOutput final : public ReportOutput {
public:
    explicit WidgetReportOutput(QWidget* parent = nullptr, int zoom = 100)
        : m_parent(parent)
        , m_zoom(zoom)
    {
    }
    void preview(const TextReport& report) override;
    void print(const TextReport& report) override;

private:
    QWidget* m_parent;
    int m_zoom;
};
