#include "LimiterDevice.h"

#include "AdvertisementProtocol.h"
#include "BleBackend.h"
#include "BleController.h"
#include "BleService.h"
#include "DeviceProtocol.h"
#include "LinkDiagnostics.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMetaEnum>

#include <cstring>
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
}

LimiterDevice::LimiterDevice()
{
    qCDebug(lcDevice) << "def ctor";
}

LimiterDevice::LimiterDevice(const LimiterDevice &other)
    : QObject(), m_deviceInfo(other.m_deviceInfo), m_givenBackend(other.m_givenBackend)
{
    qCDebug(lcDevice) << "cpy ctor";
}

LimiterDevice::LimiterDevice(LimiterDevice &&other) noexcept
    : QObject(), m_deviceInfo(std::move(other.m_deviceInfo)), m_givenBackend(other.m_givenBackend)
{
    qCDebug(lcDevice) << "mov ctor";
}

LimiterDevice::~LimiterDevice() = default;

QString LimiterDevice::nameOf(const BleCharacteristic &characteristic)
{
    QString name = characteristic.name();
    if (name.isEmpty())
        name = characteristicName(characteristic.uuid());
    return name.isEmpty() ? characteristic.uuid().toString() : name;
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

void LimiterDevice::releaseController()
{
    ++m_link;
    m_pendingWrites.clear();
    if (m_controller) {
        disconnect(m_controller, nullptr, this, nullptr);
        if (m_controller->state() != QLowEnergyController::UnconnectedState)
            m_controller->disconnectFromDevice();
        m_controller->deleteLater();
        m_controller = nullptr;
    }
    for (BleService **service : {&m_rtmService, &m_settingsService, &m_terminalService, &m_dfuService, &m_logService}) {
        if (*service)
            (*service)->deleteLater();
        *service = nullptr;
    }
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
    ++m_link;
    m_pendingWrites.clear();
    if (m_advertisedStatus.isUserDisconnected()) {
        releaseController();
        m_status = LimiterDisconnected;
        m_userLimitSettingsCharacteristics.clear();
        m_defaultLimitSettingsCharacteristics.clear();
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

// A line for a missing piece of a service: the text, followed by the
// characteristic's UUID where withUuid is set. No text: nothing is logged.
struct LimiterDevice::MissingLine {
    const char *text = nullptr;
    bool withUuid = false;
};

// One characteristic of a service's set-up, in the order the set-up takes
// them: where it is kept, whether it is read, what its CCCD receives (none
// when empty) and the lines for a missing characteristic or CCCD.
struct LimiterDevice::CharacteristicStep {
    QBluetoothUuid uuid;
    BleCharacteristic LimiterDevice::*kept = nullptr;
    bool read = false;
    QByteArray cccdValue;
    BleDescriptor LimiterDevice::*keptCccd = nullptr;
    MissingLine missing;
    MissingLine missingCccd = {};
};

// How one of the five services is set up: created from its UUID (with its
// state slot and the value signals it delivers), then, once its details are
// discovered, its characteristics step by step. Where chained, a missing
// piece ends the set-up; otherwise it is logged and the next step runs.
struct LimiterDevice::ServiceSetUp {
    BleService *LimiterDevice::*service;
    QBluetoothUuid uuid;
    void (LimiterDevice::*stateSlot)(QLowEnergyService::ServiceState);
    bool allValueSignals;
    const char *notFound; // nullptr: a device without the service is not logged
    const char *stateChanged;
    const char *discovered;
    bool chained;
    QList<CharacteristicStep> steps;
    void (LimiterDevice::*whenDone)() = nullptr;
};

const LimiterDevice::ServiceSetUp &LimiterDevice::settingsSetUp()
{
    static const ServiceSetUp setUp{
        &LimiterDevice::m_settingsService, settingsServiceUuid(), &LimiterDevice::onSettingsServiceStateChanged, true,
        "Settings service not found", "state changed", "Settings service discovered", false,
        {
            {settingsUuid(kDeviceInfoId), &LimiterDevice::m_deviceInfoCharacteristic, true, {}, nullptr,
             {"Settings failed to get characteristic BLE_UUID_DEVICE_INFO_UUID"}},
            {settingsUuid(kAuthorisationId), &LimiterDevice::m_authorisationCharacteristic, false, {}, nullptr,
             {"Settings failed to get characteristic BLE_UUID_AUTHORISATION_REQ_UUID"}},
        }};
    return setUp;
}

const LimiterDevice::ServiceSetUp &LimiterDevice::rtmSetUp()
{
    static const ServiceSetUp setUp{
        &LimiterDevice::m_rtmService, telemetryServiceUuid(), &LimiterDevice::onRTMServiceStateChanged, false,
        "Telemetry service not found", "state changed", "RTM service discovered", true,
        {
            {telemetryUuid(kTelemetryId), nullptr, false, enableNotifications(), nullptr,
             {"RTM failed to get characteristic ", true}, {"RTM failed to get notify descriptor ", true}},
        }};
    return setUp;
}

const LimiterDevice::ServiceSetUp &LimiterDevice::terminalSetUp()
{
    static const ServiceSetUp setUp{
        &LimiterDevice::m_terminalService, terminalServiceUuid(), &LimiterDevice::onTerminalServiceStateChanged, true,
        "Terminal service not found", "state changed", "Terminal service discovered", true,
        {
            {terminalUuid(kNusRxId), &LimiterDevice::m_nusRxCharacteristic, false, {}, nullptr,
             {"Terminal TX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC"}},
            {terminalUuid(kNusTxId), nullptr, false, enableNotifications(), nullptr,
             {"Terminal RX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC"},
             {"Terminal RX failed to get notify descriptor for BLE_UUID_NUS_TX_CHARACTERISTIC"}},
        }};
    return setUp;
}

const LimiterDevice::ServiceSetUp &LimiterDevice::dfuSetUp()
{
    static const ServiceSetUp setUp{
        &LimiterDevice::m_dfuService, dfuServiceUuid(), &LimiterDevice::onDFUServiceStateChanged, true, nullptr,
        "DFU state changed", "DFU service discovered", true,
        {
            {dfuUuid(kDfuButtonlessId), &LimiterDevice::m_buttonlessDfuCharacteristic, false, enableIndications(),
             &LimiterDevice::m_buttonlessDfuCccd, {"DFU failed to get Buttonless characteristic"},
             {"Buttonless DFU failed to get notify descriptor for DFU_BUTTONLESS_WO_BONDS_UUID"}},
        }};
    return setUp;
}

const LimiterDevice::ServiceSetUp &LimiterDevice::logSetUp()
{
    static const ServiceSetUp setUp{
        &LimiterDevice::m_logService, logServiceUuid(), &LimiterDevice::onLogServiceStateChanged, true, nullptr,
        "state changed", "Log service discovered", true,
        {
            {logUuid(kLogDataId), &LimiterDevice::m_logDataCharacteristic, false, enableNotifications(), nullptr,
             {"LOG DATA failed to get characteristic ", true}, {"LOG DATA failed to get notify descriptor ", true}},
            {logUuid(kLogReadRequestId), &LimiterDevice::m_logReadRequestCharacteristic, false, {}, nullptr,
             {"LOG READ REQ failed to get characteristic"}},
            {logUuid(kLogSessionNumberId), &LimiterDevice::m_logSessionNumberCharacteristic, false,
             enableNotifications(), nullptr, {"LOG SESSION NUMBER failed to get characteristic"},
             {"LOG SESSION NUMBER failed to get notify descriptor for BLE_UUID_LOGDATA_SESSIONNUM_CHARACTERISTIC"}},
            {logUuid(kLogReadStatusId), &LimiterDevice::m_logReadStatusCharacteristic, false, enableNotifications(),
             nullptr, {"LOG READ STATUS failed to get characteristic"},
             {"LOG READ STATUS failed to get notify descriptor for BLE_UUID_LOGDATA_READ_STATUS_UUID"}},
        },
        &LimiterDevice::loggerServiceDiscovered};
    return setUp;
}

void LimiterDevice::startService(const ServiceSetUp &setUp)
{
    BleService *service = m_controller ? m_controller->createServiceObject(setUp.uuid, this) : nullptr;
    this->*setUp.service = service;
    if (!service) {
        if (setUp.notFound)
            qCWarning(lcDevice) << setUp.notFound;
        return;
    }
    connect(service, &BleService::stateChanged, this, setUp.stateSlot);
    connect(service, &BleService::errorOccurred, this,
            [this, service](QLowEnergyService::ServiceError error) { onServiceError(service, error); });
    connect(service, &BleService::characteristicChanged, this, &LimiterDevice::onCharacteristicChanged);
    connect(service, &BleService::descriptorWritten, this, &LimiterDevice::onDescriptorWritten);
    if (setUp.allValueSignals) {
        connect(service, &BleService::characteristicRead, this, &LimiterDevice::onCharacteristicRead);
        connect(service, &BleService::characteristicWritten, this, &LimiterDevice::onCharacteristicWritten);
    }
    service->discoverDetails();
}

void LimiterDevice::serviceStateChanged(const ServiceSetUp &setUp, QLowEnergyService::ServiceState state)
{
    qCDebug(lcDevice) << setUp.stateChanged << state;
    BleService *service = this->*setUp.service;
    if (!service || sender() != service || state != QLowEnergyService::RemoteServiceDiscovered)
        return;
    qCDebug(lcDevice) << setUp.discovered;
    const auto log = [](const MissingLine &line, const QBluetoothUuid &uuid) {
        if (line.text && line.withUuid)
            qCWarning(lcDevice) << line.text << uuid;
        else if (line.text)
            qCWarning(lcDevice) << line.text;
    };
    for (const CharacteristicStep &step : setUp.steps) {
        const BleCharacteristic characteristic = service->characteristic(step.uuid);
        if (step.kept)
            this->*step.kept = characteristic;
        if (!characteristic.isValid()) {
            log(step.missing, step.uuid);
            if (setUp.chained)
                return;
            continue;
        }
        if (step.read)
            service->readCharacteristic(characteristic);
        if (step.cccdValue.isEmpty())
            continue;
        const BleDescriptor cccd = characteristic.clientCharacteristicConfiguration();
        if (step.keptCccd)
            this->*step.keptCccd = cccd;
        if (!cccd.isValid()) {
            log(step.missingCccd, step.uuid);
            if (setUp.chained)
                return;
            continue;
        }
        service->writeDescriptor(cccd, step.cccdValue);
    }
    if (setUp.whenDone)
        emit(this->*setUp.whenDone)();
}

void LimiterDevice::setUpSettingsService()
{
    try {
        if (!m_controller)
            return;
        startService(settingsSetUp());
    } catch (const std::exception &e) {
        qCCritical(lcDevice) << "Connection Error:" << e.what();
        emit connectionErrorOccurred(tr("Connection Error"), tr("Failed to connect to the device. Please try again."));
    }
}

void LimiterDevice::onSettingsServiceStateChanged(QLowEnergyService::ServiceState state)
{
    serviceStateChanged(settingsSetUp(), state);
}

void LimiterDevice::onRTMServiceStateChanged(QLowEnergyService::ServiceState state)
{
    serviceStateChanged(rtmSetUp(), state);
}

void LimiterDevice::onTerminalServiceStateChanged(QLowEnergyService::ServiceState state)
{
    serviceStateChanged(terminalSetUp(), state);
}

void LimiterDevice::onDFUServiceStateChanged(QLowEnergyService::ServiceState state)
{
    serviceStateChanged(dfuSetUp(), state);
}

void LimiterDevice::onLogServiceStateChanged(QLowEnergyService::ServiceState state)
{
    serviceStateChanged(logSetUp(), state);
}

BleCharacteristic LimiterDevice::takeSettingsCharacteristic(quint16 id, bool read, bool lookUpCccd)
{
    const QBluetoothUuid uuid = settingsUuid(id);
    const BleCharacteristic characteristic = m_settingsService->characteristic(uuid);
    if (!characteristic.isValid()) {
        qCWarning(lcDevice).noquote() << QStringLiteral("Settings failed to get characteristic ") + characteristicName(uuid);
        return characteristic;
    }
    if (read)
        m_settingsService->readCharacteristic(characteristic);
    if (lookUpCccd && !characteristic.clientCharacteristicConfiguration().isValid())
        qCWarning(lcDevice).noquote() << QStringLiteral("Settings failed to get notify descriptor for ") + characteristicName(uuid);
    return characteristic;
}

void LimiterDevice::onAuthorizationSuccess()
{
    startService(rtmSetUp());
    startService(terminalSetUp());

    if (m_settingsService) {
        m_commonSettingsCharacteristic = takeSettingsCharacteristic(kCommonSettingsId, true, true);
        m_userLimitSettingsCharacteristics.clear();
        for (int i = 0; i < kUserLimitSetCount; ++i)
            m_userLimitSettingsCharacteristics.append(takeSettingsCharacteristic(quint16(kUserLimitSet0Id + i), true, true));
        m_defaultLimitSettingsCharacteristics.clear();
        for (int i = 0; i < kDefaultLimitSetCount; ++i)
            m_defaultLimitSettingsCharacteristics.append(
                takeSettingsCharacteristic(quint16(kDefaultLimitSet0Id + i), true, true));
        m_motorSettingsCharacteristic = takeSettingsCharacteristic(kMotorSettingsId, true, false);
        m_motorDriveSettingsCharacteristic = takeSettingsCharacteristic(kMotorDriveSettingsId, true, false);
        m_passwordSetCharacteristic = takeSettingsCharacteristic(kPasswordSetId, false, false);
        m_flagsCharacteristic = takeSettingsCharacteristic(kFlagsId, false, false);
        m_timingTable1Characteristic = takeSettingsCharacteristic(kTimingTable1Id, true, false);
        m_timingTable2Characteristic = takeSettingsCharacteristic(kTimingTable2Id, true, false);
    }

    startService(dfuSetUp());
    startService(logSetUp());
}

void LimiterDevice::onDescriptorWritten(const BleDescriptor &descriptor, const QByteArray &value)
{
    qCDebug(lcDevice) << "descriptor written" << descriptor.name();
    if (descriptor == m_buttonlessDfuCccd)
        qCDebug(lcDevice) << "DFU Notification enabled";
    qCDebug(lcDevice) << "value" << value.toHex();
}

// --- values ---------------------------------------------------------------

void LimiterDevice::onCharacteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "characteristic changed" << nameOf(characteristic);
    qCDebug(lcDevice) << "value" << value.toHex();
    QObject *service = sender();
    if (!service)
        return;
    if (service == m_rtmService) {
        if (!recordFromBytes(value, m_telemetry)) {
            qCWarning(lcDevice) << "telemetry value too short:" << value.size();
            return;
        }
        emit telemetryUpdated();
    } else if (service == m_settingsService) {
        handleSettingsValue(characteristic, value);
    } else if (service == m_terminalService) {
        emit terminalDataReceived(value);
    } else if (service == m_dfuService) {
        if (isDfuEnterSuccess(value))
            emit enteredDFUMode();
        else if (value.size() < 3)
            qCWarning(lcDevice) << "DFU indication too short:" << value.size();
    } else if (service == m_logService) {
        if (characteristic == m_logDataCharacteristic) {
            emit logDataReceived(value);
        } else if (characteristic == m_logReadStatusCharacteristic) {
            s_LogReadStatus status{};
            if (recordFromBytes(value, status))
                emit logReadStatusReceived(status);
            else
                qCWarning(lcDevice) << "log read status too short:" << value.size();
        } else if (characteristic == m_logSessionNumberCharacteristic) {
            s_LogSessionNum sessions{};
            if (recordFromBytes(value, sessions))
                emit logSessionNumberReceived(sessions);
            else
                qCWarning(lcDevice) << "log session number too short:" << value.size();
        }
    }
}

void LimiterDevice::onCharacteristicRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "Characteristic read" << nameOf(characteristic);
    qCDebug(lcDevice) << "value" << value.toHex();
    if (!m_controller)
        return;
    if (characteristic == m_deviceInfoCharacteristic) {
        if (!RecordTakeOver::deviceInformation(value, m_deviceInformation)) {
            qCWarning(lcDevice) << "device information too short:" << value.size();
            return;
        }
        emit deviceInformationUpdated();
        if (isLocked(m_deviceInformation)) {
            emit authorizationRequired();
            return;
        }
        onAuthorizationSuccess();
    } else if (characteristic == m_timingTable1Characteristic) {
        if (!RecordTakeOver::timingTableHalf(value, 0, m_timingTable))
            qCWarning(lcDevice) << "timing table half too short:" << value.size();
    } else if (characteristic == m_timingTable2Characteristic) {
        if (!RecordTakeOver::timingTableHalf(value, 1, m_timingTable)) {
            qCWarning(lcDevice) << "timing table half too short:" << value.size();
            return;
        }
        emit timingTableUpdated();
    } else if (sender() == m_settingsService) {
        handleSettingsValue(characteristic, value);
    }
}

void LimiterDevice::handleSettingsValue(const BleCharacteristic &characteristic, const QByteArray &value)
{
    const QBluetoothUuid uuid = characteristic.uuid();
    if (uuid == settingsUuid(kCommonSettingsId)) {
        if (RecordTakeOver::commonSettings(value, m_commonSettings))
            emit commonSettingsUpdated();
        else
            qCWarning(lcDevice) << "common settings too short:" << value.size();
        return;
    }
    if (uuid == settingsUuid(kMotorSettingsId)) {
        if (RecordTakeOver::motorSettings(value, m_motorSettings))
            emit motorSettingsUpdated();
        else
            qCWarning(lcDevice) << "motor settings too short:" << value.size();
        return;
    }
    if (uuid == settingsUuid(kMotorDriveSettingsId)) {
        if (RecordTakeOver::motorDriveSettings(value, m_motorDriveSettings))
            emit motorDriveSettingsUpdated();
        else
            qCWarning(lcDevice) << "motor drive settings too short:" << value.size();
        return;
    }
    qCDebug(lcDevice) << "settings" << value.toHex();
    s_LimitSettBle set{};
    if (!RecordTakeOver::limitSettings(value, set)) {
        qCWarning(lcDevice) << "limit settings too short:" << value.size();
        return;
    }
    if (const int i = int(m_userLimitSettingsCharacteristics.indexOf(characteristic)); i >= 0 && i < kUserLimitSetCount) {
        m_userLimitSettings[i] = set;
        emit userLimitSettingsUpdated(i);
    } else if (const int j = int(m_defaultLimitSettingsCharacteristics.indexOf(characteristic));
               j >= 0 && j < kDefaultLimitSetCount) {
        m_defaultLimitSettings[j] = set;
        emit defaultLimitSettingsUpdated(j);
    }
}

void LimiterDevice::onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "=====================Characteristic written" << nameOf(characteristic);
    qCDebug(lcDevice).noquote() << "value" << hexBytes(value) << QLatin1Char('(') + QString::fromLatin1(value.toHex()) + QLatin1Char(')');
    if (auto *service = qobject_cast<BleService *>(sender()))
        takePendingWrite(service, false);
    if (isCachedRecord(characteristic)) {
        // The device took the record, which the cache already holds: the
        // pages now show it as what the device holds.
        announceCachedRecord(characteristic);
    } else if (characteristic == m_flagsCharacteristic) {
        // The device changed records of its own: read them again so that
        // the cache and the pages show what it now holds.
        for (quint16 id : settingsChangedByFlags(value))
            readSettings(id);
    } else if (characteristic == m_authorisationCharacteristic) {
        if (m_settingsService && m_deviceInfoCharacteristic.isValid())
            m_settingsService->readCharacteristic(m_deviceInfoCharacteristic);
    } else if (characteristic == m_logReadRequestCharacteristic) {
        qCDebug(lcDevice) << "Log read request written";
    }
}

// --- accessors ------------------------------------------------------------

s_LimitSettBle LimiterDevice::defaultLimitSettings(int index) const
{
    return index >= 0 && index < kDefaultLimitSetCount ? m_defaultLimitSettings[index] : s_LimitSettBle{};
}

s_LimitSettBle LimiterDevice::userLimitSettings(int index) const
{
    return index >= 0 && index < kUserLimitSetCount ? m_userLimitSettings[index] : s_LimitSettBle{};
}

QVersionNumber LimiterDevice::escFirmwareVersion() const
{
    return versionOfWord(m_deviceInformation.block[2].version);
}

QVersionNumber LimiterDevice::bootloaderVersion() const
{
    const s_DeviceInfoBlock &bootloader = m_deviceInformation.block[0];
    if (qstrnlen(bootloader.versionText, sizeof bootloader.versionText) >= 7)
        return versionOfWord(m_deviceInformation.block[0].version);
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

void LimiterDevice::write(BleService *service, const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDevice) << "write" << nameOf(characteristic) << hexBytes(value);
    m_pendingWrites[service].append(characteristic);
    m_writingTo = service;
    service->writeCharacteristic(characteristic, value, QLowEnergyService::WriteWithResponse);
    m_writingTo = nullptr;
}

BleCharacteristic LimiterDevice::takePendingWrite(BleService *service, bool latest)
{
    const auto it = m_pendingWrites.find(service);
    if (it == m_pendingWrites.end() || it->isEmpty())
        return BleCharacteristic();
    return latest ? it->takeLast() : it->takeFirst();
}

void LimiterDevice::onServiceError(BleService *service, QLowEnergyService::ServiceError error)
{
    // A write the service turns down at once fails inside write(); one the
    // device refuses fails in turn, as the writes with response are answered
    // in the order they were sent.
    BleCharacteristic characteristic;
    if (service == m_writingTo)
        characteristic = takePendingWrite(service, true);
    else if (error == QLowEnergyService::CharacteristicWriteError)
        characteristic = takePendingWrite(service, false);
    if (!characteristic.isValid()) {
        qCWarning(lcDevice) << "service error" << error;
        return;
    }
    qCWarning(lcDevice).noquote() << "Characteristic write failed" << nameOf(characteristic)
                                  << QString::fromLatin1(QMetaEnum::fromType<QLowEnergyService::ServiceError>().valueToKey(error));
    emit writeFailed(characteristic.uuid());
    // The cached copy was replaced before the write; take the device's own.
    if (isCachedRecord(characteristic))
        service->readCharacteristic(characteristic);
}

bool LimiterDevice::isCachedRecord(const BleCharacteristic &characteristic) const
{
    return characteristic == m_commonSettingsCharacteristic || characteristic == m_motorSettingsCharacteristic
        || characteristic == m_motorDriveSettingsCharacteristic
        || m_userLimitSettingsCharacteristics.contains(characteristic)
        || m_defaultLimitSettingsCharacteristics.contains(characteristic);
}

void LimiterDevice::announceCachedRecord(const BleCharacteristic &characteristic)
{
    if (characteristic == m_commonSettingsCharacteristic)
        emit commonSettingsUpdated();
    else if (characteristic == m_motorSettingsCharacteristic)
        emit motorSettingsUpdated();
    else if (characteristic == m_motorDriveSettingsCharacteristic)
        emit motorDriveSettingsUpdated();
    else if (const int i = int(m_userLimitSettingsCharacteristics.indexOf(characteristic)); i >= 0)
        emit userLimitSettingsUpdated(i);
    else if (const int j = int(m_defaultLimitSettingsCharacteristics.indexOf(characteristic)); j >= 0)
        emit defaultLimitSettingsUpdated(j);
}

void LimiterDevice::readSettings(quint16 id)
{
    BleCharacteristic characteristic;
    switch (id) {
    case kCommonSettingsId: characteristic = m_commonSettingsCharacteristic; break;
    case kMotorSettingsId: characteristic = m_motorSettingsCharacteristic; break;
    case kMotorDriveSettingsId: characteristic = m_motorDriveSettingsCharacteristic; break;
    case kTimingTable1Id: characteristic = m_timingTable1Characteristic; break;
    case kTimingTable2Id: characteristic = m_timingTable2Characteristic; break;
    default:
        if (id >= kUserLimitSet0Id && id < kUserLimitSet0Id + m_userLimitSettingsCharacteristics.size())
            characteristic = m_userLimitSettingsCharacteristics.at(id - kUserLimitSet0Id);
        else if (id >= kDefaultLimitSet0Id && id < kDefaultLimitSet0Id + m_defaultLimitSettingsCharacteristics.size())
            characteristic = m_defaultLimitSettingsCharacteristics.at(id - kDefaultLimitSet0Id);
    }
    if (m_settingsService && characteristic.isValid())
        m_settingsService->readCharacteristic(characteristic);
}

void LimiterDevice::writeCommonSettings(const s_CommonSettBle &settings)
{
    if (!m_settingsService || !m_commonSettingsCharacteristic.isValid())
        return;
    m_commonSettings = settings;
    write(m_settingsService, m_commonSettingsCharacteristic, recordBytes(settings));
}

void LimiterDevice::writeMotorSettings(const s_MotorSettBle &settings)
{
    if (!m_settingsService || !m_motorSettingsCharacteristic.isValid())
        return;
    m_motorSettings = settings;
    write(m_settingsService, m_motorSettingsCharacteristic, recordBytes(settings));
}

void LimiterDevice::writeMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    if (!m_settingsService || !m_motorDriveSettingsCharacteristic.isValid())
        return;
    m_motorDriveSettings = settings;
    write(m_settingsService, m_motorDriveSettingsCharacteristic, recordBytes(settings));
}

void LimiterDevice::writeLimitSettings(int set, const s_LimitSettBle &settings)
{
    if (set < 0 || set >= kLimitSetCount)
        return;
    const bool isDefault = set < kDefaultLimitSetCount;
    const int index = isDefault ? set : set - kDefaultLimitSetCount;
    const QList<BleCharacteristic> &list =
        isDefault ? m_defaultLimitSettingsCharacteristics : m_userLimitSettingsCharacteristics;
    if (index >= list.size() || !m_settingsService || !list.at(index).isValid())
        return;
    (isDefault ? m_defaultLimitSettings : m_userLimitSettings)[index] = settings;
    write(m_settingsService, list.at(index), recordBytes(settings));
}

void LimiterDevice::setPassword(const QString &password)
{
    if (!m_settingsService)
        return;
    if (!m_passwordSetCharacteristic.isValid())
        qCWarning(lcDevice) << "password characteristic is invalid";
    write(m_settingsService, m_passwordSetCharacteristic, passwordValue(password));
}

void LimiterDevice::authorize(const QString &password)
{
    if (!m_settingsService)
        return;
    if (!m_authorisationCharacteristic.isValid())
        qCWarning(lcDevice) << "Authorization characteristic is invalid";
    write(m_settingsService, m_authorisationCharacteristic, passwordValue(password));
}

void LimiterDevice::writeFlags(int byte, quint8 value)
{
    if (!m_settingsService || !m_flagsCharacteristic.isValid())
        return;
    write(m_settingsService, m_flagsCharacteristic, flagsCommand(FlagsByte(byte), value));
}

void LimiterDevice::resetCommonSettings() { writeFlags(FlagResetCommonSettings, 1); }
void LimiterDevice::resetEscSettings() { writeFlags(FlagResetEscSettings, 1); }

void LimiterDevice::resetLimitSettings(int set)
{
    if (set < 0 || set >= kLimitSetCount)
        return;
    writeFlags(FlagResetLimitSettings, quint8(set + 1));
}

void LimiterDevice::sendSetFullThrottle() { writeFlags(FlagSetFullThrottle, 1); }
void LimiterDevice::sendSetStopPosition() { writeFlags(FlagSetStopPosition, 1); }
void LimiterDevice::sendSetFailsafePosition() { writeFlags(FlagSetFailsafePosition, 1); }
void LimiterDevice::sendSetMaxTimingPosition() { writeFlags(FlagSetMaxTimingPosition, 1); }
void LimiterDevice::sendSetMinTimingPosition() { writeFlags(FlagSetMinTimingPosition, 1); }

void LimiterDevice::writeLogRequest(const QByteArray &request)
{
    if (!m_logService || m_logService->state() != QLowEnergyService::RemoteServiceDiscovered
        || !m_logReadRequestCharacteristic.isValid())
        return;
    write(m_logService, m_logReadRequestCharacteristic, request);
}

void LimiterDevice::readLogNumber() { writeLogRequest(logRequest(0)); }
void LimiterDevice::readLog(quint32 session) { writeLogRequest(logRequest(session)); }
void LimiterDevice::sendClearLogs() { writeLogRequest(logRequest(0, true)); }

void LimiterDevice::enterDFUMode()
{
    if (!m_dfuService || !m_buttonlessDfuCharacteristic.isValid())
        return;
    write(m_dfuService, m_buttonlessDfuCharacteristic, dfuEnterCommand());
}

void LimiterDevice::sendTerminalData(const QByteArray &data)
{
    if (!m_terminalService || !m_nusRxCharacteristic.isValid())
        return;
    write(m_terminalService, m_nusRxCharacteristic, data);
}
