// Uploads one firmware image through DFUUpdater into the simulated Secure
// DFU bootloader three ways and prints, for each, the MTU the backend saw,
// the write sizes it used and the time per 4096-byte data object:
//   - on the simulator's own backend;
//   - through the Qt Bluetooth backend against the BlueZ stand-in
//     (bluetoothd 5.66, which shows the link's MTU);
//   - the same against a stand-in without the MTU property (bluetoothd
//     before 5.62), where the backend knows no MTU and counts 23.
// All three run on real time with the same round trip.
//
//   dfu_bluez_bench [--latency MS] [--size BYTES] [--mtu BYTES] [--log]

#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BluezStandIn.h"
#include "DFUUpdater.h"
#include "DfuProtocol.h"
#include "Firmware.h"
#include "QtBleBackend.h"
#include "SimBackend.h"
#include "SimDfuBootloader.h"
#include "SimDfuPackage.h"
#include "SimRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));

// A backend that hands everything to another one and keeps the largest MTU
// its controllers saw on a link.
class WatchedBackend : public BleBackend
{
public:
    explicit WatchedBackend(BleBackend &inner) : m_inner(inner) {}
    QString name() const override { return m_inner.name(); }
    BleController *createCentral(const QBluetoothDeviceInfo &remoteDevice, QObject *parent) override
    {
        BleController *controller = m_inner.createCentral(remoteDevice, parent);
        const auto seen = [this, controller] { mtu = std::max(mtu, controller->mtu()); };
        controller->connect(controller, &BleController::connected, controller, seen);
        controller->connect(controller, &BleController::mtuChanged, controller, seen);
        return controller;
    }
    BleDeviceDiscovery *createDeviceDiscovery(QObject *parent) override { return m_inner.createDeviceDiscovery(parent); }
    std::unique_ptr<AdvertisementSource> createAdvertisementSource() override { return m_inner.createAdvertisementSource(); }
    void singleShot(int milliseconds, const QObject *context, std::function<void()> function) override
    {
        m_inner.singleShot(milliseconds, context, std::move(function));
    }
    qint64 nowMs() const override { return m_inner.nowMs(); }

    int mtu = 0;

private:
    BleBackend &m_inner;
};

struct Result
{
    QString error;
    int mtu = 0;
    QList<int> initWrites;
    int packetSize = 0;
    double msPerObject = 0;
    double seconds = 0;
};

Result failed(const QString &error)
{
    Result result;
    result.error = error;
    return result;
}

QString sizes(const QList<int> &writes)
{
    if (writes.isEmpty())
        return QStringLiteral("-");
    QList<int> distinct = writes;
    std::sort(distinct.begin(), distinct.end(), std::greater<int>());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    QStringList parts;
    for (int size : distinct)
        parts << QString::number(size);
    return QStringLiteral("%1 (%2)").arg(writes.size()).arg(parts.join(QLatin1Char('/')));
}

// One upload through backend into the bootloader; packets: the packet
// writes that reached it, in order.
Result upload(BleBackend &inner, const QString &package, const std::function<QList<QByteArray>()> &packets)
{
    Result result;
    WatchedBackend backend(inner);
    auto *firmware = new Firmware(package);
    if (!firmware->isLoaded()) {
        result.error = firmware->statusText();
        delete firmware;
        return result;
    }
    const qsizetype initSize = firmware->initData().size();
    DFUUpdater updater(&backend);
    updater.setFirmware(firmware);

    QEventLoop loop;
    QElapsedTimer total;
    QElapsedTimer object;
    QList<qint64> objects;
    int lastState = -1;
    QObject::connect(&updater, &DFUUpdater::updateStatus, &loop, [&](StateM state, uint32_t progress) {
        if (state == StateSelectInit && !total.isValid())
            total.start();
        // An object runs from its Create to the answer of its Execute.
        if (state == StateCreateMain && lastState != StateCreateMain)
            object.start();
        if (state == StateExecuteMain && object.isValid()) {
            objects.append(object.nsecsElapsed());
            object.invalidate();
        }
        lastState = state;
        if (state == StateExecuteMain && progress == 100) {
            result.seconds = double(total.nsecsElapsed()) / 1e9;
            loop.quit();
        }
    });
    QObject::connect(&updater, &DFUUpdater::error, &loop, [&](const QString &message) {
        result.error = message;
        loop.quit();
    });
    QTimer::singleShot(10 * 60 * 1000, &loop, [&] {
        result.error = QStringLiteral("time-out");
        loop.quit();
    });
    QBluetoothDeviceInfo info(kBootloader, QStringLiteral("DfuTarg"), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    updater.connectToDevice(info);
    loop.exec();
    if (!result.error.isEmpty())
        return result;

    result.mtu = backend.mtu;
    qsizetype initBytes = 0;
    for (const QByteArray &packet : packets()) {
        if (initBytes < initSize) {
            result.initWrites.append(int(packet.size()));
            initBytes += packet.size();
        } else {
            result.packetSize = std::max(result.packetSize, int(packet.size()));
        }
    }
    // The last object is as short as the image's rest: the full ones count.
    if (objects.size() > 1)
        objects.removeLast();
    std::sort(objects.begin(), objects.end());
    result.msPerObject = objects.isEmpty() ? 0 : double(objects.at(objects.size() / 2)) / 1e6;
    return result;
}

std::shared_ptr<SimDfuBootloader> addBootloader(SimRadio &radio, double latencyMs, int mtu)
{
    radio.setRoundTripMs(latencyMs);
    auto bootloader = std::make_shared<SimDfuBootloader>(kBootloader);
    bootloader->setMaximumMtu(mtu);
    radio.addPeripheral(bootloader);
    return bootloader;
}

QList<QByteArray> packetWrites(const QList<SimAttEvent> &traffic)
{
    QList<QByteArray> packets;
    for (const SimAttEvent &event : traffic) {
        if (event.kind == SimAttEvent::WriteWithoutResponse && event.characteristic == dfu::packetUuid())
            packets.append(event.value);
    }
    return packets;
}

Result onSimulator(const QString &package, double latencyMs, int mtu)
{
    SimRadio radio(SimClock::Mode::RealTime);
    radio.clock().setRealTimeSpinUs(2000);
    addBootloader(radio, latencyMs, mtu);
    QList<SimAttEvent> traffic;
    QObject::connect(&radio, &SimRadio::traffic, &radio, [&traffic](const SimAttEvent &event) { traffic.append(event); });
    SimBackend backend(&radio);
    return upload(backend, package, [&traffic] { return packetWrites(traffic); });
}

Result throughBluez(const QString &package, double latencyMs, int mtu, bool showsMtu)
{
    BluezStandIn standIn;
    QString reason;
    if (!standIn.start(&reason))
        return failed(reason);
    standIn.setExposesMtu(showsMtu);
    standIn.run([&](SimRadio &radio) {
        radio.clock().setRealTimeSpinUs(2000);
        addBootloader(radio, latencyMs, mtu);
    });
    QtBleBackend backend;
    // bluetoothd connects only devices it has heard.
    {
        std::unique_ptr<BleDeviceDiscovery> scan(backend.createDeviceDiscovery());
        bool heard = false;
        QEventLoop loop;
        QObject::connect(scan.get(), &BleDeviceDiscovery::deviceDiscovered, &loop, [&](const QBluetoothDeviceInfo &info) {
            if (info.address() == kBootloader) {
                heard = true;
                loop.quit();
            }
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        scan->setLowEnergyDiscoveryTimeout(0);
        scan->start();
        loop.exec();
        scan->stop();
        if (!heard)
            return failed(QStringLiteral("the bootloader was not heard"));
    }
    standIn.clearTraffic();
    return upload(backend, package, [&standIn] { return packetWrites(standIn.traffic()); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("DFU upload through the Qt Bluetooth backend against the BlueZ stand-in, beside the simulator"));
    parser.addHelpOption();
    parser.addOption({"latency", "Round trip of the link in milliseconds (default 15).", "ms", "15"});
    parser.addOption({"size", "Image size in bytes (default 65536).", "bytes", "65536"});
    parser.addOption({"mtu", "The largest ATT MTU the bootloader takes (default 247).", "bytes", "247"});
    parser.addOption({"log", "Keep the updater's, the backend's and the simulator's diagnostics."});
    parser.process(app);

    if (!parser.isSet("log"))
        QLoggingCategory::setFilterRules(QStringLiteral("firmware.*=false\nsim*=false\nble*=false\nqt.bluetooth*=false\nbluez*=false"));
    const double latencyMs = parser.value("latency").toDouble();
    const qint64 size = parser.value("size").toLongLong();
    const int mtu = parser.value("mtu").toInt();
    if (latencyMs <= 0 || size <= 0 || mtu < 23) {
        std::fprintf(stderr, "dfu_bluez_bench: latency above 0 ms, a size and an MTU of 23 or more, please\n");
        return 2;
    }

    QTemporaryDir dir;
    const QString package = dir.filePath(QStringLiteral("image.zip"));
    if (!SimDfuPackage::write(package, SimDfuPackage::image(size, quint32(size)), 0x0302)) {
        std::fprintf(stderr, "dfu_bluez_bench: cannot write %s\n", qPrintable(package));
        return 1;
    }
    std::printf("round trip %.1f ms, image %lld bytes, bootloader MTU up to %d, 128-byte packets, PRN 1, "
                "data objects of 4096 bytes\n",
                latencyMs, size, mtu);
    std::printf("%-34s %5s %20s %7s %12s %9s\n", "backend", "MTU", "init writes (bytes)", "packet", "ms/object",
                "total s");
    const struct
    {
        const char *name;
        std::function<Result()> run;
    } runs[] = {
        {"simulator", [&] { return onSimulator(package, latencyMs, mtu); }},
        {"Qt on bluetoothd 5.66 (MTU shown)", [&] { return throughBluez(package, latencyMs, mtu, true); }},
        {"Qt on bluetoothd < 5.62 (no MTU)", [&] { return throughBluez(package, latencyMs, mtu, false); }},
    };
    int failures = 0;
    for (const auto &run : runs) {
        const Result result = run.run();
        if (!result.error.isEmpty()) {
            std::fprintf(stderr, "dfu_bluez_bench: %s failed: %s\n", run.name, qPrintable(result.error));
            ++failures;
            continue;
        }
        std::printf("%-34s %5d %20s %7d %12.1f %9.2f\n", run.name, result.mtu, qPrintable(sizes(result.initWrites)),
                    result.packetSize, result.msPerObject, result.seconds);
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
