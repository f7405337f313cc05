#pragma once

// One race session as the device streams it: a 1536-byte header, then the
// samples ("dots") of fixed size. LogSession collects the packets in arrival
// order, keeps the running CRC-32 of everything received, fills the header,
// cuts the rest into dots and decodes each into typed values.

#include <QByteArray>
#include <QDateTime>
#include <QLoggingCategory>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcLogSession)

#pragma pack(push, 1)

struct LogHead
{
    std::uint32_t header;                 // kept and saved unchanged
    std::uint32_t sessionNumber;
    std::uint32_t dotsCount;              // kIncompleteDotsCount: the race was not closed
    std::uint32_t previousSessionAddress; // kept and saved unchanged
};

struct ParametersDesc
{
    std::uint8_t parametersCount;  // values per dot, at most kMaxLogParameters
    std::uint8_t version;
    std::uint8_t logDotSize;       // bytes per dot
    std::uint8_t reserved;
    // One descriptor per parameter: low nibble the type, high nibble the
    // scale code.
    std::uint8_t parameters[32];
    char parameterNames[32][32];   // texts up to the first zero byte
};

struct UserRegNum
{
    char country[4];
    std::uint16_t num;
    std::uint16_t reserved;
};

// The session header, byte for byte as the device sends it (little-endian).
struct LogHeader
{
    LogHead head;
    ParametersDesc parametersDesc;
    std::uint32_t time;      // BCD: hours 31-24, minutes 23-16, seconds 15-8
    std::uint32_t date;      // BCD: day 31-24, month 23-16, two-digit year 15-8
    float latitude;          // degrees; kNoPosition when unknown
    float longitude;
    std::uint16_t hwVersion; // major 15-8, minor 7-4, patch 3-0
    std::uint16_t fwVersion; // major 15-8, minor 7-0
    std::uint16_t blVersion;
    std::uint16_t escVersion;
    char userName[32];
    UserRegNum userRegNum;
    std::uint32_t energyRefJ;
    char settSetName[32];
    std::uint8_t settingsSet;
    std::uint8_t motorPoles;
    std::uint8_t loggerFreqHz;
    std::uint8_t reserved1[5];
    char modelName[32];
    char motorName[32];
    char escName[32];
    std::uint8_t reserved2[256];
};

#pragma pack(pop)

static_assert(sizeof(LogHead) == 16);
static_assert(sizeof(ParametersDesc) == 1060);
static_assert(sizeof(UserRegNum) == 8);
static_assert(sizeof(LogHeader) == 1536);
static_assert(offsetof(LogHeader, parametersDesc) == 16);
static_assert(offsetof(LogHeader, parametersDesc) + offsetof(ParametersDesc, parameters) == 20);
static_assert(offsetof(LogHeader, parametersDesc) + offsetof(ParametersDesc, parameterNames) == 52);
static_assert(offsetof(LogHeader, time) == 1076);
static_assert(offsetof(LogHeader, date) == 1080);
static_assert(offsetof(LogHeader, latitude) == 1084);
static_assert(offsetof(LogHeader, longitude) == 1088);
static_assert(offsetof(LogHeader, hwVersion) == 1092);
static_assert(offsetof(LogHeader, fwVersion) == 1094);
static_assert(offsetof(LogHeader, blVersion) == 1096);
static_assert(offsetof(LogHeader, escVersion) == 1098);
static_assert(offsetof(LogHeader, userName) == 1100);
static_assert(offsetof(LogHeader, userRegNum) == 1132);
static_assert(offsetof(LogHeader, userRegNum) + offsetof(UserRegNum, num) == 1136);
static_assert(offsetof(LogHeader, energyRefJ) == 1140);
static_assert(offsetof(LogHeader, settSetName) == 1144);
static_assert(offsetof(LogHeader, settingsSet) == 1176);
static_assert(offsetof(LogHeader, motorPoles) == 1177);
static_assert(offsetof(LogHeader, loggerFreqHz) == 1178);
static_assert(offsetof(LogHeader, modelName) == 1184);
static_assert(offsetof(LogHeader, motorName) == 1216);
static_assert(offsetof(LogHeader, escName) == 1248);
static_assert(offsetof(LogHeader, reserved2) == 1280);

constexpr std::size_t kLogHeaderSize = sizeof(LogHeader);
constexpr std::uint32_t kIncompleteDotsCount = 0xFFFFFFFFu;
constexpr int kMaxLogParameters = 32;
constexpr float kNoPosition = 4294967296.0f;
// time_ms and the session number open every dot.
constexpr std::size_t kLogDotPrefixSize = 5;

// A header text field: its bytes up to the first zero byte, at most its width.
template <std::size_t N>
QByteArray logFieldBytes(const char (&field)[N])
{
    return QByteArray(field, qsizetype(std::find(field, field + N, '\0') - field));
}

template <std::size_t N>
QString logFieldText(const char (&field)[N])
{
    return QString::fromUtf8(logFieldBytes(field));
}

// A dot's raw byte value (descriptor type 10), kept apart from the unsigned
// 8-bit kind.
enum class LogRawByte : std::uint8_t {};

// One value of a dot. The decoder produces float, uint8_t, LogRawByte and
// int32_t; the writers handle every kind.
using LogValue = std::variant<float, std::uint64_t, std::int64_t, std::uint32_t, std::int32_t, std::uint16_t,
                              std::int16_t, std::uint8_t, std::int8_t, LogRawByte>;

struct LogDot
{
    std::uint32_t time_ms = 0; // milliseconds from the session start
    std::uint8_t sessionNumber = 0;
    std::vector<LogValue> values; // one per parameter
};

// Bytes a value of descriptor type `type` (low nibble) takes in a dot; 0 for
// types that carry nothing.
int logValueWidth(std::uint8_t type);

// The number of parameters the header describes, limited to the 32 slots.
int logParameterCount(const LogHeader &header);

// Why dots of this header cannot be cut and decoded, empty when they can: a
// dot size above 0, at most 32 parameters with room in the dot for all of
// them, and values that carry data (a few parameters of a type without bytes
// may stand among them).
QString logDotLayoutProblem(const LogHeader &header);
bool logDotLayoutUsable(const LogHeader &header);

// Decodes the dot at `dot` (`size` bytes available). A value that does not
// fit into the bytes is taken as 0; nothing past `size` is read.
LogDot decodeLogDot(const LogHeader &header, const char *dot, std::size_t size);

// The packed BCD words of a session header (two decimal digits per byte, the
// high nibble the tens; bits 0-7 unused): the date holds the two-digit year
// in bits 8-15 (taken as 20yy), the month in 16-23 and the day in 24-31; the
// time the second in bits 8-15, the minute in 16-23 and the hour in 24-31.
// Digits that give no date or time give an invalid one.
QDate logBcdDate(std::uint32_t date);
QTime logBcdTime(std::uint32_t time);

// Date and time (UTC) of a session from its BCD time and date words; invalid
// when either is.
QDateTime logDateTime(std::uint32_t time, std::uint32_t date);

class LogSession
{
public:
    LogSession();

    // Takes the next packet of the log data characteristic.
    void appendData(const QByteArray &packet);

    const LogHeader &header() const { return m_header; }
    void setHeader(const LogHeader &header) { m_header = header; }

    QString fileDeviceName() const { return m_fileDeviceName; }
    void setFileDeviceName(const QString &name) { m_fileDeviceName = name; }
    QString deviceName() const { return m_deviceName; }
    void setDeviceName(const QString &name) { m_deviceName = name; }
    std::uint64_t fullSessionSize() const { return m_fullSessionSize; }
    void setFullSessionSize(std::uint64_t size) { m_fullSessionSize = size; }

    std::uint64_t dotsExpected() const { return m_dotsExpected; }
    std::uint64_t bytesConsumed() const { return m_bytesConsumed; }
    // CRC-32 of every byte received so far.
    std::uint32_t crc32() const { return m_crc32; }
    const std::vector<LogDot> &dots() const { return m_dots; }

    QDateTime dateTime() const { return logDateTime(m_header.time, m_header.date); }
    bool isComplete() const { return m_header.head.dotsCount != kIncompleteDotsCount; }

private:
    void headerCompleted();
    void takeDots(const char *data, std::size_t size);

    QString m_fileDeviceName;
    std::uint64_t m_fullSessionSize = 0;
    std::uint64_t m_dotsExpected = 0;
    LogHeader m_header;
    QString m_deviceName;
    std::uint64_t m_bytesConsumed = 0;
    std::uint32_t m_crc32 = 0;
    std::vector<LogDot> m_dots;
    bool m_layoutUsable = false;
    // The announced size was smaller than a header: every dot is taken.
    bool m_sizeUnknown = false;
};
