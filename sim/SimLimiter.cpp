#include "SimLimiter.h"

#include "DeviceProtocol.h"
#include "SimLogging.h"
#include "SimRadio.h"
#include "SimStatusAdvertiser.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

using namespace DeviceProtocol;

namespace {

using Props = QLowEnergyCharacteristic::PropertyTypes;
constexpr auto kRead = QLowEnergyCharacteristic::Read;
constexpr auto kWrite = QLowEnergyCharacteristic::Write;
constexpr auto kNotify = QLowEnergyCharacteristic::Notify;

// Shortest gap between two connection events the device streams in.
constexpr qint64 kMinimumIntervalUs = 7500;
// A speed report every so many log packets.
constexpr int kSpeedReportPackets = 32;

void setText(char *field, int size, const char *text)
{
    setRecordText(field, size, QString::fromUtf8(text));
}

} // namespace

SimLimiter::SimLimiter(Kind kind, const QBluetoothAddress &address, const QString &name, QObject *parent)
    : SimPeripheral(address, name, parent), m_kind(kind)
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

    SimGattDatabase &db = gatt();
    const QBluetoothUuid settings = settingsServiceUuid();
    db.addService(settings);
    m_deviceInfoHandle = db.addCharacteristic(settings, settingsUuid(kDeviceInfoId), kRead);
    m_authorisationHandle = db.addCharacteristic(settings, settingsUuid(kAuthorisationId), kWrite);
    for (int i = 0; i < kDefaultLimitSetCount; ++i)
        m_limitHandles[i] = db.addCharacteristic(settings, settingsUuid(quint16(kDefaultLimitSet0Id + i)),
                                                 Props(kRead) | kWrite | kNotify);
    for (int i = 0; i < kUserLimitSetCount; ++i)
        m_limitHandles[kDefaultLimitSetCount + i] = db.addCharacteristic(
            settings, settingsUuid(quint16(kUserLimitSet0Id + i)), Props(kRead) | kWrite | kNotify);
    m_commonHandle = db.addCharacteristic(settings, settingsUuid(kCommonSettingsId), Props(kRead) | kWrite | kNotify);
    m_passwordHandle = db.addCharacteristic(settings, settingsUuid(kPasswordSetId), kWrite);
    m_motorDriveHandle =
        db.addCharacteristic(settings, settingsUuid(kMotorDriveSettingsId), Props(kRead) | kWrite | kNotify);
    m_motorHandle = db.addCharacteristic(settings, settingsUuid(kMotorSettingsId), Props(kRead) | kWrite | kNotify);
    m_table1Handle = db.addCharacteristic(settings, settingsUuid(kTimingTable1Id), kRead);
    m_table2Handle = db.addCharacteristic(settings, settingsUuid(kTimingTable2Id), kRead);
    m_flagsHandle = db.addCharacteristic(settings, settingsUuid(kFlagsId), kWrite);

    db.addService(telemetryServiceUuid());
    m_telemetryHandle = db.addCharacteristic(telemetryServiceUuid(), telemetryUuid(kTelemetryId), kNotify);

    db.addService(logServiceUuid());
    m_logDataHandle = db.addCharacteristic(logServiceUuid(), logUuid(kLogDataId), kNotify);
    m_logRequestHandle = db.addCharacteristic(logServiceUuid(), logUuid(kLogReadRequestId), kWrite);
    m_logSessionsHandle = db.addCharacteristic(logServiceUuid(), logUuid(kLogSessionNumberId), kNotify);
    m_logStatusHandle = db.addCharacteristic(logServiceUuid(), logUuid(kLogReadStatusId), kNotify);

    db.addService(terminalServiceUuid());
    m_nusRxHandle = db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusRxId),
                                         Props(kWrite) | QLowEnergyCharacteristic::WriteNoResponse);
    m_nusTxHandle = db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusTxId), kNotify);

    db.addService(dfuServiceUuid());
    m_buttonlessHandle = db.addCharacteristic(dfuServiceUuid(), dfuUuid(kDfuButtonlessId),
                                              Props(kWrite) | QLowEnergyCharacteristic::Indicate);
}

SimLimiter::~SimLimiter() = default;

// --- defaults -------------------------------------------------------------

s_DeviceInfoBle SimLimiter::defaultDeviceInformation(Kind kind)
{
    s_DeviceInfoBle info{};
    const bool dov = kind == Kind::DovLogger;
    info.block[0].word0 = 1;
    setText(info.block[0].text4, 32, dov ? "DOV logger" : "Energy limiter");
    setText(info.block[0].text4 + 32, 8, "Boot1.2");
    setText(info.block[0].text48, 8, "secure");
    info.block[0].versionWord60 = 0x0300;
    info.block[0].versionWord62 = 0x0102; // bootloader 1.2
    setText(info.block[1].text4, 32, dov ? "DOV-17" : "QVR-L4");
    setText(info.block[1].text4 + 32, 8, "Main fw");
    setText(info.block[1].text48, 8, "release");
    info.block[1].versionWord60 = dov ? 0x1100 : 0x0410; // hardware 17.0.0 / 4.1.0
    info.block[1].versionWord62 = 0x1901;                // firmware 25.1
    setText(info.block[2].text4, 32, "ESC");
    setText(info.block[2].text4 + 32, 8, "ESC fw");
    info.block[2].versionWord62 = 0x0105; // ESC firmware 1.5
    setText(info.text312, 8, "20250315");
    setText(info.text324, 8, "CAL-0042");
    return info;
}

s_CommonSettBle SimLimiter::defaultCommonSettings(Kind kind)
{
    s_CommonSettBle s{};
    setText(s.userName, 32, "Sim Racer");
    s.slowdownTime = 20;
    setText(s.country, 4, "RU");
    s.regNum = 1234;
    s.settingsSet = 1;
    s.telemetryFreqHz = 5;
    s.loggerFreqHz = 10;
    s.motorPoles = kind == Kind::DovLogger ? 8 : 4;
    s.loggerMemoryBlocks = 1000;
    return s;
}

s_LimitSettBle SimLimiter::defaultLimitSet(int set)
{
    static const struct {
        const char *name;
        quint32 wattHours;
    } defaults[kDefaultLimitSetCount] = {
        {"No limits", 0},
        {"Ruriza settings set 21Wh (1)", 21},
        {"Ruriza settings set 40Wh (2)", 40},
        {"Ruriza settings set 90Wh (3)", 90},
        {"Ruriza settings set 180Wh (4)", 180},
        {"Test only", 10},
    };
    s_LimitSettBle s{};
    if (set < kDefaultLimitSetCount) {
        setText(s.settingsName, 32, defaults[set].name);
        s.energyRef = defaults[set].wattHours * 3600;
    } else {
        setRecordText(s.settingsName, 32, QStringLiteral("User set %1").arg(set - kDefaultLimitSetCount + 1));
        s.energyRef = 30 * 3600;
    }
    s.startLimitCurrent = 5.0f;
    s.raceTime = 300.0f;
    s.rampMod = 30;
    s.rampDownTime = 5;
    s.limitTime = 10;
    s.resetByBattDisconn = 1;
    s.aecMaxStartConsumption = 120;
    s.aecAdditionalTime = 10;
    s.aecMinDuty = 60;
    return s;
}

s_MotorSettBle SimLimiter::defaultMotorSettings()
{
    s_MotorSettBle s{};
    s.currStep = 10.0f;
    s.voltStep = 2.0f;
    s.timingFixedValue = 10.0f;
    s.timingMaxBoost = 5.0f;
    s.absMaxTiming = 30.0f;
    s.currSteps = 8;
    s.voltSteps = 8;
    s.timingMode = 1;
    s.rpmToVolt = 1800;
    s.poles = 4;
    s.phaseOffset = 90;
    return s;
}

s_MotorDriveSettBle SimLimiter::defaultMotorDriveSettings()
{
    s_MotorDriveSettBle s{};
    s.fullThrottlePosition = 2.0f;
    s.stopPosition = 1.5f;
    s.failSafePosition = 1.0f;
    s.maxTimingPosition = 2.0f;
    s.minTimingPosition = 1.0f;
    s.voltageCutoffThreshold = 12.0f;
    s.maxRefDuty = 1.0f;
    s.maxRefRpm = 50000.0f;
    s.maxRefDcCurr = 100.0f;
    s.maxRefPhCurr = 150.0f;
    s.maxRefDcPower = 3000.0f;
    s.becVoltage = 1;
    s.rescueFlash = 1;
    return s;
}

s_TimingTableBle SimLimiter::defaultTimingTable()
{
    s_TimingTableBle t{};
    for (int r = 0; r < s_TimingTableBle::kRows; ++r) {
        for (int c = 0; c < s_TimingTableBle::kColumns; ++c)
            t.cells[r][c] = quint16(qMin(30, 5 + r + c));
    }
    return t;
}

// --- state ----------------------------------------------------------------

SimAdvertisedStatus SimLimiter::advertisedStatus() const
{
    const s_TelemetryBle &t = m_telemetry;
    const s_LimitSettBle set = limitSet(m_commonSettings.settingsSet);
    SimAdvertisedStatus status;
    status.registrationCountry = recordText(m_commonSettings.country, 4).toUtf8();
    status.registrationNumber = m_commonSettings.regNum;
    status.hardwareVersion = hardwareVersionWord();
    status.firmwareVersion = firmwareVersionWord();
    status.auxiliaryVersion = m_deviceInformation.block[0].versionWord62;
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

void SimLimiter::addSession(const SimLogSessionSpec &spec)
{
    const quint32 seed = radio() ? radio()->seed() : 1;
    const QByteArray bytes = SimLogSession::generate(spec, seed);
    if (bytes.isEmpty())
        qCWarning(lcSim) << name() << "session" << spec.number << "has a layout that does not fit a dot";
    else
        m_sessions.insert(spec.number, bytes);
}

void SimLimiter::setReportedSessionRange(quint32 first, quint32 last)
{
    m_reportedRange.firstSession = first;
    m_reportedRange.lastSession = last;
    m_hasReportedRange = true;
}

void SimLimiter::addSessionBytes(quint32 number, const QByteArray &bytes)
{
    m_sessions.insert(number, bytes);
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

int SimLimiter::limitSetOfHandle(quint16 handle) const
{
    for (int set = 0; set < kLimitSetCount; ++set) {
        if (m_limitHandles[set] == handle)
            return set;
    }
    return -1;
}

SimConnection *SimLimiter::connectionById(quint64 id) const
{
    const QList<SimConnection *> all = connections();
    for (SimConnection *connection : all) {
        if (connection->id() == id)
            return connection;
    }
    return nullptr;
}

// --- links ----------------------------------------------------------------

void SimLimiter::onConnected(SimConnection *)
{
    if (m_raceStartMs == 0 && radio())
        m_raceStartMs = radio()->clock().nowMs();
}

void SimLimiter::onDisconnected(SimConnection *connection)
{
    m_authorised.remove(connection->id());
    m_streams.remove(connection->id());
}

SimReadResult SimLimiter::onRead(SimConnection *connection, const SimGattCharacteristic &characteristic)
{
    const quint16 h = characteristic.valueHandle;
    if (h == m_deviceInfoHandle) {
        s_DeviceInfoBle info = m_deviceInformation;
        info.passwordProtected = m_password.isEmpty() ? 0 : 1;
        info.authorized = m_authorised.contains(connection->id()) ? 1 : 0;
        return {SimAtt::Success, recordBytes(info)};
    }
    if (!(characteristic.properties & kRead))
        return {SimAtt::ReadNotPermitted, {}};
    if (!isAuthorised(connection))
        return {SimAtt::InsufficientAuthorization, {}};
    if (h == m_commonHandle)
        return {SimAtt::Success, recordBytes(m_commonSettings)};
    if (h == m_motorHandle)
        return {SimAtt::Success, recordBytes(m_motorSettings)};
    if (h == m_motorDriveHandle)
        return {SimAtt::Success, recordBytes(m_motorDriveSettings)};
    if (h == m_table1Handle || h == m_table2Handle)
        return {SimAtt::Success, recordBytes(m_timingTable).mid(h == m_table1Handle ? 0 : 256, 256)};
    if (const int set = limitSetOfHandle(h); set >= 0)
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
    if (h == m_authorisationHandle) {
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
    if (h == m_passwordHandle) {
        QByteArray password = value.left(kPasswordSize);
        password.truncate(int(std::find(password.cbegin(), password.cend(), '\0') - password.cbegin()));
        m_password = password;
        if (!m_password.isEmpty())
            m_authorised.insert(connection->id());
        return SimAtt::Success;
    }
    if (h == m_flagsHandle)
        return writeFlags(value);
    if (h == m_logRequestHandle)
        return writeLogRequest(connection, value);
    if (h == m_buttonlessHandle)
        return writeButtonlessDfu(connection, value);
    if (h == m_nusRxHandle) {
        // Every line of the write gets its answer.
        const QList<QByteArray> lines = QByteArray(value).replace('\r', '\n').split('\n');
        for (const QByteArray &line : lines) {
            if (!line.trimmed().isEmpty())
                sendTerminal(connection, terminalReply(line.trimmed()));
        }
        return SimAtt::Success;
    }
    return writeSettings(characteristic, value);
}

quint8 SimLimiter::writeSettings(const SimGattCharacteristic &characteristic, const QByteArray &value)
{
    const quint16 h = characteristic.valueHandle;
    bool stored = false;
    if (h == m_commonHandle)
        stored = value.size() == int(sizeof m_commonSettings) && recordFromBytes(value, m_commonSettings);
    else if (h == m_motorHandle)
        stored = value.size() == int(sizeof m_motorSettings) && recordFromBytes(value, m_motorSettings);
    else if (h == m_motorDriveHandle)
        stored = value.size() == int(sizeof m_motorDriveSettings) && recordFromBytes(value, m_motorDriveSettings);
    else if (const int set = limitSetOfHandle(h); set >= 0)
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
        notifyRecord(m_limitHandles[set], recordBytes(m_limitSets[set]));
    }
    if (flag(FlagResetCommonSettings)) {
        const quint16 blocks = m_commonSettings.loggerMemoryBlocks;
        m_commonSettings = defaultCommonSettings(m_kind);
        m_commonSettings.loggerMemoryBlocks = blocks;
        notifyRecord(m_commonHandle, recordBytes(m_commonSettings));
    }
    if (flag(FlagResetEscSettings)) {
        m_motorSettings = defaultMotorSettings();
        m_motorDriveSettings = defaultMotorDriveSettings();
        notifyRecord(m_motorHandle, recordBytes(m_motorSettings));
        notifyRecord(m_motorDriveHandle, recordBytes(m_motorDriveSettings));
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
        notifyRecord(m_motorDriveHandle, recordBytes(m_motorDriveSettings));
    return SimAtt::Success;
}

// --- log service ----------------------------------------------------------

quint8 SimLimiter::writeLogRequest(SimConnection *connection, const QByteArray &value)
{
    if (value.size() != kLogRequestSize)
        return SimAtt::InvalidAttributeValueLength;
    const quint32 session = qFromLittleEndian<quint32>(value.constData());
    const quint64 id = connection->id();
    if (value.at(8) == 1) {
        m_sessions.clear();
        return SimAtt::Success;
    }
    if (session == 0) {
        after(0, [this, id]() {
            SimConnection *c = connectionById(id);
            if (!c)
                return;
            s_LogSessionNum numbers{};
            if (m_hasReportedRange) {
                numbers = m_reportedRange;
            } else if (!m_sessions.isEmpty()) {
                numbers.firstSession = m_sessions.firstKey();
                numbers.lastSession = m_sessions.lastKey();
            }
            notify(c, m_logSessionsHandle, recordBytes(numbers));
        });
        return SimAtt::Success;
    }
    if (!m_answersSessionReads)
        return SimAtt::Success;
    Stream stream;
    stream.session = session;
    stream.bytes = m_sessions.value(session);
    m_streams.insert(id, stream);
    after(0, [this, id]() {
        SimConnection *c = connectionById(id);
        if (!c || !m_streams.contains(id))
            return;
        Stream &s = m_streams[id];
        s.startUs = radio()->clock().nowUs();
        sendReadStatus(c, s.session, s_LogReadStatus::Started, quint32(s.bytes.size()), 0, 0);
        streamNext(id);
    });
    return SimAtt::Success;
}

void SimLimiter::sendReadStatus(SimConnection *connection, quint32 session, quint8 status, quint32 size,
                                quint32 speed, quint32 crc)
{
    s_LogReadStatus record{};
    record.sessionNumber = session;
    record.sessionSize = size;
    record.speed = speed;
    record.crc32 = crc;
    record.status = status;
    notify(connection, m_logStatusHandle, recordBytes(record));
}

void SimLimiter::streamNext(quint64 connectionId)
{
    SimConnection *connection = connectionById(connectionId);
    if (!connection || !m_streams.contains(connectionId))
        return;
    Stream &s = m_streams[connectionId];
    const int payload = connection->maximumPayload();
    const int header = SimLogSession::kHeaderSize;
    const int dotSize = s.bytes.size() > 18 ? quint8(s.bytes.at(18)) : 0;
    for (int i = 0; i < m_packetsPerInterval && s.offset < s.bytes.size(); ++i) {
        // Header bytes as they fit; dots only whole, as many as fit.
        int length;
        if (s.offset < header) {
            length = qMin(payload, header - s.offset);
            if (s.offset + length == header && dotSize > 0)
                length += (payload - length) / dotSize * dotSize;
        } else {
            length = dotSize > 0 && payload >= dotSize ? payload / dotSize * dotSize : payload;
        }
        length = qMin(length, int(s.bytes.size()) - s.offset);
        notify(connection, m_logDataHandle, s.bytes.mid(s.offset, length));
        s.offset += length;
        ++s.packets;
        if (s.packets % kSpeedReportPackets == 0) {
            const qint64 elapsedUs = qMax<qint64>(1, radio()->clock().nowUs() - s.startUs);
            sendReadStatus(connection, s.session, s_LogReadStatus::Speed, quint32(s.bytes.size()),
                           quint32(qint64(s.offset) * 8 * 1000000 / elapsedUs), 0);
        }
    }
    if (s.offset >= s.bytes.size()) {
        sendReadStatus(connection, s.session, s_LogReadStatus::Finished, quint32(s.bytes.size()), 0,
                       SimLogSession::crc32(s.bytes));
        m_streams.remove(connectionId);
        return;
    }
    after(qMax(kMinimumIntervalUs, connection->roundTripUs() / 2) / 1000, [this, connectionId]() {
        streamNext(connectionId);
    });
}

// --- telemetry, terminal --------------------------------------------------

void SimLimiter::onCccdWritten(SimConnection *, const SimGattCharacteristic &characteristic, quint16 value)
{
    if (characteristic.valueHandle == m_telemetryHandle && (value & 0x0001) && !m_telemetryRunning) {
        m_telemetryRunning = true;
        after(0, [this]() { telemetryTick(); });
    }
}

void SimLimiter::telemetryTick()
{
    bool anyone = false;
    const QList<SimConnection *> all = connections();
    for (SimConnection *connection : all)
        anyone = anyone || (connection->notificationsEnabled(m_telemetryHandle) && isAuthorised(connection));
    if (!anyone || !radio()) {
        m_telemetryRunning = false;
        return;
    }
    const int frequency = qBound(1, int(m_commonSettings.telemetryFreqHz), 50);
    const double dt = 1.0 / frequency;
    const qint64 nowMs = radio()->clock().nowMs();
    const double t = (nowMs - m_raceStartMs) / 1000.0;
    QRandomGenerator &random = radio()->random();
    s_TelemetryBle &r = m_telemetry;
    r.raceTimeMs = quint32(qMax<qint64>(0, nowMs - m_raceStartMs));
    r.current = float(30.0 + 5.0 * std::sin(t / 3.0) + random.generateDouble());
    r.voltage = float(qMax(10.0, 16.8 - t * 0.002) - r.current * 0.01);
    r.currentAvg = float(30.0 + 0.5 * std::sin(t / 10.0));
    m_capacityMah += r.current * dt / 3.6;
    m_energyJ += double(r.voltage) * r.current * dt;
    r.capacity = float(m_capacityMah);
    r.energy = float(m_energyJ);
    r.temperature = float(25.0 + t * 0.01);
    const double reference = m_limitSets[qMin<int>(m_commonSettings.settingsSet, kLimitSetCount - 1)].energyRef;
    r.energyConsRelative = reference > 0 ? float(100.0 * m_energyJ / reference) : 0.0f;
    r.rpm = quint32(30000 + 2000 * std::sin(t / 2.0));
    r.power = r.voltage * r.current;
    r.powerAvg = float(r.voltage * r.currentAvg);
    r.speed = float(45.0 + 5.0 * std::sin(t / 4.0));
    r.powerToSpeed = r.speed > 0 ? r.power / r.speed : 0.0f;
    r.satellites = 9.0f;
    r.kv = 1800.0f;
    r.throttle = float(0.8 + 0.1 * std::sin(t));
    r.timing = 12.0f;
    r.sessionNumber = m_sessions.isEmpty() ? 1 : m_sessions.lastKey() + 1;
    r.raceFlag = 1;
    r.limitingEngagedFlag = r.energyConsRelative > 90.0f ? 1 : 0;
    r.limitingCompleteFlag = r.energyConsRelative >= 100.0f ? 1 : 0;
    for (SimConnection *connection : all) {
        if (isAuthorised(connection))
            notify(connection, m_telemetryHandle, recordBytes(r));
    }
    after(1000 / frequency, [this]() { telemetryTick(); });
}

QByteArray SimLimiter::terminalReply(const QByteArray &line)
{
    const QByteArray command = line.toLower();
    if (command == "help")
        return "commands: help, version, status, settings\r\n";
    if (command == "version") {
        const quint16 fw = firmwareVersionWord();
        return QStringLiteral("firmware %1.%2\r\n").arg(fw >> 8).arg(fw & 0xFF).toUtf8();
    }
    if (command == "status")
        return QStringLiteral("U=%1V I=%2A E=%3Wh\r\n")
            .arg(double(m_telemetry.voltage), 0, 'f', 2)
            .arg(double(m_telemetry.current), 0, 'f', 2)
            .arg(double(m_telemetry.energy) / 3600.0, 0, 'f', 3)
            .toUtf8();
    if (command == "settings")
        return QStringLiteral("set %1, telemetry %2 Hz, logger %3 Hz\r\n")
            .arg(m_commonSettings.settingsSet)
            .arg(m_commonSettings.telemetryFreqHz)
            .arg(m_commonSettings.loggerFreqHz)
            .toUtf8();
    return "> " + line + "\r\n";
}

void SimLimiter::sendTerminal(SimConnection *connection, const QByteArray &text)
{
    const quint64 id = connection->id();
    after(0, [this, id, text]() {
        SimConnection *c = connectionById(id);
        if (!c || !isAuthorised(c))
            return;
        const int payload = c->maximumPayload();
        for (int offset = 0; offset < text.size(); offset += payload)
            notify(c, m_nusTxHandle, text.mid(offset, payload));
    });
}

// --- DFU ------------------------------------------------------------------

quint8 SimLimiter::writeButtonlessDfu(SimConnection *connection, const QByteArray &value)
{
    if (!connection->indicationsEnabled(m_buttonlessHandle))
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
        indicate(c, m_buttonlessHandle, response);
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
