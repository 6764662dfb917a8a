#include "tfrmsaidadespesa.h"

#include "ui_tfrmsaidadespesa.h"

#include "movements/cashmovement.h"

TFrmSaidaDespesa::TFrmSaidaDespesa(TDM& dm, QWidget* parent)
    : CashMovementWindow(dm, std::make_unique<SaidaDespesa>(dm), parent)
    , ui(std::make_unique<Ui::TFrmSaidaDespesa>())
{
    ui->setupUi(this);
    attach(ui->Edit1, ui->CurrencyEdit1, ui->BitBtn1);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFrmSaidaDespesa::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFrmSaidaDespesa::BitBtn2Click);
    FormCreate();
}

TFrmSaidaDespesa::~TFrmSaidaDespesa() = default;

void TFrmSaidaDespesa::FormCreate()
{
    // No border icons: the window's own buttons close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    showUserInCaption();
    ui->Edit1->setFocus();
}

void TFrmSaidaDespesa::BitBtn1Click()
{
    confirm();
}

void TFrmSaidaDespesa::BitBtn2Click()
{
    reject();
}
