#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class TDM;

// One line of the annual table: a kind of payment and its months.
struct AnnualLine {
    int id = 0;
    QString descricao;
    double codigocliente = 0; // the kinds without a code read as 0
    std::array<double, 12> months{};
    double totalgeral = 0;
};

// What the printed table, its exports and the chart show.
struct AnnualTableData {
    QString storeName; // configuracao.Nome, over the table
    QString title;     // "Relatório de Movimentação Anual no Período: ..."
    QList<AnnualLine> lines;
    std::array<double, 12> monthSums{}; // the summary band
    double totalSum = 0;
};

// Reads the result of the annual movement (resumoanualcaixa) one line per description, and
// writes it as a spreadsheet.
class AnnualTable {
public:
    explicit AnnualTable(TDM& dm);

    // Runs QIndiv and reads the store record; the title is left for the caller.
    AnnualTableData read();

    static QString titleLine(const QDate& dataI, const QDate& dataF);
    // "Tipo de Pagamentos", "Janeiro" ... "Dezembro", "Total R$".
    static const QStringList& headings();

    // Semicolon-separated, decimal comma, UTF-8 with BOM, CRLF: what a spreadsheet set to
    // Brazilian Portuguese opens into the table's columns. Header, lines, the summary line.
    static QString toCsv(const AnnualTableData& data);
    // The same rows as an XML spreadsheet (the format spreadsheet programs open as a workbook),
    // numbers as numbers, with the store and title above.
    static QString toXmlSpreadsheet(const AnnualTableData& data);
    // Both return the message for the user, empty on success; a failed write leaves no file.
    static QString writeCsv(const AnnualTableData& data, const QString& fileName);
    static QString writeXmlSpreadsheet(const AnnualTableData& data, const QString& fileName);

    static const QString SqlQIndiv;
    static const QString SqlConfiguracao;
    static const QString ReportTitle; // "Perc. de Venda"
    static const QString DetailMask;  // "#,##0.00"
    static const QString SummaryMask; // "##,##0.00"

private:
    TDM& m_dm;
};
