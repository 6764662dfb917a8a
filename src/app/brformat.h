#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// Brazilian formats used everywhere, whatever the workstation's locale:
// dates dd/MM/yyyy, times HH:mm:ss, decimal comma and thousands dot.
namespace br {

QString date(const QDate& d);
QString time(const QTime& t);
QString dateTime(const QDateTime& dt);

// Formats a number with a picture mask: "#,##0.00", "###,##0.00", "0.00", "####", "000000",
// "0.00;-0.00" (positive;negative[;zero] sections) and the like. '0' is a digit always shown,
// '#' a digit shown when significant, ',' anywhere in the integer part turns on thousands
// grouping, '.' marks the decimal position; text in quotes and other characters are literals.
// Halves round away from zero on the number's 15 significant digits.
QString formatFloat(const QString& mask, double value);

// "#,##0.00": money on screens and in mails.
QString money(double value);

// Reads a date typed as dd/MM/yyyy (d/M/yyyy accepted); nullopt when it is not a real date.
std::optional<QDate> parseDate(const QString& text);

// Reads an amount typed the Brazilian way ("1.234,56", "1234,56", "12,5"); a lone dot that
// is not a thousands group is taken as the decimal point ("12.50"). nullopt when not a number.
std::optional<double> parseNumber(const QString& text);

// Number of decimal places typed in an amount ("12,505" -> 3).
int typedDecimals(const QString& text);

} // namespace br
