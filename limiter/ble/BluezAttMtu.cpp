#include "BluezAttMtu.h"

#include "BleLogging.h"

#include <QBluetoothAddress>

#ifdef GW_HAVE_QTDBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.bluez");
const QString kDevice = QStringLiteral("org.bluez.Device1");
const QString kCharacteristic = QStringLiteral("org.bluez.GattCharacteristic1");
constexpr int kTimeoutMs = 2000;

} // namespace

int bluezAttMtu(const QBluetoothAddress &device)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kService))
        return 0;
    const QDBusMessage reply = bus.call(
        QDBusMessage::createMethodCall(kService, QStringLiteral("/"), QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                       QStringLiteral("GetManagedObjects")),
        QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()
        || !reply.arguments().constFirst().canConvert<QDBusArgument>()) {
        qCWarning(lcBle) << "bluetoothd's objects unreadable:" << reply.errorMessage();
        return 0;
    }
    // a{oa{sa{sv}}}: the device's object (a connected one where the address
    // is known to several adapters) and the MTU of its characteristics.
    QString devicePath;
    QHash<QString, int> mtus;
    const QDBusArgument objects = reply.arguments().constFirst().value<QDBusArgument>();
    objects.beginMap();
    while (!objects.atEnd()) {
        objects.beginMapEntry();
        QDBusObjectPath path;
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            objects.beginMapEntry();
            QString interface;
            QVariantMap properties;
            objects >> interface >> properties;
            objects.endMapEntry();
            if (interface == kDevice && QBluetoothAddress(properties.value(QStringLiteral("Address")).toString()) == device
                && (devicePath.isEmpty() || properties.value(QStringLiteral("Connected")).toBool()))
                devicePath = path.path();
            else if (interface == kCharacteristic && properties.contains(QStringLiteral("MTU")))
                mtus.insert(path.path(), int(properties.value(QStringLiteral("MTU")).toUInt()));
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    if (devicePath.isEmpty())
        return 0;
    for (auto it = mtus.cbegin(); it != mtus.cend(); ++it) {
        if (it.key().startsWith(devicePath + QLatin1Char('/')))
            return it.value();
    }
    return 0;
}

#else

int bluezAttMtu(const QBluetoothAddress &)
{
    return 0;
}

#endif
