#pragma once

#include "DeviceRecords.h"
#include "SimLimiterProfile.h"
#include "SimLogStream.h"
#include "SimPeripheral.h"
#include "SimStatusAdvertiser.h"
#include "SimTelemetry.h"
#include "SimTerminal.h"

#include <QSet>

// A simulated limiter or DOV logger: the five services of the device
// profile (SimLimiterProfile) and the behaviour the programs rely on.
//  - Password protection per connection: the device information's byte 309
//    says a password is set, byte 310 whether this connection is authorised;
//    the authorisation write compares the 32-byte value, a wrong one keeps
//    the connection locked. While locked, everything but the device
//    information and the authorisation is refused and nothing is notified.
//  - Settings records are read, written (stored, then notified back to the
//    clients that enabled notifications), reset to their defaults by the
//    flags command (SimLimiterDefaults.cpp); the five position commands
//    store the simulated PPM input in the motor drive settings.
//  - Telemetry (SimTelemetry) is notified at the common settings'
//    telemetryFreqHz.
//  - The terminal (SimTerminal) answers a small command set and echoes the
//    rest.
//  - The log service (SimLogStream) reports session numbers, streams one
//    session and clears the sessions.
//  - The buttonless DFU command indicates 20 01 01, drops the link and
//    reboots into the bootloader that the radio's bootloader factory makes
//    (the device itself goes silent until returnFromBootloader()).
//  - It advertises its status from its records (SimStatusAdvertiser).
class SimLimiter : public SimPeripheral
{
    Q_OBJECT
public:
    enum class Kind { Limiter, DovLogger };

    SimLimiter(Kind kind, const QBluetoothAddress &address, const QString &name, QObject *parent = nullptr);
    ~SimLimiter() override;

    Kind kind() const { return m_kind; }

    // Access protection; an empty password means none.
    QByteArray password() const { return m_password; }
    void setPassword(const QString &password);
    // Whether that connection is authorised.
    bool isAuthorised(const SimConnection *connection) const;

    // The device's records as it holds them.
    s_DeviceInfoBle deviceInformation() const { return m_deviceInformation; }
    void setDeviceInformation(const s_DeviceInfoBle &info) { m_deviceInformation = info; }
    s_CommonSettBle commonSettings() const { return m_commonSettings; }
    void setCommonSettings(const s_CommonSettBle &settings) { m_commonSettings = settings; }
    s_MotorSettBle motorSettings() const { return m_motorSettings; }
    void setMotorSettings(const s_MotorSettBle &settings) { m_motorSettings = settings; }
    s_MotorDriveSettBle motorDriveSettings() const { return m_motorDriveSettings; }
    void setMotorDriveSettings(const s_MotorDriveSettBle &settings) { m_motorDriveSettings = settings; }
    s_TimingTableBle timingTable() const { return m_timingTable; }
    void setTimingTable(const s_TimingTableBle &table) { m_timingTable = table; }
    // Sets 0 to 5 default, 6 to 13 user.
    s_LimitSettBle limitSet(int set) const;
    void setLimitSet(int set, const s_LimitSettBle &settings);
    // The last telemetry record sent.
    s_TelemetryBle telemetry() const { return m_telemetry.record(); }
    // What the device broadcasts in its advertisements, from its records.
    SimAdvertisedStatus advertisedStatus() const;

    // Version words (high byte major): hardware, firmware, bootloader, ESC.
    quint16 hardwareVersionWord() const { return m_deviceInformation.block[1].versionWord60; }
    quint16 firmwareVersionWord() const { return m_deviceInformation.block[1].version; }
    void setFirmwareVersionWord(quint16 word) { m_deviceInformation.block[1].version = word; }

    // The pulse width (ms) at the PPM input the position commands take.
    float ppmInputMs() const { return m_ppmInputMs; }
    void setPpmInputMs(float ms) { m_ppmInputMs = ms; }

    // Stored log sessions by number.
    void addSession(const SimLogSessionSpec &spec) { m_logStream.addSession(spec); }
    void addSessionBytes(quint32 number, const QByteArray &bytes) { m_logStream.addSessionBytes(number, bytes); }
    QList<quint32> sessionNumbers() const { return m_logStream.sessionNumbers(); }
    QByteArray sessionBytes(quint32 number) const { return m_logStream.sessionBytes(number); }
    void clearSessions() { m_logStream.clearSessions(); }
    // Notifications per connection interval of a session stream.
    void setLogPacketsPerInterval(int packets) { m_logStream.setPacketsPerInterval(packets); }
    const SimLogStream &logStream() const { return m_logStream; }
    // Answers the session-number request with this range instead of the
    // stored sessions' (a device whose numbering differs from its memory).
    void setReportedSessionRange(quint32 first, quint32 last) { m_logStream.setReportedSessionRange(first, last); }
    void clearReportedSessionRange() { m_logStream.clearReportedSessionRange(); }
    // A device that takes session requests but never streams (firmware hung).
    void setAnswersSessionReads(bool answers) { m_logStream.setAnswersSessionReads(answers); }

    // The device is in its bootloader (after the buttonless DFU command).
    bool isInBootloader() const { return m_inBootloader; }
    // Comes back from the bootloader, with a new firmware version when not 0.
    void returnFromBootloader(quint16 firmwareVersionWord = 0);

    // Value handles of the profile.
    quint16 valueHandle(const QBluetoothUuid &service, quint16 id) const;

    // Records of a fresh device of that kind.
    static s_DeviceInfoBle defaultDeviceInformation(Kind kind);
    static s_CommonSettBle defaultCommonSettings(Kind kind);
    static s_LimitSettBle defaultLimitSet(int set);
    static s_MotorSettBle defaultMotorSettings();
    static s_MotorDriveSettBle defaultMotorDriveSettings();
    static s_TimingTableBle defaultTimingTable();

protected:
    void onConnected(SimConnection *connection) override;
    void onDisconnected(SimConnection *connection) override;
    SimReadResult onRead(SimConnection *connection, const SimGattCharacteristic &characteristic) override;
    quint8 onWrite(SimConnection *connection, SimGattCharacteristic &characteristic, const QByteArray &value,
                   bool withResponse) override;
    void onCccdWritten(SimConnection *connection, const SimGattCharacteristic &characteristic, quint16 value) override;
    // The terminal's answer to one line the client sent.
    virtual QByteArray terminalReply(const QByteArray &line);

private:
    friend class SimTerminal;

    quint8 writeSettings(const SimGattCharacteristic &characteristic, const QByteArray &value);
    quint8 writeFlags(const QByteArray &value);
    quint8 writeButtonlessDfu(SimConnection *connection, const QByteArray &value);
    void notifyRecord(quint16 handle, const QByteArray &value);
    void enterBootloader();

    Kind m_kind;
    SimLimiterProfile m_profile;
    QByteArray m_password;
    QSet<quint64> m_authorised;
    s_DeviceInfoBle m_deviceInformation{};
    s_CommonSettBle m_commonSettings{};
    s_MotorSettBle m_motorSettings{};
    s_MotorDriveSettBle m_motorDriveSettings{};
    s_TimingTableBle m_timingTable{};
    s_LimitSettBle m_limitSets[DeviceProtocol::kLimitSetCount]{};
    float m_ppmInputMs = 1.5f;
    bool m_inBootloader = false;
    SimLogStream m_logStream;
    SimTelemetry m_telemetry;
    SimTerminal m_terminal;
};
