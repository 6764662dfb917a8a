#pragma once

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>

class TDM;
class MainSession;
class QDialog;
class QStandardItemModel;
struct DailySummaryResult;
struct SalesLine;

namespace Ui {
class TFrmfechacaixa01;
}

// Main window: the button bar that opens every function, and the daily cash summary below it.
class TFrmfechacaixa01 : public QWidget {
    Q_OBJECT
public:
    explicit TFrmfechacaixa01(TDM& dm, QWidget* parent = nullptr);
    ~TFrmfechacaixa01() override;

    // Runs the start-of-day steps; false when the program must end (no user).
    bool FormCreate();
    // Brings the window forward (a second start of the program asks for it).
    void bringToFront();
    // The report windows reveal the summary controls after printing, set to the report's day.
    void revealSummary(const QDate& day, bool withButton = true);
    // The same on the program's main window, for windows opened further down (the cash book's).
    static void revealOnMainWindow(const QDate& day, bool withButton = true);

public Q_SLOTS:
    void BitBtn8Click();       // &Abrir o Caixa
    void BitBtn2Click();       // &Voltar ao Caixa
    void BitBtn7Click();       // &Resultados do Caixa
    void BitBtn5Click();       // &Sangria no Caixa
    void SpeedButton1Click();  // &Reforço no Caixa
    void TSpeedButton3Click(); // Despesa &no Caixa
    void BitBtn6Click();       // Sa&ir do Fechamento
    void BitBtn1Click();       // Visualizar &Caixa

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows a window of the bar modally; memory goes back to the system before it is freed.
    void runModal(QDialog& dialog);
    void notReady(const QString& what);
    void refuse();
    void showSummary(const DailySummaryResult& r);
    void fillGrid(QStandardItemModel* model, const QList<SalesLine>& lines);
    bool guard(const std::function<void()>& action);

    std::unique_ptr<Ui::TFrmfechacaixa01> ui;
    TDM& m_dm;
    std::unique_ptr<MainSession> m_session;
    QStandardItemModel* m_aVista = nullptr;
    QStandardItemModel* m_aPrazo = nullptr;
};
