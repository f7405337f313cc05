#pragma once

#include "SimFaults.h"

#include <QBluetoothAddress>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class BluezService;
struct BluezRecord;
class QObject;
class QThread;
class SimRadio;

// BlueZ for tests: bluetoothd's D-Bus interface (org.bluez on the system
// bus) served from the simulated radio of sim/, so that the Qt Bluetooth
// backend runs as on a user's Linux desktop, against the same simulated
// devices the "sim" backend uses.
//
// The bus is a private dbus-daemon made this process' system bus
// (PrivateSystemBus); the machine's own bus is never touched. The service
// and the radio with its devices live on a thread of the stand-in's own:
// Qt Bluetooth makes some of its calls synchronously (GetManagedObjects when
// a discovery agent or a controller starts, property reads), so nothing the
// client's thread does may be needed to answer them. Touch the radio and
// its devices only inside run().
//
// What it serves, following bluetoothd 5.66:
//  - ObjectManager at /, the adapter hci0 (Adapter1: StartDiscovery and
//    StopDiscovery per client, SetDiscoveryFilter), and a Device1 for every
//    address heard while discovering, kept after the discovery (with its
//    RSSI dropped); RSSI and ManufacturerData are signalled only when they
//    change, Name only when a name was advertised, Alias falls back to the
//    address written with dashes;
//  - Connect and Disconnect through a central of the radio; Connected turns
//    true with the link, ServicesResolved once the services are discovered,
//    and a lost link is Connected false;
//  - per service, characteristic and descriptor GattService1,
//    GattCharacteristic1 (ReadValue, whose value is also signalled as Value
//    before the answer; WriteValue with type "request" or "command";
//    StartNotify and StopNotify, whose sessions are registered again on
//    every connection; notifications and indications as Value changes; MTU
//    while connected) and GattDescriptor1 (writes of the client
//    characteristic configuration are not permitted).
// It does not model the radio itself (a link is the simulator's), pairing,
// or adapters other than one powered LE adapter.
class BluezStandIn
{
public:
    // The bluetoothd version the stand-in stands for.
    static constexpr char kVersion[] = "5.66";

    BluezStandIn();
    ~BluezStandIn();
    BluezStandIn(const BluezStandIn &) = delete;
    BluezStandIn &operator=(const BluezStandIn &) = delete;

    // Starts the private system bus (once per process) and serves org.bluez
    // on it, with an empty radio on real time. False, with *reason, where it
    // cannot run (dbus-daemon missing).
    bool start(QString *reason = nullptr);
    bool isRunning() const { return m_service != nullptr; }

    // Runs function with the radio on the stand-in's thread and waits for it.
    void run(const std::function<void(SimRadio &radio)> &function);

    // Whether characteristics carry the MTU property (bluetoothd 5.62 and
    // later); without it the stand-in is an older bluetoothd. Default true.
    void setExposesMtu(bool exposes);

    // Every exchange that reached a simulated device, in order.
    QList<SimAttEvent> traffic() const;
    void clearTraffic();
    // The D-Bus signals that announced an advertisement of that device to
    // the clients: InterfacesAdded and PropertiesChanged with RSSI or
    // ManufacturerData.
    int advertisementSignals(const QBluetoothAddress &device) const;
    // How often a method of that name was called (on the object of that
    // device only, when one is given).
    int calls(const QString &member, const QBluetoothAddress &device = QBluetoothAddress()) const;
    // The object path of a device: bluetoothd's /org/bluez/hci0/dev_XX_XX...
    static QString devicePath(const QBluetoothAddress &device);

private:
    std::unique_ptr<QThread> m_thread;
    std::unique_ptr<BluezRecord> m_record;
    QObject *m_context = nullptr;    // lives on m_thread
    SimRadio *m_radio = nullptr;     // lives on m_thread
    BluezService *m_service = nullptr; // lives on m_thread
    QString m_connectionName;
};
