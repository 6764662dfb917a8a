#pragma once

#include <QString>

#include <variant>

// Reads an amount typed by the user: "12,50", "1.234,56", "R$ 30". The amount must be a
// number above zero with at most two decimals; otherwise the message for the user, which
// names the field ("Valor da Sangria").
std::variant<double, QString> parseAmount(const QString& text, const QString& fieldLabel);
