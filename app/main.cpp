#include "Diagnostics.h"
#include "MainWindow.h"
#include "Startup.h"

#ifdef GW_WITH_SIMULATOR
#include "SimBackend.h"
#include "SimDfu.h"
#endif

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installDiagnostics();
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QApplication::setWindowIcon(applicationIcon());

    TranslatorList translators = loadTranslators();
#ifdef GW_WITH_SIMULATOR
    // GEARWARDEN_BLE_BACKEND=sim runs the program against simulated devices.
    registerSimBackend();
    SimDfu::registerSimDfu();
#endif

    qCDebug(lcUi) << "Aplication started: " << QCoreApplication::applicationName()
                  << QCoreApplication::applicationVersion();

    int exitCode = 0;
    {
        MainWindow window(translators);
        window.show();
        exitCode = app.exec();
    }
    return exitCode;
}
