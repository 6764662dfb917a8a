#pragma once

#include "textreport.h"

#include <QString>

#include <functional>
#include <stdexcept>

class MessageSink;
class ReportOutput;

class ReportPrinterError : public std::runtime_error {
public:
    explicit ReportPrinterError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The text-page report printer: a report is opened, texts are placed by line and column on
// the current page, and closing it previews or prints it. Each report window owns one.
//
// Errors (a bad position, a report used while closed, a file that cannot be written) are
// shown through the message sink when one is set and the operation does nothing; without a
// sink they are thrown as ReportPrinterError.
class ReportPrinter {
public:
    struct PreviewOptions {
        bool Preview = true;
        QString caption = QStringLiteral("Visualização");
        int zoom = 100;
    };

    int TamanhoQteLinhas = 66;
    int TamanhoQteColunas = 80;
    FontPitch FonteTamanhoPadrao = FontPitch::S10cpp;
    Accentuation Acentuacao = Accentuation::Transliterate;
    PreviewOptions OpcoesPreview;
    QString PortaComunicacao;
    QString TitulodoRelatorio;
    std::function<void()> OnBeforeNewPage;

    void setOutput(ReportOutput* output) { m_output = output; }
    void setMessageSink(MessageSink* sink) { m_sink = sink; }

    void Abrir();
    void Imp(int line, int column, const QString& text);
    void ImpF(int line, int column, const QString& text, int style);
    void ImpCentro(int line, int column, const QString& text, int style);
    void ImpNumero(int line, int column, double value, const QString& mask, int style);
    void NovaPagina();
    // Writes all pages to a text file (replacing it whole); the report stays open.
    bool GravarTexto(const QString& fileName);
    void Fechar();

    bool isOpen() const { return m_open; }
    int currentPage() const { return m_page; }
    // The report with the settings now in force.
    TextReport report() const;

    // Column where ImpCentro starts a text centred on `column`.
    static int centredColumn(int column, const QString& text, int style, FontPitch defaultPitch);
    // What ImpNumero places: the formatted value padded on the left to the mask's width.
    static QString paddedNumber(double value, const QString& mask);

    static QString invalidPositionMessage();

private:
    void place(int line, int column, const QString& text, int style);
    bool fail(const QString& message);

    TextReport m_buffer;
    int m_page = 1;
    bool m_open = false;
    ReportOutput* m_output = nullptr;
    MessageSink* m_sink = nullptr;
};
