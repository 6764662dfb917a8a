#include "brformat.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace br {

QString date(const QDate& d)
{
    return d.isValid() ? d.toString(u"dd/MM/yyyy"_s) : QString();
}

QString time(const QTime& t)
{
    return t.isValid() ? t.toString(u"HH:mm:ss"_s) : QString();
}

QString dateTime(const QDateTime& dt)
{
    return dt.isValid() ? dt.toString(u"dd/MM/yyyy HH:mm:ss"_s) : QString();
}

namespace {

struct Section {
    QString prefix;
    QString suffix;
    int minInt = 0; // '0' placeholders before the decimal point
    int minDec = 0; // '0' placeholders after it
    int maxDec = 0; // all placeholders after it
    bool grouping = false;
};

Section parseSection(const QString& mask)
{
    Section s;
    // Split into literal prefix, placeholder body and literal suffix; quoted text is literal.
    QString body;
    bool inQuote = false;
    QChar quote;
    bool seenPlaceholder = false;
    QString pendingLiteral;
    for (QChar c : mask) {
        if (inQuote) {
            if (c == quote)
                inQuote = false;
            else
                pendingLiteral += c;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            inQuote = true;
            quote = c;
            continue;
        }
        const bool placeholder = c == u'0' || c == u'#' || c == u',' || c == u'.';
        if (placeholder) {
            if (!seenPlaceholder) {
                s.prefix = pendingLiteral;
                seenPlaceholder = true;
            } else {
                body += pendingLiteral; // literal inside the number: ignored
            }
            pendingLiteral.clear();
            body += c;
        } else {
            pendingLiteral += c;
        }
    }
    if (seenPlaceholder)
        s.suffix = pendingLiteral;
    else
        s.prefix = pendingLiteral;

    const auto dot = body.indexOf(u'.');
    const QString intPart = dot < 0 ? body : body.left(dot);
    const QString decPart = dot < 0 ? QString() : body.mid(dot + 1);
    s.grouping = intPart.contains(u',');
    s.minInt = int(intPart.count(u'0'));
    for (QChar c : decPart) {
        if (c == u'0') {
            ++s.maxDec;
            s.minDec = s.maxDec;
        } else if (c == u'#') {
            ++s.maxDec;
        }
    }
    if (!seenPlaceholder)
        s.minInt = -1; // no number at all: the section is pure text
    return s;
}

// Rounds |value| to `decimals` places, half away from zero, working on the decimal digits of
// the number's 15 significant digits. Returns integer digits and decimal digits.
std::pair<QString, QString> roundDigits(double value, int decimals)
{
    const QString e = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±xx
    const auto ePos = e.indexOf(u'e');
    QString mantissa = e.left(ePos);
    mantissa.remove(u'.');
    const int exponent = e.mid(ePos + 1).toInt();
    // digits = mantissa, decimal point after (exponent + 1) digits
    int pointPos = exponent + 1;
    QString digits = mantissa;
    if (pointPos <= 0) {
        digits = QString(-pointPos + 1, u'0') + digits;
        pointPos = 1;
    }
    const int keep = pointPos + decimals;
    if (keep < digits.size()) {
        const bool roundUp = keep >= 0 && digits.at(keep) >= u'5';
        digits.truncate(std::max(keep, 0));
        if (roundUp) {
            int i = int(digits.size()) - 1;
            while (i >= 0) {
                if (digits.at(i) == u'9') {
                    digits[i] = u'0';
                    --i;
                } else {
                    digits[i] = QChar(digits.at(i).unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend(u'1');
                ++pointPos;
            }
        }
    } else {
        digits += QString(keep - digits.size(), u'0');
    }
    QString intDigits = digits.left(pointPos);
    QString decDigits = digits.mid(pointPos);
    // strip leading zeros of the integer part
    int lead = 0;
    while (lead < intDigits.size() && intDigits.at(lead) == u'0')
        ++lead;
    intDigits = intDigits.mid(lead);
    return {intDigits, decDigits};
}

QString formatSection(const Section& s, double value)
{
    if (s.minInt < 0)
        return s.prefix;
    auto [intDigits, decDigits] = roundDigits(value, s.maxDec);
    // drop optional trailing decimals that are zero
    while (decDigits.size() > s.minDec && decDigits.endsWith(u'0'))
        decDigits.chop(1);
    if (intDigits.size() < s.minInt)
        intDigits = QString(s.minInt - intDigits.size(), u'0') + intDigits;
    if (s.grouping && intDigits.size() > 3) {
        QString grouped;
        const int n = int(intDigits.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                grouped += u'.';
            grouped += intDigits.at(i);
        }
        intDigits = grouped;
    }
    QString out = s.prefix + intDigits;
    if (!decDigits.isEmpty())
        out += u',' + decDigits;
    return out + s.suffix;
}

bool roundsToZero(const Section& s, double value)
{
    if (s.minInt < 0)
        return value == 0.0;
    auto [i, d] = roundDigits(value, s.maxDec);
    return i.isEmpty() && !d.contains(QRegularExpression(u"[1-9]"_s));
}

} // namespace

QString formatFloat(const QString& mask, double value)
{
    if (std::isnan(value) || std::isinf(value))
        value = 0.0;
    const QStringList parts = mask.split(u';');
    const Section positive = parseSection(parts.value(0));
    if (roundsToZero(positive, value)) {
        if (parts.size() > 2 && !parts.at(2).isEmpty())
            return formatSection(parseSection(parts.at(2)), 0.0);
        return formatSection(positive, 0.0);
    }
    if (value < 0) {
        if (parts.size() > 1 && !parts.at(1).isEmpty())
            return formatSection(parseSection(parts.at(1)), -value);
        return u'-' + formatSection(positive, -value);
    }
    return formatSection(positive, value);
}

QString money(double value)
{
    return formatFloat(u"#,##0.00"_s, value);
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression re(u"^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"_s);
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

namespace {

QString normalizeNumber(const QString& text)
{
    QString t = text.trimmed();
    t.remove(u' ');
    if (t.startsWith(u"R$"_s))
        t = t.mid(2);
    static const QRegularExpression grouped(u"^[+-]?\\d{1,3}(\\.\\d{3})+(,\\d*)?$"_s);
    static const QRegularExpression plainComma(u"^[+-]?\\d*(,\\d*)?$"_s);
    static const QRegularExpression plainDot(u"^[+-]?\\d*\\.\\d*$"_s);
    if (grouped.match(t).hasMatch()) {
        t.remove(u'.');
        t.replace(u',', u'.');
        return t;
    }
    if (plainComma.match(t).hasMatch()) {
        t.replace(u',', u'.');
        return t;
    }
    if (plainDot.match(t).hasMatch())
        return t;
    return {};
}

} // namespace

std::optional<double> parseNumber(const QString& text)
{
    const QString t = normalizeNumber(text);
    if (t.isEmpty() || t == u"."_s || t == u"+"_s || t == u"-"_s)
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

int typedDecimals(const QString& text)
{
    const QString t = normalizeNumber(text);
    const auto dot = t.indexOf(u'.');
    return dot < 0 ? 0 : int(t.size() - dot - 1);
}

} // namespace br
