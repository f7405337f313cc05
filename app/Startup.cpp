#include "Startup.h"

#include <QIcon>
#include <QSettings>

TranslatorList loadTranslators()
{
    QSettings settings;
    return languages::loadStartupTranslators(settings);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {64, 128, 256, 512})
        icon.addFile(QStringLiteral(":/appicon-%1.png").arg(size), QSize(size, size));
    return icon;
}
