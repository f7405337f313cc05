// The firmware update page, the recovery dialog and the update-check
// question against the simulated radio and an update server on loopback.
#include "BleBackend.h"
#include "BleDeviceDiscovery.h"
#include "DeviceRecords.h"
#include "FirmwareDownloader.h"
#include "FirmwareRecoveryDialog.h"
#include "FirmwareSelection.h"
#include "FirmwareUpdateCheckRequestWidget.h"
#include "FirmwareUpdateWidget.h"
#include "FirmwareWindows.h"
#include "HttpsTestServer.h"
#include "LimiterDevice.h"
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

// Answers every modal window of type T that comes up while it lives.
template <typename T>
class Answerer
{
public:
    explicit Answerer(std::function<void(T *)> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, answer] {
            if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
                seen << window->windowTitle() + QLatin1Char('|') +
                            (qobject_cast<QMessageBox *>(window) ? qobject_cast<QMessageBox *>(window)->text()
                                                                  : QString());
                answer(window);
            }
        });
        m_timer.start(20);
    }
    QStringList seen;

private:
    QTimer m_timer;
};

Answerer<QMessageBox> *answerBoxes(QMessageBox::StandardButton button, QObject *owner = nullptr)
{
    Q_UNUSED(owner)
    return new Answerer<QMessageBox>([button](QMessageBox *box) {
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->accept();
    });
}

// Picks `path` in the next file dialog, or cancels it when empty.
Answerer<QFileDialog> *answerFileDialog(const QString &path)
{
    return new Answerer<QFileDialog>([path](QFileDialog *dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the dialog's file name field, as a user would.
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

// The update page of a device as its tab wires it, with the downloader the
// main window would give it.
struct WiredPage
{
    explicit WiredPage(const std::shared_ptr<LimiterDevice> &device)
    {
        page.setDevice(device);
        page.setFirmwareDownloader(&downloader);
        QObject::connect(&page, &FirmwareUpdateWidget::enterDFUMode, device.get(), &LimiterDevice::enterDFUMode);
        QObject::connect(device.get(), &LimiterDevice::enteredDFUMode, &page, &FirmwareUpdateWidget::onDFUModeEntered);
    }
    // Fetches the index; true once it arrived.
    bool refresh()
    {
        QSignalSpy refreshed(&downloader, &FirmwareDownloader::refreshFinished);
        downloader.refresh();
        return refreshed.wait(10000);
    }

    FirmwareDownloader downloader;
    FirmwareUpdateWidget page;
};

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
    void wholeUpdateFromTheIndex();
    void bootloaderThenMain_data();
    void bootloaderThenMain();
    void localPackageThatDoesNotLoad();
    void dfuFailureIsShown();
    void recoveryDialogListsAndEnables();
    void recoveryOfAStuckDevice();
    void updateCheckQuestion_data();
    void updateCheckQuestion();

private:
    // A limiter with the given hardware version word, its LimiterDevice from
    // a scan (so the advertised versions are known), connected and set up.
    std::shared_ptr<LimiterDevice> connectLimiter(quint16 hardwareWord);
    // The update page of that device with the shared downloader.
    void servePackage(const QString &path, const QByteArray &bytes);
    QByteArray writePackage(const QString &name, qsizetype size, quint16 version,
                            SimDfuInit::ImageType type = SimDfuInit::Application);

    HttpsTestServer m_server;
    QTemporaryDir m_dir;
    std::unique_ptr<SimRadio> m_radio;
    std::unique_ptr<SimBackend> m_backend;
    std::shared_ptr<SimLimiter> m_limiter;
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
    const QByteArray a = writePackage("a.zip", 3000, 0x0301);
    m_server.setResponse("/upd-fw.json",
                         QJsonDocument(QJsonArray{indexEntry("main", "82.1", "3.1", "01.02.2025", a, "x")}).toJson());
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    WiredPage tab(device);
    QVERIFY(tab.refresh());
    FirmwareUpdateWidget &page = tab.page;
    FirmwareDownloader &downloader = tab.downloader;
    QSignalSpy failed(&downloader, &FirmwareDownloader::error);

    m_server.setResponse("/upd-fw.json", HttpsTestServer::Response{404, "gone", 0});
    downloader.refresh();
    QVERIFY(failed.wait(10000));
    for (const char *name : {"cbMainFirmware", "cbBootloaderFirmware", "cbESCFirmware"}) {
        auto *table = page.findChild<QTableWidget *>(QLatin1String(name));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Not found"));
    }
    for (const char *name : {"pbInstallMain", "pbInstallBootloader", "pbInstallESC"})
        QVERIFY(!page.findChild<QPushButton *>(QLatin1String(name))->isEnabled());

    // A double click on "Not found" installs nothing, not even what the
    // earlier index had in that row.
    auto *table = page.findChild<QTableWidget *>(QStringLiteral("cbMainFirmware"));
    const int requests = m_server.requests().size();
    table->setCurrentCell(0, 0);
    emit table->doubleClicked(table->currentIndex());
    QTest::qWait(200);
    QCOMPARE(m_server.requests().size(), requests);
}

void tst_FirmwareWindows::installWithoutSelectionDoesNothing()
{
    const QByteArray a = writePackage("a.zip", 3000, 0x0301);
    m_server.setResponse("/upd-fw.json",
                         QJsonDocument(QJsonArray{indexEntry("main", "82.1", "3.1", "01.02.2025", a,
                                                             m_server.url("/a.zip").toString())})
                             .toJson());
    servePackage("/a.zip", a);
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    WiredPage tab(device);
    QVERIFY(tab.refresh());
    FirmwareUpdateWidget &page = tab.page;
    QSignalSpy enter(&page, &FirmwareUpdateWidget::enterDFUMode);
    auto *table = page.findChild<QTableWidget *>(QStringLiteral("cbMainFirmware"));
    table->clearSelection();
    const int requests = m_server.requests().size();
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbInstallMain")), Qt::LeftButton);
    QTest::qWait(200);
    QCOMPARE(m_server.requests().size(), requests);
    QCOMPARE(enter.count(), 0);
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("pbOpenFirmware"))->isEnabled());
}

void tst_FirmwareWindows::wholeUpdateFromTheIndex()
{
    const QByteArray package = writePackage("main-3.2.zip", 10000, 0x0302);
    m_server.setResponse("/upd-fw.json", QJsonDocument(QJsonArray{indexEntry("main", "82.1", "3.2", "15.03.2025",
                                                                             package,
                                                                             m_server.url("/main-3.2.zip").toString())})
                                             .toJson());
    servePackage("/main-3.2.zip", package);
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    WiredPage tab(device);
    QVERIFY(tab.refresh());
    FirmwareUpdateWidget &page = tab.page;

    auto *state = page.findChild<QLabel *>(QStringLiteral("lblUpdateState"));
    auto *progress = page.findChild<QProgressBar *>(QStringLiteral("pbUpdateProgress"));
    QVERIFY(state->isHidden());
    QStringList states;
    connect(progress, &QProgressBar::valueChanged, &page, [&] {
        if (states.isEmpty() || states.last() != state->text())
            states << state->text();
    });
    std::unique_ptr<Answerer<QMessageBox>> boxes(answerBoxes(QMessageBox::Ok));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbInstallMain")), Qt::LeftButton);
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("pbInstallMain"))->isEnabled());
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("pbOpenFirmware"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!boxes->seen.isEmpty(), 30000);
    QCOMPARE(boxes->seen.first(), QStringLiteral("%1|Firmware was uploaded successully. Please reconnect to device.")
                                      .arg(QGuiApplication::applicationDisplayName()));
    QVERIFY(!state->isHidden());
    QCOMPARE(progress->value(), 100);
    QCOMPARE(state->text(), QStringLiteral("Execute firmware update"));
    QVERIFY(states.contains(QStringLiteral("Upload main firmware")));
    QTRY_VERIFY(!m_limiter->isInBootloader());
    QCOMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
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
    const QByteArray boot = writePackage("boot.zip", 4000, 0x0103, SimDfuInit::Bootloader);
    const QByteArray main = writePackage("main.zip", 6000, 0x0302);
    m_server.setResponse("/upd-fw.json",
                         QJsonDocument(QJsonArray{
                                           indexEntry("bootloader", "82.1", "1.3", "01.03.2025", boot,
                                                      m_server.url("/boot.zip").toString()),
                                           indexEntry("main", "82.1", "3.2", "15.03.2025", main,
                                                      m_server.url("/main.zip").toString()),
                                       })
                             .toJson());
    servePackage("/boot.zip", boot);
    servePackage("/main.zip", main);
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    WiredPage tab(device);
    QVERIFY(tab.refresh());
    FirmwareUpdateWidget &page = tab.page;

    QSignalSpy enter(&page, &FirmwareUpdateWidget::enterDFUMode);
    const int mainRequests = m_server.requests().count(QStringLiteral("/main.zip"));
    std::unique_ptr<Answerer<QMessageBox>> boxes(answerBoxes(reinstall ? QMessageBox::Yes : QMessageBox::No));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbInstallBootloader")), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!boxes->seen.isEmpty(), 30000);
    QCOMPARE(boxes->seen.first().section(QLatin1Char('|'), 1),
             QStringLiteral("Bootloader firnware was uploaded successully. Reinstall main firmware?"));
    if (reinstall) {
        // The main firmware goes the same way: download, bootloader, upload.
        QTRY_COMPARE_WITH_TIMEOUT(boxes->seen.size(), 2, 30000);
        QVERIFY(boxes->seen.at(1).endsWith(QStringLiteral("Please reconnect to device.")));
        QCOMPARE(enter.count(), 2);
        QTRY_COMPARE(m_limiter->firmwareVersionWord(), quint16(0x0302));
        QCOMPARE(m_server.requests().count(QStringLiteral("/main.zip")), mainRequests + 1);
    } else {
        QTest::qWait(500);
        QCOMPARE(boxes->seen.size(), 1);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(m_server.requests().count(QStringLiteral("/main.zip")), mainRequests);
    }
}

void tst_FirmwareWindows::localPackageThatDoesNotLoad()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    QSignalSpy enter(&page, &FirmwareUpdateWidget::enterDFUMode);
    const QString broken = m_dir.filePath(QStringLiteral("broken.zip"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is no zip");
    file.close();

    std::unique_ptr<Answerer<QFileDialog>> files(answerFileDialog(broken));
    std::unique_ptr<Answerer<QMessageBox>> boxes(answerBoxes(QMessageBox::Ok));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbOpenFirmware")), Qt::LeftButton);
    QTRY_VERIFY(!boxes->seen.isEmpty());
    QVERIFY2(boxes->seen.first().startsWith(QStringLiteral("Error loading firmware update file|Error: ")),
             qPrintable(boxes->seen.first()));
    QCOMPARE(enter.count(), 0);
    QVERIFY(QSettings().value(QStringLiteral("firmware_file")).toString().isEmpty());

    // A good package is taken, its path kept, and the device asked to restart.
    writePackage("good.zip", 3000, 0x0302);
    files.reset(answerFileDialog(m_dir.filePath(QStringLiteral("good.zip"))));
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbOpenFirmware")), Qt::LeftButton);
    QTRY_COMPARE(enter.count(), 1);
    QCOMPARE(QSettings().value(QStringLiteral("firmware_file")).toString(), m_dir.filePath(QStringLiteral("good.zip")));
}

void tst_FirmwareWindows::dfuFailureIsShown()
{
    auto device = connectLimiter(0x5215);
    QVERIFY(device);
    FirmwareUpdateWidget page;
    page.setDevice(device);
    // No bootloader ever answers at this address: the client gives up with a
    // text of its own, which the page shows.
    writePackage("good.zip", 3000, 0x0302);
    std::unique_ptr<Answerer<QFileDialog>> files(answerFileDialog(m_dir.filePath(QStringLiteral("good.zip"))));
    std::unique_ptr<Answerer<QMessageBox>> boxes(answerBoxes(QMessageBox::Ok));
    QSignalSpy enter(&page, &FirmwareUpdateWidget::enterDFUMode);
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("pbOpenFirmware")), Qt::LeftButton);
    QTRY_COMPARE(enter.count(), 1);
    m_radio->removePeripheral(kDevice); // the device is gone, no bootloader comes up
    page.onDFUModeEntered();
    QTRY_VERIFY_WITH_TIMEOUT(!boxes->seen.isEmpty(), 60000);
    QVERIFY(!boxes->seen.first().section(QLatin1Char('|'), 1).isEmpty());
}

void tst_FirmwareWindows::recoveryDialogListsAndEnables()
{
    auto *dialog = new FirmwareRecoveryDialog;
    QPointer<FirmwareRecoveryDialog> guard(dialog);
    auto *scan = dialog->findChild<QPushButton *>(QStringLiteral("pbScan"));
    auto *recover = dialog->findChild<QPushButton *>(QStringLiteral("pbRecover"));
    auto *devices = dialog->findChild<QTableWidget *>(QStringLiteral("lwDevices"));
    QCOMPARE(scan->text(), QStringLiteral("Stop scanning"));
    QVERIFY(!recover->isEnabled());
    QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("lblRecoveryStatus"))->isHidden());

    QBluetoothDeviceInfo heard(kBootloader, QStringLiteral("DfuTarg"), 0);
    heard.setRssi(-60);
    QBluetoothDeviceInfo silent(QBluetoothAddress(QStringLiteral("C0:11:22:33:46:00")), QStringLiteral("Quiet"), 0);
    dialog->onDeviceDiscovered(heard);
    dialog->onDeviceDiscovered(heard);
    heard.setRssi(-40);
    dialog->onDeviceDiscovered(heard); // same address: no new row, no update
    dialog->onDeviceDiscovered(silent); // RSSI 0: not heard advertising
    QCOMPARE(devices->rowCount(), 1);
    QCOMPARE(devices->item(0, 0)->text(), QStringLiteral("DfuTarg (C0:11:22:33:45:00)"));
    QCOMPARE(devices->item(0, 1)->text(), QStringLiteral("-60dBi"));

    // A row without a package keeps "Recover" off; a package turns it on.
    devices->setCurrentCell(0, 0);
    QVERIFY(!recover->isEnabled());
    writePackage("rescue.zip", 2000, 0x0303);
    std::unique_ptr<Answerer<QFileDialog>> files(answerFileDialog(m_dir.filePath(QStringLiteral("rescue.zip"))));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pbOpenFile")), Qt::LeftButton);
    QTRY_VERIFY(recover->isEnabled());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblSelectedFile"))->text(),
             QStringLiteral("%1 (Application)").arg(m_dir.filePath(QStringLiteral("rescue.zip"))));

    // The button stops a running scan and starts a finished or stopped one.
    const QStringList texts{QStringLiteral("Rescan"), QStringLiteral("Stop scanning")};
    QTest::mouseClick(scan, Qt::LeftButton);
    const QString first = scan->text();
    QTest::mouseClick(scan, Qt::LeftButton);
    QVERIFY(texts.contains(first) && texts.contains(scan->text()) && first != scan->text());
    // Closing deletes the dialog and its scan.
    dialog->close();
    QTRY_VERIFY(guard.isNull());
}

void tst_FirmwareWindows::recoveryOfAStuckDevice()
{
    QString problem;
    QVERIFY2(SimDescription::load(*m_radio,
                                  R"({"devices": [{"kind": "dfu-bootloader", "address": "C0:11:22:33:45:00"}]})",
                                  &problem),
             qPrintable(problem));
    auto bootloader = m_radio->peripheral<SimDfuBootloader>(kBootloader);
    QVERIFY(bootloader);
    const QByteArray image = SimDfuPackage::image(5000, 0x0303);
    QVERIFY(SimDfuPackage::write(m_dir.filePath(QStringLiteral("stuck.zip")), image, 0x0303));

    auto *dialog = new FirmwareRecoveryDialog;
    QPointer<FirmwareRecoveryDialog> guard(dialog);
    auto *devices = dialog->findChild<QTableWidget *>(QStringLiteral("lwDevices"));
    QTRY_COMPARE(devices->rowCount(), 1);
    // A double click with no package asks for one first.
    std::unique_ptr<Answerer<QFileDialog>> files(answerFileDialog(m_dir.filePath(QStringLiteral("stuck.zip"))));
    std::unique_ptr<Answerer<QMessageBox>> boxes(answerBoxes(QMessageBox::Ok));
    devices->setCurrentCell(0, 0);
    QSignalSpy activated(bootloader.get(), &SimDfuBootloader::imageActivated);
    emit devices->doubleClicked(devices->currentIndex());
    QTRY_VERIFY_WITH_TIMEOUT(!boxes->seen.isEmpty(), 30000);
    QCOMPARE(boxes->seen.first().section(QLatin1Char('|'), 1),
             QStringLiteral("Device was recovered successully. You can close this window now."));
    QCOMPARE(dialog->findChild<QProgressBar *>(QStringLiteral("pbRecoveryProgress"))->value(), 100);
    QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("pbScan"))->text(), QStringLiteral("Rescan"));
    QTRY_COMPARE(activated.count(), 1);
    QCOMPARE(bootloader->activatedImage(), image);
    delete dialog;
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
