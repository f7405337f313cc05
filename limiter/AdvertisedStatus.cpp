#include "AdvertisedStatus.h"

#include "AdvertisementProtocol.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

using advertisement::Record;

quint16 u16At(const Record &d, int i)
{
    return quint16(d[std::size_t(i)] | (d[std::size_t(i + 1)] << 8));
}

quint32 u32At(const Record &d, int i)
{
    return qFromLittleEndian<quint32>(d.data() + i);
}

float floatAt(const Record &d, int i)
{
    const quint32 bits = u32At(d, i);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Text of a fixed buffer up to its first zero byte.
template<std::size_t N>
QString textOf(const std::array<char, N> &buffer)
{
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return QString::fromUtf8(buffer.data(), int(end - buffer.begin()));
}

constexpr quint8 kAllNameParts = 0x07;

} // namespace

bool AdvertisedStatus::parse(const QByteArray &manufacturerData)
{
    using namespace advertisement;
    if (manufacturerData.size() < kRecordSize)
        return false;

    Record r;
    std::memcpy(r.data(), manufacturerData.constData(), r.size());
    const quint8 kind = r[0];

    if (kind <= kLastKind) {
        const Record d = unmask(r, kRecordMasks[kind]);
        switch (kind) {
        case LimiterRegistration:
        case LoggerRegistration:
            std::memcpy(m_registrationCountry.data(), d.data() + 5, 4);
            m_registrationNumber = u16At(d, 9);
            break;
        case LimiterVersions:
        case LoggerVersions:
            m_hardwareVersionWord = u16At(d, 1);
            m_firmwareVersionWord = u16At(d, 3);
            // Bits 0, 2, 3, 4 come over as they are, d5 bit 1 lands in bit 5,
            // bit 1 stays, bits 6 and 7 are cleared.
            m_selfTestFlags = quint8((m_selfTestFlags & 0x02) | (d[5] & 0x1D) | ((d[5] & 0x02) << 4));
            if (kind == LimiterVersions) {
                m_battery = qint32(u32At(d, 6));
                m_settingsSet = d[10];
                m_statusFlags = d[11];
            } else {
                m_auxiliaryVersionWord = u16At(d, 6);
            }
            break;
        case LimiterEnergy:
            m_energy = floatAt(d, 1);
            m_energyReference = floatAt(d, 5);
            m_auxiliaryVersionWord = u16At(d, 9);
            break;
        case LimiterVoltage:
            m_voltage = floatAt(d, 1);
            m_averageCurrent = floatAt(d, 5);
            m_calibrationNumber = u16At(d, 9);
            m_calibrationByte = d[11];
            break;
        case LimiterCapacity:
            m_capacity = floatAt(d, 1);
            m_energyConsumed = floatAt(d, 5);
            break;
        case LimiterUserName1:
        case LoggerUserName1:
            std::memcpy(m_userNameBuffer.data(), d.data() + 1, 11);
            m_userNameParts |= 0x01;
            break;
        case LimiterUserName2:
        case LoggerUserName2:
            std::memcpy(m_userNameBuffer.data() + 11, d.data() + 1, 11);
            m_userNameParts |= 0x02;
            break;
        case LimiterUserName3:
        case LoggerUserName3:
            std::memcpy(m_userNameBuffer.data() + 22, d.data() + 1, 10);
            m_userNameParts |= 0x04;
            break;
        case LoggerSpeed:
            m_maximumSpeed = floatAt(d, 1);
            m_averageSpeed = floatAt(d, 5);
            m_temperature = qint16(u16At(d, 9));
            m_satellites = d[11];
            break;
        case LoggerRpm:
            m_maximumRpm = float(u32At(d, 5));
            break;
        }
    }

    if ((m_userNameParts & kAllNameParts) == kAllNameParts) {
        m_userName = textOf(m_userNameBuffer);
        m_userNameParts = 0;
        m_userNameBuffer.fill(0);
    }
    return true;
}

QString AdvertisedStatus::registrationCountry() const
{
    return textOf(m_registrationCountry);
}

QString AdvertisedStatus::raceStatusText() const
{
    if (isRacing())
        return isLimitedOrError() ? tr("Limited") : tr("Race");
    return isLimitedOrError() ? tr("Error") : tr("Ready");
}

QString AdvertisedStatus::warningText() const
{
    if (m_statusFlags & StartOvervoltage)
        return tr("Start overvoltage!");
    if (m_statusFlags & EndUndervoltage)
        return tr("End undervoltage!");
    if (m_statusFlags & EscSignalWrong)
        return tr("ESC SIGNAL WIRE CONNECT WRONG!");
    if (m_statusFlags & RedWireBroken)
        return tr("RED WIRE BROKEN!");
    return tr("Ok");
}

QString AdvertisedStatus::aecStatusText() const
{
    switch ((m_statusFlags & AecMask) >> 4) {
    case 0:
        return tr("Not supported");
    case 1:
        return tr("Disabled");
    case 2:
        return tr("Enabled");
    default:
        return tr("Active");
    }
}

QString AdvertisedStatus::calibrationText() const
{
    if (m_selfTestFlags & VoltageReverse)
        return tr("Voltage reverse!");
    if (m_selfTestFlags & CalibrationError)
        return tr("Calibrate error");
    if (m_selfTestFlags & CurrentReverse)
        return tr("Current reverse!");
    if (m_selfTestFlags & SelfTestError)
        return tr("Self test error");
    if (m_calibrationNumber != 0)
        return tr("Calibrated: %1.%2")
            .arg(m_calibrationByte, 2, 10, QLatin1Char('0'))
            .arg(m_calibrationNumber);
    return tr("Ok");
}

QString AdvertisedStatus::registrationNumberText() const
{
    if (m_registrationNumber == 0)
        return QStringLiteral("Reading...");
    // One pass over the pattern: the country comes off the air and may hold
    // a '%' of its own.
    return QStringLiteral("%1-%2").arg(registrationCountry(), QString::number(m_registrationNumber));
}

QString AdvertisedStatus::settingsSetName() const
{
    const int n = std::min<int>(m_settingsSet, 13);
    const QString pattern = tr("%1 (%2)");
    if (m_energyReference == 42.0f && n == 5)
        return pattern.arg(n).arg(tr("RAR-I mini"));
    if ((n == 6 || n == 7) && m_firmwareVersionWord >= 0x1901)
        return pattern.arg(n).arg(n == 6 ? QStringLiteral("Rar Adev Mini RUS") : QStringLiteral("Rar Adev RUS"));

    // The names of sets 0 to 13; the plain ones are racing class names and
    // read the same in every language.
    struct SetName {
        const char *text;
        bool translated;
    };
    static constexpr SetName kNames[] = {
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "No limits!"), true},
        {"Mini Exp/Mono/Vadur", false},
        {"Exp/Mono1/Vadur", false},
        {"Mono2/Vadur2", false},
        {"RAR-I", false},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "Test only!"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode1"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode2"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode3"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode4"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode5"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode6"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode7"), true},
        {QT_TRANSLATE_NOOP("AdvertisedStatus", "User mode8"), true},
    };
    const SetName &set = kNames[n];
    const QString name = set.translated ? tr(set.text) : QString::fromLatin1(set.text);
    return pattern.arg(n).arg(name);
}

QVersionNumber AdvertisedStatus::hardwareVersion() const
{
    return QVersionNumber(m_hardwareVersionWord >> 8, (m_hardwareVersionWord >> 4) & 0x0F,
                          m_hardwareVersionWord & 0x0F);
}

QVersionNumber AdvertisedStatus::loggerHardwareVersion() const
{
    return QVersionNumber((m_hardwareVersionWord >> 8) & 0x0F, (m_hardwareVersionWord >> 4) & 0x0F,
                          m_hardwareVersionWord & 0x0F);
}

QVersionNumber AdvertisedStatus::firmwareVersion() const
{
    return QVersionNumber(m_firmwareVersionWord >> 8, m_firmwareVersionWord & 0xFF);
}

VersionWords AdvertisedStatus::versionWords() const
{
    return {m_hardwareVersionWord, m_firmwareVersionWord, m_selfTestFlags};
}
