#pragma once

#include "reports/annualtable.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QList>

#include <memory>

class TDM;
class QChart;
class QChartView;
class QGraphicsRectItem;
class QStackedBarSeries;

namespace Ui {
class TFrmGraficoMovimentacaoAnualCaixa;
}

// Bar chart of the annual movement: one bar per kind of payment at its code's place on the
// horizontal axis, each in its own colour, marked with its label and share of the whole.
class TFrmGraficoMovimentacaoAnualCaixa : public QDialog {
    Q_OBJECT
public:
    explicit TFrmGraficoMovimentacaoAnualCaixa(TDM& dm, QWidget* parent = nullptr);
    ~TFrmGraficoMovimentacaoAnualCaixa() override;

    // The period and the period's total, as the annual movement passes them.
    void setPeriod(const QDate& dataI, const QDate& dataF);
    void setTotal(double total);

    struct Bar {
        double position = 0; // codigocliente; the kinds without a code stand at 0
        int category = 0;    // index on the horizontal axis
        QString label;
        double value = 0; // totalgeral
        QString mark;     // "label\nNN,NN %"
        QColor color;
    };
    const QList<Bar>& bars() const { return m_bars; }
    QStringList categories() const;
    QChart* chart() const { return m_chart; }

    static QString percentText(double value, double whole);

public Q_SLOTS:
    // Opens the chart's query and draws the bars.
    void FormCreate();
    void TSpeedButton11Click();

private:
    void buildChart(const AnnualTableData& data);
    void placeMarks();

    std::unique_ptr<Ui::TFrmGraficoMovimentacaoAnualCaixa> ui;
    TDM& m_dm;
    QChartView* m_view = nullptr;
    QChart* m_chart = nullptr;
    QStackedBarSeries* m_series = nullptr;
    QList<Bar> m_bars;
    QList<double> m_markTops; // top of each bar (stacked), in values
    QList<QGraphicsRectItem*> m_marks;
};
