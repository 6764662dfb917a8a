#pragma once

#include "output/textreport.h"

#include <QDialog>

#include <memory>

class MessageSink;

namespace Ui {
class TFrmPreview;
}

class PageView;

// Print preview of a text report: pages, zoom, print, save as PDF or text.
class TFrmPreview : public QDialog {
    Q_OBJECT
public:
    TFrmPreview(const TextReport& report, int zoomPercent, QWidget* parent = nullptr);
    ~TFrmPreview() override;

    int currentPage() const { return m_page; }
    int zoom() const;
    void showPage(int page);
    void setZoom(int percent);

    // Writes the report as PDF; returns the error text, empty on success.
    QString savePdf(const QString& fileName) const;

private Q_SLOTS:
    void btnPrimeiraClick();
    void btnAnteriorClick();
    void btnProximaClick();
    void btnUltimaClick();
    void btnImprimirClick();
    void btnSalvarPdfClick();
    void btnSalvarTextoClick();
    void cbZoomChange();

private:
    void updateState();

    std::unique_ptr<Ui::TFrmPreview> ui;
    TextReport m_report;
    PageView* m_view = nullptr;
    int m_page = 1;
};
