#pragma once

#include "SimAdvertisement.h"
#include "SimBackend.h"
#include "SimFaults.h"

#include <QBluetoothAddress>
#include <QBluetoothUuid>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QHash>
#include <QList>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyService>
#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QVariantMap>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class BleController;
class BleDeviceDiscovery;
class BleService;
class BluezDevice;
class SimRadio;

// The objects of BlueZ's API: interfaces with their properties, by path.
using BluezInterfaces = QMap<QString, QVariantMap>;
using BluezManagedObjects = QMap<QDBusObjectPath, BluezInterfaces>;

// The values the stand-in sends, as types of its own: it registers no
// D-Bus marshalling of Qt's container types, which Qt Bluetooth registers
// for itself (registered before, they keep its signal subscriptions from
// being made).
struct DBusInterfaces {          // a{sa{sv}}
    BluezInterfaces value;
};
struct DBusManagedObjects {      // a{oa{sa{sv}}}
    BluezManagedObjects value;
};
struct DBusManufacturerData {    // a{qv}
    QMap<quint16, QByteArray> value;
};
Q_DECLARE_METATYPE(DBusInterfaces)
Q_DECLARE_METATYPE(DBusManagedObjects)
Q_DECLARE_METATYPE(DBusManufacturerData)
QDBusArgument &operator<<(QDBusArgument &argument, const DBusInterfaces &interfaces);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusInterfaces &interfaces);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusManagedObjects &objects);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusManagedObjects &objects);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusManufacturerData &data);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusManufacturerData &data);

namespace bluez {
inline const QString kService = QStringLiteral("org.bluez");
inline const QString kAdapterPath = QStringLiteral("/org/bluez/hci0");
inline const QString kAdapter = QStringLiteral("org.bluez.Adapter1");
inline const QString kDevice = QStringLiteral("org.bluez.Device1");
inline const QString kGattService = QStringLiteral("org.bluez.GattService1");
inline const QString kGattCharacteristic = QStringLiteral("org.bluez.GattCharacteristic1");
inline const QString kGattDescriptor = QStringLiteral("org.bluez.GattDescriptor1");
inline const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString kObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
inline const QString kIntrospectable = QStringLiteral("org.freedesktop.DBus.Introspectable");

// Error names as bluetoothd sends them.
inline const QString kFailed = QStringLiteral("org.bluez.Error.Failed");
inline const QString kInProgress = QStringLiteral("org.bluez.Error.InProgress");
inline const QString kNotConnected = QStringLiteral("org.bluez.Error.NotConnected");
inline const QString kAlreadyConnected = QStringLiteral("org.bluez.Error.AlreadyConnected");
inline const QString kNotSupported = QStringLiteral("org.bluez.Error.NotSupported");
inline const QString kNotPermitted = QStringLiteral("org.bluez.Error.NotPermitted");
inline const QString kInvalidArguments = QStringLiteral("org.bluez.Error.InvalidArguments");

void registerTypes();
// bluetoothd's object path of a device on hci0.
QString devicePath(const QBluetoothAddress &address);
} // namespace bluez

// What the stand-in shares with the test's thread.
struct BluezRecord {
    mutable QMutex mutex;
    QList<SimAttEvent> traffic;
    // Per device address: InterfacesAdded, and PropertiesChanged that carry
    // RSSI or ManufacturerData.
    QHash<quint64, int> advertisementSignals;
    // Method calls by member name ("Connect", "StartDiscovery", ...), and
    // by member name and object path ("Connect /org/bluez/hci0/dev_...").
    QHash<QString, int> calls;
    bool exposesMtu = true;
};

// org.bluez on one D-Bus connection, on the simulated radio: the object
// manager at /, the adapter hci0 and one object tree per device heard while
// discovering. Lives on the stand-in's thread, where the radio lives too.
class BluezService : public QDBusVirtualObject
{
    Q_OBJECT
public:
    BluezService(SimRadio *radio, const QDBusConnection &bus, BluezRecord *record, QObject *parent = nullptr);
    ~BluezService() override;

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

    // For the devices.
    SimRadio *radio() const { return m_radio; }
    SimBackend &backend() { return m_backend; }
    BluezRecord *record() const { return m_record; }
    bool exposesMtu() const;
    void reply(const QDBusMessage &call, const QVariantList &arguments = {});
    void replyError(const QDBusMessage &call, const QString &name, const QString &text);
    void propertiesChanged(const QString &path, const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated = {});
    void interfacesAdded(const QString &path, const BluezInterfaces &interfaces);

private:
    bool handleProperties(const QDBusMessage &message);
    void handleAdapter(const QDBusMessage &message);
    // Properties of the object at path, or nullopt when there is none.
    std::optional<BluezInterfaces> objectAt(const QString &path) const;
    QVariantMap adapterProperties() const;
    BluezManagedObjects managedObjects() const;
    BluezDevice *deviceOwning(const QString &path) const;
    void onAdvertised(const SimAdvertisement &advertisement);
    void setDiscovering(bool discovering);

    SimRadio *m_radio;
    SimBackend m_backend;
    QDBusConnection m_bus;
    BluezRecord *m_record;
    bool m_discovering = false;
    // Clients with a discovery session, by unique bus name.
    QSet<QString> m_discoveryClients;
    std::unique_ptr<BleDeviceDiscovery> m_scan;
    // Devices heard in the current discovery: their RSSI goes when it ends.
    QSet<QString> m_heard;
    std::map<QString, std::unique_ptr<BluezDevice>> m_devices; // by object path
};

// One remote device as bluetoothd shows it: Device1 and, once a connection
// resolved its services, the GATT objects below it (kept across
// connections, as bluetoothd's GATT cache does). The connection itself is a
// central of the simulated radio.
class BluezDevice : public QObject
{
    Q_OBJECT
public:
    BluezDevice(BluezService *service, const QBluetoothAddress &address);
    ~BluezDevice() override;

    QString path() const { return m_path; }
    QBluetoothAddress address() const { return m_address; }

    // From an advertisement heard while discovering: the changed Device1
    // properties (all of them for a new device).
    QVariantMap takeAdvertisement(const SimAdvertisement &advertisement, bool isNew);
    void dropRssi();

    QVariantMap deviceProperties() const;
    // The objects below and including the device.
    void addObjects(BluezManagedObjects &objects) const;
    std::optional<BluezInterfaces> objectAt(const QString &path) const;
    void handle(const QDBusMessage &message);

private:
    struct Descriptor {
        QString path;
        QString characteristicPath;
        QBluetoothUuid uuid;
        QByteArray value;
    };
    struct Characteristic {
        QString path;
        QString servicePath;
        QBluetoothUuid serviceUuid;
        QBluetoothUuid uuid;
        QLowEnergyCharacteristic::PropertyTypes properties;
        QByteArray value;
        bool notifying = false;
        // Notify sessions by client; true once registered on the link.
        QMap<QString, bool> sessions;
        QStringList descriptors;
    };
    struct Service {
        QString path;
        QBluetoothUuid uuid;
    };
    // A request on the link whose answer is awaited; answers come in order.
    struct Pending {
        enum Kind { Read, Write, ReadDescriptor, WriteDescriptor, StartNotify, Cccd };
        Kind kind;
        QDBusMessage call; // none for the stand-in's own CCCD writes
        QString path;
        QString client;    // StartNotify
    };

    QVariantMap serviceProperties(const Service &service) const;
    QVariantMap characteristicProperties(const Characteristic &characteristic) const;
    QVariantMap descriptorProperties(const Descriptor &descriptor) const;

    void connectDevice(const QDBusMessage &call);
    void disconnectDevice(const QDBusMessage &call);
    void onConnected();
    void onDiscoveryFinished();
    void onServicesResolved();
    void onLinkDown();
    void onMtu(int mtu);
    void exportGatt();
    void failConnect(const QString &text);

    void read(const QDBusMessage &call, Characteristic &characteristic);
    void write(const QDBusMessage &call, Characteristic &characteristic);
    void startNotify(const QDBusMessage &call, Characteristic &characteristic);
    void stopNotify(const QDBusMessage &call, Characteristic &characteristic);
    void readDescriptor(const QDBusMessage &call, Descriptor &descriptor);
    void writeDescriptor(const QDBusMessage &call, Descriptor &descriptor);
    void writeCccd(Characteristic &characteristic, quint16 value, const Pending &pending);

    // Sends one request through the simulated service; false (with the
    // call answered) when the service turns it down at once. Unless
    // awaitsAnswer is false, the answer is awaited in turn.
    bool issue(const Pending &pending, const std::function<void()> &request, bool awaitsAnswer = true);
    Pending takePending(Pending::Kind kind);
    void onAnswer(Pending::Kind kind, const QByteArray &value);
    void onServiceError(QLowEnergyService::ServiceError error);
    void onNotified(const QBluetoothUuid &service, const QBluetoothUuid &characteristic, const QByteArray &value);

    BleService *serviceOf(const Characteristic &characteristic) const;
    // The service of a characteristic while the device is connected;
    // otherwise nullptr, with the call answered.
    BleService *readyService(const QDBusMessage &call, const Characteristic &characteristic);
    bool isReady() const { return m_connected && m_resolved; }
    int linkMtu() const;

    BluezService *m_owner;
    QBluetoothAddress m_address;
    QString m_path;
    std::optional<QString> m_name;
    qint16 m_rssi = 0;
    QMap<quint16, QByteArray> m_manufacturerData;
    QList<QBluetoothUuid> m_uuids;
    bool m_connected = false;
    bool m_resolved = false;
    bool m_connecting = false;

    bool m_exported = false;
    QList<Service> m_services;
    std::map<QString, Characteristic> m_characteristics;
    std::map<QString, Descriptor> m_descriptors;

    BleController *m_controller = nullptr;
    QHash<QBluetoothUuid, BleService *> m_serviceObjects;
    int m_servicesToDiscover = 0;
    QList<QDBusMessage> m_connectCalls;
    QList<QDBusMessage> m_disconnectCalls;
    std::deque<Pending> m_pending;
    bool m_inRequest = false;
    std::optional<QLowEnergyService::ServiceError> m_refusedAtOnce;
};
