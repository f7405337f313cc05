// One installation from the package to the device running it, against
// simulated limiters with their bootloaders and an update server on
// loopback: the steps, the outcome, what it refuses and how it fails.
#include "DeviceProtocol.h"
#include "DfuProtocol.h"
#include "Firmware.h"
#include "FirmwareDownloader.h"
#include "FirmwareInstaller.h"
#include "HttpsTestServer.h"
#include "LimiterDevice.h"
#include "SimDfu.h"
#include "SimDfuPackage.h"
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

#include <functional>
#include <memory>

namespace {

using Step = FirmwareInstaller::Step;

const QBluetoothAddress kDevice(QStringLiteral("C0:11:22:33:44:FF"));
const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));

QBluetoothUuid buttonlessUuid()
{
    return DeviceProtocol::dfuUuid(DeviceProtocol::kDfuButtonlessId);
}

// What an installer reports, in order.
struct Watch
{
    explicit Watch(FirmwareInstaller &installer)
    {
        QObject::connect(&installer, &FirmwareInstaller::stepChanged, &installer,
                         [this](Step step) { steps.append(step); });
        QObject::connect(&installer, &FirmwareInstaller::finished, &installer,
                         [this](bool application) { outcomes.append(application ? "application" : "bootloader"); });
        QObject::connect(&installer, &FirmwareInstaller::failed, &installer, [this](Step step, const QString &text) {
            failedIn = step;
            outcomes.append(text);
        });
    }
    bool ended() const { return !outcomes.isEmpty(); }

    QList<Step> steps;
    QStringList outcomes;
    Step failedIn = Step::Idle;
};

} // namespace

class TestFirmwareInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void installsIntoARunningDevice_data();
    void installsIntoARunningDevice();
    void bootloaderThenMainFromTheIndex();
    void refusesEverythingWhileItRuns_data();
    void refusesEverythingWhileItRuns();
    void aDeviceThatIsNotConnectedIsLeftAlone_data();
    void aDeviceThatIsNotConnectedIsLeftAlone();
    void failuresEndTheInstallation_data();
    void failuresEndTheInstallation();
    void recoversADeviceStuckInItsBootloader();
    void resumedImageRefusedAtItsExecuteFails();

private:
    // A package of an image of that size for that version, loaded.
    Firmware *package(quint16 version, SimDfuInit::ImageType type = SimDfuInit::Application, qsizetype size = 6000);
    QByteArray packageBytes(quint16 version, SimDfuInit::ImageType type, qsizetype size = 6000);
    // Serves the package at path and returns its index entry.
    FirmwareInfo serve(const QString &path, const QByteArray &bytes, FirmwareType type, const QString &version);
    // The limiter on the rig, its client connected and set up, and the
    // installer of it.
    bool connectDevice();

    HttpsTestServer m_server;
    QTemporaryDir m_dir;
    int m_packages = 0;
    std::unique_ptr<SimRig> m_rig;
    std::shared_ptr<SimLimiter> m_limiter;
    std::shared_ptr<LimiterDevice> m_device;
    std::unique_ptr<FirmwareDownloader> m_downloader;
    std::unique_ptr<FirmwareInstaller> m_installer;
};

void TestFirmwareInstaller::initTestCase()
{
    QVERIFY2(m_server.startAsUpdateServer(QStringLiteral("FirmwareInstallerTest")), qPrintable(m_server.errorText()));
    SimDfu::registerSimDfu();
}

void TestFirmwareInstaller::init()
{
    m_rig = std::make_unique<SimRig>();
    m_limiter = m_rig->addLimiter(SimLimiter::Kind::Limiter, QString(), kDevice, QStringLiteral("QVR Update"));
    m_device = m_rig->client(*m_limiter);
    m_downloader = std::make_unique<FirmwareDownloader>();
    m_installer = std::make_unique<FirmwareInstaller>(&m_rig->backend);
    m_installer->setDevice(m_device);
    m_installer->setDownloader(m_downloader.get());
}

void TestFirmwareInstaller::cleanup()
{
    m_installer.reset();
    m_downloader.reset();
    m_device.reset();
    m_limiter.reset();
    m_rig.reset();
}

QByteArray TestFirmwareInstaller::packageBytes(quint16 version, SimDfuInit::ImageType type, qsizetype size)
{
    const QString path = m_dir.filePath(QStringLiteral("package%1.zip").arg(++m_packages));
    if (!SimDfuPackage::write(path, SimDfuPackage::image(size, version), version, type))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Firmware *TestFirmwareInstaller::package(quint16 version, SimDfuInit::ImageType type, qsizetype size)
{
    const QString path = m_dir.filePath(QStringLiteral("package%1.zip").arg(++m_packages));
    if (!SimDfuPackage::write(path, SimDfuPackage::image(size, version), version, type))
        return nullptr;
    auto *firmware = new Firmware(path);
    if (!firmware->isLoaded()) {
        delete firmware;
        return nullptr;
    }
    return firmware;
}

FirmwareInfo TestFirmwareInstaller::serve(const QString &path, const QByteArray &bytes, FirmwareType type,
                                          const QString &version)
{
    m_server.setResponse(path, bytes);
    FirmwareInfo info;
    info.type = type;
    info.name = path;
    info.url = m_server.url(path).toString();
    info.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    info.hardwareVersion = QVersionNumber(82, 1);
    info.firmwareVersion = QVersionNumber::fromString(version);
    return info;
}

bool TestFirmwareInstaller::connectDevice()
{
    return SimRig::connectAndSetUp(*m_device) && m_installer->deviceProblem().isEmpty();
}

void TestFirmwareInstaller::installsIntoARunningDevice_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<quint16>("firmware"); // what the device reports afterwards
    QTest::addColumn<quint16>("bootloader");
    QTest::addColumn<QString>("bootloaderText");
    QTest::newRow("application") << int(SimDfuInit::Application) << quint16(0x0302) << quint16(0x0102)
                                 << QStringLiteral("Boot1.2");
    QTest::newRow("bootloader") << int(SimDfuInit::Bootloader) << quint16(0x1901) << quint16(0x0103)
                                << QStringLiteral("Boot1.3");
}

void TestFirmwareInstaller::installsIntoARunningDevice()
{
    QFETCH(int, type);
    QFETCH(quint16, firmware);
    QFETCH(quint16, bootloader);
    QFETCH(QString, bootloaderText);
    QVERIFY(connectDevice());
    Watch watch(*m_installer);
    const quint16 version = type == SimDfuInit::Application ? 0x0302 : 0x0103;
    const qsizetype before = m_rig->traffic.size();

    // The restart command goes at once.
    QVERIFY(m_installer->installPackage(package(version, SimDfuInit::ImageType(type))));
    QCOMPARE(m_installer->step(), Step::RestartingDevice);
    QVERIFY(m_installer->holdsDevice());
    const auto firstWrite = [&]() -> QBluetoothUuid {
        for (qsizetype i = before; i < m_rig->traffic.size(); ++i) {
            if (m_rig->traffic.at(i).kind == SimAttEvent::Write)
                return m_rig->traffic.at(i).characteristic;
        }
        return QBluetoothUuid();
    };
    QTRY_COMPARE(firstWrite(), buttonlessUuid());

    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    QCOMPARE(watch.outcomes, QStringList{type == SimDfuInit::Application ? "application" : "bootloader"});
    QCOMPARE(watch.steps, (QList<Step>{Step::RestartingDevice, Step::Transferring, Step::Idle}));
    QCOMPARE(m_installer->state(), int(StateExecuteMain));
    QCOMPARE(m_installer->progress(), 100u);
    QVERIFY(!m_installer->isRunning());

    // The device comes back and says what it runs now.
    QTRY_VERIFY(!m_limiter->isInBootloader());
    auto again = m_rig->client(*m_limiter);
    QVERIFY(SimRig::connectAndSetUp(*again));
    QCOMPARE(again->deviceInformation().block[1].version, firmware);
    QCOMPARE(again->bootloaderVersion(), QVersionNumber(bootloader >> 8, bootloader & 0xFF));
    QCOMPARE(QString::fromLatin1(again->deviceInformation().block[0].versionText), bootloaderText);
}

void TestFirmwareInstaller::bootloaderThenMainFromTheIndex()
{
    const FirmwareInfo boot = serve("/boot.zip", packageBytes(0x0103, SimDfuInit::Bootloader),
                                    FirmwareType::Bootloader, "1.3");
    const FirmwareInfo main = serve("/main.zip", packageBytes(0x0302, SimDfuInit::Application), FirmwareType::Main,
                                    "3.2");
    QVERIFY(connectDevice());
    Watch watch(*m_installer);
    QVERIFY(m_installer->installEntry(boot));
    QCOMPARE(m_installer->step(), Step::Downloading);
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    QCOMPARE(watch.outcomes, QStringList{"bootloader"});

    // The device is not connected any more: the main firmware waits for it
    // and connects it again, as the bootloader update dropped the link.
    QVERIFY(!m_installer->deviceProblem().isEmpty());
    watch.steps.clear();
    QVERIFY(m_installer->installMainAfterBootloader(main));
    QTRY_VERIFY_WITH_TIMEOUT(watch.outcomes.size() == 2, 60000);
    QCOMPARE(watch.outcomes.last(), QStringLiteral("application"));
    QCOMPARE(watch.steps, (QList<Step>{Step::Downloading, Step::WaitingForDevice, Step::RestartingDevice,
                                       Step::Transferring, Step::Idle}));
    QTRY_VERIFY(!m_limiter->isInBootloader());
    QCOMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
    QCOMPARE(m_limiter->deviceInformation().block[0].version, quint16(0x0103));
    QCOMPARE(m_server.requests().count("/main.zip"), 1);

    // Only right after a bootloader: now a disconnected device is refused.
    QVERIFY(!m_installer->installMainAfterBootloader(main));
    QCOMPARE(watch.failedIn, Step::Idle);
}

void TestFirmwareInstaller::refusesEverythingWhileItRuns_data()
{
    QTest::addColumn<std::function<bool(TestFirmwareInstaller &, FirmwareInstaller &)>>("request");
    using Request = std::function<bool(TestFirmwareInstaller &, FirmwareInstaller &)>;
    QTest::newRow("another package") << Request([](TestFirmwareInstaller &test, FirmwareInstaller &installer) {
        return installer.installPackage(test.package(0x0401));
    });
    QTest::newRow("an index entry") << Request([](TestFirmwareInstaller &test, FirmwareInstaller &installer) {
        return installer.installEntry(test.serve("/other.zip", "zip", FirmwareType::Main, "4.1"));
    });
    QTest::newRow("a package to recover with")
        << Request([](TestFirmwareInstaller &test, FirmwareInstaller &installer) {
               return installer.choosePackage(test.package(0x0401));
           });
    QTest::newRow("a recovery") << Request([](TestFirmwareInstaller &, FirmwareInstaller &installer) {
        return installer.recover(QBluetoothDeviceInfo(kBootloader, QStringLiteral("DfuTarg"), 0));
    });
}

void TestFirmwareInstaller::refusesEverythingWhileItRuns()
{
    QFETCH(std::function<bool(TestFirmwareInstaller &, FirmwareInstaller &)>, request);
    QVERIFY(connectDevice());
    Watch watch(*m_installer);
    Firmware *running = package(0x0302, SimDfuInit::Application, 10000);
    const QByteArray image = running->imageData();
    bool asked = false;
    std::shared_ptr<SimDfuBootloader> bootloader;
    connect(m_installer.get(), &FirmwareInstaller::updateStatus, this, [&](StateM state, uint32_t progress) {
        if (state == StateUploadMain && progress >= 50 && !asked) {
            asked = true;
            bootloader = m_rig->radio.peripheral<SimDfuBootloader>(kBootloader);
            QVERIFY(!request(*this, *m_installer));
        }
    });
    QVERIFY(m_installer->installPackage(running));
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    QVERIFY(asked);
    QCOMPARE(watch.outcomes, QStringList{"application"});
    QCOMPARE(m_installer->package(), running);
    QVERIFY(bootloader);
    QTRY_COMPARE(bootloader->activatedImage(), image);
    QVERIFY(!m_server.requests().contains("/other.zip"));
}

void TestFirmwareInstaller::aDeviceThatIsNotConnectedIsLeftAlone_data()
{
    QTest::addColumn<bool>("connectedBefore");
    QTest::newRow("never connected") << false;
    QTest::newRow("disconnected by the user") << true;
}

void TestFirmwareInstaller::aDeviceThatIsNotConnectedIsLeftAlone()
{
    QFETCH(bool, connectedBefore);
    if (connectedBefore) {
        QVERIFY(connectDevice());
        m_device->disconnectFromDevice();
        QTRY_COMPARE(m_device->status(), LimiterDisconnected);
    }
    Watch watch(*m_installer);
    QSignalSpy status(m_device.get(), &LimiterDevice::statusChanged);
    const qsizetype before = m_rig->traffic.size();
    const qsizetype requests = m_server.requests().size();
    const QString text = QStringLiteral("The device must be connected to install firmware. Connect to it and try "
                                        "again.");
    QCOMPARE(m_installer->deviceProblem(), text);
    QVERIFY(!m_installer->installPackage(package(0x0302)));
    QVERIFY(!m_installer->installEntry(serve("/main.zip", "zip", FirmwareType::Main, "3.2")));
    QCOMPARE(watch.outcomes, (QStringList{text, text}));
    QCOMPARE(watch.failedIn, Step::Idle);
    QVERIFY(watch.steps.isEmpty());
    // Nothing goes to the device, and it is not connected behind the user's back.
    m_rig->settle(5000);
    QCOMPARE(m_rig->traffic.size(), before);
    QVERIFY(status.isEmpty());
    QCOMPARE(m_server.requests().size(), requests);
}

void TestFirmwareInstaller::failuresEndTheInstallation_data()
{
    QTest::addColumn<std::function<void(TestFirmwareInstaller &, SimRig &)>>("setUp");
    QTest::addColumn<bool>("fromIndex");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    using SetUp = std::function<void(TestFirmwareInstaller &, SimRig &)>;

    QTest::newRow("restart never confirmed")
        << SetUp([](TestFirmwareInstaller &, SimRig &rig) {
               rig.radio.peripheral(kDevice)->addFaultFilter(
                   SimFaults::refuse(SimAttEvent::Indication, buttonlessUuid(), 1));
           })
        << false << int(Step::RestartingDevice)
        << "The device did not confirm the restart into its bootloader.";
    QTest::newRow("restart refused")
        << SetUp([](TestFirmwareInstaller &, SimRig &rig) {
               rig.radio.peripheral(kDevice)->addFaultFilter(
                   SimFaults::refuse(SimAttEvent::Write, buttonlessUuid(), 1));
           })
        << false << int(Step::RestartingDevice) << "The device refused the restart into its bootloader.";
    QTest::newRow("no bootloader comes up")
        << SetUp([](TestFirmwareInstaller &, SimRig &rig) {
               rig.radio.setBootloaderFactory([](SimPeripheral &) { return SimPeripheralPtr(); });
           })
        << false << int(Step::Transferring) << "The bootloader C0:11:22:33:45:00 was not found";
    QTest::newRow("download corrupted") << SetUp() << true << int(Step::Downloading)
                                        << "Firmware file corrupted, can't update";
}

void TestFirmwareInstaller::failuresEndTheInstallation()
{
    QFETCH(std::function<void(TestFirmwareInstaller &, SimRig &)>, setUp);
    QFETCH(bool, fromIndex);
    QFETCH(int, step);
    QFETCH(QString, text);
    QVERIFY(connectDevice());
    if (setUp)
        setUp(*this, *m_rig);
    Watch watch(*m_installer);
    if (fromIndex) {
        FirmwareInfo entry = serve("/main.zip", packageBytes(0x0302, SimDfuInit::Application), FirmwareType::Main,
                                   "3.2");
        entry.hash[0] = char(entry.hash.at(0) ^ 1);
        QVERIFY(m_installer->installEntry(entry));
    } else {
        QVERIFY(m_installer->installPackage(package(0x0302)));
    }
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 60000);
    QCOMPARE(watch.outcomes, QStringList{text});
    QCOMPARE(int(watch.failedIn), step);
    QVERIFY(!m_installer->isRunning());
    QCOMPARE(watch.steps.last(), Step::Idle);
}

void TestFirmwareInstaller::recoversADeviceStuckInItsBootloader()
{
    // A device left in its bootloader by a broken update.
    m_rig->radio.removePeripheral(kDevice);
    auto bootloader = std::make_shared<SimDfuBootloader>(kBootloader);
    m_rig->radio.addPeripheral(bootloader);
    FirmwareInstaller installer(&m_rig->backend);
    Watch watch(installer);

    const QBluetoothDeviceInfo target(kBootloader, QStringLiteral("DfuTarg"), 0);
    QVERIFY(!installer.recover(target)); // no package yet
    Firmware *rescue = package(0x0303, SimDfuInit::Application, 5000);
    const QByteArray image = rescue->imageData();
    QVERIFY(installer.choosePackage(rescue));
    QVERIFY(installer.recover(target));
    QVERIFY(installer.holdsDevice());
    QCOMPARE(installer.targetName(), QStringLiteral("DfuTarg (C0:11:22:33:45:00)"));
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    QCOMPARE(watch.outcomes, QStringList{"application"});
    QTRY_COMPARE(bootloader->activatedImage(), image);
}

// A recovery resumed after the link was lost just before the last Execute:
// the bootloader already holds the whole image, so the client asks for the
// Execute at once. Only the bootloader's answer says whether the image was
// taken; when it refuses it, the recovery has failed.
void TestFirmwareInstaller::resumedImageRefusedAtItsExecuteFails()
{
    m_rig->radio.removePeripheral(kDevice);
    auto bootloader = std::make_shared<SimDfuBootloader>(kBootloader);
    // Room to keep the init packet across links, so the image is resumed.
    bootloader->setMaximumObjectSizes(1024, SimDfuBootloader::kDataObjectMaxSize);
    m_rig->radio.addPeripheral(bootloader);
    FirmwareInstaller installer(&m_rig->backend);
    Watch watch(installer);
    const QBluetoothDeviceInfo target(kBootloader, QStringLiteral("DfuTarg"), 0);
    // 10000 bytes in three data objects: the eleventh control point request
    // is the last Execute.
    QVERIFY(installer.choosePackage(package(0x0303, SimDfuInit::Application, 10000)));
    bootloader->addFaultFilter(SimFaults::dropLink(SimAttEvent::Write, dfu::controlPointUuid(), 11));
    QVERIFY(installer.recover(target));
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    QVERIFY2(watch.outcomes.first().contains(QStringLiteral("\"Execute firmware update\"")),
             qPrintable(watch.outcomes.first()));
    QTRY_VERIFY(m_rig->radio.connections().isEmpty());
    QCOMPARE(bootloader->receivedImage().size(), 10000);

    // The retry: the bootloader refuses the Execute of the data object.
    bootloader->clearFaultFilters();
    auto selectedData = std::make_shared<bool>(false);
    bootloader->addFaultFilter([selectedData](SimAttEvent &event) {
        if (event.kind != SimAttEvent::Write || event.characteristic != dfu::controlPointUuid())
            return SimFault::Pass;
        if (event.value.startsWith(QByteArray::fromHex("0602")))
            *selectedData = true;
        return *selectedData && event.value == QByteArray::fromHex("04") ? SimFault::Refuse : SimFault::Pass;
    });
    watch.outcomes.clear();
    QVERIFY(installer.recover(target));
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), 30000);
    m_rig->settle(1000);
    QCOMPARE(watch.outcomes.size(), 1);
    QVERIFY2(watch.outcomes.first() != QLatin1String("application"), "a refused image was reported as installed");
    QCOMPARE(int(watch.failedIn), int(Step::Transferring));
    QVERIFY(bootloader->activatedImage().isEmpty());
}

QTEST_GUILESS_MAIN(TestFirmwareInstaller)
#include "tst_firmwareinstaller.moc"
