#pragma once

#include <QBluetoothDeviceInfo>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class AdvertisementSource;
class BleController;
class BleDeviceDiscovery;
class QObject;

// The one seam between the programs and a Bluetooth LE stack, and the one
// factory of everything that talks BLE: controllers, scans and the
// advertisement sources of the scanner. LimiterDevice, the DFU client and
// BluetoothDiscovery take the backend they use when they are made (by
// default the process' one, instance()) and never learn which stack is
// behind it.
//
// Backends: "qt" (Qt Bluetooth, built in, the default) and whatever else is
// registered by name, e.g. "sim" (the simulated radio of sim/, registered by
// registerSimBackend() in builds with the simulator). The environment
// variable GEARWARDEN_BLE_BACKEND picks a registered backend by name when the
// instance is first needed.
class BleBackend
{
public:
    static constexpr const char kEnvironmentVariable[] = "GEARWARDEN_BLE_BACKEND";

    virtual ~BleBackend();

    virtual QString name() const = 0;
    // A central controller towards the device; not yet connecting.
    virtual BleController *createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent = nullptr) = 0;
    virtual BleDeviceDiscovery *createDeviceDiscovery(QObject *parent = nullptr) = 0;
    // A new advertisement source for the scanner, not yet started. Called
    // on the scanner's own thread: the source lives and is stopped there.
    virtual std::unique_ptr<AdvertisementSource> createAdvertisementSource() = 0;
    // Runs function once, after the given time of this backend's clock,
    // unless context is destroyed first (like QTimer::singleShot). Protocol
    // delays go through here so that a simulated clock can run them fast.
    virtual void singleShot(int milliseconds, const QObject *context, std::function<void()> function) = 0;
    // The time of the clock singleShot() runs on, in milliseconds from an
    // arbitrary origin; monotonic. By default the process' monotonic clock.
    virtual qint64 nowMs() const;

    // The backend in use: the one set by setInstance(), otherwise the one
    // the environment names (created once, kept for the process' life).
    static BleBackend *instance();
    // Overrides instance() until called again; nullptr removes the override.
    // The caller keeps ownership. Returns the override it replaces.
    static BleBackend *setInstance(BleBackend *backend);

    using Factory = std::function<std::unique_ptr<BleBackend>()>;
    // Makes a backend selectable by name; a later registration of the same
    // name replaces the earlier one.
    static void registerBackend(const QString &name, Factory factory);
    static QStringList backendNames();
    // A new backend of that name, or nullptr.
    static std::unique_ptr<BleBackend> create(const QString &name);
};
