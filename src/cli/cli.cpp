#include "cli.h"

#include "app/adminsettings.h"
#include "app/tdm.h"

#include <QFileInfo>
#include <QMap>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace cli {

void StderrMessageSink::show(Kind, const QString& title, const QString& text)
{
    const QString line = (title.isEmpty() ? QString() : title + u": "_s) + text + u'\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

bool StderrMessageSink::ask(const QString& title, const QString& text)
{
    show(Kind::Information, title, text + (answer ? u" (respondido: Sim)"_s : u" (respondido: Não)"_s));
    return answer;
}

Options::Options(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(u"--"_s))
            throw UsageError{u"Argumento inesperado: %1"_s.arg(a)};
        const QString name = a.mid(2);
        if (i + 1 >= args.size() || args.at(i + 1).startsWith(u"--"_s))
            throw UsageError{u"Falta o valor de --%1"_s.arg(name)};
        m_values.insert(name, args.at(++i));
    }
}

QDate Options::date(const QString& name) const
{
    if (!has(name))
        throw UsageError{u"Informe --%1 AAAA-MM-DD"_s.arg(name)};
    const QDate d = QDate::fromString(value(name), u"yyyy-MM-dd"_s);
    if (!d.isValid())
        throw UsageError{u"Data inválida em --%1: \"%2\" (use AAAA-MM-DD)"_s.arg(name, value(name))};
    return d;
}

void Options::allow(const QStringList& known) const
{
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        if (!known.contains(it.key()) && it.key() != u"ini"_s && it.key() != u"usuario"_s)
            throw UsageError{u"Opção desconhecida: --%1"_s.arg(it.key())};
}

bool startDataModule(Context& c)
{
    const QString ini = c.options.value(u"ini"_s, AdminSettings::defaultPath());
    if (c.options.has(u"ini"_s) && !QFileInfo::exists(ini)) {
        c.messages.show(MessageSink::Kind::Error, QString(), u"Arquivo de configuração não encontrado: %1"_s.arg(ini));
        return false;
    }
    c.dm = std::make_unique<TDM>(AdminSettings::readFile(ini), c.clock, c.messages);
    if (!c.dm->DataModuleCreate())
        return false;
    c.dm->setLoggedUser(c.options.value(u"usuario"_s, qEnvironmentVariable("USER")));
    return true;
}

} // namespace cli
