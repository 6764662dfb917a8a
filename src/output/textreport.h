#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Style flags of a placed text; 0 is the report's default style.
namespace TextStyle {
enum : int {
    Bold = 1,
    Italic = 2,
    Underline = 4,
    Expanded = 8,
    Pitch10 = 16,
    Pitch12 = 32,
    Pitch17 = 64,
    Pitch20 = 128,
};
}

// Default pitch of a report, in characters per inch.
enum class FontPitch { S05cpp, S10cpp, S12cpp, S17cpp, S20cpp };

enum class Accentuation {
    Transliterate, // accented letters kept
    SemAcento,     // accented letters printed and saved as their base letters
};

struct PlacedText {
    int page = 1;
    int line = 1;
    int column = 1;
    int style = 0;
    QString text;
};

// A finished character-page report: texts placed by page, line and column, and the page
// settings in force. The text file, the preview, the printer and the PDF all come from it.
class TextReport {
public:
    int TamanhoQteLinhas = 66;
    int TamanhoQteColunas = 80;
    FontPitch FonteTamanhoPadrao = FontPitch::S10cpp;
    Accentuation Acentuacao = Accentuation::Transliterate;
    QString title;

    // Kept in order of page, line, column, style and text.
    const QList<PlacedText>& texts() const { return m_texts; }
    void place(PlacedText text);
    void clear() { m_texts.clear(); }

    int pageCount() const;
    int lastLine(int page) const;
    // Number of lines a page takes: the page length, or up to its last text when that lies
    // further down; the last page ends at its last used line.
    int pageLength(int page) const;

    // The page as text lines: each text starts at its column after spaces and cuts off an
    // earlier text of its line that reaches that column.
    QStringList pageLines(int page) const;
    // Every page, lines ended by CRLF.
    QString toText() const;
    // The report's texts as they print (base letters under SemAcento).
    QString printable(const QString& text) const;

    static double cpi(FontPitch pitch);
    // Characters per inch of a style on a report of the given default pitch.
    static double styleCpi(int style, FontPitch defaultPitch);
    // Width of a text in columns of the default pitch.
    static double widthInColumns(const QString& text, int style, FontPitch defaultPitch);

    static QString semAcento(const QString& text);

private:
    QList<PlacedText> m_texts;
};
