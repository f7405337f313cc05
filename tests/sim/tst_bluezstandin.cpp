// The BlueZ stand-in as a D-Bus client sees it: where bluetoothd 5.66 differs
// from a lenient stand-in, the stand-in does what bluetoothd does, or the
// tests of the Qt backend against it would prove nothing.
#include "BluezService.h"
#include "BluezStandIn.h"
#include "FixedAdvertiser.h"
#include "DeviceProtocol.h"
#include "SimDescription.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QtTest>

using namespace DeviceProtocol;

namespace {

const QBluetoothAddress kPlain(QStringLiteral("C0:DE:00:00:00:33"));
const QBluetoothAddress kMarker(QStringLiteral("C0:DE:00:00:00:44"));
const QBluetoothAddress kLimiter(QStringLiteral("C0:DE:00:00:00:11"));

QDBusMessage call(const QString &path, const QString &interface, const QString &member, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(bluez::kService, path, interface, member);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message, QDBus::Block, 10000);
}

QVariant remoteProperty(const QString &path, const QString &interface, const QString &name)
{
    const QDBusMessage reply = call(path, bluez::kProperties, QStringLiteral("Get"), {interface, name});
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).value<QDBusVariant>().variant()
                                                      : QVariant();
}

BluezManagedObjects managedObjects()
{
    const QDBusMessage reply = call(QStringLiteral("/"), bluez::kObjectManager, QStringLiteral("GetManagedObjects"));
    return qdbus_cast<DBusManagedObjects>(reply.arguments().value(0).value<QDBusArgument>()).value;
}

// The path of the first object below another one (a device, a
// characteristic) that has the interface and the UUID.
QString objectPath(const QString &below, const QString &interface, const QBluetoothUuid &uuid)
{
    const BluezManagedObjects objects = managedObjects();
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        if (it.key().path().startsWith(below + QLatin1Char('/')) && it.value().contains(interface)
            && QBluetoothUuid(it.value().value(interface).value(QStringLiteral("UUID")).toString()) == uuid)
            return it.key().path();
    }
    return QString();
}

QString characteristicPath(const QBluetoothAddress &device, const QBluetoothUuid &uuid)
{
    return objectPath(BluezStandIn::devicePath(device), bluez::kGattCharacteristic, uuid);
}

} // namespace

// Every signal of org.bluez, in order of arrival.
class BusLog : public QObject
{
    Q_OBJECT
public:
    BusLog()
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        bus.connect(bluez::kService, QString(), bluez::kProperties, QStringLiteral("PropertiesChanged"), this,
                    SLOT(take(QDBusMessage)));
        bus.connect(bluez::kService, QStringLiteral("/"), bluez::kObjectManager, QStringLiteral("InterfacesAdded"), this,
                    SLOT(take(QDBusMessage)));
    }

    QList<QDBusMessage> messages;

    // PropertiesChanged of one interface of one object: changed properties.
    QList<QVariantMap> changes(const QString &path, const QString &interface) const
    {
        QList<QVariantMap> result;
        for (const QDBusMessage &m : messages) {
            if (m.member() == QLatin1String("PropertiesChanged") && m.path() == path && m.arguments().value(0) == interface)
                result.append(qdbus_cast<QVariantMap>(m.arguments().value(1).value<QDBusArgument>()));
        }
        return result;
    }
    QStringList invalidated(const QString &path) const
    {
        QStringList result;
        for (const QDBusMessage &m : messages) {
            if (m.member() == QLatin1String("PropertiesChanged") && m.path() == path)
                result += m.arguments().value(2).toStringList();
        }
        return result;
    }
    // The properties an object was added with.
    QVariantMap added(const QString &path, const QString &interface) const
    {
        for (const QDBusMessage &m : messages) {
            if (m.member() == QLatin1String("InterfacesAdded")
                && m.arguments().value(0).value<QDBusObjectPath>().path() == path)
                return qdbus_cast<DBusInterfaces>(m.arguments().value(1).value<QDBusArgument>()).value.value(interface);
        }
        return QVariantMap();
    }

public slots:
    void take(const QDBusMessage &message) { messages.append(message); }
};

class tst_BluezStandIn : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BluezStandIn> m_standIn;
    std::unique_ptr<BusLog> m_log;

    void addPlain(const QBluetoothAddress &address, const QString &name)
    {
        m_standIn->run([&](SimRadio &radio) {
            auto device = std::make_shared<SimPeripheral>(address, name);
            device->setAdvertiser(std::make_shared<FixedAdvertiser>());
            radio.addPeripheral(device);
        });
    }
    template<typename Device = SimPeripheral>
    void onDevice(const QBluetoothAddress &address, const std::function<void(Device &)> &function)
    {
        m_standIn->run([&](SimRadio &radio) { function(*radio.peripheral<Device>(address)); });
    }
    bool added(const QBluetoothAddress &device)
    {
        return !m_log->added(BluezStandIn::devicePath(device), bluez::kDevice).isEmpty();
    }
    // Runs the radio a while ahead, then waits until the marker device's new
    // RSSI has been signalled: whatever the stand-in said before is in.
    bool settle(qint16 markerRssi)
    {
        m_standIn->run([](SimRadio &radio) { radio.clock().advanceMs(2000); });
        onDevice<SimPeripheral>(kMarker, [markerRssi](SimPeripheral &marker) { marker.setRssi(markerRssi); });
        return QTest::qWaitFor([&] {
            const QList<QVariantMap> changes = m_log->changes(BluezStandIn::devicePath(kMarker), bluez::kDevice);
            return !changes.isEmpty() && changes.last().value(QStringLiteral("RSSI")).toInt() == markerRssi;
        }, 10000);
    }
    bool discover()
    {
        return call(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("StartDiscovery")).type()
            == QDBusMessage::ReplyMessage;
    }
    // A connected simulated limiter, heard once.
    bool connectLimiter()
    {
        m_standIn->run([](SimRadio &radio) {
            radio.addPeripheral(std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kLimiter, QStringLiteral("QVR Test")));
        });
        if (!discover() || !QTest::qWaitFor([&] { return added(kLimiter); }, 10000))
            return false;
        return call(BluezStandIn::devicePath(kLimiter), bluez::kDevice, QStringLiteral("Connect")).type()
            == QDBusMessage::ReplyMessage;
    }

private slots:
    void init()
    {
        m_standIn = std::make_unique<BluezStandIn>();
        QString reason;
        if (!m_standIn->start(&reason))
            QSKIP(qPrintable(reason));
        m_log = std::make_unique<BusLog>();
    }
    void cleanup()
    {
        m_log.reset();
        m_standIn.reset();
    }

    void devicesAsBluetoothdShowsThem_data();
    void devicesAsBluetoothdShowsThem();
    void changesAreSignalledOnlyWhenTheyHappen();
    void gattRefusals_data();
    void gattRefusals();
    void readValueIsSignalledBeforeItsAnswer();
    void lostLinkAndReconnect();
    void descriptionDevicesAreServed();
};

void tst_BluezStandIn::devicesAsBluetoothdShowsThem_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("alias");
    QTest::newRow("named") << QStringLiteral("QVR Named") << QStringLiteral("QVR Named");
    QTest::newRow("no name") << QString() << QStringLiteral("C0-DE-00-00-00-33");
}

void tst_BluezStandIn::devicesAsBluetoothdShowsThem()
{
    QFETCH(QString, sent);
    QFETCH(QString, alias);
    addPlain(kPlain, sent);
    QCOMPARE(remoteProperty(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("Powered")).toBool(), true);
    QCOMPARE(call(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("SetDiscoveryFilter"),
                  {QVariantMap{{QStringLiteral("Transport"), QStringLiteral("le")}}})
                 .type(),
             QDBusMessage::ReplyMessage);
    QVERIFY(discover());
    // One discovery session per client.
    QCOMPARE(call(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("StartDiscovery")).errorName(), bluez::kInProgress);
    QTRY_VERIFY(added(kPlain));
    const QVariantMap properties = m_log->added(BluezStandIn::devicePath(kPlain), bluez::kDevice);
    QCOMPARE(properties.value(QStringLiteral("Address")).toString(), kPlain.toString());
    QCOMPARE(properties.value(QStringLiteral("Alias")).toString(), alias);
    QCOMPARE(properties.contains(QStringLiteral("Name")), !sent.isEmpty());
    QCOMPARE(properties.value(QStringLiteral("RSSI")).toInt(), -60);
    QCOMPARE(properties.value(QStringLiteral("Connected")).toBool(), false);
    QCOMPARE(properties.value(QStringLiteral("Adapter")).value<QDBusObjectPath>().path(), bluez::kAdapterPath);
    const auto data = qdbus_cast<DBusManufacturerData>(properties.value(QStringLiteral("ManufacturerData")).value<QDBusArgument>());
    QCOMPARE(data.value.keys(), QList<quint16>{0x0059});
    QCOMPARE(data.value.value(0x0059), QByteArray(12, '\x07'));
}

void tst_BluezStandIn::changesAreSignalledOnlyWhenTheyHappen()
{
    addPlain(kPlain, QStringLiteral("QVR Plain"));
    addPlain(kMarker, QStringLiteral("Marker"));
    const QString path = BluezStandIn::devicePath(kPlain);
    QVERIFY(discover());
    QTRY_VERIFY(added(kPlain) && added(kMarker));
    // Twenty more advertisements, all alike.
    QVERIFY(settle(-40));
    QVERIFY(m_log->changes(path, bluez::kDevice).isEmpty());

    onDevice<SimPeripheral>(kPlain, [](SimPeripheral &device) { device.setRssi(-50); });
    QVERIFY(settle(-41));
    QCOMPARE(m_log->changes(path, bluez::kDevice).size(), 1);
    QCOMPARE(m_log->changes(path, bluez::kDevice).last().keys(), QStringList{QStringLiteral("RSSI")});
    QCOMPARE(m_log->changes(path, bluez::kDevice).last().value(QStringLiteral("RSSI")).toInt(), -50);

    onDevice<SimPeripheral>(kPlain, [](SimPeripheral &device) {
        static_cast<FixedAdvertiser *>(device.advertiser())->record = QByteArray(12, '\x08');
    });
    QVERIFY(settle(-42));
    QCOMPARE(m_log->changes(path, bluez::kDevice).size(), 2);
    QCOMPARE(m_log->changes(path, bluez::kDevice).last().keys(), QStringList{QStringLiteral("ManufacturerData")});

    // The discovery ends: the devices stay, their RSSI goes.
    QCOMPARE(call(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("StopDiscovery")).type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(m_log->invalidated(path).contains(QStringLiteral("RSSI")));
    const BluezManagedObjects objects = managedObjects();
    QVERIFY(objects.contains(QDBusObjectPath(path)));
    QVERIFY(!objects.value(QDBusObjectPath(path)).value(bluez::kDevice).contains(QStringLiteral("RSSI")));
    QCOMPARE(call(bluez::kAdapterPath, bluez::kAdapter, QStringLiteral("StopDiscovery")).errorName(), bluez::kFailed);
}

void tst_BluezStandIn::gattRefusals_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QBluetoothUuid>("characteristic");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("error"); // empty: answered

    const auto command = QVariantMap{{QStringLiteral("type"), QStringLiteral("command")}};
    QTest::newRow("CCCD written") << bluez::kGattDescriptor << telemetryUuid(kTelemetryId) << QStringLiteral("WriteValue")
                                  << QVariantList{QByteArray::fromHex("0100"), QVariantMap()} << bluez::kNotPermitted;
    QTest::newRow("command without write-without-response")
        << bluez::kGattCharacteristic << settingsUuid(kCommonSettingsId) << QStringLiteral("WriteValue")
        << QVariantList{QByteArray(112, '\0'), command} << bluez::kNotSupported;
    QTest::newRow("command longer than the MTU less 3")
        << bluez::kGattCharacteristic << terminalUuid(kNusRxId) << QStringLiteral("WriteValue")
        << QVariantList{QByteArray(245, 'x'), command} << bluez::kFailed;
    QTest::newRow("command that fits") << bluez::kGattCharacteristic << terminalUuid(kNusRxId)
                                       << QStringLiteral("WriteValue") << QVariantList{QByteArray(244, 'x'), command}
                                       << QString();
    QTest::newRow("notifications of a written-only characteristic")
        << bluez::kGattCharacteristic << settingsUuid(kFlagsId) << QStringLiteral("StartNotify") << QVariantList()
        << bluez::kNotSupported;
    QTest::newRow("stopping notifications never started")
        << bluez::kGattCharacteristic << telemetryUuid(kTelemetryId) << QStringLiteral("StopNotify") << QVariantList()
        << bluez::kFailed;
}

void tst_BluezStandIn::gattRefusals()
{
    QFETCH(QString, interface);
    QFETCH(QBluetoothUuid, characteristic);
    QFETCH(QString, member);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, error);
    QVERIFY(connectLimiter());
    QString path = characteristicPath(kLimiter, characteristic);
    QVERIFY(!path.isEmpty());
    QCOMPARE(remoteProperty(path, bluez::kGattCharacteristic, QStringLiteral("MTU")).toInt(), 247);
    if (interface == bluez::kGattDescriptor)
        path = objectPath(path, bluez::kGattDescriptor,
                          QBluetoothUuid(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration));
    QVERIFY(!path.isEmpty());
    m_standIn->clearTraffic();
    const QDBusMessage reply = call(path, interface, member, arguments);
    QCOMPARE(reply.errorName(), error);
    // A command is answered when it is sent, before it arrives.
    if (error.isEmpty())
        QTRY_COMPARE(m_standIn->traffic().size(), 1);
    else
        QCOMPARE(m_standIn->traffic().size(), 0);
}

void tst_BluezStandIn::readValueIsSignalledBeforeItsAnswer()
{
    QVERIFY(connectLimiter());
    const QString path = characteristicPath(kLimiter, settingsUuid(kDeviceInfoId));
    QDBusMessage read = QDBusMessage::createMethodCall(bluez::kService, path, bluez::kGattCharacteristic,
                                                       QStringLiteral("ReadValue"));
    read.setArguments({QVariantMap()});
    QByteArray answer;
    qsizetype signalsAtAnswer = -1;
    QDBusPendingCallWatcher watcher(QDBusConnection::systemBus().asyncCall(read));
    connect(&watcher, &QDBusPendingCallWatcher::finished, this, [&] {
        answer = watcher.reply().arguments().value(0).toByteArray();
        signalsAtAnswer = m_log->changes(path, bluez::kGattCharacteristic).size();
    });
    QTRY_VERIFY(signalsAtAnswer >= 0);
    QCOMPARE(answer.size(), 336);
    QCOMPARE(signalsAtAnswer, 1);
    QCOMPARE(m_log->changes(path, bluez::kGattCharacteristic).first().value(QStringLiteral("Value")).toByteArray(), answer);
}

void tst_BluezStandIn::lostLinkAndReconnect()
{
    QVERIFY(connectLimiter());
    const QString device = BluezStandIn::devicePath(kLimiter);
    const QString telemetry = characteristicPath(kLimiter, telemetryUuid(kTelemetryId));
    QCOMPARE(call(telemetry, bluez::kGattCharacteristic, QStringLiteral("StartNotify")).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(remoteProperty(telemetry, bluez::kGattCharacteristic, QStringLiteral("Notifying")).toBool(), true);
    // A second session of the same client is the first one.
    QCOMPARE(call(telemetry, bluez::kGattCharacteristic, QStringLiteral("StartNotify")).type(), QDBusMessage::ReplyMessage);

    m_standIn->run([](SimRadio &radio) { radio.dropLinks(kLimiter); });
    QTRY_VERIFY(m_log->changes(device, bluez::kDevice).contains(
        QVariantMap{{QStringLiteral("Connected"), false}, {QStringLiteral("ServicesResolved"), false}}));
    // Without a connection no MTU, and no GATT request; the objects stay.
    QVERIFY(!remoteProperty(telemetry, bluez::kGattCharacteristic, QStringLiteral("MTU")).isValid());
    QCOMPARE(call(telemetry, bluez::kGattCharacteristic, QStringLiteral("ReadValue"), {QVariantMap()}).errorName(),
             bluez::kFailed);
    QCOMPARE(call(device, bluez::kDevice, QStringLiteral("Disconnect")).errorName(), bluez::kNotConnected);

    // bluetoothd turns the client's notifications on again by itself.
    m_standIn->clearTraffic();
    QCOMPARE(call(device, bluez::kDevice, QStringLiteral("Connect")).type(), QDBusMessage::ReplyMessage);
    QCOMPARE(remoteProperty(device, bluez::kDevice, QStringLiteral("ServicesResolved")).toBool(), true);
    QTRY_VERIFY(!m_standIn->traffic().isEmpty());
    QCOMPARE(m_standIn->traffic().first().kind, SimAttEvent::DescriptorWrite);
    QCOMPARE(m_standIn->traffic().first().characteristic, telemetryUuid(kTelemetryId));
    QCOMPARE(m_standIn->traffic().first().value, QByteArray::fromHex("0100"));
    QCOMPARE(call(device, bluez::kDevice, QStringLiteral("Connect")).errorName(), bluez::kAlreadyConnected);
}

void tst_BluezStandIn::descriptionDevicesAreServed()
{
    QString problem;
    bool loaded = false;
    m_standIn->run([&](SimRadio &radio) { loaded = SimDescription::load(radio, SimDescription::builtInDescription(), &problem); });
    QVERIFY2(loaded, qPrintable(problem));
    QVERIFY(discover());
    for (const char *address : {"C0:DE:00:00:00:01", "C0:DE:00:00:00:03", "C0:DE:00:00:00:05"})
        QTRY_VERIFY(added(QBluetoothAddress(QString::fromLatin1(address))));
    QCOMPARE(m_log->added(BluezStandIn::devicePath(QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:05"))), bluez::kDevice)
                 .value(QStringLiteral("Name"))
                 .toString(),
             QStringLiteral("ZIV DOV"));
}

QTEST_GUILESS_MAIN(tst_BluezStandIn)
#include "tst_bluezstandin.moc"
