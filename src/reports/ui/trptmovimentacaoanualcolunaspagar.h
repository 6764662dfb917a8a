#pragma once

#include "reports/annualtable.h"

#include <QDialog>

#include <memory>

class TDM;
class AnnualTableRenderer;
class AnnualPageView;

namespace Ui {
class TRptMovimentacaoAnualColunasPagar;
}

// The printed table of the annual movement: one line per kind of payment, one column per
// month, shown in its preview (maximised, zoomed to the page width), printed, saved as PDF
// or as a spreadsheet (CSV, XML).
class TRptMovimentacaoAnualColunasPagar : public QDialog {
    Q_OBJECT
public:
    explicit TRptMovimentacaoAnualColunasPagar(TDM& dm, QWidget* parent = nullptr);
    ~TRptMovimentacaoAnualColunasPagar() override;

    // Runs QIndiv and opens the store record; throws DbError.
    void open();
    // The title line under the store name.
    void setTitleLine(const QString& text);
    // Shows the preview and returns when it is closed.
    void Preview();
    // What Preview() sets before showing: maximised, zoomed to the page width, first page.
    void preparePreview();

    const AnnualTableData& data() const { return m_data; }
    const AnnualTableRenderer& renderer() const { return *m_renderer; }
    int currentPage() const { return m_page; }
    void showPage(int page);
    // Zoom in percent; 0 fits the page width to the window.
    int zoom() const;
    void setZoom(int percent);

    // Exports; each returns the message for the user, empty on success.
    QString savePdf(const QString& fileName) const;
    QString saveCsv(const QString& fileName) const;
    QString saveXml(const QString& fileName) const;
    // Saves in the format of the file dialog's filter, or of the name's extension.
    QString saveAs(const QString& fileName, const QString& filter) const;

    static const QString FilterPdf;
    static const QString FilterCsv;
    static const QString FilterXml;

private Q_SLOTS:
    void btnPrimeiraClick();
    void btnAnteriorClick();
    void btnProximaClick();
    void btnUltimaClick();
    void btnImprimirClick();
    void btnSalvarClick();
    void cbZoomChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void updateState();
    void layoutView();

    std::unique_ptr<Ui::TRptMovimentacaoAnualColunasPagar> ui;
    TDM& m_dm;
    AnnualTableData m_data;
    std::unique_ptr<AnnualTableRenderer> m_renderer;
    AnnualPageView* m_view = nullptr;
    int m_page = 1;
};
