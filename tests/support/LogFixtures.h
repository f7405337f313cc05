#pragma once

// Builds session headers and the raw bytes of dots the way a device sends
// them, for the log tests and the log bench.

#include "LogSession.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>
#include <string>
#include <vector>

struct ParameterSpec
{
    std::string name;
    std::uint8_t descriptor; // low nibble type, high nibble scale code
};

template <std::size_t N>
inline void setText(char (&field)[N], const std::string &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

// 5 bytes of time and session number, then every parameter's width.
inline std::size_t dotBytesNeeded(const std::vector<ParameterSpec> &parameters)
{
    std::size_t size = kLogDotPrefixSize;
    for (const auto &p : parameters)
        size += std::size_t(logValueWidth(p.descriptor & 0x0F));
    return size;
}

// A header of session 7 of Ivan (RUS-27), 14:30:59 on 9.12.(20)26.
inline LogHeader makeHeader(const std::vector<ParameterSpec> &parameters, std::uint8_t dotSize = 0)
{
    LogHeader h;
    std::memset(&h, 0, sizeof h);
    h.head.header = 0xA5A5F00D;
    h.head.sessionNumber = 7;
    h.head.dotsCount = 100;
    h.head.previousSessionAddress = 0x00012000;
    h.parametersDesc.parametersCount = std::uint8_t(parameters.size());
    h.parametersDesc.version = 2;
    h.parametersDesc.logDotSize = dotSize ? dotSize : std::uint8_t(dotBytesNeeded(parameters));
    for (std::size_t i = 0; i < parameters.size() && i < 32; ++i) {
        h.parametersDesc.parameters[i] = parameters[i].descriptor;
        setText(h.parametersDesc.parameterNames[i], parameters[i].name);
    }
    h.time = 0x14305900;
    h.date = 0x09122600;
    h.latitude = 55.75f;
    h.longitude = 37.625f;
    h.hwVersion = 0x1023;
    h.fwVersion = 0x020A;
    h.blVersion = 0x0103;
    h.escVersion = 0x0305;
    setText(h.userName, "Ivan");
    setText(h.userRegNum.country, "RUS");
    h.userRegNum.num = 27;
    h.energyRefJ = 75600;
    setText(h.settSetName, "Ruriza settings set 21Wh (1)");
    h.settingsSet = 1;
    h.motorPoles = 4;
    h.loggerFreqHz = 50;
    setText(h.modelName, "Mono 1");
    setText(h.motorName, "Motor 4082");
    setText(h.escName, "ESC 120");
    return h;
}

inline QByteArray headerBytes(const LogHeader &h)
{
    return QByteArray(reinterpret_cast<const char *>(&h), qsizetype(sizeof h));
}

template <typename T>
inline void appendLittleEndian(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, qsizetype(sizeof bytes));
}

// One value as the device stores it: a float for type 1, otherwise the
// integer of the type's width.
inline void appendRawValue(QByteArray &out, std::uint8_t type, double value)
{
    switch (type) {
    case 1: {
        const float f = float(value);
        std::uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        appendLittleEndian(out, bits);
        break;
    }
    case 2: appendLittleEndian(out, std::uint64_t(value)); break;
    case 3: appendLittleEndian(out, std::int64_t(value)); break;
    case 4: appendLittleEndian(out, std::uint32_t(value)); break;
    case 5: appendLittleEndian(out, std::int32_t(value)); break;
    case 6: appendLittleEndian(out, std::uint16_t(value)); break;
    case 7: appendLittleEndian(out, std::int16_t(value)); break;
    case 8: case 9: case 10: out.append(char(std::uint8_t(value))); break;
    default: break;
    }
}

// The bytes of one dot, padded with zeros to the header's dot size.
inline QByteArray dotBytes(const LogHeader &h, std::uint32_t timeMs, std::uint8_t session,
                           const std::vector<double> &values)
{
    QByteArray out;
    appendLittleEndian(out, timeMs);
    out.append(char(session));
    for (std::size_t i = 0; i < values.size(); ++i)
        appendRawValue(out, h.parametersDesc.parameters[i] & 0x0F, values[i]);
    if (out.size() < h.parametersDesc.logDotSize)
        out.append(QByteArray(h.parametersDesc.logDotSize - out.size(), '\0'));
    return out;
}
