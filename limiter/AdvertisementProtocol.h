#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

// The advertisement layout of the devices: manufacturer data of company
// 0x0059 carrying one 12-byte record at a time. Byte 0 is the record kind and
// travels in clear; bytes 1 to 11 are masked with the byte of the kind below.
namespace advertisement {

constexpr quint16 kCompanyId = 0x0059;
constexpr int kRecordSize = 12;

// Record kinds. Limiters send 0 to 7, DOV loggers 8 to 14.
enum Kind : quint8 {
    LimiterRegistration = 0,
    LimiterVersions = 1,
    LimiterEnergy = 2,
    LimiterVoltage = 3,
    LimiterCapacity = 4,
    LimiterUserName1 = 5,
    LimiterUserName2 = 6,
    LimiterUserName3 = 7,
    LoggerRegistration = 8,
    LoggerVersions = 9,
    LoggerSpeed = 10,
    LoggerRpm = 11,
    LoggerUserName1 = 12,
    LoggerUserName2 = 13,
    LoggerUserName3 = 14,
};
constexpr int kLastLimiterKind = LimiterUserName3;
constexpr int kLastKind = LoggerUserName3;

// Mask byte of each record kind. These values are this project's own choice:
// no published source gives the bytes the devices' firmware masks with, so a
// device whose firmware uses other bytes decodes to wrong values (names,
// batteries, versions). The decoder of LimiterDevice and the simulated
// devices' encoder both read them from here; change them in this one place.
constexpr std::array<quint8, kLastKind + 1> kRecordMasks = {
    0x5A, 0xC3, 0x96, 0x3C, 0xA5, 0x69, 0xE1, 0x1E, // limiter kinds 0..7
    0x87, 0x78, 0xD2, 0x2D, 0x4B, 0xB4, 0xF0,       // DOV logger kinds 8..14
};

// One record as it travels (r) or once unmasked (d): index 0 is the kind.
using Record = std::array<quint8, kRecordSize>;

// Unmasks bytes 1..11 of a received record with mask byte m:
// d11 = r11 ^ m, d10 = r10 ^ m, and for j = 9..1
// d_j = r_j ^ d11 ^ r_(j+2) ^ r_(j+3) ^ ... ^ r10.
constexpr Record unmask(const Record &r, quint8 m)
{
    Record d{};
    d[0] = r[0];
    d[11] = quint8(r[11] ^ m);
    d[10] = quint8(r[10] ^ m);
    quint8 tail = 0; // r_(j+2) ^ ... ^ r10, empty for j = 9
    for (int j = 9; j >= 1; --j) {
        d[std::size_t(j)] = quint8(r[std::size_t(j)] ^ d[11] ^ tail);
        tail ^= r[std::size_t(j + 1)];
    }
    return d;
}

// The inverse of unmask: what a device puts on the air for decoded bytes d.
constexpr Record mask(const Record &d, quint8 m)
{
    Record r{};
    r[0] = d[0];
    r[11] = quint8(d[11] ^ m);
    r[10] = quint8(d[10] ^ m);
    quint8 tail = 0;
    for (int j = 9; j >= 1; --j) {
        r[std::size_t(j)] = quint8(d[std::size_t(j)] ^ d[11] ^ tail);
        tail ^= r[std::size_t(j + 1)];
    }
    return r;
}

} // namespace advertisement
