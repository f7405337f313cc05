// Advertising of the simulated devices, heard through the real scanner
// (agent, discovery) and listed by the device models.
#include "AdvertisedStatus.h"
#include "BleBackend.h"
#include "BluetoothDeviceDiscoveryAgent_UWP.h"
#include "BluetoothDeviceModel.h"
#include "BluetoothDiscovery.h"
#include "BluetoothDovLoggerModel.h"
#include "SimAdvertisementSource.h"
#include "LimiterDevice.h"
#include "SimLimiter.h"
#include "SimRadio.h"
#include "SimBackend.h"
#include "SimRig.h"
#include "SimStatusAdvertiser.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QBluetoothAddress kLimiterAddress(QStringLiteral("C0:DE:00:00:00:01"));
const QBluetoothAddress kLoggerAddress(QStringLiteral("C0:DE:00:00:00:02"));

SimAdvertisedStatus limiterStatus()
{
    SimAdvertisedStatus s;
    s.registrationCountry = "RUS";
    s.registrationNumber = 4711;
    s.hardwareVersion = 0x0213;
    s.firmwareVersion = 0x1901;
    s.auxiliaryVersion = 0x0105;
    s.selfTest = 0x02;
    s.battery = 57;
    s.settingsSet = 7;
    s.statusFlags = 0x21;
    s.energy = 12.5f;
    s.energyReference = 60.f;
    s.voltage = 16.8f;
    s.averageCurrent = 35.25f;
    s.calibrationNumber = 321;
    s.calibrationByte = 4;
    s.capacity = 4500.f;
    s.energyConsumed = 21.5f;
    s.userName = "Ivan Ivanovich Petrovsky-Vodkin!"; // 32 bytes
    return s;
}

SimAdvertisedStatus loggerStatus()
{
    SimAdvertisedStatus s;
    s.registrationCountry = "DEU";
    s.registrationNumber = 12;
    s.hardwareVersion = 0x0312;
    s.firmwareVersion = 0x0207;
    s.auxiliaryVersion = 0x0003;
    s.maximumSpeed = 88.5f;
    s.averageSpeed = 61.5f;
    s.temperature = -5;
    s.satellites = 9;
    s.maximumRpm = 52000;
    s.userName = "Olga";
    return s;
}

// Sends a foreign entry before the device's own.
class TwoEntryAdvertiser : public SimAdvertiser
{
public:
    SimAdvertisement next(const SimPeripheral &peripheral) override
    {
        SimAdvertisement a = inner.next(peripheral);
        a.manufacturerData.prepend({0x0006, QByteArray("foreign")});
        return a;
    }
    SimStatusAdvertiser inner{SimStatusAdvertiser::Family::Limiter, limiterStatus};
};

// What the radio put in the air for the scanner (advertisements with
// manufacturer data and a signal) and what the discovery handed on, so that
// a test on the manual clock can wait until the air is empty.
class AirCount
{
public:
    AirCount(SimRadio &radio, BluetoothDiscovery &discovery)
    {
        QObject::connect(&radio, &SimRadio::advertised, &m_context, [this](const SimAdvertisement &a) {
            if (!a.manufacturerData.isEmpty() && a.rssi != -127)
                ++m_sent;
        });
        QObject::connect(&discovery, &BluetoothDiscovery::deviceDiscovered, &m_context, [this] { ++m_heard; });
        QObject::connect(&discovery, &BluetoothDiscovery::deviceUpdated, &m_context, [this] { ++m_heard; });
    }

    // Waits until everything sent has reached the discovery's lists.
    bool landed()
    {
        const bool heard = QTest::qWaitFor([this] { return m_heard == m_sent; });
        // The lists take the discovery's signals queued.
        QCoreApplication::sendPostedEvents();
        return heard;
    }

private:
    QObject m_context;
    qint64 m_sent = 0;
    qint64 m_heard = 0;
};

} // namespace

class TestSimAdvertising : public QObject
{
    Q_OBJECT

private slots:
    void rotationDecodes_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("limiter") << int(SimStatusAdvertiser::Family::Limiter) << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 0};
        QTest::newRow("DOV logger") << int(SimStatusAdvertiser::Family::DovLogger)
                                    << QList<int>{8, 9, 10, 11, 12, 13, 14, 8};
    }

    void rotationDecodes()
    {
        QFETCH(int, family);
        QFETCH(QList<int>, kinds);
        const bool limiter = family == int(SimStatusAdvertiser::Family::Limiter);
        SimStatusAdvertiser advertiser(SimStatusAdvertiser::Family(family), limiter ? limiterStatus : loggerStatus);
        SimPeripheral peripheral(kLimiterAddress, QStringLiteral("QVR-1"));
        peripheral.setRssi(-48);

        AdvertisedStatus status;
        for (int kind : kinds) {
            const SimAdvertisement a = advertiser.next(peripheral);
            QCOMPARE(a.address, kLimiterAddress);
            QCOMPARE(a.name, std::optional<QString>(QStringLiteral("QVR-1")));
            QCOMPARE(a.rssi, qint16(-48));
            QCOMPARE(a.manufacturerData.size(), 1);
            QCOMPARE(a.manufacturerData[0].first, quint16(0x0059));
            const QByteArray data = a.manufacturerData[0].second;
            QCOMPARE(data.size(), 12);
            QCOMPARE(int(quint8(data[0])), kind);
            QVERIFY(status.parse(data));
        }

        const SimAdvertisedStatus sent = limiter ? limiterStatus() : loggerStatus();
        QCOMPARE(status.registrationNumberText(), QString::fromLatin1(sent.registrationCountry) + "-"
                                                      + QString::number(sent.registrationNumber));
        QCOMPARE(status.hardwareVersionWord(), sent.hardwareVersion);
        QCOMPARE(status.firmwareVersionWord(), sent.firmwareVersion);
        QCOMPARE(status.auxiliaryVersionWord(), sent.auxiliaryVersion);
        QCOMPARE(status.userName(), QString::fromUtf8(sent.userName));
        if (limiter) {
            QCOMPARE(status.selfTestFlags(), quint8(0x20));
            QCOMPARE(status.battery(), sent.battery);
            QCOMPARE(status.settingsSetName(), QStringLiteral("7 (Rar Adev RUS)"));
            QCOMPARE(status.statusFlags(), sent.statusFlags);
            QCOMPARE(status.energy(), sent.energy);
            QCOMPARE(status.energyLimit(), sent.energyReference);
            QCOMPARE(status.voltage(), sent.voltage);
            QCOMPARE(status.averageCurrent(), sent.averageCurrent);
            QCOMPARE(status.calibrationText(), QStringLiteral("Calibrated: 04.321"));
            QCOMPARE(status.capacity(), sent.capacity);
            QCOMPARE(status.energyConsumed(), sent.energyConsumed);
        } else {
            QCOMPARE(status.maximumSpeed(), sent.maximumSpeed);
            QCOMPARE(status.averageSpeed(), sent.averageSpeed);
            QCOMPARE(status.temperature(), sent.temperature);
            QCOMPARE(status.satellites(), sent.satellites);
            QCOMPARE(status.maximumRpm(), float(sent.maximumRpm));
        }
    }

    void devicesAppearAndAgeOut()
    {
        SimRig rig;
        SimRadio &radio = rig.radio;

        auto limiter = std::make_shared<SimPeripheral>(kLimiterAddress, QStringLiteral("QVR-Sim 1"));
        limiter->setAdvertiser(std::make_shared<SimStatusAdvertiser>(SimStatusAdvertiser::Family::Limiter, limiterStatus));
        auto logger = std::make_shared<SimPeripheral>(kLoggerAddress, QStringLiteral("ZIV-Sim 2"));
        logger->setAdvertiser(std::make_shared<SimStatusAdvertiser>(SimStatusAdvertiser::Family::DovLogger, loggerStatus));
        auto stranger = std::make_shared<SimPeripheral>(QBluetoothAddress(quint64(0x1234)), QStringLiteral("QVR-Plain"));
        radio.addPeripheral(limiter);
        radio.addPeripheral(logger);
        radio.addPeripheral(stranger); // name and RSSI only: never listed

        {
            BluetoothDiscovery discovery(&rig.backend);
            AirCount air(radio, discovery);
            BluetoothDeviceModel limiters(&discovery);
            BluetoothDovLoggerModel loggers(&discovery);
            discovery.onDiscoveryFinished();

            QTRY_COMPARE(limiters.rowCount(), 1);
            QTRY_COMPARE(loggers.rowCount(), 1);
            const auto cell = [](const QAbstractItemModel &model, int column) {
                return model.data(model.index(0, column));
            };
            QTRY_COMPARE(cell(limiters, BluetoothDeviceModel::UserNameColumn),
                         QVariant("Ivan Ivanovich Petrovsky-Vodkin!"));
            QCOMPARE(cell(limiters, BluetoothDeviceModel::UniqueIdColumn), QVariant("QVR-Sim 1"));
            QCOMPARE(cell(limiters, BluetoothDeviceModel::RegistrationColumn), QVariant("RUS-4711"));
            QCOMPARE(cell(limiters, BluetoothDeviceModel::BatteryColumn), QVariant(57));
            QCOMPARE(cell(limiters, BluetoothDeviceModel::AecColumn), QVariant("Enabled"));
            QCOMPARE(cell(limiters, BluetoothDeviceModel::AddressColumn), QVariant(kLimiterAddress.toString()));
            QTRY_COMPARE(cell(loggers, BluetoothDovLoggerModel::UserNameColumn), QVariant("Olga"));
            QCOMPARE(cell(loggers, BluetoothDovLoggerModel::MaximumRpmColumn), QVariant("52000.0"));
            QCOMPARE(cell(loggers, BluetoothDovLoggerModel::RegistrationColumn), QVariant("DEU-12"));
            QCOMPARE(limiters.rowCount(), 1);
            QCOMPARE(loggers.rowCount(), 1);

            limiter->setRssi(-83);
            QTRY_COMPARE(cell(limiters, BluetoothDeviceModel::RssiColumn), QVariant(-83));

            // The limiter falls silent: stale after 60 seconds of the radio's
            // clock, gone after 300, while the DOV logger, still on air,
            // stays. The lists tick once a second of that clock; on the
            // manual clock what a stretch of time sent lands after the
            // stretch's ticks, so the last second before the silence leaves
            // both devices freshly heard.
            rig.clock().setMode(SimClock::Mode::Manual);
            rig.clock().advanceMs(1000);
            QVERIFY(air.landed());
            limiter->setAdvertising(false);
            rig.clock().advanceMs(59 * 1000);
            QVERIFY(air.landed());
            QVERIFY(limiters.flags(limiters.index(0, 0)).testFlag(Qt::ItemIsEnabled));
            rig.clock().advanceMs(1000); // the 60th tick
            QVERIFY(air.landed());
            QVERIFY(!limiters.flags(limiters.index(0, 0)).testFlag(Qt::ItemIsEnabled));
            QCOMPARE(limiters.data(limiters.index(0, 0), Qt::BackgroundRole), QVariant(QColor(Qt::gray)));
            rig.clock().advanceMs(239 * 1000); // the 299th
            QVERIFY(air.landed());
            QCOMPARE(limiters.rowCount(), 1);
            rig.clock().advanceMs(1000);
            QVERIFY(air.landed());
            QCOMPARE(limiters.rowCount(), 0);
            QCOMPARE(loggers.rowCount(), 1);
            QVERIFY(loggers.flags(loggers.index(0, 0)).testFlag(Qt::ItemIsEnabled));

            // Back on air: listed again.
            rig.clock().setMode(SimClock::Mode::Fast);
            limiter->setAdvertising(true);
            QTRY_COMPARE(limiters.rowCount(), 1);
        }
    }

    // A simulated limiter is listed; a tab connects to it; closing the
    // window (the models go) ends that connection for good, while the tab
    // still holds the device.
    void modelsDisconnectTheirDevices()
    {
        SimRig rig;
        SimRadio &radio = rig.radio;
        radio.addPeripheral(std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kLimiterAddress,
                                                         QStringLiteral("QVR-Sim 1")));
        radio.addPeripheral(std::make_shared<SimLimiter>(SimLimiter::Kind::DovLogger, kLoggerAddress,
                                                         QStringLiteral("ZIV-Sim 2")));
        std::shared_ptr<LimiterDevice> tab;
        {
            BluetoothDiscovery discovery(&rig.backend);
            auto limiters = std::make_unique<BluetoothDeviceModel>(&discovery);
            BluetoothDovLoggerModel loggers(&discovery);
            discovery.onDiscoveryFinished();
            QTRY_COMPARE(limiters->rowCount(), 1);
            QTRY_COMPARE(loggers.rowCount(), 1);
            QTRY_VERIFY(limiters->data(limiters->index(0, BluetoothDeviceModel::HardwareColumn)).toString() != "0.0.0");

            tab = limiters->findDevice(kLimiterAddress.toString());
            QVERIFY(tab);
            QCOMPARE(tab->name(), QStringLiteral("QVR-Sim 1"));
            tab->connectToDevice();
            QTRY_COMPARE(tab->status(), LimiterServicesDiscovered);

            QSignalSpy status(tab.get(), &LimiterDevice::statusChanged);
            limiters.reset();
            QTRY_COMPARE(tab->status(), LimiterDisconnected);
            QCOMPARE(status.last().at(0).value<LimiterConnectionStatus>(), LimiterDisconnected);
        }
        QCOMPARE(tab.use_count(), 1);
    }

    // Without a process-wide simulator: the scan and the listed devices use
    // the backend the discovery was made with.
    void listedDevicesConnectThroughTheScansBackend()
    {
        SimRadio radio(SimClock::Mode::Fast);
        SimBackend backend(&radio);
        auto device = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kLimiterAddress,
                                                   QStringLiteral("QVR-Sim 1"));
        radio.addPeripheral(device);
        QVERIFY(BleBackend::instance() != &backend);
        BluetoothDiscovery discovery(&backend);
        QCOMPARE(discovery.backend(), &backend);
        BluetoothDeviceModel limiters(&discovery);
        discovery.onDiscoveryFinished();
        QTRY_COMPARE(limiters.rowCount(), 1);
        const std::shared_ptr<LimiterDevice> listed = limiters.findDevice(kLimiterAddress.toString());
        QVERIFY(listed);
        listed->connectToDevice();
        QTRY_COMPARE(listed->status(), LimiterServicesDiscovered);
        QCOMPARE(device->connections().size(), 1);
    }

    void firstManufacturerEntryOnly()
    {
        SimRig rig;
        SimRadio &radio = rig.radio;
        auto device = std::make_shared<SimPeripheral>(kLimiterAddress, QStringLiteral("QVR-Sim 1"));
        device->setAdvertiser(std::make_shared<TwoEntryAdvertiser>());
        radio.addPeripheral(device);
        {
            BluetoothDiscovery discovery(&rig.backend);
            BluetoothDeviceModel limiters(&discovery);
            QSignalSpy discovered(&discovery, &BluetoothDiscovery::deviceDiscovered);
            QSignalSpy updated(&discovery, &BluetoothDiscovery::deviceUpdated);
            discovery.onDiscoveryFinished();
            QTRY_VERIFY(updated.size() >= 3);
            QCOMPARE(discovered.size(), 1);
            const auto info = discovered[0][0].value<QBluetoothDeviceInfo>();
            QCOMPARE(info.manufacturerIds(), QList<quint16>{0x0006});
            QCOMPARE(info.manufacturerData(0x0006), QByteArray("foreign"));
            // Without company 0x0059 first, the limiter is never listed.
            QCOMPARE(limiters.rowCount(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestSimAdvertising)
#include "tst_simadvertising.moc"
