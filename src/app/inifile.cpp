#include "inifile.h"

#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}

} // namespace

QString IniFile::decode(const QByteArray& bytes)
{
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(data);
}

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    IniFile ini = fromBytes(file.readAll());
    ini.m_exists = true;
    return ini;
}

IniFile IniFile::fromBytes(const QByteArray& bytes)
{
    IniFile ini;
    ini.m_exists = true;
    const QString text = decode(bytes);
    QString section;
    const auto lines = QStringView(text).split(u'\n');
    for (QStringView raw : lines) {
        QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const auto close = line.indexOf(u']');
            section = (close > 0 ? line.mid(1, close - 1) : line.mid(1)).trimmed().toString();
            continue;
        }
        const auto eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        QString value = line.mid(eq + 1).trimmed().toString();
        // As the Windows profile API does: one pair of enclosing quotes is dropped.
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        const QString k = slot(section, key);
        if (!ini.m_values.contains(k)) // the first occurrence wins, as on Windows
            ini.m_values.insert(k, value);
    }
    return ini;
}

QString IniFile::slot(const QString& section, const QString& key)
{
    return section.toCaseFolded() + u'\x1f' + key.toCaseFolded();
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    return m_values.contains(slot(section, key));
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto it = m_values.constFind(slot(section, key));
    return it == m_values.constEnd() ? defaultValue : *it;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto it = m_values.constFind(slot(section, key));
    if (it == m_values.constEnd())
        return defaultValue;
    QString v = it->trimmed();
    bool ok = false;
    int n = 0;
    if (v.startsWith(u"0x"_s, Qt::CaseInsensitive))
        n = v.mid(2).toInt(&ok, 16);
    else if (v.startsWith(u'$'))
        n = v.mid(1).toInt(&ok, 16);
    else
        n = v.toInt(&ok, 10);
    return ok ? n : defaultValue;
}
