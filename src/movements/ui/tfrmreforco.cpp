#include "tfrmreforco.h"

#include "ui_tfrmreforco.h"

#include "movements/cashmovement.h"

TFrmReforco::TFrmReforco(TDM& dm, QWidget* parent)
    : CashMovementWindow(dm, std::make_unique<Reforco>(dm), parent)
    , ui(std::make_unique<Ui::TFrmReforco>())
{
    ui->setupUi(this);
    attach(ui->Edit1, ui->CurrencyEdit1, ui->BitBtn1);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFrmReforco::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFrmReforco::BitBtn2Click);
    FormCreate();
}

TFrmReforco::~TFrmReforco() = default;

void TFrmReforco::FormCreate()
{
    // No border icons: the window's own buttons close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The caption keeps the maker's name: this window names no user.
    ui->Edit1->setFocus();
}

void TFrmReforco::BitBtn1Click()
{
    confirm();
}

void TFrmReforco::BitBtn2Click()
{
    reject();
}
