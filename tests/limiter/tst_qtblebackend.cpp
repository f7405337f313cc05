// The Qt Bluetooth backend on a machine without any Bluetooth adapter: it
// must fail cleanly, and LimiterDevice must report the controller's error.
// Where there is an adapter, those tests skip themselves.
#include "BleBackend.h"
#include "BluetoothAdapter.h"
#include "QtBleBackend.h"
#include "ScopedBleBackend.h"
#include "BleDeviceDiscovery.h"
#include "LimiterDevice.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

class tst_QtBleBackend : public QObject
{
    Q_OBJECT
private slots:
    void environmentPicksTheBackend();
    void scopedBackendsRestoreWhatTheyReplaced();
    void connectEndsInStatusOneWithTheAdapterError();
    void discoveryFailsCleanly();
    void delaysGoWithTheirContext();
};

void tst_QtBleBackend::environmentPicksTheBackend()
{
    // An unknown name falls back to Qt Bluetooth.
    qputenv(BleBackend::kEnvironmentVariable, "no-such-stack");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Unknown BLE backend"));
    BleBackend *backend = BleBackend::instance();
    QVERIFY(backend);
    QCOMPARE(backend->name(), QStringLiteral("qt"));
    QCOMPARE(BleBackend::instance(), backend);
    QVERIFY(BleBackend::backendNames().contains(QStringLiteral("qt")));
    QVERIFY(!BleBackend::create(QStringLiteral("no-such-stack")));
}

void tst_QtBleBackend::scopedBackendsRestoreWhatTheyReplaced()
{
    BleBackend *process = BleBackend::instance();
    QtBleBackend outer;
    QtBleBackend inner;
    {
        ScopedBleBackend first(&outer);
        QCOMPARE(BleBackend::instance(), &outer);
        {
            ScopedBleBackend second(&inner);
            QCOMPARE(BleBackend::instance(), &inner);
        }
        QCOMPARE(BleBackend::instance(), &outer);
    }
    QCOMPARE(BleBackend::instance(), process);
}

void tst_QtBleBackend::connectEndsInStatusOneWithTheAdapterError()
{
    if (hasBluetoothAdapter())
        QSKIP("This machine has a Bluetooth adapter");
    LimiterDevice device(QBluetoothDeviceInfo(QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:01")),
                                              QStringLiteral("QVR Limiter"), 0));
    QSignalSpy status(&device, &LimiterDevice::statusChanged);
    device.connectToDevice();
    QTRY_COMPARE(status.count(), 1);
    QCOMPARE(status.at(0).at(0).toInt(), int(LimiterError));
    QCOMPARE(device.controllerError(), int(QLowEnergyController::InvalidBluetoothAdapterError));
    QVERIFY(!device.controllerErrorString().isEmpty());
    // A second call of the tab and the final disconnect change nothing.
    device.connectToDevice();
    device.disconnectFromDevice();
    device.writeCommonSettings(s_CommonSettBle{});
    device.readLogNumber();
    // None of them reached the controller: what they posted has run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(status.count(), 1);
    QCOMPARE(device.status(), LimiterError);
}

void tst_QtBleBackend::discoveryFailsCleanly()
{
    if (hasBluetoothAdapter())
        QSKIP("This machine has a Bluetooth adapter");
    std::unique_ptr<BleDeviceDiscovery> discovery(BleBackend::instance()->createDeviceDiscovery());
    QSignalSpy errors(discovery.get(), &BleDeviceDiscovery::errorOccurred);
    discovery->setLowEnergyDiscoveryTimeout(0);
    discovery->start();
    QTRY_COMPARE(errors.count(), 1);
    QVERIFY(!discovery->isActive());
    QVERIFY(!discovery->errorString().isEmpty());
    discovery->stop();
}

void tst_QtBleBackend::delaysGoWithTheirContext()
{
    // A delay runs once on time; one whose context goes first never runs
    // and leaves no timer behind; a function may end its own context.
    QtBleBackend backend;
    QStringList ran;
    auto kept = std::make_unique<QObject>();
    auto *dropped = new QObject;
    QPointer<QObject> ending = new QObject;
    backend.singleShot(10, kept.get(), [&] { ran << "kept"; });
    backend.singleShot(10, dropped, [&] { ran << "dropped"; });
    backend.singleShot(10, ending, [&] {
        ran << "ending";
        delete ending.data();
    });
    backend.singleShot(0, kept.get(), [&] { ran << "at once"; });
    QCOMPARE(dropped->findChildren<QTimer *>().size(), 1);
    delete dropped;
    QTRY_COMPARE(ran.size(), 3);
    ran.sort();
    QCOMPARE(ran, (QStringList{"at once", "ending", "kept"}));
    QVERIFY(ending.isNull());
    QTRY_VERIFY(kept->findChildren<QTimer *>().isEmpty());
}

QTEST_GUILESS_MAIN(tst_QtBleBackend)
#include "tst_qtblebackend.moc"
