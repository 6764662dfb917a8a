#include "tfrmfluxo.h"

#include "ui_tfrmfluxo.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "reports/periodreport.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

TFrmFluxo::TFrmFluxo(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmFluxo>())
    , m_dm(dm)
    , m_preview(this, 97)
{
    ui->setupUi(this);
    setFixedSize(686, 711);

    PaymentFlow::configure(m_impressao1);
    m_impressao1.setOutput(&m_preview);
    m_impressao1.setMessageSink(&m_dm.messages());

    m_mycaixa = new QStandardItemModel(0, 4, this);
    m_mycaixa->setHorizontalHeaderLabels({u"Data"_s, u"Descrição"_s, u"Tipo"_s, u"Total R$"_s});
    for (int c = 0; c < 4; ++c)
        m_mycaixa->setHeaderData(c, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
    ui->DBGrid1->setModel(m_mycaixa);
    ui->DBGrid1->verticalHeader()->hide();
    ui->DBGrid1->setColumnWidth(0, 90);
    ui->DBGrid1->setColumnWidth(2, 150);
    ui->DBGrid1->setColumnWidth(3, 110);
    ui->DBGrid1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->DBGrid1->installEventFilter(this);

    ui->Combobox2->setCurrentIndex(-1);
    ui->Combobox2->clearEditText();
    const QDate today = m_dm.clock().today();
    const QDate first(today.year(), today.month(), 1);
    ui->DTI->setDate(first);
    ui->DTF->setDate(first.addMonths(1).addDays(-1));
    ui->TSpeedButton2->setEnabled(false);
    showTotal(false);

    connect(ui->TSpeedButton, &QPushButton::clicked, this, &TFrmFluxo::TSpeedButtonClick);
    connect(ui->TSpeedButton2, &QPushButton::clicked, this, &TFrmFluxo::TSpeedButton2Click);
}

TFrmFluxo::~TFrmFluxo() = default;

void TFrmFluxo::showEvent(QShowEvent* event)
{
    showTotal(false);
    QDialog::showEvent(event);
}

bool TFrmFluxo::eventFilter(QObject* watched, QEvent* event)
{
    // No row can be deleted from the grid.
    if (watched == ui->DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ControlModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmFluxo::showTotal(bool visible)
{
    ui->label3->setVisible(visible);
    ui->label4->setVisible(visible);
}

void TFrmFluxo::TSpeedButtonClick()
{
    const QDate dti = ui->DTI->date();
    const QDate dtf = ui->DTF->date();
    const auto checked = PeriodReport::checkPeriod(dti, dtf);
    if (const auto* refusal = std::get_if<PeriodRefusal>(&checked)) {
        m_dm.messages().show(MessageSink::Kind::Error, PeriodReport::messageTitle(), refusal->message);
        ui->DTI->setFocus();
        return;
    }

    ui->TSpeedButton2->setEnabled(false);
    showTotal(false);
    m_search.reset();
    m_mycaixa->removeRows(0, m_mycaixa->rowCount());
    try {
        m_search = PaymentFlow(m_dm).search(dti, dtf, ui->Combobox2->currentText());
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }

    for (const FlowRow& r : m_search->rows) {
        auto* total = new QStandardItem(br::money(r.total));
        total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_mycaixa->appendRow(
            {new QStandardItem(br::date(r.data)), new QStandardItem(r.descricao), new QStandardItem(r.especie), total});
    }
    ui->label4->setText(br::money(m_search->sum));
    showTotal(true);
    ui->TSpeedButton2->setEnabled(true);
}

void TFrmFluxo::TSpeedButton2Click()
{
    if (!m_search)
        return;
    try {
        PaymentFlow(m_dm).print(m_impressao1, *m_search);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
    }
}
