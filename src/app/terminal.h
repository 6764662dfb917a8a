#pragma once

#include <QString>

// The workstation as the suite names it: computer name, "-", account name
// (LOJA01-caixa). A name the system cannot give reads "(Unknown)".
QString terminalLabel();
QString terminalLabel(const QString& computerName, const QString& accountName);
