#include "SimBackend.h"

#include "SimAdvertisementSource.h"
#include "SimController.h"
#include "SimDescription.h"
#include "SimDeviceDiscovery.h"
#include "SimLogging.h"
#include "SimRadio.h"

#include <QTimer>

SimBackend::SimBackend(SimRadio *radio) : m_radio(radio) {}

SimBackend::SimBackend(std::unique_ptr<SimRadio> radio) : m_owned(std::move(radio)), m_radio(m_owned.get()) {}

SimBackend::~SimBackend() = default;

QString SimBackend::name() const
{
    return QStringLiteral("sim");
}

BleController *SimBackend::createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent)
{
    return new SimController(m_radio, remoteDevice, parent);
}

BleDeviceDiscovery *SimBackend::createDeviceDiscovery(QObject *parent)
{
    return new SimDeviceDiscovery(m_radio, parent);
}

std::unique_ptr<AdvertisementSource> SimBackend::createAdvertisementSource()
{
    return std::make_unique<SimAdvertisementSource>(m_radio);
}

void SimBackend::singleShot(int milliseconds, const QObject *context, std::function<void()> function)
{
    if (m_radio)
        m_radio->clock().scheduleMs(milliseconds, std::move(function), context);
    else
        QTimer::singleShot(milliseconds, context, std::move(function));
}

qint64 SimBackend::nowMs() const
{
    return m_radio ? m_radio->clock().nowMs() : BleBackend::nowMs();
}

void registerSimBackend()
{
    BleBackend::registerBackend(QStringLiteral("sim"), []() -> std::unique_ptr<BleBackend> {
        auto radio = std::make_unique<SimRadio>(SimClock::Mode::RealTime);
        const QString path = qEnvironmentVariable(kSimDevicesEnvironmentVariable);
        QString error;
        const bool loaded = path.isEmpty() ? SimDescription::load(*radio, SimDescription::builtInDescription(), &error)
                                           : SimDescription::loadFile(*radio, path, &error);
        if (!loaded)
            qCWarning(lcSim) << "Simulated devices not loaded:" << error;
        qCInfo(lcSim) << "Simulated radio with" << radio->peripherals().size() << "devices";
        return std::make_unique<SimBackend>(std::move(radio));
    });
}

bool simDevicesDescriptionLoads(QString *error)
{
    const QString path = qEnvironmentVariable(kSimDevicesEnvironmentVariable);
    if (path.isEmpty())
        return true;
    SimRadio radio;
    return SimDescription::loadFile(radio, path, error);
}
