#pragma once

#include "output/reportprinter.h"
#include "output/ui/widgetreportoutput.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>

class QLineEdit;
class TDM;

namespace Ui {
class TFCaixa_Relatorio1_OPNovo;
}

// The cash report of a period, opened from the cash book's "Caixa no Periodo".
class TFCaixa_Relatorio1_OPNovo : public QDialog {
    Q_OBJECT
public:
    explicit TFCaixa_Relatorio1_OPNovo(TDM& dm, QWidget* parent = nullptr);
    ~TFCaixa_Relatorio1_OPNovo() override;

    // Called after each print with the period's last day: the main window reveals its daily
    // summary controls set to that day.
    void setOnPrinted(std::function<void(QDate)> onPrinted) { m_onPrinted = std::move(onPrinted); }
    // Where the closed report goes (the preview window unless replaced).
    void setReportOutput(ReportOutput* output) { m_RD1.setOutput(output); }
    // The report printer of the window (RD1).
    const ReportPrinter& RD1() const { return m_RD1; }

public Q_SLOTS:
    void BitBtn1Click(); // &Imprimir
    void BitBtn2Click(); // &Voltar

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TFCaixa_Relatorio1_OPNovo> ui;
    TDM& m_dm;
    WidgetReportOutput m_preview;
    ReportPrinter m_RD1;
    std::function<void(QDate)> m_onPrinted;
};
