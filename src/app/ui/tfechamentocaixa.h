#pragma once

#include "app/pendingclosing.h"
#include "output/reportprinter.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class TDM;
class WidgetReportOutput;

namespace Ui {
class TFechamentoCaixa;
}

// "FECHAMENTO DO CAIXA": a session left open on an earlier day, shown at start-up; its
// "Fechamento" prints that day's closing report and closes the session.
class TFechamentoCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFechamentoCaixa(TDM& dm, QWidget* parent = nullptr);
    ~TFechamentoCaixa() override;

    ReportPrinter& printer() { return m_printer; }
    const std::optional<PendingSession>& session() const { return m_session; }

public Q_SLOTS:
    void SpeedButton1Click(); // Fechamento
    void Panel3Click();       // X

private:
    void FormCreate();
    void showSession();
    bool guard(const std::function<void()>& action);

    std::unique_ptr<Ui::TFechamentoCaixa> ui;
    TDM& m_dm;
    ReportPrinter m_printer;
    std::unique_ptr<WidgetReportOutput> m_output;
    std::unique_ptr<PendingClosing> m_closing;
    std::optional<PendingSession> m_session;
    int m_turno = 0;
};
