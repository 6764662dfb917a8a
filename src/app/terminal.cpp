#include "terminal.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

QString terminalLabel(const QString& computerName, const QString& accountName)
{
    const auto orUnknown = [](const QString& s) { return s.trimmed().isEmpty() ? u"(Unknown)"_s : s.trimmed(); };
    return orUnknown(computerName) + u'-' + orUnknown(accountName);
}

QString terminalLabel()
{
    QString account = qEnvironmentVariable("USER");
    if (account.isEmpty()) {
        if (const passwd* pw = getpwuid(getuid()))
            account = QString::fromLocal8Bit(pw->pw_name);
    }
    return terminalLabel(QSysInfo::machineHostName(), account);
}
