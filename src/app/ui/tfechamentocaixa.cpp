#include "tfechamentocaixa.h"

#include "ui_tfechamentocaixa.h"

#include "app/brformat.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "output/ui/widgetreportoutput.h"

#include <QStyle>

using namespace Qt::StringLiterals;

TFechamentoCaixa::TFechamentoCaixa(TDM& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFechamentoCaixa>())
    , m_dm(dm)
    , m_output(std::make_unique<WidgetReportOutput>(this))
    , m_closing(std::make_unique<PendingClosing>(dm, m_printer))
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_printer.setOutput(m_output.get());
    m_printer.setMessageSink(&dm.messages());
    m_printer.TitulodoRelatorio = u"Quilate Sistemas"_s;
    m_printer.OpcoesPreview.caption = u"Visualização"_s;
    m_closing->setProgress([this](int done, int total) {
        ui->PB1->setMaximum(std::max(total, 1));
        ui->PB1->setValue(done);
    });
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TFechamentoCaixa::SpeedButton1Click);
    connect(ui->Panel3, &QPushButton::clicked, this, &TFechamentoCaixa::Panel3Click);
    FormCreate();
}

TFechamentoCaixa::~TFechamentoCaixa() = default;

bool TFechamentoCaixa::guard(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& e) {
        // A half-built report is not shown.
        if (m_printer.isOpen()) {
            m_printer.setOutput(nullptr);
            m_printer.Fechar();
            m_printer.setOutput(m_output.get());
        }
        m_dm.messages().error(e.message());
        return false;
    }
}

void TFechamentoCaixa::FormCreate()
{
    ui->PB1->setVisible(false);
    guard([&] {
        m_turno = m_closing->shiftInForce();
        m_session = m_closing->findSession(m_turno);
    });
    showSession();
}

void TFechamentoCaixa::showSession()
{
    const PendingSession s = m_session.value_or(PendingSession{});
    const bool shown = m_session.has_value();
    ui->NumCaixa->setText(s.NumCaixa);
    ui->DataAbertura->setText(br::date(s.DataAbertura));
    ui->HoraAbertura->setText(br::time(s.HoraAbertura));
    ui->turno->setText(shown ? QString::number(s.turno) : QString());
    ui->maquina->setText(s.maquina);
    ui->UsuarioCaixa->setText(s.UsuarioCaixa);
    ui->troco->setText(shown ? br::money(s.troco) : QString());
    ui->DataFechamento->setText(br::date(s.DataFechamento));
    ui->HoraFechamento->setText(br::time(s.HoraFechamento));
    ui->SpeedButton1->setEnabled(shown);
}

void TFechamentoCaixa::SpeedButton1Click()
{
    if (!m_session)
        return;
    ui->PB1->setValue(0);
    ui->PB1->setVisible(true);
    PendingClosingReport report;
    bool closed = false;
    if (!guard([&] {
            report = m_closing->buildReport(*m_session, m_turno);
            closed = m_closing->closeSession(*m_session, report.totals);
        }))
        return;
    if (!closed)
        m_dm.messages().warning(PendingClosing::alreadyClosedMessage());
    guard([&] { m_closing->emptyWorkTable(); });
    accept();
}

void TFechamentoCaixa::Panel3Click()
{
    reject();
}
