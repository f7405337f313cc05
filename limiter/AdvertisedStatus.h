#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVersionNumber>

#include <array>

// Raw version words and self-test flags of a device, as advertised.
struct VersionWords
{
    quint16 hardware = 0;
    quint16 firmware = 0;
    quint8 selfTest = 0;

    friend bool operator==(const VersionWords &a, const VersionWords &b)
    {
        return a.hardware == b.hardware && a.firmware == b.firmware && a.selfTest == b.selfTest;
    }
};

// What a device tells about itself in its advertisements. Every record kind
// fills its own fields; a field keeps its value until a record of its kind
// replaces it. Starts all zero.
class AdvertisedStatus
{
    Q_DECLARE_TR_FUNCTIONS(AdvertisedStatus)

public:
    // Bits of statusFlags().
    enum StatusFlag : quint8 {
        Racing = 0x01,
        LimitedOrError = 0x02,
        StartOvervoltage = 0x04,
        EndUndervoltage = 0x08,
        AecMask = 0x30,
        EscSignalWrong = 0x40,
        RedWireBroken = 0x80,
    };
    // Bits of selfTestFlags().
    enum SelfTestFlag : quint8 {
        CalibrationError = 0x01,
        VoltageReverse = 0x04,
        CurrentReverse = 0x08,
        SelfTestError = 0x10,
    };

    // Decodes one manufacturer data entry (its first 12 bytes). Shorter data
    // changes nothing and returns false.
    bool parse(const QByteArray &manufacturerData);

    // Not part of any record: the device lists' stale mark, and the flag
    // LimiterDevice sets when the user ends the connection.
    bool isStale() const { return m_stale; }
    void setStale(bool stale) { m_stale = stale; }
    bool isUserDisconnected() const { return m_userDisconnect; }
    void setUserDisconnected(bool disconnected) { m_userDisconnect = disconnected; }

    QString registrationCountry() const;
    quint16 registrationNumber() const { return m_registrationNumber; }
    quint16 hardwareVersionWord() const { return m_hardwareVersionWord; }
    quint16 firmwareVersionWord() const { return m_firmwareVersionWord; }
    quint16 auxiliaryVersionWord() const { return m_auxiliaryVersionWord; }
    quint8 selfTestFlags() const { return m_selfTestFlags; }
    qint32 battery() const { return m_battery; }
    quint8 settingsSetNumber() const { return m_settingsSet; }
    quint8 statusFlags() const { return m_statusFlags; }
    float energy() const { return m_energy; }
    float energyLimit() const { return m_energyReference; }
    float voltage() const { return m_voltage; }
    float averageCurrent() const { return m_averageCurrent; }
    quint16 calibrationNumber() const { return m_calibrationNumber; }
    quint8 calibrationByte() const { return m_calibrationByte; }
    float capacity() const { return m_capacity; }
    float energyConsumed() const { return m_energyConsumed; }
    QString userName() const { return m_userName; }
    float maximumSpeed() const { return m_maximumSpeed; }
    float averageSpeed() const { return m_averageSpeed; }
    qint16 temperature() const { return m_temperature; }
    quint8 satellites() const { return m_satellites; }
    float maximumRpm() const { return m_maximumRpm; }
    float averageRpm() const { return m_averageRpm; }

    bool isRacing() const { return m_statusFlags & Racing; }
    bool isLimitedOrError() const { return m_statusFlags & LimitedOrError; }

    QString raceStatusText() const;
    QString warningText() const;
    QString aecStatusText() const;
    QString calibrationText() const;
    QString registrationNumberText() const;
    QString settingsSetName() const;
    QVersionNumber hardwareVersion() const;
    QVersionNumber firmwareVersion() const;
    // The DOV logger lists show the hardware word with only the low four bits
    // of its high byte as the major number.
    QVersionNumber loggerHardwareVersion() const;
    VersionWords versionWords() const;

private:
    bool m_stale = false;
    bool m_userDisconnect = false;
    std::array<char, 4> m_registrationCountry{};
    quint16 m_registrationNumber = 0;
    quint16 m_hardwareVersionWord = 0;
    quint16 m_firmwareVersionWord = 0;
    quint8 m_selfTestFlags = 0;
    qint32 m_battery = 0;
    quint8 m_settingsSet = 0;
    quint8 m_statusFlags = 0;
    float m_energy = 0;
    float m_energyReference = 0;
    quint16 m_auxiliaryVersionWord = 0;
    float m_voltage = 0;
    float m_averageCurrent = 0;
    quint16 m_calibrationNumber = 0;
    quint8 m_calibrationByte = 0;
    float m_capacity = 0;
    float m_energyConsumed = 0;
    std::array<char, 32> m_userNameBuffer{};
    quint8 m_userNameParts = 0;
    QString m_userName;
    float m_maximumSpeed = 0;
    float m_averageSpeed = 0;
    qint16 m_temperature = 0;
    quint8 m_satellites = 0;
    float m_maximumRpm = 0;
    float m_averageRpm = 0; // no record carries it yet
};
