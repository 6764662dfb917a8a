#pragma once

#include "cashmovementwindow.h"

#include <memory>

class TDM;

namespace Ui {
class TFrmSaidaDespesa;
}

// Expense paid in cash from the drawer ("Despesa &no Caixa").
class TFrmSaidaDespesa : public CashMovementWindow {
    Q_OBJECT
public:
    explicit TFrmSaidaDespesa(TDM& dm, QWidget* parent = nullptr);
    ~TFrmSaidaDespesa() override;

private Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void FormCreate();

    std::unique_ptr<Ui::TFrmSaidaDespesa> ui;
};
