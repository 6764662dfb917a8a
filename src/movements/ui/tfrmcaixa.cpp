#include "tfrmcaixa.h"

#include "ui_tfrmcaixa.h"

#include "gridposition.h"

#include "app/brformat.h"
#include "app/clock.h"
#include "app/messagesink.h"
#include "app/tdm.h"
#include "app/trimworkingset.h"
#include "app/ui/tfrmfechacaixa01.h"
#include "movements/cashbookmodel.h"
#include "movements/ui/tfrmvisualizarabertura.h"
#include "movements/ui/tfrmvisualizarsangriareforcodespesa.h"
#include "output/mailsender.h"
#include "output/ui/mailsending.h"
#include "reports/ui/tfcaixa_relatorio1_opnovo.h"
#include "reports/ui/tfrmfluxo.h"
#include "reports/ui/tfrmmovimentacaoanualcaixa.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSortFilterProxyModel>

using namespace Qt::StringLiterals;

namespace {

constexpr int RefreshIntervalMs = 60 * 1000;
// A date edit cannot be empty: its minimum stands for "no date".
const QDate NoDate(1900, 1, 1);

const QString Credito = QLatin1StringView(cashbook::Credito);
const QString Debito = QLatin1StringView(cashbook::Debito);
const QStringList OpcaoValues = {u"0"_s, u"9"_s, u"1"_s}; // "Saldo Anterior", "Troco", "Normal"

QString amountText(double value)
{
    return br::money(value);
}

// Keeps a line edit in capitals as the user types.
void upperCase(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

void check(QButtonGroup* group, int id)
{
    // An exclusive group cannot be left with nothing checked.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(group->id(b) == id);
    group->setExclusive(true);
}

} // namespace

TfrmCaixa::TfrmCaixa(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TfrmCaixa>())
    , m_dm(dm)
    , m_book(dm.MyConnection1())
    , m_model(new CashBookModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
    , m_tipo(new QButtonGroup(this))
    , m_opcao(new QButtonGroup(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    buildMenus();
    setFixedSize(659, 636 + m_menuBar->sizeHint().height());

    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(CashBookModel::SortRole);
    ui->DBGrid1->setModel(m_proxy);
    ui->DBGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->DBGrid1->horizontalHeader()->setSectionResizeMode(CashBookModel::Descricao, QHeaderView::Stretch);
    ui->DBGrid1->verticalHeader()->hide();
    ui->DBGrid1->verticalHeader()->setDefaultSectionSize(ui->DBGrid1->fontMetrics().height() + 6);
    ui->DBGrid1->installEventFilter(this);
    connect(ui->DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmCaixa::MyCaixaAfterScroll);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &TfrmCaixa::MyCaixaAfterScroll);

    m_tipo->addButton(ui->rbCredito, 0);
    m_tipo->addButton(ui->rbDebito, 1);
    m_opcao->addButton(ui->rbSaldoAnterior, 0);
    m_opcao->addButton(ui->rbTroco, 1);
    m_opcao->addButton(ui->rbNormal, 2);

    // FormCreate: the period starts at today each time the window opens.
    const QDate today = m_dm.clock().today();
    ui->dtpDTI->setDate(today);
    ui->dtpDTF->setDate(today);
    ui->DBDateEditData->setMinimumDate(NoDate);
    ui->DBDateEditData->setSpecialValueText(u"  /  /    "_s);
    upperCase(ui->edtLocalizar);
    upperCase(ui->DBEditDescricao);
    ui->DBComboBoxEspecie->lineEdit()->setMaxLength(50);

    connect(ui->pnl1, &QToolButton::clicked, this, &TfrmCaixa::btn11Click);
    connect(ui->btn4, &QToolButton::clicked, this, &TfrmCaixa::btn4Click);
    connect(ui->btn5, &QToolButton::clicked, this, &TfrmCaixa::btn5Click);
    connect(ui->btn6, &QToolButton::clicked, this, &TfrmCaixa::btn6Click);
    connect(ui->btn11, &QToolButton::clicked, this, &TfrmCaixa::btn11Click);
    connect(ui->btn12, &QToolButton::clicked, this, &TfrmCaixa::btn12Click);
    connect(ui->btn13, &QToolButton::clicked, this, &TfrmCaixa::btn13Click);
    connect(ui->btn14, &QToolButton::clicked, this, &TfrmCaixa::btn14Click);
    connect(ui->btn15, &QToolButton::clicked, this, &TfrmCaixa::btn15Click);
    connect(ui->btn16, &QToolButton::clicked, this, &TfrmCaixa::btn16Click);
    connect(ui->btn17, &QToolButton::clicked, this, &TfrmCaixa::btn17Click);
    connect(ui->SpeedButton3, &QPushButton::clicked, this, &TfrmCaixa::SpeedButton3Click);
    connect(ui->SpeedButton4, &QPushButton::clicked, this, &TfrmCaixa::SpeedButton4Click);
    connect(ui->TSpeedButton, &QPushButton::clicked, this, &TfrmCaixa::TSpeedButtonClick);
    connect(m_tipo, &QButtonGroup::idClicked, this, &TfrmCaixa::DBRadioGroupTipoClick);
    connect(m_opcao, &QButtonGroup::idClicked, this, &TfrmCaixa::DBRadioGroupOpcaoClick);
    connectFields();

    // Enter moves to the next control anywhere in the window.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus && w != ui->DBGrid1)
            w->installEventFilter(this);

    m_refresh.setInterval(RefreshIntervalMs);
    connect(&m_refresh, &QTimer::timeout, this, &TfrmCaixa::MyCaixaAutoRefresh);

    showRow(CashBookRow());
    setEditState(false);
}

TfrmCaixa::~TfrmCaixa() = default;

void TfrmCaixa::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    layout()->setMenuBar(m_menuBar);
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key, auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1StringView(name));
        a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        menu->addAction(a);
        addAction(a); // shortcuts work with the menu closed
        return a;
    };

    QMenu* arquivo = m_menuBar->addMenu(u"&Arquivo"_s);
    arquivo->setObjectName(u"Arquivo1"_s);
    add(arquivo, "Inserir1", u"&Inserir"_s, QKeySequence(Qt::CTRL | Qt::Key_I), &TfrmCaixa::btn4Click);
    add(arquivo, "Excluir1", u"&Excluir"_s, QKeySequence(Qt::CTRL | Qt::Key_E), &TfrmCaixa::btn5Click);
    add(arquivo, "Salvar1", u"&Salvar"_s, QKeySequence(Qt::CTRL | Qt::Key_S), &TfrmCaixa::Salvar1Click);
    add(arquivo, "Cancelar1", u"Ca&ncelar"_s, QKeySequence(Qt::CTRL | Qt::Key_N), &TfrmCaixa::btn13Click);
    add(arquivo, "Alterar1", u"&Alterar"_s, QKeySequence(Qt::CTRL | Qt::Key_A), &TfrmCaixa::Alterar1Click);
    add(arquivo, "Localizar1", u"&Localizar"_s, QKeySequence(Qt::Key_F3), &TfrmCaixa::Localizar1Click);
    arquivo->addSeparator();
    add(arquivo, "Fechar1", u"&Fechar"_s, QKeySequence(Qt::CTRL | Qt::Key_F), &TfrmCaixa::btn11Click);

    m_movimentar = m_menuBar->addMenu(u"&Movimentar"_s);
    m_movimentar->setObjectName(u"Movimentar1"_s);
    add(m_movimentar, "Primeiro1", u"&Primeiro"_s, QKeySequence(Qt::CTRL | Qt::Key_F1), &TfrmCaixa::btn14Click);
    add(m_movimentar, "Anterior1", u"&Anterior"_s, QKeySequence(Qt::CTRL | Qt::Key_F2), &TfrmCaixa::btn15Click);
    add(m_movimentar, "Proximo1", u"&Próximo"_s, QKeySequence(Qt::CTRL | Qt::Key_F3), &TfrmCaixa::btn16Click);
    add(m_movimentar, "Ultimo1", u"&Último"_s, QKeySequence(Qt::CTRL | Qt::Key_F4), &TfrmCaixa::btn17Click);
    connect(m_movimentar, &QMenu::aboutToShow, this, &TfrmCaixa::Movimentar1Click);

    QMenu* relatorio = m_menuBar->addMenu(u"Relatorio"_s);
    relatorio->setObjectName(u"Relatorio1"_s);
    const QList<QAction*> reports = {
        add(relatorio, "CaixanoPeriodo1", u"Caixa no Periodo"_s, {}, &TfrmCaixa::CaixanoPeriodo1Click),
        add(relatorio, "VisulizarAberturadoCaixa1", u"Visulizar Abertura do Caixa"_s, {},
            &TfrmCaixa::VisulizarAberturadoCaixa1Click),
        add(relatorio, "FluxodePagamento1", u"Fluxo de Pagamento"_s, {}, &TfrmCaixa::FluxodePagamento1Click),
        add(relatorio, "MovimentacaoAnualCaixa1", u"Movimentação Anual Caixa "_s, {},
            &TfrmCaixa::MovimentacaoAnualCaixa1Click),
        add(relatorio, "VisualizarSangriaReforcoDespesadoCaixa1", u"Visualizar Sangria - Reforço - Despesa do Caixa"_s,
            {}, &TfrmCaixa::VisualizarSangriaReforcoDespesadoCaixa1Click),
    };
    m_popmenu1 = new QMenu(this);
    m_popmenu1->setObjectName(u"popmenu1"_s);
    m_popmenu1->addActions(reports);
    ui->btn2->setMenu(m_popmenu1);
    ui->btn2->setPopupMode(QToolButton::InstantPopup);
}

void TfrmCaixa::connectFields()
{
    for (QLineEdit* e : {ui->DBEditDescricao, ui->DBEditCredito, ui->DBEditDebito, ui->DBEditTroco, ui->DBEditHora})
        connect(e, &QLineEdit::textEdited, this, &TfrmCaixa::fieldEdited);
    connect(ui->DBDateEditData, &QDateEdit::dateChanged, this, &TfrmCaixa::fieldEdited);
    connect(ui->DBComboBoxEspecie, &QComboBox::currentTextChanged, this, &TfrmCaixa::fieldEdited);
    for (QLineEdit* e : {ui->DBEditCredito, ui->DBEditDebito})
        connect(e, &QLineEdit::textChanged, this, &TfrmCaixa::previewValor);
}

void TfrmCaixa::reject() {}

void TfrmCaixa::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfrmCaixa::FormShow()
{
    runQuery(CashBook::periodOnShow(ui->dtpDTI->date(), ui->dtpDTF->date()));
    setEditState(false);
    ui->edtLocalizar->setFocus();
    m_refresh.start();
}

void TfrmCaixa::closeEvent(QCloseEvent* event)
{
    if (m_editing &&
        !m_dm.messages().ask(u"Atenção"_s, u"O registro em edição não foi salvo. Deseja fechar sem salvar?"_s)) {
        event->ignore();
        return;
    }
    m_refresh.stop();
    m_editing = false;
    QDialog::reject();
    event->accept();
}

bool TfrmCaixa::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Rows are deleted only through "&Excluir", which asks and sends the notice.
        if (watched == ui->DBGrid1 && key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier))
            return true;
        const auto mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- state ---------------------------------------------------------------------------------

void TfrmCaixa::setEditState(bool editing)
{
    m_editing = editing;
    if (!editing) {
        m_tipoChosen = false;
        m_opcaoChosen = false;
    }
    ui->ToolBar2->setVisible(editing);
    ui->ToolBar1->setVisible(!editing);
    ui->ToolBar3->setVisible(!editing);
    ui->DBGrid1->setEnabled(!editing);
    ui->GroupBox2->setEnabled(!editing);
    for (const char* name :
         {"Inserir1", "Excluir1", "Alterar1", "Localizar1", "Primeiro1", "Anterior1", "Proximo1", "Ultimo1"})
        findChild<QAction*>(QLatin1StringView(name))->setEnabled(!editing);
    for (const char* name : {"Salvar1", "Cancelar1"})
        findChild<QAction*>(QLatin1StringView(name))->setEnabled(editing);
    if (!editing)
        Movimentar1Click();
}

void TfrmCaixa::enterEdit()
{
    if (m_editing)
        return;
    // Typing with no row in the list starts a new one.
    m_base = currentRow().value_or(CashBookRow());
    setEditState(true);
}

void TfrmCaixa::fieldEdited()
{
    if (!m_loading)
        enterEdit();
}

void TfrmCaixa::showRow(const CashBookRow& row)
{
    m_loading = true;
    ui->DBEditCodigoNota->setText(row.codigoNota);
    ui->DBEditCodigoCliente->setText(
        row.codigoCliente.isNull() ? QString() : br::formatFloat(u"0"_s, row.codigoCliente.toDouble()));
    ui->DBEditDescricao->setText(row.descricao);
    ui->DBDateEditData->setDate(row.data.isValid() ? row.data : NoDate);
    ui->DBEditCredito->setText(amountText(row.credito));
    ui->DBEditDebito->setText(amountText(row.debito));
    check(m_tipo, row.tipo == Credito ? 0 : row.tipo == Debito ? 1 : -1);
    check(m_opcao, int(OpcaoValues.indexOf(row.opcao)));
    ui->DBComboBoxEspecie->setCurrentIndex(-1);
    ui->DBComboBoxEspecie->setEditText(row.especie);
    ui->DBComboBoxEspecie->lineEdit()->setCursorPosition(0);
    ui->DBEditValor->setText(amountText(row.valor));
    ui->DBEditTroco->setText(amountText(row.troco));
    ui->DBEditHora->setText(row.hora);
    m_loading = false;
}

// "Valor" always follows the amount of the row's Tipo when it is saved; show it as it will be.
void TfrmCaixa::previewValor()
{
    if (!m_editing)
        return;
    const QString typed = m_tipo->checkedId() == 1 ? ui->DBEditDebito->text() : ui->DBEditCredito->text();
    const auto v = br::parseNumber(typed);
    ui->DBEditValor->setText(v ? amountText(*v) : QString());
}

CashBookInput TfrmCaixa::input() const
{
    CashBookInput in;
    in.descricao = ui->DBEditDescricao->text();
    const QDate d = ui->DBDateEditData->date();
    in.data = d == NoDate ? QDate() : d;
    in.credito = ui->DBEditCredito->text();
    in.debito = ui->DBEditDebito->text();
    in.troco = ui->DBEditTroco->text();
    const int tipo = m_tipo->checkedId();
    in.tipo = tipo == 0 ? Credito : tipo == 1 ? Debito : m_base.tipo;
    const int opcao = m_opcao->checkedId();
    in.opcao = opcao >= 0 ? OpcaoValues.at(opcao) : m_base.opcao;
    in.especie = ui->DBComboBoxEspecie->currentText();
    in.hora = ui->DBEditHora->text();
    in.tipoChosen = m_tipoChosen;
    in.opcaoChosen = m_opcaoChosen;
    return in;
}

QWidget* TfrmCaixa::widgetFor(CashBookRefusal::Field field) const
{
    using F = CashBookRefusal::Field;
    switch (field) {
    case F::Descricao:
        return ui->DBEditDescricao;
    case F::Data:
        return ui->DBDateEditData;
    case F::Tipo:
        return ui->rbCredito;
    case F::Credito:
        return ui->DBEditCredito;
    case F::Debito:
        return ui->DBEditDebito;
    case F::Troco:
        return ui->DBEditTroco;
    case F::Especie:
        return ui->DBComboBoxEspecie;
    case F::Hora:
        return ui->DBEditHora;
    }
    return ui->DBEditDescricao;
}

// --- list ----------------------------------------------------------------------------------

std::optional<CashBookRow> TfrmCaixa::currentRow() const
{
    const QModelIndex current = ui->DBGrid1->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->row(m_proxy->mapToSource(current).row());
}

int TfrmCaixa::currentPosition() const
{
    return grid::position(ui->DBGrid1);
}

void TfrmCaixa::moveTo(int position)
{
    grid::moveTo(ui->DBGrid1, position);
}

void TfrmCaixa::reload(int controle, int position)
{
    if (!m_query)
        return;
    QList<CashBookRow> rows;
    try {
        rows = m_book.rows(*m_query);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    m_model->setRows(std::move(rows));
    ui->lblRegistros->setText(u"%1 registro(s)"_s.arg(m_model->rowCount()));
    const int source = m_model->indexOf(controle);
    if (source >= 0)
        moveTo(m_proxy->mapFromSource(m_model->index(source, 0)).row());
    else
        moveTo(position);
    MyCaixaAfterScroll();
}

void TfrmCaixa::runQuery(const CashBookQuery& query)
{
    m_query = query;
    reload(0, 0);
}

void TfrmCaixa::MyCaixaAfterScroll()
{
    if (!m_editing)
        showRow(currentRow().value_or(CashBookRow()));
    Movimentar1Click();
}

// The list follows the database while nobody is editing, like the other workstations see it.
void TfrmCaixa::MyCaixaAutoRefresh()
{
    if (m_editing || !isVisible())
        return;
    const auto row = currentRow();
    reload(row ? row->controle : 0, currentPosition());
}

// --- tool bars -----------------------------------------------------------------------------

void TfrmCaixa::btn4Click()
{
    if (m_editing)
        return;
    CashBookRow fresh;
    fresh.data = m_dm.clock().today();
    fresh.hora = br::time(m_dm.clock().time());
    m_base = CashBookRow();
    setEditState(true);
    showRow(fresh);
    ui->DBEditDescricao->setFocus();
}

void TfrmCaixa::Alterar1Click()
{
    if (m_editing || !currentRow())
        return;
    enterEdit();
    ui->DBEditDescricao->setFocus();
}

void TfrmCaixa::btn13Click()
{
    if (!m_editing)
        return;
    setEditState(false);
    showRow(currentRow().value_or(CashBookRow()));
}

void TfrmCaixa::Salvar1Click()
{
    // The menu saves as the tool bar does: one way to store a change, always with its notice.
    if (m_editing)
        btn12Click();
}

void TfrmCaixa::btn12Click()
{
    if (!m_editing)
        return;
    const CashBookInput in = input();
    if (const auto refusal = CashBook::validate(in, m_base)) {
        m_dm.messages().warning(refusal->message);
        widgetFor(refusal->field)->setFocus();
        return;
    }
    std::optional<CashBookRow> stored;
    try {
        stored = m_book.store(in, m_base);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    const int position = currentPosition();
    setEditState(false);
    if (!stored) {
        m_dm.messages().warning(
            u"Este registro foi excluído do Caixa por outro terminal; a alteração não foi gravada."_s);
        reload(0, position);
        return;
    }
    reload(stored->controle, position);
    if (cashbook::noticeEnabled(m_dm.settings()))
        sendNotice(
            cashbook::changeNotice(m_dm.settings(), m_dm.storeName(), *stored, m_dm.LoggedUser(), m_dm.clock().now()));
}

void TfrmCaixa::btn5Click()
{
    if (m_editing)
        return;
    const auto row = currentRow();
    if (!row)
        return;
    if (!m_dm.messages().ask(u"Exclusão"_s, u"Deseja excluir o Registro do Caixa?"_s)) {
        m_dm.messages().show(MessageSink::Kind::Information, u"Atenção"_s, u"Deleção Cancelada !!!"_s);
        return;
    }
    std::optional<CashBookRow> removed;
    try {
        removed = m_book.remove(row->controle);
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
        return;
    }
    reload(0, currentPosition());
    if (!removed) {
        m_dm.messages().warning(u"Este registro já havia sido excluído do Caixa por outro terminal."_s);
        return;
    }
    if (cashbook::noticeEnabled(m_dm.settings()))
        sendNotice(cashbook::deletionNotice(m_dm.settings(), m_dm.storeName(), *removed, m_dm.LoggedUser(),
                                            m_dm.clock().now()));
}

void TfrmCaixa::sendNotice(const MailMessage& message)
{
    try {
        sendMailWhileBusy(this, MailAccount::fromSettings(m_dm.settings()), message);
        m_dm.messages().show(MessageSink::Kind::Information, u"Atenção"_s, u"Concluido com Sucesso !!!"_s);
    } catch (const MailError& e) {
        m_dm.messages().warning(e.message());
    }
}

void TfrmCaixa::btn6Click()
{
    const auto row = currentRow();
    reload(row ? row->controle : 0, currentPosition());
}

void TfrmCaixa::btn11Click()
{
    close();
}

void TfrmCaixa::btn14Click()
{
    if (!m_editing)
        moveTo(0);
}

void TfrmCaixa::btn15Click()
{
    if (!m_editing && currentPosition() > 0)
        moveTo(currentPosition() - 1);
}

void TfrmCaixa::btn16Click()
{
    if (!m_editing)
        moveTo(currentPosition() + 1);
}

void TfrmCaixa::btn17Click()
{
    if (!m_editing)
        moveTo(m_proxy->rowCount() - 1);
}

void TfrmCaixa::Movimentar1Click()
{
    const int position = currentPosition();
    const int count = m_proxy->rowCount();
    const bool atStart = position <= 0;
    const bool atEnd = position < 0 || position >= count - 1;
    findChild<QAction*>(u"Primeiro1"_s)->setEnabled(!m_editing && !atStart);
    findChild<QAction*>(u"Anterior1"_s)->setEnabled(!m_editing && !atStart);
    findChild<QAction*>(u"Proximo1"_s)->setEnabled(!m_editing && !atEnd);
    findChild<QAction*>(u"Ultimo1"_s)->setEnabled(!m_editing && !atEnd);
}

void TfrmCaixa::Localizar1Click()
{
    ui->edtLocalizar->setFocus();
    ui->edtLocalizar->selectAll();
}

// --- choices -------------------------------------------------------------------------------

void TfrmCaixa::DBRadioGroupTipoClick(int id)
{
    enterEdit();
    m_tipoChosen = true;
    previewValor();
    (id == 0 ? ui->DBEditCredito : ui->DBEditDebito)->setFocus();
}

void TfrmCaixa::DBRadioGroupOpcaoClick(int)
{
    enterEdit();
    m_opcaoChosen = true;
}

// --- searches ------------------------------------------------------------------------------

void TfrmCaixa::SpeedButton3Click()
{
    const QString text = ui->edtLocalizar->text();
    if (const auto refusal = CashBook::checkSearch(CashBook::Search::Nota, text)) {
        m_dm.messages().show(MessageSink::Kind::Warning, u"Atenção"_s, *refusal);
        ui->edtLocalizar->setFocus();
        return;
    }
    runQuery(CashBook::search(CashBook::Search::Nota, text));
}

void TfrmCaixa::SpeedButton4Click()
{
    const QString text = ui->edtLocalizar->text();
    if (const auto refusal = CashBook::checkSearch(CashBook::Search::Descricao, text)) {
        m_dm.messages().show(MessageSink::Kind::Warning, u"Atenção"_s, *refusal);
        ui->edtLocalizar->setFocus();
        return;
    }
    runQuery(CashBook::search(CashBook::Search::Descricao, text));
}

void TfrmCaixa::TSpeedButtonClick()
{
    runQuery(CashBook::periodOnButton(ui->dtpDTI->date(), ui->dtpDTF->date()));
}

// --- reports -------------------------------------------------------------------------------

void TfrmCaixa::CaixanoPeriodo1Click()
{
    TFCaixa_Relatorio1_OPNovo report(m_dm, this);
    report.setOnPrinted([](const QDate& day) { TFrmfechacaixa01::revealOnMainWindow(day, true); });
    report.exec();
}

void TfrmCaixa::VisulizarAberturadoCaixa1Click()
{
    TFrmVisualizarAbertura viewer(m_dm, this);
    viewer.exec();
}

void TfrmCaixa::FluxodePagamento1Click()
{
    TFrmFluxo flow(m_dm, this);
    flow.exec();
    TrimWorkingSet();
}

void TfrmCaixa::MovimentacaoAnualCaixa1Click()
{
    TFrmMovimentacaoAnualCaixa annual(m_dm, this);
    annual.exec();
    TrimWorkingSet();
}

void TfrmCaixa::VisualizarSangriaReforcoDespesadoCaixa1Click()
{
    TFrmVisualizarSangriaReforcoDespesa viewer(m_dm, this);
    viewer.exec();
    TrimWorkingSet();
}
