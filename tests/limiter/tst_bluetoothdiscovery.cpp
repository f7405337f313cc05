#include "BluetoothDeviceDiscoveryAgent_UWP.h"
#include "BluetoothDiscovery.h"
#include "BluetoothAdapter.h"
#include "LogCapture.h"
#include "QtAdvertisementSource.h"
#include "QtBleBackend.h"

#include <QBluetoothAddress>
#include <QMutex>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <functional>
#include <thread>

namespace {

// The air of the fake sources: whatever the test broadcasts reaches the
// handler of the source that is listening, from a thread of the air's own.
class FakeAir
{
public:
    // Returns how many of them a listening source heard.
    int broadcast(const QList<Advertisement> &advertisements)
    {
        int heard = 0;
        std::thread air([this, advertisements, &heard] {
            QMutexLocker lock(&mutex);
            for (const Advertisement &advertisement : advertisements) {
                if (handler) {
                    handler(advertisement);
                    ++heard;
                }
            }
        });
        air.join();
        return heard;
    }
    bool broadcast(const Advertisement &advertisement) { return broadcast(QList<Advertisement>{advertisement}) == 1; }
    bool listening()
    {
        QMutexLocker lock(&mutex);
        return bool(handler);
    }

    QMutex mutex;
    AdvertisementSource::Handler handler;
    std::atomic<int> activations = 0;
    std::atomic<int> stops = 0;
    quint32 startResult = AdvertisementSource::kStarted;
};

class FakeSource : public AdvertisementSource
{
public:
    explicit FakeSource(FakeAir &air) : m_air(air) {}
    ~FakeSource() override { stop(); }

    quint32 start(Handler handler) override
    {
        QMutexLocker lock(&m_air.mutex);
        if (m_air.startResult == kStarted)
            m_air.handler = std::move(handler);
        return m_air.startResult;
    }
    void stop() override
    {
        QMutexLocker lock(&m_air.mutex);
        if (m_air.handler)
            ++m_air.stops;
        m_air.handler = nullptr;
    }
    QString errorString() const override { return QStringLiteral("radio is switched off"); }

private:
    FakeAir &m_air;
};

Advertisement advertisement(quint64 address, qint16 rssi, std::optional<QString> name,
                            QList<Advertisement::ManufacturerEntry> entries)
{
    Advertisement a;
    a.address = address;
    a.rssi = rssi;
    a.localName = std::move(name);
    a.manufacturerData = std::move(entries);
    return a;
}

Advertisement limiter(quint64 address, qint16 rssi = -60)
{
    return advertisement(address, rssi, QStringLiteral("QVR-7"), {{0x0059, QByteArray(12, '\x01')}});
}

// The Qt Bluetooth backend, with its scanner listening to the fake air.
class FakeAirBackend : public QtBleBackend
{
public:
    explicit FakeAirBackend(FakeAir &air) : m_air(air) {}

    std::unique_ptr<AdvertisementSource> createAdvertisementSource() override
    {
        ++m_air.activations;
        if (!hasSource)
            return nullptr;
        return std::make_unique<FakeSource>(m_air);
    }

    std::atomic<bool> hasSource = true;

private:
    FakeAir &m_air;
};

using LogLine = LogCapture::Line;

// Returns once the agent's thread has done what it was asked before and
// what it sent this thread has arrived.
void syncWithAgent(BluetoothDiscovery &discovery)
{
    QMetaObject::invokeMethod(discovery.agent(), [] {}, Qt::BlockingQueuedConnection);
    QCoreApplication::sendPostedEvents();
}

} // namespace

Q_DECLARE_METATYPE(Advertisement)

class TestBluetoothDiscovery : public QObject
{
    Q_OBJECT

private:
    FakeAir m_air;
    FakeAirBackend m_backend{m_air};
    std::unique_ptr<LogCapture> m_log;

    QList<LogLine> scannerLines() const { return m_log->lines(QStringLiteral("ble.scanner")); }

private slots:
    void initTestCase() { m_log = std::make_unique<LogCapture>(); }

    void init()
    {
        m_log->clear();
        m_air.activations = 0;
        m_air.stops = 0;
        m_air.startResult = AdvertisementSource::kStarted;
        m_backend.hasSource = true;
    }

    void cleanupTestCase() { m_log.reset(); }

    void agentThread()
    {
        BluetoothDiscovery discovery(&m_backend);
        QThread *agentThread = discovery.agent()->thread();
        QVERIFY(agentThread != QThread::currentThread());
        QVERIFY(agentThread->isRunning());
        QCOMPARE(agentThread->priority(), QThread::TimeCriticalPriority);
        QCOMPARE(discovery.agent()->scanTimeout(), 0);

        discovery.onDiscoveryFinished();
        QTRY_VERIFY(m_air.handler);
        const QList<LogLine> lines = scannerLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].message, QStringLiteral("Init BLE Scanner"));
        QCOMPARE(lines[1].message, QStringLiteral("HRESULT: 0x00000000"));
        for (const LogLine &line : lines)
            QCOMPARE(line.thread, agentThread);

        // Time-out 0: no timer runs to end the scan, so it is never
        // restarted.
        syncWithAgent(discovery);
        bool timed = true;
        QMetaObject::invokeMethod(
            discovery.agent(), [&] { timed = discovery.agent()->findChild<QTimer *>()->isActive(); },
            Qt::BlockingQueuedConnection);
        QVERIFY(!timed);
        QCOMPARE(m_air.activations.load(), 1);
        QCOMPARE(m_air.stops.load(), 0);
    }

    void discoveredThenUpdated()
    {
        BluetoothDiscovery discovery(&m_backend);
        QSignalSpy discovered(&discovery, &BluetoothDiscovery::deviceDiscovered);
        QSignalSpy updated(&discovery, &BluetoothDiscovery::deviceUpdated);
        QThread *receivedOn = nullptr;
        connect(&discovery, &BluetoothDiscovery::deviceUpdated, this,
                [&receivedOn] { receivedOn = QThread::currentThread(); });
        discovery.onDiscoveryFinished();
        QTRY_VERIFY(m_air.handler);

        // The same advertisement three times, then another device.
        m_air.broadcast({limiter(0x112233445566), limiter(0x112233445566), limiter(0x112233445566),
                         limiter(0xAABBCCDDEEFF, -71)});
        QTRY_COMPARE(discovered.size() + updated.size(), 4);
        QCOMPARE(discovered.size(), 2);
        QCOMPARE(updated.size(), 2);
        QCOMPARE(receivedOn, QThread::currentThread());

        const auto first = discovered[0][0].value<QBluetoothDeviceInfo>();
        QCOMPARE(first.address(), QBluetoothAddress(quint64(0x112233445566)));
        QCOMPARE(first.name(), QStringLiteral("QVR-7"));
        QCOMPARE(first.rssi(), qint16(-60));
        QCOMPARE(first.manufacturerData(0x0059), QByteArray(12, '\x01'));
        QCOMPARE(first.coreConfigurations(), QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
        QCOMPARE(discovered[1][0].value<QBluetoothDeviceInfo>().rssi(), qint16(-71));
        for (const QList<QVariant> &signal : updated) {
            QCOMPARE(signal[0].value<QBluetoothDeviceInfo>().address(), QBluetoothAddress(quint64(0x112233445566)));
            QCOMPARE(int(signal[1].value<QBluetoothDeviceInfo::Fields>()), 0x7fff);
        }
    }

    void advertisementContents_data()
    {
        QTest::addColumn<Advertisement>("advertisement");
        QTest::addColumn<bool>("reported");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("company");
        QTest::addColumn<QByteArray>("data");

        const QByteArray record(12, '\x02');
        QTest::newRow("two entries: the first")
            << advertisement(1, -50, "ZIV", {{0x0102, "first"}, {0x0059, record}}) << true << "ZIV" << 0x0102
            << QByteArray("first");
        QTest::newRow("empty name stays empty") << advertisement(1, -50, QString(), {{0x0059, record}}) << true << ""
                                                << 0x0059 << record;
        QTest::newRow("unreadable name") << advertisement(1, -50, std::nullopt, {{0x0059, record}}) << true
                                         << "VELMORA" << 0x0059 << record;
        QTest::newRow("empty data entry") << advertisement(1, -50, "QVR", {{0x0059, QByteArray()}}) << true << "QVR"
                                          << 0x0059 << QByteArray();
        QTest::newRow("no manufacturer data") << advertisement(1, -50, "QVR", {}) << false << "" << 0 << QByteArray();
        QTest::newRow("rssi -127") << advertisement(1, -127, "QVR", {{0x0059, record}}) << false << "" << 0
                                   << QByteArray();
        QTest::newRow("rssi -126") << advertisement(1, -126, "QVR", {{0x0059, record}}) << true << "QVR" << 0x0059
                                   << record;
    }

    void advertisementContents()
    {
        QFETCH(Advertisement, advertisement);
        QFETCH(bool, reported);

        BluetoothDiscovery discovery(&m_backend);
        QSignalSpy discovered(&discovery, &BluetoothDiscovery::deviceDiscovered);
        discovery.onDiscoveryFinished();
        QTRY_VERIFY(m_air.handler);
        // A marker advertisement after the one under test shows that both
        // went through.
        m_air.broadcast({advertisement, limiter(0xFFFF)});
        QTRY_COMPARE(discovered.size(), reported ? 2 : 1);
        if (!reported)
            return;
        QFETCH(QString, name);
        QFETCH(int, company);
        QFETCH(QByteArray, data);
        const auto info = discovered[0][0].value<QBluetoothDeviceInfo>();
        QCOMPARE(info.name(), name);
        QCOMPARE(info.manufacturerIds(), QList<quint16>{quint16(company)});
        QCOMPARE(info.manufacturerData(quint16(company)), data);
    }

    void restartsWhenFinished()
    {
        BluetoothDiscovery discovery(&m_backend);
        discovery.agent()->setScanTimeout(20);
        QSignalSpy updated(&discovery, &BluetoothDiscovery::deviceUpdated);
        QSignalSpy discovered(&discovery, &BluetoothDiscovery::deviceDiscovered);
        discovery.onDiscoveryFinished();
        QTRY_VERIFY(m_air.activations >= 3);
        QVERIFY(m_air.stops >= 2);

        // The seen devices outlive a restart: a device heard before is
        // updated, not discovered again. The source changes under the
        // broadcasts: one sent while no source listens goes unheard, so it
        // is sent again once one listens.
        const auto sendHeard = [this] {
            for (int i = 0; i < 200; ++i) {
                if (!QTest::qWaitFor([this] { return m_air.listening(); }))
                    return false;
                if (m_air.broadcast(limiter(7)))
                    return true;
            }
            return false;
        };
        QVERIFY(sendHeard());
        QTRY_COMPARE(discovered.size(), 1);
        const int activations = m_air.activations;
        QTRY_VERIFY(m_air.activations >= activations + 2);
        QVERIFY(sendHeard());
        QTRY_VERIFY(!updated.isEmpty());
        QCOMPARE(discovered.size(), 1);

        int inits = 0;
        for (const LogLine &line : scannerLines())
            inits += line.message == QLatin1String("Init BLE Scanner");
        QVERIFY(inits >= 5);
    }

    void sourceCannotStart()
    {
        m_air.startResult = AdvertisementSource::kFailure | 3;
        BluetoothDiscovery discovery(&m_backend);
        discovery.onDiscoveryFinished();
        QTRY_COMPARE(scannerLines().size(), 3);
        const QList<LogLine> lines = scannerLines();
        QCOMPARE(lines[1].message, QStringLiteral("HRESULT: 0x80000003"));
        QCOMPARE(lines[2].type, QtWarningMsg);
        QCOMPARE(lines[2].message, QStringLiteral("BLE scanner cannot be activated: radio is switched off"));
        QVERIFY(!m_air.handler);
    }

    void noSource()
    {
        m_backend.hasSource = false;
        BluetoothDiscovery discovery(&m_backend);
        discovery.onDiscoveryFinished();
        QTRY_COMPARE(scannerLines().size(), 2);
        QCOMPARE(scannerLines()[1].type, QtWarningMsg);
    }

    // No adapter on this machine: the Qt Bluetooth source fails to start,
    // which ends in a warning and no scan.
    void qtSourceWithoutAdapter()
    {
        if (hasBluetoothAdapter())
            QSKIP("This machine has a Bluetooth adapter");
        QtBleBackend qt;
        BluetoothDiscovery discovery(&qt);
        QSignalSpy discovered(&discovery, &BluetoothDiscovery::deviceDiscovered);
        discovery.onDiscoveryFinished();
        QTRY_COMPARE(scannerLines().size(), 3);
        const QList<LogLine> lines = scannerLines();
        QVERIFY(lines[1].message.startsWith(QLatin1String("HRESULT: 0x8")));
        QCOMPARE(lines[2].type, QtWarningMsg);
        QVERIFY(lines[2].message.startsWith(QLatin1String("BLE scanner cannot be activated: ")));
        QVERIFY(lines[2].message.size() > int(qstrlen("BLE scanner cannot be activated: ")));
        // The failed source is gone: nothing it could have sent is on its way.
        syncWithAgent(discovery);
        QCOMPARE(discovered.size(), 0);
    }

    void qtInfoToAdvertisement()
    {
        QBluetoothDeviceInfo info(QBluetoothAddress(quint64(0x0A0B0C0D0E0F)), "KVTN 3", 0);
        info.setRssi(-44);
        info.setManufacturerData(0x0059, "abcdefghijkl");
        const Advertisement a = QtAdvertisementSource::toAdvertisement(info);
        QCOMPARE(a.address, quint64(0x0A0B0C0D0E0F));
        QCOMPARE(a.rssi, qint16(-44));
        QCOMPARE(a.localName, std::optional<QString>(QStringLiteral("KVTN 3")));
        QCOMPARE(a.manufacturerData.size(), 1);
        QCOMPARE(a.manufacturerData[0].companyId, quint16(0x0059));
        QCOMPARE(a.manufacturerData[0].data, QByteArray("abcdefghijkl"));
    }
};

QTEST_GUILESS_MAIN(TestBluetoothDiscovery)
#include "tst_bluetoothdiscovery.moc"
