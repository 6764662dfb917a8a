#include "amount.h"

#include "app/brformat.h"

#include <cmath>

using namespace Qt::StringLiterals;

std::variant<double, QString> parseAmount(const QString& text, const QString& fieldLabel)
{
    if (text.trimmed().isEmpty())
        return u"%1 está em Branco  !!!"_s.arg(fieldLabel);
    const auto value = br::parseNumber(text);
    if (!value)
        return u"%1 não é um número válido: \"%2\"  !!!"_s.arg(fieldLabel, text.trimmed());
    if (br::typedDecimals(text) > 2)
        return u"%1 deve ter no máximo duas casas decimais  !!!"_s.arg(fieldLabel);
    if (*value <= 0.0)
        return u"%1 deve ser maior que zero  !!!"_s.arg(fieldLabel);
    // Money goes to float columns: keep exactly the typed cents.
    return std::round(*value * 100.0) / 100.0;
}
