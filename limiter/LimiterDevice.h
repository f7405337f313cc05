#pragma once

#include "AdvertisedStatus.h"
#include "BleHandles.h"
#include "DeviceRecords.h"

#include <QBluetoothDeviceInfo>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>
#include <QVersionNumber>

#include <array>

class BleBackend;
class BleController;
class DeviceService;
class DfuButtonlessService;
class LoggerService;
class SettingsService;
class TelemetryService;
class TerminalService;

// The state statusChanged reports.
enum LimiterConnectionStatus : int {
    LimiterDisconnected = 0,       // disconnected for good, after a user disconnect
    LimiterError = 1,              // the controller reported an error
    LimiterConnected = 2,          // connected, searching services
    LimiterServicesDiscovered = 3, // service discovery finished, set-up under way
};

// The program's client of one device, limiter or DOV logger: its BLE
// controller (through the BLE seam), the connection's state, and five
// services (services/): settings, telemetry, terminal, logger and buttonless
// DFU, each with its characteristics, cached records and writes, which this
// class hands on. One object per advertised address, shared by pointer
// between the device list and the device's tab.
//
// Set-up: connectToDevice -> status 2 -> service discovery -> 1000 ms later
// status 3 and the settings service -> device information -> either
// authorizationRequired (locked) or the telemetry, terminal, settings, DFU
// and log services with their notifications. An unexpected disconnect
// reconnects at once; disconnectFromDevice ends the session for good.
class LimiterDevice : public QObject
{
    Q_OBJECT
public:
    // backend: the BLE stack to connect through, which must outlive this
    // object; nullptr: the process' one (BleBackend::instance()) at the time
    // of connecting.
    explicit LimiterDevice(const QBluetoothDeviceInfo &info, BleBackend *backend = nullptr);
    LimiterDevice();
    // Copies take over the device info and the backend only.
    LimiterDevice(const LimiterDevice &other);
    LimiterDevice(LimiterDevice &&other) noexcept;
    LimiterDevice &operator=(const LimiterDevice &) = delete;
    LimiterDevice &operator=(LimiterDevice &&) = delete;
    ~LimiterDevice() override;

    // Connection.
    void connectToDevice();
    void disconnectFromDevice();
    int controllerError() const;
    QString controllerErrorString() const;
    LimiterConnectionStatus status() const { return LimiterConnectionStatus(m_status); }
    // The BLE stack the device talks through (the one it connected through,
    // else the one it will connect through); its clock is the link's time.
    BleBackend *backend() const;

    // The device info of the last accepted advertisement.
    QBluetoothDeviceInfo deviceInfo() const { return m_deviceInfo; }
    void setDeviceInfo(const QBluetoothDeviceInfo &info) { m_deviceInfo = info; }
    QString name() const { return m_deviceInfo.name(); }
    QString address() const { return m_deviceInfo.address().toString(); }
    AdvertisedStatus &advertisedStatus() { return m_advertisedStatus; }
    const AdvertisedStatus &advertisedStatus() const { return m_advertisedStatus; }

    // The advertised status: parseAdvertisement decodes the device info's
    // manufacturer data of company 0x0059 into it (nothing without one); the
    // rest reads it.
    void parseAdvertisement();
    qint16 rssi() const { return m_deviceInfo.rssi(); }
    QString userName() const { return m_advertisedStatus.userName(); }
    float energyLimit() const { return m_advertisedStatus.energyLimit(); }
    QString raceStatusText() const { return m_advertisedStatus.raceStatusText(); }
    QString warningText() const { return m_advertisedStatus.warningText(); }
    QString aecStatusText() const { return m_advertisedStatus.aecStatusText(); }
    QString calibrationText() const { return m_advertisedStatus.calibrationText(); }
    QString registrationNumberText() const { return m_advertisedStatus.registrationNumberText(); }
    QString settingsSetName() const { return m_advertisedStatus.settingsSetName(); }
    QVersionNumber hardwareVersion() const { return m_advertisedStatus.hardwareVersion(); }
    QVersionNumber firmwareVersion() const { return m_advertisedStatus.firmwareVersion(); }
    VersionWords versionWords() const { return m_advertisedStatus.versionWords(); }

    // Cached records (copies).
    s_TelemetryBle telemetry() const;
    s_CommonSettBle commonSettings() const;
    s_MotorSettBle motorSettings() const;
    s_MotorDriveSettBle motorDriveSettings() const;
    s_TimingTableBle timingTable() const;
    // Index 0 to 5 / 0 to 7; outside: an empty set.
    s_LimitSettBle defaultLimitSettings(int index) const;
    s_LimitSettBle userLimitSettings(int index) const;
    s_DeviceInfoBle deviceInformation() const;

    QVersionNumber escFirmwareVersion() const;
    QVersionNumber bootloaderVersion() const;

    // Writes, all with response; the cached copy (where there is one) is
    // replaced first. Nothing happens before the target is set up. A record
    // the device took is announced with its ...Updated signal; a write the
    // device refuses ends in writeFailed (and a read of the record); a flags
    // command, once acknowledged, reads the records it changed again.
    void writeCommonSettings(const s_CommonSettBle &settings);
    void writeMotorSettings(const s_MotorSettBle &settings);
    void writeMotorDriveSettings(const s_MotorDriveSettBle &settings);
    // set 0 to 5: default sets, 6 to 13: user sets 0 to 7.
    void writeLimitSettings(int set, const s_LimitSettBle &settings);
    void setPassword(const QString &password);
    void authorize(const QString &password);
    void resetCommonSettings();
    void resetEscSettings();
    void resetLimitSettings(int set);
    void sendSetFullThrottle();
    void sendSetStopPosition();
    void sendSetFailsafePosition();
    void sendSetMaxTimingPosition();
    void sendSetMinTimingPosition();
    // Only while the log service is discovered.
    void readLogNumber();
    void readLog(quint32 session);
    void sendClearLogs();
    void enterDFUMode();
    void sendTerminalData(const QByteArray &data);

signals:
    // The service set-up failed; title and text are for the user ("Connection
    // Error"), whom the device's panel shows them in a message box.
    void connectionErrorOccurred(const QString &title, const QString &text);
    void authorizationRequired();
    void statusChanged(LimiterConnectionStatus status);
    void telemetryUpdated();
    void terminalDataReceived(QByteArray data);
    void commonSettingsUpdated();
    void userLimitSettingsUpdated(int index);
    void defaultLimitSettingsUpdated(int index);
    void motorSettingsUpdated();
    void motorDriveSettingsUpdated();
    void timingTableUpdated();
    void enteredDFUMode();
    void loggerServiceDiscovered();
    void logDataReceived(QByteArray data);
    void logReadStatusReceived(s_LogReadStatus status);
    void logSessionNumberReceived(s_LogSessionNum sessionNumber);
    void deviceInformationUpdated();
    // A write was refused by the device (or could not be sent); where the
    // characteristic holds a cached record, it is read again, so the record's
    // ...Updated signal follows with what the device holds.
    void writeFailed(const QBluetoothUuid &characteristic);

public slots:
    // What a service object delivers goes to the service of the device that
    // owns it (each service listens to its own object); called by hand, these
    // hand a value, state or descriptor write to the service it belongs to,
    // as from that service's object of the current link.
    void onCharacteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value);
    void onDescriptorWritten(const BleDescriptor &descriptor, const QByteArray &value);
    void onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value);
    void onCharacteristicRead(const BleCharacteristic &characteristic, const QByteArray &value);
    void onSettingsServiceStateChanged(QLowEnergyService::ServiceState state);
    void onRTMServiceStateChanged(QLowEnergyService::ServiceState state);
    void onTerminalServiceStateChanged(QLowEnergyService::ServiceState state);
    void onDFUServiceStateChanged(QLowEnergyService::ServiceState state);
    void onLogServiceStateChanged(QLowEnergyService::ServiceState state);
    void onControllerConnected();
    void onControllerDisconnected();
    void onServiceDiscovered(const QBluetoothUuid &uuid);
    void onDiscoveryFinished();
    void onControllerError(QLowEnergyController::Error error);
    // The set-up of an authorised connection: the telemetry and terminal
    // services, the settings records, the DFU and log services.
    void onAuthorizationSuccess();

private:
    // Makes the five services and hands their signals on as the device's.
    void makeServices();
    std::array<DeviceService *, 5> services() const;
    // The service a characteristic of the profile belongs to, or nullptr.
    DeviceService *serviceOf(const QBluetoothUuid &characteristic) const;
    void setUpSettingsService();
    // The link ended: what was started for it is dropped.
    void linkEnded();
    void releaseController();

    QBluetoothDeviceInfo m_deviceInfo;
    BleController *m_controller = nullptr;
    // The five services; they keep their characteristics, records and
    // writes for the device's whole life.
    TelemetryService *m_rtm = nullptr;
    SettingsService *m_settings = nullptr;
    TerminalService *m_terminal = nullptr;
    DfuButtonlessService *m_dfu = nullptr;
    LoggerService *m_logger = nullptr;
    AdvertisedStatus m_advertisedStatus;
    int m_status = LimiterDisconnected;
    // The backend given at construction, if any.
    BleBackend *m_givenBackend = nullptr;
    // The backend the controller came from (its clock runs the set-up delay).
    BleBackend *m_backend = nullptr;
    // Counts the links: raised by every disconnect, so that what was started
    // for one link (the set-up delay) knows when it is gone.
    quint64 m_link = 0;
};

Q_DECLARE_METATYPE(LimiterConnectionStatus)
