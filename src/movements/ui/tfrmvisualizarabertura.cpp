#include "tfrmvisualizarabertura.h"

#include "ui_tfrmvisualizarabertura.h"

#include "gridposition.h"

#include "app/messagesink.h"
#include "app/tdm.h"
#include "movements/viewersmodel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int DataFechamentoColumn = 5;
constexpr int HoraFechamentoColumn = 6;
constexpr int UsuarioFechamentoColumn = 7;

} // namespace

TFrmVisualizarAbertura::TFrmVisualizarAbertura(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmVisualizarAbertura>())
    , m_dm(dm)
    , m_viewer(dm.MyConnection1())
    , m_model(new ViewerModel(OpeningViewer::columns(), this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowState(Qt::WindowMaximized);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(ViewerModel::SortRole);
    ui->DBGrid1->setModel(m_proxy);
    ui->DBGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->DBGrid1->verticalHeader()->hide();
    ui->DBGrid1->verticalHeader()->setDefaultSectionSize(ui->DBGrid1->fontMetrics().height() + 6);
    ui->DBGrid1->installEventFilter(this);
    connect(ui->DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFrmVisualizarAbertura::tbVisualizarAfterScroll);
    connect(m_model, &ViewerModel::pendingChanged, this, &TFrmVisualizarAbertura::updateNavigator);
    connect(ui->panelpnl1, &QToolButton::clicked, this, &TFrmVisualizarAbertura::panelpnl1Click);
    const QList<QPair<QToolButton*, NavigateBtn>> buttons = {
        {ui->nbFirst, nbFirst}, {ui->nbPrior, nbPrior}, {ui->nbNext, nbNext},     {ui->nbLast, nbLast},
        {ui->nbEdit, nbEdit},   {ui->nbPost, nbPost},   {ui->nbCancel, nbCancel}, {ui->nbRefresh, nbRefresh}};
    for (const auto& [button, which] : buttons)
        connect(button, &QToolButton::clicked, this, [this, which = which] { DBNavigator1Click(which); });
    FormCreate();
}

TFrmVisualizarAbertura::~TFrmVisualizarAbertura() = default;

void TFrmVisualizarAbertura::reject() {}

void TFrmVisualizarAbertura::FormCreate()
{
    reload(0);
    moveTo(m_proxy->rowCount() - 1);
    ui->DBGrid1->resizeColumnsToContents();
}

void TFrmVisualizarAbertura::reload(int key)
{
    QList<ViewerRow> rows;
    try {
        rows = m_viewer.rows();
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    const int position = currentPosition();
    m_model->setRows(std::move(rows));
    const int source = m_model->indexOf(key);
    moveTo(source >= 0 ? m_proxy->mapFromSource(m_model->index(source, 0)).row() : position);
    updateNavigator();
}

int TFrmVisualizarAbertura::currentPosition() const
{
    return grid::position(ui->DBGrid1);
}

void TFrmVisualizarAbertura::moveTo(int position)
{
    grid::moveTo(ui->DBGrid1, position);
}

// An editor still open in the grid hands its text to the model when it loses the focus.
void TFrmVisualizarAbertura::finishTyping()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != ui->DBGrid1 && ui->DBGrid1->isAncestorOf(focus))
        ui->DBGrid1->setFocus();
}

bool TFrmVisualizarAbertura::post()
{
    finishTyping();
    const int row = m_model->pendingRow();
    if (row < 0)
        return true;
    const ViewerRow& session = m_model->row(row);
    const ClosingCorrection correction{session.key, m_model->text(row, DataFechamentoColumn),
                                       m_model->text(row, HoraFechamentoColumn),
                                       m_model->text(row, UsuarioFechamentoColumn)};
    if (const auto refusal = OpeningViewer::validate(correction, session.values.value(0).toDate())) {
        m_dm.messages().warning(*refusal);
        return false;
    }
    try {
        if (!m_viewer.store(correction)) {
            m_dm.messages().warning(u"Esta abertura do caixa foi excluída por outro terminal."_s);
            reload(0);
            return true;
        }
        if (const auto stored = m_viewer.row(session.key))
            m_model->replaceRow(row, *stored);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return false;
    }
    return true;
}

void TFrmVisualizarAbertura::DBNavigator1Click(TFrmVisualizarAbertura::NavigateBtn button)
{
    const int position = currentPosition();
    switch (button) {
    case nbFirst:
        moveTo(0);
        break;
    case nbPrior:
        moveTo(position - 1);
        break;
    case nbNext:
        moveTo(position + 1);
        break;
    case nbLast:
        moveTo(m_proxy->rowCount() - 1);
        break;
    case nbEdit: {
        const QModelIndex current = ui->DBGrid1->currentIndex();
        if (!current.isValid())
            break;
        const int column = (m_model->flags(m_proxy->mapToSource(current)) & Qt::ItemIsEditable) ? current.column()
                                                                                                : DataFechamentoColumn;
        const QModelIndex index = m_proxy->index(current.row(), column);
        m_model->beginEdit(m_proxy->mapToSource(index).row());
        ui->DBGrid1->setCurrentIndex(index);
        ui->DBGrid1->edit(index);
        break;
    }
    case nbPost:
        post();
        break;
    case nbCancel:
        finishTyping();
        m_model->cancelEdit();
        break;
    case nbRefresh: {
        if (!post())
            break;
        const QModelIndex current = ui->DBGrid1->currentIndex();
        reload(current.isValid() ? m_model->row(m_proxy->mapToSource(current).row()).key : 0);
        break;
    }
    }
    updateNavigator();
}

// Leaving a row stores its pending correction, as a data-aware grid posts when it scrolls.
void TFrmVisualizarAbertura::tbVisualizarAfterScroll(const QModelIndex& current, const QModelIndex& previous)
{
    if (m_reverting || !previous.isValid() || m_model->pendingRow() < 0) {
        updateNavigator();
        return;
    }
    const int pending = m_model->pendingRow();
    if (m_proxy->mapToSource(previous).row() == pending && current.row() != previous.row() && !post()) {
        // Stay on the row until the correction is fixed or cancelled.
        const QPersistentModelIndex back = previous;
        QTimer::singleShot(0, this, [this, back] {
            m_reverting = true;
            ui->DBGrid1->setCurrentIndex(back);
            m_reverting = false;
        });
    }
    updateNavigator();
}

void TFrmVisualizarAbertura::updateNavigator()
{
    const int position = currentPosition();
    const int count = m_proxy->rowCount();
    const bool pending = m_model->pendingRow() >= 0;
    ui->nbFirst->setEnabled(position > 0);
    ui->nbPrior->setEnabled(position > 0);
    ui->nbNext->setEnabled(position >= 0 && position < count - 1);
    ui->nbLast->setEnabled(position >= 0 && position < count - 1);
    ui->nbEdit->setEnabled(count > 0 && !pending);
    ui->nbPost->setEnabled(pending);
    ui->nbCancel->setEnabled(pending);
}

void TFrmVisualizarAbertura::panelpnl1Click()
{
    close();
}

void TFrmVisualizarAbertura::closeEvent(QCloseEvent* event)
{
    if (!post()) {
        event->ignore();
        return;
    }
    QDialog::reject();
    event->accept();
}

bool TFrmVisualizarAbertura::eventFilter(QObject* watched, QEvent* event)
{
    // No session can be deleted from here.
    if (watched == ui->DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
