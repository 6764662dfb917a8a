#include "tfrmgraficomovimentacaoanualcaixa.h"

#include "ui_tfrmgraficomovimentacaoanualcaixa.h"

#include "app/brformat.h"
#include "app/dbconnection.h"
#include "app/messagesink.h"
#include "app/tdm.h"

#include <QBrush>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLocale>
#include <QPen>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// One colour per bar, in this order; strong colours that stand out on white.
const QList<QColor>& barColors()
{
    static const QList<QColor> colors = {
        QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x80, 0x00), QColor(0xFF, 0xD7, 0x00), QColor(0x00, 0x00, 0xFF),
        QColor(0x80, 0x80, 0x80), QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0x80, 0x80), QColor(0x00, 0x00, 0x80),
        QColor(0x80, 0x00, 0x00), QColor(0x00, 0xFF, 0x00), QColor(0x80, 0x80, 0x00), QColor(0x80, 0x00, 0x80),
        QColor(0xC0, 0xC0, 0xC0), QColor(0x00, 0xFF, 0xFF), QColor(0xFF, 0x8C, 0x00), QColor(0x8B, 0x45, 0x13),
    };
    return colors;
}

} // namespace

TFrmGraficoMovimentacaoAnualCaixa::TFrmGraficoMovimentacaoAnualCaixa(TDM& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowContextHelpButtonHint)
    , ui(std::make_unique<Ui::TFrmGraficoMovimentacaoAnualCaixa>())
    , m_dm(dm)
{
    ui->setupUi(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_chart = new QChart();
    m_chart->setTitle(QString());
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setAnimationOptions(QChart::AllAnimations); // bars grow, zooming glides
    m_chart->setLocalizeNumbers(true);
    m_chart->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(u"dbcht1"_s);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setRubberBand(QChartView::RectangleRubberBand);
    ui->layout->addWidget(m_view, 1);
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { placeMarks(); });

    connect(ui->TSpeedButton11, &QPushButton::clicked, this, &TFrmGraficoMovimentacaoAnualCaixa::TSpeedButton11Click);
    FormCreate();
}

TFrmGraficoMovimentacaoAnualCaixa::~TFrmGraficoMovimentacaoAnualCaixa() = default;

void TFrmGraficoMovimentacaoAnualCaixa::setPeriod(const QDate& dataI, const QDate& dataF)
{
    ui->edt1->setText(br::date(dataI));
    ui->edt2->setText(br::date(dataF));
}

void TFrmGraficoMovimentacaoAnualCaixa::setTotal(double total)
{
    ui->CurrencyEdit1->setText(br::money(total));
}

QString TFrmGraficoMovimentacaoAnualCaixa::percentText(double value, double whole)
{
    return br::formatFloat(u"##0.##"_s, whole == 0 ? 0 : value / whole * 100) + u" %"_s;
}

QStringList TFrmGraficoMovimentacaoAnualCaixa::categories() const
{
    const auto axes = m_chart->axes(Qt::Horizontal);
    if (axes.isEmpty())
        return {};
    return static_cast<QBarCategoryAxis*>(axes.first())->categories();
}

void TFrmGraficoMovimentacaoAnualCaixa::FormCreate()
{
    AnnualTableData data;
    try {
        data = AnnualTable(m_dm).read();
    } catch (const DbError& e) {
        m_dm.messages().error(e.message());
    }
    buildChart(data);
}

void TFrmGraficoMovimentacaoAnualCaixa::TSpeedButton11Click()
{
    close();
}

void TFrmGraficoMovimentacaoAnualCaixa::buildChart(const AnnualTableData& data)
{
    for (QGraphicsRectItem* mark : m_marks)
        delete mark;
    m_marks.clear();
    m_markTops.clear();
    m_bars.clear();
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis);

    // Places on the horizontal axis: the codes in ascending order, each labelled with the
    // descriptions standing there.
    std::map<double, QStringList> places;
    for (const AnnualLine& line : data.lines)
        places[line.codigocliente] << line.descricao;
    QStringList categories;
    std::map<double, int> categoryOf;
    for (const auto& [position, labels] : places) {
        categoryOf[position] = int(categories.size());
        QString label = labels.join(u" / "_s);
        // The axis needs distinct names; two places with the same description stay apart.
        while (categories.contains(label))
            label += u' ';
        categories << label;
    }

    QList<AnnualLine> lines = data.lines;
    std::stable_sort(lines.begin(), lines.end(),
                     [](const AnnualLine& a, const AnnualLine& b) { return a.codigocliente < b.codigocliente; });

    m_series = new QStackedBarSeries();
    m_series->setBarWidth(0.6);
    QList<double> stacked(categories.size(), 0.0);
    double low = 0, high = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const AnnualLine& line = lines[i];
        Bar bar;
        bar.position = line.codigocliente;
        bar.category = categoryOf[line.codigocliente];
        bar.label = line.descricao;
        bar.value = line.totalgeral;
        bar.mark = line.descricao + u'\n' + percentText(line.totalgeral, data.totalSum);
        bar.color = barColors()[i % barColors().size()];
        m_bars << bar;

        auto* set = new QBarSet(line.descricao);
        for (int c = 0; c < categories.size(); ++c)
            *set << (c == bar.category ? bar.value : 0.0);
        set->setColor(bar.color);
        set->setBorderColor(bar.color.darker(150));
        m_series->append(set);

        stacked[bar.category] += bar.value;
        m_markTops << stacked[bar.category];
        high = std::max(high, stacked[bar.category]);
        low = std::min(low, stacked[bar.category]);
    }
    m_chart->addSeries(m_series);

    auto* axisX = new QBarCategoryAxis();
    axisX->append(categories);
    m_chart->addAxis(axisX, Qt::AlignBottom);
    m_series->attachAxis(axisX);
    auto* axisY = new QValueAxis();
    // Room above the highest bar for its mark.
    axisY->setRange(low < 0 ? low * 1.15 : 0, high > 0 ? high * 1.15 : 1);
    axisY->applyNiceNumbers();
    axisY->setLabelFormat(u"%.2f"_s);
    m_chart->addAxis(axisY, Qt::AlignLeft);
    m_series->attachAxis(axisY);

    for (const Bar& bar : m_bars) {
        auto* box = new QGraphicsRectItem(m_chart);
        box->setBrush(QColor(0xFF, 0xFF, 0xE1));
        box->setPen(QPen(Qt::black, 1));
        box->setZValue(10);
        auto* text = new QGraphicsSimpleTextItem(bar.mark, box);
        QFont f = text->font();
        f.setPointSizeF(8);
        text->setFont(f);
        m_marks << box;
    }
    placeMarks();
}

void TFrmGraficoMovimentacaoAnualCaixa::placeMarks()
{
    if (!m_series)
        return;
    for (int i = 0; i < m_marks.size(); ++i) {
        QGraphicsRectItem* box = m_marks[i];
        auto* text = static_cast<QGraphicsSimpleTextItem*>(box->childItems().first());
        const QRectF textRect = text->boundingRect();
        const QRectF r(0, 0, textRect.width() + 6, textRect.height() + 4);
        box->setRect(r);
        text->setPos(3, 2);
        const QPointF top = m_chart->mapToPosition(QPointF(m_bars[i].category, m_markTops[i]), m_series);
        box->setPos(top.x() - r.width() / 2, top.y() - r.height() - 4);
    }
}
