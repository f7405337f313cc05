// The whole firmware road on the simulator: the update index and a package
// come from an HTTPS server on loopback, the package is verified and loaded,
// the limiter restarts into its bootloader on the buttonless DFU command,
// DFUUpdater uploads the package and the limiter comes back running it.

#include "DFUUpdater.h"
#include "DeviceRecords.h"
#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "HttpsTestServer.h"
#include "LimiterDevice.h"
#include "SimDescription.h"
#include "SimDfu.h"
#include "SimDfuPackage.h"
#include "SimLimiter.h"
#include "SimRadio.h"
#include "SimRig.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QBluetoothAddress kDevice(QStringLiteral("C0:11:22:33:44:FF"));
const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));

// Connects and waits until the device's services are set up.
bool connectAndSetUp(LimiterDevice &device)
{
    QSignalSpy logger(&device, &LimiterDevice::loggerServiceDiscovered);
    QSignalSpy information(&device, &LimiterDevice::deviceInformationUpdated);
    device.connectToDevice();
    return QTest::qWaitFor([&] { return logger.count() && information.count(); }, 20000);
}
} // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void downloadedPackageRunsOnTheLimiter();
    void deviceStuckInItsBootloader();

private:
    HttpsTestServer m_server;
    QTemporaryDir m_dir;
};

void TestFirmwareUpdate::initTestCase()
{
    QVERIFY2(m_server.startAsUpdateServer(QStringLiteral("FirmwareUpdateTest")), qPrintable(m_server.errorText()));
    SimDfu::registerSimDfu();
}

void TestFirmwareUpdate::downloadedPackageRunsOnTheLimiter()
{
    // The server: an index with one package.
    const QByteArray image = SimDfuPackage::image(10000, 42);
    const QString packagePath = m_dir.filePath(QStringLiteral("limiter-3.2.zip"));
    QVERIFY(SimDfuPackage::write(packagePath, image, 0x0302));
    QFile packageFile(packagePath);
    QVERIFY(packageFile.open(QIODevice::ReadOnly));
    const QByteArray package = packageFile.readAll();
    m_server.setResponse("/packages/limiter-3.2.zip", package);
    const QJsonObject entry{
        {"firmware_type", "main"},
        {"name", "Limiter 3.2"},
        {"description", "Faster telemetry"},
        {"url", m_server.url("/packages/limiter-3.2.zip").toString()},
        {"hash", QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha1).toHex())},
        {"hardware_version", "82.1"},
        {"firmware_version", "3.2"},
        {"firmware_date", "15.03.2025"},
    };
    m_server.setResponse("/upd-fw.json", QJsonDocument(QJsonArray{entry}).toJson());

    // The air: one limiter running 3.1.
    SimRig rig;
    SimRadio &radio = rig.radio;
    auto limiter = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kDevice, QStringLiteral("QVR Test"));
    limiter->setFirmwareVersionWord(0x0301);
    radio.addPeripheral(limiter);

    // Index, download, verification and loading.
    FirmwareDownloader downloader;
    QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
    QSignalSpy downloaded(&downloader, &FirmwareDownloader::downloadFinished);
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);
    downloader.refresh();
    QVERIFY(refreshed.wait(10000));
    QCOMPARE(downloader.firmwareList().size(), 1);
    downloader.download(downloader.firmwareList().first());
    QVERIFY(downloaded.wait(10000));
    QVERIFY2(failed.isEmpty(), qPrintable(downloader.errorString()));
    auto *firmware = downloaded.first().first().value<Firmware *>();
    QVERIFY(firmware && firmware->isLoaded());

    // The device restarts into its bootloader, the updater takes over.
    LimiterDevice device(QBluetoothDeviceInfo(kDevice, QStringLiteral("QVR Test"), 0), &rig.backend);
    QVERIFY(connectAndSetUp(device));
    DFUUpdater updater(&rig.backend);
    updater.setFirmware(firmware);
    QObject::connect(&device, &LimiterDevice::enteredDFUMode, &updater,
                     [&] { updater.startUpdate(device.address()); });
    QList<QPair<int, uint32_t>> statuses;
    QStringList errors;
    QObject::connect(&updater, &DFUUpdater::updateStatus, &updater,
                     [&](StateM state, uint32_t progress) { statuses.append({int(state), progress}); });
    QObject::connect(&updater, &DFUUpdater::error, &updater, [&](const QString &text) { errors.append(text); });
    device.enterDFUMode();
    QVERIFY(QTest::qWaitFor([&] { return !errors.isEmpty() || (!statuses.isEmpty() && statuses.last().second == 100); },
                            30000));
    QCOMPARE(errors, QStringList());
    QCOMPARE(statuses.last(), (QPair<int, uint32_t>(StateExecuteMain, 100)));
    QVERIFY(updater.firmware()->isApplication());

    // The limiter comes back with the new firmware, the bootloader is gone.
    QTRY_VERIFY(!limiter->isInBootloader());
    QCOMPARE(limiter->firmwareVersionWord(), quint16(0x0302));
    QTRY_VERIFY(!radio.peripheral(kBootloader));
    QVERIFY(limiter->isAdvertising());
    device.disconnectFromDevice();

    LimiterDevice again(QBluetoothDeviceInfo(kDevice, QStringLiteral("QVR Test"), 0), &rig.backend);
    QVERIFY(connectAndSetUp(again));
    QCOMPARE(again.deviceInformation().block[1].version, quint16(0x0302));
}

void TestFirmwareUpdate::deviceStuckInItsBootloader()
{
    // A description file can start a bootloader on its own, as a device
    // left in it by a broken update; the recovery path uploads directly.
    SimRig rig;
    SimRadio &radio = rig.radio;
    QString problem;
    QVERIFY2(SimDescription::load(radio, R"({"devices": [{"kind": "dfu-bootloader", "address": "C0:11:22:33:45:00"}]})",
                                  &problem),
             qPrintable(problem));
    auto bootloader = radio.peripheral<SimDfuBootloader>(kBootloader);
    QVERIFY(bootloader);
    QCOMPARE(bootloader->name(), QStringLiteral("DfuTarg"));

    const QByteArray image = SimDfuPackage::image(5000, 9);
    const QString path = m_dir.filePath(QStringLiteral("recovery.zip"));
    QVERIFY(SimDfuPackage::write(path, image, 0x0303));
    DFUUpdater updater(&rig.backend);
    updater.setFirmware(new Firmware(path));
    QSignalSpy activated(bootloader.get(), &SimDfuBootloader::imageActivated);
    QSignalSpy failed(&updater, &DFUUpdater::error);
    updater.reset();
    updater.connectToDevice(QBluetoothDeviceInfo(kBootloader, QStringLiteral("DfuTarg"), 0));
    QVERIFY(activated.wait(30000));
    QVERIFY(failed.isEmpty());
    QCOMPARE(bootloader->activatedImage(), image);
    QTRY_VERIFY(!bootloader->isAdvertising());
}

QTEST_GUILESS_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
