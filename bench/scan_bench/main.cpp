// scan_bench: a crowded pit lane on the simulated radio. Devices advertise
// their status; the real scanner (agent and discovery) hears them and both
// device lists (the limiter list behind a sort proxy, as the main window
// shows it) take every advertisement. Prints advertisements per second and
// the CPU time the GUI thread spends per advertisement.
//
//   scan_bench [--devices 100] [--interval-ms 100] [--count 20000] [--flood-count 100000] [--no-window]
//
// Three runs: "paced" with the radio on real time (every device advertising
// once per interval) and the device lists alone; "window", the same air
// heard by the program's real main window showing its Scanner table; and
// "flood" with the radio's clock running flat out, which shows how many
// advertisements a second the GUI thread could take at most.
#include "BluetoothDeviceModel.h"
#include "BluetoothDiscovery.h"
#include "BluetoothDovLoggerModel.h"
#include "MainWindow.h"
#include "ProgramWindow.h"
#include "SimAdvertisementSource.h"
#include "SimBackend.h"
#include "SimRadio.h"
#include "SimStatusAdvertiser.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QSortFilterProxyModel>
#include <QThread>
#include <QEventLoop>
#include <QLoggingCategory>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

SimAdvertisedStatus statusOf(int device)
{
    SimAdvertisedStatus s;
    s.registrationCountry = "RUS";
    s.registrationNumber = quint16(1000 + device);
    s.hardwareVersion = 0x0213;
    s.firmwareVersion = 0x1901;
    s.battery = 20 + device % 80;
    s.settingsSet = quint8(device % 14);
    s.statusFlags = quint8(device % 4);
    s.energy = 10.f + float(device);
    s.energyReference = 60.f;
    s.voltage = 16.8f;
    s.averageCurrent = 35.f;
    s.capacity = 4500.f;
    s.energyConsumed = 21.f;
    s.userName = "Pilot " + QByteArray::number(device);
    s.maximumSpeed = 80.f;
    s.averageSpeed = 60.f;
    s.maximumRpm = 40000;
    return s;
}

// The radio with its devices, on a thread of its own: the air is not the
// GUI thread's work.
class Air
{
public:
    Air(SimClock::Mode mode, int devices, int intervalMs)
    {
        m_thread.setObjectName(QStringLiteral("radio"));
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(&m_context, [this, mode, devices, intervalMs] {
            m_radio = new SimRadio(mode, 7);
            for (int i = 0; i < devices; ++i) {
                const bool logger = i % 5 == 4; // one in five is a DOV logger
                const QString name = (logger ? QStringLiteral("ZIV-%1") : QStringLiteral("QVR-%1")).arg(i, 3, 10, QLatin1Char('0'));
                auto device = std::make_shared<SimPeripheral>(QBluetoothAddress(quint64(0xC0DE00000000ull + quint64(i))), name);
                const SimAdvertisedStatus status = statusOf(i);
                device->setAdvertiser(std::make_shared<SimStatusAdvertiser>(
                    logger ? SimStatusAdvertiser::Family::DovLogger : SimStatusAdvertiser::Family::Limiter,
                    [status] { return status; }));
                // The radio adds 0 to 10 ms to every interval.
                device->setAdvertisingIntervalMs(qMax(1, intervalMs - 5));
                device->setRssi(qint16(-40 - i % 50));
                m_radio->addPeripheral(device);
            }
            QObject::connect(m_radio, &SimRadio::advertised, &m_context, [this] { ++m_sent; },
                             Qt::DirectConnection);
        }, Qt::BlockingQueuedConnection);
    }

    ~Air()
    {
        QMetaObject::invokeMethod(&m_context, [this] { delete m_radio; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    SimRadio *radio() const { return m_radio; }
    // Advertisements sent into the air so far.
    long long sent() const { return m_sent; }

private:
    QThread m_thread;
    QObject m_context;
    SimRadio *m_radio = nullptr;
    std::atomic<long long> m_sent{0};
};

// The backend of the air above. Its radio and clock belong to the radio's
// thread, so what the lists time (their ageing) runs on the GUI thread's
// wall clock, as on the Qt backend.
class AirBackend : public SimBackend
{
public:
    explicit AirBackend(const Air &air) : SimBackend(air.radio()) {}
    void singleShot(int milliseconds, const QObject *context, std::function<void()> function) override
    {
        QTimer::singleShot(milliseconds, context, std::move(function));
    }
    qint64 nowMs() const override { return BleBackend::nowMs(); }
};

struct Result {
    long long advertisements = 0;
    double wallSeconds = 0;
    double guiCpuSeconds = 0;
    double processCpuSeconds = 0;
    int limiters = 0;
    int loggers = 0;
};

Result run(SimClock::Mode mode, int devices, int intervalMs, long long count)
{
    Air air(mode, devices, intervalMs);
    AirBackend backend(air);

    Result result;
    {
        BluetoothDiscovery discovery(&backend);
        BluetoothDeviceModel limiters(&discovery);
        BluetoothDovLoggerModel loggers(&discovery);
        QSortFilterProxyModel shown;
        shown.setSourceModel(&limiters);
        shown.setDynamicSortFilter(true);
        shown.sort(BluetoothDeviceModel::RssiColumn);

        // Warm up until every device is listed, then measure.
        QEventLoop loop;
        QElapsedTimer wall;
        double cpuStart = 0, processStart = 0;
        long long heard = 0;
        bool measuring = false;
        const auto onAdvertisement = [&] {
            if (measuring) {
                if (++heard == count)
                    loop.quit();
            } else if (limiters.rowCount() + loggers.rowCount() == devices) {
                measuring = true;
                wall.start();
                cpuStart = threadCpuSeconds();
                processStart = processCpuSeconds();
            }
        };
        QObject::connect(&discovery, &BluetoothDiscovery::deviceDiscovered, &limiters, onAdvertisement);
        QObject::connect(&discovery, &BluetoothDiscovery::deviceUpdated, &limiters, onAdvertisement);
        discovery.onDiscoveryFinished();
        loop.exec();

        result.wallSeconds = double(wall.nsecsElapsed()) * 1e-9;
        result.guiCpuSeconds = threadCpuSeconds() - cpuStart;
        result.processCpuSeconds = processCpuSeconds() - processStart;
        result.advertisements = heard;
        result.limiters = limiters.rowCount();
        result.loggers = loggers.rowCount();
    }
    return result;
}

// The program's main window on the same air: its discovery and lists, the
// Scanner table behind its sort proxy. Measured from the moment every
// limiter is listed until `count` more advertisements went out.
Result runWindow(int devices, int intervalMs, long long count)
{
    Air air(SimClock::Mode::RealTime, devices, intervalMs);
    AirBackend backend(air);
    BleBackend *previous = BleBackend::setInstance(&backend);

    Result result;
    {
        MainWindow window({});
        window.show();
        auto *view = window.findChild<QTableView *>(QStringLiteral("tableView"));
        int limiters = 0;
        for (int i = 0; i < devices; ++i)
            limiters += i % 5 == 4 ? 0 : 1;

        QEventLoop loop;
        QElapsedTimer wall;
        double cpuStart = 0, processStart = 0;
        long long sentAtStart = 0;
        bool measuring = false;
        // The update question at start is closed; the figures are taken
        // from a timer that wakes ten times a second.
        programwindow::DialogCloser closer;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (!measuring) {
                if (view->model()->rowCount() == limiters && closer.closed() > 0) {
                    closer.stop();
                    measuring = true;
                    wall.start();
                    cpuStart = threadCpuSeconds();
                    processStart = processCpuSeconds();
                    sentAtStart = air.sent();
                }
            } else if (air.sent() - sentAtStart >= count) {
                loop.quit();
            }
        });
        poll.start(100);
        loop.exec();

        result.wallSeconds = double(wall.nsecsElapsed()) * 1e-9;
        result.guiCpuSeconds = threadCpuSeconds() - cpuStart;
        result.processCpuSeconds = processCpuSeconds() - processStart;
        result.advertisements = air.sent() - sentAtStart;
        result.limiters = view->model()->rowCount();
        result.loggers = -1;
    }
    BleBackend::setInstance(previous);
    return result;
}

void print(const char *name, const Result &r)
{
    const double perSecond = double(r.advertisements) / r.wallSeconds;
    std::printf("%-6s %8lld advertisements in %6.2f s: %8.0f advertisements/s, GUI thread %6.2f us CPU per "
                "advertisement, %5.2f %% of one core (whole process %5.1f %%); listed %d limiters",
                name, r.advertisements, r.wallSeconds, perSecond, r.guiCpuSeconds / double(r.advertisements) * 1e6,
                r.guiCpuSeconds / r.wallSeconds * 100.0, r.processCpuSeconds / r.wallSeconds * 100.0, r.limiters);
    // The window shows one family: its DOV logger list is not counted.
    if (r.loggers >= 0)
        std::printf(", %d DOV loggers", r.loggers);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir config;
    programwindow::prepareEnvironment(config);
    QApplication app(argc, argv);
    programwindow::takeProgramName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Scanner and device list load on the simulated radio"));
    parser.addHelpOption();
    const QCommandLineOption devicesOption(QStringLiteral("devices"), QStringLiteral("Advertising devices."),
                                           QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption intervalOption(QStringLiteral("interval-ms"),
                                            QStringLiteral("Advertising interval of each device."),
                                            QStringLiteral("ms"), QStringLiteral("100"));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Advertisements of the paced run."),
                                         QStringLiteral("n"), QStringLiteral("20000"));
    const QCommandLineOption floodOption(QStringLiteral("flood-count"),
                                         QStringLiteral("Advertisements of the flood run (0: none)."),
                                         QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption noWindowOption(QStringLiteral("no-window"), QStringLiteral("Skip the main window run."));
    parser.addOptions({devicesOption, intervalOption, countOption, floodOption, noWindowOption});
    parser.process(app);
    const int devices = qMax(1, parser.value(devicesOption).toInt());
    const int interval = qMax(1, parser.value(intervalOption).toInt());
    const long long count = qMax(1LL, parser.value(countOption).toLongLong());
    const long long flood = parser.value(floodOption).toLongLong();

    // The figures only: no diagnostics of the scanner, devices and radio.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    std::printf("%d devices advertising every %d ms\n", devices, interval);
    std::fflush(stdout);
    const Result models = run(SimClock::Mode::RealTime, devices, interval, count);
    print("paced", models);
    std::fflush(stdout);
    if (!parser.isSet(noWindowOption)) {
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("en"));
        const Result window = runWindow(devices, interval, count);
        print("window", window);
        std::printf("window / lists alone: %.2f times the GUI thread's CPU per advertisement\n",
                    (window.guiCpuSeconds / double(window.advertisements))
                        / (models.guiCpuSeconds / double(models.advertisements)));
        std::fflush(stdout);
    }
    if (flood > 0)
        print("flood", run(SimClock::Mode::Fast, devices, interval, flood));
    return 0;
}
