#include "SettingsService.h"

#include "BleService.h"
#include "LinkDiagnostics.h"

#include <QDebug>

using namespace DeviceProtocol;

SettingsService::SettingsService(QObject *parent)
    : DeviceService(settingsServiceUuid(), {"Settings service not found", "state changed", "Settings service discovered"},
                    SetUp::GoesOnPastAMissingPiece, parent)
{
    // Once discovered: the device information, which says whether this
    // connection must be authorised first, and the authorisation.
    m_deviceInfo = &addSetting(kDeviceInfoId).readAtSetUp().onRead([this](const QByteArray &value) {
        deviceInformationRead(value);
    });
    m_authorisation = &addSetting(kAuthorisationId).onWritten([this](const QByteArray &) {
        // The device answers an authorisation in its device information.
        readAgain(*m_deviceInfo);
    });

    // Once authorised: the records, read in this order, and the commands.
    m_common = &addRecord(kCommonSettingsId, RecordTakeOver::commonSettings, m_commonSettings,
                          "common settings too short:", &SettingsService::commonSettingsUpdated)
                    .lookUpCccd();
    for (int i = 0; i < kUserLimitSetCount; ++i)
        m_userSets[std::size_t(i)] = &addLimitSet(quint16(kUserLimitSet0Id + i), m_userLimitSettings[i], i,
                                                  &SettingsService::userLimitSettingsUpdated);
    for (int i = 0; i < kDefaultLimitSetCount; ++i)
        m_defaultSets[std::size_t(i)] = &addLimitSet(quint16(kDefaultLimitSet0Id + i), m_defaultLimitSettings[i], i,
                                                     &SettingsService::defaultLimitSettingsUpdated);
    m_motor = &addRecord(kMotorSettingsId, RecordTakeOver::motorSettings, m_motorSettings, "motor settings too short:",
                         &SettingsService::motorSettingsUpdated);
    m_motorDrive = &addRecord(kMotorDriveSettingsId, RecordTakeOver::motorDriveSettings, m_motorDriveSettings,
                              "motor drive settings too short:", &SettingsService::motorDriveSettingsUpdated);
    m_password = &addSetting(kPasswordSetId).afterAuthorisation();
    m_flags = &addSetting(kFlagsId).afterAuthorisation().onWritten([this](const QByteArray &command) {
        // The device changed records of its own: read them again so that
        // the cache and the pages show what it now holds.
        for (quint16 id : settingsChangedByFlags(command)) {
            if (const ServiceCharacteristic *changed = find(settingsUuid(id)))
                readAgain(*changed);
        }
    });
    addSetting(kTimingTable1Id).afterAuthorisation().readAtSetUp().onRead([this](const QByteArray &value) {
        timingTableHalfRead(value, 0);
    });
    addSetting(kTimingTable2Id).afterAuthorisation().readAtSetUp().onRead([this](const QByteArray &value) {
        timingTableHalfRead(value, 1);
    });
}

ServiceCharacteristic &SettingsService::addSetting(quint16 id)
{
    const QBluetoothUuid uuid = settingsUuid(id);
    const QByteArray name = characteristicName(uuid).toLatin1();
    return add(uuid)
        .ifMissing({"Settings failed to get characteristic " + name})
        .ifCccdMissing({"Settings failed to get notify descriptor for " + name});
}

template <typename Record>
ServiceCharacteristic &SettingsService::addRecord(quint16 id, bool (*takeOver)(const QByteArray &, Record &),
                                                  Record &record, const char *tooShort, void (SettingsService::*updated)())
{
    return addSetting(id)
        .afterAuthorisation()
        .readAtSetUp()
        .onValue([this, takeOver, &record, tooShort, updated](const QByteArray &value) {
            recordValue(value, takeOver, record, tooShort, updated);
        })
        .cachedRecord([this, updated] { emit(this->*updated)(); });
}

ServiceCharacteristic &SettingsService::addLimitSet(quint16 id, s_LimitSettBle &set, int index,
                                                   void (SettingsService::*updated)(int))
{
    return addSetting(id)
        .afterAuthorisation()
        .readAtSetUp()
        .lookUpCccd()
        .onValue([this, &set, index, updated](const QByteArray &value) {
            if (limitSetValue(value, set))
                emit(this->*updated)(index);
        })
        .cachedRecord([this, index, updated] { emit(this->*updated)(index); });
}

template <typename Record>
void SettingsService::recordValue(const QByteArray &value, bool (*takeOver)(const QByteArray &, Record &), Record &record,
                                  const char *tooShort, void (SettingsService::*updated)())
{
    if (takeOver(value, record))
        emit(this->*updated)();
    else
        qCWarning(lcDevice) << tooShort << value.size();
}

void SettingsService::setUpRecords()
{
    if (!service())
        return;
    setUpCharacteristics(ServiceCharacteristic::SetUpAt::Authorisation);
}

// --- values -----------------------------------------------------------------

void SettingsService::valueChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (const ServiceCharacteristic *changed = find(characteristic.uuid()); changed && changed->valueHandler)
        changed->valueHandler(value);
    else
        otherValue(value);
}

void SettingsService::valueRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    if (const ServiceCharacteristic *read = find(characteristic.uuid()); read && read->readHandler)
        read->readHandler(value);
    else
        valueChanged(characteristic, value);
}

bool SettingsService::limitSetValue(const QByteArray &value, s_LimitSettBle &set)
{
    qCDebug(lcDevice) << "settings" << value.toHex();
    s_LimitSettBle taken{};
    if (!RecordTakeOver::limitSettings(value, taken)) {
        qCWarning(lcDevice) << "limit settings too short:" << value.size();
        return false;
    }
    set = taken;
    return true;
}

void SettingsService::otherValue(const QByteArray &value)
{
    s_LimitSettBle dropped{};
    limitSetValue(value, dropped);
}

void SettingsService::deviceInformationRead(const QByteArray &value)
{
    if (!RecordTakeOver::deviceInformation(value, m_deviceInformation)) {
        qCWarning(lcDevice) << "device information too short:" << value.size();
        return;
    }
    emit deviceInformationUpdated();
    if (isLocked(m_deviceInformation))
        emit authorizationRequired();
    else
        emit unlocked();
}

void SettingsService::timingTableHalfRead(const QByteArray &value, int half)
{
    if (!RecordTakeOver::timingTableHalf(value, half, m_timingTable)) {
        qCWarning(lcDevice) << "timing table half too short:" << value.size();
        return;
    }
    // The second half completes the table.
    if (half == 1)
        emit timingTableUpdated();
}

// --- records ----------------------------------------------------------------

s_LimitSettBle SettingsService::defaultLimitSettings(int index) const
{
    return index >= 0 && index < kDefaultLimitSetCount ? m_defaultLimitSettings[index] : s_LimitSettBle{};
}

s_LimitSettBle SettingsService::userLimitSettings(int index) const
{
    return index >= 0 && index < kUserLimitSetCount ? m_userLimitSettings[index] : s_LimitSettBle{};
}

// --- writes -----------------------------------------------------------------

template <typename Record>
void SettingsService::writeRecord(ServiceCharacteristic &characteristic, Record &cached, const Record &record)
{
    if (!service() || !characteristic.handle.isValid())
        return;
    cached = record;
    write(characteristic.handle, recordBytes(record));
}

void SettingsService::writeCommonSettings(const s_CommonSettBle &settings)
{
    writeRecord(*m_common, m_commonSettings, settings);
}

void SettingsService::writeMotorSettings(const s_MotorSettBle &settings)
{
    writeRecord(*m_motor, m_motorSettings, settings);
}

void SettingsService::writeMotorDriveSettings(const s_MotorDriveSettBle &settings)
{
    writeRecord(*m_motorDrive, m_motorDriveSettings, settings);
}

void SettingsService::writeLimitSettings(int set, const s_LimitSettBle &settings)
{
    if (set < 0 || set >= kLimitSetCount)
        return;
    if (set < kDefaultLimitSetCount)
        writeRecord(*m_defaultSets[std::size_t(set)], m_defaultLimitSettings[set], settings);
    else
        writeRecord(*m_userSets[std::size_t(set - kDefaultLimitSetCount)], m_userLimitSettings[set - kDefaultLimitSetCount],
                    settings);
}

void SettingsService::writePasswordValue(ServiceCharacteristic &characteristic, const char *invalid, const QString &password)
{
    if (!service())
        return;
    // The write goes out even so: the BLE stack refuses it.
    if (!characteristic.handle.isValid())
        qCWarning(lcDevice) << invalid;
    write(characteristic.handle, passwordValue(password));
}

void SettingsService::setPassword(const QString &password)
{
    writePasswordValue(*m_password, "password characteristic is invalid", password);
}

void SettingsService::authorize(const QString &password)
{
    writePasswordValue(*m_authorisation, "Authorization characteristic is invalid", password);
}

void SettingsService::writeFlags(FlagsByte byte, quint8 value)
{
    if (!service() || !m_flags->handle.isValid())
        return;
    write(m_flags->handle, flagsCommand(byte, value));
}
