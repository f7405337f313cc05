#include "LogSession.h"

#include "LogFixtures.h"

#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(LogValue)

namespace {

// Bit by bit, as a cross-check of the session's table-driven CRC.
std::uint32_t referenceCrc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Four parameters of different widths: 5 + 4 + 2 + 1 + 1 = 13 bytes a dot.
const std::vector<ParameterSpec> kParameters = {
    {"U, V", 0x31}, {"Current", 0x56}, {"Throttle", 0x58}, {"Flags", 0x0A}};

QByteArray dotsStream(const LogHeader &h, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += dotBytes(h, std::uint32_t(i * 20), 7, {1000.0 + i, 500.0 + i, double(i % 256), double(255 - i)});
    return out;
}

// Sends the header in packets of the given sizes (repeated as needed); the
// packet that completes it carries `extraDots` dots as well; the remaining
// dots follow four to a packet.
void feed(LogSession &session, const QByteArray &stream, const QList<int> &headerSizes, int extraDots, int dotSize)
{
    qsizetype at = 0;
    for (int i = 0; at < qsizetype(kLogHeaderSize); ++i) {
        qsizetype n = headerSizes.at(i % headerSizes.size());
        if (at + n >= qsizetype(kLogHeaderSize))
            n = qsizetype(kLogHeaderSize) - at + extraDots * dotSize;
        session.appendData(stream.mid(at, n));
        at += n;
    }
    for (; at < stream.size(); at += 4 * dotSize)
        session.appendData(stream.mid(at, 4 * dotSize));
}

} // namespace

class tst_LogSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // The header phase writes a debug line per packet; only warnings matter here.
        QLoggingCategory::setFilterRules(QStringLiteral("logs.session.debug=false"));
    }

    void assembly_data()
    {
        QTest::addColumn<QList<int>>("headerSizes");
        QTest::addColumn<int>("extraDots");
        QTest::addColumn<int>("dotCount");
        QTest::newRow("header alone") << QList<int>{1536} << 0 << 0;
        QTest::newRow("header and dots in one packet") << QList<int>{1536} << 3 << 3;
        QTest::newRow("byte by byte") << QList<int>{1} << 0 << 10;
        QTest::newRow("244-byte packets") << QList<int>{244} << 0 << 21;
        QTest::newRow("uneven packets, dots in the last") << QList<int>{7, 500, 1000} << 2 << 60;
        QTest::newRow("completed by a packet with dots") << QList<int>{1500} << 2 << 200;
    }

    // However the header is split, it is assembled byte for byte, the dots
    // start right after it, and the CRC covers every byte received.
    void assembly()
    {
        QFETCH(QList<int>, headerSizes);
        QFETCH(int, extraDots);
        QFETCH(int, dotCount);
        const LogHeader h = makeHeader(kParameters);
        QCOMPARE(int(h.parametersDesc.logDotSize), 13);
        const QByteArray stream = headerBytes(h) + dotsStream(h, dotCount);

        LogSession session;
        session.setFullSessionSize(std::uint64_t(stream.size()));
        feed(session, stream, headerSizes, extraDots, 13);

        QCOMPARE(headerBytes(session.header()), headerBytes(h));
        QCOMPARE(session.dotsExpected(), std::uint64_t(dotCount));
        QCOMPARE(session.dots().size(), std::size_t(dotCount));
        QCOMPARE(session.bytesConsumed(), std::uint64_t(1536 + 13 * dotCount));
        QCOMPARE(session.crc32(), referenceCrc32(stream));
        for (int i = 0; i < dotCount; ++i) {
            const LogDot &dot = session.dots()[std::size_t(i)];
            QCOMPARE(dot.time_ms, std::uint32_t(i * 20));
            QCOMPARE(dot.sessionNumber, std::uint8_t(7));
            QCOMPARE(dot.values.size(), std::size_t(4));
            QCOMPARE(std::get<float>(dot.values[0]), float(1000 + i) * 1e-2f);
            QCOMPARE(std::get<float>(dot.values[1]), float(500 + i));
            QCOMPARE(std::get<std::uint8_t>(dot.values[2]), std::uint8_t(i % 256));
            QVERIFY(std::get<LogRawByte>(dot.values[3]) == LogRawByte(255 - i));
        }
    }

    void crcOfCheckString()
    {
        LogSession session;
        session.appendData("1234");
        session.appendData("56789");
        QCOMPARE(session.crc32(), 0xCBF43926u);
    }

    // A data part that is no whole number of dots is dropped whole.
    void unalignedDataDropped()
    {
        const LogHeader h = makeHeader({{"a", 0x54}, {"b", 0x56}, {"c", 0x59}}, 12);
        LogSession session;
        session.setFullSessionSize(1536 + 12 * 10);
        session.appendData(headerBytes(h));
        QTest::ignoreMessage(QtWarningMsg, "Not aligned log data!!! Data size: 20");
        session.appendData(QByteArray(20, '\1'));
        QVERIFY(session.dots().empty());
        QCOMPARE(session.bytesConsumed(), std::uint64_t(1536));
        session.appendData(dotBytes(h, 1, 7, {1, 2, 3}) + dotBytes(h, 2, 7, {4, 5, 6}));
        QCOMPARE(session.dots().size(), std::size_t(2));
        QCOMPARE(session.bytesConsumed(), std::uint64_t(1536 + 24));
    }

    // Dots beyond the announced size are ignored.
    void surplusDotsIgnored()
    {
        const LogHeader h = makeHeader(kParameters);
        LogSession session;
        session.setFullSessionSize(1536 + 13 * 10);
        session.appendData(headerBytes(h) + dotsStream(h, 8));
        QCOMPARE(session.dots().size(), std::size_t(8));
        QLoggingCategory::setFilterRules(QStringLiteral("logs.session.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^last dotsLeft = +2$")));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^last recordsInPacket = +5$")));
        session.appendData(dotsStream(h, 5));
        QCOMPARE(session.dots().size(), std::size_t(10));
        session.appendData(dotsStream(h, 3));
        QCOMPARE(session.dots().size(), std::size_t(10));
        QCOMPARE(session.bytesConsumed(), std::uint64_t(1536 + 13 * 10));
    }

    void unusableLayouts_data()
    {
        QTest::addColumn<int>("dotSize");
        QTest::addColumn<int>("parameterCount");
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<quint64>("fullSessionSize");
        QTest::newRow("dot size 0") << 0 << 2 << 0x56 << quint64(1536 + 100);
        QTest::newRow("33 parameters") << 200 << 33 << 0x59 << quint64(1536 + 400);
        QTest::newRow("parameters wider than the dot") << 10 << 2 << 0x52 << quint64(1536 + 100);
        // Values that carry no bytes: a 5-byte dot would cost hundreds of
        // bytes in memory.
        QTest::newRow("32 parameters of no width") << 5 << 32 << 0x0B << quint64(1536 + 100);
        QTest::newRow("type 0") << 20 << 3 << 0x00 << quint64(1536 + 100);
        QTest::newRow("no parameters") << 5 << 0 << 0x56 << quint64(1536 + 100);
    }

    // A header that cannot be cut into dots: no division by zero, no read
    // past the dot or the packet, the data dropped with a warning.
    void unusableLayouts()
    {
        QFETCH(int, dotSize);
        QFETCH(int, parameterCount);
        QFETCH(int, descriptor);
        QFETCH(quint64, fullSessionSize);
        LogHeader h = makeHeader({});
        h.parametersDesc.logDotSize = std::uint8_t(dotSize);
        h.parametersDesc.parametersCount = std::uint8_t(parameterCount);
        std::memset(h.parametersDesc.parameters, descriptor, sizeof h.parametersDesc.parameters);
        QVERIFY(!logDotLayoutUsable(h));

        LogSession session;
        session.setFullSessionSize(fullSessionSize);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Log header describes no usable dot")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Log data dropped.*Data size: 100$")));
        session.appendData(headerBytes(h) + QByteArray(100, '\x7f'));
        QVERIFY(session.dots().empty());
        QCOMPARE(session.dotsExpected(), std::uint64_t(0));
    }

    // A parameter without bytes may stand among others; a dot made of them
    // is refused.
    void parametersWithoutBytes()
    {
        std::vector<ParameterSpec> mixed = kParameters;
        mixed.push_back({"Unused", 0x00});
        QVERIFY(logDotLayoutUsable(makeHeader(mixed)));
        std::vector<ParameterSpec> hollow = {{"Byte", 0x58}};
        hollow.resize(32, ParameterSpec{"None", 0x0B});
        QCOMPARE(logDotLayoutProblem(makeHeader(hollow)), QStringLiteral("31 of 32 parameters carry no data"));
    }

    // An announced size below the header's is no size at all: every dot is
    // kept rather than the whole session lost.
    void sizeBelowHeader()
    {
        const LogHeader h = makeHeader(kParameters);
        LogSession session;
        session.setFullSessionSize(100);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Announced session size 100")));
        session.appendData(headerBytes(h) + dotsStream(h, 4));
        session.appendData(dotsStream(h, 2));
        QCOMPARE(session.dots().size(), std::size_t(6));

        // The header's own count, when it gives one, still bounds the dots.
        LogHeader counted = h;
        counted.head.dotsCount = 5;
        LogSession bounded;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Announced session size 0")));
        bounded.appendData(headerBytes(counted) + dotsStream(h, 4));
        bounded.appendData(dotsStream(h, 4));
        QCOMPARE(bounded.dots().size(), std::size_t(5));
    }

    void decode_data()
    {
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<double>("raw");
        QTest::addColumn<LogValue>("expected");
        QTest::newRow("float, scale code 3") << 0x31 << 1234.5 << LogValue(1234.5f * 1e-2f); // 12.345
        QTest::newRow("float, scale code 5") << 0x51 << -0.25 << LogValue(-0.25f);
        QTest::newRow("u64 in double precision") << 0x52 << 123456789012.0 << LogValue(float(123456789012.0 * double(1.0f)));
        QTest::newRow("i64 negative, scale code 4") << 0x43 << -40.0 << LogValue(float(-40.0 * double(1e-1f)));
        QTest::newRow("u32, scale code 4") << 0x44 << 1005.0 << LogValue(1005.0f * 1e-1f);
        QTest::newRow("i32 negative") << 0x55 << -5.0 << LogValue(-5.0f);
        QTest::newRow("u16 500, scale code 5") << 0x56 << 500.0 << LogValue(500.0f);
        QTest::newRow("i16 negative, scale code 6") << 0x67 << -300.0 << LogValue(-3000.0f);
        QTest::newRow("u8 kept as u8") << 0x58 << 200.0 << LogValue(std::uint8_t(200));
        QTest::newRow("u8 scaled down, truncated") << 0x48 << 255.0 << LogValue(std::uint8_t(25));
        QTest::newRow("u8 scaled up, low 8 bits") << 0x68 << 30.0 << LogValue(std::uint8_t(300 & 0xFF));
        QTest::newRow("u8 as float, scale code 15") << 0xF9 << 2.0 << LogValue(2e10f);
        QTest::newRow("u8 as float, scale code 0") << 0x09 << 3.0 << LogValue(3.0f * 1e-5f);
        QTest::newRow("raw byte, scale ignored") << 0xFA << 171.0 << LogValue(LogRawByte(171));
        QTest::newRow("type 0") << 0x50 << 0.0 << LogValue(std::int32_t(0));
        QTest::newRow("type 11") << 0x5B << 0.0 << LogValue(std::int32_t(0));
        QTest::newRow("type 15") << 0xFF << 0.0 << LogValue(std::int32_t(0));
    }

    // Each type and scale code, followed by a marker byte that shows where
    // the position stood after the value.
    void decode()
    {
        QFETCH(int, descriptor);
        QFETCH(double, raw);
        QFETCH(LogValue, expected);
        const LogHeader h = makeHeader({{"value", std::uint8_t(descriptor)}, {"marker", 0x0A}});
        const QByteArray bytes = dotBytes(h, 0x01020304, 9, {raw, 0xAB});
        const std::vector<char> exact(bytes.begin(), bytes.end());
        const LogDot dot = decodeLogDot(h, exact.data(), exact.size());
        QCOMPARE(dot.time_ms, 0x01020304u);
        QCOMPARE(dot.sessionNumber, std::uint8_t(9));
        QCOMPARE(dot.values.size(), std::size_t(2));
        QCOMPARE(dot.values[0].index(), expected.index());
        QVERIFY2(dot.values[0] == expected, qPrintable(QStringLiteral("kind %1").arg(expected.index())));
        QVERIFY(dot.values[1] == LogValue(LogRawByte(0xAB)));
    }

    // A dot shorter than its parameters need: the values that do not fit
    // are 0, and nothing past the given bytes is read.
    void decodeShortDot()
    {
        const LogHeader h = makeHeader({{"a", 0x56}, {"b", 0x52}});
        const std::vector<char> bytes = {1, 0, 0, 0, 3, 10, 0, 1, 2, 3};
        const LogDot dot = decodeLogDot(h, bytes.data(), bytes.size());
        QCOMPARE(dot.values.size(), std::size_t(2));
        QVERIFY(dot.values[0] == LogValue(10.0f));
        QVERIFY(dot.values[1] == LogValue(std::int32_t(0)));
        QVERIFY(decodeLogDot(h, bytes.data(), 3).values.empty());
    }

    void dateTime_data()
    {
        QTest::addColumn<uint>("time");
        QTest::addColumn<uint>("date");
        QTest::addColumn<QDateTime>("expected");
        const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
        };
        QTest::newRow("14:30:59 on 9.12.26") << 0x14305900u << 0x09122600u << utc(2026, 12, 9, 14, 30, 59);
        QTest::newRow("low bytes ignored") << 0x000000FFu << 0x010100FFu << utc(2000, 1, 1, 0, 0, 0);
        QTest::newRow("29 February of a leap year") << 0x23595900u << 0x29022400u << utc(2024, 2, 29, 23, 59, 59);
        QTest::newRow("digits unchecked: 0x1A is 20") << 0x1A000000u << 0x01019900u << utc(2099, 1, 1, 20, 0, 0);
        QTest::newRow("month 13") << 0x12000000u << 0x01132600u << QDateTime();
        QTest::newRow("29 February otherwise") << 0x12000000u << 0x29022500u << QDateTime();
        QTest::newRow("hour 24") << 0x24000000u << 0x01012600u << QDateTime();
        QTest::newRow("all zero") << 0u << 0u << QDateTime();
    }

    void dateTime()
    {
        QFETCH(uint, time);
        QFETCH(uint, date);
        QFETCH(QDateTime, expected);
        const QDateTime result = logDateTime(time, date);
        QCOMPARE(result.isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(result, expected);
            QCOMPARE(result.timeSpec(), Qt::UTC);
        } else {
            QVERIFY(result.toString(Qt::TextDate).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(tst_LogSession)
#include "tst_logsession.moc"
