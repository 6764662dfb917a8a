#include "tfrmliberacao.h"

#include "ui_tfrmliberacao.h"

#include "app/messagesink.h"
#include "app/tdm.h"
#include "app/trimworkingset.h"
#include "movements/ui/tfrmcaixa.h"

using namespace Qt::StringLiterals;

TFrmLiberacao::TFrmLiberacao(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmLiberacao>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(484, 201);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFrmLiberacao::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFrmLiberacao::BitBtn2Click);
    connect(ui->Edit1, &QLineEdit::textEdited, this, &TFrmLiberacao::Edit1Change);
    ui->Edit1->setFocus();
}

TFrmLiberacao::~TFrmLiberacao() = default;

void TFrmLiberacao::reject() {}

// The password is typed in capitals whatever the keyboard state.
void TFrmLiberacao::Edit1Change(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == text)
        return;
    const int cursor = ui->Edit1->cursorPosition();
    ui->Edit1->setText(upper);
    ui->Edit1->setCursorPosition(cursor);
}

void TFrmLiberacao::BitBtn1Click()
{
    if (ui->Edit1->text() != m_dm.settings().SENHACAIXA) {
        m_dm.messages().show(MessageSink::Kind::Warning, u"Liberação"_s, u"Senha Incorreta !!!"_s);
        ui->Edit1->clear();
        ui->Edit1->setFocus();
        return;
    }
    TfrmCaixa caixa(m_dm, this);
    caixa.exec();
    TrimWorkingSet();
}

void TFrmLiberacao::BitBtn2Click()
{
    QDialog::reject();
}
