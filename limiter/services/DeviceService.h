#pragma once

#include "BleHandles.h"

#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyService>
#include <QObject>

#include <deque>
#include <functional>

class BleController;
class BleService;

// A line of the diagnostics for a missing characteristic or descriptor: the
// text, followed by the characteristic's UUID where withUuid is set. No
// text: nothing is logged.
struct MissingLine {
    QByteArray text;
    bool withUuid = false;
};

// One characteristic of a device service: how the service's set-up takes it
// and what the service makes of its values. A service declares each of its
// characteristics once, in the order its set-up takes them:
//
//     add(logUuid(kLogDataId))
//         .subscribe(enableNotifications())
//         .ifMissing({"LOG DATA failed to get characteristic ", true})
//         .ifCccdMissing({"LOG DATA failed to get notify descriptor ", true})
//         .onValue([this](const QByteArray &value) { emit dataReceived(value); });
struct ServiceCharacteristic {
    using Handler = std::function<void(const QByteArray &value)>;
    // When the set-up takes the characteristic.
    enum class SetUpAt {
        Discovery,     // once the service's details are discovered
        Authorisation, // once the device let this connection in
    };

    explicit ServiceCharacteristic(const QBluetoothUuid &uuid) : uuid(uuid) {}

    // Read by the set-up (what fills the cached records).
    ServiceCharacteristic &readAtSetUp()
    {
        read = true;
        return *this;
    }
    // Its client characteristic configuration descriptor is written with
    // this value by the set-up ("0100" notifications, "0200" indications).
    ServiceCharacteristic &subscribe(const QByteArray &value)
    {
        cccdValue = value;
        return *this;
    }
    // Its client characteristic configuration descriptor is looked up (a
    // missing one is logged) but never written.
    ServiceCharacteristic &lookUpCccd()
    {
        lookUpCccdOnly = true;
        return *this;
    }
    ServiceCharacteristic &afterAuthorisation()
    {
        setUpAt = SetUpAt::Authorisation;
        return *this;
    }
    ServiceCharacteristic &ifMissing(const MissingLine &line)
    {
        missing = line;
        return *this;
    }
    ServiceCharacteristic &ifCccdMissing(const MissingLine &line)
    {
        missingCccd = line;
        return *this;
    }
    // A value the device notified, or read where no onRead is given.
    ServiceCharacteristic &onValue(Handler handler)
    {
        valueHandler = std::move(handler);
        return *this;
    }
    // A value read (only).
    ServiceCharacteristic &onRead(Handler handler)
    {
        readHandler = std::move(handler);
        return *this;
    }
    // The device confirmed a write (the value written).
    ServiceCharacteristic &onWritten(Handler handler)
    {
        writtenHandler = std::move(handler);
        return *this;
    }
    // The characteristic carries a record the service caches: a write the
    // device took announces it as what the device now holds, a refused one
    // reads it again.
    ServiceCharacteristic &cachedRecord(std::function<void()> announce)
    {
        announceRecord = std::move(announce);
        return *this;
    }

    QBluetoothUuid uuid;
    SetUpAt setUpAt = SetUpAt::Discovery;
    bool read = false;
    QByteArray cccdValue;
    bool lookUpCccdOnly = false;
    MissingLine missing;
    MissingLine missingCccd;
    Handler valueHandler;
    Handler readHandler;
    Handler writtenHandler;
    std::function<void()> announceRecord;

    // Of the current link, once the set-up took them (invalid until then).
    BleCharacteristic handle;
    BleDescriptor cccd;
};

// One of the GATT services of a device as LimiterDevice uses it: the service
// object of the current link, its characteristics, what it makes of their
// values and the writes through it. Every value and every write is written to
// the diagnostics ("device").
//
// start() creates the service object on the controller and starts its detail
// discovery; once the details are discovered the characteristics set up at
// discovery are taken in order: read, their notifications switched on. Where
// the set-up is chained, a missing characteristic or descriptor ends it (the
// rest is not set up); otherwise it is logged and the next one is taken.
// Writes are with response and answered in the order they were sent, so a
// refused write is matched to its characteristic (writeFailed).
class DeviceService : public QObject
{
    Q_OBJECT
public:
    // How the service shows in the diagnostics.
    struct Texts {
        const char *notFound;     // nullptr: a device without the service is not logged
        const char *stateChanged; // before each new state
        const char *discovered;   // once its details are discovered
    };
    enum class SetUp { StopsAtAMissingPiece, GoesOnPastAMissingPiece };

    ~DeviceService() override;

    QBluetoothUuid uuid() const { return m_uuid; }
    // The service object of the current link, or nullptr.
    BleService *service() const { return m_service; }
    // Whether the characteristic (by UUID) or the descriptor (of this link)
    // is one of the service's.
    bool hasCharacteristic(const QBluetoothUuid &uuid) const;
    bool hasDescriptor(const BleDescriptor &descriptor) const;

    // Creates the service object on the controller (nullptr: none, as for a
    // device without the service) and starts its detail discovery. The
    // previous link's object stays, but is no longer listened to for values.
    void start(BleController *controller);
    // The link ended: the writes sent are never answered.
    void linkEnded();
    // The session ended for good: the service object goes and no
    // characteristic of it is kept.
    void release();

    // What the service object delivers; these also take what is handed in
    // some other way (LimiterDevice's slots), as from the current object.
    void stateChanged(QLowEnergyService::ServiceState state) { onStateChanged(m_service, state); }
    void characteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value)
    {
        onChanged(m_service, characteristic, value);
    }
    void characteristicRead(const BleCharacteristic &characteristic, const QByteArray &value)
    {
        onRead(m_service, characteristic, value);
    }
    void characteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value)
    {
        onWritten(m_service, characteristic, value);
    }
    void descriptorWritten(const BleDescriptor &descriptor, const QByteArray &value);

    // The diagnostics lines of what a service object delivered.
    static void logChanged(const BleCharacteristic &characteristic, const QByteArray &value);
    static void logRead(const BleCharacteristic &characteristic, const QByteArray &value);
    static void logWritten(const BleCharacteristic &characteristic, const QByteArray &value);
    static void logDescriptorWritten(const BleDescriptor &descriptor);
    static void logDescriptorValue(const QByteArray &value);
    // The protocol's name of a characteristic (its SIG name, the profile's
    // name, else its UUID).
    static QString nameOf(const BleCharacteristic &characteristic);

signals:
    // A write was refused by the device (or could not be sent).
    void writeFailed(const QBluetoothUuid &characteristic);

protected:
    DeviceService(const QBluetoothUuid &uuid, const Texts &texts, SetUp setUp, QObject *parent);

    // Declares the next characteristic of the service.
    ServiceCharacteristic &add(const QBluetoothUuid &uuid);
    ServiceCharacteristic *find(const QBluetoothUuid &uuid);
    const ServiceCharacteristic *find(const QBluetoothUuid &uuid) const;
    // Takes the characteristics set up at that moment, in order; false when
    // a chained set-up stopped at a missing piece.
    bool setUpCharacteristics(ServiceCharacteristic::SetUpAt moment);
    // Writes with response; the caller checked the service object.
    void write(const BleCharacteristic &characteristic, const QByteArray &value);
    // Reads the characteristic when the service object and it are there.
    void readAgain(const ServiceCharacteristic &characteristic);

    // A value the current service object notified: by default to the
    // characteristic's onValue.
    virtual void valueChanged(const BleCharacteristic &characteristic, const QByteArray &value);
    // A value it read: by default to the characteristic's onRead.
    virtual void valueRead(const BleCharacteristic &characteristic, const QByteArray &value);
    // The set-up at discovery went through to its end.
    virtual void setUpComplete() {}
    // Said after "descriptor written" for a descriptor of the service.
    virtual void descriptorNote(const BleDescriptor &) {}

private:
    void onStateChanged(BleService *from, QLowEnergyService::ServiceState state);
    void onChanged(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value);
    void onRead(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value);
    void onWritten(BleService *from, const BleCharacteristic &characteristic, const QByteArray &value);
    void onError(BleService *from, QLowEnergyService::ServiceError error);
    static void logMissing(const MissingLine &line, const QBluetoothUuid &uuid);
    BleCharacteristic takePendingWrite(bool latest);

    const QBluetoothUuid m_uuid;
    const Texts m_texts;
    const SetUp m_setUp;
    // In declaration order; a deque keeps them in place as they are added.
    std::deque<ServiceCharacteristic> m_characteristics;
    BleService *m_service = nullptr;
    // Writes with response sent through the current service object and not
    // yet answered, in order.
    QList<BleCharacteristic> m_pendingWrites;
    // Inside a writeCharacteristic call (a failure there is that write's).
    bool m_writing = false;
};
