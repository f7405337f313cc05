#pragma once

#include "Crc32.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

// Log sessions as a simulated device stores them: a 1536-byte session header
// followed by fixed-size dots, for any parameter layout.

struct SimLogParameter {
    QString name;
    quint8 type = 1;  // 1 float, 2 u64, 3 i64, 4 u32, 5 i32, 6 u16, 7 i16, 8 u8, 9 u8 as float, 10 raw byte
    quint8 scale = 5; // scale code: the value is raw x 10^(scale - 5)
};

struct SimLogSessionSpec {
    quint32 number = 1;
    quint32 dots = 100;
    quint8 loggerFreqHz = 10;
    bool incomplete = false; // the header's dot count is 0xFFFFFFFF
    QList<SimLogParameter> parameters; // empty: defaultParameters()
    QDate date = QDate(2026, 3, 15);
    QTime time = QTime(14, 30, 59);
    float latitude = 55.7558f;
    float longitude = 37.6173f;
    bool positionKnown = true;
    QString userName = QStringLiteral("Sim Racer");
    QString country = QStringLiteral("RU");
    quint16 regNum = 1234;
    QString settingsSetName = QStringLiteral("Ruriza settings set 21Wh (1)");
    quint8 settingsSet = 1;
    quint32 energyRefJ = 21 * 3600;
    quint8 motorPoles = 4;
    quint16 hwVersion = 0x0410;
    quint16 fwVersion = 0x1901;
    quint16 blVersion = 0x0102;
    quint16 escVersion = 0x0105;
    QString modelName = QStringLiteral("Hydro 1");
    QString motorName = QStringLiteral("Motor 1");
    QString escName = QStringLiteral("ESC 1");
    quint32 header = 0x474F4C53;
    quint32 previousSessionAddress = 0;
};

namespace SimLogSession {

inline constexpr int kHeaderSize = 1536;
inline constexpr int kMaxParameters = 32;

QList<SimLogParameter> defaultParameters();
// Bytes of one value of the type (0 for unknown types).
int valueWidth(quint8 type);
// 5 (time and session number) plus the values; at most 255.
int dotSize(const QList<SimLogParameter> &parameters);
// Header and dots; values follow smooth curves with noise from seed.
// Returns an empty array for a layout that does not fit a dot.
QByteArray generate(const SimLogSessionSpec &spec, quint32 seed);
// The standard reflected CRC-32 (the device's session checksum).
inline quint32 crc32(const QByteArray &data, quint32 crc = 0)
{
    return checksum::crc32(data, crc);
}

} // namespace SimLogSession
