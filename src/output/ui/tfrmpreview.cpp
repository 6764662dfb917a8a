#include "tfrmpreview.h"

#include "ui_tfrmpreview.h"

#include "reportrenderer.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollArea>

using namespace Qt::StringLiterals;

// One page of the report drawn at the zoom in force (100% = the paper's size on a 96 dpi screen).
class PageView : public QWidget {
public:
    PageView(const TextReport& report, QWidget* parent)
        : QWidget(parent)
        , m_renderer(report)
    {
    }

    void show(int page, int zoom)
    {
        m_page = page;
        m_zoom = zoom;
        const QSizeF inches = m_renderer.pageSizeInches(page);
        const double dpi = 96.0 * zoom / 100.0;
        resize(int(inches.width() * dpi) + 1, int(inches.height() * dpi) + 1);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::gray);
        m_renderer.paintPage(painter, m_page, QRectF(rect()));
    }

private:
    ReportRenderer m_renderer;
    int m_page = 1;
    int m_zoom = 100;
};

TFrmPreview::TFrmPreview(const TextReport& report, int zoomPercent, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFrmPreview>())
    , m_report(report)
{
    ui->setupUi(this);
    setWindowTitle(report.title.isEmpty() ? u"Visualização"_s : report.title);
    for (int z : {50, 75, 97, 100, 125, 150, 200})
        ui->cbZoom->addItem(u"%1%"_s.arg(z), z);
    m_view = new PageView(m_report, ui->scroll);
    ui->scroll->setWidget(m_view);
    ui->scroll->setBackgroundRole(QPalette::Dark);

    connect(ui->btnPrimeira, &QPushButton::clicked, this, &TFrmPreview::btnPrimeiraClick);
    connect(ui->btnAnterior, &QPushButton::clicked, this, &TFrmPreview::btnAnteriorClick);
    connect(ui->btnProxima, &QPushButton::clicked, this, &TFrmPreview::btnProximaClick);
    connect(ui->btnUltima, &QPushButton::clicked, this, &TFrmPreview::btnUltimaClick);
    connect(ui->btnImprimir, &QPushButton::clicked, this, &TFrmPreview::btnImprimirClick);
    connect(ui->btnSalvarPdf, &QPushButton::clicked, this, &TFrmPreview::btnSalvarPdfClick);
    connect(ui->btnSalvarTexto, &QPushButton::clicked, this, &TFrmPreview::btnSalvarTextoClick);
    connect(ui->btnFechar, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cbZoom, &QComboBox::currentIndexChanged, this, &TFrmPreview::cbZoomChange);

    setZoom(zoomPercent);
    showPage(1);
}

TFrmPreview::~TFrmPreview() = default;

int TFrmPreview::zoom() const
{
    return ui->cbZoom->currentData().toInt();
}

void TFrmPreview::setZoom(int percent)
{
    int index = ui->cbZoom->findData(percent);
    if (index < 0) {
        ui->cbZoom->addItem(u"%1%"_s.arg(percent), percent);
        index = ui->cbZoom->count() - 1;
    }
    ui->cbZoom->setCurrentIndex(index);
    m_view->show(m_page, percent);
}

void TFrmPreview::showPage(int page)
{
    m_page = std::clamp(page, 1, m_report.pageCount());
    m_view->show(m_page, zoom());
    updateState();
}

void TFrmPreview::updateState()
{
    const int pages = m_report.pageCount();
    ui->lblPagina->setText(u"Página %1 de %2"_s.arg(m_page).arg(pages));
    ui->btnPrimeira->setEnabled(m_page > 1);
    ui->btnAnterior->setEnabled(m_page > 1);
    ui->btnProxima->setEnabled(m_page < pages);
    ui->btnUltima->setEnabled(m_page < pages);
}

void TFrmPreview::btnPrimeiraClick()
{
    showPage(1);
}

void TFrmPreview::btnAnteriorClick()
{
    showPage(m_page - 1);
}

void TFrmPreview::btnProximaClick()
{
    showPage(m_page + 1);
}

void TFrmPreview::btnUltimaClick()
{
    showPage(m_report.pageCount());
}

void TFrmPreview::cbZoomChange()
{
    m_view->show(m_page, zoom());
}

void TFrmPreview::btnImprimirClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(u"Imprimir"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ReportRenderer(m_report).print(printer);
}

QString TFrmPreview::savePdf(const QString& fileName) const
{
    QString error;
    if (!ReportRenderer(m_report).writePdf(fileName, &error))
        return error;
    return {};
}

void TFrmPreview::btnSalvarPdfClick()
{
    const QString file = QFileDialog::getSaveFileName(this, u"Salvar como PDF"_s, u"relatorio.pdf"_s, u"PDF (*.pdf)"_s);
    if (file.isEmpty())
        return;
    if (const QString error = savePdf(file); !error.isEmpty())
        QMessageBox::warning(this, u"Atenção"_s, error);
}

void TFrmPreview::btnSalvarTextoClick()
{
    const QString file =
        QFileDialog::getSaveFileName(this, u"Salvar como texto"_s, u"relatorio.txt"_s, u"Texto (*.txt)"_s);
    if (file.isEmpty())
        return;
    QSaveFile out(file);
    const QByteArray bytes = m_report.toText().toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        QMessageBox::warning(this, u"Atenção"_s, u"Erro na abertura do arquivo...\n\nArquivo: "_s + file);
}
