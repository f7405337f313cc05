// download_bench: what hostile or broken update downloads cost the program.
// Each mode feeds one input to the firmware code the way the device program
// meets it and prints the outcome, the time to it, the longest the event
// loop stood still meanwhile (the GUI thread's freeze), the diagnostics it
// wrote and the peak memory of the process.
//
//   download_bench package --image-bytes N   a package on disk whose image
//                                            inflates to N zero bytes
//   download_bench index --entries N         an update index of N valid
//                                            entries from a loopback server
//   download_bench index --bytes N [--no-length]
//                                            an index body of N bytes, sent
//                                            as the client reads it
//   download_bench download --bytes N        a package download of N bytes
//
// Goals: a 1 GB image and a 300 MB index are refused within a second and
// 100 MB of peak memory; no input stalls the event loop for seconds.
#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "HttpsTestServer.h"
#include "PackageBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <functional>

namespace {

qint64 g_logLines = 0;
qint64 g_logBytes = 0;

// Diagnostics are counted, as the program's pane would take them, and
// dropped.
void countMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    ++g_logLines;
    g_logBytes += message.size();
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The longest gap between two turns of the event loop while it lives.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_clock.start();
        m_timer.start();
    }
    void tick()
    {
        const qint64 now = m_clock.elapsed();
        m_longest = qMax(m_longest, now - m_last);
        m_last = now;
    }
    qint64 longest() { tick(); return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void report(const QString &outcome, qint64 ms, qint64 stallMs)
{
    std::printf("outcome: %s\n", qPrintable(outcome.left(200).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::printf("time to outcome: %lld ms\nlongest event-loop stall: %lld ms\n", ms, stallMs);
    std::printf("diagnostics: %lld lines, %lld characters\npeak memory: %.1f MB\n", g_logLines, g_logBytes,
                peakMegabytes());
}

QJsonObject entry(int i)
{
    return QJsonObject{
        {"firmware_type", "main"},
        {"name", QStringLiteral("Limiter %1").arg(i)},
        {"description", QStringLiteral("Release %1 with the usual fixes").arg(i)},
        {"url", QStringLiteral("https://update.velmora.example/packages/limiter-%1.zip").arg(i)},
        {"hash", "00112233445566778899aabbccddeeff01234567"},
        {"hardware_version", "82.1"},
        {"firmware_version", QStringLiteral("3.%1").arg(i)},
        {"firmware_date", "15.03.2025"},
    };
}

int runPackage(qint64 imageBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.zip"));
    if (!PackageBuilder::write(path, PackageBuilder::zeroImagePackage(std::uint32_t(imageBytes)))) {
        std::fprintf(stderr, "download_bench: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("package: %lld bytes on disk, image %lld bytes inflated\n", QFileInfo(path).size(), imageBytes);
    std::printf("peak memory before loading: %.1f MB\n", peakMegabytes());
    QElapsedTimer timer;
    timer.start();
    Firmware firmware(path);
    const qint64 ms = timer.elapsed();
    // Loading runs on the calling (GUI) thread: its time is the stall.
    report(firmware.statusText(), ms, ms);
    return 0;
}

// Runs the event loop until done() says so, with a limit of its own.
template <typename Done>
qint64 runUntil(Done done, StallMeter &meter, qint64 &stall)
{
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || timer.elapsed() > 600000)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    const qint64 ms = timer.elapsed();
    stall = meter.longest();
    return ms;
}

// Starts the request, runs the event loop until it ends (done) and prints
// what it cost; a failure ends it with the downloader's text.
int measure(FirmwareDownloader &downloader, QString &outcome, bool &done, const std::function<void()> &start)
{
    QObject::connect(&downloader, &FirmwareDownloader::error, &downloader, [&] {
        outcome = QStringLiteral("refused: ") + downloader.errorString();
        done = true;
    });
    StallMeter meter;
    qint64 stall = 0;
    start();
    const qint64 ms = runUntil([&] { return done; }, meter, stall);
    report(outcome, ms, stall);
    return 0;
}

bool startTrusted(HttpsTestServer &server)
{
    if (!server.start()) {
        std::fprintf(stderr, "download_bench: %s\n", qPrintable(server.errorText()));
        return false;
    }
    server.trustInThisProcess();
    return true;
}

int runIndex(const HttpsTestServer::Response &response)
{
    HttpsTestServer server;
    if (!startTrusted(server))
        return 1;
    qputenv(FirmwareDownloader::kUpdateServerVariable, server.authority().toLatin1());
    server.setResponse(QStringLiteral("/upd-fw.json"), response);
    std::printf("index: %lld bytes%s\n", response.repeatedSize > 0 ? response.repeatedSize : response.body.size(),
                response.announceLength ? "" : " (length not announced)");

    FirmwareDownloader downloader;
    bool done = false;
    QString outcome;
    QObject::connect(&downloader, &FirmwareDownloader::refreshFinished, &downloader, [&] {
        outcome = QStringLiteral("loaded, %1 entries").arg(downloader.firmwareList().size());
        done = true;
    });
    return measure(downloader, outcome, done, [&] { downloader.refresh(); });
}

int runDownload(qint64 bytes)
{
    HttpsTestServer server;
    if (!startTrusted(server))
        return 1;
    const QByteArray pattern(4096, 'p');
    server.setResponse(QStringLiteral("/huge.zip"), HttpsTestServer::Response{200, pattern, 0, bytes, true});
    FirmwareInfo info;
    info.url = server.url(QStringLiteral("/huge.zip")).toString();
    info.hash = QByteArray(20, '\0');
    std::printf("package download: %lld bytes\n", bytes);

    FirmwareDownloader downloader;
    bool done = false;
    QString outcome;
    QObject::connect(&downloader, &FirmwareDownloader::downloadFinished, &downloader, [&](Firmware *firmware) {
        outcome = QStringLiteral("loaded");
        delete firmware;
        done = true;
    });
    return measure(downloader, outcome, done, [&] { downloader.download(info); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("download_bench"));
    QStandardPaths::setTestModeEnabled(true);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hostile update downloads against the firmware code"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("mode"), QStringLiteral("package, index or download"));
    parser.addOption({"image-bytes", "Inflated image size of the package.", "bytes", "1000000000"});
    parser.addOption({"entries", "Valid entries of the index.", "count"});
    parser.addOption({"bytes", "Body size of the index or the package download.", "bytes"});
    parser.addOption({"no-length", "The index reply does not announce its length."});
    parser.process(app);
    qInstallMessageHandler(countMessage);

    const QString mode = parser.positionalArguments().value(0);
    if (mode == QLatin1String("package"))
        return runPackage(parser.value("image-bytes").toLongLong());
    if (mode == QLatin1String("download"))
        return runDownload(parser.value("bytes").toLongLong());
    if (mode == QLatin1String("index")) {
        if (parser.isSet("entries")) {
            QJsonArray array;
            const int count = parser.value("entries").toInt();
            for (int i = 0; i < count; ++i)
                array.append(entry(i));
            return runIndex(HttpsTestServer::Response{200, QJsonDocument(array).toJson(QJsonDocument::Compact), 0, 0,
                                                      !parser.isSet("no-length")});
        }
        // A body made as it is read: valid entries over and over (never a
        // closed array), the shape of a runaway or hostile server.
        const QByteArray pattern = QJsonDocument(QJsonArray{entry(1)}).toJson(QJsonDocument::Compact).mid(1).chopped(1)
                                   + ',';
        return runIndex(HttpsTestServer::Response{200, pattern, 0, parser.value("bytes").toLongLong(),
                                                  !parser.isSet("no-length")});
    }
    parser.showHelp(2);
}
