#include "LimiterDevice.h"

#include "AdvertisementProtocol.h"
#include "BleBackend.h"
#include "BleController.h"
#include "LinkDiagnostics.h"
#include "services/DfuButtonlessService.h"
#include "services/LoggerService.h"
#include "services/SettingsService.h"
#include "services/TelemetryService.h"
#include "services/TerminalService.h"

#include <QCoreApplication>
#include <QDebug>

#include <exception>

using namespace DeviceProtocol;

namespace {

QVersionNumber versionOfWord(quint16 word)
{
    return QVersionNumber(word >> 8, word & 0xFF);
}

} // namespace

// --- construction ---------------------------------------------------------

LimiterDevice::LimiterDevice(const QBluetoothDeviceInfo &info, BleBackend *backend)
    : m_deviceInfo(info), m_givenBackend(backend)
{
    qCDebug(lcDevice) << "cst ctor";
    makeServices();
}

LimiterDevice::LimiterDevice()
{
    qCDebug(lcDevice) << "def ctor";
    makeServices();
}

LimiterDevice::LimiterDevice(const LimiterDevice &other)
    : QObject(), m_deviceInfo(other.m_deviceInfo), m_givenBackend(other.m_givenBackend)
{
    qCDebug(lcDevice) << "cpy ctor";
    makeServices();
}

LimiterDevice::LimiterDevice(LimiterDevice &&other) noexcept
    : QObject(), m_deviceInfo(std::move(other.m_deviceInfo)), m_givenBackend(other.m_givenBackend)
{
    qCDebug(lcDevice) << "mov ctor";
    makeServices();
}

LimiterDevice::~LimiterDevice() = default;

void LimiterDevice::makeServices()
{
    m_rtm = new TelemetryService(this);
    m_settings = new SettingsService(this);
    m_terminal = new TerminalService(this);
    m_dfu = new DfuButtonlessService(this);
    m_logger = new LoggerService(this);

    connect(m_rtm, &TelemetryService::telemetryUpdated, this, &LimiterDevice::telemetryUpdated);
    connect(m_settings, &SettingsService::deviceInformationUpdated, this, &LimiterDevice::deviceInformationUpdated);
    connect(m_settings, &SettingsService::authorizationRequired, this, &LimiterDevice::authorizationRequired);
    connect(m_settings, &SettingsService::unlocked, this, &LimiterDevice::onAuthorizationSuccess);
    connect(m_settings, &SettingsService::commonSettingsUpdated, this, &LimiterDevice::commonSettingsUpdated);
    connect(m_settings, &SettingsService::userLimitSettingsUpdated, this, &LimiterDevice::userLimitSettingsUpdated);
    connect(m_settings, &SettingsService::defaultLimitSettingsUpdated, this, &LimiterDevice::defaultLimitSettingsUpdated);
    connect(m_settings, &SettingsService::motorSettingsUpdated, this, &LimiterDevice::motorSettingsUpdated);
    connect(m_settings, &SettingsService::motorDriveSettingsUpdated, this, &LimiterDevice::motorDriveSettingsUpdated);
    connect(m_settings, &SettingsService::timingTableUpdated, this, &LimiterDevice::timingTableUpdated);
    connect(m_terminal, &TerminalService::terminalDataReceived, this, &LimiterDevice::terminalDataReceived);
    connect(m_dfu, &DfuButtonlessService::enteredDFUMode, this, &LimiterDevice::enteredDFUMode);
    connect(m_logger, &LoggerService::loggerServiceDiscovered, this, &LimiterDevice::loggerServiceDiscovered);
    connect(m_logger, &LoggerService::logDataReceived, this, &LimiterDevice::logDataReceived);
    connect(m_logger, &LoggerService::logReadStatusReceived, this, &LimiterDevice::logReadStatusReceived);
    connect(m_logger, &LoggerService::logSessionNumberReceived, this, &LimiterDevice::logSessionNumberReceived);
    for (DeviceService *service : services())
        connect(service, &DeviceService::writeFailed, this, &LimiterDevice::writeFailed);
}

std::array<DeviceService *, 5> LimiterDevice::services() const
{
    return {m_rtm, m_settings, m_terminal, m_dfu, m_logger};
}

DeviceService *LimiterDevice::serviceOf(const QBluetoothUuid &characteristic) const
{
    for (DeviceService *service : services()) {
        if (service->hasCharacteristic(characteristic))
            return service;
    }
    return nullptr;
}

// --- connection -----------------------------------------------------------

void LimiterDevice::connectToDevice()
{
    if (m_controller) {
        // A tab asks twice; only a session that was ended for good starts anew.
        if (!m_advertisedStatus.isUserDisconnected())
            return;
        releaseController();
    }
    m_backend = m_givenBackend ? m_givenBackend : BleBackend::instance();
    m_controller = m_backend->createCentral(m_deviceInfo, this);
    connect(m_controller, &BleController::serviceDiscovered, this, &LimiterDevice::onServiceDiscovered);
    connect(m_controller, &BleController::discoveryFinished, this, &LimiterDevice::onDiscoveryFinished);
    connect(m_controller, &BleController::errorOccurred, this, &LimiterDevice::onControllerError);
    connect(m_controller, &BleController::connected, this, &LimiterDevice::onControllerConnected);
    connect(m_controller, &BleController::disconnected, this, &LimiterDevice::onControllerDisconnected);
    m_controller->connectToDevice();
}

void LimiterDevice::disconnectFromDevice()
{
    if (!m_controller)
        return;
    m_advertisedStatus.setUserDisconnected(true);
    if (m_controller->state() != QLowEnergyController::UnconnectedState)
        m_controller->disconnectFromDevice();
}

void LimiterDevice::linkEnded()
{
    ++m_link;
    for (DeviceService *service : services())
        service->linkEnded();
}

void LimiterDevice::releaseController()
{
    linkEnded();
    if (m_controller) {
        disconnect(m_controller, nullptr, this, nullptr);
        if (m_controller->state() != QLowEnergyController::UnconnectedState)
            m_controller->disconnectFromDevice();
        m_controller->deleteLater();
        m_controller = nullptr;
    }
    for (DeviceService *service : services())
        service->release();
}

BleBackend *LimiterDevice::backend() const
{
    if (m_backend)
        return m_backend;
    return m_givenBackend ? m_givenBackend : BleBackend::instance();
}

int LimiterDevice::controllerError() const
{
    return m_controller ? int(m_controller->error()) : int(QLowEnergyController::NoError);
}

QString LimiterDevice::controllerErrorString() const
{
    return m_controller ? m_controller->errorString() : QString();
}

void LimiterDevice::onControllerConnected()
{
    qCDebug(lcDevice) << "Connected to device. Searching services...";
    m_status = LimiterConnected;
    emit statusChanged(LimiterConnected);
    if (m_controller)
        m_controller->discoverServices();
}

void LimiterDevice::onControllerDisconnected()
{
    qCDebug(lcDevice) << "LowEnergy controller disconnected";
    linkEnded();
    if (m_advertisedStatus.isUserDisconnected()) {
        releaseController();
        m_status = LimiterDisconnected;
        emit statusChanged(LimiterDisconnected);
        return;
    }
    qCDebug(lcDevice) << "Trying to reconnect";
    if (m_controller)
        m_controller->connectToDevice();
}

void LimiterDevice::onServiceDiscovered(const QBluetoothUuid &uuid)
{
    logServiceDiscovered(lcDevice, uuid);
}

void LimiterDevice::onDiscoveryFinished()
{
    if (!m_controller || m_controller->state() != QLowEnergyController::DiscoveredState)
        return;
    qCDebug(lcDevice) << "Service discovery finished";
    m_status = LimiterServicesDiscovered;
    // The set-up belongs to this link of this controller: a disconnect (by
    // the user or a link loss) inside the delay drops it.
    const quint64 link = m_link;
    m_backend->singleShot(1000, m_controller, [this, link]() {
        if (link != m_link)
            return;
        emit statusChanged(LimiterConnectionStatus(m_status));
        setUpSettingsService();
    });
}

void LimiterDevice::onControllerError(QLowEnergyController::Error error)
{
    m_status = LimiterError;
    emit statusChanged(LimiterError);
    qCWarning(lcDevice) << "Cannot connect to remote device." << error;
    qCWarning(lcDevice) << controllerErrorString();
}

// --- service set-up -------------------------------------------------------

void LimiterDevice::setUpSettingsService()
{
    try {
        if (!m_controller)
            return;
        m_settings->start(m_controller);
    } catch (const std::exception &e) {
        qCCritical(lcDevice) << "Connection Error:" << e.what();
        emit connectionErrorOccurred(tr("Connection Error"), tr("Failed to connect to the device. Please try again."));
    }
}

void LimiterDevice::onAuthorizationSuccess()
{
    m_rtm->start(m_controller);
    m_terminal->start(m_controller);
    m_settings->setUpRecords();
    m_dfu->start(m_controller);
    m_logger->start(m_controller);
}

void LimiterDevice::onSettingsServiceStateChanged(QLowEnergyService::ServiceState state)
{
    m_settings->stateChanged(state);
}

void LimiterDevice::onRTMServiceStateChanged(QLowEnergyService::ServiceState state)
{
    m_rtm->stateChanged(state);
}

void LimiterDevice::onTerminalServiceStateChanged(QLowEnergyService::ServiceState state)
{
    m_terminal->stateChanged(state);
}

void LimiterDevice::onDFUServiceStateChanged(QLowEnergyService::ServiceState state)
{
    m_dfu->stateChanged(state);
}

void LimiterDevice::onLogServiceStateChanged(QLowEnergyService::ServiceState state)
{
    m_logger->stateChanged(state);
}

// --- values ---------------------------------------------------------------

void LimiterDevice::onCharacteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (DeviceService *service = serviceOf(characteristic.uuid()))
        service->characteristicChanged(characteristic, value);
    else
        DeviceService::logChanged(characteristic, value);
}

void LimiterDevice::onCharacteristicRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (DeviceService *service = serviceOf(characteristic.uuid()))
        service->characteristicRead(characteristic, value);
    else
        DeviceService::logRead(characteristic, value);
}

void LimiterDevice::onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (DeviceService *service = serviceOf(characteristic.uuid()))
        service->characteristicWritten(characteristic, value);
    else
        DeviceService::logWritten(characteristic, value);
}

void LimiterDevice::onDescriptorWritten(const BleDescriptor &descriptor, const QByteArray &value)
{
    for (DeviceService *service : services()) {
        if (service->hasDescriptor(descriptor)) {
            service->descriptorWritten(descriptor, value);
            return;
        }
    }
    DeviceService::logDescriptorWritten(descriptor);
    DeviceService::logDescriptorValue(value);
}

// --- records --------------------------------------------------------------

s_TelemetryBle LimiterDevice::telemetry() const { return m_rtm->telemetry(); }
s_CommonSettBle LimiterDevice::commonSettings() const { return m_settings->commonSettings(); }
s_MotorSettBle LimiterDevice::motorSettings() const { return m_settings->motorSettings(); }
s_MotorDriveSettBle LimiterDevice::motorDriveSettings() const { return m_settings->motorDriveSettings(); }
s_TimingTableBle LimiterDevice::timingTable() const { return m_settings->timingTable(); }
s_LimitSettBle LimiterDevice::defaultLimitSettings(int index) const { return m_settings->defaultLimitSettings(index); }
s_LimitSettBle LimiterDevice::userLimitSettings(int index) const { return m_settings->userLimitSettings(index); }
s_DeviceInfoBle LimiterDevice::deviceInformation() const { return m_settings->deviceInformation(); }

QVersionNumber LimiterDevice::escFirmwareVersion() const
{
    return versionOfWord(m_settings->deviceInformation().block[2].version);
}

QVersionNumber LimiterDevice::bootloaderVersion() const
{
    const s_DeviceInfoBlock bootloader = m_settings->deviceInformation().block[0];
    if (qstrnlen(bootloader.versionText, sizeof bootloader.versionText) >= 7)
        return versionOfWord(bootloader.version);
    return versionOfWord(m_advertisedStatus.auxiliaryVersionWord());
}

// --- advertised status ----------------------------------------------------

void LimiterDevice::parseAdvertisement()
{
    // Only the devices' own company entry carries a status record; an
    // advertisement without one (another company's data) changes nothing.
    if (m_deviceInfo.manufacturerIds().contains(advertisement::kCompanyId))
        m_advertisedStatus.parse(m_deviceInfo.manufacturerData(advertisement::kCompanyId));
}

// --- writes ---------------------------------------------------------------

void LimiterDevice::writeCommonSettings(const s_CommonSettBle &settings) { m_settings->writeCommonSettings(settings); }
void LimiterDevice::writeMotorSettings(const s_MotorSettBle &settings) { m_settings->writeMotorSettings(settings); }
void LimiterDevice::writeMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    m_settings->writeMotorDriveSettings(settings);
}
void LimiterDevice::writeLimitSettings(int set, const s_LimitSettBle &settings)
{
    m_settings->writeLimitSettings(set, settings);
}
void LimiterDevice::setPassword(const QString &password) { m_settings->setPassword(password); }
void LimiterDevice::authorize(const QString &password) { m_settings->authorize(password); }

void LimiterDevice::resetCommonSettings() { m_settings->writeFlags(FlagResetCommonSettings, 1); }
void LimiterDevice::resetEscSettings() { m_settings->writeFlags(FlagResetEscSettings, 1); }

void LimiterDevice::resetLimitSettings(int set)
{
    if (set < 0 || set >= kLimitSetCount)
        return;
    m_settings->writeFlags(FlagResetLimitSettings, quint8(set + 1));
}

void LimiterDevice::sendSetFullThrottle() { m_settings->writeFlags(FlagSetFullThrottle, 1); }
void LimiterDevice::sendSetStopPosition() { m_settings->writeFlags(FlagSetStopPosition, 1); }
void LimiterDevice::sendSetFailsafePosition() { m_settings->writeFlags(FlagSetFailsafePosition, 1); }
void LimiterDevice::sendSetMaxTimingPosition() { m_settings->writeFlags(FlagSetMaxTimingPosition, 1); }
void LimiterDevice::sendSetMinTimingPosition() { m_settings->writeFlags(FlagSetMinTimingPosition, 1); }

void LimiterDevice::readLogNumber() { m_logger->request(logRequest(0)); }
void LimiterDevice::readLog(quint32 session) { m_logger->request(logRequest(session)); }
void LimiterDevice::sendClearLogs() { m_logger->request(logRequest(0, true)); }

void LimiterDevice::enterDFUMode() { m_dfu->enterDfuMode(); }

void LimiterDevice::sendTerminalData(const QByteArray &data) { m_terminal->send(data); }
