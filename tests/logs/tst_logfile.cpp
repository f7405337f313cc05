#include "LogFile.h"

#include "InteropTools.h"
#include "JsonNumberTexts.h"
#include "LogFixtures.h"
#include "ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using nlohmann::json;

Q_DECLARE_METATYPE(std::vector<LogDot>)

namespace {

const std::vector<ParameterSpec> kParameters = {
    {"U, V", 0x31}, {"Current", 0x56}, {"Throttle", 0x58}, {"Flags", 0x0A}, {"Temp", 0x57}};

QString fixturePath(const char *name)
{
    return QStringLiteral(GW_SOURCE_DIR "/tests/logs/data/") + QString::fromLatin1(name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string local(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

// A session streamed through LogSession like one read from a device.
LogSession streamedSession(const LogHeader &h, int dots, const QString &device = QStringLiteral("Limiter1"))
{
    QByteArray stream = headerBytes(h);
    for (int i = 0; i < dots; ++i)
        stream += dotBytes(h, std::uint32_t(i * 20), std::uint8_t(h.head.sessionNumber),
                           {1234.5 + i, 500.0 + i, double(i), double(0xF0 + i), -300.0 + i, 7.0});
    LogSession session;
    session.setFullSessionSize(std::uint64_t(stream.size()));
    for (qsizetype at = 0; at < stream.size(); at += 244)
        session.appendData(stream.mid(at, 244));
    session.setFileDeviceName(device);
    session.setDeviceName(device);
    return session;
}

// The fixture of the stored files: texts with a comma, non-ASCII and an
// invalid UTF-8 byte, and every kind the decoder produces.
LogSession fixtureSession()
{
    std::vector<ParameterSpec> parameters = kParameters;
    parameters.push_back({"Temp \xc3\xa9, bad \xff", 0x09});
    parameters.push_back({"Zero", 0x00});
    LogHeader h = makeHeader(parameters);
    setText(h.userName, "Iv\xc3\xa1n");
    return streamedSession(h, 3);
}

std::string entryText(const QString &archivePath, const char *entry)
{
    Zippy::ZipArchive archive(local(archivePath));
    return archive.GetEntry(entry).GetDataAsText();
}

json referenceValue(const LogValue &v)
{
    return std::visit(
        [](auto x) -> json {
            using T = decltype(x);
            if constexpr (std::is_same_v<T, float>)
                return double(x);
            else if constexpr (std::is_same_v<T, LogRawByte>)
                return unsigned(x);
            else
                return x;
        },
        v);
}

LogDot dot(std::uint32_t time, std::uint8_t session, std::vector<LogValue> values)
{
    return LogDot{time, session, std::move(values)};
}

} // namespace

class tst_LogFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules(QStringLiteral("logs.session.debug=false\nlogs.file.debug=false"));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("country");
        QTest::addColumn<uint>("session");
        QTest::addColumn<uint>("dotsCount");
        QTest::addColumn<uint>("date");
        QTest::addColumn<QString>("expected");
        const uint date = 0x09122600;
        QTest::newRow("session 5") << "Limiter1" << "RUS" << 5u << 10u << date
                                   << "Limiter1_(RUS-27)_09.12.2026_14.30_005.verira";
        QTest::newRow("session 1234") << "Limiter1" << "RUS" << 1234u << 10u << date
                                      << "Limiter1_(RUS-27)_09.12.2026_14.30_1234.verira";
        QTest::newRow("empty country") << "Limiter1" << "" << 7u << 10u << date
                                       << "Limiter1_(None-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("incomplete") << "Limiter1" << "RUS" << 7u << 0xFFFFFFFFu << date
                                    << "Limiter1_(RUS-27)_09.12.2026_14.30_007x.verira";
        QTest::newRow("no date") << "Limiter1" << "RUS" << 7u << 10u << 0x01132600u
                                 << "Limiter1_(RUS-27)_NoDate_007.verira";
        QTest::newRow("non-ASCII name") << QString::fromUtf8("Лодка") << "RUS" << 7u << 10u << date
                                        << QString::fromUtf8("Лодка_(RUS-27)_09.12.2026_14.30_007.verira");
        // Texts from the device never reach outside the logs folder.
        QTest::newRow("parent folders") << "../../evil" << "RUS" << 7u << 10u << date
                                        << "evil_(RUS-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("absolute path") << "/etc/passwd" << "RUS" << 7u << 10u << date
                                       << "etcpasswd_(RUS-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("drive and backslashes") << "C:\\Windows\\x" << "R\\S" << 7u << 10u << date
                                               << "CWindowsx_(RS-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("control and forbidden characters") << "a\tb\nc<d>e|f?g*h\"i\x7f" << "..\x01" << 7u << 10u
                                                          << date << "abcdefghi_(None-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("placeholders stay text") << "dev%3%6" << "%1" << 7u << 10u << date
                                                << "dev%3%6_(%1-27)_09.12.2026_14.30_007.verira";
        QTest::newRow("long name cut") << QString(200, QLatin1Char('n')) << "RUS" << 7u << 10u << date
                                       << QString(64, QLatin1Char('n')) + "_(RUS-27)_09.12.2026_14.30_007.verira";
    }

    // The name pattern, and every file saved under it lands in the folder.
    void fileNames()
    {
        QFETCH(QString, device);
        QFETCH(QString, country);
        QFETCH(uint, session);
        QFETCH(uint, dotsCount);
        QFETCH(uint, date);
        QFETCH(QString, expected);
        LogHeader h = makeHeader(kParameters);
        setText(h.userRegNum.country, country.toStdString());
        h.head.sessionNumber = session;
        h.head.dotsCount = dotsCount;
        h.date = date;
        LogSession s = streamedSession(h, 2, device);

        QTemporaryDir dir;
        const QString logs = dir.filePath(QStringLiteral("logs"));
        QCOMPARE(logFilePath(logs, s, QStringLiteral(".verira")), logs + QLatin1Char('/') + expected);
        const LogWriteResult result = saveLogFile(logs, s);
        QVERIFY2(result.ok, qPrintable(result.errorString));
        QCOMPARE(result.filePath, logs + QLatin1Char('/') + expected);
        QCOMPARE(QDir(logs).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{expected});
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"logs"});
        const LogWriteResult csv = exportLogCsv(logs, s);
        QVERIFY(csv.ok);
        QCOMPARE(QFileInfo(csv.filePath).dir(), QDir(logs));
    }

    // A second name of a session keeps its number last, so the name still
    // reads as that session's, and its incomplete mark beside it.
    void copyNames()
    {
        LogHeader h = makeHeader(kParameters);
        LogSession s = streamedSession(h, 2);
        QCOMPARE(logFilePath(QStringLiteral("/logs"), s, QStringLiteral(".verira"), 2),
                 QStringLiteral("/logs/Limiter1_(RUS-27)_09.12.2026_14.30(2)_007.verira"));
        h.date = 0;
        h.head.dotsCount = kIncompleteDotsCount;
        s = streamedSession(h, 2);
        QCOMPARE(logFilePath(QStringLiteral("/logs"), s, QStringLiteral(".csv"), 3),
                 QStringLiteral("/logs/Limiter1_(RUS-27)_NoDate(3)_007x.csv"));
    }

    // The complete log of a session replaces its incomplete one, but only
    // once it is written; the incomplete CSV stays.
    void completeReplacesIncomplete()
    {
        QTemporaryDir dir;
        LogHeader h = makeHeader(kParameters);
        h.head.dotsCount = kIncompleteDotsCount;
        const LogSession incomplete = streamedSession(h, 2);
        QVERIFY(saveLogFile(dir.path(), incomplete).ok);
        QVERIFY(exportLogCsv(dir.path(), incomplete).ok);
        const QString x = QStringLiteral("Limiter1_(RUS-27)_09.12.2026_14.30_007x");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({x + ".csv", x + ".verira"}));

        h.head.dotsCount = 4;
        const LogSession complete = streamedSession(h, 4);
        // A folder in the way of the complete file: the save fails and the
        // incomplete log is still there.
        const QString target = dir.filePath(QStringLiteral("Limiter1_(RUS-27)_09.12.2026_14.30_007.verira"));
        QVERIFY(QDir().mkdir(target));
        const LogWriteResult failed = saveLogFile(dir.path(), complete);
        QVERIFY(!failed.ok);
        QVERIFY2(failed.errorString.contains(QDir::toNativeSeparators(target)), qPrintable(failed.errorString));
        QVERIFY(QFileInfo::exists(dir.filePath(x + ".verira")));
        QCOMPARE(QDir(dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());

        QVERIFY(QDir().rmdir(target));
        QVERIFY(saveLogFile(dir.path(), complete).ok);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({"Limiter1_(RUS-27)_09.12.2026_14.30_007.verira", x + ".csv"}));
        QCOMPARE(readLogMetadata(target).header().head.dotsCount, 4u);
    }

    void unwritableFolder()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("a-file"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString logs = blocker + QStringLiteral("/logs");
        const LogSession s = streamedSession(makeHeader(kParameters), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot create the folder")));
        const LogWriteResult log = saveLogFile(logs, s);
        QVERIFY(!log.ok);
        QVERIFY(log.errorString.contains(QDir::toNativeSeparators(logs)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot create the folder")));
        const LogWriteResult csv = exportLogCsv(logs, s);
        QVERIFY(!csv.ok);
        // Where both fail for the folder they say the same, so it is said once.
        QCOMPARE(csv.errorString, log.errorString);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No folder")));
        QVERIFY(!saveLogFile(QString(), s).ok);
    }

    // Both entries byte for byte as stored fixtures; python's zipfile and
    // json read them and write the same bytes again.
    void entriesByteExact()
    {
        QTemporaryDir dir;
        const LogWriteResult saved = saveLogFile(dir.path(), fixtureSession());
        QVERIFY(saved.ok);
        const std::string metadata = entryText(saved.filePath, "metadata.json");
        const std::string data = entryText(saved.filePath, "data.json");
        QCOMPARE(QByteArray::fromStdString(metadata), readAll(fixturePath("session7-metadata.json")));
        QCOMPARE(QByteArray::fromStdString(data), readAll(fixturePath("session7-data.json")));
        QCOMPARE(json::parse(metadata).at("parametersDesc").at("parameters").at(5).at(0).get<std::string>(),
                 std::string("Temp \xc3\xa9, bad \xef\xbf\xbd"));

        if (python3Program().isEmpty())
            QSKIP("python3 is not installed");
        const char *script = R"(
import json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    assert z.testzip() is None
    assert z.namelist() == ['metadata.json', 'data.json'], z.namelist()
    for name in z.namelist():
        text = z.read(name).decode('utf-8')
        again = json.dumps(json.loads(text), indent=4, ensure_ascii=False, sort_keys=True)
        assert again == text, name
print('ok')
)";
        const ToolResult python = runPython(QString::fromLatin1(script), {saved.filePath});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const ToolResult unzip = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), saved.filePath});
        if (unzip.started)
            QVERIFY2(unzip.exitCode == 0, unzip.output.constData());
    }

    void dataJsonMatchesLibraryDump_data()
    {
        QTest::addColumn<std::vector<LogDot>>("dots");
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("no dots") << std::vector<LogDot>{};
        QTest::newRow("dot without values") << std::vector<LogDot>{dot(0, 0, {})};
        QTest::newRow("every kind") << std::vector<LogDot>{dot(
            4294967295u, 255,
            {LogValue(12.345f), LogValue(std::uint64_t(18446744073709551615ull)),
             LogValue(std::int64_t(-9223372036854775807ll - 1)), LogValue(std::uint32_t(4294967295u)),
             LogValue(std::int32_t(-2147483647 - 1)), LogValue(std::uint16_t(65535)), LogValue(std::int16_t(-32768)),
             LogValue(std::uint8_t(255)), LogValue(std::int8_t(-128)), LogValue(LogRawByte(171))})};
        QTest::newRow("special floats") << std::vector<LogDot>{
            dot(1, 2, {LogValue(std::nanf("")), LogValue(inf), LogValue(-inf), LogValue(-0.0f), LogValue(0.0f)}),
            dot(2, 2, {LogValue(1e-45f), LogValue(3.4028235e38f), LogValue(500.0f), LogValue(1e16f),
                       LogValue(123456789.0f), LogValue(1e-5f), LogValue(0.1f)})};
        std::mt19937 random(20260209);
        std::vector<LogDot> many;
        for (int i = 0; i < 200; ++i) {
            std::vector<LogValue> values;
            for (int j = 0; j < 10; ++j) {
                const std::uint32_t bits = random();
                float f;
                std::memcpy(&f, &bits, sizeof f);
                values.emplace_back(f);
            }
            values.emplace_back(std::int32_t(random()));
            many.push_back(dot(std::uint32_t(i * 20), 3, std::move(values)));
        }
        QTest::newRow("random bit patterns") << many;
        // The number texts are made for a stretch of dots at a time.
        std::vector<LogDot> stretches;
        for (int i = 0; i < 2 * 4096 + 3; ++i) {
            std::vector<LogValue> values{LogValue(std::int32_t(i))};
            if (i % 3 != 0)
                values.emplace_back(float(i) / 7.0f);
            if (i % 5 == 0)
                values.emplace_back(-float(i) * 1e30f);
            stretches.push_back(dot(std::uint32_t(i * 20), 3, std::move(values)));
        }
        QTest::newRow("dots of several stretches") << stretches;
    }

    // The streamed data.json is the library's own dump with indent 4.
    void dataJsonMatchesLibraryDump()
    {
        QFETCH(std::vector<LogDot>, dots);
        json reference = json::array();
        for (const LogDot &d : dots) {
            json values = json::array();
            for (const LogValue &v : d.values)
                values.push_back(referenceValue(v));
            reference.push_back({{"common", {{"sessionNumber", d.sessionNumber}, {"time_ms", d.time_ms}}},
                                 {"data", values}});
        }
        const std::vector<char> written = logDataJson(dots);
        QCOMPARE(std::string(written.begin(), written.end()), reference.dump(4, ' ', false, json::error_handler_t::replace));
    }

    void numberTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        const auto ofBits = [](std::uint64_t bits) {
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        };
        const auto ofFloatBits = [](std::uint32_t bits) {
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return double(f);
        };
        // The texts the library has always written for these.
        QTest::newRow("zero") << 0.0 << QByteArray("0.0");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0.0");
        QTest::newRow("whole number") << -300.0 << QByteArray("-300.0");
        QTest::newRow("1e15") << 1e15 << QByteArray("1e+15");
        QTest::newRow("1e15 + 1") << 1e15 + 1 << QByteArray("1.000000000000001e+15");
        QTest::newRow("2^53") << 9007199254740992.0 << QByteArray("9.007199254740992e+15");
        QTest::newRow("float of 123456789") << double(123456789.0f) << QByteArray("123456792.0");
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QByteArray("0.30000000000000004");
        QTest::newRow("float of 0.1") << double(0.1f) << QByteArray("0.10000000149011612");
        QTest::newRow("0.0001") << 0.0001 << QByteArray("0.0001");
        QTest::newRow("0.00001") << 0.00001 << QByteArray("1e-05");
        QTest::newRow("1e300") << 1e300 << QByteArray("1e+300");
        QTest::newRow("-1e300") << -1e300 << QByteArray("-1e+300");
        QTest::newRow("1e-300") << 1e-300 << QByteArray("1e-300");
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << QByteArray("1.7976931348623157e+308");
        QTest::newRow("smallest normal double") << std::numeric_limits<double>::min() << QByteArray("2.2250738585072014e-308");
        QTest::newRow("largest subnormal double") << ofBits(0x000fffffffffffffull) << QByteArray("2.225073858507201e-308");
        QTest::newRow("smallest subnormal double") << std::numeric_limits<double>::denorm_min() << QByteArray("5e-324");
        QTest::newRow("largest float") << double(std::numeric_limits<float>::max()) << QByteArray("3.4028234663852886e+38");
        QTest::newRow("lowest float") << double(std::numeric_limits<float>::lowest()) << QByteArray("-3.4028234663852886e+38");
        QTest::newRow("smallest normal float") << double(std::numeric_limits<float>::min()) << QByteArray("1.1754943508222875e-38");
        QTest::newRow("smallest subnormal float") << double(std::numeric_limits<float>::denorm_min())
                                                  << QByteArray("1.401298464324817e-45");
        // Where the library's texts are not the shortest or not the nearest
        // of the shortest (what std::to_chars writes: 4.974609548353101e-43,
        // 2.740519406680045e-41, 77734751.57149825, -7.01535645135897e+81).
        QTest::newRow("subnormal float 0x163") << ofFloatBits(0x163) << QByteArray("4.9746095483531006e-43");
        QTest::newRow("subnormal float 0x4c65") << ofFloatBits(0x4c65) << QByteArray("2.7405194066800447e-41");
        QTest::newRow("double 0x4192888d7e4936d6") << ofBits(0x4192888d7e4936d6ull) << QByteArray("77734751.57149824");
        QTest::newRow("double 0xd0ed9539a00e2ab7") << ofBits(0xd0ed9539a00e2ab7ull) << QByteArray("-7.0153564513589696e+81");
        // Values of the stored logs and fuzz corpora.
        QTest::newRow("corpus 12.344999313354492") << double(12.344999313354492f) << QByteArray("12.344999313354492");
        QTest::newRow("corpus 6.999999459367245e-05") << double(6.999999459367245e-05f) << QByteArray("6.999999459367245e-05");
        QTest::newRow("corpus 0.00019999999494757503") << double(0.00019999999494757503f)
                                                       << QByteArray("0.00019999999494757503");
        QTest::newRow("corpus 12.375") << double(12.375f) << QByteArray("12.375");
        QTest::newRow("NaN") << std::nan("") << QByteArray("null");
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("null");
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << QByteArray("null");
    }

    // data.json's numbers, one among others of a stretch: the texts the
    // library has always written, which it reads back as the same double.
    void numberTexts()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        JsonNumberTexts texts({1.5, value, -2.0});
        QCOMPARE(QByteArray::fromStdString(std::string(texts.next())), QByteArray("1.5"));
        QCOMPARE(QByteArray::fromStdString(std::string(texts.next())), text);
        QCOMPARE(QByteArray::fromStdString(std::string(texts.next())), QByteArray("-2.0"));
        QVERIFY(texts.next().empty());
        if (std::isfinite(value)) {
            const double read = json::parse(text.toStdString()).get<double>();
            QCOMPARE(std::memcmp(&read, &value, sizeof value), 0);
        }
    }

    void csvFile()
    {
        QTemporaryDir dir;
        LogSession s = fixtureSession();
        const LogWriteResult result = exportLogCsv(dir.path(), s);
        QVERIFY(result.ok);
        QCOMPARE(QFileInfo(result.filePath).fileName(), QStringLiteral("Limiter1_(RUS-27)_09.12.2026_14.30_007.csv"));
        const QList<QByteArray> lines = readAll(result.filePath).split('\n');
        QCOMPARE(lines.size(), 5 + 3 + 1);
        QVERIFY(lines[0].startsWith("# RADEvadazo Log File. Created: "));
        const QDateTime created = QDateTime::fromString(QString::fromUtf8(lines[0].mid(32)), Qt::TextDate);
        QVERIFY(qAbs(created.secsTo(QDateTime::currentDateTime())) < 60);
        QCOMPARE(lines[1], "# Race date: " + QDateTime(QDate(2026, 12, 9), QTime(14, 30, 59), Qt::UTC).toString(Qt::TextDate).toUtf8());
        QCOMPARE(lines[2], QByteArray("# User: Iv\xc3\xa1n"));
        QCOMPARE(lines[3], QByteArray("# Session: 7"));
        QCOMPARE(lines[4], QByteArray("# Time_ms, U_V, Current, Throttle, Flags, Temp, Temp \xc3\xa9_bad \xef\xbf\xbd, Zero, "));
        QCOMPARE(lines[5], QByteArray("0, 12.345, 500, 0, 240, -300, 7e-05, 0, "));
        QCOMPARE(lines[7], QByteArray("40, 12.365, 502, 2, 242, -298, 7e-05, 0, "));
        QCOMPARE(lines[8], QByteArray());
    }

    // Line breaks and quotes in the header's texts stay on their comment
    // lines: python's csv reader (blanks after the separator skipped) sees
    // exactly the data rows.
    void csvHeaderTextsStayComments()
    {
        if (python3Program().isEmpty())
            QSKIP("python3 is not installed");
        LogHeader h = makeHeader({{"\"U\r\nV", 0x31}, {"Tab\there", 0x56}});
        setText(h.userName, "Ivan\n123, 456");
        QTemporaryDir dir;
        const LogWriteResult result = exportLogCsv(dir.path(), streamedSession(h, 2));
        QVERIFY(result.ok);
        const QList<QByteArray> lines = readAll(result.filePath).split('\n');
        QCOMPARE(lines.size(), 5 + 2 + 1);
        QCOMPARE(lines[2], QByteArray("# User: Ivan 123, 456"));
        QCOMPARE(lines[4], QByteArray("# Time_ms, 'U  V, Tab here, "));

        const char *script = R"(
import csv, json, sys
rows = [r for r in csv.reader(open(sys.argv[1], newline=''), skipinitialspace=True) if not r[0].startswith('#')]
print(json.dumps(rows))
)";
        const ToolResult read = runPython(QString::fromLatin1(script), {result.filePath});
        QCOMPARE(read.exitCode, 0);
        const json rows = json::parse(read.output.toStdString());
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[1][0].get<std::string>(), std::string("20"));
    }

    // A header that gives more parameters than a log holds is not written
    // as a file the readers would refuse.
    void tooManyParametersRefused()
    {
        LogHeader h = makeHeader(kParameters);
        h.parametersDesc.parametersCount = 40;
        QTemporaryDir dir;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("gives 40 parameters")));
        const LogWriteResult saved = saveLogFile(dir.path(), streamedSession(h, 2));
        QVERIFY(!saved.ok);
        QVERIFY(saved.errorString.contains(QStringLiteral("at most 32")));
        QVERIFY(!QFileInfo::exists(saved.filePath));
    }

    void csvFloatFormat_data()
    {
        QTest::addColumn<float>("value");
        for (float v : {0.0f, -0.0f, 1.0f, -1.5f, 12.345f, 0.0001f, 0.00001f, 123456.0f, 1234567.0f, 1e10f, 3.4028235e38f,
                        1e-45f, 0.1f, 999999.5f, std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity(), std::nanf(""), -std::nanf("")})
            QTest::addRow("%g", double(v)) << v;
    }

    // CSV floats read as a default text stream writes them.
    void csvFloatFormat()
    {
        QFETCH(float, value);
        QString expected;
        QTextStream(&expected) << value;
        QByteArray line;
        appendLogCsvLine(line, dot(1, 1, {LogValue(value)}));
        QCOMPARE(QString::fromLatin1(line), QStringLiteral("1, %1, \n").arg(expected));
    }

    void readMetadataRoundTrip()
    {
        QTemporaryDir dir;
        LogHeader h = makeHeader(kParameters);
        setText(h.userName, std::string(32, 'u')); // no terminating zero
        setText(h.escName, std::string(31, 'e'));
        h.latitude = kNoPosition;
        const LogWriteResult saved = saveLogFile(dir.path(), streamedSession(h, 3, QStringLiteral("Dev")));
        QVERIFY(saved.ok);
        const LogSession read = readLogMetadata(saved.filePath);
        QCOMPARE(headerBytes(read.header()), headerBytes(h));
        QCOMPARE(read.deviceName(), QStringLiteral("Dev"));
        QVERIFY(read.dots().empty());
    }

    void readMetadataFailures_data()
    {
        QTest::addColumn<QByteArray>("metadata"); // null: no such entry
        QTest::addColumn<bool>("fails");
        const json good = json::parse(logMetadataJson(streamedSession(makeHeader(kParameters), 1)));
        const auto text = [](const json &j) { return QByteArray::fromStdString(j.dump(4)); };
        json j;
        QTest::newRow("good") << text(good) << false;
        j = good; j.erase("deviceName");
        QTest::newRow("no deviceName reads as No name") << text(j) << false;
        j = good; j["latitude"] = nullptr;
        QTest::newRow("null position reads as NaN") << text(j) << false;
        j = good; j["time"] = true;
        QTest::newRow("a boolean is a number") << text(j) << false;
        j = good; j.erase("escName");
        QTest::newRow("no escName") << text(j) << true;
        j = good; j["head"].erase("dotsCount");
        QTest::newRow("no head.dotsCount") << text(j) << true;
        j = good; j["time"] = "14:30";
        QTest::newRow("time as text") << text(j) << true;
        j = good; j["userName"] = 5;
        QTest::newRow("userName as number") << text(j) << true;
        j = good; j["parametersDesc"]["parametersCount"] = 33;
        QTest::newRow("33 parameters") << text(j) << true;
        j = good; j["parametersDesc"]["parametersCount"] = -1;
        QTest::newRow("negative parameter count") << text(j) << true;
        j = good; j["parametersDesc"]["parametersCount"] = 6;
        QTest::newRow("fewer parameters than counted") << text(j) << true;
        j = good; j["parametersDesc"]["parameters"][0] = "U";
        QTest::newRow("parameter not an array") << text(j) << true;
        // Numbers no field can hold are refused, not converted at random.
        j = good; j["parametersDesc"]["parametersCount"] = 1e300;
        QTest::newRow("parametersCount 1e300") << text(j) << true;
        j = good; j["time"] = 1e300;
        QTest::newRow("time 1e300") << text(j) << true;
        j = good; j["userRegNum"]["num"] = 1e300;
        QTest::newRow("num 1e300") << text(j) << true;
        j = good; j["latitude"] = 1e300;
        QTest::newRow("latitude beyond a float") << text(j) << true;
        j = good; j["parametersDesc"]["parameters"][0][1] = 1e300;
        QTest::newRow("parameter type 1e300") << text(j) << true;
        j = good; j["time"] = 338712832.0;
        QTest::newRow("time as a float") << text(j) << false;
        QTest::newRow("not JSON") << QByteArray("{\"time\": 1,") << true;
        QTest::newRow("JSON with a comment") << QByteArray("// note\n") + text(good) << true;
        QTest::newRow("no metadata.json") << QByteArray() << true;
    }

    void readMetadataFailures()
    {
        QFETCH(QByteArray, metadata);
        QFETCH(bool, fails);
        const QString path = m_dir.filePath(QStringLiteral("%1.verira").arg(QTest::currentDataTag()));
        {
            Zippy::ZipArchive archive;
            archive.Create(local(path));
            if (!metadata.isNull())
                archive.AddEntry("metadata.json", metadata.toStdString());
            archive.AddEntry("data.json", std::string("[]"));
            archive.Save();
        }
        if (!fails) {
            const LogSession s = readLogMetadata(path);
            const json j = json::parse(metadata.toStdString());
            QCOMPARE(s.deviceName(), j.contains("deviceName") ? QStringLiteral("Limiter1") : QStringLiteral("No name"));
            QCOMPARE(std::isnan(s.header().latitude), j["latitude"].is_null());
            QCOMPARE(s.header().userRegNum.num, std::uint16_t(27));
            return;
        }
        QVERIFY_THROWS_EXCEPTION(std::exception, readLogMetadata(path));
    }

    void readNoLogFile()
    {
        const QString text = m_dir.filePath(QStringLiteral("text.verira"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not an archive");
        file.close();
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, readLogMetadata(text));
        QVERIFY_THROWS_EXCEPTION(Zippy::ZipRuntimeError, readLogMetadata(m_dir.filePath(QStringLiteral("none.verira"))));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("none.verira"))));
    }
};

QTEST_GUILESS_MAIN(tst_LogFile)
#include "tst_logfile.moc"
