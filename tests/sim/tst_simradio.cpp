// The simulated radio behind the BLE seam: link model, CCCD rules, MTU,
// fault injection, advertising and the clock.
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"
#include "SimBackend.h"
#include "SimRadio.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

Q_DECLARE_METATYPE(SimClock::Mode)

namespace {

const QBluetoothUuid kService(QStringLiteral("{0000aaaa-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kValue(QStringLiteral("{0000aa01-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kEvents(QStringLiteral("{0000aa02-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kAlarm(QStringLiteral("{0000aa03-0000-1000-8000-00805f9b34fb}"));
const QBluetoothAddress kAddress(QStringLiteral("C0:DE:00:00:00:01"));

// A peripheral with a readable/writable value, a notifying and an
// indicating characteristic; writing the value echoes it as a notification
// and an indication.
class EchoPeripheral : public SimPeripheral
{
public:
    EchoPeripheral() : SimPeripheral(kAddress, QStringLiteral("Echo"))
    {
        gatt().addService(kService);
        value = gatt().addCharacteristic(kService, kValue,
                                         QLowEnergyCharacteristic::Read | QLowEnergyCharacteristic::Write
                                             | QLowEnergyCharacteristic::WriteNoResponse,
                                         QByteArray("hello"));
        events = gatt().addCharacteristic(kService, kEvents, QLowEnergyCharacteristic::Notify);
        alarm = gatt().addCharacteristic(kService, kAlarm, QLowEnergyCharacteristic::Indicate);
    }
    quint16 value, events, alarm;
    QList<QByteArray> received;

protected:
    quint8 onWrite(SimConnection *c, SimGattCharacteristic &ch, const QByteArray &v, bool withResponse) override
    {
        const quint8 result = SimPeripheral::onWrite(c, ch, v, withResponse);
        received.append(v);
        notify(c, events, v);
        indicate(c, alarm, v);
        return result;
    }
};

struct Client {
    explicit Client(SimRadio &radio)
        : backend(&radio),
          controller(backend.createCentral(QBluetoothDeviceInfo(kAddress, QStringLiteral("Echo"), 0)))
    {
    }
    ~Client() { delete controller; }

    // Connects, discovers and returns the discovered service (owned by the controller).
    BleService *open()
    {
        controller->connectToDevice();
        if (!QTest::qWaitFor([&] { return controller->state() == QLowEnergyController::ConnectedState; }))
            return nullptr;
        controller->discoverServices();
        if (!QTest::qWaitFor([&] { return controller->state() == QLowEnergyController::DiscoveredState; }))
            return nullptr;
        BleService *service = controller->createServiceObject(kService, controller);
        if (!service)
            return nullptr;
        service->discoverDetails();
        if (!QTest::qWaitFor([&] { return service->state() == QLowEnergyService::RemoteServiceDiscovered; }))
            return nullptr;
        return service;
    }

    SimBackend backend;
    BleController *controller;
};

} // namespace

class tst_SimRadio : public QObject
{
    Q_OBJECT
private slots:
    void connectDiscoverReadWrite();
    void cccdGatesNotificationsAndIndications_data();
    void cccdGatesNotificationsAndIndications();
    void mtuLimitsNotificationsAndWritesWithoutResponse();
    void requestsTakeRoundTripsInOrder();
    void faults_data();
    void faults();
    void linkLossIsReportedAsRemoteCloseThenDisconnect();
    void userDisconnectAndReconnectWithSameController();
    void unknownAddressFailsToConnect();
    void discoveryReportsAdvertisements();
    void clockIsDeterministicAndHonoursContext();
    void clockRunsOnInANestedEventLoop_data();
    void clockRunsOnInANestedEventLoop();
    void fastClockWaitsWhileHeld();
};

void tst_SimRadio::connectDiscoverReadWrite()
{
    SimRadio radio;
    auto peripheral = std::make_shared<EchoPeripheral>();
    radio.addPeripheral(peripheral);
    Client client(radio);
    QSignalSpy mtu(client.controller, &BleController::mtuChanged);
    BleService *service = client.open();
    QVERIFY(service);
    QCOMPARE(client.controller->services(), QList<QBluetoothUuid>{kService});
    QTRY_COMPARE(client.controller->mtu(), 247);
    QCOMPARE(mtu.count(), 1);

    BleCharacteristic value = service->characteristic(kValue);
    QVERIFY(value.isValid());
    QCOMPARE(value.value(), QByteArray("hello")); // full discovery reads values
    QVERIFY(value.clientCharacteristicConfiguration().isValid() == false);
    QVERIFY(service->characteristic(kEvents).clientCharacteristicConfiguration().isValid());

    QSignalSpy read(service, &BleService::characteristicRead);
    QSignalSpy written(service, &BleService::characteristicWritten);
    service->writeCharacteristic(value, QByteArray("world"));
    service->readCharacteristic(value);
    QTRY_COMPARE(read.count(), 1);
    QCOMPARE(written.count(), 1);
    QCOMPARE(read.at(0).at(1).toByteArray(), QByteArray("world"));
    QCOMPARE(read.at(0).at(0).value<BleCharacteristic>(), value);
    QCOMPARE(peripheral->received, QList<QByteArray>{QByteArray("world")});

    // Writes without response are not confirmed.
    service->writeCharacteristic(value, QByteArray("quiet"), QLowEnergyService::WriteWithoutResponse);
    QTRY_COMPARE(peripheral->received.size(), 2);
    QCOMPARE(written.count(), 1);
}

void tst_SimRadio::cccdGatesNotificationsAndIndications_data()
{
    QTest::addColumn<QString>("characteristic");
    QTest::addColumn<QByteArray>("cccd");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("notify after 0100") << "events" << QByteArray::fromHex("0100") << true << true;
    QTest::newRow("notify after 0200") << "events" << QByteArray::fromHex("0200") << false << false;
    QTest::newRow("indicate after 0200") << "alarm" << QByteArray::fromHex("0200") << true << true;
    QTest::newRow("indicate after 0100") << "alarm" << QByteArray::fromHex("0100") << false << false;
    QTest::newRow("switched off") << "events" << QByteArray::fromHex("0000") << true << false;
    QTest::newRow("one byte") << "events" << QByteArray::fromHex("01") << false << false;
}

void tst_SimRadio::cccdGatesNotificationsAndIndications()
{
    QFETCH(QString, characteristic);
    QFETCH(QByteArray, cccd);
    QFETCH(bool, accepted);
    QFETCH(bool, delivered);
    SimRadio radio;
    radio.addPeripheral(std::make_shared<EchoPeripheral>());
    Client client(radio);
    BleService *service = client.open();
    QVERIFY(service);
    const BleCharacteristic target = service->characteristic(characteristic == "events" ? kEvents : kAlarm);
    QSignalSpy descriptorWritten(service, &BleService::descriptorWritten);
    QSignalSpy errors(service, &BleService::errorOccurred);
    QSignalSpy changed(service, &BleService::characteristicChanged);
    service->writeDescriptor(target.clientCharacteristicConfiguration(), cccd);
    QTRY_COMPARE(descriptorWritten.count() + errors.count(), 1);
    QCOMPARE(descriptorWritten.count(), accepted ? 1 : 0);
    if (!accepted)
        QCOMPARE(errors.at(0).at(0).value<QLowEnergyService::ServiceError>(), QLowEnergyService::DescriptorWriteError);

    QSignalSpy written(service, &BleService::characteristicWritten);
    service->writeCharacteristic(service->characteristic(kValue), QByteArray("ping"));
    QTRY_COMPARE(written.count(), 1);
    radio.clock().advanceMs(100);
    QCoreApplication::processEvents();
    QTRY_COMPARE(changed.count(), delivered ? 1 : 0);
    radio.clock().advanceMs(1000);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), delivered ? 1 : 0);
    if (delivered) {
        QCOMPARE(changed.at(0).at(0).value<BleCharacteristic>(), target);
        QCOMPARE(changed.at(0).at(1).toByteArray(), QByteArray("ping"));
    }
}

void tst_SimRadio::mtuLimitsNotificationsAndWritesWithoutResponse()
{
    SimRadio radio;
    auto peripheral = std::make_shared<EchoPeripheral>();
    peripheral->setMaximumMtu(23);
    radio.addPeripheral(peripheral);
    Client client(radio);
    BleService *service = client.open();
    QVERIFY(service);
    QTRY_COMPARE(client.controller->mtu(), 23);
    const BleCharacteristic events = service->characteristic(kEvents);
    QSignalSpy descriptorWritten(service, &BleService::descriptorWritten);
    service->writeDescriptor(events.clientCharacteristicConfiguration(), QByteArray::fromHex("0100"));
    QTRY_COMPARE(descriptorWritten.count(), 1);

    QSignalSpy changed(service, &BleService::characteristicChanged);
    QSignalSpy errors(service, &BleService::errorOccurred);
    QSignalSpy written(service, &BleService::characteristicWritten);
    const BleCharacteristic value = service->characteristic(kValue);
    // 20 bytes fit one packet and are echoed; 21 bytes are a long write, whose
    // echo no longer fits a notification.
    service->writeCharacteristic(value, QByteArray(20, 'a'));
    service->writeCharacteristic(value, QByteArray(21, 'b'));
    QTRY_COMPARE(written.count(), 2);
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(1).toByteArray(), QByteArray(20, 'a'));
    // Without response, a value must fit one packet.
    service->writeCharacteristic(value, QByteArray(21, 'c'), QLowEnergyService::WriteWithoutResponse);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).value<QLowEnergyService::ServiceError>(), QLowEnergyService::CharacteristicWriteError);
}

void tst_SimRadio::requestsTakeRoundTripsInOrder()
{
    SimRadio radio(SimClock::Mode::Manual);
    radio.setRoundTripMs(10);
    radio.addPeripheral(std::make_shared<EchoPeripheral>());
    Client client(radio);
    client.controller->connectToDevice();
    radio.clock().advanceMs(10);
    QCOMPARE(client.controller->state(), QLowEnergyController::ConnectedState);
    radio.clock().runUntilIdle();
    client.controller->discoverServices();
    radio.clock().runUntilIdle();
    BleService *service = client.controller->createServiceObject(kService, client.controller);
    QVERIFY(service);
    service->discoverDetails(QLowEnergyService::SkipValueDiscovery);
    radio.clock().runUntilIdle();
    QCOMPARE(service->state(), QLowEnergyService::RemoteServiceDiscovered);

    QList<QPair<QByteArray, qint64>> answers;
    connect(service, &BleService::characteristicWritten, this,
            [&](const BleCharacteristic &, const QByteArray &v) { answers.append({v, radio.clock().nowMs()}); });
    const qint64 start = radio.clock().nowMs();
    const BleCharacteristic value = service->characteristic(kValue);
    service->writeCharacteristic(value, "1");
    service->writeCharacteristic(value, "2");
    service->writeCharacteristic(value, "3");
    radio.clock().runUntilIdle();
    QCOMPARE(answers.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(answers.at(i).first, QByteArray::number(i + 1));
        QCOMPARE(answers.at(i).second - start, qint64(10 * (i + 1)));
    }
}

void tst_SimRadio::faults_data()
{
    QTest::addColumn<int>("fault"); // 0 refuse, 1 truncate to 2, 2 corrupt byte 0, 3 drop link
    QTest::addColumn<QByteArray>("readBack");
    QTest::addColumn<bool>("readError");
    QTest::addColumn<bool>("linkLost");
    QTest::newRow("refused read") << 0 << QByteArray() << true << false;
    QTest::newRow("short read") << 1 << QByteArray("he") << false << false;
    QTest::newRow("corrupted read") << 2 << QByteArray("\x97" "ello") << false << false;
    QTest::newRow("link lost on read") << 3 << QByteArray() << false << true;
}

void tst_SimRadio::faults()
{
    QFETCH(int, fault);
    QFETCH(QByteArray, readBack);
    QFETCH(bool, readError);
    QFETCH(bool, linkLost);
    SimRadio radio;
    auto peripheral = std::make_shared<EchoPeripheral>();
    radio.addPeripheral(peripheral);
    Client client(radio);
    BleService *service = client.open();
    QVERIFY(service);
    const auto k = SimAttEvent::Read;
    switch (fault) {
    case 0: peripheral->addFaultFilter(SimFaults::refuse(k, kValue)); break;
    case 1: peripheral->addFaultFilter(SimFaults::truncate(k, kValue, 2)); break;
    case 2: peripheral->addFaultFilter(SimFaults::corrupt(k, kValue, 1, 0)); break;
    case 3: peripheral->addFaultFilter(SimFaults::dropLink(k, kValue)); break;
    }
    QSignalSpy read(service, &BleService::characteristicRead);
    QSignalSpy errors(service, &BleService::errorOccurred);
    QSignalSpy disconnected(client.controller, &BleController::disconnected);
    service->readCharacteristic(service->characteristic(kValue));
    QTRY_COMPARE(read.count() + errors.count() + disconnected.count(), 1);
    QCOMPARE(errors.count(), readError ? 1 : 0);
    QCOMPARE(disconnected.count(), linkLost ? 1 : 0);
    if (!readError && !linkLost)
        QCOMPARE(read.at(0).at(1).toByteArray(), readBack);
}

void tst_SimRadio::linkLossIsReportedAsRemoteCloseThenDisconnect()
{
    SimRadio radio;
    radio.addPeripheral(std::make_shared<EchoPeripheral>());
    Client client(radio);
    BleService *service = client.open();
    QVERIFY(service);
    const BleCharacteristic value = service->characteristic(kValue);
    QStringList order;
    connect(client.controller, &BleController::errorOccurred, this,
            [&](QLowEnergyController::Error e) { order << QString("error %1").arg(int(e)); });
    connect(service, &BleService::stateChanged, this,
            [&](QLowEnergyService::ServiceState s) { order << QString("service %1").arg(int(s)); });
    connect(client.controller, &BleController::disconnected, this, [&] { order << "disconnected"; });
    radio.dropLinks(kAddress);
    QTRY_COMPARE(order.size(), 3);
    QCOMPARE(order, (QStringList{QString("error %1").arg(int(QLowEnergyController::RemoteHostClosedError)),
                                 QString("service %1").arg(int(QLowEnergyService::InvalidService)), "disconnected"}));
    QCOMPARE(client.controller->state(), QLowEnergyController::UnconnectedState);
    QVERIFY(!value.isValid());
    QVERIFY(client.controller->createServiceObject(kService) == nullptr);
}

void tst_SimRadio::userDisconnectAndReconnectWithSameController()
{
    SimRadio radio;
    auto peripheral = std::make_shared<EchoPeripheral>();
    radio.addPeripheral(peripheral);
    Client client(radio);
    QVERIFY(client.open());
    QSignalSpy errors(client.controller, &BleController::errorOccurred);
    QSignalSpy disconnected(client.controller, &BleController::disconnected);
    client.controller->disconnectFromDevice();
    QCOMPARE(client.controller->state(), QLowEnergyController::ClosingState);
    QTRY_COMPARE(disconnected.count(), 1);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(peripheral->connections().size(), 0);
    BleService *again = client.open();
    QVERIFY(again);
    QCOMPARE(peripheral->connections().size(), 1);
}

void tst_SimRadio::unknownAddressFailsToConnect()
{
    SimRadio radio;
    SimBackend backend(&radio);
    std::unique_ptr<BleController> controller(
        backend.createCentral(QBluetoothDeviceInfo(QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:99")), "x", 0)));
    QSignalSpy errors(controller.get(), &BleController::errorOccurred);
    QSignalSpy disconnected(controller.get(), &BleController::disconnected);
    controller->connectToDevice();
    QTRY_COMPARE(errors.count(), 1);
    QCOMPARE(controller->error(), QLowEnergyController::UnknownRemoteDeviceError);
    QVERIFY(!controller->errorString().isEmpty());
    QCOMPARE(controller->state(), QLowEnergyController::UnconnectedState);
    QCOMPARE(disconnected.count(), 0);
}

void tst_SimRadio::discoveryReportsAdvertisements()
{
    SimRadio radio;
    auto peripheral = std::make_shared<EchoPeripheral>();
    peripheral->setAdvertisingIntervalMs(50);
    radio.addPeripheral(peripheral);
    SimBackend backend(&radio);
    std::unique_ptr<BleDeviceDiscovery> discovery(backend.createDeviceDiscovery());
    discovery->setLowEnergyDiscoveryTimeout(1000);
    QSignalSpy discovered(discovery.get(), &BleDeviceDiscovery::deviceDiscovered);
    QSignalSpy updated(discovery.get(), &BleDeviceDiscovery::deviceUpdated);
    QSignalSpy finished(discovery.get(), &BleDeviceDiscovery::finished);
    discovery->start();
    QVERIFY(discovery->isActive());
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!discovery->isActive());
    QCOMPARE(discovered.count(), 1);
    const auto info = discovered.at(0).at(0).value<QBluetoothDeviceInfo>();
    QCOMPARE(info.address(), kAddress);
    QCOMPARE(info.name(), QStringLiteral("Echo"));
    // About one advertisement per 50 ms (plus up to 10 ms of random delay).
    QVERIFY2(updated.count() >= 14 && updated.count() <= 20, qPrintable(QString::number(updated.count())));
    // A peripheral that stops advertising is not reported any more.
    const int before = int(updated.count());
    peripheral->setAdvertising(false);
    discovery->setLowEnergyDiscoveryTimeout(300);
    discovery->start();
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(updated.count(), before);
}

void tst_SimRadio::clockIsDeterministicAndHonoursContext()
{
    SimClock clock(SimClock::Mode::Manual);
    QStringList ran;
    clock.scheduleMs(20, [&] { ran << "b"; });
    clock.scheduleMs(10, [&] { ran << "a"; });
    clock.scheduleMs(20, [&] { ran << "c"; });
    auto *context = new QObject;
    clock.scheduleMs(15, [&] { ran << "dropped"; }, context);
    const quint64 cancelled = clock.scheduleMs(5, [&] { ran << "cancelled"; });
    clock.cancel(cancelled);
    delete context;
    clock.advanceMs(15);
    QCOMPARE(ran, QStringList{"a"});
    QCOMPARE(clock.nowMs(), qint64(15));
    clock.advanceMs(100);
    QCOMPARE(ran, (QStringList{"a", "b", "c"}));
    QCOMPARE(clock.nowMs(), qint64(115));
}

void tst_SimRadio::clockRunsOnInANestedEventLoop_data()
{
    QTest::addColumn<SimClock::Mode>("mode");
    QTest::newRow("fast") << SimClock::Mode::Fast;
    QTest::newRow("real time") << SimClock::Mode::RealTime;
}

void tst_SimRadio::clockRunsOnInANestedEventLoop()
{
    // An event whose receiver opens a modal dialog: the devices go on
    // meanwhile, as real ones do, and the dialog sees what they did.
    QFETCH(SimClock::Mode, mode);
    SimClock clock(mode);
    bool later = false;
    bool seenInside = false;
    QEventLoop dialog;
    // Scheduled before the dialog opens, as a device's next step is.
    clock.scheduleMs(30, [&] {
        later = true;
        dialog.quit();
    });
    clock.scheduleMs(10, [&] {
        QTimer::singleShot(10000, &dialog, &QEventLoop::quit); // a guard, not a wait
        dialog.exec();
        seenInside = later;
    });
    QTRY_VERIFY(seenInside);
}

void tst_SimRadio::fastClockWaitsWhileHeld()
{
    // What the simulation handed to another thread arrives before simulated
    // time runs on: nothing runs by itself while a hold is out, whichever
    // thread lets go of it, also when the call that carries it is dropped;
    // an explicit advance does not wait.
    SimClock clock(SimClock::Mode::Fast);
    QList<int> ran;
    for (int event = 1; event <= 3; ++event)
        clock.scheduleMs(10 * event, [&ran, event] { ran << event; });
    const auto passes = [] {
        for (int pass = 0; pass < 5; ++pass)
            QCoreApplication::processEvents();
    };

    SimClock::Hold hold = clock.hold();
    QVERIFY(clock.isHeld());
    passes();
    QVERIFY(ran.isEmpty());
    clock.advanceMs(10);
    QCOMPARE(ran, QList<int>{1});

    // Let go by a queued call that never runs: its receiver goes first.
    QThread idle;
    auto *dropped = new QObject;
    dropped->moveToThread(&idle);
    QMetaObject::invokeMethod(dropped, [held = hold] {}, Qt::QueuedConnection);
    // Let go on a thread of its own.
    QThread worker;
    auto *receiver = new QObject;
    receiver->moveToThread(&worker);
    QMetaObject::invokeMethod(receiver, [held = std::move(hold)] {}, Qt::QueuedConnection);
    passes();
    QVERIFY(ran.size() == 1);
    delete dropped;
    QVERIFY(clock.isHeld());
    worker.start();
    QTRY_COMPARE(ran, (QList<int>{1, 2, 3}));
    QVERIFY(!clock.isHeld());
    worker.quit();
    worker.wait();
    delete receiver;
}

QTEST_GUILESS_MAIN(tst_SimRadio)
#include "tst_simradio.moc"
