#include "reportprinter.h"

#include "reportoutput.h"

#include "app/brformat.h"
#include "app/messagesink.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

using namespace Qt::StringLiterals;

QString ReportPrinter::invalidPositionMessage()
{
    return u"IMPRESSÃO: Posição de Impressão inválida, Linha/Coluna devem ser > 0"_s;
}

bool ReportPrinter::fail(const QString& message)
{
    if (!m_sink)
        throw ReportPrinterError(message);
    m_sink->error(message);
    return false;
}

void ReportPrinter::Abrir()
{
    if (m_open) {
        fail(u"Erro #01 - (ABRIR) Relatório já foi aberto..."_s);
        return;
    }
    m_buffer.clear();
    m_page = 1;
    m_open = true;
}

void ReportPrinter::place(int line, int column, const QString& text, int style)
{
    if (!m_open) {
        fail(u"Erro #06 - (IMP/IMPF) Relatório não foi aberto..."_s);
        return;
    }
    if (line < 1 || column < 1) {
        fail(invalidPositionMessage());
        return;
    }
    m_buffer.place({m_page, line, column, style, text});
}

void ReportPrinter::Imp(int line, int column, const QString& text)
{
    place(line, column, text, 0);
}

void ReportPrinter::ImpF(int line, int column, const QString& text, int style)
{
    place(line, column, text, style);
}

int ReportPrinter::centredColumn(int column, const QString& text, int style, FontPitch defaultPitch)
{
    double half = TextReport::widthInColumns(text, style, defaultPitch) / 2.0;
    if (text.size() >= 2)
        half -= 0.49;
    // Halves go to the even neighbour, as the printer component always did.
    const int start = column - int(std::nearbyint(half));
    return std::max(start, 1);
}

void ReportPrinter::ImpCentro(int line, int column, const QString& text, int style)
{
    if (line < 1 || column < 1) {
        place(line, column, text, style); // reports the error
        return;
    }
    place(line, centredColumn(column, text, style, FonteTamanhoPadrao), text, style);
}

QString ReportPrinter::paddedNumber(double value, const QString& mask)
{
    const QString text = br::formatFloat(mask, value);
    const auto width = mask.section(u';', 0, 0).size();
    return text.size() < width ? QString(width - text.size(), u' ') + text : text;
}

void ReportPrinter::ImpNumero(int line, int column, double value, const QString& mask, int style)
{
    place(line, column, paddedNumber(value, mask), style);
}

void ReportPrinter::NovaPagina()
{
    if (!m_open) {
        fail(u"Erro #06 - (IMP/IMPF) Relatório não foi aberto..."_s);
        return;
    }
    if (OnBeforeNewPage)
        OnBeforeNewPage();
    ++m_page;
}

TextReport ReportPrinter::report() const
{
    TextReport r = m_buffer;
    r.TamanhoQteLinhas = TamanhoQteLinhas;
    r.TamanhoQteColunas = TamanhoQteColunas;
    r.FonteTamanhoPadrao = FonteTamanhoPadrao;
    r.Acentuacao = Acentuacao;
    r.title = OpcoesPreview.caption;
    return r;
}

bool ReportPrinter::GravarTexto(const QString& fileName)
{
    if (!m_open)
        return fail(u"Erro #06 - (IMP/IMPF) Relatório não foi aberto..."_s);
    const QString folder = QFileInfo(fileName).absolutePath();
    QDir().mkpath(folder);
    QSaveFile file(fileName);
    const QByteArray bytes = report().toText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(u"Erro na abertura do arquivo...\n\nArquivo: "_s + fileName);
    return true;
}

void ReportPrinter::Fechar()
{
    if (!m_open) {
        fail(u"Erro #02 - (FECHAR) Relatório não foi aberto..."_s);
        return;
    }
    m_open = false;
    if (!m_output)
        return;
    const TextReport r = report();
    if (OpcoesPreview.Preview)
        m_output->preview(r);
    else
        m_output->print(r);
}
