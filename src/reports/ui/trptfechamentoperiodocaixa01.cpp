#include "trptfechamentoperiodocaixa01.h"

#include "ui_trptfechamentoperiodocaixa01.h"

#include "app/clock.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "output/ui/mailsending.h"
#include "output/ui/widgetreportoutput.h"
#include "reports/cashclosing.h"
#include "reports/dailyreport.h"

using namespace Qt::StringLiterals;

TRptFechamentoPeriodoCaixa01::TRptFechamentoPeriodoCaixa01(TDM& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TRptFechamentoPeriodoCaixa01>())
    , m_dm(dm)
    , m_output(std::make_unique<WidgetReportOutput>(this))
    , m_report(std::make_unique<DailyResultsReport>(dm, m_printer))
{
    ui->setupUi(this);
    setFixedSize(size());
    m_printer.setOutput(m_output.get());
    m_printer.setMessageSink(&dm.messages());
    m_printer.Acentuacao = Accentuation::SemAcento;
    m_printer.TitulodoRelatorio = u"Quilate Sistemas"_s;
    m_printer.OpcoesPreview.caption = u"Visualização"_s;
    m_report->setProgress([this](int n) { ui->PB1->setValue(std::min(n, ui->PB1->maximum())); });

    connect(ui->BitBtn1, &QPushButton::clicked, this, &TRptFechamentoPeriodoCaixa01::BitBtn1Click);
    connect(ui->btn1, &QPushButton::clicked, this, &TRptFechamentoPeriodoCaixa01::btn1Click);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &TRptFechamentoPeriodoCaixa01::BitBtn4Click);
    connect(ui->BitBtn5, &QPushButton::clicked, this, &TRptFechamentoPeriodoCaixa01::BitBtn5Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &TRptFechamentoPeriodoCaixa01::BitBtn3Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

TRptFechamentoPeriodoCaixa01::~TRptFechamentoPeriodoCaixa01() = default;

void TRptFechamentoPeriodoCaixa01::setOnPrinted(std::function<void(const QDate&, bool)> f)
{
    m_onPrinted = f;
    m_report->setOnPrinted(std::move(f));
}

bool TRptFechamentoPeriodoCaixa01::guard(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& e) {
        if (m_printer.isOpen())
            m_printer.Fechar();
        m_dm.messages().error(e.message());
        return false;
    }
}

void TRptFechamentoPeriodoCaixa01::FormCreate()
{
    ui->DTI->setDate(m_dm.clock().today());
    ui->LookupEdit1->addItem(QString());
    guard([&] { ui->LookupEdit1->addItems(m_report->shiftNames()); });
    ui->LookupEdit1->setCurrentIndex(0);
    const bool shiftButtons = m_dm.settings().CAIXATURNO != u"N"_s;
    ui->BitBtn4->setEnabled(shiftButtons);
    ui->BitBtn5->setEnabled(shiftButtons);
}

QString TRptFechamentoPeriodoCaixa01::turno() const
{
    return ui->LookupEdit1->currentText();
}

void TRptFechamentoPeriodoCaixa01::BitBtn1Click()
{
    DailyReportResult result;
    if (!guard([&] { result = m_report->detailedGeneral(ui->DTI->date(), turno()); }))
        return;
    if (result.printed) {
        CashClosing::remember(PrintedReport::fromResult(result, ui->DTI->date(), turno()));
        accept();
    }
}

void TRptFechamentoPeriodoCaixa01::btn1Click()
{
    DailyReportResult result;
    if (!guard([&] { result = m_report->summarizedGeneral(ui->DTI->date(), turno()); }))
        return;
    if (result.printed) {
        CashClosing::remember(PrintedReport::fromResult(result, ui->DTI->date(), turno()));
        accept();
    }
}

void TRptFechamentoPeriodoCaixa01::BitBtn4Click()
{
    ui->PB1->setVisible(true);
    DailyReportResult result;
    if (guard([&] { result = m_report->detailedShift(ui->DTI->date(), turno()); }) && result.printed)
        CashClosing::remember(PrintedReport::fromResult(result, ui->DTI->date(), turno()));
}

void TRptFechamentoPeriodoCaixa01::BitBtn5Click()
{
    DailyReportResult result;
    if (guard([&] { result = m_report->summarizedShift(ui->DTI->date(), turno()); }) && result.printed)
        CashClosing::remember(PrintedReport::fromResult(result, ui->DTI->date(), turno()));
}

void TRptFechamentoPeriodoCaixa01::BitBtn3Click()
{
    CashClosing closing(m_dm, *m_report);
    closing.setOnClosed(m_onPrinted);
    CashClosing::Result result;
    const auto send = [this](const MailAccount& account, const MailMessage& message) {
        sendMailWhileBusy(this, account, message);
    };
    if (!guard([&] { result = closing.run(ui->DTI->date(), turno(), CashClosing::lastPrinted(), send); }))
        return;
    if (result.closeWindow)
        accept();
}
