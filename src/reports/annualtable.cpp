#include "annualtable.h"

#include "app/brformat.h"
#include "app/tdm.h"

#include <QSaveFile>
#include <QSqlQuery>
#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace {

QString twoDigits(int month)
{
    return u"%1"_s.arg(month, 2, 10, QChar(u'0'));
}

QString qIndiv()
{
    QStringList sums, general;
    for (int m = 1; m <= 12; ++m) {
        sums << u"sum(total%1) as total%1"_s.arg(twoDigits(m));
        general << u"sum(total%1)"_s.arg(twoDigits(m));
    }
    // Every column of a line is the sum over the rows of its description, so the months add
    // up to totalgeral; the code is that of the coded row when there is one.
    return u"select min(id) as id, descricao, "_s + sums.join(u", "_s) +
           u", max(codigocliente) as codigocliente,\n("_s + general.join(u"+"_s) +
           u") as totalgeral\n"
           "from resumoanualcaixa\n"
           "group by descricao\n"
           "Order by descricao"_s;
}

QString csvField(const QString& text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r') &&
        text.trimmed() == text)
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

// A spreadsheet reads "1234,56" as a number under the Brazilian locale; grouping dots would
// make it text.
QString csvNumber(double v)
{
    return br::formatFloat(u"0.00"_s, v);
}

QString writeText(const QByteArray& bytes, const QString& fileName)
{
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return u"Erro na abertura do arquivo...\n\nArquivo: "_s + fileName;
    return {};
}

} // namespace

const QString AnnualTable::SqlQIndiv = qIndiv();
const QString AnnualTable::SqlConfiguracao = u"select Controle, Nome from configuracao order by Controle limit 1"_s;
const QString AnnualTable::ReportTitle = u"Perc. de Venda"_s;
const QString AnnualTable::DetailMask = u"#,##0.00"_s;
const QString AnnualTable::SummaryMask = u"##,##0.00"_s;

AnnualTable::AnnualTable(TDM& dm)
    : m_dm(dm)
{
}

AnnualTableData AnnualTable::read()
{
    DbConnection& db = m_dm.MyConnection1();
    AnnualTableData data;
    QSqlQuery store = db.query(u"tbConfiguracao"_s, SqlConfiguracao);
    if (store.next())
        data.storeName = store.value(u"Nome"_s).toString();

    QSqlQuery q = db.query(u"QIndiv"_s, SqlQIndiv);
    while (q.next()) {
        AnnualLine line;
        line.id = q.value(u"id"_s).toInt();
        line.descricao = q.value(u"descricao"_s).toString();
        line.codigocliente = q.value(u"codigocliente"_s).toDouble();
        for (int m = 0; m < 12; ++m) {
            line.months[m] = q.value(u"total"_s + twoDigits(m + 1)).toDouble();
            data.monthSums[m] += line.months[m];
        }
        line.totalgeral = q.value(u"totalgeral"_s).toDouble();
        data.totalSum += line.totalgeral;
        data.lines.append(line);
    }
    return data;
}

QString AnnualTable::titleLine(const QDate& dataI, const QDate& dataF)
{
    return u"Relatório de Movimentação Anual no Período: "_s + br::date(dataI) + u" à "_s + br::date(dataF);
}

const QStringList& AnnualTable::headings()
{
    static const QStringList h = {u"Tipo de Pagamentos"_s,
                                  u"Janeiro"_s,
                                  u"Fevereiro"_s,
                                  u"Março"_s,
                                  u"Abril"_s,
                                  u"Maio"_s,
                                  u"Junho"_s,
                                  u"Julho"_s,
                                  u"Agosto"_s,
                                  u"Setembro"_s,
                                  u"Outubro"_s,
                                  u"Novembro"_s,
                                  u"Dezembro"_s,
                                  u"Total R$"_s};
    return h;
}

QString AnnualTable::toCsv(const AnnualTableData& data)
{
    const QString eol = u"\r\n"_s;
    QStringList header;
    for (const QString& h : headings())
        header << csvField(h);
    QString out = header.join(u';') + eol;
    for (const AnnualLine& line : data.lines) {
        QStringList fields{csvField(line.descricao)};
        for (double v : line.months)
            fields << csvNumber(v);
        fields << csvNumber(line.totalgeral);
        out += fields.join(u';') + eol;
    }
    QStringList sums{csvField(u"Total R$"_s)};
    for (double v : data.monthSums)
        sums << csvNumber(v);
    sums << csvNumber(data.totalSum);
    out += sums.join(u';') + eol;
    return out;
}

QString AnnualTable::toXmlSpreadsheet(const AnnualTableData& data)
{
    QString out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeProcessingInstruction(u"mso-application"_s, u"progid=\"Excel.Sheet\""_s);
    // Elements in the default namespace, attributes with the ss: prefix, as the format asks.
    const QString ns = u"urn:schemas-microsoft-com:office:spreadsheet"_s;
    xml.writeStartElement(u"Workbook"_s);
    xml.writeAttribute(u"xmlns"_s, ns);
    xml.writeAttribute(u"xmlns:ss"_s, ns);

    xml.writeStartElement(u"Styles"_s);
    const auto style = [&](const QString& id, bool bold, bool number) {
        xml.writeStartElement(u"Style"_s);
        xml.writeAttribute(u"ss:ID"_s, id);
        if (bold) {
            xml.writeEmptyElement(u"Font"_s);
            xml.writeAttribute(u"ss:Bold"_s, u"1"_s);
        }
        if (number) {
            xml.writeEmptyElement(u"NumberFormat"_s);
            xml.writeAttribute(u"ss:Format"_s, u"#,##0.00"_s);
        }
        xml.writeEndElement();
    };
    style(u"b"_s, true, false);
    style(u"n"_s, false, true);
    style(u"bn"_s, true, true);
    xml.writeEndElement(); // Styles

    xml.writeStartElement(u"Worksheet"_s);
    xml.writeAttribute(u"ss:Name"_s, u"Movimentação Anual"_s);
    xml.writeStartElement(u"Table"_s);
    const auto cell = [&](const QString& style, const QString& type, const QString& value) {
        xml.writeStartElement(u"Cell"_s);
        if (!style.isEmpty())
            xml.writeAttribute(u"ss:StyleID"_s, style);
        xml.writeStartElement(u"Data"_s);
        xml.writeAttribute(u"ss:Type"_s, type);
        xml.writeCharacters(value);
        xml.writeEndElement();
        xml.writeEndElement();
    };
    const auto number = [&](const QString& style, double v) { cell(style, u"Number"_s, QString::number(v, 'f', 2)); };
    const auto textRow = [&](const QString& text) {
        xml.writeStartElement(u"Row"_s);
        cell(u"b"_s, u"String"_s, text);
        xml.writeEndElement();
    };
    textRow(data.storeName);
    textRow(data.title);
    xml.writeStartElement(u"Row"_s);
    for (const QString& h : headings())
        cell(u"b"_s, u"String"_s, h);
    xml.writeEndElement();
    for (const AnnualLine& line : data.lines) {
        xml.writeStartElement(u"Row"_s);
        cell(QString(), u"String"_s, line.descricao);
        for (double v : line.months)
            number(u"n"_s, v);
        number(u"n"_s, line.totalgeral);
        xml.writeEndElement();
    }
    xml.writeStartElement(u"Row"_s);
    cell(u"b"_s, u"String"_s, u"Total R$"_s);
    for (double v : data.monthSums)
        number(u"bn"_s, v);
    number(u"bn"_s, data.totalSum);
    xml.writeEndElement();

    xml.writeEndElement(); // Table
    xml.writeEndElement(); // Worksheet
    xml.writeEndElement(); // Workbook
    xml.writeEndDocument();
    return out;
}

QString AnnualTable::writeCsv(const AnnualTableData& data, const QString& fileName)
{
    return writeText("\xEF\xBB\xBF" + toCsv(data).toUtf8(), fileName);
}

QString AnnualTable::writeXmlSpreadsheet(const AnnualTableData& data, const QString& fileName)
{
    return writeText(toXmlSpreadsheet(data).toUtf8(), fileName);
}
