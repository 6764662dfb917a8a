#include "tfrmaberturacaixa.h"

#include "ui_tfrmaberturacaixa.h"

#include "app/brformat.h"
#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "movements/movementrefused.h"
#include "output/mailsender.h"
#include "output/ui/mailsending.h"

using namespace Qt::StringLiterals;

TFrmAberturaCaixa::TFrmAberturaCaixa(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmAberturaCaixa>())
    , m_dm(dm)
    , m_abertura(dm)
{
    ui->setupUi(this);
    connect(ui->Shape1, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape1Click);
    connect(ui->Panel3, &QPushButton::clicked, this, &TFrmAberturaCaixa::Panel3Click);
    connect(ui->Panel4, &QPushButton::clicked, this, &TFrmAberturaCaixa::Panel4Click);
    connect(ui->Panel5, &QPushButton::clicked, this, &TFrmAberturaCaixa::Panel5Click);
    connect(ui->Shape2, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape2Click);
    connect(ui->Shape3, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape3Click);
    connect(ui->Shape4, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape4Click);
    connect(ui->Shape5, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape5Click);
    connect(ui->Shape6, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape6Click);
    connect(ui->Shape7, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape7Click);
    connect(ui->Shape8, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape8Click);
    connect(ui->Shape9, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape9Click);
    connect(ui->Shape10, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape10Click);
    connect(ui->Shape12, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape12Click);
    connect(ui->Shape13, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape13Click);
    connect(ui->Shape11, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape11Click);
    connect(ui->Label17, &QPushButton::clicked, this, &TFrmAberturaCaixa::Label17Click);
    connect(ui->Shape14, &QPushButton::clicked, this, &TFrmAberturaCaixa::Shape14Click);
    FormCreate();
}

TFrmAberturaCaixa::~TFrmAberturaCaixa() = default;

void TFrmAberturaCaixa::FormCreate()
{
    ui->Panel3->hide();
    ui->Panel4->hide();
    try {
        fillTurnos(m_abertura.turnos(), std::nullopt);
        for (const QString& nome : m_abertura.operadores())
            ui->LookupEdit2->addItem(nome.toUpper());
        ui->LookupEdit2->setCurrentIndex(-1);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
    }
}

void TFrmAberturaCaixa::fillTurnos(const QList<Turno>& turnos, const std::optional<Turno>& keep)
{
    m_turnos = turnos;
    const QSignalBlocker block(ui->LookupEdit1);
    ui->LookupEdit1->clear();
    int keepIndex = -1;
    for (qsizetype i = 0; i < turnos.size(); ++i) {
        ui->LookupEdit1->addItem(turnos.at(i).descricao.toUpper());
        if (keep && turnos.at(i).controle == keep->controle)
            keepIndex = int(i);
    }
    ui->LookupEdit1->setCurrentIndex(keepIndex);
}

std::optional<Turno> TFrmAberturaCaixa::pickedTurno() const
{
    const int i = ui->LookupEdit1->currentIndex();
    if (i < 0 || i >= m_turnos.size())
        return std::nullopt;
    Turno picked = m_turnos.at(i);
    picked.descricao = ui->LookupEdit1->currentText(); // the session keeps the lookup's text
    return picked;
}

void TFrmAberturaCaixa::Shape1Click()
{
    const std::optional<Turno> picked = pickedTurno();
    AberturaCaixa::ShiftCheck check;
    try {
        check = m_abertura.checkShift(picked);
    } catch (const MovementRefused& e) {
        m_dm.messages().warning(e.message());
        return;
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    fillTurnos(check.shifts, picked);
    if (check.turnoEmVigor)
        ui->Edit3->setText(check.turnoEmVigor->toUpper());
    if (check.openToday)
        m_dm.messages().warning(AberturaCaixa::MsgNaoFechado);
    if (!check.openOtherDay) {
        ui->Panel3->show();
        ui->Panel4->show();
        ui->Edit1->setText(check.hora);
        ui->Edit2->setText(check.data);
        ui->edtLocalizar->setFocus();
    }
    if (check.closedToday)
        m_dm.messages().warning(AberturaCaixa::MsgJaAberto);
    if (check.openToday)
        reject();
}

void TFrmAberturaCaixa::Panel4Click()
{
    if (m_stored)
        return;
    const AberturaCaixa::Input input{m_troco, ui->LookupEdit2->currentText(), pickedTurno(), ui->Edit3->text()};
    if (const auto refusal = m_abertura.validate(input)) {
        m_dm.messages().warning(refusal->message);
        switch (refusal->field) {
        case AberturaCaixa::Field::Troco:
            ui->CurrencyEdit2->setFocus();
            break;
        case AberturaCaixa::Field::Operador:
            ui->LookupEdit2->setFocus();
            break;
        case AberturaCaixa::Field::Turno:
            ui->LookupEdit1->setFocus();
            break;
        case AberturaCaixa::Field::TurnoEmVigor:
            ui->Edit3->setFocus();
            break;
        }
        return;
    }
    AberturaCaixa::Stored stored;
    try {
        stored = m_abertura.store(input);
    } catch (const ShiftStillOpen& e) {
        // Another workstation opened this shift meanwhile: as with "Abrir o Caixa", leave.
        m_dm.messages().warning(e.message());
        reject();
        return;
    } catch (const MovementRefused& e) {
        m_dm.messages().warning(e.message());
        return;
    } catch (const DbError& e) {
        m_dm.messages().error(u"Não foi possível gravar a abertura do caixa.\n\n%1"_s.arg(e.message()));
        return;
    }
    // Stored: a failing mail must not lead to a second opening.
    m_stored = true;
    ui->Panel4->setEnabled(false);
    ui->Panel3->setEnabled(false);
    if (m_abertura.noticeWanted()) {
        try {
            sendMailWhileBusy(this, MailAccount::fromSettings(m_dm.settings()), m_abertura.notice(stored));
            m_dm.messages().show(MessageSink::Kind::Warning, u"Atenção"_s, u"A Messagem Foi Enviada com Sucesso"_s);
        } catch (const MailError& e) {
            m_dm.messages().show(MessageSink::Kind::Information, MessageSink::defaultTitle(), e.message());
        }
    }
    accept();
}

void TFrmAberturaCaixa::Panel3Click()
{
    setTroco(0.0);
    ui->LookupEdit2->setCurrentIndex(-1);
    ui->Edit3->clear();
    ui->Edit1->clear();
    ui->Edit2->clear();
}

void TFrmAberturaCaixa::Panel5Click()
{
    reject();
}

void TFrmAberturaCaixa::appendKey(const QString& key)
{
    ui->edtLocalizar->setText(ui->edtLocalizar->text() + key);
}

void TFrmAberturaCaixa::Shape2Click()
{
    appendKey(ui->Shape2->text());
}
void TFrmAberturaCaixa::Shape3Click()
{
    appendKey(ui->Shape3->text());
}
void TFrmAberturaCaixa::Shape4Click()
{
    appendKey(ui->Shape4->text());
}
void TFrmAberturaCaixa::Shape5Click()
{
    appendKey(ui->Shape5->text());
}
void TFrmAberturaCaixa::Shape6Click()
{
    appendKey(ui->Shape6->text());
}
void TFrmAberturaCaixa::Shape7Click()
{
    appendKey(ui->Shape7->text());
}
void TFrmAberturaCaixa::Shape8Click()
{
    appendKey(ui->Shape8->text());
}
void TFrmAberturaCaixa::Shape9Click()
{
    appendKey(ui->Shape9->text());
}
void TFrmAberturaCaixa::Shape10Click()
{
    appendKey(ui->Shape10->text());
}
void TFrmAberturaCaixa::Shape12Click()
{
    appendKey(ui->Shape12->text());
}
void TFrmAberturaCaixa::Shape13Click()
{
    appendKey(ui->Shape13->text());
}

void TFrmAberturaCaixa::Shape11Click()
{
    ui->edtLocalizar->clear();
}

void TFrmAberturaCaixa::Label17Click()
{
    ui->edtLocalizar->clear();
}

void TFrmAberturaCaixa::Shape14Click()
{
    const auto amount = AberturaCaixa::keypadAmount(ui->edtLocalizar->text());
    if (const QString* message = std::get_if<QString>(&amount)) {
        m_dm.messages().warning(*message);
        return;
    }
    setTroco(std::get<double>(amount));
    ui->edtLocalizar->clear();
}

void TFrmAberturaCaixa::setTroco(double value)
{
    m_troco = value;
    // Blank while zero, as the amount field always showed.
    ui->CurrencyEdit2->setText(value == 0.0 ? QString() : br::money(value));
}
