#include "SharedSettings.h"

#include <QStandardPaths>

namespace {

const QString kLogsDirKey = QStringLiteral("logs_dir");

} // namespace

QSettings sharedSettings()
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("RADEvadazo"));
}

QString logsDirectory()
{
    const QString stored = sharedSettings().value(kLogsDirKey).toString();
    if (!stored.isEmpty())
        return stored;
    return QStringLiteral("%1/ZIDIrezud/logs")
        .arg(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void storeLogsDirectory(const QString &directory)
{
    sharedSettings().setValue(kLogsDirKey, directory);
}
