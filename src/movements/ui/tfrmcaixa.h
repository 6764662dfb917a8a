#pragma once

#include "movements/cashbook.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <optional>

class CashBookModel;
class QAction;
class QButtonGroup;
class QMenu;
class QMenuBar;
class QSortFilterProxyModel;
class TDM;

namespace Ui {
class TfrmCaixa;
}

// Cash book maintenance: browse, search, insert, edit and delete rows of `caixa`, with the
// change and deletion notices; entry point of the period reports and the movement viewers.
class TfrmCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCaixa(TDM& dm, QWidget* parent = nullptr);
    ~TfrmCaixa() override;

    bool isEditing() const { return m_editing; }
    // Esc does not close the window: it closes through "X", "&Fechar" and Ctrl+F.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void FormShow();
    void btn4Click();         // "&Incluir"
    void btn5Click();         // "&Excluir"
    void btn6Click();         // "Atuali&zar"
    void btn11Click();        // "&Fechar"
    void btn12Click();        // "&Salvar"
    void btn13Click();        // "&Cancelar  "
    void btn14Click();        // "&Primeiro "
    void btn15Click();        // "&Anterior"
    void btn16Click();        // "&Próximo "
    void btn17Click();        // "   &Último    "
    void SpeedButton3Click(); // "&Nº Nota"
    void SpeedButton4Click(); // "&Descrição"
    void TSpeedButtonClick(); // "Data &Emissão"
    void Alterar1Click();
    void Localizar1Click();
    void Salvar1Click();
    void Movimentar1Click();
    void DBRadioGroupTipoClick(int id);
    void DBRadioGroupOpcaoClick(int id);
    void MyCaixaAfterScroll();
    void MyCaixaAutoRefresh();
    void fieldEdited();

    // Report menu ("Relatorio" and the pop-up menu of "&Relatorio").
    void CaixanoPeriodo1Click();
    void VisulizarAberturadoCaixa1Click();
    void FluxodePagamento1Click();
    void MovimentacaoAnualCaixa1Click();
    void VisualizarSangriaReforcoDespesadoCaixa1Click();

private:
    void buildMenus();
    void connectFields();
    void setEditState(bool editing);
    void enterEdit();
    void showRow(const CashBookRow& row);
    void previewValor();
    CashBookInput input() const;
    QWidget* widgetFor(CashBookRefusal::Field field) const;
    std::optional<CashBookRow> currentRow() const;
    int currentPosition() const;
    void moveTo(int position);
    // Runs the statement of the list again; selects the row `controle` when it is there,
    // else the row at `position` (clamped).
    void reload(int controle, int position);
    void runQuery(const CashBookQuery& query);
    void sendNotice(const MailMessage& message);

    std::unique_ptr<Ui::TfrmCaixa> ui;
    TDM& m_dm;
    CashBook m_book;
    CashBookModel* m_model;
    QSortFilterProxyModel* m_proxy;
    QButtonGroup* m_tipo;
    QButtonGroup* m_opcao;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_popmenu1 = nullptr;
    QMenu* m_movimentar = nullptr;
    QTimer m_refresh;
    std::optional<CashBookQuery> m_query;

    bool m_shown = false;
    bool m_loading = false; // filling the controls from a row: not an edit by the user
    bool m_editing = false;
    CashBookRow m_base; // the row being edited (controle 0: a new row)
    bool m_tipoChosen = false;
    bool m_opcaoChosen = false;
};
