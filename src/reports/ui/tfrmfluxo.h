#pragma once

#include "output/reportprinter.h"
#include "output/ui/widgetreportoutput.h"
#include "reports/paymentflow.h"

#include <QDialog>

#include <memory>
#include <optional>

class QStandardItemModel;
class TDM;

namespace Ui {
class TFrmFluxo;
}

// The payment flow, opened from the cash book's "Fluxo de Pagamento": the cash book of a
// period summed per day or per description, for one kind of payment or all, and its roll.
class TFrmFluxo : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFluxo(TDM& dm, QWidget* parent = nullptr);
    ~TFrmFluxo() override;

    // Where the closed report goes (the preview window unless replaced).
    void setReportOutput(ReportOutput* output) { m_impressao1.setOutput(output); }
    const ReportPrinter& impressao1() const { return m_impressao1; }

public Q_SLOTS:
    void TSpeedButtonClick();  // Pesquisa
    void TSpeedButton2Click(); // &Impimir

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTotal(bool visible);

    std::unique_ptr<Ui::TFrmFluxo> ui;
    TDM& m_dm;
    WidgetReportOutput m_preview;
    ReportPrinter m_impressao1;
    QStandardItemModel* m_mycaixa = nullptr;
    std::optional<FlowResult> m_search;
};
