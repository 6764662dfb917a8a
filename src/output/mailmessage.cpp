#include "mailmessage.h"

#include "app/adminsettings.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUuid>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace mail {

QList<MailRecipient> splitRecipients(const QString& addressText, const QString& name)
{
    QChar separator = u';';
    if (!addressText.contains(u';'))
        separator = addressText.contains(u',') ? u',' : u'|';
    QList<MailRecipient> out;
    for (const QString& part : addressText.split(separator, Qt::SkipEmptyParts)) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            out.append({name.trimmed(), address});
    }
    return out;
}

QList<MailRecipient> recipientsFromSettings(const AdminSettings& s)
{
    QList<MailRecipient> out;
    const QPair<QString, QString> pairs[] = {{s.EMAIL1, s.CONTATO1}, {s.EMAIL2, s.CONTATO2}, {s.EMAIL3, s.CONTATO3}};
    for (const auto& [address, name] : pairs)
        if (!address.trimmed().isEmpty())
            out += splitRecipients(address, name);
    return out;
}

QStringList notificationBody(const QString& storeName, const QString& heading,
                             const QList<QPair<QString, QString>>& rows)
{
    QList<NoticeRow> coloured;
    bool grey = true;
    for (const auto& [label, value] : rows) {
        coloured.append({grey ? u"#D3D3D3"_s : u"#FFFFFF"_s, label, value});
        grey = !grey;
    }
    return notificationBodyWithColours(storeName, heading, coloured);
}

QStringList notificationBodyWithColours(const QString& storeName, const QString& heading, const QList<NoticeRow>& rows)
{
    QStringList items;
    items << u"<html>\r\n"
             "<head>\r\n"
             "\r\n"
             "  <meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">\r\n"
             "</head>\r\n"
             "<body text=\"#000000\" bgcolor=\"#FFFFFF\">\r\n"_s;
    items << u"<p><b>LOJA "_s + storeName + u"</b></p>"_s;
    items << heading;
    items << u"<table>"_s << u"<tr>"_s << u"<td colspan='2'>"_s << u"</table>"_s << u"<br />"_s
          << u"</body>\r\n</html>\r\n"_s << u"<table>"_s;
    for (const NoticeRow& row : rows) {
        items << u"<tr style='background-color:%1;'>"_s.arg(row.colour);
        items << u"<th align='left'>"_s << row.label << u"</th>"_s << u"<td align='Right'>"_s << row.value << u"</td>"_s
              << u"</tr>"_s;
    }
    return items;
}

QByteArray encodeHeader(const QString& text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80 || c.unicode() < 0x20) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    // Encoded words of at most 45 input bytes each, never splitting a character.
    QByteArray out;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        QString ch = text.at(i);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            ch += text.at(++i);
        const QByteArray bytes = ch.toUtf8();
        if (chunk.size() + bytes.size() > 45)
            flush();
        chunk += bytes;
    }
    flush();
    return out;
}

} // namespace mail

namespace {

QByteArray address(const MailRecipient& r)
{
    if (r.name.isEmpty())
        return "<" + r.address.toUtf8() + ">";
    QString quoted = r.name;
    quoted.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    const QByteArray name = mail::encodeHeader(quoted);
    return (name.startsWith("=?") ? name : "\"" + name + "\"") + " <" + r.address.toUtf8() + ">";
}

QByteArray base64Lines(const QByteArray& data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

} // namespace

QByteArray MailMessage::toMime(const QDateTime& date) const
{
    QByteArray m;
    m += "From: " + address({fromName, from}) + "\r\n";
    QByteArrayList to;
    for (const auto& r : recipients)
        to << address(r);
    m += "To: " + to.join(",\r\n ") + "\r\n";
    m += "Subject: " + mail::encodeHeader(subject) + "\r\n";
    m += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    const QString domain = from.section(u'@', 1).isEmpty() ? u"caixa.local"_s : from.section(u'@', 1);
    m += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@" + domain.toUtf8() +
         ">\r\n";
    m += "MIME-Version: 1.0\r\n";
    if (priority == Priority::High)
        m += "X-Priority: 1\r\nImportance: High\r\n";
    else
        m += "X-Priority: 3\r\nImportance: Normal\r\n";

    const QByteArray html = body.join(u"\r\n"_s).toUtf8();
    const QByteArray htmlPart = "Content-Type: text/html; charset=UTF-8\r\n"
                                "Content-Transfer-Encoding: base64\r\n\r\n" +
                                base64Lines(html);
    if (attachments.isEmpty())
        return m + htmlPart;

    const QByteArray boundary = "=_caixa_" + QUuid::createUuid().toString(QUuid::Id128).toLatin1();
    m += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    m += "This is a multi-part message in MIME format.\r\n";
    m += "--" + boundary + "\r\n" + htmlPart;
    for (const auto& a : attachments) {
        QFile f(a.fileName);
        if (!f.open(QIODevice::ReadOnly))
            throw std::runtime_error(
                u"Não foi possível ler o anexo %1: %2"_s.arg(a.fileName, f.errorString()).toStdString());
        const QByteArray name = mail::encodeHeader(QFileInfo(a.fileName).fileName());
        m += "--" + boundary + "\r\n";
        m += "Content-Type: application/octet-stream; name=\"" + name + "\"\r\n";
        m += "Content-Transfer-Encoding: base64\r\n";
        if (!a.description.isEmpty())
            m += "Content-Description: " + mail::encodeHeader(a.description) + "\r\n";
        m += QByteArray(a.inlineDisposition ? "Content-Disposition: inline" : "Content-Disposition: attachment") +
             "; filename=\"" + name + "\"\r\n\r\n";
        m += base64Lines(f.readAll());
    }
    m += "--" + boundary + "--\r\n";
    return m;
}
