#pragma once

#include "cashmovementwindow.h"

#include <memory>

class TDM;

namespace Ui {
class TFrmReforco;
}

// Reinforcement: cash put into the drawer ("&Reforço no Caixa").
class TFrmReforco : public CashMovementWindow {
    Q_OBJECT
public:
    explicit TFrmReforco(TDM& dm, QWidget* parent = nullptr);
    ~TFrmReforco() override;

private Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void FormCreate();

    std::unique_ptr<Ui::TFrmReforco> ui;
};
