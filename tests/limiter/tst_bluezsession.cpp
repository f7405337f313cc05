// One whole device session through the Qt Bluetooth backend, as on a user's
// Linux desktop, against bluetoothd's D-Bus interface served by the BlueZ
// stand-in from simulated devices: the scan into both device lists, the
// connection with its password, records, telemetry, a settings write, the
// terminal, a log session into a log file, a refused connect, a lost link,
// a firmware update through the bootloader and the recovery scan. It asks
// what the simulator's tests of the same steps ask; where the Qt backend
// differs, a line says why.
#include "BluetoothDeviceModel.h"
#include "BluetoothDiscovery.h"
#include "BluetoothDovLoggerModel.h"
#include "BluezRig.h"
#include "DFUUpdater.h"
#include "DeviceProtocol.h"
#include "DeviceSetUp.h"
#include "DfuProtocol.h"
#include "Firmware.h"
#include "FirmwareRecoveryDialog.h"
#include "LimiterDevice.h"
#include "LogCapture.h"
#include "LogFile.h"
#include "SimDfu.h"
#include "SimDfuPackage.h"
#include "SimFaults.h"
#include "SimLogSession.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace DeviceProtocol;

namespace {

const QBluetoothAddress kLimiter(QStringLiteral("C0:11:22:33:44:FF"));
const QBluetoothAddress kBootloader(QStringLiteral("C0:11:22:33:45:00"));
const QBluetoothAddress kLogger(QStringLiteral("C0:DE:00:00:00:22"));
const QBluetoothAddress kMarker(QStringLiteral("C0:DE:00:00:00:44"));
const QString kPassword = QStringLiteral("1234");
// Steps of the session that take several round trips on real time.
constexpr int kStepMs = 20000;

QList<int> statuses(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy)
        result.append(arguments.at(0).toInt());
    return result;
}

// The list's row of an address: column, display text.
QVariant cell(const DeviceListModel &model, const QBluetoothAddress &address, int column)
{
    const int addressColumn = model.columnCount() - 1;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.index(row, addressColumn).data().toString() == address.toString())
            return model.index(row, column).data();
    }
    return QVariant();
}

QStringList rows(const QTableWidget &table)
{
    QStringList result;
    for (int row = 0; row < table.rowCount(); ++row)
        result << table.item(row, 0)->text() + QLatin1Char('|') + table.item(row, 1)->text();
    return result;
}

} // namespace

class tst_BluezSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeSession();

private:
    QTemporaryDir m_dir;
};

void tst_BluezSession::initTestCase()
{
    QVERIFY(m_dir.isValid());
    SimDfu::registerSimDfu();
}

void tst_BluezSession::wholeSession()
{
    LogCapture log({QStringLiteral("device")});
    BluezRig rig;
    QString reason;
    if (!rig.start(&reason))
        QSKIP(qPrintable(reason));
    rig.addLimiter(SimLimiter::Kind::Limiter, kLimiter, QStringLiteral("QVR Test"), kPassword);
    rig.addLimiter(SimLimiter::Kind::DovLogger, kLogger, QStringLiteral("KVTN Logger"));
    QByteArray storedSession;
    rig.onDevice(kLimiter, [&](SimLimiter &device) {
        device.setFirmwareVersionWord(0x0301);
        SimLogSessionSpec spec;
        spec.number = 4;
        spec.dots = 300;
        device.addSession(spec);
        spec.number = 9;
        spec.parameters = {{"RPM", 4, 5}, {"Temperature", 7, 4}};
        device.addSession(spec);
        storedSession = device.sessionBytes(9);
    });
    rig.standIn.run([](SimRadio &radio) {
        auto marker = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kMarker, QStringLiteral("Marker"));
        radio.addPeripheral(marker);
    });

    // --- The scan: both lists, every advertisement once. ------------------
    auto discovery = std::make_unique<BluetoothDiscovery>(&rig.backend);
    BluetoothDeviceModel limiters(discovery.get());
    BluetoothDovLoggerModel loggers(discovery.get());
    QHash<QString, int> reports;
    const auto count = [&reports](const QBluetoothDeviceInfo &info) { ++reports[info.address().toString()]; };
    connect(discovery.get(), &BluetoothDiscovery::deviceDiscovered, this, count);
    connect(discovery.get(), &BluetoothDiscovery::deviceUpdated, this, count);
    discovery->onDiscoveryFinished();
    // Rows come with the first advertisement, the status with the next.
    QTRY_COMPARE_WITH_TIMEOUT(cell(limiters, kLimiter, 2).toString(), QStringLiteral("Sim Racer"), kStepMs);
    QTRY_COMPARE_WITH_TIMEOUT(cell(loggers, kLogger, 2).toString(), QStringLiteral("Sim Racer"), kStepMs);
    QTRY_COMPARE(cell(limiters, kLimiter, 1).toString(), QStringLiteral("RU-1234"));
    QCOMPARE(cell(limiters, kLimiter, 0).toString(), QStringLiteral("QVR Test"));
    QCOMPARE(limiters.rowCount(), 1);
    QCOMPARE(loggers.rowCount(), 1);
    rig.onDevice(kLimiter, [](SimLimiter &device) { device.setRssi(-45); });
    rig.onDevice(kLogger, [](SimLimiter &device) { device.setRssi(-52); });
    QTRY_COMPARE(cell(limiters, kLimiter, 3).toInt(), -45);
    QTRY_COMPARE(cell(loggers, kLogger, 3).toInt(), -52);
    for (const QBluetoothAddress &address : {kLimiter, kLogger})
        rig.onDevice(address, [](SimLimiter &device) { device.setAdvertising(false); });
    // What bluetoothd said before reaches the lists before the marker does.
    rig.onDevice(kMarker, [](SimLimiter &device) { device.setRssi(-33); });
    QTRY_VERIFY(reports.value(kMarker.toString()) > 0
                && reports.value(kMarker.toString()) == rig.standIn.advertisementSignals(kMarker));
    QCOMPARE(reports.value(kLimiter.toString()), rig.standIn.advertisementSignals(kLimiter));
    QCOMPARE(reports.value(kLogger.toString()), rig.standIn.advertisementSignals(kLogger));
    QVERIFY(reports.value(kLimiter.toString()) > 8);
    for (const QBluetoothAddress &address : {kLimiter, kLogger})
        rig.onDevice(address, [](SimLimiter &device) { device.setAdvertising(true); });

    // --- Connect from the list, the password, the set-up. -----------------
    const std::shared_ptr<LimiterDevice> device = limiters.findDevice(kLimiter.toString());
    QVERIFY(device);
    rig.standIn.clearTraffic();
    QSignalSpy status(device.get(), &LimiterDevice::statusChanged);
    QSignalSpy users(device.get(), &LimiterDevice::userLimitSettingsUpdated);
    QSignalSpy defaults(device.get(), &LimiterDevice::defaultLimitSettingsUpdated);
    QSignalSpy commonRead(device.get(), &LimiterDevice::commonSettingsUpdated);
    QSignalSpy logger(device.get(), &LimiterDevice::loggerServiceDiscovered);
    QSignalSpy table(device.get(), &LimiterDevice::timingTableUpdated);
    QSignalSpy telemetry(device.get(), &LimiterDevice::telemetryUpdated);
    QStringList order;
    connect(device.get(), &LimiterDevice::deviceInformationUpdated, this, [&] { order << "info"; });
    connect(device.get(), &LimiterDevice::authorizationRequired, this, [&] { order << "password"; });
    device->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(order, (QStringList{"info", "password"}), kStepMs);
    QVERIFY(device->deviceInformation().passwordProtected == 1 && device->deviceInformation().authorized == 0);
    device->authorize(QStringLiteral("wrong"));
    QTRY_COMPARE_WITH_TIMEOUT(order, (QStringList{"info", "password", "info", "password"}), kStepMs);
    QCOMPARE(telemetry.count(), 0);
    // From here on the password dialog's answer, also after a lost link.
    connect(device.get(), &LimiterDevice::authorizationRequired, this, [&] { device->authorize(kPassword); });
    device->authorize(kPassword);
    QTRY_VERIFY_WITH_TIMEOUT(logger.count() == 1 && table.count() == 1 && telemetry.count() > 0, kStepMs);
    QCOMPARE(order.size(), 5);
    QCOMPARE(statuses(status), (QList<int>{2, 3}));
    QTRY_COMPARE(users.count(), 8);
    QTRY_COMPARE(defaults.count(), 6);
    QCOMPARE(commonRead.count(), 1);
    QCOMPARE(rig.values(SimAttEvent::Write, settingsUuid(kAuthorisationId)),
             (QList<QByteArray>{passwordValue("wrong"), passwordValue(kPassword)}));

    // The reads, in the set-up's order. Qt's full discovery of the settings
    // service reads the device information once more first (the device
    // refuses its other values while locked).
    QCOMPARE(rig.characteristics(SimAttEvent::Read), QList<QBluetoothUuid>(4, settingsUuid(kDeviceInfoId)) + setUpRecordReads());
    const auto subscriptions = setUpSubscriptions();
    QTRY_COMPARE(rig.characteristics(SimAttEvent::DescriptorWrite).size(), subscriptions.size());
    for (const auto &[characteristic, value] : subscriptions)
        QCOMPARE(rig.values(SimAttEvent::DescriptorWrite, characteristic), QList<QByteArray>{value});

    // The records as the device holds them.
    rig.onDevice(kLimiter, [&](SimLimiter &held) {
        QCOMPARE(recordBytes(device->motorSettings()), recordBytes(held.motorSettings()));
        QCOMPARE(recordBytes(device->timingTable()), recordBytes(held.timingTable()));
        QCOMPARE(recordBytes(device->userLimitSettings(7)), recordBytes(held.limitSet(13)));
        QCOMPARE(recordBytes(device->defaultLimitSettings(0)), recordBytes(held.limitSet(0)));
    });
    QCOMPARE(recordText(device->commonSettings().userName, 32), QStringLiteral("Sim Racer"));
    QCOMPARE(device->escFirmwareVersion(), QVersionNumber(1, 5));
    QCOMPARE(device->bootloaderVersion(), QVersionNumber(1, 2));

    // --- Telemetry keeps coming. ------------------------------------------
    const int telemetrySoFar = telemetry.count();
    QTRY_VERIFY(telemetry.count() >= telemetrySoFar + 3);
    QVERIFY(device->telemetry().voltage > 10.0f);

    // --- A settings record written, and a record the device changed read back.
    s_CommonSettBle common = device->commonSettings();
    common.regNum = 4321;
    setRecordText(common.userName, 32, QStringLiteral("Bluez Racer"));
    device->writeCommonSettings(common);
    QTRY_COMPARE(rig.values(SimAttEvent::Write, settingsUuid(kCommonSettingsId)), QList<QByteArray>{recordBytes(common)});
    const auto heldRegNum = [&] {
        int regNum = 0;
        rig.onDevice(kLimiter, [&](SimLimiter &held) { regNum = held.commonSettings().regNum; });
        return regNum;
    };
    QTRY_COMPARE(heldRegNum(), 4321);
    rig.onDevice(kLimiter, [](SimLimiter &held) { held.setPpmInputMs(1.23f); });
    QSignalSpy drive(device.get(), &LimiterDevice::motorDriveSettingsUpdated);
    device->sendSetStopPosition();
    QTRY_COMPARE(drive.count(), 1);
    QCOMPARE(device->motorDriveSettings().stopPosition, 1.23f);

    // --- The terminal. ------------------------------------------------------
    QSignalSpy terminal(device.get(), &LimiterDevice::terminalDataReceived);
    device->sendTerminalData("version\n");
    QTRY_COMPARE(terminal.count(), 1);
    QCOMPARE(terminal.at(0).at(0).toByteArray(), QByteArray("firmware 3.1\r\n"));

    // --- One log session into a log file. ---------------------------------
    QSignalSpy numbers(device.get(), &LimiterDevice::logSessionNumberReceived);
    QSignalSpy readStatus(device.get(), &LimiterDevice::logReadStatusReceived);
    QByteArray data;
    LogSession session;
    // As the logger page takes them: the size with the start, then the data.
    connect(device.get(), &LimiterDevice::logReadStatusReceived, this, [&](const s_LogReadStatus &status) {
        if (status.status == 1)
            session.setFullSessionSize(status.sessionSize);
    });
    connect(device.get(), &LimiterDevice::logDataReceived, this, [&](const QByteArray &packet) {
        data += packet;
        session.appendData(packet);
    });
    device->readLogNumber();
    QTRY_COMPARE(numbers.count(), 1);
    const auto range = numbers.at(0).at(0).value<s_LogSessionNum>();
    QCOMPARE(range.firstSession, 4u);
    QCOMPARE(range.lastSession, 9u);
    device->readLog(9);
    QTRY_VERIFY_WITH_TIMEOUT(!readStatus.isEmpty() && readStatus.last().at(0).value<s_LogReadStatus>().status == 3, kStepMs);
    QCOMPARE(data.size(), storedSession.size());
    QVERIFY(data == storedSession);
    const auto started = readStatus.first().at(0).value<s_LogReadStatus>();
    QCOMPARE(started.status, quint8(1));
    QCOMPARE(started.sessionNumber, 9u);
    QCOMPARE(started.sessionSize, quint32(storedSession.size()));
    QCOMPARE(readStatus.last().at(0).value<s_LogReadStatus>().crc32, SimLogSession::crc32(storedSession));
    QCOMPARE(session.crc32(), SimLogSession::crc32(storedSession));
    session.setFileDeviceName(device->name());
    session.setDeviceName(device->name());
    const LogWriteResult saved = saveLogFile(m_dir.path(), session);
    QVERIFY2(saved.ok, qPrintable(saved.errorString));
    QVERIFY(saved.filePath.endsWith(QStringLiteral(".verira")));
    const LogSession reread = readLogMetadata(saved.filePath);
    QCOMPARE(reread.header().head.sessionNumber, 9u);
    QCOMPARE(reread.deviceName(), QStringLiteral("QVR Test"));
    QVERIFY(QFileInfo(saved.filePath).fileName().startsWith(QStringLiteral("QVR Test_(RU-1234)_")));
    QCOMPARE(session.dots().size(), std::size_t(300));

    // --- A refused connect: status 1, and no retry. -----------------------
    const std::shared_ptr<LimiterDevice> refused = loggers.findDevice(kLogger.toString());
    QVERIFY(refused);
    rig.onDevice(kLogger, [](SimLimiter &held) { held.addFaultFilter(SimFaults::refuse(SimAttEvent::Connect, QBluetoothUuid())); });
    QSignalSpy refusedStatus(refused.get(), &LimiterDevice::statusChanged);
    refused->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(statuses(refusedStatus), QList<int>{1}, kStepMs);
    // Qt's BlueZ backend reports every failed Connect() as an unknown error.
    QCOMPARE(refused->controllerError(), int(QLowEnergyController::UnknownError));
    QVERIFY(!refused->controllerErrorString().isEmpty());

    // --- A lost link mid-session: the device reconnects. ------------------
    status.clear();
    log.clear();
    rig.standIn.clearTraffic();
    rig.standIn.run([](SimRadio &radio) { radio.dropLinks(kLimiter); });
    QTRY_COMPARE_WITH_TIMEOUT(logger.count(), 2, kStepMs);
    QVERIFY(log.messages().contains(QStringLiteral("Trying to reconnect")));
    QCOMPARE(statuses(status), (QList<int>{1, 2, 3}));
    int links = 0;
    rig.onDevice(kLimiter, [&](SimLimiter &held) { links = int(held.connections().size()); });
    QCOMPARE(links, 1);
    // The written record comes back as the device kept it.
    QCOMPARE(device->commonSettings().regNum, quint16(4321));
    QCOMPARE(recordText(device->commonSettings().userName, 32), QStringLiteral("Bluez Racer"));
    // bluetoothd turns the notifications of its clients on again by itself.
    QTRY_COMPARE(rig.characteristics(SimAttEvent::DescriptorWrite).size(), 6);
    // Both limit-set lists hold their sets again.
    rig.standIn.clearTraffic();
    s_LimitSettBle set{};
    setRecordText(set.settingsName, 32, QStringLiteral("Renamed"));
    device->writeLimitSettings(5, set);
    device->writeLimitSettings(13, set);
    QTRY_COMPARE(rig.characteristics(SimAttEvent::Write),
                 (QList<QBluetoothUuid>{settingsUuid(kDefaultLimitSet0Id + 5), settingsUuid(kUserLimitSet0Id + 7)}));

    // --- A firmware update through the bootloader at the address plus one.
    const QByteArray image = SimDfuPackage::image(10000, 42);
    const QString package = m_dir.filePath(QStringLiteral("limiter-3.2.zip"));
    QVERIFY(SimDfuPackage::write(package, image, 0x0302));
    auto *firmware = new Firmware(package);
    QVERIFY(firmware->isLoaded());
    const qsizetype initSize = firmware->initData().size();
    auto updater = std::make_unique<DFUUpdater>(&rig.backend);
    updater->setFirmware(firmware);
    connect(device.get(), &LimiterDevice::enteredDFUMode, updater.get(), [&] { updater->startUpdate(device->address()); });
    QList<QPair<int, uint32_t>> steps;
    QStringList errors;
    connect(updater.get(), &DFUUpdater::updateStatus, this,
            [&](StateM state, uint32_t progress) { steps.append({int(state), progress}); });
    connect(updater.get(), &DFUUpdater::error, this, [&](const QString &text) { errors.append(text); });
    rig.standIn.clearTraffic();
    QSignalSpy dfuStatus(device.get(), &LimiterDevice::statusChanged);
    device->enterDFUMode();
    QVERIFY(QTest::qWaitFor([&] { return !errors.isEmpty() || (!steps.isEmpty() && steps.last().second == 100); },
                            60000));
    QCOMPARE(errors, QStringList());
    QCOMPARE(steps.last(), (QPair<int, uint32_t>(StateExecuteMain, 100)));
    QCOMPARE(rig.standIn.calls(QStringLiteral("Connect"), kBootloader), 1);
    // The init packet in writes as long as the link carries: the bootloader
    // takes an MTU of 247.
    const QList<QByteArray> packets = rig.values(SimAttEvent::WriteWithoutResponse, dfu::packetUuid());
    QVERIFY(!packets.isEmpty());
    QCOMPARE(packets.first().size(), qMin<qsizetype>(initSize, 247 - 3));
    const auto runsTheNewFirmware = [&] {
        bool runs = false;
        rig.onDevice(kLimiter, [&](SimLimiter &held) { runs = !held.isInBootloader() && held.firmwareVersionWord() == 0x0302; });
        return runs;
    };
    QTRY_VERIFY_WITH_TIMEOUT(runsTheNewFirmware(), kStepMs);
    const auto bootloaderOnAir = [&] {
        bool there = false;
        rig.standIn.run([&](SimRadio &radio) { there = radio.peripheral(kBootloader) != nullptr; });
        return there;
    };
    QTRY_VERIFY(!bootloaderOnAir());
    // The device link lost the device when it rebooted, and its reconnect
    // found only the bootloader's silence.
    QTRY_COMPARE_WITH_TIMEOUT(statuses(dfuStatus), (QList<int>{1, 1}), kStepMs);
    // The refused device was never asked again.
    QCOMPARE(rig.standIn.calls(QStringLiteral("Connect"), kLogger), 1);
    // A new connection finds the new firmware.
    const std::shared_ptr<LimiterDevice> again = rig.client(kLimiter, QStringLiteral("QVR Test"));
    connect(again.get(), &LimiterDevice::authorizationRequired, this, [&] { again->authorize(kPassword); });
    QSignalSpy againReady(again.get(), &LimiterDevice::loggerServiceDiscovered);
    again->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(againReady.count(), 1, kStepMs);
    QCOMPARE(again->deviceInformation().block[1].version, quint16(0x0302));
    again->disconnectFromDevice();
    QTRY_COMPARE(again->status(), LimiterDisconnected);

    // --- The recovery scan, after the other scans ended. ------------------
    // bluetoothd keeps the bootloader it no longer hears, without RSSI.
    device->disconnectFromDevice();
    updater.reset();
    discovery.reset();
    QTRY_COMPARE(rig.standIn.calls(QStringLiteral("StopDiscovery")), 1);
    auto *dialog = new FirmwareRecoveryDialog;
    QPointer<FirmwareRecoveryDialog> guard(dialog);
    auto *found = dialog->findChild<QTableWidget *>(QStringLiteral("lwDevices"));
    QVERIFY(found);
    QTRY_COMPARE_WITH_TIMEOUT(found->rowCount(), 3, kStepMs);
    QStringList listed = rows(*found);
    listed.sort();
    QCOMPARE(listed, (QStringList{QStringLiteral("KVTN Logger (C0:DE:00:00:00:22)|-52dBi"),
                                  QStringLiteral("Marker (C0:DE:00:00:00:44)|-33dBi"),
                                  QStringLiteral("QVR Test (C0:11:22:33:44:FF)|-45dBi")}));
    delete dialog;
    QVERIFY(guard.isNull());
}

QTEST_MAIN(tst_BluezSession)
#include "tst_bluezsession.moc"
