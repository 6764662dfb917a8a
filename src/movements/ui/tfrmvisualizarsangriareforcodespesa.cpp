#include "tfrmvisualizarsangriareforcodespesa.h"

#include "ui_tfrmvisualizarsangriareforcodespesa.h"

#include "gridposition.h"

#include "app/messagesink.h"
#include "app/tdm.h"
#include "movements/viewersmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>

using namespace Qt::StringLiterals;

TFrmVisualizarSangriaReforcoDespesa::TFrmVisualizarSangriaReforcoDespesa(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmVisualizarSangriaReforcoDespesa>())
    , m_dm(dm)
    , m_viewer(dm.MyConnection1())
    , m_model(new ViewerModel(MovementViewer::columns(), this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowState(Qt::WindowMaximized);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(ViewerModel::SortRole);
    ui->DBGrid1->setModel(m_proxy);
    ui->DBGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->DBGrid1->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    ui->DBGrid1->verticalHeader()->hide();
    ui->DBGrid1->verticalHeader()->setDefaultSectionSize(ui->DBGrid1->fontMetrics().height() + 6);
    ui->DBGrid1->installEventFilter(this);
    connect(ui->DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TFrmVisualizarSangriaReforcoDespesa::updateNavigator);
    connect(ui->panelpnl1, &QToolButton::clicked, this, &TFrmVisualizarSangriaReforcoDespesa::panelpnl1Click);
    const QList<QPair<QToolButton*, NavigateBtn>> buttons = {{ui->nbFirst, nbFirst},
                                                             {ui->nbPrior, nbPrior},
                                                             {ui->nbNext, nbNext},
                                                             {ui->nbLast, nbLast},
                                                             {ui->nbRefresh, nbRefresh}};
    for (const auto& [button, which] : buttons)
        connect(button, &QToolButton::clicked, this, [this, which = which] { DBNavigator1Click(which); });
    FormCreate();
}

TFrmVisualizarSangriaReforcoDespesa::~TFrmVisualizarSangriaReforcoDespesa() = default;

void TFrmVisualizarSangriaReforcoDespesa::reject() {}

void TFrmVisualizarSangriaReforcoDespesa::FormCreate()
{
    reload(0);
    moveTo(m_proxy->rowCount() - 1);
    ui->DBGrid1->resizeColumnsToContents();
}

void TFrmVisualizarSangriaReforcoDespesa::reload(int key)
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

int TFrmVisualizarSangriaReforcoDespesa::currentPosition() const
{
    return grid::position(ui->DBGrid1);
}

void TFrmVisualizarSangriaReforcoDespesa::moveTo(int position)
{
    grid::moveTo(ui->DBGrid1, position);
}

void TFrmVisualizarSangriaReforcoDespesa::DBNavigator1Click(TFrmVisualizarSangriaReforcoDespesa::NavigateBtn button)
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
    case nbRefresh: {
        const QModelIndex current = ui->DBGrid1->currentIndex();
        reload(current.isValid() ? m_model->row(m_proxy->mapToSource(current).row()).key : 0);
        break;
    }
    }
    updateNavigator();
}

void TFrmVisualizarSangriaReforcoDespesa::updateNavigator()
{
    const int position = currentPosition();
    const int count = m_proxy->rowCount();
    ui->nbFirst->setEnabled(position > 0);
    ui->nbPrior->setEnabled(position > 0);
    ui->nbNext->setEnabled(position >= 0 && position < count - 1);
    ui->nbLast->setEnabled(position >= 0 && position < count - 1);
}

void TFrmVisualizarSangriaReforcoDespesa::panelpnl1Click()
{
    QDialog::reject();
}

bool TFrmVisualizarSangriaReforcoDespesa::eventFilter(QObject* watched, QEvent* event)
{
    // The movements are read only here.
    if (watched == ui->DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
