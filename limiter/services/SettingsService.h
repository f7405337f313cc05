#pragma once

#include "DeviceProtocol.h"
#include "DeviceRecords.h"
#include "DeviceService.h"

#include <array>

// The settings service: the device information and the authorisation that
// gate the rest, then the records (common settings, the fourteen limit sets,
// motor, motor drive, timing table) read into cached copies, their writes,
// the password and the flags commands.
//
// Once its details are discovered the device information is read; when it
// says the device is locked, authorizationRequired; otherwise unlocked, and
// LimiterDevice sets up the records (setUpRecords) with the other services.
// A confirmed authorisation write reads the device information again.
class SettingsService : public DeviceService
{
    Q_OBJECT
public:
    explicit SettingsService(QObject *parent);

    // Takes the records' characteristics of the discovered service and reads
    // them.
    void setUpRecords();

    // Cached records (copies).
    s_DeviceInfoBle deviceInformation() const { return m_deviceInformation; }
    s_CommonSettBle commonSettings() const { return m_commonSettings; }
    s_MotorSettBle motorSettings() const { return m_motorSettings; }
    s_MotorDriveSettBle motorDriveSettings() const { return m_motorDriveSettings; }
    s_TimingTableBle timingTable() const { return m_timingTable; }
    // Index 0 to 5 / 0 to 7; outside: an empty set.
    s_LimitSettBle defaultLimitSettings(int index) const;
    s_LimitSettBle userLimitSettings(int index) const;

    // Writes, with response; the cached copy is replaced first. Nothing
    // happens before the characteristic is set up.
    void writeCommonSettings(const s_CommonSettBle &settings);
    void writeMotorSettings(const s_MotorSettBle &settings);
    void writeMotorDriveSettings(const s_MotorDriveSettBle &settings);
    // set 0 to 5: default sets, 6 to 13: user sets 0 to 7.
    void writeLimitSettings(int set, const s_LimitSettBle &settings);
    void setPassword(const QString &password);
    void authorize(const QString &password);
    // One flags command; once acknowledged, the records it changed are read
    // again.
    void writeFlags(DeviceProtocol::FlagsByte byte, quint8 value);

signals:
    void deviceInformationUpdated();
    void authorizationRequired();
    void unlocked();
    void commonSettingsUpdated();
    void userLimitSettingsUpdated(int index);
    void defaultLimitSettingsUpdated(int index);
    void motorSettingsUpdated();
    void motorDriveSettingsUpdated();
    void timingTableUpdated();

protected:
    void valueChanged(const BleCharacteristic &characteristic, const QByteArray &value) override;
    void valueRead(const BleCharacteristic &characteristic, const QByteArray &value) override;

private:
    // A characteristic of the settings service (by its identifier), with the
    // set-up's lines for it missing.
    ServiceCharacteristic &addSetting(quint16 id);
    // A record read or notified: taken over, then announced; too short
    // (tooShort and the length logged): left as it was.
    template <typename Record>
    ServiceCharacteristic &addRecord(quint16 id, bool (*takeOver)(const QByteArray &, Record &), Record &record,
                                     const char *tooShort, void (SettingsService::*updated)());
    template <typename Record>
    void recordValue(const QByteArray &value, bool (*takeOver)(const QByteArray &, Record &), Record &record,
                     const char *tooShort, void (SettingsService::*updated)());
    ServiceCharacteristic &addLimitSet(quint16 id, s_LimitSettBle &set, int index, void (SettingsService::*updated)(int));
    // A value of the service that is no record of its own: taken as a limit
    // set, which no list holds.
    static void otherValue(const QByteArray &value);
    static bool limitSetValue(const QByteArray &value, s_LimitSettBle &set);
    void deviceInformationRead(const QByteArray &value);
    void timingTableHalfRead(const QByteArray &value, int half);
    template <typename Record>
    void writeRecord(ServiceCharacteristic &characteristic, Record &cached, const Record &record);
    void writePasswordValue(ServiceCharacteristic &characteristic, const char *invalid, const QString &password);

    ServiceCharacteristic *m_deviceInfo = nullptr;
    ServiceCharacteristic *m_authorisation = nullptr;
    ServiceCharacteristic *m_common = nullptr;
    std::array<ServiceCharacteristic *, DeviceProtocol::kUserLimitSetCount> m_userSets{};
    std::array<ServiceCharacteristic *, DeviceProtocol::kDefaultLimitSetCount> m_defaultSets{};
    ServiceCharacteristic *m_motor = nullptr;
    ServiceCharacteristic *m_motorDrive = nullptr;
    ServiceCharacteristic *m_password = nullptr;
    ServiceCharacteristic *m_flags = nullptr;

    s_DeviceInfoBle m_deviceInformation{};
    s_CommonSettBle m_commonSettings{};
    s_MotorSettBle m_motorSettings{};
    s_MotorDriveSettBle m_motorDriveSettings{};
    s_LimitSettBle m_userLimitSettings[DeviceProtocol::kUserLimitSetCount]{};
    s_LimitSettBle m_defaultLimitSettings[DeviceProtocol::kDefaultLimitSetCount]{};
    s_TimingTableBle m_timingTable{};
};
