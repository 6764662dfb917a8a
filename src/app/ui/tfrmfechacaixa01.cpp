#include "tfrmfechacaixa01.h"

#include "ui_tfrmfechacaixa01.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/dailysummary.h"
#include "app/mainsession.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "app/trimworkingset.h"
#include "app/ui/tfechamentocaixa.h"
#include "movements/ui/tfrmaberturacaixa.h"
#include "movements/ui/tfrmliberacao.h"
#include "movements/ui/tfrmreforco.h"
#include "movements/ui/tfrmsaidadespesa.h"
#include "movements/ui/tfrmsangria.h"
#include "reports/ui/trptfechamentoperiodocaixa01.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

namespace {

TFrmfechacaixa01* g_mainWindow = nullptr;

QString shown(double v)
{
    return br::formatFloat(u"#,##0.00"_s, v);
}

QString shownOutside(double v)
{
    return br::formatFloat(u"0.00;-0.00"_s, v);
}

} // namespace

TFrmfechacaixa01::TFrmfechacaixa01(TDM& dm, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TFrmfechacaixa01>())
    , m_dm(dm)
    , m_session(std::make_unique<MainSession>(dm))
{
    ui->setupUi(this);
    g_mainWindow = this;
    setAttribute(Qt::WA_DeleteOnClose, false);
    // 987 x 123 of client area; the summary lies below, reached with the scroll bar.
    const int scrollBar = ui->ScrollBox->verticalScrollBar()->sizeHint().width();
    setFixedSize(987 + scrollBar, 123);

    connect(ui->BitBtn8, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn8Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn2Click);
    connect(ui->BitBtn7, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn7Click);
    connect(ui->BitBtn5, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn5Click);
    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TFrmfechacaixa01::SpeedButton1Click);
    connect(ui->TSpeedButton3, &QPushButton::clicked, this, &TFrmfechacaixa01::TSpeedButton3Click);
    connect(ui->BitBtn6, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn6Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFrmfechacaixa01::BitBtn1Click);
    ui->lblFechar->installEventFilter(this);

    for (auto** model : {&m_aVista, &m_aPrazo}) {
        *model = new QStandardItemModel(0, 3, this);
        (*model)->setHorizontalHeaderLabels({u"Codigo"_s, u"Funcionario"_s, u"Total"_s});
    }
    for (auto [grid, model] : {std::pair{ui->DBGrid1, m_aVista}, std::pair{ui->DBGrid2, m_aPrazo}}) {
        grid->setModel(model);
        grid->verticalHeader()->hide();
        grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        grid->setColumnWidth(0, 60);
        grid->setColumnWidth(2, 100);
        grid->installEventFilter(this);
    }
    for (QLineEdit* e : {ui->CurrencyEdit1, ui->CurrencyEdit2, ui->CurrencyEdit3, ui->CurrencyEdit4, ui->CurrencyEdit11,
                         ui->CurrencyEdit12, ui->CurrencyEdit13})
        e->setText(shownOutside(0));
}

TFrmfechacaixa01::~TFrmfechacaixa01()
{
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
}

void TFrmfechacaixa01::revealOnMainWindow(const QDate& day, bool withButton)
{
    if (g_mainWindow)
        g_mainWindow->revealSummary(day, withButton);
}

bool TFrmfechacaixa01::guard(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return false;
    }
}

bool TFrmfechacaixa01::FormCreate()
{
    TrimWorkingSet();
    // Without the user nothing is written: the suite always starts the program with it.
    if (m_dm.LoggedUser().isEmpty()) {
        m_dm.messages().show(MessageSink::Kind::Warning, u"Erro de Inicialização"_s,
                             u"Este sistema só pode ser executado através dos aplicativos da QUILATE SISTEMAS."_s);
        return false;
    }
    guard([&] {
        m_session->registerStart();
        const Shift shift = m_session->findShift(MainSession::startTime(m_dm.clock().time()));
        if (m_session->hasPendingSession(shift.controle)) {
            m_dm.messages().warning(u"O Caixa não foi Fechado  !!!"_s);
            TFechamentoCaixa pending(m_dm, this);
            pending.exec();
            TrimWorkingSet();
        }
        m_session->purge();
    });
    ui->BitBtn2->setEnabled(!m_session->voltarDisabled());
    setWindowTitle(m_session->caption());
    ui->DTI->setDate(m_dm.clock().today());
    ui->BitBtn1->setVisible(false);
    ui->DTI->setVisible(false);
    ui->Label1->setVisible(false);
    return true;
}

void TFrmfechacaixa01::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TFrmfechacaixa01::revealSummary(const QDate& day, bool withButton)
{
    if (withButton)
        ui->BitBtn1->setVisible(true);
    ui->DTI->setVisible(true);
    ui->Label1->setVisible(true);
    ui->DTI->setDate(day);
}

void TFrmfechacaixa01::runModal(QDialog& dialog)
{
    dialog.exec();
    TrimWorkingSet();
}

void TFrmfechacaixa01::notReady(const QString& what)
{
    m_dm.messages().information(u"Atenção"_s, what + u" ainda não está disponível nesta versão."_s);
}

void TFrmfechacaixa01::refuse()
{
    m_dm.messages().warning(u"Você não tem autorização para este Modulo  !!!"_s);
    close();
}

void TFrmfechacaixa01::BitBtn8Click()
{
    bool allowed = false;
    if (!guard([&] { allowed = m_session->hasPermission(); }))
        return;
    if (!allowed)
        return refuse();
    TFrmAberturaCaixa window(m_dm, this);
    runModal(window);
}

void TFrmfechacaixa01::BitBtn2Click()
{
    bool manager = false;
    if (!guard([&] { manager = m_session->isManager(); }))
        return;
    if (!manager)
        return refuse();
    TFrmLiberacao window(m_dm, this);
    runModal(window);
}

void TFrmfechacaixa01::BitBtn7Click()
{
    bool allowed = false;
    if (!guard([&] { allowed = m_session->hasPermission(); }))
        return;
    if (!allowed)
        return refuse();
    MainSession::PixResult pix;
    if (!guard([&] { pix = m_session->markPix(); }))
        return;
    if (!pix.error.isEmpty())
        m_dm.messages().warning(pix.error);
    if (pix.marked > 0) {
        ui->PB2->setMaximum(pix.marked);
        ui->PB2->setValue(pix.marked);
    }
    TRptFechamentoPeriodoCaixa01 report(m_dm, this);
    report.setOnPrinted([this](const QDate& day, bool withButton) { revealSummary(day, withButton); });
    runModal(report);
}

void TFrmfechacaixa01::BitBtn5Click()
{
    TFrmSangria window(m_dm, this);
    runModal(window);
}

void TFrmfechacaixa01::SpeedButton1Click()
{
    TFrmReforco window(m_dm, this);
    runModal(window);
}

void TFrmfechacaixa01::TSpeedButton3Click()
{
    TFrmSaidaDespesa window(m_dm, this);
    runModal(window);
}

void TFrmfechacaixa01::BitBtn6Click()
{
    close();
}

void TFrmfechacaixa01::BitBtn1Click()
{
    DailySummaryResult r;
    if (!guard([&] { r = DailySummary(m_dm).compute(ui->DTI->date()); }))
        return;
    if (r.refused) {
        for (QLineEdit* e : {ui->CurrencyEdit1, ui->CurrencyEdit2, ui->CurrencyEdit4, ui->CurrencyEdit11})
            e->setText(shownOutside(0));
        m_dm.messages().information(DailySummary::refusedTitle(), DailySummary::refusedMessage());
        ui->DTI->setFocus();
        return;
    }
    showSummary(r);
}

void TFrmfechacaixa01::showSummary(const DailySummaryResult& r)
{
    const SummaryRow& s = r.row;
    const std::pair<QLineEdit*, double> bound[] = {
        {ui->SALDOINICIAL, s.SALDOINICIAL}, {ui->SALDOFINAL, s.SALDOFINAL},     {ui->CHEQUE_E, s.CHEQUE_E},
        {ui->CHEQUE_S, s.CHEQUE_S},         {ui->calccheque, s.calccheque},     {ui->CARTAO_E, s.CARTAO_E},
        {ui->CARTAO_S, s.CARTAO_S},         {ui->calccartao, s.calccartao},     {ui->DINHEIRO_E, s.DINHEIRO_E},
        {ui->DINHEIRO_S, s.DINHEIRO_S},     {ui->calcdinheiro, s.calcdinheiro}, {ui->CartaoD_E, s.CartaoD_E},
        {ui->CartaoD_S, s.CartaoD_S},       {ui->calccartaoD, s.calccartaoD},
    };
    for (const auto& [edit, value] : bound)
        edit->setText(shown(value));
    const std::pair<QLineEdit*, double> outside[] = {
        {ui->CurrencyEdit11, r.diferencaTroca}, {ui->CurrencyEdit4, r.recebidoDinheiro},
        {ui->CurrencyEdit3, r.recebidoDebito},  {ui->CurrencyEdit12, r.recebidoCredito},
        {ui->CurrencyEdit13, r.recebidoCheque}, {ui->CurrencyEdit1, r.vendaAVista},
        {ui->CurrencyEdit2, r.vendaCrediario},
    };
    for (const auto& [edit, value] : outside)
        edit->setText(shownOutside(value));
    fillGrid(m_aVista, r.aVista);
    fillGrid(m_aPrazo, r.aPrazo);
}

void TFrmfechacaixa01::fillGrid(QStandardItemModel* model, const QList<SalesLine>& lines)
{
    model->removeRows(0, model->rowCount());
    for (const SalesLine& l : lines) {
        auto* total = new QStandardItem(shown(l.total));
        total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model->appendRow({new QStandardItem(QString::number(l.codigo)), new QStandardItem(l.funcionario), total});
    }
}

bool TFrmfechacaixa01::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lblFechar && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    // Ctrl+Delete deletes a row in a data grid; here nothing may be deleted.
    if ((watched == ui->DBGrid1 || watched == ui->DBGrid2) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
