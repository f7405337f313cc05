#pragma once

#include "SimAdvertisement.h"
#include "SimConnection.h"
#include "SimFaults.h"
#include "SimGatt.h"

#include <QBluetoothAddress>
#include <QList>
#include <QObject>

#include <memory>

class SimRadio;

// ATT error codes a peripheral can answer with (0 is success).
namespace SimAtt {
enum Error : quint8 {
    Success = 0x00,
    InvalidHandle = 0x01,
    ReadNotPermitted = 0x02,
    WriteNotPermitted = 0x03,
    InsufficientAuthorization = 0x08,
    AttributeNotFound = 0x0A,
    InvalidAttributeValueLength = 0x0D,
    UnlikelyError = 0x0E,
    ApplicationError = 0x80,
    CccdImproperlyConfigured = 0xFD,
};
}

struct SimReadResult {
    quint8 error = SimAtt::Success;
    QByteArray value;
};

// A simulated BLE peripheral on a SimRadio: an address, a name, a GATT
// database, advertising and the hooks through which it answers its clients.
//
// How to add a kind of peripheral (a device, a bootloader, ...):
//  1. Derive from SimPeripheral. In the constructor build the GATT database
//     with gatt().addService() and gatt().addCharacteristic() (characteristics
//     that notify or indicate get their CCCD) and keep the value handles.
//  2. Override the hooks you need: onRead() (default: the stored value, if
//     readable), onWrite() (default: store the value, if writable),
//     onCccdWritten() (a client switched notifications or indications on or
//     off), onConnected()/onDisconnected() (per-connection state).
//  3. Send with notify()/indicate(); they only go out when that client's
//     CCCD allows it and the value fits the link's MTU. Use after() for
//     timed behaviour: it runs on the radio's clock, so tests run it fast.
//  4. Advertising: setAdvertising(true) and, for a payload beyond name and
//     RSSI, setAdvertiser() with a SimAdvertiser.
//  5. Add it with SimRadio::addPeripheral(); centrals reach it by address
//     through the "sim" backend. To make it available in device description
//     files, register a kind with SimDescription::registerKind().
class SimPeripheral : public QObject
{
    Q_OBJECT
public:
    SimPeripheral(const QBluetoothAddress &address, const QString &name, QObject *parent = nullptr);
    ~SimPeripheral() override;

    QBluetoothAddress address() const { return m_address; }
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // The radio it was added to; nullptr before.
    SimRadio *radio() const { return m_radio; }

    SimGattDatabase &gatt() { return m_gatt; }
    const SimGattDatabase &gatt() const { return m_gatt; }

    // Link behaviour.
    bool isConnectable() const { return m_connectable; }
    void setConnectable(bool connectable) { m_connectable = connectable; }
    // The ATT MTU this peripheral accepts (the link takes the smaller of the
    // central's and this); default 247.
    int maximumMtu() const { return m_maximumMtu; }
    void setMaximumMtu(int mtu) { m_maximumMtu = qBound(23, mtu, 517); }
    // Round trip of one ATT exchange in microseconds; negative: the radio's.
    qint64 roundTripUs() const { return m_roundTripUs; }
    void setRoundTripUs(qint64 us) { m_roundTripUs = us; }

    void addFaultFilter(SimFaultFilter filter) { m_faults.append(std::move(filter)); }
    void clearFaultFilters() { m_faults.clear(); }
    // Runs the filters over event (see SimFaults.h).
    SimFault applyFaults(SimAttEvent &event);

    // Advertising.
    bool isAdvertising() const { return m_advertising; }
    void setAdvertising(bool advertising);
    int advertisingIntervalMs() const { return m_advertisingIntervalMs; }
    void setAdvertisingIntervalMs(int ms) { m_advertisingIntervalMs = qMax(1, ms); }
    qint16 rssi() const { return m_rssi; }
    void setRssi(qint16 rssi) { m_rssi = rssi; }
    void setAdvertiser(std::shared_ptr<SimAdvertiser> advertiser) { m_advertiser = std::move(advertiser); }
    SimAdvertiser *advertiser() const { return m_advertiser.get(); }
    // The next advertisement: the advertiser's, or name and RSSI.
    virtual SimAdvertisement advertisement();

    // The links that are up.
    QList<SimConnection *> connections() const;
    // The link of that id while it is up, else nullptr.
    SimConnection *connectionById(quint64 id) const;

    // Sends to one client; false when not sent (link down, CCCD not set for
    // it, value longer than the link's payload, or a fault filter).
    bool notify(SimConnection *connection, quint16 valueHandle, const QByteArray &value);
    bool indicate(SimConnection *connection, quint16 valueHandle, const QByteArray &value);
    // Notifies every client that enabled notifications; returns how many.
    int notifyAll(quint16 valueHandle, const QByteArray &value);
    // The peripheral ends a link (as a reboot does).
    void disconnect(SimConnection *connection);
    void disconnectAll();

    // Runs function after ms of the radio's clock, while this peripheral
    // lives. Returns the clock's event id (0 when not on a radio).
    quint64 after(qint64 ms, std::function<void()> function);

protected:
    friend class SimRadio;
    friend class SimService;

    virtual void onAdded(SimRadio *radio);
    virtual void onConnected(SimConnection *connection);
    virtual void onDisconnected(SimConnection *connection);
    virtual SimReadResult onRead(SimConnection *connection, const SimGattCharacteristic &characteristic);
    virtual quint8 onWrite(SimConnection *connection, SimGattCharacteristic &characteristic, const QByteArray &value,
                           bool withResponse);
    virtual void onCccdWritten(SimConnection *connection, const SimGattCharacteristic &characteristic, quint16 value);

private:
    QBluetoothAddress m_address;
    QString m_name;
    SimRadio *m_radio = nullptr;
    SimGattDatabase m_gatt;
    bool m_connectable = true;
    int m_maximumMtu = 247;
    qint64 m_roundTripUs = -1;
    QList<SimFaultFilter> m_faults;
    bool m_advertising = true;
    int m_advertisingIntervalMs = 100;
    qint16 m_rssi = -60;
    std::shared_ptr<SimAdvertiser> m_advertiser;
};

using SimPeripheralPtr = std::shared_ptr<SimPeripheral>;
