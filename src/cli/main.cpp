#include "cli.h"

#include "app/dbconnection.h"
#include "app/tdm.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

// caixa-relatorio: the reports of the cash program from the command line (scheduled jobs).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QList<cli::Command> commands = cli::dailyCommands();
    commands += cli::periodCommands();

    const QStringList args = QCoreApplication::arguments().mid(1);
    const auto usage = [&] {
        QString text = u"uso: caixa-relatorio <comando> [opções] [--ini Admin.ini] [--usuario NOME]\n"_s;
        for (const auto& c : commands)
            text += u"  "_s + c.usage + u'\n';
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return 2;
    };
    if (args.isEmpty())
        return usage();
    for (const auto& command : commands) {
        if (command.name != args.first())
            continue;
        try {
            cli::Context context{cli::Options(args.mid(1)), {}, {}, {}};
            return command.run(context);
        } catch (const cli::UsageError& e) {
            std::fputs((e.message + u'\n').toLocal8Bit().constData(), stderr);
            return 2;
        } catch (const DbError& e) {
            std::fputs((u"Erro no banco de dados: "_s + e.message() + u'\n').toLocal8Bit().constData(), stderr);
            return 1;
        }
    }
    std::fputs((u"Comando desconhecido: %1\n"_s.arg(args.first())).toLocal8Bit().constData(), stderr);
    return usage();
}
