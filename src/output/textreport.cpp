#include "textreport.h"

#include <algorithm>

namespace {

bool before(const PlacedText& a, const PlacedText& b)
{
    if (a.page != b.page)
        return a.page < b.page;
    if (a.line != b.line)
        return a.line < b.line;
    if (a.column != b.column)
        return a.column < b.column;
    if (a.style != b.style)
        return a.style < b.style;
    return a.text < b.text;
}

} // namespace

void TextReport::place(PlacedText text)
{
    const auto at = std::upper_bound(m_texts.begin(), m_texts.end(), text, before);
    m_texts.insert(at, std::move(text));
}

int TextReport::pageCount() const
{
    return m_texts.isEmpty() ? 1 : m_texts.last().page;
}

int TextReport::lastLine(int page) const
{
    int last = 0;
    for (const auto& t : m_texts)
        if (t.page == page)
            last = std::max(last, t.line);
    return last;
}

int TextReport::pageLength(int page) const
{
    const int used = lastLine(page);
    if (page >= pageCount())
        return used;
    return std::max(TamanhoQteLinhas, used);
}

double TextReport::cpi(FontPitch pitch)
{
    switch (pitch) {
    case FontPitch::S05cpp:
        return 5;
    case FontPitch::S10cpp:
        return 10;
    case FontPitch::S12cpp:
        return 12;
    case FontPitch::S17cpp:
        return 17;
    case FontPitch::S20cpp:
        return 20;
    }
    return 10;
}

double TextReport::styleCpi(int style, FontPitch defaultPitch)
{
    double c = cpi(defaultPitch);
    if (style & TextStyle::Pitch10)
        c = 10;
    else if (style & TextStyle::Pitch12)
        c = 12;
    else if (style & TextStyle::Pitch17)
        c = 17;
    else if (style & TextStyle::Pitch20)
        c = 20;
    if (style & TextStyle::Expanded)
        c /= 2;
    return c;
}

double TextReport::widthInColumns(const QString& text, int style, FontPitch defaultPitch)
{
    return text.size() * cpi(defaultPitch) / styleCpi(style, defaultPitch);
}

QString TextReport::semAcento(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        if (c == u'º' || c == u'°') {
            out += u'o';
            continue;
        }
        if (c == u'ª') {
            out += u'a';
            continue;
        }
        const QString d = QString(c).normalized(QString::NormalizationForm_D);
        if (d.size() > 1 && d.at(0).unicode() < 0x80)
            out += d.at(0);
        else
            out += c;
    }
    return out;
}

QString TextReport::printable(const QString& text) const
{
    return Acentuacao == Accentuation::SemAcento ? semAcento(text) : text;
}

QStringList TextReport::pageLines(int page) const
{
    QStringList lines(pageLength(page));
    for (const auto& t : m_texts) {
        if (t.page != page)
            continue;
        QString& line = lines[t.line - 1];
        const int start = t.column - 1;
        if (line.size() > start)
            line.truncate(start);
        else
            line += QString(start - line.size(), u' ');
        line += printable(t.text);
    }
    return lines;
}

QString TextReport::toText() const
{
    QString out;
    for (int page = 1; page <= pageCount(); ++page)
        for (const QString& line : pageLines(page))
            out += line + QStringLiteral("\r\n");
    return out;
}
