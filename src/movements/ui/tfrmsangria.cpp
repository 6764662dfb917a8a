#include "tfrmsangria.h"

#include "ui_tfrmsangria.h"

#include "movements/cashmovement.h"

TFrmSangria::TFrmSangria(TDM& dm, QWidget* parent)
    : CashMovementWindow(dm, std::make_unique<Sangria>(dm), parent)
    , ui(std::make_unique<Ui::TFrmSangria>())
{
    ui->setupUi(this);
    attach(ui->Edit1, ui->CurrencyEdit1, ui->BitBtn1);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFrmSangria::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFrmSangria::BitBtn2Click);
    FormCreate();
}

TFrmSangria::~TFrmSangria() = default;

void TFrmSangria::FormCreate()
{
    showUserInCaption();
    ui->Edit1->setFocus();
}

void TFrmSangria::BitBtn1Click()
{
    confirm();
}

void TFrmSangria::BitBtn2Click()
{
    reject();
}
