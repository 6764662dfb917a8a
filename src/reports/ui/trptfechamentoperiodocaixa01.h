#pragma once

#include "output/reportprinter.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>

class TDM;
class DailyResultsReport;
class WidgetReportOutput;

namespace Ui {
class TRptFechamentoPeriodoCaixa01;
}

// "Montagem de Relatorio do Caixa": the day's cash report, printed and saved as text, and the
// closing of the cash with the report mailed.
class TRptFechamentoPeriodoCaixa01 : public QDialog {
    Q_OBJECT
public:
    explicit TRptFechamentoPeriodoCaixa01(TDM& dm, QWidget* parent = nullptr);
    ~TRptFechamentoPeriodoCaixa01() override;

    // Shows the main window's summary controls set to the report's day after printing.
    void setOnPrinted(std::function<void(const QDate&, bool withButton)> f);
    ReportPrinter& printer() { return m_printer; }

public Q_SLOTS:
    void BitBtn1Click(); // Imprimir Detalhado &Geral
    void btn1Click();    // Imprimir &Resumido Geral
    void BitBtn4Click(); // Imprimir Detalhado &Turno
    void BitBtn5Click(); // Imprimir Resumido &Turno
    void BitBtn3Click(); // &Fechamento

private:
    void FormCreate();
    bool guard(const std::function<void()>& action);
    QString turno() const;

    std::unique_ptr<Ui::TRptFechamentoPeriodoCaixa01> ui;
    TDM& m_dm;
    ReportPrinter m_printer;
    std::unique_ptr<WidgetReportOutput> m_output;
    std::unique_ptr<DailyResultsReport> m_report;
    std::function<void(const QDate&, bool)> m_onPrinted;
};
