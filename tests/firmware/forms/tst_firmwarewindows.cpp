// The firmware update page, the recovery dialog and the update-check
// question against the simulated radio and an update server on loopback.
#include "BleBackend.h"
#include "BleDeviceDiscovery.h"
#include "ChildWidget.h"
#include "DeviceRecords.h"
#include "DeviceProtocol.h"
#include "FirmwareDownloader.h"
#include "FirmwareInstaller.h"
#include "FirmwareRecoveryDialog.h"
#include "FirmwareSelection.h"
#include "FirmwareUpdateCheckRequestWidget.h"
#include "FirmwareUpdateWidget.h"
#include "FirmwareWindows.h"
#include "HttpsTestServer.h"
#include "LimiterDevice.h"
#include "ModalAnswerer.h"
#include "SimBackend.h"
#include "SimDescription.h"
#include "SimDfu.h"
#include "SimDfuBootloader.h"
#include "SimDfuPackage.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace {

const QBluetoothAddress kDevice(QStringLiteral("C0:11:22:33:44:FF"));
const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));

QJsonObject indexEntry(const QString &type, const QString &hardware, const QString &version, const QString &date,
                       const QByteArray &package, const QString &url)
{
    return QJsonObject{
        {"firmware_type", type},
        {"name", QStringLiteral("%1 %2").arg(type, version)},
        {"description", QStringLiteral("%1 of %2").arg(version, date)},
        {"url", url},
        {"hash", QString::fromLatin1(QCryptographicHash::hash(package, QCryptographicHash::Sha1).toHex())},
        {"hardware_version", hardware},
        {"firmware_version", version},
        {"firmware_date", date},
    };
}

FirmwareInfo info(FirmwareType type, const QString &hardware, const QString &version, QDate date, char hash)
{
    FirmwareInfo entry;
    entry.type = type;
    entry.hardwareVersion = QVersionNumber::fromString(hardware);
    entry.firmwareVersion = QVersionNumber::fromString(version);
    entry.date = QDateTime(date, QTime(0, 0));
    entry.hash = QByteArray(20, hash);
    return entry;
}

// The update page of a device as its tab sets it up, with the downloader
// the main window would give it.
struct WiredPage
{
    explicit WiredPage(const std::shared_ptr<LimiterDevice> &device)
    {
        page.setDevice(device);
        page.setFirmwareDownloader(&downloader);
    }
    // Fetches the index; true once it arrived.
    bool refresh()
    {
        QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
        downloader.refresh();
        return refreshed.wait(10000);
    }
    QPushButton *button(const char *name) { return child<QPushButton>(&page, name); }
    QTableWidget *table(const char *name) { return child<QTableWidget>(&page, name); }
    QString label(const char *name) { return child<QLabel>(&page, name)->text(); }

    FirmwareDownloader downloader;
    FirmwareUpdateWidget page;
};

// The steps an installer went through.
QList<FirmwareInstaller::Step> stepsOf(const QSignalSpy &spy)
{
    QList<FirmwareInstaller::Step> steps;
    for (const QList<QVariant> &arguments : spy)
        steps.append(arguments.first().value<FirmwareInstaller::Step>());
    return steps;
}

} // namespace

class tst_FirmwareWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choice_data();
    void choice();
    void escLines_data();
    void escLines();
    void deviceInfoTexts();
    void indexTablesAndPreselection();
    void otherHardwareListsNothing();
    void failedRefreshShowsNotFound();
    void installWithoutSelectionDoesNothing();
    void downloadFailureKeepsTheTables_data();
    void downloadFailureKeepsTheTables();
    void wholeUpdateFromTheIndex();
    void bootloaderThenMain_data();
    void bootloaderThenMain();
    void packageChoicesAreOffDuringATransfer();
    void localPackageThatDoesNotLoad();
    void localPackageOnADisconnectedDevice();
    void dfuFailureIsShown();
    void closeQuestion_data();
    void closeQuestion();
    void recoveryDialogListsAndEnables();
    void recoveryOfAStuckDevice();
    void recoveryGoesOnWhileTheDialogIsHidden();
    void recoveryOfARunningLimiter();
    void languageSwitchKeepsWhatIsShown();
    void updateCheckQuestion_data();
    void updateCheckQuestion();

private:
    // A limiter with the given hardware version word, its LimiterDevice from
    // a scan (so the advertised versions are known), connected and set up.
    std::shared_ptr<LimiterDevice> connectLimiter(quint16 hardwareWord);
    void servePackage(const QString &path, const QByteArray &bytes);
    void serveIndex(const QJsonArray &entries);
    // Writes a package of an image of size bytes for version word, serves it
    // at "/<name>" and returns its index entry for hardware 82.1.
    QJsonObject offer(const QString &type, const QString &version, const QString &date, const QString &name,
                      qsizetype size, quint16 word, SimDfuInit::ImageType kind = SimDfuInit::Application);
    // The page of a connected limiter of hardware 82.1.5 (word 0x5215) with
    // the index of entries loaded; nullptr when either fails.
    std::unique_ptr<WiredPage> pageWithIndex(const QJsonArray &entries);
    // A device left in its bootloader by a broken update, on the radio.
    std::shared_ptr<SimDfuBootloader> addStuckBootloader();
    QByteArray writePackage(const QString &name, qsizetype size, quint16 version,
                            SimDfuInit::ImageType type = SimDfuInit::Application);

    HttpsTestServer m_server;
    QTemporaryDir m_dir;
    std::unique_ptr<SimRadio> m_radio;
    std::unique_ptr<SimBackend> m_backend;
    std::shared_ptr<SimLimiter> m_limiter;
    // Restart commands (buttonless DFU writes) that reached a device.
    int m_restartCommands = 0;
};

void tst_FirmwareWindows::initTestCase()
{
    QVERIFY2(m_server.startAsUpdateServer(QStringLiteral("FirmwareWindowsTest")), qPrintable(m_server.errorText()));
    SimDfu::registerSimDfu();
}

void tst_FirmwareWindows::init()
{
    m_radio = std::make_unique<SimRadio>(SimClock::Mode::Fast);
    m_backend = std::make_unique<SimBackend>(m_radio.get());
    BleBackend::setInstance(m_backend.get());
    QSettings().clear();
    m_restartCommands = 0;
    const QBluetoothUuid buttonless = DeviceProtocol::dfuUuid(DeviceProtocol::kDfuButtonlessId);
    connect(m_radio.get(), &SimRadio::traffic, this, [this, buttonless](const SimAttEvent &event) {
        if (event.kind == SimAttEvent::Write && event.characteristic == buttonless)
            ++m_restartCommands;
    });
}

void tst_FirmwareWindows::cleanup()
{
    BleBackend::setInstance(nullptr);
    m_limiter.reset();
    m_backend.reset();
    m_radio.reset();
}

std::shared_ptr<LimiterDevice> tst_FirmwareWindows::connectLimiter(quint16 hardwareWord)
{
    m_limiter = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kDevice, QStringLiteral("QVR Update"));
    s_DeviceInfoBle information = m_limiter->deviceInformation();
    information.block[1].versionWord60 = hardwareWord;
    m_limiter->setDeviceInformation(information);
    m_radio->addPeripheral(m_limiter);

    // Advertisements carry the status in turns: listen until the versions
    // have come by, as the device list does.
    auto device = std::make_shared<LimiterDevice>(QBluetoothDeviceInfo(kDevice, m_limiter->name(), 0));
    std::unique_ptr<BleDeviceDiscovery> scan(BleBackend::instance()->createDeviceDiscovery());
    const auto take = [&](const QBluetoothDeviceInfo &info) {
        if (info.address() != kDevice)
            return;
        device->setDeviceInfo(info);
        device->parseAdvertisement();
    };
    QObject::connect(scan.get(), &BleDeviceDiscovery::deviceDiscovered, scan.get(), take);
    QObject::connect(scan.get(), &BleDeviceDiscovery::deviceUpdated, scan.get(),
                     [&](const QBluetoothDeviceInfo &info) { take(info); });
    scan->start();
    if (!QTest::qWaitFor([&] { return device->versionWords().hardware == hardwareWord && !device->firmwareVersion().isNull(); }, 10000))
        return nullptr;
    scan->stop();
    QSignalSpy logger(device.get(), &LimiterDevice::loggerServiceDiscovered);
    device->connectToDevice();
    if (!QTest::qWaitFor([&] { return logger.count() > 0; }, 20000))
        return nullptr;
    return device;
}

void tst_FirmwareWindows::servePackage(const QString &path, const QByteArray &bytes)
{
    m_server.setResponse(path, bytes);
}

void tst_FirmwareWindows::serveIndex(const QJsonArray &entries)
{
    m_server.setResponse("/upd-fw.json", QJsonDocument(entries).toJson());
}

QJsonObject tst_FirmwareWindows::offer(const QString &type, const QString &version, const QString &date,
                                       const QString &name, qsizetype size, quint16 word, SimDfuInit::ImageType kind)
{
    const QByteArray package = writePackage(name, size, word, kind);
    servePackage(QLatin1Char('/') + name, package);
    return indexEntry(type, QStringLiteral("82.1"), version, date, package,
                      m_server.url(QLatin1Char('/') + name).toString());
}

std::unique_ptr<WiredPage> tst_FirmwareWindows::pageWithIndex(const QJsonArray &entries)
{
    serveIndex(entries);
    auto device = connectLimiter(0x5215);
    if (!device)
        return nullptr;
    auto tab = std::make_unique<WiredPage>(device);
    return tab->refresh() ? std::move(tab) : nullptr;
}

std::shared_ptr<SimDfuBootloader> tst_FirmwareWindows::addStuckBootloader()
{
    QString problem;
    if (!SimDescription::load(*m_radio, R"({"devices": [{"kind": "dfu-bootloader", "address": "C0:11:22:33:45:00"}]})",
                              &problem))
        return nullptr;
    return m_radio->peripheral<SimDfuBootloader>(kBootloader);
}

QByteArray tst_FirmwareWindows::writePackage(const QString &name, qsizetype size, quint16 version,
                                             SimDfuInit::ImageType type)
{
    const QString path = m_dir.filePath(name);
    if (!SimDfuPackage::write(path, SimDfuPackage::image(size, version), version, type))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_FirmwareWindows::choice_data()
{
    QTest::addColumn<QString>("hardware");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("recommended");
    // Main entries for 82.1: 01.02.2025 v3.1, 15.03.2025 v3.0, 10.01.2025 v3.1,
    // a bootloader and an entry for 82.2 that never show.
    QTest::newRow("82.1.5") << QStringLiteral("82.1.5")
                            << QStringList{QStringLiteral("2025-03-15"), QStringLiteral("2025-02-01"),
                                           QStringLiteral("2025-01-10")}
                            << 1;
    QTest::newRow("82.2.0") << QStringLiteral("82.2.0") << QStringList{QStringLiteral("2025-04-01")} << 0;
    QTest::newRow("82 alone") << QStringLiteral("82") << QStringList() << -1;
    QTest::newRow("83.1.0") << QStringLiteral("83.1.0") << QStringList() << -1;
}

void tst_FirmwareWindows::choice()
{
    QFETCH(QString, hardware);
    QFETCH(QStringList, dates);
    QFETCH(int, recommended);
    const QList<FirmwareInfo> index{
        info(FirmwareType::Main, "82.1", "3.1", QDate(2025, 2, 1), 'a'),
        info(FirmwareType::Main, "82.1", "3.0", QDate(2025, 3, 15), 'b'),
        info(FirmwareType::Bootloader, "82.1", "9.0", QDate(2025, 5, 1), 'c'),
        info(FirmwareType::Main, "82.1", "3.1", QDate(2025, 1, 10), 'd'),
        info(FirmwareType::Main, "82.2", "1.0", QDate(2025, 4, 1), 'e'),
    };
    const FirmwareChoice choice = chooseFirmware(index, FirmwareType::Main, QVersionNumber::fromString(hardware));
    QStringList shown;
    for (const FirmwareInfo &entry : choice.entries)
        shown << entry.date.date().toString(Qt::ISODate);
    QCOMPARE(shown, dates);
    QCOMPARE(choice.recommendedRow, recommended);
}

void tst_FirmwareWindows::escLines_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<bool>("esc");
    QTest::newRow("both bits") << 0x5215 << true;
    QTest::newRow("0x1000 only") << 0x1215 << false;
    QTest::newRow("0x4000 only") << 0x4215 << false;
    QTest::newRow("neither") << 0x0410 << false;
}

void tst_FirmwareWindows::escLines()
{
    QFETCH(int, word);
    QFETCH(bool, esc);
    QCOMPARE(firmwarewindows::hasEsc(quint16(word)), esc);
    auto device = connectLimiter(quint16(word));
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    for (const char *name : {"lblCurrentESCFirmwareName", "lblCurrentESCFirmware", "lblEscFirmwareSelect",
                             "cbESCFirmware", "pbInstallESC"})
        QCOMPARE(!page.findChild<QWidget *>(QLatin1String(name))->isHidden(), esc);
}

void tst_FirmwareWindows::deviceInfoTexts()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    const auto text = [&](const char *name) { return page.findChild<QLabel *>(QLatin1String(name))->text(); };
    // The first segment's low four bits: 0x52 shows as 2.
    QCOMPARE(text("lblHardwareVersion"), QStringLiteral("QVR-L4 v 2.1.5"));
    QCOMPARE(text("lblCurrentFirmware"), QStringLiteral("25.1 [Main fw  release]"));
    QCOMPARE(text("lblCurrentBootloaderFirmware"), QStringLiteral("1.2 [Boot1.2  secure]"));
    QCOMPARE(text("lblCurrentESCFirmware"), QStringLiteral("ESC [1.5  ESC fw]"));
    QCOMPARE(text("lblCalibrationDate"), QStringLiteral("20250315  CAL-0042"));
}

void tst_FirmwareWindows::indexTablesAndPreselection()
{
    const QByteArray a = writePackage("a.zip", 3000, 0x0301);
    const QByteArray b = writePackage("b.zip", 3001, 0x0300);
    const QByteArray d = writePackage("d.zip", 3002, 0x0301);
    m_server.setResponse("/upd-fw.json", QJsonDocument(QJsonArray{
                                                           indexEntry("main", "82.1", "3.1", "01.02.2025", a, "x"),
                                                           indexEntry("main", "82.1", "3.0", "15.03.2025", b, "y"),
                                                           indexEntry("main", "82.1", "3.1", "10.01.2025", d, "z"),
                                                       })
                                             .toJson());
    auto device = connectLimiter(0x5215); // 82.1.5
    QVERIFY(device);
    FirmwareDownloader downloader;
    QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
    downloader.refresh();
    QVERIFY(refreshed.wait(10000));

    FirmwareUpdateWidget page;
    page.setDevice(device);
    page.setFirmwareDownloader(&downloader); // the index is there already
    auto *table = page.findChild<QTableWidget *>(QStringLiteral("cbMainFirmware"));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 1)->text(), QDate(2025, 3, 15).toString());
    QCOMPARE(table->item(1, 1)->text(), QDate(2025, 2, 1).toString());
    QCOMPARE(table->item(2, 1)->text(), QDate(2025, 1, 10).toString());
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("3.1"));
    QCOMPARE(table->currentRow(), 1);
    QCOMPARE(table->currentColumn(), 0);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("pbInstallMain"))->isEnabled());
    QCOMPARE(page.findChild<QTableWidget *>(QStringLiteral("cbBootloaderFirmware"))->rowCount(), 0);
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("pbInstallBootloader"))->isEnabled());

    // "Refresh information" asks the server again and fills the tables anew.
    const int requests = m_server.requests().size();
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbRefreshFirmwareList")), Qt::LeftButton);
    QVERIFY(refreshed.wait(10000));
    QCOMPARE(m_server.requests().size(), requests + 1);
    QCOMPARE(table->rowCount(), 3);
}

void tst_FirmwareWindows::otherHardwareListsNothing()
{
    const QByteArray a = writePackage("a.zip", 3000, 0x0301);
    m_server.setResponse("/upd-fw.json",
                         QJsonDocument(QJsonArray{indexEntry("main", "82.1", "3.1", "01.02.2025", a, "x")}).toJson());
    auto device = connectLimiter(0x5220); // 82.2.0
    QVERIFY(device);
    WiredPage tab(device);
    QVERIFY(tab.refresh());
    FirmwareUpdateWidget &page = tab.page;
    QCOMPARE(page.findChild<QTableWidget *>(QStringLiteral("cbMainFirmware"))->rowCount(), 0);
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("pbInstallMain"))->isEnabled());
}

void tst_FirmwareWindows::failedRefreshShowsNotFound()
{
    const std::unique_ptr<WiredPage> wired = pageWithIndex({offer("main", "3.1", "01.02.2025", "a.zip", 3000, 0x0301)});
    QVERIFY(wired);
    WiredPage &tab = *wired;
    QSignalSpy failed(&tab.downloader, &FirmwareDownloader::error);

    m_server.setResponse("/upd-fw.json", HttpsTestServer::Response{404, "gone", 0});
    tab.downloader.refresh();
    QVERIFY(failed.wait(10000));
    for (const char *name : {"cbMainFirmware", "cbBootloaderFirmware", "cbESCFirmware"}) {
        QCOMPARE(tab.table(name)->rowCount(), 1);
        QCOMPARE(tab.table(name)->item(0, 0)->text(), QStringLiteral("Not found"));
    }
    for (const char *name : {"pbInstallMain", "pbInstallBootloader", "pbInstallESC"})
        QVERIFY(!tab.button(name)->isEnabled());

    // A double click on "Not found" installs nothing, not even what the
    // earlier index had in that row.
    QTableWidget *table = tab.table("cbMainFirmware");
    table->setCurrentCell(0, 0);
    emit table->doubleClicked(table->currentIndex());
    QCOMPARE(tab.page.installer().step(), FirmwareInstaller::Step::Idle);
}

void tst_FirmwareWindows::installWithoutSelectionDoesNothing()
{
    const std::unique_ptr<WiredPage> wired = pageWithIndex({offer("main", "3.1", "01.02.2025", "a.zip", 3000, 0x0301)});
    QVERIFY(wired);
    WiredPage &tab = *wired;
    tab.table("cbMainFirmware")->clearSelection();
    QTest::mouseClick(tab.button("pbInstallMain"), Qt::LeftButton);
    QCOMPARE(tab.page.installer().step(), FirmwareInstaller::Step::Idle);
    QVERIFY(tab.button("pbOpenFirmware")->isEnabled());
}

void tst_FirmwareWindows::downloadFailureKeepsTheTables_data()
{
    QTest::addColumn<bool>("served");
    QTest::addColumn<bool>("matchingHash");
    QTest::newRow("not on the server") << false << true;
    QTest::newRow("corrupted on the way") << true << false;
}

void tst_FirmwareWindows::downloadFailureKeepsTheTables()
{
    QFETCH(bool, served);
    QFETCH(bool, matchingHash);
    QJsonObject entry = offer("main", "3.2", "15.03.2025", "broken-3.2.zip", 3000, 0x0302);
    if (!matchingHash)
        entry.insert("hash", QString(40, QLatin1Char('0')));
    if (!served)
        m_server.setResponse("/broken-3.2.zip", HttpsTestServer::Response{404, "", 0});
    const std::unique_ptr<WiredPage> wired = pageWithIndex({entry});
    QVERIFY(wired);
    WiredPage &tab = *wired;
    QSignalSpy failed(&tab.downloader, &FirmwareDownloader::error);
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));

    QTest::mouseClick(tab.button("pbInstallMain"), Qt::LeftButton);
    QVERIFY(!tab.button("pbOpenFirmware")->isEnabled());
    QVERIFY(failed.wait(10000));
    // The index was fine: the table keeps it, and both ways to install are
    // open again. The main window shows the downloader's text.
    QCOMPARE(tab.table("cbMainFirmware")->rowCount(), 1);
    QCOMPARE(tab.table("cbMainFirmware")->item(0, 0)->text(), QStringLiteral("3.2"));
    QVERIFY(tab.button("pbInstallMain")->isEnabled());
    QVERIFY(tab.button("pbOpenFirmware")->isEnabled());
    QVERIFY(!tab.page.installer().isRunning());
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(m_restartCommands, 0);
}

void tst_FirmwareWindows::wholeUpdateFromTheIndex()
{
    const std::unique_ptr<WiredPage> wired =
        pageWithIndex({offer("main", "3.2", "15.03.2025", "main-3.2.zip", 10000, 0x0302)});
    QVERIFY(wired);
    WiredPage &tab = *wired;

    auto *state = child<QLabel>(&tab.page, "lblUpdateState");
    auto *progress = child<QProgressBar>(&tab.page, "pbUpdateProgress");
    QVERIFY(state->isHidden());
    QStringList states;
    connect(progress, &QProgressBar::valueChanged, &tab.page, [&] {
        if (states.isEmpty() || states.last() != state->text())
            states << state->text();
    });
    // The success box stays up until the limiter runs the new firmware: the
    // device does not wait for the user.
    ModalAnswerer<QMessageBox> boxes([this](QMessageBox *box) {
        if (!m_limiter->isInBootloader() && m_limiter->firmwareVersionWord() == 0x0302)
            box->accept();
    });
    QTest::mouseClick(tab.button("pbInstallMain"), Qt::LeftButton);
    QVERIFY(!tab.button("pbInstallMain")->isEnabled());
    QVERIFY(!tab.button("pbOpenFirmware")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(boxes.seen().last(), QStringLiteral("%1|Firmware was uploaded successully. Please reconnect to device.")
                                    .arg(QGuiApplication::applicationDisplayName()));
    QVERIFY(!state->isHidden());
    QCOMPARE(progress->value(), 100);
    QCOMPARE(state->text(), QStringLiteral("Execute firmware update"));
    QVERIFY(states.contains(QStringLiteral("Upload main firmware")));
    QCOMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
    QCOMPARE(m_restartCommands, 1);
    QVERIFY(tab.button("pbInstallMain")->isEnabled());
    QVERIFY(tab.button("pbOpenFirmware")->isEnabled());
}

void tst_FirmwareWindows::bootloaderThenMain_data()
{
    QTest::addColumn<bool>("reinstall");
    QTest::newRow("Yes installs the main firmware") << true;
    QTest::newRow("No ends there") << false;
}

void tst_FirmwareWindows::bootloaderThenMain()
{
    QFETCH(bool, reinstall);
    const std::unique_ptr<WiredPage> wired =
        pageWithIndex({offer("bootloader", "1.3", "01.03.2025", "boot.zip", 4000, 0x0103, SimDfuInit::Bootloader),
                       offer("main", "3.2", "15.03.2025", "main.zip", 6000, 0x0302)});
    QVERIFY(wired);
    WiredPage &tab = *wired;
    QCOMPARE(tab.label("lblCurrentBootloaderFirmware"), QStringLiteral("1.2 [Boot1.2  secure]"));

    QSignalSpy steps(&tab.page.installer(), &FirmwareInstaller::stepChanged);
    const int mainRequests = m_server.requests().count(QStringLiteral("/main.zip"));
    ModalAnswerer<QMessageBox> boxes(clickButton(reinstall ? QMessageBox::Yes : QMessageBox::No));
    QTest::mouseClick(tab.button("pbInstallBootloader"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("Bootloader firnware was uploaded successully. Reinstall main firmware?"));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    if (!reinstall) {
        QCOMPARE(tab.page.installer().step(), FirmwareInstaller::Step::Idle);
        QCOMPARE(m_restartCommands, 1);
        QCOMPARE(m_server.requests().count(QStringLiteral("/main.zip")), mainRequests);
        return;
    }
    // The main firmware goes the same way once the device is back: download,
    // restart, bootloader, upload; the page then shows the new bootloader.
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 2, 60000);
    QVERIFY(boxes.seen().at(1).endsWith(QStringLiteral("Please reconnect to device.")));
    QCOMPARE(m_restartCommands, 2);
    QVERIFY(stepsOf(steps).contains(FirmwareInstaller::Step::WaitingForDevice));
    QTRY_COMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
    QCOMPARE(tab.label("lblCurrentBootloaderFirmware"), QStringLiteral("1.3 [Boot1.3  secure]"));
    QCOMPARE(m_server.requests().count(QStringLiteral("/main.zip")), mainRequests + 1);
}

void tst_FirmwareWindows::packageChoicesAreOffDuringATransfer()
{
    // A second package, from disk and from the index, is at hand mid-transfer.
    const std::unique_ptr<WiredPage> wired =
        pageWithIndex({offer("main", "4.1", "15.03.2025", "second.zip", 3000, 0x0401)});
    QVERIFY(wired);
    WiredPage &tab = *wired;
    writePackage("first.zip", 10000, 0x0302);

    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("first.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    bool tried = false;
    connect(&tab.page.installer(), &FirmwareInstaller::updateStatus, this, [&](StateM, uint32_t progress) {
        if (progress < 30 || tried)
            return;
        tried = true;
        for (const char *name : {"pbOpenFirmware", "pbInstallMain", "pbInstallBootloader"})
            QVERIFY2(!tab.button(name)->isEnabled(), name);
        files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("second.zip"))));
        tab.page.installFromLocalFile(); // as a click would, were the button on
        QTableWidget *table = tab.table("cbMainFirmware");
        emit table->doubleClicked(table->model()->index(0, 0));
        tab.page.installMain();
    });
    QTest::mouseClick(tab.button("pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QVERIFY(tried);
    QVERIFY(files->seen().isEmpty()); // no file dialog came up
    QCOMPARE(boxes.seen(), QStringList{QStringLiteral("%1|Firmware was uploaded successully. Please reconnect to "
                                                     "device.")
                                          .arg(QGuiApplication::applicationDisplayName())});
    QVERIFY(!m_server.requests().contains(QStringLiteral("/second.zip")));
    QCOMPARE(m_restartCommands, 1);
    QTRY_COMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
    QVERIFY(tab.button("pbOpenFirmware")->isEnabled());
}

void tst_FirmwareWindows::localPackageThatDoesNotLoad()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    const QString broken = m_dir.filePath(QStringLiteral("broken.zip"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is no zip");
    file.close();

    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(broken));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    QTest::mouseClick(child<QPushButton>(&page, "pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY(!boxes.seen().isEmpty());
    QVERIFY2(boxes.seen().first().startsWith(QStringLiteral("Error loading firmware update file|Error: ")),
             qPrintable(boxes.seen().first()));
    QCOMPARE(m_restartCommands, 0);
    QVERIFY(QSettings().value(QStringLiteral("firmware_file")).toString().isEmpty());

    // A good package is taken, its path kept, and the device asked to
    // restart into its bootloader at once.
    writePackage("good.zip", 3000, 0x0302);
    files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("good.zip"))));
    QTest::mouseClick(child<QPushButton>(&page, "pbOpenFirmware"), Qt::LeftButton);
    QTRY_COMPARE(m_restartCommands, 1);
    QCOMPARE(QSettings().value(QStringLiteral("firmware_file")).toString(), m_dir.filePath(QStringLiteral("good.zip")));
}

void tst_FirmwareWindows::localPackageOnADisconnectedDevice()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    device->disconnectFromDevice();
    QTRY_COMPARE(device->status(), LimiterDisconnected);
    QSignalSpy status(device.get(), &LimiterDevice::statusChanged);
    writePackage("good.zip", 3000, 0x0302);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("good.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));

    QTest::mouseClick(child<QPushButton>(&page, "pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY(!boxes.seen().isEmpty());
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("The device must be connected to install firmware. Connect to it and try again."));
    QVERIFY(files->seen().isEmpty());
    // The device is left as the user left it.
    m_radio->clock().advanceMs(10000);
    QCoreApplication::processEvents();
    QVERIFY(status.isEmpty());
    QCOMPARE(device->status(), LimiterDisconnected);
    QCOMPARE(m_restartCommands, 0);
}

void tst_FirmwareWindows::dfuFailureIsShown()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    // The device restarts, but no bootloader comes up at its address plus
    // one: the DFU client's text is shown.
    m_radio->setBootloaderFactory([](SimPeripheral &) { return SimPeripheralPtr(); });
    writePackage("good.zip", 3000, 0x0302);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("good.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    QTest::mouseClick(child<QPushButton>(&page, "pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("The bootloader C0:11:22:33:45:00 was not found"));
    QVERIFY(child<QPushButton>(&page, "pbOpenFirmware")->isEnabled());
}

void tst_FirmwareWindows::closeQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("No keeps the transfer") << QMessageBox::No;
    QTest::newRow("Yes closes") << QMessageBox::Yes;
}

void tst_FirmwareWindows::closeQuestion()
{
    QFETCH(QMessageBox::StandardButton, answer);
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    auto page = std::make_unique<FirmwareUpdateWidget>();
    page->setDevice(device);
    QVERIFY(firmwarewindows::confirmClose(page.get())); // nothing runs: no question

    writePackage("good.zip", 10000, 0x0302);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("good.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(answer));
    bool closes = false;
    bool asked = false;
    connect(&page->installer(), &FirmwareInstaller::updateStatus, this, [&](StateM, uint32_t progress) {
        if (progress < 20 || asked)
            return;
        asked = true;
        // The device's time stands still while the user reads the question
        // (a real transfer goes on, and may end meanwhile).
        m_radio->clock().setMode(SimClock::Mode::Manual);
        closes = firmwarewindows::confirmClose(page.get());
        if (!closes)
            m_radio->clock().setMode(SimClock::Mode::Fast);
    });
    QTest::mouseClick(child<QPushButton>(page.get(), "pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(asked, 30000);
    QVERIFY(!boxes.seen().isEmpty());
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("A firmware update of QVR Update (C0:11:22:33:44:FF) is running. Closing now stops it: "
                            "the device stays in its bootloader and does not work until it is updated again with "
                            "\"Recover device\" in the Tools menu.\n\nClose anyway?"));
    QCOMPARE(closes, answer == QMessageBox::Yes);
    if (closes) {
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(page->installer().holdsDevice());
        page.reset(); // the tab goes, and its transfer with it
        m_radio->clock().setMode(SimClock::Mode::Fast);
        m_radio->clock().advanceMs(60000);
        QCoreApplication::processEvents();
        QVERIFY(m_limiter->isInBootloader());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 2, 30000);
    QVERIFY(boxes.seen().last().endsWith(QStringLiteral("Please reconnect to device.")));
    QTRY_COMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
}

void tst_FirmwareWindows::recoveryDialogListsAndEnables()
{
    FirmwareRecoveryDialog dialog;
    auto *scan = child<QPushButton>(&dialog, "pbScan");
    auto *recover = child<QPushButton>(&dialog, "pbRecover");
    auto *devices = child<QTableWidget>(&dialog, "lwDevices");
    QCOMPARE(scan->text(), QStringLiteral("Stop scanning"));
    QVERIFY(!recover->isEnabled());
    QVERIFY(child<QLabel>(&dialog, "lblRecoveryStatus")->isHidden());

    QBluetoothDeviceInfo heard(kBootloader, QStringLiteral("DfuTarg"), 0);
    heard.setRssi(-60);
    QBluetoothDeviceInfo silent(QBluetoothAddress(QStringLiteral("C0:11:22:33:46:00")), QStringLiteral("Quiet"), 0);
    dialog.onDeviceDiscovered(heard);
    dialog.onDeviceDiscovered(heard);
    heard.setRssi(-40);
    dialog.onDeviceDiscovered(heard); // same address: no new row, no update
    dialog.onDeviceDiscovered(silent); // RSSI 0: not heard advertising
    QCOMPARE(devices->rowCount(), 1);
    QCOMPARE(devices->item(0, 0)->text(), QStringLiteral("DfuTarg (C0:11:22:33:45:00)"));
    QCOMPARE(devices->item(0, 1)->text(), QStringLiteral("-60dBi"));

    // A row without a package keeps "Recover" off; a package turns it on.
    devices->setCurrentCell(0, 0);
    QVERIFY(!recover->isEnabled());
    writePackage("rescue.zip", 2000, 0x0303);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("rescue.zip"))));
    QTest::mouseClick(child<QPushButton>(&dialog, "pbOpenFile"), Qt::LeftButton);
    QTRY_VERIFY(recover->isEnabled());
    QCOMPARE(child<QLabel>(&dialog, "lblSelectedFile")->text(),
             QStringLiteral("%1 (Application)").arg(m_dir.filePath(QStringLiteral("rescue.zip"))));

    // The button stops a running scan and starts a finished or stopped one
    // (the scan may have run its time already: the simulator's clock is fast).
    const QStringList texts{QStringLiteral("Rescan"), QStringLiteral("Stop scanning")};
    QTest::mouseClick(scan, Qt::LeftButton);
    const QString first = scan->text();
    QTest::mouseClick(scan, Qt::LeftButton);
    QVERIFY(texts.contains(first) && texts.contains(scan->text()) && first != scan->text());

    // Closing hides the dialog, with its list and package, and stops the
    // scan; shown again, it scans again.
    dialog.show();
    if (scan->text() != QStringLiteral("Stop scanning"))
        QTest::mouseClick(scan, Qt::LeftButton);
    QCOMPARE(scan->text(), QStringLiteral("Stop scanning"));
    dialog.close();
    QVERIFY(dialog.isHidden());
    QCOMPARE(scan->text(), QStringLiteral("Rescan"));
    dialog.show();
    QCOMPARE(scan->text(), QStringLiteral("Stop scanning"));
    QCOMPARE(devices->rowCount(), 1);
    QVERIFY(dialog.installer().package());
}

void tst_FirmwareWindows::recoveryOfAStuckDevice()
{
    auto bootloader = addStuckBootloader();
    QVERIFY(bootloader);
    const QByteArray image = SimDfuPackage::image(5000, 0x0303);
    QVERIFY(SimDfuPackage::write(m_dir.filePath(QStringLiteral("stuck.zip")), image, 0x0303));

    FirmwareRecoveryDialog dialog;
    auto *devices = child<QTableWidget>(&dialog, "lwDevices");
    QTRY_COMPARE(devices->rowCount(), 1);
    // A double click with no package asks for one first.
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("stuck.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    devices->setCurrentCell(0, 0);
    QSignalSpy activated(bootloader.get(), &SimDfuBootloader::imageActivated);
    emit devices->doubleClicked(devices->currentIndex());
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("Device was recovered successully. You can close this window now."));
    QCOMPARE(child<QProgressBar>(&dialog, "pbRecoveryProgress")->value(), 100);
    QCOMPARE(child<QPushButton>(&dialog, "pbScan")->text(), QStringLiteral("Rescan"));
    QTRY_COMPARE(activated.count(), 1);
    QCOMPARE(bootloader->activatedImage(), image);
}

void tst_FirmwareWindows::recoveryGoesOnWhileTheDialogIsHidden()
{
    auto bootloader = addStuckBootloader();
    QVERIFY(bootloader);
    const QByteArray image = SimDfuPackage::image(10000, 0x0304);
    QVERIFY(SimDfuPackage::write(m_dir.filePath(QStringLiteral("stuck.zip")), image, 0x0304));
    writePackage("other.zip", 3000, 0x0401);

    FirmwareRecoveryDialog dialog;
    dialog.show();
    auto *devices = child<QTableWidget>(&dialog, "lwDevices");
    QTRY_COMPARE(devices->rowCount(), 1);
    devices->setCurrentCell(0, 0);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("stuck.zip"))));
    QTest::mouseClick(child<QPushButton>(&dialog, "pbOpenFile"), Qt::LeftButton);
    QTRY_VERIFY(child<QPushButton>(&dialog, "pbRecover")->isEnabled());
    const QString chosen = child<QLabel>(&dialog, "lblSelectedFile")->text();

    // Half way the user closes the dialog; another package, the recover
    // button or a double click change nothing meanwhile.
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    bool closed = false;
    connect(&dialog.installer(), &FirmwareInstaller::updateStatus, this, [&](StateM, uint32_t progress) {
        if (progress < 50 || closed)
            return;
        closed = true;
        for (const char *name : {"pbOpenFile", "pbRecover", "pbScan"})
            QVERIFY2(!child<QPushButton>(&dialog, name)->isEnabled(), name);
        files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("other.zip"))));
        dialog.selectFirmware();
        dialog.recoverSelectedDevice();
        dialog.close();
    });
    QSignalSpy activated(bootloader.get(), &SimDfuBootloader::imageActivated);
    QTest::mouseClick(child<QPushButton>(&dialog, "pbRecover"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    QVERIFY(closed);
    QVERIFY(dialog.isHidden());
    QVERIFY(files->seen().isEmpty());
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("Device was recovered successully. You can close this window now."));
    QTRY_COMPARE(activated.count(), 1);
    QCOMPARE(bootloader->activatedImage(), image);

    // Shown again, it shows where the recovery ended, and takes new choices.
    dialog.show();
    QCOMPARE(child<QProgressBar>(&dialog, "pbRecoveryProgress")->value(), 100);
    QCOMPARE(child<QLabel>(&dialog, "lblRecoveryStatus")->text(), QStringLiteral("Execute firmware update"));
    QCOMPARE(child<QLabel>(&dialog, "lblSelectedFile")->text(), chosen);
    QVERIFY(child<QPushButton>(&dialog, "pbOpenFile")->isEnabled());
}

void tst_FirmwareWindows::recoveryOfARunningLimiter()
{
    // The running limiter advertises beside the bootloaders; picked by
    // mistake, it is named at once, not after a time-out.
    m_limiter = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kDevice, QStringLiteral("QVR Update"));
    m_radio->addPeripheral(m_limiter);
    writePackage("rescue.zip", 3000, 0x0303);
    FirmwareRecoveryDialog dialog;
    auto *devices = child<QTableWidget>(&dialog, "lwDevices");
    QTRY_COMPARE(devices->rowCount(), 1);
    devices->setCurrentCell(0, 0);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("rescue.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    qint64 failedAfter = -1;
    qint64 start = -1;
    // Timed by the steps: the box that shows the failure lets the device's
    // time go on.
    connect(&dialog.installer(), &FirmwareInstaller::stepChanged, this, [&](FirmwareInstaller::Step step) {
        if (step == FirmwareInstaller::Step::Transferring)
            start = m_radio->clock().nowMs();
        else if (step == FirmwareInstaller::Step::Idle)
            failedAfter = m_radio->clock().nowMs() - start;
    });
    emit devices->doubleClicked(devices->currentIndex());
    QTRY_VERIFY(!boxes.seen().isEmpty());
    QCOMPARE(boxes.seen().first().section(QLatin1Char('|'), 1),
             QStringLiteral("C0:11:22:33:44:FF is not in its bootloader: it offers no DFU control point and packet, "
                            "so it cannot take firmware."));
    QVERIFY2(failedAfter >= 0 && failedAfter < 1000, qPrintable(QString::number(failedAfter)));
    QVERIFY(child<QPushButton>(&dialog, "pbRecover")->isEnabled());
}

void tst_FirmwareWindows::languageSwitchKeepsWhatIsShown()
{
    // A page after an update, with a failed index, and a dialog with a
    // package and a stopped scan.
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    WiredPage tab(device);
    m_server.setResponse("/upd-fw.json", HttpsTestServer::Response{404, "gone", 0});
    QSignalSpy failed(&tab.downloader, &FirmwareDownloader::refreshFailed);
    tab.downloader.refresh();
    QVERIFY(failed.wait(10000));
    writePackage("good.zip", 3000, 0x0302);
    auto files = std::make_unique<ModalAnswerer<QFileDialog>>(pickFile(m_dir.filePath(QStringLiteral("good.zip"))));
    ModalAnswerer<QMessageBox> boxes(clickButton(QMessageBox::Ok));
    QTest::mouseClick(tab.button("pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen().isEmpty(), 30000);
    FirmwareRecoveryDialog dialog;
    QTest::mouseClick(child<QPushButton>(&dialog, "pbOpenFile"), Qt::LeftButton);
    QTRY_VERIFY(dialog.installer().package());
    auto *scan = child<QPushButton>(&dialog, "pbScan");
    QTest::mouseClick(scan, Qt::LeftButton);
    if (scan->text() != QStringLiteral("Rescan")) // the scan had run its time: this click started another
        QTest::mouseClick(scan, Qt::LeftButton);

    const auto shown = [&] {
        QStringList texts;
        for (const char *name : {"lblHardwareVersion", "lblCurrentFirmware", "lblCurrentBootloaderFirmware",
                                 "lblCurrentESCFirmware", "lblCalibrationDate", "lblUpdateState"})
            texts << tab.label(name);
        texts << QString::number(child<QProgressBar>(&tab.page, "pbUpdateProgress")->value())
              << tab.table("cbMainFirmware")->item(0, 0)->text()
              << child<QLabel>(&dialog, "lblSelectedFile")->text() << child<QPushButton>(&dialog, "pbScan")->text();
        return texts;
    };
    const QStringList english = shown();
    QCOMPARE(english.at(5), QStringLiteral("Execute firmware update"));
    QCOMPARE(english.at(6), QStringLiteral("100"));

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/ts/app_de.qm")));
    QCoreApplication::installTranslator(&german);
    QStringList expected = english;
    expected[5] = QCoreApplication::translate("DFUUpdater", "Execute firmware update");
    expected[7] = QCoreApplication::translate("FirmwareUpdateWidget", "Not found");
    expected[9] = QCoreApplication::translate("FirmwareRecoveryDialog", "Rescan");
    QVERIFY(expected[5] != english[5] && expected[9] != english[9]);
    QTRY_COMPARE(shown(), expected);
    QCoreApplication::removeTranslator(&german);
    QTRY_COMPARE(shown(), english);
}

void tst_FirmwareWindows::updateCheckQuestion_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");
    QTest::newRow("always") << QStringLiteral("pbCheckAlways") << true << QStringLiteral("check always");
    QTest::newRow("once") << QStringLiteral("pbCheckOnce") << true << QStringLiteral("check once");
    QTest::newRow("cancel") << QStringLiteral("pbCancel") << false << QStringLiteral("untouched");
}

void tst_FirmwareWindows::updateCheckQuestion()
{
    QFETCH(QString, button);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);
    QSettings().setValue(QStringLiteral("firmware update"), QStringLiteral("untouched"));
    FirmwareUpdateCheckRequestWidget question;
    QSignalSpy done(&question, &QDialog::finished);
    question.show();
    QTest::mouseClick(question.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().first().toInt() == QDialog::Accepted, accepted);
    QCOMPARE(QSettings().value(QStringLiteral("firmware update")).toString(), stored);
}

QTEST_MAIN(tst_FirmwareWindows)
#include "tst_firmwarewindows.moc"
