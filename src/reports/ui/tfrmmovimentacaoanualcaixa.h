#pragma once

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>

class TDM;

namespace Ui {
class TFrmMovimentacaoAnualCaixa;
}

// The year's cash movement: sums the cash book of a period by kind of payment and month,
// shows the period's total and opens the chart and the printed table of the result.
// One computation per opening of the window.
class TFrmMovimentacaoAnualCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmMovimentacaoAnualCaixa(TDM& dm, QWidget* parent = nullptr);
    ~TFrmMovimentacaoAnualCaixa() override;

    // The period's total of the last computation.
    double total() const { return m_total; }

    // How the chart and the table are shown; by default modally (exec). The window is freed
    // when the call returns.
    using ModalRunner = std::function<void(QDialog&)>;
    void setModalRunner(ModalRunner run) { m_runModal = std::move(run); }

public Q_SLOTS:
    void FormCreate();
    void BitBtn3Click();        // &Gerar
    void TSpeedButtonClick();   // &Grafico
    void TSpeedButton11Click(); // &Colunas
    void BitBtn4Click();        // &Close

private:
    void setBusy(bool busy);

    std::unique_ptr<Ui::TFrmMovimentacaoAnualCaixa> ui;
    TDM& m_dm;
    ModalRunner m_runModal;
    double m_total = 0;
    // The period actually computed: the views describe it even if the pickers move.
    QDate m_dataI;
    QDate m_dataF;
};
