#pragma once

#include "movements/viewers.h"

#include <QDialog>

#include <memory>

class QSortFilterProxyModel;
class TDM;
class ViewerModel;

namespace Ui {
class TFrmVisualizarSangriaReforcoDespesa;
}

// Every withdrawal, reinforcement and expense, latest selected; read only.
class TFrmVisualizarSangriaReforcoDespesa : public QDialog {
    Q_OBJECT
public:
    enum NavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbRefresh };

    explicit TFrmVisualizarSangriaReforcoDespesa(TDM& dm, QWidget* parent = nullptr);
    ~TFrmVisualizarSangriaReforcoDespesa() override;

    // Esc does not close the window: the red "X" does.
    void reject() override;

public Q_SLOTS:
    void DBNavigator1Click(TFrmVisualizarSangriaReforcoDespesa::NavigateBtn button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void FormCreate();
    void panelpnl1Click();
    void updateNavigator();

private:
    void reload(int key);
    int currentPosition() const;
    void moveTo(int position);

    std::unique_ptr<Ui::TFrmVisualizarSangriaReforcoDespesa> ui;
    TDM& m_dm;
    MovementViewer m_viewer;
    ViewerModel* m_model;
    QSortFilterProxyModel* m_proxy;
};
