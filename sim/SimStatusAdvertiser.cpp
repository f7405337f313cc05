#include "SimStatusAdvertiser.h"

#include "SimPeripheral.h"

#include <QtEndian>

#include <cstring>

namespace {

using advertisement::Record;

void putU16(Record &d, int i, quint16 value)
{
    qToLittleEndian(value, d.data() + i);
}

void putU32(Record &d, int i, quint32 value)
{
    qToLittleEndian(value, d.data() + i);
}

void putFloat(Record &d, int i, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    putU32(d, i, bits);
}

void putBytes(Record &d, int i, const QByteArray &bytes, int offset, int length)
{
    const QByteArray part = bytes.mid(offset, length);
    std::memcpy(d.data() + i, part.constData(), std::size_t(part.size()));
}

} // namespace

SimStatusAdvertiser::SimStatusAdvertiser(Family family, StatusSource status)
    : m_family(family)
    , m_status(std::move(status))
    , m_nextKind(family == Family::Limiter ? advertisement::LimiterRegistration : advertisement::LoggerRegistration)
{
}

SimAdvertisement SimStatusAdvertiser::next(const SimPeripheral &peripheral)
{
    const quint8 kind = m_nextKind;
    const quint8 first = m_family == Family::Limiter ? advertisement::LimiterRegistration
                                                     : advertisement::LoggerRegistration;
    const quint8 last = m_family == Family::Limiter ? advertisement::LimiterUserName3
                                                    : advertisement::LoggerUserName3;
    m_nextKind = kind == last ? first : quint8(kind + 1);

    SimAdvertisement advertisement;
    advertisement.address = peripheral.address();
    advertisement.name = peripheral.name();
    advertisement.rssi = peripheral.rssi();
    advertisement.connectable = peripheral.isConnectable();
    advertisement.manufacturerData.append({advertisement::kCompanyId, onAir(kind, m_status ? m_status() : SimAdvertisedStatus())});
    return advertisement;
}

QByteArray SimStatusAdvertiser::onAir(quint8 kind, const SimAdvertisedStatus &status)
{
    const Record d = encode(kind, status);
    const Record r = kind <= advertisement::kLastKind ? advertisement::mask(d, advertisement::kRecordMasks[kind]) : d;
    return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size()));
}

Record SimStatusAdvertiser::encode(quint8 kind, const SimAdvertisedStatus &s)
{
    using namespace advertisement;
    Record d{};
    d[0] = kind;
    switch (kind) {
    case LimiterRegistration:
    case LoggerRegistration:
        putBytes(d, 5, s.registrationCountry, 0, 4);
        putU16(d, 9, s.registrationNumber);
        break;
    case LimiterVersions:
    case LoggerVersions:
        putU16(d, 1, s.hardwareVersion);
        putU16(d, 3, s.firmwareVersion);
        d[5] = s.selfTest;
        if (kind == LimiterVersions) {
            putU32(d, 6, quint32(s.battery));
            d[10] = s.settingsSet;
            d[11] = s.statusFlags;
        } else {
            putU16(d, 6, s.auxiliaryVersion);
        }
        break;
    case LimiterEnergy:
        putFloat(d, 1, s.energy);
        putFloat(d, 5, s.energyReference);
        putU16(d, 9, s.auxiliaryVersion);
        break;
    case LimiterVoltage:
        putFloat(d, 1, s.voltage);
        putFloat(d, 5, s.averageCurrent);
        putU16(d, 9, s.calibrationNumber);
        d[11] = s.calibrationByte;
        break;
    case LimiterCapacity:
        putFloat(d, 1, s.capacity);
        putFloat(d, 5, s.energyConsumed);
        break;
    case LimiterUserName1:
    case LoggerUserName1:
        putBytes(d, 1, s.userName, 0, 11);
        break;
    case LimiterUserName2:
    case LoggerUserName2:
        putBytes(d, 1, s.userName, 11, 11);
        break;
    case LimiterUserName3:
    case LoggerUserName3:
        putBytes(d, 1, s.userName, 22, 10);
        break;
    case LoggerSpeed:
        putFloat(d, 1, s.maximumSpeed);
        putFloat(d, 5, s.averageSpeed);
        putU16(d, 9, quint16(s.temperature));
        d[11] = s.satellites;
        break;
    case LoggerRpm:
        putU32(d, 5, s.maximumRpm);
        break;
    default:
        break;
    }
    return d;
}
