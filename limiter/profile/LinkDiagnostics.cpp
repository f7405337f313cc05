#include "LinkDiagnostics.h"

#include <QDebug>

Q_LOGGING_CATEGORY(lcDevice, "device")

void logServiceDiscovered(LogCategory category, const QBluetoothUuid &uuid)
{
    qCDebug(category) << "serivce discovered " << uuid;
}

QString hexBytes(const QByteArray &value)
{
    return QString::fromLatin1(value.toHex(':'));
}
