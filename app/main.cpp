#include "Diagnostics.h"
#include "LimiterDevice.h"
#include "MainWindow.h"
#include "SimBackend.h"
#include "SimDfu.h"
#include "Startup.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installDiagnostics();
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QApplication::setWindowIcon(applicationIcon());

    TranslatorList translators = loadTranslators();
    // GEARWARDEN_BLE_BACKEND=sim runs the program against simulated devices.
    registerSimBackend();
    SimDfu::registerSimDfu();
    LimiterDevice::setErrorPresenter([](const QString &title, const QString &text) {
        QMessageBox::critical(nullptr, title, text, QMessageBox::Ok);
    });

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
