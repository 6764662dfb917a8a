#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>

// The cash book's texts are compared after reading exactly, letter case and accents included,
// which is why several kinds are recognised in more than one spelling.
inline bool isOneOf(const QString& value, std::initializer_list<const char16_t*> options)
{
    for (const char16_t* o : options)
        if (value == QStringView(o))
            return true;
    return false;
}
