#pragma once

#include "DeviceRecords.h"
#include "SimLogSession.h"
#include "SimPeripheral.h"
#include "SimStatusAdvertiser.h"

#include <QHash>
#include <QMap>
#include <QSet>

// A simulated limiter or DOV logger: the five services of the device
// profile and the behaviour the programs rely on.
//  - Password protection per connection: the device information's byte 309
//    says a password is set, byte 310 whether this connection is authorised;
//    the authorisation write compares the 32-byte value, a wrong one keeps
//    the connection locked. While locked, everything but the device
//    information and the authorisation is refused and nothing is notified.
//  - Settings records are read, written (stored, then notified back to the
//    clients that enabled notifications), reset by the flags command; the
//    five position commands take the simulated PPM input.
//  - Telemetry is notified at the common settings' telemetryFreqHz.
//  - The terminal (NUS) answers a small command set and echoes the rest.
//  - The log service reports session numbers, streams one session (status 1
//    with the size, header and dots in packets of the link's payload, status
//    2 with the speed, status 3 with the CRC-32) and clears the sessions.
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
    s_TelemetryBle telemetry() const { return m_telemetry; }
    // What the device broadcasts in its advertisements, from its records.
    SimAdvertisedStatus advertisedStatus() const;

    // Version words (high byte major): hardware, firmware, bootloader, ESC.
    quint16 hardwareVersionWord() const { return m_deviceInformation.block[1].versionWord60; }
    quint16 firmwareVersionWord() const { return m_deviceInformation.block[1].versionWord62; }
    void setFirmwareVersionWord(quint16 word) { m_deviceInformation.block[1].versionWord62 = word; }

    // The pulse width (ms) at the PPM input the position commands take.
    float ppmInputMs() const { return m_ppmInputMs; }
    void setPpmInputMs(float ms) { m_ppmInputMs = ms; }

    // Stored log sessions by number.
    void addSession(const SimLogSessionSpec &spec);
    void addSessionBytes(quint32 number, const QByteArray &bytes);
    QList<quint32> sessionNumbers() const { return m_sessions.keys(); }
    QByteArray sessionBytes(quint32 number) const { return m_sessions.value(number); }
    void clearSessions() { m_sessions.clear(); }
    // Notifications per connection interval of a session stream.
    void setLogPacketsPerInterval(int packets) { m_packetsPerInterval = qMax(1, packets); }
    // Answers the session-number request with this range instead of the
    // stored sessions' (a device whose numbering differs from its memory).
    void setReportedSessionRange(quint32 first, quint32 last);
    void clearReportedSessionRange() { m_hasReportedRange = false; }
    // A device that takes session requests but never streams (firmware hung).
    void setAnswersSessionReads(bool answers) { m_answersSessionReads = answers; }

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
    struct Stream {
        quint32 session = 0;
        QByteArray bytes;
        int offset = 0;
        int packets = 0;
        qint64 startUs = 0;
    };

    quint8 writeSettings(const SimGattCharacteristic &characteristic, const QByteArray &value);
    quint8 writeFlags(const QByteArray &value);
    quint8 writeLogRequest(SimConnection *connection, const QByteArray &value);
    quint8 writeButtonlessDfu(SimConnection *connection, const QByteArray &value);
    void notifyRecord(quint16 handle, const QByteArray &value);
    void sendTerminal(SimConnection *connection, const QByteArray &text);
    void sendReadStatus(SimConnection *connection, quint32 session, quint8 status, quint32 size, quint32 speed,
                        quint32 crc);
    void streamNext(quint64 connectionId);
    void telemetryTick();
    void enterBootloader();
    SimConnection *connectionById(quint64 id) const;
    int limitSetOfHandle(quint16 handle) const;

    Kind m_kind;
    QByteArray m_password;
    QSet<quint64> m_authorised;
    s_DeviceInfoBle m_deviceInformation{};
    s_CommonSettBle m_commonSettings{};
    s_MotorSettBle m_motorSettings{};
    s_MotorDriveSettBle m_motorDriveSettings{};
    s_TimingTableBle m_timingTable{};
    s_LimitSettBle m_limitSets[14]{};
    s_TelemetryBle m_telemetry{};
    float m_ppmInputMs = 1.5f;
    QMap<quint32, QByteArray> m_sessions;
    QHash<quint64, Stream> m_streams;
    int m_packetsPerInterval = 4;
    bool m_hasReportedRange = false;
    s_LogSessionNum m_reportedRange{};
    bool m_answersSessionReads = true;
    bool m_telemetryRunning = false;
    qint64 m_raceStartMs = 0;
    double m_capacityMah = 0.0;
    double m_energyJ = 0.0;
    bool m_inBootloader = false;

    quint16 m_deviceInfoHandle, m_authorisationHandle, m_commonHandle, m_passwordHandle, m_motorDriveHandle,
        m_motorHandle, m_table1Handle, m_table2Handle, m_flagsHandle, m_limitHandles[14];
    quint16 m_telemetryHandle, m_logDataHandle, m_logRequestHandle, m_logSessionsHandle, m_logStatusHandle;
    quint16 m_nusRxHandle, m_nusTxHandle, m_buttonlessHandle;
};
