#include "SimLogSession.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

quint8 bcd(int value)
{
    return quint8(((value / 10) % 10) << 4 | (value % 10));
}

void putText(QByteArray &bytes, int offset, int size, const QString &text)
{
    const QByteArray utf8 = text.toUtf8().left(size);
    std::memcpy(bytes.data() + offset, utf8.constData(), std::size_t(utf8.size()));
}

template<typename T>
void put(QByteArray &bytes, int offset, T value)
{
    qToLittleEndian<T>(value, bytes.data() + offset);
}

template<typename T>
T clampTo(double value)
{
    const double low = double(std::numeric_limits<T>::lowest());
    const double high = double(std::numeric_limits<T>::max());
    return T(std::llround(std::min(std::max(value, low), high)));
}

// One physical value of parameter p at t seconds.
double curve(int p, double t, QRandomGenerator &random)
{
    const double base = 10.0 + 7.0 * p;
    const double wave = (2.0 + p % 5) * std::sin(t * (0.2 + 0.05 * p) + p);
    const double noise = (random.generateDouble() - 0.5) * 0.2;
    return base + wave + noise;
}

} // namespace

namespace SimLogSession {

QList<SimLogParameter> defaultParameters()
{
    return {
        {QStringLiteral("Voltage"), 1, 5},     {QStringLiteral("Current"), 1, 5},
        {QStringLiteral("Energy"), 6, 3},      {QStringLiteral("RPM"), 4, 5},
        {QStringLiteral("Temperature"), 7, 4}, {QStringLiteral("Throttle"), 8, 5},
        {QStringLiteral("Speed"), 9, 5},       {QStringLiteral("Flags"), 10, 5},
    };
}

int valueWidth(quint8 type)
{
    switch (type) {
    case 1: case 4: case 5: return 4;
    case 2: case 3: return 8;
    case 6: case 7: return 2;
    case 8: case 9: case 10: return 1;
    default: return 0;
    }
}

int dotSize(const QList<SimLogParameter> &parameters)
{
    int size = 5;
    for (const SimLogParameter &p : parameters)
        size += valueWidth(p.type);
    return size;
}

QByteArray generate(const SimLogSessionSpec &spec, quint32 seed)
{
    const QList<SimLogParameter> parameters = spec.parameters.isEmpty() ? defaultParameters() : spec.parameters;
    const int size = dotSize(parameters);
    if (parameters.size() > kMaxParameters || size > 255)
        return QByteArray();

    QByteArray bytes(kHeaderSize, '\0');
    put<quint32>(bytes, 0, spec.header);
    put<quint32>(bytes, 4, spec.number);
    put<quint32>(bytes, 8, spec.incomplete ? 0xFFFFFFFFu : spec.dots);
    put<quint32>(bytes, 12, spec.previousSessionAddress);
    bytes[16] = char(parameters.size());
    bytes[17] = char(1);
    bytes[18] = char(size);
    for (int i = 0; i < parameters.size(); ++i) {
        bytes[20 + i] = char((parameters.at(i).scale & 0x0F) << 4 | (parameters.at(i).type & 0x0F));
        putText(bytes, 52 + 32 * i, 32, parameters.at(i).name);
    }
    put<quint32>(bytes, 1076, quint32(bcd(spec.time.hour())) << 24 | quint32(bcd(spec.time.minute())) << 16
                                   | quint32(bcd(spec.time.second())) << 8);
    put<quint32>(bytes, 1080, quint32(bcd(spec.date.day())) << 24 | quint32(bcd(spec.date.month())) << 16
                                   | quint32(bcd(spec.date.year() % 100)) << 8);
    put<float>(bytes, 1084, spec.positionKnown ? spec.latitude : 4294967296.0f);
    put<float>(bytes, 1088, spec.positionKnown ? spec.longitude : 4294967296.0f);
    put<quint16>(bytes, 1092, spec.hwVersion);
    put<quint16>(bytes, 1094, spec.fwVersion);
    put<quint16>(bytes, 1096, spec.blVersion);
    put<quint16>(bytes, 1098, spec.escVersion);
    putText(bytes, 1100, 32, spec.userName);
    putText(bytes, 1132, 4, spec.country);
    put<quint16>(bytes, 1136, spec.regNum);
    put<quint32>(bytes, 1140, spec.energyRefJ);
    putText(bytes, 1144, 32, spec.settingsSetName);
    bytes[1176] = char(spec.settingsSet);
    bytes[1177] = char(spec.motorPoles);
    bytes[1178] = char(spec.loggerFreqHz);
    putText(bytes, 1184, 32, spec.modelName);
    putText(bytes, 1216, 32, spec.motorName);
    putText(bytes, 1248, 32, spec.escName);

    QRandomGenerator random(seed ^ spec.number);
    const quint32 periodMs = 1000u / qMax<quint8>(1, spec.loggerFreqHz);
    bytes.reserve(kHeaderSize + int(spec.dots) * size);
    QByteArray dot(size, '\0');
    for (quint32 n = 0; n < spec.dots; ++n) {
        const quint32 timeMs = n * periodMs;
        put<quint32>(dot, 0, timeMs);
        dot[4] = char(spec.number & 0xFF);
        int position = 5;
        for (int p = 0; p < parameters.size(); ++p) {
            const quint8 type = parameters.at(p).type;
            const double scale = std::pow(10.0, int(parameters.at(p).scale) - 5);
            const double raw = curve(p, timeMs / 1000.0, random) / scale;
            switch (type) {
            case 1: put<float>(dot, position, float(raw)); break;
            case 2: put<quint64>(dot, position, clampTo<quint64>(raw)); break;
            case 3: put<qint64>(dot, position, clampTo<qint64>(raw)); break;
            case 4: put<quint32>(dot, position, clampTo<quint32>(raw)); break;
            case 5: put<qint32>(dot, position, clampTo<qint32>(raw)); break;
            case 6: put<quint16>(dot, position, clampTo<quint16>(raw)); break;
            case 7: put<qint16>(dot, position, clampTo<qint16>(raw)); break;
            case 8: case 9: dot[position] = char(clampTo<quint8>(raw)); break;
            case 10: dot[position] = char(n & 0xFF); break;
            default: break;
            }
            position += valueWidth(type);
        }
        bytes.append(dot);
    }
    return bytes;
}

} // namespace SimLogSession
