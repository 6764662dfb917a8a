#pragma once

#include <QHash>
#include <QString>

// Reader for Windows-style settings files. Values come back verbatim (no escape processing,
// no splitting at commas), sections and keys match without regard to case, and files saved
// by Windows editors in Windows-1252 with CRLF line ends read correctly.
class IniFile {
public:
    IniFile() = default;

    static IniFile load(const QString& path);
    static IniFile fromBytes(const QByteArray& bytes);

    bool exists() const { return m_exists; }
    bool contains(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // Decodes a settings file: UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
    static QString decode(const QByteArray& bytes);

private:
    static QString slot(const QString& section, const QString& key);

    QHash<QString, QString> m_values;
    bool m_exists = false;
};
