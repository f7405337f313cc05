#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "HttpsTestServer.h"
#include "LogCapture.h"
#include "PackageBuilder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <QNetworkReply>

#include <memory>

namespace {

QJsonObject validElement()
{
    return QJsonObject{
        {"firmware_type", "main"},
        {"name", "Limiter 3.2"},
        {"description", "  Faster telemetry\n"},
        {"url", "https://example.invalid/fw.zip"},
        {"hash", "00112233445566778899aabbccddeeff01234567"},
        {"hardware_version", "82.1"},
        {"firmware_version", "3.2"},
        {"firmware_date", "15.03.2025"},
    };
}

QByteArray indexOf(const QJsonArray &elements)
{
    return QJsonDocument(elements).toJson(QJsonDocument::Compact);
}

QByteArray sha1(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QStringList cachedFiles()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .entryList(QDir::Files | QDir::NoDotAndDotDot);
}

} // namespace

class TestFirmwareDownloader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void indexFailures_data();
    void indexFailures();
    void elementRules_data();
    void elementRules();
    void validElementIsReadCompletely();
    void allElementsLeftOut();
    void secondRefreshWhileRunningSendsNothing();
    void untrustedServerFails();
    void oversizedReplies_data();
    void oversizedReplies();
    void indexIsLoggedBySizeNotBody();

    void downloadLoadsPackage();
    void downloadFailures_data();
    void downloadFailures();
    void replyOfEarlierRequestReachesItsHandler();
    void downloadsOfTwoRequestersStayApart();
    void packageOfAGoneRequesterIsDropped();

private:
    // Serves `body` as the index and refreshes; true when refreshFinished came.
    bool refreshWith(const QByteArray &body, FirmwareDownloader &downloader);
    // Serves package at path (after delayMs); the index entry of it.
    FirmwareInfo serve(const QString &path, const QByteArray &package, int delayMs = 0);

    HttpsTestServer m_server;
};

void TestFirmwareDownloader::initTestCase()
{
    QVERIFY2(m_server.startAsUpdateServer(QStringLiteral("DownloaderTest")), qPrintable(m_server.errorText()));
    QCOMPARE(FirmwareDownloader::indexUrl(), m_server.url("/upd-fw.json"));
}

void TestFirmwareDownloader::init()
{
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

bool TestFirmwareDownloader::refreshWith(const QByteArray &body, FirmwareDownloader &downloader)
{
    m_server.setResponse("/upd-fw.json", body);
    QSignalSpy finished(&downloader, &FirmwareDownloader::refreshFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.refresh();
    if (downloader.indexState() != FirmwareDownloader::IndexRequested)
        return false;
    if (!QTest::qWaitFor([&] { return finished.count() + failed.count() > 0; }, 10000))
        return false;
    return finished.count() == 1 && failed.isEmpty();
}

FirmwareInfo TestFirmwareDownloader::serve(const QString &path, const QByteArray &package, int delayMs)
{
    m_server.setResponse(path, HttpsTestServer::Response{200, package, delayMs});
    FirmwareInfo info;
    info.url = m_server.url(path).toString();
    info.hash = sha1(package);
    return info;
}

void TestFirmwareDownloader::indexFailures_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("error");

    QTest::newRow("top-level object") << QByteArray(R"({"firmware_type": "main"})")
                                      << "Incorrect remote data format.\nExpected array.";
    QTest::newRow("empty array") << QByteArray("[]") << "Incorrect remote data. No firmware info received";
    QTest::newRow("truncated document") << QByteArray(R"([{"firmware_type": "ma)")
                                        << "Error parsing update firmware info: unterminated string";
}

void TestFirmwareDownloader::indexFailures()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, error);

    FirmwareDownloader downloader;
    QVERIFY(!refreshWith(body, downloader));
    QCOMPARE(downloader.errorString(), error);
    QCOMPARE(downloader.indexState(), FirmwareDownloader::NoIndex);
    QVERIFY(downloader.firmwareList().isEmpty());
}

void TestFirmwareDownloader::elementRules_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVersionNumber>("hardware");

    const QVersionNumber none;
    QTest::newRow("as given") << "name" << QJsonValue("Limiter 3.2") << true << QVersionNumber(82, 1);
    QTest::newRow("type Main") << "firmware_type" << QJsonValue("Main") << false << none;
    QTest::newRow("type not text") << "firmware_type" << QJsonValue(1) << false << none;
    QTest::newRow("type bootloader") << "firmware_type" << QJsonValue("bootloader") << true << QVersionNumber(82, 1);
    QTest::newRow("type esc") << "firmware_type" << QJsonValue("esc") << true << QVersionNumber(82, 1);
    QTest::newRow("hardware 2") << "hardware_version" << QJsonValue("2") << false << none;
    QTest::newRow("hardware 1.2.3") << "hardware_version" << QJsonValue("1.2.3") << true << QVersionNumber(1, 2);
    QTest::newRow("hardware 1.x") << "hardware_version" << QJsonValue("1.x") << true << QVersionNumber(1, 0);
    QTest::newRow("hardware 7.") << "hardware_version" << QJsonValue("7.") << true << QVersionNumber(7, 0);
    QTest::newRow("firmware 3") << "firmware_version" << QJsonValue("3") << false << none;
    QTest::newRow("date 2025-03-15") << "firmware_date" << QJsonValue("2025-03-15") << false << none;
    QTest::newRow("date 31.02.2025") << "firmware_date" << QJsonValue("31.02.2025") << false << none;
    QTest::newRow("date 5.3.2025") << "firmware_date" << QJsonValue("5.3.2025") << false << none;
}

void TestFirmwareDownloader::elementRules()
{
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, accepted);
    QFETCH(QVersionNumber, hardware);

    QJsonObject element = validElement();
    element.insert(key, value);
    // A valid element behind it shows that a refused one does not end the walk.
    QJsonObject marker = validElement();
    marker.insert("name", "marker");

    FirmwareDownloader downloader;
    QVERIFY(refreshWith(indexOf({element, marker}), downloader));
    QCOMPARE(downloader.indexState(), FirmwareDownloader::IndexLoaded);
    const QList<FirmwareInfo> list = downloader.firmwareList();
    QCOMPARE(list.size(), accepted ? 2 : 1);
    QCOMPARE(list.last().name, QStringLiteral("marker"));
    if (accepted)
        QCOMPARE(list.first().hardwareVersion, hardware);
}

void TestFirmwareDownloader::validElementIsReadCompletely()
{
    QJsonObject bootloader = validElement();
    bootloader.insert("firmware_type", "bootloader");
    bootloader.insert("hash", "zz0a:0B");

    FirmwareDownloader downloader;
    QVERIFY(refreshWith(indexOf({validElement(), bootloader}), downloader));
    const QList<FirmwareInfo> list = downloader.firmwareList();
    QCOMPARE(list.size(), 2);

    const FirmwareInfo &info = list.first();
    QCOMPARE(info.type, FirmwareType::Main);
    QCOMPARE(info.name, QStringLiteral("Limiter 3.2"));
    QCOMPARE(info.description, QStringLiteral("Faster telemetry"));
    QCOMPARE(info.url, QStringLiteral("https://example.invalid/fw.zip"));
    QCOMPARE(info.hash, QByteArray::fromHex("00112233445566778899aabbccddeeff01234567"));
    QCOMPARE(info.hardwareVersion, QVersionNumber(82, 1));
    QCOMPARE(info.firmwareVersion, QVersionNumber(3, 2));
    QCOMPARE(info.date, QDateTime(QDate(2025, 3, 15), QTime(0, 0)));

    QCOMPARE(list.at(1).type, FirmwareType::Bootloader);
    QCOMPARE(list.at(1).hash, QByteArray("\x0a\x0b")); // non-hex characters are skipped
}

void TestFirmwareDownloader::allElementsLeftOut()
{
    QJsonObject wrongType = validElement();
    wrongType.insert("firmware_type", "Main");

    FirmwareDownloader downloader;
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    QVERIFY(refreshWith(indexOf({QJsonObject(), 5, "text", QJsonArray{1}, wrongType}), downloader));
    QCOMPARE(downloader.indexState(), FirmwareDownloader::IndexLoaded);
    QVERIFY(downloader.firmwareList().isEmpty());
    QVERIFY(failed.isEmpty());
}

void TestFirmwareDownloader::secondRefreshWhileRunningSendsNothing()
{
    const qsizetype before = m_server.requests().size();
    FirmwareDownloader downloader;
    m_server.setResponse("/upd-fw.json", indexOf({validElement()}));
    QSignalSpy finished(&downloader, &FirmwareDownloader::refreshFinished);
    downloader.refresh();
    downloader.refresh();
    // The second call made no request at all.
    QCOMPARE(downloader.findChildren<QNetworkReply *>().size(), 1);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_server.requests().size() - before, 1);
    QCOMPARE(downloader.firmwareList().size(), 1);

    // Once the index is loaded a refresh asks again and starts from an empty list.
    downloader.refresh();
    QVERIFY(downloader.firmwareList().isEmpty());
    QVERIFY(finished.wait(10000));
    QCOMPARE(m_server.requests().size() - before, 2);
}

void TestFirmwareDownloader::untrustedServerFails()
{
    HttpsTestServer stranger;
    QVERIFY2(stranger.start(), qPrintable(stranger.errorText()));
    stranger.setResponse("/upd-fw.json", indexOf({validElement()}));
    stranger.setResponse("/fw.zip", QByteArray("zip"));
    qputenv(FirmwareDownloader::kUpdateServerVariable, stranger.authority().toLatin1());
    auto restore = qScopeGuard([this] {
        qputenv(FirmwareDownloader::kUpdateServerVariable, m_server.authority().toLatin1());
    });

    FirmwareDownloader downloader;
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    QSignalSpy finished(&downloader, &FirmwareDownloader::refreshFinished);
    downloader.refresh();
    QVERIFY(failed.wait(10000));
    QVERIFY(finished.isEmpty());
    QCOMPARE(downloader.indexState(), FirmwareDownloader::NoIndex);
    QVERIFY(!downloader.errorString().isEmpty());

    FirmwareInfo info;
    info.url = stranger.url("/fw.zip").toString();
    info.hash = sha1("zip");
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    downloader.download(info);
    QVERIFY(failed.wait(10000));
    QVERIFY(loaded.isEmpty());
    QVERIFY(downloader.errorString().startsWith("Error loading firmware file: "));
    QVERIFY(cachedFiles().isEmpty());
}

void TestFirmwareDownloader::oversizedReplies_data()
{
    QTest::addColumn<bool>("index");
    QTest::addColumn<HttpsTestServer::Response>("response");
    QTest::addColumn<QString>("error"); // empty: accepted

    const QByteArray element = indexOf({validElement()});
    // Valid JSON of exactly the limit: the array padded with white space.
    const QByteArray atLimit = element + QByteArray(FirmwareDownloader::kMaxIndexSize - element.size(), ' ');
    const QByteArray overLimit = atLimit + ' ';
    const QString indexRefused = QStringLiteral("Update index refused: the server sent more than 1048576 bytes.");
    QTest::newRow("index at the limit") << true << HttpsTestServer::Response{200, atLimit} << QString();
    QTest::newRow("index one byte over") << true << HttpsTestServer::Response{200, overLimit} << indexRefused;
    QTest::newRow("index over, length not announced")
        << true << HttpsTestServer::Response{200, overLimit, 0, 0, false} << indexRefused;
    // Sent as it is read: the client must stop reading, not buffer it all.
    QTest::newRow("300 MB index, length not announced")
        << true << HttpsTestServer::Response{200, QByteArray("[{}, "), 0, 300'000'000, false} << indexRefused;

    QJsonArray many;
    for (qsizetype i = 0; i <= FirmwareDownloader::kMaxIndexEntries; ++i)
        many.append(QJsonObject());
    QTest::newRow("index of too many entries")
        << true << HttpsTestServer::Response{200, indexOf(many)}
        << QStringLiteral("Update index refused: 2049 entries, more than 2048.");

    const QString packageRefused = QStringLiteral("Firmware file refused: the server sent more than 4194304 bytes.");
    QTest::newRow("package over the limit")
        << false << HttpsTestServer::Response{200, QByteArray(1024, 'p'), 0, (4 << 20) + 1, true} << packageRefused;
    QTest::newRow("300 MB package, length not announced")
        << false << HttpsTestServer::Response{200, QByteArray(4096, 'p'), 0, 300'000'000, false} << packageRefused;
}

void TestFirmwareDownloader::oversizedReplies()
{
    QFETCH(bool, index);
    QFETCH(HttpsTestServer::Response, response);
    QFETCH(QString, error);

    FirmwareDownloader downloader;
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    QSignalSpy refreshFailed(&downloader, &FirmwareDownloader::refreshFailed);
    QSignalSpy downloadFailed(&downloader, &FirmwareDownloader::downloadFailed);
    QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
    if (index) {
        m_server.setResponse("/upd-fw.json", response);
        downloader.refresh();
    } else {
        m_server.setResponse("/packages/huge.zip", response);
        FirmwareInfo info;
        info.url = m_server.url("/packages/huge.zip").toString();
        downloader.download(info);
    }
    QTRY_COMPARE_WITH_TIMEOUT(failed.count() + refreshed.count(), 1, 20000);
    if (error.isEmpty()) {
        QCOMPARE(downloader.indexState(), FirmwareDownloader::IndexLoaded);
        QCOMPARE(downloader.firmwareList().size(), 1);
        return;
    }
    QCOMPARE(downloader.errorString(), error);
    QCOMPARE(refreshFailed.count(), index ? 1 : 0);
    QCOMPARE(downloadFailed.count(), index ? 0 : 1);
    if (!index)
        QCOMPARE(downloadFailed.first().first().toString(), error);
    QCOMPARE(downloader.indexState(), FirmwareDownloader::NoIndex);
    QVERIFY(cachedFiles().isEmpty());
}

void TestFirmwareDownloader::indexIsLoggedBySizeNotBody()
{
    QJsonObject element = validElement();
    element.insert("description", "a description seen only in the body");
    const QByteArray body = indexOf({element, validElement()});
    LogCapture log({QStringLiteral("firmware.download")});
    FirmwareDownloader downloader;
    QVERIFY(refreshWith(body, downloader));
    const QStringList lines = log.messages();
    QVERIFY2(lines.contains(QStringLiteral("response: %1").arg(body.size())), qPrintable(lines.join('\n')));
    QVERIFY(lines.contains(QStringLiteral("entries: 2")));
    QVERIFY(lines.filter(QStringLiteral("seen only in the body")).isEmpty());
}

void TestFirmwareDownloader::downloadLoadsPackage()
{
    const QByteArray image(3000, 'i');
    const FirmwareInfo info =
        serve("/packages/main.zip", PackageBuilder::standard("app.dat", "init", "app.bin", image));

    FirmwareDownloader downloader;
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.download(info);
    QVERIFY(loaded.wait(10000));
    QVERIFY(failed.isEmpty());
    std::unique_ptr<Firmware> firmware(loaded.first().first().value<Firmware *>());
    QVERIFY(firmware && firmware->isLoaded());
    QCOMPARE(firmware->initData(), QByteArray("init"));
    QCOMPARE(firmware->imageData(), image);
    QCOMPARE(downloader.indexState(), FirmwareDownloader::NoIndex); // a download leaves the index alone
    QVERIFY(cachedFiles().isEmpty());                               // removed once loaded
}

void TestFirmwareDownloader::downloadFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("matchingHash");
    QTest::addColumn<QString>("error");

    const QByteArray package = PackageBuilder::standard("app.dat", "init", "app.bin", "image");
    QTest::newRow("hash mismatch") << 200 << package << false << "Firmware file corrupted, can't update";
    QTest::newRow("HTTP error") << 404 << QByteArray("gone") << true
                                << "Error loading firmware file: Error transferring %1 - server replied: Not Found";
    QTest::newRow("zip without manifest")
        << 200 << PackageBuilder::zip({{"app.bin", "image"}}) << true
        << "No manifest file (manifest.json) in the archive";
    QTest::newRow("not a zip") << 200 << QByteArray("plain text") << true << "";
}

void TestFirmwareDownloader::downloadFailures()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, matchingHash);
    QFETCH(QString, error);

    const QUrl url = m_server.url("/packages/bad.zip");
    m_server.setResponse(url.path(), HttpsTestServer::Response{status, body, 0});
    FirmwareInfo info;
    info.url = url.toString();
    info.hash = matchingHash ? sha1(body) : sha1(body + "x");

    FirmwareDownloader downloader;
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.download(info);
    QVERIFY(failed.wait(10000));
    QVERIFY(loaded.isEmpty());
    if (error.isEmpty())
        QVERIFY(!downloader.errorString().isEmpty()); // the zip layer's own text
    else
        QCOMPARE(downloader.errorString(), error.contains("%1") ? error.arg(url.toString()) : error);
    QVERIFY(cachedFiles().isEmpty());
}

void TestFirmwareDownloader::replyOfEarlierRequestReachesItsHandler()
{
    // The index answers late; a download started meanwhile re-points the
    // manager. Each reply must still be read by the handler of its kind.
    m_server.setResponse("/upd-fw.json", HttpsTestServer::Response{200, indexOf({validElement()}), 400});
    const FirmwareInfo info =
        serve("/packages/quick.zip", PackageBuilder::standard("app.dat", "init", "app.bin", "image"));

    FirmwareDownloader downloader;
    QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.refresh();
    downloader.download(info);
    QTRY_COMPARE_WITH_TIMEOUT(refreshed.count() + loaded.count(), 2, 10000);
    QVERIFY2(failed.isEmpty(), qPrintable(downloader.errorString()));
    QCOMPARE(downloader.indexState(), FirmwareDownloader::IndexLoaded);
    QCOMPARE(downloader.firmwareList().size(), 1);
    delete loaded.first().first().value<Firmware *>();
}

void TestFirmwareDownloader::downloadsOfTwoRequestersStayApart()
{
    // Two device tabs share the downloader; the slower download was asked
    // for first. Each package goes to its own requester and is checked
    // against its own entry's hash.
    const FirmwareInfo firstInfo = serve(
        "/packages/first.zip", PackageBuilder::standard("app.dat", "first", "app.bin", QByteArray(3000, '1')), 300);
    const FirmwareInfo secondInfo =
        serve("/packages/second.zip", PackageBuilder::standard("app.dat", "second", "app.bin", QByteArray(3000, '2')));

    FirmwareDownloader downloader;
    QObject tabA;
    QObject tabB;
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.download(firstInfo, &tabA);
    downloader.download(secondInfo, &tabB);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count() + failed.count(), 2, 10000);
    QVERIFY2(failed.isEmpty(), qPrintable(downloader.errorString()));
    QMap<QObject *, QByteArray> inits;
    for (const QList<QVariant> &arguments : std::as_const(loaded)) {
        std::unique_ptr<Firmware> firmware(arguments.at(0).value<Firmware *>());
        inits.insert(arguments.at(1).value<QObject *>(), firmware->initData());
    }
    QCOMPARE(inits.value(&tabA), QByteArray("first"));
    QCOMPARE(inits.value(&tabB), QByteArray("second"));
}

void TestFirmwareDownloader::packageOfAGoneRequesterIsDropped()
{
    const FirmwareInfo info =
        serve("/packages/late.zip", PackageBuilder::standard("app.dat", "init", "app.bin", "image"), 200);

    FirmwareDownloader downloader;
    QSignalSpy loaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    auto tab = std::make_unique<QObject>();
    downloader.download(info, tab.get());
    tab.reset(); // the tab closes while the package is on its way
    // The server sees the request; the package, once loaded, is nobody's.
    QTRY_VERIFY(m_server.requests().contains("/packages/late.zip"));
    QTRY_VERIFY_WITH_TIMEOUT(cachedFiles().isEmpty() && !downloader.findChild<QNetworkReply *>(), 10000);
    QVERIFY(loaded.isEmpty());
    QVERIFY(failed.isEmpty());
}

QTEST_GUILESS_MAIN(TestFirmwareDownloader)
#include "tst_firmwaredownloader.moc"
