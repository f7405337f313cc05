// Uploads firmware images through DFUUpdater into the simulated Secure DFU
// bootloader and compares the throughput with what the protocol allows as
// the updater drives it: every request and every 128-byte packet (PRN 1)
// costs one round trip of the link.
//
//   dfu_bench [--latency MS] [--sizes BYTES,BYTES,...] [--log]

#include "DFUUpdater.h"
#include "DfuProtocol.h"
#include "Firmware.h"
#include "SimBackend.h"
#include "SimDfuBootloader.h"
#include "SimDfuPackage.h"
#include "SimRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));

// Round trips of one transfer into a fresh bootloader: switching the
// notifications on, Select, Create, Set PRN, the init packet (one write at
// the bench's MTU) and Execute of the command object, Select of the data
// object, then per data object a Create, its packets and Execute.
qint64 roundTripsOf(qint64 size)
{
    qint64 trips = 1 + 6;
    for (qint64 start = 0; start < size; start += dfu::kDataObjectSize) {
        const qint64 object = std::min<qint64>(dfu::kDataObjectSize, size - start);
        trips += 1 + (object + dfu::kPacketSize - 1) / dfu::kPacketSize + 1;
    }
    return trips;
}

struct Result
{
    bool ok = false;
    QString error;
    double seconds = 0;
    qint64 packets = 0;
};

// One upload on a radio of the given mode. The time runs from the first
// request (Select of the command object) to the bootloader's answer to the
// last Execute.
Result upload(const QString &package, SimClock::Mode mode, double latencyMs)
{
    SimRadio radio(mode);
    radio.setRoundTripMs(latencyMs);
    radio.clock().setRealTimeSpinUs(2000);
    SimBackend backend(&radio);
    auto bootloader = std::make_shared<SimDfuBootloader>(kBootloader);
    radio.addPeripheral(bootloader);

    Result result;
    DFUUpdater updater(&backend);
    auto *firmware = new Firmware(package);
    if (!firmware->isLoaded()) {
        result.error = firmware->statusText();
        delete firmware;
        return result;
    }
    updater.setFirmware(firmware);

    QEventLoop loop;
    QElapsedTimer timer;
    QObject::connect(&updater, &DFUUpdater::updateStatus, &loop, [&](StateM state, uint32_t progress) {
        if (state == StateSelectInit && !timer.isValid())
            timer.start();
        if (state == StateExecuteMain && progress == 100) {
            result.seconds = double(timer.nsecsElapsed()) / 1e9;
            result.ok = true;
            loop.quit();
        }
    });
    QObject::connect(&updater, &DFUUpdater::error, &loop, [&](const QString &message) {
        result.error = message;
        loop.quit();
    });
    QTimer::singleShot(30 * 60 * 1000, &loop, [&] {
        result.error = QStringLiteral("time-out");
        loop.quit();
    });

    QBluetoothDeviceInfo info(kBootloader, bootloader->name(), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    updater.connectToDevice(info);
    loop.exec();

    result.packets = bootloader->packetsReceived();
    if (result.ok && bootloader->receivedImage().size() + bootloader->activatedImage().size() == 0)
        result.error = QStringLiteral("the bootloader received nothing");
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("DFU upload throughput against the simulated bootloader"));
    parser.addHelpOption();
    parser.addOption({"latency", "Round trip of the link in milliseconds (default 15).", "ms", "15"});
    parser.addOption({"sizes", "Image sizes in bytes, comma-separated (default 65536,524288).", "bytes",
                      "65536,524288"});
    parser.addOption({"log", "Keep the updater's and the simulator's diagnostics."});
    parser.process(app);

    if (!parser.isSet("log"))
        QLoggingCategory::setFilterRules(QStringLiteral("firmware.*=false\nsim*=false\nble*=false"));
    const double latencyMs = parser.value("latency").toDouble();
    if (latencyMs <= 0) {
        std::fprintf(stderr, "dfu_bench: the latency must be above 0 ms\n");
        return 2;
    }

    QTemporaryDir dir;
    std::printf("round trip %.1f ms, 128-byte packets, PRN 1, data objects of 4096 bytes\n", latencyMs);
    std::printf("%10s %12s %12s %8s %14s %14s\n", "bytes", "B/s", "limit B/s", "ratio", "us/packet cpu",
                "packets");
    int failures = 0;
    for (const QString &text : parser.value("sizes").split(',', Qt::SkipEmptyParts)) {
        const qint64 size = text.trimmed().toLongLong();
        if (size <= 0)
            continue;
        const QString package = dir.filePath(QStringLiteral("image-%1.zip").arg(size));
        if (!SimDfuPackage::write(package, SimDfuPackage::image(size, quint32(size)), 0x0302)) {
            std::fprintf(stderr, "dfu_bench: cannot write %s\n", qPrintable(package));
            return 1;
        }

        // On the real-time link the updater's own time counts against it.
        const Result real = upload(package, SimClock::Mode::RealTime, latencyMs);
        // On the fast clock the link costs nothing: what is left is the CPU
        // time of the updater and the simulator together.
        const Result fast = upload(package, SimClock::Mode::Fast, latencyMs);
        if (!real.ok || !fast.ok) {
            std::fprintf(stderr, "dfu_bench: %lld bytes failed: %s\n", size,
                         qPrintable(real.ok ? fast.error : real.error));
            ++failures;
            continue;
        }

        const double throughput = double(size) / real.seconds;
        const double limit = double(size) / (double(roundTripsOf(size)) * latencyMs / 1000.0);
        const double cpuPerPacket = fast.seconds * 1e6 / double(fast.packets);
        std::printf("%10lld %12.0f %12.0f %7.1f%% %14.1f %14lld\n", size, throughput, limit,
                    100.0 * throughput / limit, cpuPerPacket, real.packets);
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
