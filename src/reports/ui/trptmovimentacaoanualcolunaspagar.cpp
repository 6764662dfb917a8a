#include "trptmovimentacaoanualcolunaspagar.h"

#include "ui_trptmovimentacaoanualcolunaspagar.h"

#include "annualtablerenderer.h"

#include "app/messagesink.h"
#include "app/tdm.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>

using namespace Qt::StringLiterals;

// One page of the table at the zoom in force (100% = the paper's size on a 96 dpi screen).
class AnnualPageView : public QWidget {
public:
    explicit AnnualPageView(QWidget* parent)
        : QWidget(parent)
    {
    }

    void show(const AnnualTableRenderer* renderer, int page, double dotsPerInch)
    {
        m_renderer = renderer;
        m_page = page;
        const QSizeF inches = AnnualTableRenderer::paperMm() / 25.4;
        resize(int(inches.width() * dotsPerInch) + 1, int(inches.height() * dotsPerInch) + 1);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::gray);
        if (m_renderer)
            m_renderer->paintPage(painter, m_page, QRectF(rect()));
    }

private:
    const AnnualTableRenderer* m_renderer = nullptr;
    int m_page = 1;
};

const QString TRptMovimentacaoAnualColunasPagar::FilterPdf = u"Arquivo PDF (*.pdf)"_s;
const QString TRptMovimentacaoAnualColunasPagar::FilterCsv = u"Planilha CSV (*.csv)"_s;
const QString TRptMovimentacaoAnualColunasPagar::FilterXml = u"Planilha XML (*.xml)"_s;

TRptMovimentacaoAnualColunasPagar::TRptMovimentacaoAnualColunasPagar(TDM& dm, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TRptMovimentacaoAnualColunasPagar>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowTitle(AnnualTable::ReportTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    ui->cbZoom->addItem(u"Largura da página"_s, 0);
    for (int z : {50, 75, 100, 125, 150, 200})
        ui->cbZoom->addItem(u"%1%"_s.arg(z), z);
    m_view = new AnnualPageView(ui->scroll);
    ui->scroll->setWidget(m_view);
    ui->scroll->setBackgroundRole(QPalette::Dark);
    ui->scroll->viewport()->installEventFilter(this);

    connect(ui->btnPrimeira, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnPrimeiraClick);
    connect(ui->btnAnterior, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnAnteriorClick);
    connect(ui->btnProxima, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnProximaClick);
    connect(ui->btnUltima, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnUltimaClick);
    connect(ui->btnImprimir, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnImprimirClick);
    connect(ui->btnSalvar, &QPushButton::clicked, this, &TRptMovimentacaoAnualColunasPagar::btnSalvarClick);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cbZoom, &QComboBox::currentIndexChanged, this, &TRptMovimentacaoAnualColunasPagar::cbZoomChange);

    rebuild();
}

TRptMovimentacaoAnualColunasPagar::~TRptMovimentacaoAnualColunasPagar() = default;

void TRptMovimentacaoAnualColunasPagar::open()
{
    const QString title = m_data.title;
    m_data = AnnualTable(m_dm).read();
    m_data.title = title;
    rebuild();
}

void TRptMovimentacaoAnualColunasPagar::setTitleLine(const QString& text)
{
    m_data.title = text;
    rebuild();
}

void TRptMovimentacaoAnualColunasPagar::rebuild()
{
    m_renderer = std::make_unique<AnnualTableRenderer>(m_data);
    showPage(1);
}

void TRptMovimentacaoAnualColunasPagar::preparePreview()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    setZoom(0);
    showPage(1);
}

void TRptMovimentacaoAnualColunasPagar::Preview()
{
    preparePreview();
    exec();
}

int TRptMovimentacaoAnualColunasPagar::zoom() const
{
    return ui->cbZoom->currentData().toInt();
}

void TRptMovimentacaoAnualColunasPagar::setZoom(int percent)
{
    int index = ui->cbZoom->findData(percent);
    if (index < 0) {
        ui->cbZoom->addItem(u"%1%"_s.arg(percent), percent);
        index = ui->cbZoom->count() - 1;
    }
    ui->cbZoom->setCurrentIndex(index);
    layoutView();
}

void TRptMovimentacaoAnualColunasPagar::layoutView()
{
    double dpi = 96.0 * zoom() / 100.0;
    if (zoom() == 0) {
        const int available = ui->scroll->viewport()->width() - 4;
        dpi = std::max(10.0, available / (AnnualTableRenderer::paperMm().width() / 25.4));
    }
    m_view->show(m_renderer.get(), m_page, dpi);
}

bool TRptMovimentacaoAnualColunasPagar::eventFilter(QObject* watched, QEvent* event)
{
    // Zoomed to the page width: the page follows the width of the visible area.
    if (watched == ui->scroll->viewport() && event->type() == QEvent::Resize && zoom() == 0)
        layoutView();
    return QDialog::eventFilter(watched, event);
}

void TRptMovimentacaoAnualColunasPagar::showPage(int page)
{
    m_page = std::clamp(page, 1, std::max(1, m_renderer->pageCount()));
    layoutView();
    updateState();
}

void TRptMovimentacaoAnualColunasPagar::updateState()
{
    const int pages = m_renderer->pageCount();
    ui->lblPagina->setText(u"Página %1 de %2"_s.arg(m_page).arg(pages));
    ui->btnPrimeira->setEnabled(m_page > 1);
    ui->btnAnterior->setEnabled(m_page > 1);
    ui->btnProxima->setEnabled(m_page < pages);
    ui->btnUltima->setEnabled(m_page < pages);
}

void TRptMovimentacaoAnualColunasPagar::btnPrimeiraClick()
{
    showPage(1);
}

void TRptMovimentacaoAnualColunasPagar::btnAnteriorClick()
{
    showPage(m_page - 1);
}

void TRptMovimentacaoAnualColunasPagar::btnProximaClick()
{
    showPage(m_page + 1);
}

void TRptMovimentacaoAnualColunasPagar::btnUltimaClick()
{
    showPage(m_renderer->pageCount());
}

void TRptMovimentacaoAnualColunasPagar::cbZoomChange()
{
    layoutView();
}

void TRptMovimentacaoAnualColunasPagar::btnImprimirClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(AnnualTable::ReportTitle);
    printer.setPageLayout(AnnualTableRenderer::pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(u"Imprimir"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_renderer->print(printer);
}

QString TRptMovimentacaoAnualColunasPagar::savePdf(const QString& fileName) const
{
    QString error;
    if (!m_renderer->writePdf(fileName, &error))
        return error;
    return {};
}

QString TRptMovimentacaoAnualColunasPagar::saveCsv(const QString& fileName) const
{
    return AnnualTable::writeCsv(m_data, fileName);
}

QString TRptMovimentacaoAnualColunasPagar::saveXml(const QString& fileName) const
{
    return AnnualTable::writeXmlSpreadsheet(m_data, fileName);
}

QString TRptMovimentacaoAnualColunasPagar::saveAs(const QString& fileName, const QString& filter) const
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (filter == FilterCsv || (filter.isEmpty() && suffix == u"csv"_s))
        return saveCsv(fileName);
    if (filter == FilterXml || (filter.isEmpty() && suffix == u"xml"_s))
        return saveXml(fileName);
    return savePdf(fileName);
}

void TRptMovimentacaoAnualColunasPagar::btnSalvarClick()
{
    QString filter = FilterPdf;
    QString file = QFileDialog::getSaveFileName(this, u"Salvar"_s, u"movimentacao-anual.pdf"_s,
                                                QStringList{FilterPdf, FilterCsv, FilterXml}.join(u";;"_s), &filter);
    if (file.isEmpty())
        return;
    const QString suffix = filter == FilterCsv ? u"csv"_s : filter == FilterXml ? u"xml"_s : u"pdf"_s;
    if (QFileInfo(file).suffix().isEmpty())
        file += u'.' + suffix;
    if (const QString error = saveAs(file, filter); !error.isEmpty())
        m_dm.messages().warning(error);
}
