// Out-of-line anchors of the seam's abstract classes and the backend registry.
#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleLogging.h"
#include "BleService.h"
#include "DiscoveryLogging.h"
#include "QtBleBackend.h"

#include <QElapsedTimer>
#include <QMap>
#include <QRecursiveMutex>
#include <QMutexLocker>

#include <utility>

Q_LOGGING_CATEGORY(lcBle, "ble")
Q_LOGGING_CATEGORY(lcScanner, "ble.scanner")

BleController::BleController(QObject *parent) : QObject(parent) {}
BleController::~BleController() = default;

BleService::BleService(QObject *parent) : QObject(parent) {}
BleService::~BleService() = default;

BleDeviceDiscovery::BleDeviceDiscovery(QObject *parent) : QObject(parent) {}
BleDeviceDiscovery::~BleDeviceDiscovery() = default;

BleBackend::~BleBackend() = default;

qint64 BleBackend::nowMs() const
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return clock.elapsed();
}

namespace {

struct Registry {
    QRecursiveMutex mutex;
    QMap<QString, BleBackend::Factory> factories;
    std::unique_ptr<BleBackend> fromEnvironment;
    BleBackend *override = nullptr;

    Registry()
    {
        factories.insert(QStringLiteral("qt"), [] { return std::make_unique<QtBleBackend>(); });
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

BleBackend *BleBackend::instance()
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    if (r.override)
        return r.override;
    if (!r.fromEnvironment) {
        QString wanted = qEnvironmentVariable(kEnvironmentVariable).trimmed().toLower();
        if (wanted.isEmpty())
            wanted = QStringLiteral("qt");
        auto factory = r.factories.value(wanted);
        if (!factory) {
            qCWarning(lcBle) << "Unknown BLE backend" << wanted << "in" << kEnvironmentVariable
                             << "- known:" << r.factories.keys() << "- using qt";
            factory = r.factories.value(QStringLiteral("qt"));
        }
        r.fromEnvironment = factory();
        qCInfo(lcBle) << "BLE backend:" << r.fromEnvironment->name();
    }
    return r.fromEnvironment.get();
}

BleBackend *BleBackend::setInstance(BleBackend *backend)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    return std::exchange(r.override, backend);
}

void BleBackend::registerBackend(const QString &name, Factory factory)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.factories.insert(name.toLower(), std::move(factory));
}

QStringList BleBackend::backendNames()
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    return r.factories.keys();
}

std::unique_ptr<BleBackend> BleBackend::create(const QString &name)
{
    Factory factory;
    {
        Registry &r = registry();
        QMutexLocker lock(&r.mutex);
        factory = r.factories.value(name.toLower());
    }
    return factory ? factory() : nullptr;
}
