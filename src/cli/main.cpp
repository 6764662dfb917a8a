#include "cli.h"

#include "app/dbconnection.h"
#include "app/tdm.h"

#include <QGuiApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QtMessageHandler g_qtMessages = nullptr;

// The offscreen platform asks for a runtime folder that scheduled jobs often lack; Qt falls
// back to one of its own, so that warning would only be noise in the job's error output.
void quietRuntimeDir(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"_s))
        return;
    if (g_qtMessages)
        g_qtMessages(type, context, message);
}

} // namespace

// caixa-relatorio: the reports of the cash program from the command line (scheduled jobs).
int main(int argc, char** argv)
{
    // The annual table is drawn for --pdf, which needs fonts and painting: the GUI library on
    // the offscreen platform, since the tool runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(quietRuntimeDir);
    QGuiApplication app(argc, argv);
    QList<cli::Command> commands = cli::dailyCommands();
    commands += cli::periodCommands();
    commands += cli::annualCommands();

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
