#pragma once

#include "cashmovementwindow.h"

#include <memory>

class TDM;

namespace Ui {
class TFrmSangria;
}

// Withdrawal: cash taken from the drawer to the safe ("&Sangria no Caixa").
class TFrmSangria : public CashMovementWindow {
    Q_OBJECT
public:
    explicit TFrmSangria(TDM& dm, QWidget* parent = nullptr);
    ~TFrmSangria() override;

private Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void FormCreate();

    std::unique_ptr<Ui::TFrmSangria> ui;
};
