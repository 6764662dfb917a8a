#pragma once

#include "movements/viewers.h"

#include <QDialog>
#include <QPersistentModelIndex>

#include <memory>

class QSortFilterProxyModel;
class TDM;
class ViewerModel;

namespace Ui {
class TFrmVisualizarAbertura;
}

// Every cash session, latest selected; the closing date, time and user can be corrected.
class TFrmVisualizarAbertura : public QDialog {
    Q_OBJECT
public:
    enum NavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbEdit, nbPost, nbCancel, nbRefresh };

    explicit TFrmVisualizarAbertura(TDM& dm, QWidget* parent = nullptr);
    ~TFrmVisualizarAbertura() override;

    // Esc does not close the window: the red "X" does.
    void reject() override;

public Q_SLOTS:
    void DBNavigator1Click(TFrmVisualizarAbertura::NavigateBtn button);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void FormCreate();
    void panelpnl1Click();
    void tbVisualizarAfterScroll(const QModelIndex& current, const QModelIndex& previous);
    void updateNavigator();

private:
    // Stores the pending correction of a row; false (the user was told why) when it cannot.
    bool post();
    void finishTyping();
    void reload(int key);
    int currentPosition() const;
    void moveTo(int position);

    std::unique_ptr<Ui::TFrmVisualizarAbertura> ui;
    TDM& m_dm;
    OpeningViewer m_viewer;
    ViewerModel* m_model;
    QSortFilterProxyModel* m_proxy;
    bool m_reverting = false;
};
