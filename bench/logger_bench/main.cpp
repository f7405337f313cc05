// Reads one simulated log session of a chosen size through the logger page,
// from the request to the saved log file. Reports the link time on the
// simulated clock, from the request to the last packet of the session, beside
// the limit of the simulated link (connection events at their interval, so
// many notifications of so many bytes each) and the ratio of the two; and,
// apart from it, the time the program itself spent assembling the packets
// and saving the session.
//
//   logger_bench [--kib N] [--realtime]
//   logger_bench --range FIRST:LAST
//   logger_bench --show [--language CODE]
//
// --realtime runs the simulated radio in real time. --range has the device
// report that session range and times how long the page takes to list it (or
// refuse it), with the rows listed and the process' peak memory. --show shows
// the page while it reads five sessions, one of them damaged on the way, and
// leaves it open (screenshots).

#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "LogDownload.h"
#include "LogMetadata.h"
#include "LoggerWidget.h"
#include "SharedSettings.h"
#include "SimBackend.h"
#include "SimFaults.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <sys/resource.h>

#include <cstdio>
#include <memory>

namespace {

const QBluetoothAddress kAddress(QStringLiteral("C0:DE:00:00:00:42"));

// Runs the event loop until done() holds after one of the signals, or the
// (real) time runs out; no sleeping between checks.
template <typename Sender, typename Signal>
bool runUntil(Sender *sender, Signal signal, const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void closeBoxes()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w))
            box->close();
    }
}

} // namespace

int main(int argc, char **argv)
{
    // The shared settings scope gets this run's logs folder: keep it away
    // from the user's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"kib", "Session size in KiB (default 1024).", "N", "1024"});
    parser.addOption({"realtime", "Run the simulated radio in real time."});
    parser.addOption({"range", "List the session range FIRST:LAST the device reports.", "FIRST:LAST"});
    parser.addOption({"show", "Read six sessions and leave the page open."});
    parser.addOption({"language", "Language of the page with --show.", "CODE", "en"});
    parser.process(app);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\nlogs.download.warning=false"));

    const bool show = parser.isSet("show");
    QTranslator translator;
    if (translator.load(QStringLiteral(":/ts/app_%1.qm").arg(parser.value("language"))))
        QApplication::installTranslator(&translator);

    QTemporaryDir logs;
    storeLogsDirectory(logs.path());

    SimRadio radio(parser.isSet("realtime") ? SimClock::Mode::RealTime : SimClock::Mode::Fast);
    SimBackend backend(&radio);
    BleBackend::setInstance(&backend);
    auto device = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kAddress, QStringLiteral("QVR Bench"));
    radio.addPeripheral(device);

    SimLogSessionSpec spec;
    spec.number = 1;
    // Dots of the default layout: header plus dots make the asked size.
    const int dotSize = SimLogSession::dotSize(SimLogSession::defaultParameters());
    const qint64 bytes = parser.value("kib").toLongLong() * 1024;
    spec.dots = quint32(std::max<qint64>(1, (bytes - SimLogSession::kHeaderSize) / dotSize));
    if (show) {
        spec.dots = 6000;
        for (quint32 n = 1; n <= 5; ++n) {
            spec.number = n;
            spec.incomplete = n == 5;
            device->addSession(spec);
        }
        // Session 6 is listed but not held, one packet of 5 is damaged and
        // some of 2 are lost: every outcome shows.
        device->setReportedSessionRange(1, 6);
        const QBluetoothUuid data = DeviceProtocol::logUuid(DeviceProtocol::kLogDataId);
        device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Notification, data, 40, 9, 0x21));
        device->addFaultFilter([data, packets = 0](SimAttEvent &e) mutable {
            const bool log = e.kind == SimAttEvent::Notification && e.characteristic == data;
            return log && ++packets > 2000 && packets <= 2010 ? SimFault::Refuse : SimFault::Pass;
        });
    } else if (!parser.isSet("range")) {
        device->addSession(spec);
    }

    auto limiter = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Bench"), 0));
    LoggerWidget page;

    // The program's own time: from just before the page's download takes a
    // packet or status to just after (these probes run before and after its
    // slots, in the order of connecting).
    QElapsedTimer handling;
    qint64 assembleNs = 0;
    qint64 finishNs = 0;
    QList<qint64> packetUs;
    QSet<qint64> eventsUs;
    int largestPacket = 0;
    QObject::connect(limiter.get(), &LimiterDevice::logDataReceived, &page, [&](const QByteArray &packet) {
        packetUs.append(radio.clock().nowUs());
        eventsUs.insert(radio.clock().nowUs());
        largestPacket = std::max(largestPacket, int(packet.size()));
        handling.start();
    });
    QObject::connect(limiter.get(), &LimiterDevice::logReadStatusReceived, &page,
                     [&](const s_LogReadStatus &) { handling.start(); });
    page.setDevice(limiter);
    QObject::connect(limiter.get(), &LimiterDevice::logDataReceived, &page,
                     [&](const QByteArray &) { assembleNs += handling.nsecsElapsed(); });
    QObject::connect(limiter.get(), &LimiterDevice::logReadStatusReceived, &page,
                     [&](const s_LogReadStatus &status) {
                         if (status.status == s_LogReadStatus::Finished)
                             finishNs += handling.nsecsElapsed();
                     });

    QSignalSpy logger(limiter.get(), &LimiterDevice::loggerServiceDiscovered);
    limiter->connectToDevice();
    if (!runUntil(limiter.get(), &LimiterDevice::loggerServiceDiscovered, [&] { return logger.count() > 0; }, 60000)) {
        std::fprintf(stderr, "the simulated device did not come up\n");
        return 1;
    }
    LogDownload *download = page.download();

    if (parser.isSet("range")) {
        const QStringList range = parser.value("range").split(QLatin1Char(':'));
        device->setReportedSessionRange(range.value(0).toUInt(), range.value(1).toUInt());
        QEventLoop loop;
        QObject::connect(download, &LogDownload::sessionsListed, &loop, &QEventLoop::quit);
        QObject::connect(download, &LogDownload::sessionsRefused, &loop, &QEventLoop::quit);
        const double before = peakMiB();
        QElapsedTimer wall;
        wall.start();
        page.findChild<QPushButton *>("pbReadLogCount")->click();
        loop.exec();
        const double listMs = double(wall.nsecsElapsed()) / 1e6;
        std::printf("range %s: %d rows listed in %.1f ms (answer included), peak memory %.1f MiB (%.1f MiB before)\n",
                    qPrintable(parser.value("range")), page.findChild<QListWidget *>("lwDeviceLogs")->count(), listMs,
                    peakMiB(), before);
        BleBackend::setInstance(nullptr);
        return 0;
    }

    QSignalSpy numbers(limiter.get(), &LimiterDevice::logSessionNumberReceived);
    page.findChild<QPushButton *>("pbReadLogCount")->click();
    runUntil(limiter.get(), &LimiterDevice::logSessionNumberReceived, [&] { return numbers.count() > 0; }, 10000);

    if (show) {
        page.resize(1141, 707);
        page.show();
        page.findChild<QPushButton *>("pbReadAllLogs")->click();
        runUntil(download, &LogDownload::runFinished, [&] { return !download->isReading(); }, 120000);
        closeBoxes();
        auto *folder = page.findChild<QListWidget *>("lwReadLogs");
        if (folder->count() > 1)
            folder->setCurrentRow(1);
        return app.exec();
    }

    qint64 requestUs = -1;
    QObject::connect(&page, &LoggerWidget::readLog, &page, [&] {
        if (requestUs < 0)
            requestUs = radio.clock().nowUs();
    });
    bool finished = false;
    QObject::connect(download, &LogDownload::runFinished, &page, [&] { finished = true; });
    QElapsedTimer wall;
    wall.start();
    page.findChild<QPushButton *>("pbReadAllLogs")->click();
    if (!runUntil(download, &LogDownload::runFinished, [&] { return finished; }, 3600 * 1000)) {
        std::fprintf(stderr, "the read did not end\n");
        return 1;
    }
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const qint64 size = device->sessionBytes(1).size();
    const bool saved = QDir(logs.path()).entryList({logFileNameFilter()}, QDir::Files).size() == 1;
    if (packetUs.isEmpty() || requestUs < 0) {
        std::fprintf(stderr, "no packet arrived\n");
        return 1;
    }

    const double linkSeconds = double(packetUs.last() - requestUs) / 1e6;
    const qint64 intervalUs = std::max<qint64>(SimLogStream::kMinimumIntervalUs, radio.roundTripUs() / 2);
    const double limitSeconds = double(eventsUs.size()) * double(intervalUs) / 1e6;
    std::printf("session of %lld bytes (%u dots of %d bytes), round trip %.1f ms, MTU asked %d\n", size, spec.dots,
                dotSize, double(radio.roundTripUs()) / 1000.0, radio.centralMtu());
    std::printf("link limit %.3f s: %d notifications of up to %d bytes, %d per connection event, "
                "%lld events %.1f ms apart\n",
                limitSeconds, int(packetUs.size()), largestPacket, device->logStream().packetsPerInterval(),
                qint64(eventsUs.size()), double(intervalUs) / 1000.0);
    std::printf("link time %.3f s from the request to the last packet (%.1f kbit/s), %.3f of the limit\n",
                linkSeconds, double(size) * 8 / 1024 / linkSeconds, linkSeconds / limitSeconds);
    std::printf("program time %.1f ms: assembling %.1f ms, saving %.1f ms; whole run %.2f s wall; log file %s\n",
                double(assembleNs + finishNs) / 1e6, double(assembleNs) / 1e6, double(finishNs) / 1e6, wallSeconds,
                saved ? "saved" : "MISSING");
    closeBoxes();
    BleBackend::setInstance(nullptr);
    return saved ? 0 : 1;
}
