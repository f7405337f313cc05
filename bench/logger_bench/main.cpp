// Reads one simulated log session of a chosen size through the logger page,
// from the request to the saved log file, and reports the link time the
// transfer took at the simulator's link settings and the time the program
// spent on it.
//
//   logger_bench [--kib N] [--realtime] [--show [--language CODE]]
//
// --realtime runs the simulated radio in real time (the link time is then
// wall time as well). --show shows the page while it reads five sessions,
// one of them damaged on the way, and leaves it open (screenshots).

#include "LimiterDevice.h"
#include "LogMetadata.h"
#include "LoggerWidget.h"
#include "SharedSettings.h"
#include "SimBackend.h"
#include "SimFaults.h"
#include "SimLimiter.h"
#include "SimRadio.h"
#include "DeviceProtocol.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QDir>

#include <cstdio>
#include <memory>

namespace {

const QBluetoothAddress kAddress(QStringLiteral("C0:DE:00:00:00:42"));

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    return QTest::qWaitFor(done, timeoutMs);
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
    parser.addOption({"show", "Read five sessions and leave the page open."});
    parser.addOption({"language", "Language of the page with --show.", "CODE", "en"});
    parser.process(app);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

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
        device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Notification, DeviceProtocol::logUuid(DeviceProtocol::kLogDataId),
                                                  40, 9, 0x21));
    } else {
        device->addSession(spec);
    }

    auto limiter = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Bench"), 0));
    LoggerWidget page;
    page.setDevice(limiter);
    QSignalSpy logger(limiter.get(), &LimiterDevice::loggerServiceDiscovered);
    limiter->connectToDevice();
    if (!waitFor([&] { return logger.count() > 0; }, 60000)) {
        std::fprintf(stderr, "the simulated device did not come up\n");
        return 1;
    }
    QSignalSpy numbers(limiter.get(), &LimiterDevice::logSessionNumberReceived);
    page.findChild<QPushButton *>("pbReadLogCount")->click();
    waitFor([&] { return numbers.count() > 0; }, 10000);

    if (show) {
        page.resize(1141, 707);
        page.show();
        page.findChild<QPushButton *>("pbReadAllLogs")->click();
        waitFor([&] { return !page.isReading() && page.logSessions().size() == 5; }, 120000);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w))
                box->close();
        }
        auto *folder = page.findChild<QListWidget *>("lwReadLogs");
        if (folder->count() > 1)
            folder->setCurrentRow(1);
        return app.exec();
    }

    const qint64 startUs = radio.clock().nowUs();
    QElapsedTimer wall;
    wall.start();
    QSignalSpy finished(limiter.get(), &LimiterDevice::logReadStatusReceived);
    page.findChild<QPushButton *>("pbReadAllLogs")->click();
    if (!waitFor([&] { return !page.isReading(); }, 3600 * 1000)) {
        std::fprintf(stderr, "the read did not end\n");
        return 1;
    }
    const double linkSeconds = double(radio.clock().nowUs() - startUs) / 1e6;
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;
    const qint64 size = device->sessionBytes(1).size();
    const bool saved = QDir(logs.path()).entryList({logFileNameFilter()}, QDir::Files).size() == 1;
    std::printf("session of %lld bytes (%u dots of %d bytes), round trip %.1f ms, MTU asked %d\n",
                size, spec.dots, dotSize, double(radio.roundTripUs()) / 1000.0, radio.centralMtu());
    std::printf("link time %.2f s (%.1f kbit/s), program time %.2f s, log file %s\n", linkSeconds,
                double(size) * 8 / 1024 / linkSeconds, wallSeconds, saved ? "saved" : "MISSING");
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w))
            box->close();
    }
    BleBackend::setInstance(nullptr);
    return saved ? 0 : 1;
}
