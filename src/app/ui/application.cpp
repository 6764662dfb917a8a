#include "application.h"

#include "tfrmfechacaixa01.h"
#include "widgetmessagesink.h"

#include "app/adminsettings.h"
#include "app/clock.h"
#include "app/singleinstance.h"
#include "app/tdm.h"

#include <QApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

int runCaixa(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Cadastro,  Manutenção e Fechamento do Caixa"_s);
    QApplication::setApplicationDisplayName(u"Cadastro,  Manutenção e Fechamento do Caixa"_s);

    // One copy per user session, found by the executable's name in upper case.
    SingleInstance instance(QFileInfo(QApplication::applicationFilePath()).fileName().toUpper() + u"-caixa"_s);
    if (!instance.tryRun())
        return 0;

    SystemClock clock;
    WidgetMessageSink messages;
    TDM dm(AdminSettings::readFile(AdminSettings::defaultPath()), clock, messages);
    if (!dm.DataModuleCreate())
        return 1;
    // The suite starts the program with the user's name as argument 2.
    const QStringList args = QApplication::arguments();
    dm.setLoggedUser(args.size() > 2 ? args.at(2) : QString());

    TFrmfechacaixa01 window(dm);
    if (!window.FormCreate())
        return 1;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &TFrmfechacaixa01::bringToFront);
    window.show();
    return QApplication::exec();
}
