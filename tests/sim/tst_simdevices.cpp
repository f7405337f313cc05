// The simulated limiter and DOV logger: description files, generated log
// sessions, and the device behaviour the programs rely on (with
// LimiterDevice as the client).
#include "DeviceProtocol.h"
#include "LimiterDevice.h"
#include "SimBackend.h"
#include "SimDescription.h"
#include "SimLimiter.h"
#include "SimLogSession.h"
#include "SimRig.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// One simulated device on its own radio, with a LimiterDevice as its client.
struct Session : SimRig {
    explicit Session(SimLimiter::Kind kind = SimLimiter::Kind::Limiter)
        : device(addLimiter(kind, QString(), kAddress, QStringLiteral("QVR"))), client(SimRig::client(*device))
    {
    }
    bool setUp() { return connectAndSetUp(*client); }
    static inline const QBluetoothAddress kAddress{QStringLiteral("C0:DE:00:00:00:21")};
    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> client;
};

} // namespace

class tst_SimDevices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("device.debug=false")); }
    void builtInDescription();
    void description();
    void badDescriptions_data();
    void badDescriptions();
    void descriptionFileNamedByTheEnvironment_data();
    void descriptionFileNamedByTheEnvironment();
    void generatedSessionLayout();
    void crc32();
    void passwordCanBeChanged();
    void positionCommandsTakeThePpmInput();
    void telemetryFollowsItsFrequency_data();
    void telemetryFollowsItsFrequency();
    void clearLogs();
    void logStreamKeepsItsConnectionInterval();
};

void tst_SimDevices::builtInDescription()
{
    SimRadio radio;
    QString error;
    QVERIFY2(SimDescription::load(radio, SimDescription::builtInDescription(), &error), qPrintable(error));
    QCOMPARE(radio.peripherals().size(), 3);
    int locked = 0;
    int dov = 0;
    for (const SimPeripheralPtr &p : radio.peripherals()) {
        auto device = std::dynamic_pointer_cast<SimLimiter>(p);
        QVERIFY(device);
        QVERIFY(!device->sessionNumbers().isEmpty());
        locked += device->password().isEmpty() ? 0 : 1;
        dov += device->kind() == SimLimiter::Kind::DovLogger ? 1 : 0;
        // No bootloader would collide with a device (address plus one).
        QVERIFY(!radio.peripheral(QBluetoothAddress(p->address().toUInt64() + 1)));
    }
    QCOMPARE(locked, 1);
    QCOMPARE(dov, 1);
}

void tst_SimDevices::description()
{
    SimRadio radio;
    const QByteArray set13 = "4142" + QByteArray(60, '0') + "0a000000" + QByteArray(64, '0');
    const QByteArray json = R"({
      "seed": 9, "roundTripMs": 30, "centralMtu": 185,
      "devices": [
        { "kind": "dov", "name": "ZIV Test", "password": "pw", "userName": "Anna", "country": "DE",
          "regNum": 42, "telemetryFreqHz": 10, "hardwareVersion": "18.0.0", "firmwareVersion": "25.3",
          "mtu": 100, "roundTripMs": 20, "rssi": -77, "advertising": false,
          "records": { "limitSet13": ")" + set13 + R"(" },
          "sessions": [ { "number": 7, "dots": 12, "incomplete": true,
                          "parameters": [ { "name": "A", "type": 6, "scale": 3 } ] } ] }
      ] })";
    QString error;
    QVERIFY2(SimDescription::load(radio, json, &error), qPrintable(error));
    QCOMPARE(radio.seed(), 9u);
    QCOMPARE(radio.roundTripUs(), qint64(30000));
    QCOMPARE(radio.centralMtu(), 185);
    auto device = radio.peripheral<SimLimiter>(QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:01")));
    QVERIFY(device);
    QCOMPARE(device->kind(), SimLimiter::Kind::DovLogger);
    QCOMPARE(device->name(), QStringLiteral("ZIV Test"));
    QCOMPARE(device->password(), QByteArray("pw"));
    QCOMPARE(recordText(device->commonSettings().userName, 32), QStringLiteral("Anna"));
    QCOMPARE(recordText(device->commonSettings().country, 4), QStringLiteral("DE"));
    QCOMPARE(device->commonSettings().regNum, quint16(42));
    QCOMPARE(device->commonSettings().telemetryFreqHz, quint8(10));
    QCOMPARE(device->hardwareVersionWord(), quint16(0x1200));
    QCOMPARE(device->firmwareVersionWord(), quint16(0x1903));
    QCOMPARE(device->maximumMtu(), 100);
    QCOMPARE(device->roundTripUs(), qint64(20000));
    QCOMPARE(device->rssi(), qint16(-77));
    QVERIFY(!device->isAdvertising());
    QCOMPARE(recordText(device->limitSet(13).settingsName, 32), QStringLiteral("AB"));
    QCOMPARE(device->limitSet(13).energyRef, 10u);
    QCOMPARE(device->sessionNumbers(), QList<quint32>{7});
    const QByteArray session = device->sessionBytes(7);
    QCOMPARE(session.size(), 1536 + 12 * 7);
    QCOMPARE(qFromLittleEndian<quint32>(session.constData() + 8), 0xFFFFFFFFu);
}

void tst_SimDevices::badDescriptions_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("loaded");
    QTest::newRow("not JSON") << QByteArray("{ devices") << "not JSON" << 0;
    QTest::newRow("not JSON, where") << QByteArray("{\n  \"devices\": [\n    { \"kind\": \"limiter\" ]\n}")
                                     << "line 3, column 25: not JSON" << 0;
    QTest::newRow("no device list") << QByteArray(R"({"device":[{"kind":"limiter"}]})") << "no \"devices\" list" << 0;
    QTest::newRow("not an object") << QByteArray("[]") << "not a JSON object" << 0;
    QTest::newRow("unknown kind") << QByteArray(R"({"devices":[{"kind":"toaster"},{"kind":"limiter"}]})")
                                  << "unknown kind \"toaster\"" << 1;
    QTest::newRow("record of the wrong size")
        << QByteArray(R"({"devices":[{"kind":"limiter","records":{"motorSettings":"0102"}}]})")
        << "record motorSettings has 2 bytes instead of 40" << 0;
    QByteArray many = R"({"devices":[{"kind":"limiter","sessions":[{"parameters":[)";
    for (int i = 0; i < 33; ++i)
        many += QByteArray(i ? "," : "") + R"({"name":"p","type":8})";
    many += "]}]}]}";
    QTest::newRow("33 parameters") << many << "the parameters do not fit a dot" << 0;
}

void tst_SimDevices::badDescriptions()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    QFETCH(int, loaded);
    SimRadio radio;
    QString error;
    QVERIFY(!SimDescription::load(radio, json, &error));
    QVERIFY2(error.contains(problem), qPrintable(error));
    QCOMPARE(radio.peripherals().size(), loaded);
}

void tst_SimDevices::descriptionFileNamedByTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    QTest::newRow("good") << QByteArray(R"({"devices":[{"kind":"limiter"}]})") << QString();
    QTest::newRow("malformed") << QByteArray("{\n\"devices\": [,]\n}") << "devices.json: line 2, column 13: not JSON";
    QTest::newRow("bad device") << QByteArray(R"({"devices":[{"kind":"toaster"}]})")
                                << "devices.json: device 0: unknown kind \"toaster\"";
    QTest::newRow("missing") << QByteArray() << "devices.json: ";
}

void tst_SimDevices::descriptionFileNamedByTheEnvironment()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("devices.json"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    qputenv(kSimDevicesEnvironmentVariable, path.toUtf8());
    QString error;
    const bool loads = simDevicesDescriptionLoads(&error);
    qunsetenv(kSimDevicesEnvironmentVariable);
    QCOMPARE(loads, problem.isEmpty());
    QVERIFY2(error.startsWith(path) || problem.isEmpty(), qPrintable(error));
    QVERIFY2(error.contains(problem), qPrintable(error));

    // Without a file named, the built-in devices are used.
    QVERIFY(simDevicesDescriptionLoads(&error));
}

void tst_SimDevices::generatedSessionLayout()
{
    SimLogSessionSpec spec;
    spec.number = 0x01020304;
    spec.dots = 25;
    spec.parameters = {{"Volt", 1, 5}, {"Big", 2, 0}, {"Signed", 3, 15}, {"U32", 4, 5}, {"I32", 5, 5},
                       {"U16", 6, 3},  {"I16", 7, 4}, {"U8", 8, 5},      {"U8F", 9, 5}, {"Raw", 10, 5},
                       {"None", 0, 5}};
    const QByteArray bytes = SimLogSession::generate(spec, 3);
    const int dot = 5 + 4 + 8 + 8 + 4 + 4 + 2 + 2 + 1 + 1 + 1;
    QCOMPARE(SimLogSession::dotSize(spec.parameters), dot);
    QCOMPARE(bytes.size(), 1536 + 25 * dot);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), spec.number);
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 8), 25u);
    QCOMPARE(quint8(bytes.at(16)), quint8(11));
    QCOMPARE(quint8(bytes.at(18)), quint8(dot));
    QCOMPARE(quint8(bytes.at(20)), quint8(0x51)); // scale 5, type 1
    QCOMPARE(quint8(bytes.at(22)), quint8(0xF3));
    QCOMPARE(QByteArray(bytes.constData() + 52 + 32 * 2), QByteArray("Signed"));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 1076), 0x14305900u); // 14:30:59
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 1080), 0x15032600u); // 15.03.26
    QCOMPARE(QByteArray(bytes.constData() + 1100), QByteArray("Sim Racer"));
    // Dots: time from 0 in logger periods, the session number's low byte.
    const char *second = bytes.constData() + 1536 + dot;
    QCOMPARE(qFromLittleEndian<quint32>(second), 100u);
    QCOMPARE(quint8(second[4]), quint8(0x04));
    // Deterministic for a seed.
    QCOMPARE(SimLogSession::generate(spec, 3), bytes);
    QVERIFY(SimLogSession::generate(spec, 4) != bytes);
}

void tst_SimDevices::crc32()
{
    QCOMPARE(SimLogSession::crc32("123456789"), 0xCBF43926u);
    // Running over parts gives the CRC of the whole.
    QCOMPARE(SimLogSession::crc32("6789", SimLogSession::crc32("12345")), 0xCBF43926u);
}

void tst_SimDevices::passwordCanBeChanged()
{
    Session session;
    QVERIFY(session.setUp());
    session.client->setPassword(QStringLiteral("fresh"));
    QTRY_COMPARE(session.device->password(), QByteArray("fresh"));
    session.client->disconnectFromDevice();
    QTRY_COMPARE(session.client->status(), LimiterDisconnected);

    QSignalSpy authorization(session.client.get(), &LimiterDevice::authorizationRequired);
    QSignalSpy logger(session.client.get(), &LimiterDevice::loggerServiceDiscovered);
    session.client->connectToDevice();
    QTRY_COMPARE(authorization.count(), 1);
    session.client->authorize(QStringLiteral("fresh"));
    QTRY_COMPARE(logger.count(), 1);
    QCOMPARE(authorization.count(), 1);
}

void tst_SimDevices::positionCommandsTakeThePpmInput()
{
    Session session;
    SimLimiter &device = *session.device;
    QVERIFY(session.setUp());
    device.setPpmInputMs(1.25f);
    session.client->sendSetStopPosition();
    QTRY_COMPARE(device.motorDriveSettings().stopPosition, 1.25f);
    device.setPpmInputMs(2.25f);
    session.client->sendSetMaxTimingPosition();
    QTRY_COMPARE(device.motorDriveSettings().maxTimingPosition, 2.25f);
    QCOMPARE(device.motorDriveSettings().stopPosition, 1.25f);
    QCOMPARE(device.motorDriveSettings().fullThrottlePosition, 2.0f);
    session.client->resetEscSettings();
    QTRY_COMPARE(device.motorDriveSettings().stopPosition, 1.5f);
}

void tst_SimDevices::telemetryFollowsItsFrequency_data()
{
    QTest::addColumn<int>("hertz");
    QTest::newRow("1 Hz") << 1;
    QTest::newRow("10 Hz") << 10;
}

void tst_SimDevices::telemetryFollowsItsFrequency()
{
    QFETCH(int, hertz);
    Session session;
    s_CommonSettBle settings = session.device->commonSettings();
    settings.telemetryFreqHz = quint8(hertz);
    session.device->setCommonSettings(settings);
    QList<qint64> times;
    connect(session.client.get(), &LimiterDevice::telemetryUpdated, this,
            [&] { times.append(session.radio.clock().nowMs()); });
    QVERIFY(session.setUp());
    QTRY_VERIFY(times.size() >= 5);
    for (int i = 1; i < 5; ++i)
        QCOMPARE(times.at(i) - times.at(i - 1), qint64(1000 / hertz));
}

void tst_SimDevices::clearLogs()
{
    Session session(SimLimiter::Kind::DovLogger);
    session.device->addSession(SimLogSessionSpec());
    QVERIFY(session.setUp());
    QSignalSpy numbers(session.client.get(), &LimiterDevice::logSessionNumberReceived);
    session.client->sendClearLogs();
    session.client->readLogNumber();
    QTRY_COMPARE(numbers.count(), 1);
    QVERIFY(session.device->sessionNumbers().isEmpty());
    const auto range = numbers.at(0).at(0).value<s_LogSessionNum>();
    QCOMPARE(range.firstSession, 0u);
    QCOMPARE(range.lastSession, 0u);
}

// Packets of one connection event arrive together, the events exactly 7.5 ms
// apart (not the 7 ms of whole milliseconds), and every byte of the session
// arrives between the start and the finished status.
void tst_SimDevices::logStreamKeepsItsConnectionInterval()
{
    Session session;
    SimLogSessionSpec spec;
    spec.number = 4;
    spec.dots = 2000;
    session.device->addSession(spec);
    QVERIFY(session.setUp());
    QMap<qint64, int> packetsAt;
    QByteArray received;
    connect(session.client.get(), &LimiterDevice::logDataReceived, this, [&](const QByteArray &packet) {
        ++packetsAt[session.radio.clock().nowUs()];
        received += packet;
    });
    QSignalSpy statuses(session.client.get(), &LimiterDevice::logReadStatusReceived);
    session.client->readLog(4);
    QTRY_VERIFY(!statuses.isEmpty() && statuses.last().at(0).value<s_LogReadStatus>().status == s_LogReadStatus::Finished);

    QCOMPARE(received, session.device->sessionBytes(4));
    const QList<qint64> events = packetsAt.keys();
    QVERIFY(events.size() > 10);
    for (int i = 1; i < events.size(); ++i)
        QCOMPARE(events.at(i) - events.at(i - 1), SimLogStream::kMinimumIntervalUs);
    for (int i = 0; i + 1 < events.size(); ++i)
        QCOMPARE(packetsAt.value(events.at(i)), session.device->logStream().packetsPerInterval());
}

QTEST_GUILESS_MAIN(tst_SimDevices)
#include "tst_simdevices.moc"
