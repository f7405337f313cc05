#include "LogMetadata.h"

#include "HostileLogs.h"
#include "LogFile.h"
#include "ZipArchive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using nlohmann::json;

namespace {

struct Entry
{
    std::string name;
    std::string text;
};

} // namespace

class TestLogMetadata : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_serial = 0;

    QString writeArchive(const std::vector<Entry> &entries)
    {
        const QString path = m_dir.filePath(QStringLiteral("log%1.verira").arg(++m_serial));
        Zippy::ZipArchive archive;
        archive.Create(QFile::encodeName(path).toStdString());
        for (const Entry &entry : entries)
            archive.AddEntry(entry.name, entry.text);
        archive.Save();
        return path;
    }

private slots:
    void hostileMetadataIsRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("refusal");
        for (const HostileMetadata &hostile : hostileMetadata()) {
            QTest::newRow(hostile.name.c_str())
                << writeArchive({{"metadata.json", hostile.metadata}, {"data.json", "[]"}})
                << QString::fromStdString(hostile.refusal);
        }
    }

    // Refused by the reader every log reader shares, so also by the one of
    // the device program.
    void hostileMetadataIsRefused()
    {
        QFETCH(QString, path);
        QFETCH(QString, refusal);
        for (const LogEntries required : {LogEntries::Metadata, LogEntries::MetadataAndData}) {
            try {
                readLogMetadataDocument(path, required);
                QFAIL("read");
            } catch (const LogFileError &e) {
                QVERIFY2(QString::fromUtf8(e.what()).contains(refusal), e.what());
                QVERIFY2(QString::fromUtf8(e.what()).contains("metadata.json"), e.what());
                QCOMPARE(e.reason(), LogFileError::Reason::Refused);
            }
        }
        QVERIFY_THROWS_EXCEPTION(LogFileError, readLogMetadata(path));
    }

    // A log as deep and as large as one can be is read.
    void largestLogIsRead()
    {
        json metadata = plainLogMetadata();
        json parameters = json::array();
        const std::string name(31, '\x01'); // each byte written as \u0001
        for (int i = 0; i < kMaxLogParameters; ++i)
            parameters.push_back(json::array({name, 15, 15}));
        metadata["parametersDesc"]["parameters"] = parameters;
        metadata["parametersDesc"]["parametersCount"] = kMaxLogParameters;
        for (const char *key : {"userName", "settSetName", "modelName", "motorName", "escName", "deviceName"})
            metadata[key] = std::string(32, '\x02');
        const std::string text = metadata.dump(4);
        QVERIFY(text.size() < kMaxLogMetadataSize);
        const QString path = writeArchive({{"metadata.json", text}});
        QCOMPARE(readLogMetadataDocument(path, LogEntries::Metadata), metadata);
        QCOMPARE(logParameterNames(logParameterList(metadata)).size(), kMaxLogParameters);
    }

    void missingOrEmptyEntries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("required");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("reason");
        const std::string metadata = plainLogMetadata().dump(4);
        const QString noData = writeArchive({{"metadata.json", metadata}});
        const int missing = int(LogFileError::Reason::MissingEntry);
        QTest::newRow("no metadata.json") << writeArchive({{"data.json", "[]"}}) << int(LogEntries::Metadata)
                                          << "The file holds no metadata.json" << missing;
        QTest::newRow("no data.json") << noData << int(LogEntries::MetadataAndData) << "The file holds no data.json"
                                      << missing;
        QTest::newRow("empty metadata.json") << writeArchive({{"metadata.json", ""}, {"data.json", "[]"}})
                                             << int(LogEntries::Metadata) << "metadata.json is empty"
                                             << int(LogFileError::Reason::EmptyMetadata);
    }

    void missingOrEmptyEntries()
    {
        QFETCH(QString, path);
        QFETCH(int, required);
        QFETCH(QString, words);
        QFETCH(int, reason);
        try {
            readLogMetadataDocument(path, LogEntries(required));
            QFAIL("read");
        } catch (const LogFileError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), words);
            QCOMPARE(int(e.reason()), reason);
        }
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("value"); // JSON
        QTest::addColumn<QString>("type");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<QString>("error"); // empty: converted
        QTest::newRow("integer") << "4000000000" << "uint32" << qint64(4000000000) << "";
        QTest::newRow("fraction cut") << "4294967295.9" << "uint32" << qint64(4294967295) << "";
        QTest::newRow("just above uint32") << "4294967296.0" << "uint32" << qint64(0) << "range";
        QTest::newRow("1e300 as uint32") << "1e300" << "uint32" << qint64(0) << "range";
        QTest::newRow("1e300 as int64") << "1e300" << "int64" << qint64(0) << "range";
        QTest::newRow("-1e300 as int32") << "-1e300" << "int32" << qint64(0) << "range";
        QTest::newRow("2^63 as int64") << "9223372036854775808.0" << "int64" << qint64(0) << "range";
        QTest::newRow("lowest int64") << "-9223372036854775808.0" << "int64" << std::numeric_limits<qint64>::min()
                                      << "";
        QTest::newRow("negative float as uint8") << "-1.0" << "uint8" << qint64(0) << "range";
        QTest::newRow("small negative float cut to 0") << "-0.5" << "uint8" << qint64(0) << "";
        QTest::newRow("256.0 as uint8") << "256.0" << "uint8" << qint64(0) << "range";
        // Integers and booleans convert as the library converts them.
        QTest::newRow("negative integer wraps") << "-1" << "uint32" << qint64(4294967295) << "";
        QTest::newRow("boolean") << "true" << "int32" << qint64(1) << "";
        QTest::newRow("text") << "\"7\"" << "int32" << qint64(0) << "type";
        QTest::newRow("null") << "null" << "int64" << qint64(0) << "type";
    }

    void numbers()
    {
        QFETCH(QString, value);
        QFETCH(QString, type);
        QFETCH(qint64, expected);
        QFETCH(QString, error);
        const json number = json::parse(value.toStdString());
        QString what;
        qint64 got = 0;
        try {
            if (type == "uint32")
                got = logMetadataNumber<quint32>(number, "n");
            else if (type == "int32")
                got = logMetadataNumber<qint32>(number, "n");
            else if (type == "uint8")
                got = logMetadataNumber<quint8>(number, "n");
            else
                got = logMetadataNumber<qint64>(number, "n");
        } catch (const json::out_of_range &e) {
            QVERIFY2(QByteArray(e.what()).contains("\"n\": the number "), e.what());
            what = "range";
        } catch (const json::type_error &) {
            what = "type";
        }
        QCOMPARE(what, error);
        QCOMPARE(got, expected);
    }

    void sessionTitle_data()
    {
        QTest::addColumn<QString>("change"); // JSON merged into the metadata
        QTest::addColumn<QString>("title");  // empty: refused
        QTest::newRow("as written") << "{}" << "Limiter1 (RUS-27): 7";
        QTest::newRow("no device name") << R"({"deviceName": null})" << "? (RUS-27): 7";
        QTest::newRow("largest unsigned session") << R"({"head": {"sessionNumber": 18446744073709551615}})"
                                                  << "Limiter1 (RUS-27): 18446744073709551615";
        QTest::newRow("negative number") << R"({"userRegNum": {"num": -3}})" << "Limiter1 (RUS--3): 7";
        QTest::newRow("float number") << R"({"userRegNum": {"num": 27.9}})" << "Limiter1 (RUS-27): 7";
        QTest::newRow("number 1e300") << R"({"userRegNum": {"num": 1e300}})" << "";
        QTest::newRow("session 1e300") << R"({"head": {"sessionNumber": 1e300}})" << "";
        QTest::newRow("no head") << R"({"head": null})" << "";
        QTest::newRow("country a number") << R"({"userRegNum": {"country": 1}})" << "";
    }

    void sessionTitle()
    {
        QFETCH(QString, change);
        QFETCH(QString, title);
        json metadata = plainLogMetadata();
        metadata.merge_patch(json::parse(change.toStdString()));
        if (title.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(json::exception, logSessionTitle(metadata, QStringLiteral("?")));
            return;
        }
        QCOMPARE(logSessionTitle(metadata, QStringLiteral("?")), title);
    }

    void parameterNames_data()
    {
        QTest::addColumn<QString>("parameters"); // JSON; empty: no key
        QTest::addColumn<int>("count");          // -1: refused
        QTest::newRow("none") << "" << 0;
        QTest::newRow("two") << R"([["U", 1, 5], ["I", 1, 5]])" << 2;
        QString many = "[";
        for (int i = 0; i < 33; ++i)
            many += QStringLiteral("%1[\"P%2\", 1, 5]").arg(i ? "," : "").arg(i);
        QTest::newRow("33 parameters") << many + "]" << -1;
        QTest::newRow("entry without name") << "[[]]" << -1;
        QTest::newRow("an object") << R"({"U": 1})" << -1;
    }

    void parameterNames()
    {
        QFETCH(QString, parameters);
        QFETCH(int, count);
        json metadata = plainLogMetadata();
        if (parameters.isEmpty())
            metadata["parametersDesc"].erase("parameters");
        else
            metadata["parametersDesc"]["parameters"] = json::parse(parameters.toStdString());
        const json &list = logParameterList(metadata);
        QCOMPARE(&list == &metadata["parametersDesc"]["parameters"], !parameters.isEmpty()); // never a copy
        if (count < 0) {
            QVERIFY_THROWS_EXCEPTION(json::exception, logParameterNames(list));
            return;
        }
        QCOMPARE(logParameterNames(list).size(), count);
    }
};

QTEST_GUILESS_MAIN(TestLogMetadata)
#include "tst_logmetadata.moc"
