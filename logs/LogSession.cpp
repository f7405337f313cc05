#include "LogSession.h"

#include <QtEndian>

#include <cstring>

#include "Crc32.h"

Q_LOGGING_CATEGORY(lcLogSession, "logs.session")

namespace {

// The most bytes a decoded dot may take in memory per byte of the dot.
constexpr std::size_t kMaxDotMemoryFactor = 16;

// 10 to the power (code - 5), as 32-bit floats.
constexpr float kScale[16] = {1e-5f, 1e-4f, 1e-3f, 1e-2f, 1e-1f, 1e0f, 1e1f, 1e2f,
                              1e3f,  1e4f,  1e5f,  1e6f,  1e7f,  1e8f, 1e9f, 1e10f};

template <typename T>
T readLittleEndian(const char *p)
{
    return qFromLittleEndian<T>(p);
}

float readFloat(const char *p)
{
    const std::uint32_t bits = readLittleEndian<std::uint32_t>(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

LogValue decodeValue(std::uint8_t type, float scale, const char *p)
{
    switch (type) {
    case 1:
        return readFloat(p) * scale;
    case 2:
        return float(double(readLittleEndian<std::uint64_t>(p)) * double(scale));
    case 3:
        return float(double(readLittleEndian<std::int64_t>(p)) * double(scale));
    case 4:
        return float(readLittleEndian<std::uint32_t>(p)) * scale;
    case 5:
        return float(readLittleEndian<std::int32_t>(p)) * scale;
    case 6:
        return float(readLittleEndian<std::uint16_t>(p)) * scale;
    case 7:
        return float(readLittleEndian<std::int16_t>(p)) * scale;
    case 8: {
        // At most 255e10: well inside the range of a 64-bit integer.
        const float scaled = float(std::uint8_t(*p)) * scale;
        return std::uint8_t(std::int64_t(scaled) & 0xFF);
    }
    case 9:
        return float(std::uint8_t(*p)) * scale;
    case 10:
        return LogRawByte(std::uint8_t(*p));
    default:
        return std::int32_t(0);
    }
}

} // namespace

int logValueWidth(std::uint8_t type)
{
    switch (type) {
    case 1: case 4: case 5:
        return 4;
    case 2: case 3:
        return 8;
    case 6: case 7:
        return 2;
    case 8: case 9: case 10:
        return 1;
    default:
        return 0;
    }
}

int logParameterCount(const LogHeader &header)
{
    return std::min<int>(header.parametersDesc.parametersCount, kMaxLogParameters);
}

QString logDotLayoutProblem(const LogHeader &header)
{
    const ParametersDesc &desc = header.parametersDesc;
    if (desc.logDotSize == 0)
        return QStringLiteral("dot size 0");
    if (desc.parametersCount > kMaxLogParameters)
        return QStringLiteral("%1 parameters").arg(desc.parametersCount);
    std::size_t valueBytes = 0;
    int empty = 0;
    for (int i = 0; i < desc.parametersCount; ++i) {
        const int width = logValueWidth(desc.parameters[i] & 0x0F);
        valueBytes += std::size_t(width);
        empty += width == 0;
    }
    if (kLogDotPrefixSize + valueBytes > desc.logDotSize)
        return QStringLiteral("dot size %1, parameters need %2 bytes").arg(desc.logDotSize).arg(kLogDotPrefixSize + valueBytes);
    // A decoded dot takes many times its size on the wire; parameters of a
    // type that carries no bytes would let every byte received cost a
    // hundred in memory. A dot that takes a byte per value stays well within
    // kMaxDotMemoryFactor.
    if (valueBytes == 0)
        return QStringLiteral("the parameters carry no data");
    const std::size_t memory = sizeof(LogDot) + std::size_t(desc.parametersCount) * sizeof(LogValue);
    if (memory > kMaxDotMemoryFactor * desc.logDotSize)
        return QStringLiteral("%1 of %2 parameters carry no data").arg(empty).arg(desc.parametersCount);
    return QString();
}

bool logDotLayoutUsable(const LogHeader &header)
{
    return logDotLayoutProblem(header).isEmpty();
}

LogDot decodeLogDot(const LogHeader &header, const char *dot, std::size_t size)
{
    LogDot result;
    if (size < kLogDotPrefixSize)
        return result;
    result.time_ms = readLittleEndian<std::uint32_t>(dot);
    result.sessionNumber = std::uint8_t(dot[4]);
    const int count = logParameterCount(header);
    result.values.reserve(std::size_t(count));
    std::size_t pos = kLogDotPrefixSize;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t descriptor = header.parametersDesc.parameters[i];
        const std::uint8_t type = descriptor & 0x0F;
        const std::size_t width = std::size_t(logValueWidth(type));
        if (pos + width > size) {
            result.values.emplace_back(std::int32_t(0));
            continue;
        }
        result.values.push_back(decodeValue(type, kScale[descriptor >> 4], dot + pos));
        pos += width;
    }
    return result;
}

namespace {

// Two decimal digits of the byte at `shift` of a BCD word.
int bcdByte(std::uint32_t word, int shift)
{
    const std::uint32_t byte = (word >> shift) & 0xFF;
    return int((byte >> 4) * 10 + (byte & 0x0F));
}

} // namespace

QDate logBcdDate(std::uint32_t date)
{
    return QDate(2000 + bcdByte(date, 8), bcdByte(date, 16), bcdByte(date, 24));
}

QTime logBcdTime(std::uint32_t time)
{
    return QTime(bcdByte(time, 24), bcdByte(time, 16), bcdByte(time, 8));
}

QDateTime logDateTime(std::uint32_t time, std::uint32_t date)
{
    const QTime t = logBcdTime(time);
    const QDate d = logBcdDate(date);
    if (!t.isValid() || !d.isValid())
        return QDateTime();
    return QDateTime(d, t, Qt::UTC);
}

LogSession::LogSession()
{
    std::memset(&m_header, 0, sizeof m_header);
}

void LogSession::appendData(const QByteArray &packet)
{
    const char *data = packet.constData();
    const std::size_t n = std::size_t(packet.size());
    m_crc32 = checksum::crc32(data, n, m_crc32);

    std::size_t offset = 0;
    if (m_bytesConsumed < kLogHeaderSize) {
        auto *header = reinterpret_cast<char *>(&m_header);
        if (m_bytesConsumed + n < kLogHeaderSize) {
            std::memcpy(header + m_bytesConsumed, data, n);
            m_bytesConsumed += n;
            qCDebug(lcLogSession) << "HEADER: Bytes read: " << m_bytesConsumed;
            return;
        }
        offset = std::size_t(kLogHeaderSize - m_bytesConsumed);
        std::memcpy(header + m_bytesConsumed, data, offset);
        m_bytesConsumed = kLogHeaderSize;
        headerCompleted();
    }
    if (n > offset)
        takeDots(data + offset, n - offset);
}

void LogSession::headerCompleted()
{
    const QString problem = logDotLayoutProblem(m_header);
    m_layoutUsable = problem.isEmpty();
    const ParametersDesc &desc = m_header.parametersDesc;
    if (!m_layoutUsable)
        qCWarning(lcLogSession).noquote() << "Log header describes no usable dot:" << problem;
    m_sizeUnknown = m_fullSessionSize < kLogHeaderSize;
    if (m_sizeUnknown) {
        qCWarning(lcLogSession, "Announced session size %llu is below the header size; every dot is taken",
                  static_cast<unsigned long long>(m_fullSessionSize));
        m_dotsExpected = 0;
    } else {
        m_dotsExpected = m_layoutUsable ? (m_fullSessionSize - kLogHeaderSize) / desc.logDotSize : 0;
    }

    qCDebug(lcLogSession) << "Header read finished. Session: " << m_header.head.sessionNumber
                          << "fullSessionSize:" << m_fullSessionSize;
    qCDebug(lcLogSession) << logFieldText(m_header.userName) << logFieldText(m_header.userRegNum.country)
                          << m_header.userRegNum.num;
    qCDebug(lcLogSession) << "LogSize: " << m_fullSessionSize << "header log dots: " << m_header.head.dotsCount;
    if (m_header.head.dotsCount == kIncompleteDotsCount)
        qCDebug(lcLogSession) << "this is not full log. LogSize: " << m_fullSessionSize;
}

void LogSession::takeDots(const char *data, std::size_t size)
{
    if (!m_layoutUsable) {
        qCWarning(lcLogSession, "Log data dropped, the header describes no usable dot. Data size: %zu", size);
        return;
    }
    const std::size_t dotSize = m_header.parametersDesc.logDotSize;
    if (size % dotSize != 0) {
        qCWarning(lcLogSession, "Not aligned log data!!! Data size: %zu", size);
        return;
    }
    std::uint64_t count = size / dotSize;
    if (m_sizeUnknown) {
        // Without a size the header's own count is the bound, when it has one.
        const std::uint32_t counted = m_header.head.dotsCount;
        if (counted != kIncompleteDotsCount)
            count = std::min<std::uint64_t>(count, counted - std::min<std::uint64_t>(counted, m_dots.size()));
    } else {
        const std::uint64_t received = m_dots.size();
        if ((received & 0xFFFFFFFFu) == (m_dotsExpected & 0xFFFFFFFFu))
            return;
        const std::uint64_t left = m_dotsExpected - received;
        if (left < count) {
            qCDebug(lcLogSession) << "last dotsLeft = " << left;
            qCDebug(lcLogSession) << "last recordsInPacket = " << count;
            count = left;
        }
    }
    for (std::uint64_t i = 0; i < count; ++i) {
        m_dots.push_back(decodeLogDot(m_header, data + i * dotSize, dotSize));
        m_bytesConsumed += dotSize;
    }
}
