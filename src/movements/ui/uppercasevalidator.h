#pragma once

#include <QValidator>

// Turns what is typed into capitals, as the store's forms always did.
class UpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};
