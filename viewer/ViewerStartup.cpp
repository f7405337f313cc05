#include "ViewerStartup.h"

#include "Diagnostics.h"
#include "FileAssociation.h"
#include "MainWindow.h"
#include "ViewerDiagnostics.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>

void setViewerIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kViewerOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kViewerApplicationName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kViewerApplicationVersion));
}

TranslatorList loadTranslations()
{
    QSettings settings;
    return languages::loadStartupTranslators(settings);
}

bool offerFileAssociation(FileAssociationStore &store)
{
    const QString appName = QCoreApplication::applicationName();
    const QString program = QCoreApplication::applicationFilePath();
    if (isFileAssociationRegistered(store, appName, program))
        return false;
    const auto answer = QMessageBox::question(nullptr, QObject::tr("File Association"),
                                              QObject::tr("Do you want to associate .verira files with Tracelens?"),
                                              QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        registerFileAssociation(store, appName, program);
    return true;
}

int runViewer(int argc, char *argv[])
{
    setViewerIdentity();
    QApplication app(argc, argv);
    installDiagnostics();

    QIcon icon;
    for (int size : {64, 128, 256, 512})
        icon.addFile(QStringLiteral(":/appicon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    TranslatorList translators = loadTranslations();

    {
        auto store = platformAssociationStore();
        offerFileAssociation(*store);
    }

    int exitCode = 0;
    {
        MainWindow window(translators);
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() >= 2)
            window.openLogInTab(arguments.at(1));
        window.show();
        qCDebug(lcViewer) << "Window shown";
        exitCode = app.exec();
    }
    return exitCode;
}
