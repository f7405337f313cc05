#pragma once

#include "AdvertisementProtocol.h"
#include "SimAdvertisement.h"

#include <QByteArray>

#include <functional>

// The status a simulated device advertises, as the device's firmware holds
// it (before masking).
struct SimAdvertisedStatus
{
    QByteArray registrationCountry; // up to 4 bytes
    quint16 registrationNumber = 0;
    quint16 hardwareVersion = 0;
    quint16 firmwareVersion = 0;
    quint16 auxiliaryVersion = 0;
    quint8 selfTest = 0; // the firmware's self-test byte
    qint32 battery = 0;
    quint8 settingsSet = 0;
    quint8 statusFlags = 0;
    float energy = 0;
    float energyReference = 0;
    float voltage = 0;
    float averageCurrent = 0;
    quint16 calibrationNumber = 0;
    quint8 calibrationByte = 0;
    float capacity = 0;
    float energyConsumed = 0;
    QByteArray userName; // UTF-8, up to 32 bytes
    float maximumSpeed = 0;
    float averageSpeed = 0;
    qint16 temperature = 0;
    quint8 satellites = 0;
    quint32 maximumRpm = 0;
};

// Advertises a device's status the way the devices do: one 12-byte record
// per advertisement in the manufacturer data of company 0x0059, rotating
// through the record kinds of the device family (0 to 7 for a limiter, 8 to
// 14 for a DOV logger), masked with the protocol's mask table.
class SimStatusAdvertiser : public SimAdvertiser
{
public:
    enum class Family { Limiter, DovLogger };
    using StatusSource = std::function<SimAdvertisedStatus()>;

    // status is asked for at every advertisement, so a device can hand out
    // its live values.
    SimStatusAdvertiser(Family family, StatusSource status);

    SimAdvertisement next(const SimPeripheral &peripheral) override;

    Family family() const { return m_family; }
    // The kind the next advertisement carries.
    quint8 nextKind() const { return m_nextKind; }

    // One record of kind, unmasked (byte 0 the kind, 1 to 11 the values).
    static advertisement::Record encode(quint8 kind, const SimAdvertisedStatus &status);
    // The record as it goes on air.
    static QByteArray onAir(quint8 kind, const SimAdvertisedStatus &status);

private:
    Family m_family;
    StatusSource m_status;
    quint8 m_nextKind;
};
