#include "SimLimiter.h"

#include "DeviceProtocol.h"
#include "SimLogging.h"
#include "SimRadio.h"
#include "SimStatusAdvertiser.h"

#include <algorithm>

using namespace DeviceProtocol;

namespace {

constexpr auto kRead = QLowEnergyCharacteristic::Read;
constexpr auto kWrite = QLowEnergyCharacteristic::Write;

} // namespace

SimLimiter::SimLimiter(Kind kind, const QBluetoothAddress &address, const QString &name, QObject *parent)
    : SimPeripheral(address, name, parent),
      m_kind(kind),
      m_profile(gatt()),
      m_logStream(*this, m_profile.logData, m_profile.logSessions, m_profile.logStatus),
      m_telemetry(*this, m_profile.telemetry),
      m_terminal(*this, m_profile.nusTx)
{
    m_deviceInformation = defaultDeviceInformation(kind);
    m_commonSettings = defaultCommonSettings(kind);
    m_motorSettings = defaultMotorSettings();
    m_motorDriveSettings = defaultMotorDriveSettings();
    m_timingTable = defaultTimingTable();
    for (int set = 0; set < kLimitSetCount; ++set)
        m_limitSets[set] = defaultLimitSet(set);
    setAdvertiser(std::make_shared<SimStatusAdvertiser>(
        kind == Kind::DovLogger ? SimStatusAdvertiser::Family::DovLogger : SimStatusAdvertiser::Family::Limiter,
        [this]() { return advertisedStatus(); }));
}

SimLimiter::~SimLimiter() = default;

// --- state ----------------------------------------------------------------

SimAdvertisedStatus SimLimiter::advertisedStatus() const
{
    const s_TelemetryBle t = m_telemetry.record();
    const s_LimitSettBle set = limitSet(m_commonSettings.settingsSet);
    SimAdvertisedStatus status;
    status.registrationCountry = recordText(m_commonSettings.country, 4).toUtf8();
    status.registrationNumber = m_commonSettings.regNum;
    status.hardwareVersion = hardwareVersionWord();
    status.firmwareVersion = firmwareVersionWord();
    status.auxiliaryVersion = m_deviceInformation.block[0].version;
    status.battery = t.voltage > 0.0f ? qBound(0, int((t.voltage - 12.0f) / 4.8f * 100.0f), 100) : 95;
    status.settingsSet = m_commonSettings.settingsSet;
    // Racing, limited, and the AEC state (1 disabled, 2 enabled) in bits 4 and 5.
    status.statusFlags = quint8((t.raceFlag ? 0x01 : 0) | (t.limitingEngagedFlag ? 0x02 : 0)
                                | (set.aecEnable ? 0x20 : 0x10));
    status.energy = t.energy / 3600.0f;
    status.energyReference = float(set.energyRef) / 3600.0f;
    status.voltage = t.voltage;
    status.averageCurrent = t.currentAvg;
    status.calibrationNumber = 42;
    status.calibrationByte = 7;
    status.capacity = t.capacity;
    status.energyConsumed = t.energyConsRelative;
    status.userName = recordText(m_commonSettings.userName, 32).toUtf8();
    status.maximumSpeed = t.speed + 5.0f;
    status.averageSpeed = t.speed;
    status.temperature = qint16(t.temperature);
    status.satellites = quint8(t.satellites);
    status.maximumRpm = t.rpm;
    return status;
}

void SimLimiter::setPassword(const QString &password)
{
    m_password = password.toUtf8().left(kPasswordSize);
}

bool SimLimiter::isAuthorised(const SimConnection *connection) const
{
    return m_password.isEmpty() || (connection && m_authorised.contains(connection->id()));
}

s_LimitSettBle SimLimiter::limitSet(int set) const
{
    return set >= 0 && set < kLimitSetCount ? m_limitSets[set] : s_LimitSettBle{};
}

void SimLimiter::setLimitSet(int set, const s_LimitSettBle &settings)
{
    if (set >= 0 && set < kLimitSetCount)
        m_limitSets[set] = settings;
}

quint16 SimLimiter::valueHandle(const QBluetoothUuid &service, quint16 id) const
{
    QBluetoothUuid uuid;
    if (service == settingsServiceUuid())
        uuid = settingsUuid(id);
    else if (service == telemetryServiceUuid())
        uuid = telemetryUuid(id);
    else if (service == logServiceUuid())
        uuid = logUuid(id);
    else if (service == terminalServiceUuid())
        uuid = terminalUuid(id);
    else if (service == dfuServiceUuid())
        uuid = dfuUuid(id);
    return gatt().valueHandle(service, uuid);
}

// --- links ----------------------------------------------------------------

void SimLimiter::onConnected(SimConnection *)
{
    m_telemetry.linkUp();
}

void SimLimiter::onDisconnected(SimConnection *connection)
{
    m_authorised.remove(connection->id());
    m_logStream.linkEnded(connection->id());
}

SimReadResult SimLimiter::onRead(SimConnection *connection, const SimGattCharacteristic &characteristic)
{
    const quint16 h = characteristic.valueHandle;
    if (h == m_profile.deviceInfo) {
        s_DeviceInfoBle info = m_deviceInformation;
        info.passwordProtected = m_password.isEmpty() ? 0 : 1;
        info.authorized = m_authorised.contains(connection->id()) ? 1 : 0;
        return {SimAtt::Success, recordBytes(info)};
    }
    if (!(characteristic.properties & kRead))
        return {SimAtt::ReadNotPermitted, {}};
    if (!isAuthorised(connection))
        return {SimAtt::InsufficientAuthorization, {}};
    if (h == m_profile.common)
        return {SimAtt::Success, recordBytes(m_commonSettings)};
    if (h == m_profile.motor)
        return {SimAtt::Success, recordBytes(m_motorSettings)};
    if (h == m_profile.motorDrive)
        return {SimAtt::Success, recordBytes(m_motorDriveSettings)};
    if (h == m_profile.table1 || h == m_profile.table2)
        return {SimAtt::Success, recordBytes(m_timingTable).mid(h == m_profile.table1 ? 0 : 256, 256)};
    if (const int set = m_profile.limitSetOf(h); set >= 0)
        return {SimAtt::Success, recordBytes(m_limitSets[set])};
    return SimPeripheral::onRead(connection, characteristic);
}

quint8 SimLimiter::onWrite(SimConnection *connection, SimGattCharacteristic &characteristic, const QByteArray &value,
                           bool withResponse)
{
    const quint16 h = characteristic.valueHandle;
    const auto needed = withResponse ? kWrite : QLowEnergyCharacteristic::WriteNoResponse;
    if (!(characteristic.properties & needed))
        return SimAtt::WriteNotPermitted;
    if (h == m_profile.authorisation) {
        QByteArray expected = m_password;
        expected.resize(kPasswordSize, '\0');
        QByteArray given = value.left(kPasswordSize);
        given.resize(kPasswordSize, '\0');
        if (!m_password.isEmpty() && given == expected)
            m_authorised.insert(connection->id());
        return SimAtt::Success;
    }
    if (!isAuthorised(connection))
        return SimAtt::InsufficientAuthorization;
    if (h == m_profile.password) {
        QByteArray password = value.left(kPasswordSize);
        password.truncate(int(std::find(password.cbegin(), password.cend(), '\0') - password.cbegin()));
        m_password = password;
        if (!m_password.isEmpty())
            m_authorised.insert(connection->id());
        return SimAtt::Success;
    }
    if (h == m_profile.flags)
        return writeFlags(value);
    if (h == m_profile.logRequest)
        return m_logStream.request(connection, value);
    if (h == m_profile.buttonless)
        return writeButtonlessDfu(connection, value);
    if (h == m_profile.nusRx) {
        m_terminal.received(connection, value);
        return SimAtt::Success;
    }
    return writeSettings(characteristic, value);
}

quint8 SimLimiter::writeSettings(const SimGattCharacteristic &characteristic, const QByteArray &value)
{
    const quint16 h = characteristic.valueHandle;
    bool stored = false;
    if (h == m_profile.common)
        stored = value.size() == int(sizeof m_commonSettings) && recordFromBytes(value, m_commonSettings);
    else if (h == m_profile.motor)
        stored = value.size() == int(sizeof m_motorSettings) && recordFromBytes(value, m_motorSettings);
    else if (h == m_profile.motorDrive)
        stored = value.size() == int(sizeof m_motorDriveSettings) && recordFromBytes(value, m_motorDriveSettings);
    else if (const int set = m_profile.limitSetOf(h); set >= 0)
        stored = value.size() == int(sizeof(s_LimitSettBle)) && recordFromBytes(value, m_limitSets[set]);
    else
        return SimAtt::WriteNotPermitted;
    if (!stored)
        return SimAtt::InvalidAttributeValueLength;
    notifyRecord(h, value);
    return SimAtt::Success;
}

void SimLimiter::notifyRecord(quint16 handle, const QByteArray &value)
{
    // After the write's answer, as the device's stack sends it.
    after(0, [this, handle, value]() {
        const QList<SimConnection *> all = connections();
        for (SimConnection *connection : all) {
            if (isAuthorised(connection))
                notify(connection, handle, value);
        }
    });
}

quint8 SimLimiter::writeFlags(const QByteArray &value)
{
    if (value.size() != kFlagsCommandSize)
        return SimAtt::InvalidAttributeValueLength;
    const auto flag = [&](int byte) { return quint8(value.at(byte)); };
    if (const int set = flag(FlagResetLimitSettings) - 1; set >= 0 && set < kLimitSetCount) {
        m_limitSets[set] = defaultLimitSet(set);
        notifyRecord(m_profile.limitSets[set], recordBytes(m_limitSets[set]));
    }
    if (flag(FlagResetCommonSettings)) {
        const quint16 blocks = m_commonSettings.loggerMemoryBlocks;
        m_commonSettings = defaultCommonSettings(m_kind);
        m_commonSettings.loggerMemoryBlocks = blocks;
        notifyRecord(m_profile.common, recordBytes(m_commonSettings));
    }
    if (flag(FlagResetEscSettings)) {
        m_motorSettings = defaultMotorSettings();
        m_motorDriveSettings = defaultMotorDriveSettings();
        m_timingTable = defaultTimingTable();
        notifyRecord(m_profile.motor, recordBytes(m_motorSettings));
        notifyRecord(m_profile.motorDrive, recordBytes(m_motorDriveSettings));
    }
    float *positions[] = {&m_motorDriveSettings.fullThrottlePosition, &m_motorDriveSettings.stopPosition,
                          &m_motorDriveSettings.failSafePosition, &m_motorDriveSettings.maxTimingPosition,
                          &m_motorDriveSettings.minTimingPosition};
    bool moved = false;
    for (int i = 0; i < 5; ++i) {
        if (flag(FlagSetFullThrottle + i)) {
            *positions[i] = m_ppmInputMs;
            moved = true;
        }
    }
    if (moved)
        notifyRecord(m_profile.motorDrive, recordBytes(m_motorDriveSettings));
    return SimAtt::Success;
}

// --- telemetry, terminal --------------------------------------------------

void SimLimiter::onCccdWritten(SimConnection *, const SimGattCharacteristic &characteristic, quint16 value)
{
    if (characteristic.valueHandle == m_profile.telemetry && (value & 0x0001))
        m_telemetry.notificationsOn();
}

QByteArray SimLimiter::terminalReply(const QByteArray &line)
{
    return m_terminal.reply(line);
}

// --- DFU ------------------------------------------------------------------

quint8 SimLimiter::writeButtonlessDfu(SimConnection *connection, const QByteArray &value)
{
    if (!connection->indicationsEnabled(m_profile.buttonless))
        return SimAtt::CccdImproperlyConfigured;
    if (value.isEmpty())
        return SimAtt::InvalidAttributeValueLength;
    const quint64 id = connection->id();
    const quint8 opcode = quint8(value.at(0));
    const bool enter = opcode == 0x01;
    after(0, [this, id, opcode, enter]() {
        SimConnection *c = connectionById(id);
        if (!c)
            return;
        // Response code 0x20, the request's opcode, result 1 (success) or 2 (not supported).
        QByteArray response(3, '\0');
        response[0] = char(0x20);
        response[1] = char(opcode);
        response[2] = char(enter ? 0x01 : 0x02);
        indicate(c, m_profile.buttonless, response);
        if (enter)
            after(qMax<qint64>(50, c->roundTripUs() / 1000 * 2), [this]() { enterBootloader(); });
    });
    return SimAtt::Success;
}

void SimLimiter::enterBootloader()
{
    if (m_inBootloader)
        return;
    m_inBootloader = true;
    disconnectAll();
    setConnectable(false);
    setAdvertising(false);
    qCInfo(lcSim) << name() << "rebooted into its bootloader";
    SimRadio *r = radio();
    if (r && r->bootloaderFactory()) {
        if (SimPeripheralPtr bootloader = r->bootloaderFactory()(*this))
            r->addPeripheral(bootloader);
    }
}

void SimLimiter::returnFromBootloader(quint16 firmwareVersionWord)
{
    if (!m_inBootloader)
        return;
    m_inBootloader = false;
    if (firmwareVersionWord != 0)
        setFirmwareVersionWord(firmwareVersionWord);
    setConnectable(true);
    setAdvertising(true);
    qCInfo(lcSim) << name() << "runs its firmware again";
}
