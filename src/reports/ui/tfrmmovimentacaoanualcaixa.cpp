#include "tfrmmovimentacaoanualcaixa.h"

#include "ui_tfrmmovimentacaoanualcaixa.h"

#include "tfrmgraficomovimentacaoanualcaixa.h"
#include "trptmovimentacaoanualcolunaspagar.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "app/trimworkingset.h"
#include "reports/annualmovement.h"
#include "reports/annualtable.h"

#include <QApplication>

using namespace Qt::StringLiterals;

TFrmMovimentacaoAnualCaixa::TFrmMovimentacaoAnualCaixa(TDM& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TFrmMovimentacaoAnualCaixa>())
    , m_dm(dm)
    , m_runModal([](QDialog& d) { d.exec(); })
{
    ui->setupUi(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(size());

    connect(ui->BitBtn3, &QPushButton::clicked, this, &TFrmMovimentacaoAnualCaixa::BitBtn3Click);
    connect(ui->TSpeedButton, &QPushButton::clicked, this, &TFrmMovimentacaoAnualCaixa::TSpeedButtonClick);
    connect(ui->TSpeedButton11, &QPushButton::clicked, this, &TFrmMovimentacaoAnualCaixa::TSpeedButton11Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TFrmMovimentacaoAnualCaixa::BitBtn4Click);
    FormCreate();
}

TFrmMovimentacaoAnualCaixa::~TFrmMovimentacaoAnualCaixa() = default;

void TFrmMovimentacaoAnualCaixa::FormCreate()
{
    TrimWorkingSet();
    const int year = m_dm.clock().today().year();
    ui->DataIni->setDate(QDate(year, 1, 1));
    ui->DataFinal->setDate(QDate(year, 12, 31));
    ui->GIFAnimator1->setVisible(false);
    ui->BitBtn3->setEnabled(true);
    ui->TSpeedButton->setEnabled(false);
    ui->TSpeedButton11->setEnabled(false);
    ui->label2->setVisible(false);
    ui->label5->setVisible(false);
}

void TFrmMovimentacaoAnualCaixa::setBusy(bool busy)
{
    ui->GIFAnimator1->setVisible(busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TFrmMovimentacaoAnualCaixa::BitBtn3Click()
{
    const QDate dataI = ui->DataIni->date();
    const QDate dataF = ui->DataFinal->date();
    if (const auto problem = AnnualMovement::validate(dataI, dataF)) {
        m_dm.messages().warning(*problem);
        ui->DataIni->setFocus();
        return;
    }
    ui->BitBtn3->setEnabled(false);
    m_total = 0;
    setBusy(true);
    AnnualMovementResult result;
    try {
        result = AnnualMovement(m_dm).compute(dataI, dataF);
    } catch (const DbError& e) {
        setBusy(false);
        // Nothing was kept: the computation can be run again.
        ui->BitBtn3->setEnabled(true);
        m_dm.messages().error(e.message());
        return;
    }
    setBusy(false);
    m_total = result.total;
    m_dataI = dataI;
    m_dataF = dataF;
    ui->TSpeedButton->setEnabled(true);
    ui->TSpeedButton11->setEnabled(true);
    ui->label5->setText(br::money(m_total));
    ui->label2->setVisible(true);
    ui->label5->setVisible(true);
}

void TFrmMovimentacaoAnualCaixa::TSpeedButtonClick()
{
    TFrmGraficoMovimentacaoAnualCaixa chart(m_dm, this);
    chart.setPeriod(m_dataI, m_dataF);
    chart.setTotal(m_total);
    m_runModal(chart);
}

void TFrmMovimentacaoAnualCaixa::TSpeedButton11Click()
{
    TRptMovimentacaoAnualColunasPagar report(m_dm, this);
    try {
        report.open();
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    report.setTitleLine(AnnualTable::titleLine(m_dataI, m_dataF));
    report.preparePreview();
    m_runModal(report);
}

void TFrmMovimentacaoAnualCaixa::BitBtn4Click()
{
    close();
}
