// The Qt Bluetooth backend as it runs on Linux: against bluetoothd's D-Bus
// interface, served by the BlueZ stand-in from simulated devices. What
// bluetoothd and Qt's BlueZ classes do differently from the simulator must
// not reach the programs: every advertisement once, names as sent, no
// devices that were not heard, the link's MTU, every read once, and a lost
// link reported as such.
#include "BleDeviceDiscovery.h"
#include "BluetoothDiscovery.h"
#include "BluezRig.h"
#include "DeviceProtocol.h"
#include "FixedAdvertiser.h"
#include "SimRig.h"

#include <QSignalSpy>
#include <QtTest>

using namespace DeviceProtocol;

namespace {

const QBluetoothAddress kLimiter = SimRig::kLimiterAddress;
const QBluetoothAddress kLogger(QStringLiteral("C0:DE:00:00:00:22"));
const QBluetoothAddress kPlain(QStringLiteral("C0:DE:00:00:00:33"));
const QBluetoothAddress kMarker(QStringLiteral("C0:DE:00:00:00:44"));

void addPlainDevice(BluezRig &rig, const QBluetoothAddress &address, const QString &name)
{
    rig.standIn.run([&](SimRadio &radio) {
        auto device = std::make_shared<SimPeripheral>(address, name);
        device->setAdvertiser(std::make_shared<FixedAdvertiser>());
        radio.addPeripheral(device);
    });
}

void setRssi(BluezRig &rig, const QBluetoothAddress &address, qint16 rssi)
{
    rig.onDevice<SimPeripheral>(address, [rssi](SimPeripheral &device) { device.setRssi(rssi); });
}

void setAdvertising(BluezRig &rig, const QBluetoothAddress &address, bool advertising)
{
    rig.onDevice<SimPeripheral>(address, [advertising](SimPeripheral &device) { device.setAdvertising(advertising); });
}

// Who listens to the scan: the programs' advertisement scanner, or the
// seam's device discovery (the DFU client's and the recovery dialog's),
// scanning until stopped or with a time-out.
enum class Listener { Scanner, Discovery, TimedDiscovery };

// One listener's reports, each marked whether it came as the first of its
// address (deviceDiscovered).
class Scan
{
public:
    struct Report {
        bool first;
        QBluetoothDeviceInfo info;
    };

    Scan(Listener listener, BleBackend &backend) : m_listener(listener), m_backend(backend)
    {
        if (listener == Listener::Scanner)
            return;
        m_discovery.reset(backend.createDeviceDiscovery());
        m_discovery->setLowEnergyDiscoveryTimeout(listener == Listener::TimedDiscovery ? 40000 : 0);
        QObject::connect(m_discovery.get(), &BleDeviceDiscovery::deviceDiscovered, m_discovery.get(),
                         [this](const QBluetoothDeviceInfo &info) { m_reports.append({true, info}); });
        QObject::connect(m_discovery.get(), &BleDeviceDiscovery::deviceUpdated, m_discovery.get(),
                         [this](const QBluetoothDeviceInfo &info) { m_reports.append({false, info}); });
    }

    void start()
    {
        if (m_discovery) {
            m_discovery->start();
            return;
        }
        m_scanner = std::make_unique<BluetoothDiscovery>(&m_backend);
        QObject::connect(m_scanner.get(), &BluetoothDiscovery::deviceDiscovered, m_scanner.get(),
                         [this](const QBluetoothDeviceInfo &info) { m_reports.append({true, info}); });
        QObject::connect(m_scanner.get(), &BluetoothDiscovery::deviceUpdated, m_scanner.get(),
                         [this](const QBluetoothDeviceInfo &info) { m_reports.append({false, info}); });
        m_scanner->onDiscoveryFinished();
    }

    // A scanner ends with its object, a discovery is stopped.
    void stop()
    {
        if (m_discovery)
            m_discovery->stop();
        m_scanner.reset();
    }

    QList<Report> of(const QBluetoothAddress &address) const
    {
        QList<Report> result;
        for (const Report &report : m_reports) {
            if (report.info.address() == address)
                result.append(report);
        }
        return result;
    }
    bool heard(const QBluetoothAddress &address, qint16 rssi = 0) const
    {
        const QList<Report> reports = of(address);
        return !reports.isEmpty() && (rssi == 0 || reports.last().info.rssi() == rssi);
    }
    QList<Report> all() const { return m_reports; }
    void clear() { m_reports.clear(); }

private:
    Listener m_listener;
    BleBackend &m_backend;
    std::unique_ptr<BluetoothDiscovery> m_scanner;
    std::unique_ptr<BleDeviceDiscovery> m_discovery;
    QList<Report> m_reports;
};

// A controller of the Qt backend, connected to a simulated limiter that
// bluetoothd has heard; nullptr when that fails.
std::unique_ptr<BleController> connectedLimiter(BluezRig &rig)
{
    rig.addLimiter(SimLimiter::Kind::Limiter, kLimiter, SimRig::kLimiterName);
    if (!rig.discover({kLimiter}))
        return nullptr;
    std::unique_ptr<BleController> controller(rig.backend.createCentral(QBluetoothDeviceInfo(kLimiter, QString(), 0)));
    controller->connectToDevice();
    if (!QTest::qWaitFor([&] { return controller->state() == QLowEnergyController::ConnectedState; }, 10000))
        return nullptr;
    return controller;
}

} // namespace

Q_DECLARE_METATYPE(Listener)

class tst_BluezBackend : public QObject
{
    Q_OBJECT

private:
    // The stand-in, or the reason why it cannot run on this machine.
    bool start(BluezRig &rig)
    {
        QString reason;
        if (!rig.start(&reason))
            m_skip = reason;
        return m_skip.isEmpty();
    }
    QString m_skip;

private slots:
    void scannerHearsEveryAdvertisementOnce();
    void namesAreWhatTheDevicesSent_data();
    void namesAreWhatTheDevicesSent();
    void devicesNotHeardAreNotReported_data();
    void devicesNotHeardAreNotReported();
    void scanGivesTheDiscoveryBackWhenItEnds_data();
    void scanGivesTheDiscoveryBackWhenItEnds();
    void mtuIsTheLinksOwn_data();
    void mtuIsTheLinksOwn();
    void everyReadArrivesOnce_data();
    void everyReadArrivesOnce();
    void fullDiscoveryFinishes_data();
    void fullDiscoveryFinishes();
    void lostLinkIsTheRemoteSidesDoing_data();
    void lostLinkIsTheRemoteSidesDoing();
};

#define START_STAND_IN(rig)                                                                                            \
    if (!start(rig))                                                                                                   \
        QSKIP(qPrintable(m_skip));

void tst_BluezBackend::scannerHearsEveryAdvertisementOnce()
{
    BluezRig rig;
    START_STAND_IN(rig);
    rig.addLimiter(SimLimiter::Kind::Limiter, kLimiter, QStringLiteral("QVR Test"));
    rig.addLimiter(SimLimiter::Kind::DovLogger, kLogger, QStringLiteral("KVTN Test"));
    addPlainDevice(rig, kPlain, QStringLiteral("QVR Plain"));
    addPlainDevice(rig, kMarker, QStringLiteral("QVR Marker"));
    Scan scan(Listener::Scanner, rig.backend);
    scan.start();
    // The status records of the two devices change with every
    // advertisement, through all eight kinds.
    QTRY_VERIFY_WITH_TIMEOUT(scan.of(kLimiter).size() >= 8 && scan.of(kLogger).size() >= 8 && scan.heard(kMarker), 10000);
    // The plain device changes only its signal strength.
    for (qint16 rssi : {-50, -71, -44}) {
        setRssi(rig, kPlain, rssi);
        QTRY_VERIFY(scan.heard(kPlain, rssi));
    }
    for (const QBluetoothAddress &address : {kLimiter, kLogger, kPlain})
        setAdvertising(rig, address, false);
    // What bluetoothd signalled before reaches the scanner before this.
    setRssi(rig, kMarker, -33);
    QTRY_VERIFY(scan.heard(kMarker, -33));

    for (const QBluetoothAddress &address : {kLimiter, kLogger, kPlain}) {
        const QList<Scan::Report> reports = scan.of(address);
        QCOMPARE(reports.size(), rig.standIn.advertisementSignals(address));
        QVERIFY(reports.first().first);
        for (qsizetype i = 1; i < reports.size(); ++i) {
            QVERIFY(!reports.at(i).first);
            // (QBluetoothDeviceInfo's == leaves the RSSI out.)
            const QBluetoothDeviceInfo &info = reports.at(i).info;
            const QBluetoothDeviceInfo &before = reports.at(i - 1).info;
            QVERIFY2(info != before || info.rssi() != before.rssi(), "the same advertisement twice");
        }
    }
    QCOMPARE(scan.of(kPlain).size(), 4);
}

void tst_BluezBackend::namesAreWhatTheDevicesSent_data()
{
    QTest::addColumn<Listener>("listener");
    QTest::addColumn<QString>("sent");
    QTest::newRow("scanner, named") << Listener::Scanner << QStringLiteral("QVR Named");
    QTest::newRow("scanner, no name") << Listener::Scanner << QString();
    QTest::newRow("discovery, named") << Listener::Discovery << QStringLiteral("QVR Named");
    QTest::newRow("discovery, no name") << Listener::Discovery << QString();
}

// bluetoothd's Alias, which Qt takes for the name, is the address written
// with dashes for a device that sent no name.
void tst_BluezBackend::namesAreWhatTheDevicesSent()
{
    QFETCH(Listener, listener);
    QFETCH(QString, sent);
    BluezRig rig;
    START_STAND_IN(rig);
    addPlainDevice(rig, kPlain, sent);
    Scan scan(listener, rig.backend);
    scan.start();
    QTRY_VERIFY(scan.heard(kPlain));
    setRssi(rig, kPlain, -40);
    QTRY_VERIFY(scan.heard(kPlain, -40));
    for (const Scan::Report &report : scan.of(kPlain))
        QCOMPARE(report.info.name(), sent);
}

void tst_BluezBackend::devicesNotHeardAreNotReported_data()
{
    QTest::addColumn<Listener>("listener");
    QTest::newRow("scanner") << Listener::Scanner;
    QTest::newRow("discovery until stopped") << Listener::Discovery;
    QTest::newRow("discovery with a time-out") << Listener::TimedDiscovery;
}

// bluetoothd keeps the devices of a discovery that ended, without RSSI, and
// Qt reports them at the next start as if they were there.
void tst_BluezBackend::devicesNotHeardAreNotReported()
{
    QFETCH(Listener, listener);
    BluezRig rig;
    START_STAND_IN(rig);
    const QBluetoothAddress gone(QStringLiteral("C0:DE:00:00:00:55"));
    addPlainDevice(rig, kPlain, QStringLiteral("QVR Stays"));
    addPlainDevice(rig, gone, QStringLiteral("QVR Leaves"));
    Scan scan(listener, rig.backend);
    scan.start();
    QTRY_VERIFY(scan.heard(kPlain) && scan.heard(gone));
    scan.stop();
    setAdvertising(rig, gone, false);

    scan.clear();
    scan.start();
    QTRY_VERIFY_WITH_TIMEOUT(scan.heard(kPlain), 10000);
    // Anything reported about the silent device came before that.
    QVERIFY(!scan.heard(gone));
    QVERIFY(scan.of(kPlain).first().first);
    for (const Scan::Report &report : scan.all())
        QCOMPARE(report.info.rssi(), qint16(-60));
}

void tst_BluezBackend::scanGivesTheDiscoveryBackWhenItEnds_data()
{
    devicesNotHeardAreNotReported_data();
}

// bluetoothd discovers while any client holds a discovery session; Qt's
// agent gives its session back only when it is stopped.
void tst_BluezBackend::scanGivesTheDiscoveryBackWhenItEnds()
{
    QFETCH(Listener, listener);
    BluezRig rig;
    START_STAND_IN(rig);
    addPlainDevice(rig, kPlain, QStringLiteral("QVR Plain"));
    {
        Scan scan(listener, rig.backend);
        scan.start();
        QTRY_VERIFY(scan.heard(kPlain));
        QCOMPARE(rig.standIn.calls(QStringLiteral("StartDiscovery")), 1);
    }
    QTRY_COMPARE(rig.standIn.calls(QStringLiteral("StopDiscovery")), 1);
    bool scanning = true;
    rig.standIn.run([&](SimRadio &radio) { scanning = radio.isScanning(); });
    QVERIFY(!scanning);
}

void tst_BluezBackend::mtuIsTheLinksOwn_data()
{
    QTest::addColumn<int>("deviceMtu");
    QTest::addColumn<bool>("shown"); // bluetoothd 5.62 or later
    QTest::addColumn<int>("expected");
    QTest::newRow("device takes 247") << 247 << true << 247;
    QTest::newRow("device takes 185") << 185 << true << 185;
    QTest::newRow("device keeps 23") << 23 << true << 23;
    QTest::newRow("bluetoothd does not say") << 247 << false << 23;
}

// Qt's BlueZ D-Bus controller knows no MTU (-1, no mtuChanged); bluetoothd
// shows it as a property of the characteristics.
void tst_BluezBackend::mtuIsTheLinksOwn()
{
    QFETCH(int, deviceMtu);
    QFETCH(bool, shown);
    QFETCH(int, expected);
    BluezRig rig;
    START_STAND_IN(rig);
    rig.standIn.setExposesMtu(shown);
    rig.addLimiter(SimLimiter::Kind::Limiter, kLimiter, SimRig::kLimiterName);
    rig.onDevice(kLimiter, [deviceMtu](SimLimiter &device) { device.setMaximumMtu(deviceMtu); });
    QVERIFY(rig.discover({kLimiter}));
    std::unique_ptr<BleController> controller(rig.backend.createCentral(QBluetoothDeviceInfo(kLimiter, QString(), 0)));
    QCOMPARE(controller->mtu(), 23);
    QSignalSpy mtuChanged(controller.get(), &BleController::mtuChanged);
    controller->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(controller->state(), QLowEnergyController::ConnectedState, 10000);
    QCOMPARE(controller->mtu(), expected);
    if (shown) {
        QCOMPARE(mtuChanged.count(), 1);
        QCOMPARE(mtuChanged.at(0).at(0).toInt(), expected);
    } else {
        QCOMPARE(mtuChanged.count(), 0);
    }
    controller->disconnectFromDevice();
    QTRY_COMPARE(controller->state(), QLowEnergyController::UnconnectedState);
    QCOMPARE(controller->mtu(), 23);
}

void tst_BluezBackend::everyReadArrivesOnce_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a read") << QStringLiteral("read");
    QTest::newRow("a notification while a read of the value is in flight") << QStringLiteral("notified");
}

// bluetoothd signals every value it reads as a change of the
// characteristic, which Qt hands on as a notification.
void tst_BluezBackend::everyReadArrivesOnce()
{
    QFETCH(QString, what);
    BluezRig rig;
    START_STAND_IN(rig);
    std::unique_ptr<BleController> controller = connectedLimiter(rig);
    QVERIFY(controller);
    controller->discoverServices();
    QTRY_COMPARE(controller->state(), QLowEnergyController::DiscoveredState);
    std::unique_ptr<BleService> service(controller->createServiceObject(settingsServiceUuid()));
    QVERIFY(service);
    QSignalSpy changed(service.get(), &BleService::characteristicChanged);
    QSignalSpy read(service.get(), &BleService::characteristicRead);
    service->discoverDetails(QLowEnergyService::SkipValueDiscovery);
    QTRY_COMPARE(service->state(), QLowEnergyService::RemoteServiceDiscovered);
    const BleCharacteristic common = service->characteristic(settingsUuid(kCommonSettingsId));
    s_CommonSettBle settings = SimLimiter::defaultCommonSettings(SimLimiter::Kind::Limiter);
    setRecordText(settings.userName, 32, QStringLiteral("Notified"));
    if (what == QLatin1String("notified")) {
        // The device notifies what was written to it.
        QSignalSpy subscribed(service.get(), &BleService::descriptorWritten);
        service->writeDescriptor(common.clientCharacteristicConfiguration(), QByteArray::fromHex("0100"));
        QTRY_COMPARE(subscribed.count(), 1);
        service->writeCharacteristic(common, recordBytes(settings));
    }
    service->readCharacteristic(common);
    QTRY_COMPARE(read.count(), 1);
    // bluetoothd signals the value before it answers the read.
    if (what == QLatin1String("read")) {
        QCOMPARE(changed.count(), 0);
        return;
    }
    QCOMPARE(read.at(0).at(1).toByteArray(), recordBytes(settings));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(1).toByteArray(), recordBytes(settings));
}

void tst_BluezBackend::fullDiscoveryFinishes_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("fromAnAnswer");
    QTest::addColumn<int>("reads"); // that reached the device
    QTest::newRow("every value readable") << false << false << 20;
    QTest::newRow("a locked device refuses all but one") << true << false << 1;
    QTest::newRow("asked for while Qt hands on an answer") << false << true << 1;
}

// Qt's BlueZ D-Bus backend finishes a full discovery only when its last
// read succeeds; a discovery of values that is asked for while another
// request is in Qt's queue never finishes.
void tst_BluezBackend::fullDiscoveryFinishes()
{
    QFETCH(bool, locked);
    QFETCH(bool, fromAnAnswer);
    QFETCH(int, reads);
    BluezRig rig;
    START_STAND_IN(rig);
    std::unique_ptr<BleController> controller = connectedLimiter(rig);
    QVERIFY(controller);
    if (locked)
        rig.onDevice(kLimiter, [](SimLimiter &device) { device.setPassword(QStringLiteral("1234")); });
    controller->discoverServices();
    QTRY_COMPARE(controller->state(), QLowEnergyController::DiscoveredState);
    std::unique_ptr<BleService> settings(controller->createServiceObject(settingsServiceUuid()));
    std::unique_ptr<BleService> telemetry(controller->createServiceObject(telemetryServiceUuid()));
    QVERIFY(settings && telemetry);
    QSignalSpy changed(settings.get(), &BleService::characteristicChanged);
    QSignalSpy errors(settings.get(), &BleService::errorOccurred);
    QSignalSpy answers(settings.get(), &BleService::characteristicRead);

    BleService *discovered = settings.get();
    if (fromAnAnswer) {
        // As the device link does: the next service from the answer of a read.
        settings->discoverDetails(QLowEnergyService::SkipValueDiscovery);
        QTRY_COMPARE(settings->state(), QLowEnergyService::RemoteServiceDiscovered);
        connect(settings.get(), &BleService::characteristicRead, this,
                [&] { telemetry->discoverDetails(QLowEnergyService::FullDiscovery); });
        settings->readCharacteristic(settings->characteristic(settingsUuid(kDeviceInfoId)));
        discovered = telemetry.get();
    } else {
        settings->discoverDetails(QLowEnergyService::FullDiscovery);
    }
    QTRY_COMPARE_WITH_TIMEOUT(discovered->state(), QLowEnergyService::RemoteServiceDiscovered, 10000);
    // The discovery's reads and refusals are its own business.
    QCOMPARE(rig.characteristics(SimAttEvent::Read).size(), reads);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(answers.count(), fromAnAnswer ? 1 : 0);
    if (!locked && !fromAnAnswer) {
        const BleCharacteristic common = settings->characteristic(settingsUuid(kCommonSettingsId));
        QCOMPARE(common.value(), recordBytes(SimLimiter::defaultCommonSettings(SimLimiter::Kind::Limiter)));
    }
}

void tst_BluezBackend::lostLinkIsTheRemoteSidesDoing_data()
{
    QTest::addColumn<bool>("byDevice");
    QTest::addColumn<QStringList>("signalled");
    QTest::addColumn<int>("error");
    QTest::newRow("the device goes") << true << QStringList{QStringLiteral("error 7"), QStringLiteral("disconnected")}
                                     << int(QLowEnergyController::RemoteHostClosedError);
    QTest::newRow("the program disconnects") << false << QStringList{QStringLiteral("disconnected")}
                                             << int(QLowEnergyController::NoError);
}

// Qt's BlueZ D-Bus controller closes a lost link without an error.
void tst_BluezBackend::lostLinkIsTheRemoteSidesDoing()
{
    QFETCH(bool, byDevice);
    QFETCH(QStringList, signalled);
    QFETCH(int, error);
    BluezRig rig;
    START_STAND_IN(rig);
    std::unique_ptr<BleController> controller = connectedLimiter(rig);
    QVERIFY(controller);
    QStringList seen;
    connect(controller.get(), &BleController::errorOccurred, this,
            [&](QLowEnergyController::Error e) { seen << QStringLiteral("error %1").arg(int(e)); });
    connect(controller.get(), &BleController::disconnected, this, [&] {
        seen << QStringLiteral("disconnected");
        QCOMPARE(controller->state(), QLowEnergyController::UnconnectedState);
    });
    if (byDevice)
        rig.standIn.run([](SimRadio &radio) { radio.dropLinks(kLimiter); });
    else
        controller->disconnectFromDevice();
    QTRY_VERIFY_WITH_TIMEOUT(seen.contains(QStringLiteral("disconnected")), 10000);
    QCOMPARE(seen, signalled);
    QCOMPARE(int(controller->error()), error);
    if (byDevice)
        QCOMPARE(controller->errorString(), QStringLiteral("Remote device closed the connection"));

    // The same controller connects again, without the old error.
    seen.clear();
    controller->connectToDevice();
    QTRY_COMPARE_WITH_TIMEOUT(controller->state(), QLowEnergyController::ConnectedState, 10000);
    QCOMPARE(int(controller->error()), int(QLowEnergyController::NoError));
    QVERIFY(seen.isEmpty());
}

QTEST_GUILESS_MAIN(tst_BluezBackend)
#include "tst_bluezbackend.moc"
