// LimiterDevice against simulated devices: connection, set-up order,
// authorisation, records, writes, logs, DFU, link loss and the final
// disconnect.
#include "BleBackend.h"
#include "BleService.h"
#include "DeviceProtocol.h"
#include "DeviceSetUp.h"
#include "FailingServicesBackend.h"
#include "LimiterDevice.h"
#include "LogCapture.h"
#include "SimRig.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace DeviceProtocol;

using Operation = std::function<void(LimiterDevice &)>;
Q_DECLARE_METATYPE(Operation)
// One record as the program caches it and as the device holds it.
struct RecordPair {
    std::function<QByteArray(const LimiterDevice &)> cached;
    std::function<QByteArray(const SimLimiter &)> held;
};
Q_DECLARE_METATYPE(RecordPair)

namespace {

const QBluetoothAddress kAddress = SimRig::kLimiterAddress;

// The device link's diagnostics, kept for the whole run.
LogCapture &deviceLog()
{
    static LogCapture capture({QStringLiteral("device")});
    return capture;
}

bool logged(const QString &line)
{
    return deviceLog().messages().contains(line);
}

// One simulated device on the rig's radio and the LimiterDevice under test.
class Rig : public SimRig
{
public:
    explicit Rig(SimLimiter::Kind kind = SimLimiter::Kind::Limiter, const QString &password = QString())
        : device(addLimiter(kind, password)), limiter(client(*device))
    {
        deviceLog().clear();
    }

    bool connectAndSetUp() { return SimRig::connectAndSetUp(*limiter); }

    std::shared_ptr<SimLimiter> device;
    std::shared_ptr<LimiterDevice> limiter;
};

QList<int> statuses(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &arguments : spy)
        result.append(arguments.at(0).toInt());
    return result;
}

QByteArray counting(int size)
{
    QByteArray value(size, '\0');
    for (int i = 0; i < size; ++i)
        value[i] = char(i + 1);
    return value;
}

// Records a user has changed from the simulated device's defaults.
struct ChangedRecords {
    s_CommonSettBle common;
    s_MotorSettBle motor;
    s_MotorDriveSettBle drive;
    s_TimingTableBle table;
    s_LimitSettBle limitSet;
};

ChangedRecords changedRecords()
{
    ChangedRecords r;
    r.common = SimLimiter::defaultCommonSettings(SimLimiter::Kind::Limiter);
    setRecordText(r.common.userName, 32, QStringLiteral("Changed"));
    r.common.motorPoles = 12;
    r.motor = SimLimiter::defaultMotorSettings();
    r.motor.poles = 14;
    r.drive = SimLimiter::defaultMotorDriveSettings();
    r.drive.fullThrottlePosition = 2.0f;
    r.drive.stopPosition = 1.0f;
    r.drive.failSafePosition = 0.9f;
    r.drive.maxTimingPosition = 1.8f;
    r.drive.minTimingPosition = 1.1f;
    r.drive.maxRefDcCurr = 77.0f;
    r.table = SimLimiter::defaultTimingTable();
    r.table.cells[9][3] = 44;
    r.limitSet = SimLimiter::defaultLimitSet(7);
    setRecordText(r.limitSet.settingsName, 32, QStringLiteral("Edited"));
    r.limitSet.energyRef = 55 * 3600;
    return r;
}

} // namespace

class tst_LimiterDevice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wholeSession_data();
    void wholeSession();
    void lockedDeviceAsksUntilThePasswordIsRight();
    void linkLossReconnects_data();
    void linkLossReconnects();
    void userDisconnectEndsForGood();
    void setUpDelayEndsWithItsLink_data();
    void setUpDelayEndsWithItsLink();
    void secondConnectOfATabIsIgnored();
    void writes_data();
    void writes();
    void recordsGoBackAsTheyCame();
    void refusedWriteIsReportedAndReadAgain_data();
    void refusedWriteIsReportedAndReadAgain();
    void flagsCommandsRefreshWhatTheyChange_data();
    void flagsCommandsRefreshWhatTheyChange();
    void logRequestsNeedTheLogService();
    void timingTableHalfOneAloneEmitsNothing();
    void dfuIndication_data();
    void dfuIndication();
    void shortValuesAreIgnored_data();
    void shortValuesAreIgnored();
    void missingPartsAreLoggedAndTheRestIsSetUp();
    void connectsThroughTheBackendItWasGiven();
    void failedSetUpIsReportedForTheUser();
    void incompleteServicesStopWhereTheyBreak_data();
    void incompleteServicesStopWhereTheyBreak();
};

void tst_LimiterDevice::initTestCase()
{
    deviceLog();
}

void tst_LimiterDevice::wholeSession_data()
{
    QTest::addColumn<SimLimiter::Kind>("kind");
    QTest::newRow("limiter") << SimLimiter::Kind::Limiter;
    QTest::newRow("DOV logger") << SimLimiter::Kind::DovLogger;
}

void tst_LimiterDevice::wholeSession()
{
    QFETCH(SimLimiter::Kind, kind);
    Rig rig(kind);
    SimLogSessionSpec spec;
    spec.number = 4;
    spec.dots = 300;
    rig.device->addSession(spec);
    spec.number = 9;
    spec.parameters = {{"RPM", 4, 5}, {"Temperature", 7, 4}};
    rig.device->addSession(spec);
    LimiterDevice &limiter = *rig.limiter;
    QSignalSpy status(&limiter, &LimiterDevice::statusChanged);
    QSignalSpy info(&limiter, &LimiterDevice::deviceInformationUpdated);
    QSignalSpy users(&limiter, &LimiterDevice::userLimitSettingsUpdated);
    QSignalSpy defaults(&limiter, &LimiterDevice::defaultLimitSettingsUpdated);
    QSignalSpy authorization(&limiter, &LimiterDevice::authorizationRequired);
    QVERIFY(rig.connectAndSetUp());
    QCOMPARE(statuses(status), (QList<int>{2, 3}));
    QCOMPARE(info.count(), 1);
    QCOMPARE(authorization.count(), 0);
    QTRY_COMPARE(users.count(), 8);
    QTRY_COMPARE(defaults.count(), 6);

    // The reads, in the set-up's order.
    QCOMPARE(rig.characteristics(SimAttEvent::Read), QList<QBluetoothUuid>{settingsUuid(kDeviceInfoId)} + setUpRecordReads());
    const auto subscriptions = setUpSubscriptions();
    QTRY_COMPARE(rig.characteristics(SimAttEvent::DescriptorWrite).size(), subscriptions.size());
    for (const auto &[characteristic, value] : subscriptions)
        QCOMPARE(rig.values(SimAttEvent::DescriptorWrite, characteristic), QList<QByteArray>{value});

    // The records as the device holds them.
    QCOMPARE(recordBytes(limiter.motorSettings()), recordBytes(rig.device->motorSettings()));
    QCOMPARE(recordBytes(limiter.timingTable()), recordBytes(rig.device->timingTable()));
    QCOMPARE(recordBytes(limiter.userLimitSettings(7)), recordBytes(rig.device->limitSet(13)));
    QCOMPARE(recordBytes(limiter.defaultLimitSettings(0)), recordBytes(rig.device->limitSet(0)));
    QCOMPARE(recordText(limiter.commonSettings().userName, 32), QStringLiteral("Sim Racer"));
    QCOMPARE(limiter.escFirmwareVersion(), QVersionNumber(1, 5));
    QCOMPARE(limiter.bootloaderVersion(), QVersionNumber(1, 2));
    QVERIFY(limiter.telemetry().voltage > 10.0f);

    // Terminal.
    QSignalSpy terminal(&limiter, &LimiterDevice::terminalDataReceived);
    limiter.sendTerminalData("version\n");
    QTRY_COMPARE(terminal.count(), 1);
    QCOMPARE(terminal.at(0).at(0).toByteArray(), QByteArray("firmware 25.1\r\n"));

    // Logs: session numbers, then one session in full with its CRC.
    QSignalSpy numbers(&limiter, &LimiterDevice::logSessionNumberReceived);
    QSignalSpy readStatus(&limiter, &LimiterDevice::logReadStatusReceived);
    QByteArray data;
    connect(&limiter, &LimiterDevice::logDataReceived, this, [&](const QByteArray &packet) { data += packet; });
    limiter.readLogNumber();
    QTRY_COMPARE(numbers.count(), 1);
    const auto range = numbers.at(0).at(0).value<s_LogSessionNum>();
    QCOMPARE(range.firstSession, 4u);
    QCOMPARE(range.lastSession, 9u);
    limiter.readLog(9);
    QTRY_VERIFY(!readStatus.isEmpty() && readStatus.last().at(0).value<s_LogReadStatus>().status == 3);
    const QByteArray stored = rig.device->sessionBytes(9);
    QCOMPARE(data.size(), stored.size());
    QVERIFY(data == stored);
    const auto started = readStatus.first().at(0).value<s_LogReadStatus>();
    QCOMPARE(started.status, quint8(1));
    QCOMPARE(started.sessionNumber, 9u);
    QCOMPARE(started.sessionSize, quint32(stored.size()));
    QCOMPARE(readStatus.last().at(0).value<s_LogReadStatus>().crc32, SimLogSession::crc32(stored));
    // Every packet after the header carries whole dots.
    const int dotSize = quint8(stored.at(18));
    QVERIFY((data.size() - SimLogSession::kHeaderSize) % dotSize == 0);

    // Closing the tab.
    status.clear();
    limiter.disconnectFromDevice();
    QTRY_COMPARE(statuses(status), QList<int>{0});
    QCOMPARE(limiter.status(), LimiterDisconnected);
}

void tst_LimiterDevice::lockedDeviceAsksUntilThePasswordIsRight()
{
    Rig rig(SimLimiter::Kind::Limiter, QStringLiteral("secret"));
    LimiterDevice &limiter = *rig.limiter;
    QStringList order;
    connect(&limiter, &LimiterDevice::deviceInformationUpdated, this, [&] { order << "info"; });
    connect(&limiter, &LimiterDevice::authorizationRequired, this, [&] { order << "password"; });
    QSignalSpy telemetry(&limiter, &LimiterDevice::telemetryUpdated);
    QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
    limiter.connectToDevice();
    QTRY_COMPARE(order, (QStringList{"info", "password"}));
    QVERIFY(limiter.deviceInformation().passwordProtected == 1 && limiter.deviceInformation().authorized == 0);
    rig.radio.clock().advanceMs(5000);
    QCoreApplication::processEvents();
    // Nothing else is set up while locked.
    QCOMPARE(rig.characteristics(SimAttEvent::Read), QList<QBluetoothUuid>{settingsUuid(kDeviceInfoId)});
    QVERIFY(rig.characteristics(SimAttEvent::DescriptorWrite).isEmpty());

    limiter.authorize(QStringLiteral("wrong"));
    QTRY_COMPARE(order, (QStringList{"info", "password", "info", "password"}));
    QCOMPARE(telemetry.count(), 0);
    QCOMPARE(rig.characteristics(SimAttEvent::Read).size(), 2);

    limiter.authorize(QStringLiteral("secret"));
    QTRY_VERIFY(logger.count() == 1 && telemetry.count() > 0);
    QCOMPARE(order.size(), 5);
    QCOMPARE(order.last(), QStringLiteral("info"));
    QCOMPARE(rig.values(SimAttEvent::Write, settingsUuid(kAuthorisationId)),
             (QList<QByteArray>{passwordValue("wrong"), passwordValue("secret")}));
}

void tst_LimiterDevice::linkLossReconnects_data()
{
    QTest::addColumn<int>("moment"); // 0 after set-up, 1 during set-up, 2 during a log read
    QTest::newRow("after set-up") << 0;
    QTest::newRow("during set-up") << 1;
    QTest::newRow("during a log read") << 2;
}

void tst_LimiterDevice::linkLossReconnects()
{
    QFETCH(int, moment);
    Rig rig;
    SimLogSessionSpec spec;
    spec.number = 3;
    spec.dots = 2000;
    rig.device->addSession(spec);
    LimiterDevice &limiter = *rig.limiter;
    QSignalSpy status(&limiter, &LimiterDevice::statusChanged);
    QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
    if (moment == 1)
        rig.device->addFaultFilter(SimFaults::dropLink(SimAttEvent::Read, settingsUuid(kUserLimitSet0Id + 2)));
    if (moment == 2)
        rig.device->addFaultFilter(SimFaults::dropLink(SimAttEvent::Notification, logUuid(kLogDataId), 5));
    limiter.connectToDevice();
    QTRY_VERIFY(logger.count() == 1);
    // A loss during set-up was already over by then.
    const int setUps = moment == 1 ? 1 : 2;
    if (moment == 0) {
        status.clear();
        rig.radio.dropLinks(kAddress);
    } else if (moment == 2) {
        status.clear();
        limiter.readLog(3);
    }
    QTRY_VERIFY(logger.count() == setUps);
    QVERIFY(logged(QStringLiteral("Trying to reconnect")));
    if (moment != 1)
        QCOMPARE(statuses(status), (QList<int>{1, 2, 3}));
    else
        QCOMPARE(statuses(status), (QList<int>{2, 3, 1, 2, 3}));
    QCOMPARE(rig.device->connections().size(), 1);

    // Both limit-set lists hold their sets again: set 5 is the last default,
    // set 13 the last user set.
    rig.traffic.clear();
    s_LimitSettBle set{};
    setRecordText(set.settingsName, 32, QStringLiteral("Renamed"));
    limiter.writeLimitSettings(5, set);
    limiter.writeLimitSettings(13, set);
    QTRY_COMPARE(rig.characteristics(SimAttEvent::Write).size(), 2);
    QCOMPARE(rig.characteristics(SimAttEvent::Write),
             (QList<QBluetoothUuid>{settingsUuid(kDefaultLimitSet0Id + 5), settingsUuid(kUserLimitSet0Id + 7)}));
    QTRY_COMPARE(recordText(rig.device->limitSet(13).settingsName, 32), QStringLiteral("Renamed"));
    // The service objects of the lost link went with it: one per service.
    QTRY_COMPARE(limiter.findChildren<BleService *>(QString(), Qt::FindDirectChildrenOnly).size(), 5);
}

void tst_LimiterDevice::userDisconnectEndsForGood()
{
    Rig rig;
    LimiterDevice &limiter = *rig.limiter;
    QVERIFY(rig.connectAndSetUp());
    QSignalSpy status(&limiter, &LimiterDevice::statusChanged);
    limiter.disconnectFromDevice();
    QTRY_COMPARE(statuses(status), QList<int>{0});
    rig.radio.clock().advanceMs(10000);
    QCoreApplication::processEvents();
    QCOMPARE(statuses(status), QList<int>{0});
    QVERIFY(rig.device->connections().isEmpty());
    QVERIFY(!logged(QStringLiteral("Trying to reconnect")));
    // Writes do nothing once the session is over.
    rig.traffic.clear();
    limiter.writeCommonSettings(limiter.commonSettings());
    limiter.sendSetStopPosition();
    rig.settle();
    QVERIFY(rig.characteristics(SimAttEvent::Write).isEmpty());

    // A new connect runs again, but without reconnecting after a link loss.
    status.clear();
    QVERIFY(rig.connectAndSetUp());
    QCOMPARE(statuses(status), (QList<int>{2, 3}));
    status.clear();
    rig.radio.dropLinks(kAddress);
    QTRY_COMPARE(statuses(status), (QList<int>{1, 0}));
    rig.radio.clock().advanceMs(10000);
    QCoreApplication::processEvents();
    QVERIFY(rig.device->connections().isEmpty());
    QVERIFY(!logged(QStringLiteral("Trying to reconnect")));
}

void tst_LimiterDevice::setUpDelayEndsWithItsLink_data()
{
    QTest::addColumn<bool>("userDisconnect");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("setUps");
    QTest::newRow("user disconnect") << true << QList<int>{2, 0} << 0;
    QTest::newRow("link loss") << false << QList<int>{2, 1, 2, 3} << 1;
}

// The link ends while the set-up waits its second after service discovery:
// the waiting set-up is dropped with it, so the status is reported once and
// one settings service is set up, on the new link only.
void tst_LimiterDevice::setUpDelayEndsWithItsLink()
{
    QFETCH(bool, userDisconnect);
    QFETCH(QList<int>, expected);
    QFETCH(int, setUps);
    Rig rig;
    SimClock &clock = rig.radio.clock();
    rig.radio.setSupervisionTimeoutUs(100000);
    clock.setMode(SimClock::Mode::Manual);
    LimiterDevice &limiter = *rig.limiter;
    QSignalSpy status(&limiter, &LimiterDevice::statusChanged);
    QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
    limiter.connectToDevice();
    for (int ms = 0; ms < 5000 && !deviceLog().messages().contains(QStringLiteral("Service discovery finished")); ++ms) {
        clock.advanceMs(1);
        QCoreApplication::processEvents();
    }
    QVERIFY(deviceLog().messages().contains(QStringLiteral("Service discovery finished")));
    if (userDisconnect)
        limiter.disconnectFromDevice();
    else
        rig.radio.dropLinks(kAddress);
    clock.setMode(SimClock::Mode::Fast);
    QTRY_COMPARE(statuses(status), expected);
    QTRY_COMPARE(logger.count(), setUps);
    clock.advanceMs(5000);
    QCoreApplication::processEvents();
    QCOMPARE(statuses(status), expected);
    QCOMPARE(logger.count(), setUps);
    QCOMPARE(rig.characteristics(SimAttEvent::Read).count(settingsUuid(kDeviceInfoId)), setUps);
}

void tst_LimiterDevice::secondConnectOfATabIsIgnored()
{
    Rig rig;
    QSignalSpy status(rig.limiter.get(), &LimiterDevice::statusChanged);
    rig.limiter->connectToDevice();
    QVERIFY(rig.connectAndSetUp());
    QCOMPARE(statuses(status), (QList<int>{2, 3}));
    QCOMPARE(rig.device->connections().size(), 1);
    QCOMPARE(rig.characteristics(SimAttEvent::Read).count(settingsUuid(kDeviceInfoId)), 1);
}

void tst_LimiterDevice::writes_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QBluetoothUuid>("characteristic");
    QTest::addColumn<QByteArray>("value");

    const auto flags = [](int byte, int value) {
        QByteArray bytes(11, '\0');
        bytes[byte] = char(value);
        return bytes;
    };
    const QBluetoothUuid flagsUuid = settingsUuid(kFlagsId);
    QTest::newRow("reset first default set") << Operation([](LimiterDevice &d) { d.resetLimitSettings(0); }) << flagsUuid << flags(1, 1);
    QTest::newRow("reset last user set") << Operation([](LimiterDevice &d) { d.resetLimitSettings(13); }) << flagsUuid << flags(1, 14);
    QTest::newRow("reset common") << Operation([](LimiterDevice &d) { d.resetCommonSettings(); }) << flagsUuid << flags(2, 1);
    QTest::newRow("reset ESC") << Operation([](LimiterDevice &d) { d.resetEscSettings(); }) << flagsUuid << flags(4, 1);
    QTest::newRow("full throttle") << Operation([](LimiterDevice &d) { d.sendSetFullThrottle(); }) << flagsUuid << flags(6, 1);
    QTest::newRow("stop") << Operation([](LimiterDevice &d) { d.sendSetStopPosition(); }) << flagsUuid << flags(7, 1);
    QTest::newRow("failsafe") << Operation([](LimiterDevice &d) { d.sendSetFailsafePosition(); }) << flagsUuid << flags(8, 1);
    QTest::newRow("max timing") << Operation([](LimiterDevice &d) { d.sendSetMaxTimingPosition(); }) << flagsUuid << flags(9, 1);
    QTest::newRow("min timing") << Operation([](LimiterDevice &d) { d.sendSetMinTimingPosition(); }) << flagsUuid << flags(10, 1);

    const QBluetoothUuid logRequestUuid = logUuid(kLogReadRequestId);
    QTest::newRow("session numbers") << Operation([](LimiterDevice &d) { d.readLogNumber(); }) << logRequestUuid << QByteArray(12, '\0');
    QTest::newRow("session 0") << Operation([](LimiterDevice &d) { d.readLog(0); }) << logRequestUuid << QByteArray(12, '\0');
    QTest::newRow("session 258") << Operation([](LimiterDevice &d) { d.readLog(258); }) << logRequestUuid
                                 << QByteArray::fromHex("020100000000000000000000");
    QTest::newRow("clear logs") << Operation([](LimiterDevice &d) { d.sendClearLogs(); }) << logRequestUuid
                                << QByteArray::fromHex("000000000000000001000000");

    QTest::newRow("password of 40 bytes") << Operation([](LimiterDevice &d) { d.setPassword(QString(40, 'p')); })
                                          << settingsUuid(kPasswordSetId) << QByteArray(32, 'p');
    QTest::newRow("authorisation") << Operation([](LimiterDevice &d) { d.authorize(QStringLiteral("1234")); })
                                   << settingsUuid(kAuthorisationId) << QByteArray("1234").leftJustified(32, '\0');
    QTest::newRow("terminal bytes unchanged") << Operation([](LimiterDevice &d) { d.sendTerminalData(QByteArray("a\x00z", 3)); })
                                              << terminalUuid(kNusRxId) << QByteArray("a\x00z", 3);
    QTest::newRow("DFU enter") << Operation([](LimiterDevice &d) { d.enterDFUMode(); }) << dfuUuid(kDfuButtonlessId)
                               << QByteArray::fromHex("01");

    s_LimitSettBle set{};
    set.energyRef = 0x11223344;
    QTest::newRow("limit set 0 is the first default set")
        << Operation([set](LimiterDevice &d) { d.writeLimitSettings(0, set); }) << settingsUuid(kDefaultLimitSet0Id)
        << recordBytes(set);
    QTest::newRow("limit set 6 is the first user set")
        << Operation([set](LimiterDevice &d) { d.writeLimitSettings(6, set); }) << settingsUuid(kUserLimitSet0Id)
        << recordBytes(set);
    QTest::newRow("limit set 14 does not exist")
        << Operation([set](LimiterDevice &d) { d.writeLimitSettings(14, set); d.writeLimitSettings(-1, set); })
        << QBluetoothUuid() << QByteArray();
    QTest::newRow("reset of set 14 does not exist") << Operation([](LimiterDevice &d) { d.resetLimitSettings(14); })
                                                    << QBluetoothUuid() << QByteArray();
}

void tst_LimiterDevice::writes()
{
    QFETCH(Operation, operation);
    QFETCH(QBluetoothUuid, characteristic);
    QFETCH(QByteArray, value);
    Rig rig;
    QVERIFY(rig.connectAndSetUp());
    rig.traffic.clear();
    operation(*rig.limiter);
    if (characteristic.isNull()) {
        rig.settle();
        QVERIFY(rig.characteristics(SimAttEvent::Write).isEmpty());
        return;
    }
    QTRY_COMPARE(rig.characteristics(SimAttEvent::Write), QList<QBluetoothUuid>{characteristic});
    QCOMPARE(rig.values(SimAttEvent::Write, characteristic).first().toHex(' '), value.toHex(' '));
}

void tst_LimiterDevice::recordsGoBackAsTheyCame()
{
    Rig rig;
    // Values the device delivers with bytes the program does not carry.
    const QByteArray common = counting(112);
    const QByteArray drive = counting(68);
    QByteArray motor = counting(40);
    s_CommonSettBle c{};
    recordFromBytes(common, c);
    c.telemetryFreqHz = 5;
    rig.device->setCommonSettings(c);
    s_MotorDriveSettBle d{};
    recordFromBytes(drive, d);
    rig.device->setMotorDriveSettings(d);
    s_MotorSettBle m{};
    recordFromBytes(motor, m);
    rig.device->setMotorSettings(m);
    QVERIFY(rig.connectAndSetUp());
    LimiterDevice &limiter = *rig.limiter;

    rig.traffic.clear();
    limiter.writeCommonSettings(limiter.commonSettings());
    limiter.writeMotorDriveSettings(limiter.motorDriveSettings());
    limiter.writeMotorSettings(limiter.motorSettings());
    QTRY_COMPARE(rig.characteristics(SimAttEvent::Write).size(), 3);

    const QByteArray sentCommon = rig.values(SimAttEvent::Write, settingsUuid(kCommonSettingsId)).first();
    QCOMPARE(sentCommon.size(), 112);
    QCOMPARE(sentCommon.mid(32, 28), QByteArray(28, '\0'));
    QCOMPARE(sentCommon.at(63), '\0');
    QCOMPARE(sentCommon.mid(92), QByteArray(20, '\0'));
    QCOMPARE(sentCommon.mid(64, 28), recordBytes(c).mid(64, 28));

    const QByteArray sentDrive = rig.values(SimAttEvent::Write, settingsUuid(kMotorDriveSettingsId)).first();
    QCOMPARE(sentDrive.left(66).toHex(' '), recordBytes(d).left(66).toHex(' '));
    QCOMPARE(sentDrive.mid(66), QByteArray(2, '\0'));

    const QByteArray sentMotor = rig.values(SimAttEvent::Write, settingsUuid(kMotorSettingsId)).first();
    QCOMPARE(sentMotor.left(38), motor.left(38));
    QCOMPARE(sentMotor.mid(38), QByteArray(2, '\0'));
    // The cached copies were replaced by what was written.
    QCOMPARE(recordBytes(limiter.commonSettings()), sentCommon);
}

void tst_LimiterDevice::refusedWriteIsReportedAndReadAgain_data()
{
    QTest::addColumn<QBluetoothUuid>("refused");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<RecordPair>("record");
    QTest::addColumn<QByteArray>("updated"); // the record's signal

    // Each operation also writes the common settings after the refused
    // write: that one goes through and is not the one reported.
    const auto andCommon = [](LimiterDevice &d) {
        s_CommonSettBle c = d.commonSettings();
        c.regNum = 4321;
        d.writeCommonSettings(c);
    };
    QTest::newRow("motor settings") << settingsUuid(kMotorSettingsId) << Operation([andCommon](LimiterDevice &d) {
        s_MotorSettBle m = d.motorSettings();
        m.poles = 14;
        d.writeMotorSettings(m);
        andCommon(d);
    }) << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.motorSettings()); },
                     [](const SimLimiter &s) { return recordBytes(s.motorSettings()); }}
                                    << QByteArray(SIGNAL(motorSettingsUpdated()));
    QTest::newRow("motor drive settings") << settingsUuid(kMotorDriveSettingsId) << Operation([andCommon](LimiterDevice &d) {
        s_MotorDriveSettBle m = d.motorDriveSettings();
        m.stopPosition = 1.9f;
        d.writeMotorDriveSettings(m);
        andCommon(d);
    }) << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.motorDriveSettings()); },
                     [](const SimLimiter &s) { return recordBytes(s.motorDriveSettings()); }}
                                          << QByteArray(SIGNAL(motorDriveSettingsUpdated()));
    QTest::newRow("user limit set") << settingsUuid(kUserLimitSet0Id + 2) << Operation([andCommon](LimiterDevice &d) {
        s_LimitSettBle l = d.userLimitSettings(2);
        l.energyRef = 99 * 3600;
        d.writeLimitSettings(8, l);
        andCommon(d);
    }) << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.userLimitSettings(2)); },
                     [](const SimLimiter &s) { return recordBytes(s.limitSet(8)); }}
                                    << QByteArray(SIGNAL(userLimitSettingsUpdated(int)));
    QTest::newRow("common settings") << settingsUuid(kCommonSettingsId) << Operation([](LimiterDevice &d) {
        s_CommonSettBle c = d.commonSettings();
        c.motorPoles = 14;
        d.writeCommonSettings(c);
    }) << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.commonSettings()); },
                     [](const SimLimiter &s) { return recordBytes(s.commonSettings()); }}
                                     << QByteArray(SIGNAL(commonSettingsUpdated()));
    QTest::newRow("flags command (nothing cached)") << settingsUuid(kFlagsId)
                                                    << Operation([](LimiterDevice &d) { d.resetCommonSettings(); })
                                                    << RecordPair{} << QByteArray();
}

// A write the device refuses is logged with its characteristic and reported
// to the caller, and the record it was to change is read again, so the
// cache holds what the device kept instead of what was sent.
void tst_LimiterDevice::refusedWriteIsReportedAndReadAgain()
{
    QFETCH(QBluetoothUuid, refused);
    QFETCH(Operation, operation);
    QFETCH(RecordPair, record);
    QFETCH(QByteArray, updated);
    Rig rig;
    QVERIFY(rig.connectAndSetUp());
    LimiterDevice &limiter = *rig.limiter;
    rig.device->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, refused));
    const QByteArray heldBefore = record.held ? record.held(*rig.device) : QByteArray();
    QSignalSpy failed(&limiter, &LimiterDevice::writeFailed);
    std::unique_ptr<QSignalSpy> updates;
    if (!updated.isEmpty())
        updates = std::make_unique<QSignalSpy>(&limiter, updated.constData());
    rig.traffic.clear();
    operation(limiter);

    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).value<QBluetoothUuid>(), refused);
    const QString line = QStringLiteral("Characteristic write failed %1 CharacteristicWriteError")
                             .arg(characteristicName(refused));
    QVERIFY2(deviceLog().messages().contains(line), qPrintable(deviceLog().messages().join('\n')));
    if (record.cached) {
        QTRY_COMPARE(updates->count(), 1);
        QCOMPARE(record.held(*rig.device), heldBefore);
        QCOMPARE(record.cached(limiter).toHex(' '), heldBefore.toHex(' '));
        QCOMPARE(rig.characteristics(SimAttEvent::Read), QList<QBluetoothUuid>{refused});
    } else {
        rig.radio.clock().advanceMs(1000);
        QCoreApplication::processEvents();
        QVERIFY(rig.characteristics(SimAttEvent::Read).isEmpty());
    }
    // The write behind it went through unreported.
    if (refused != settingsUuid(kCommonSettingsId) && refused != settingsUuid(kFlagsId))
        QTRY_COMPARE(rig.device->commonSettings().regNum, quint16(4321));
    QCOMPARE(failed.count(), 1);
}

void tst_LimiterDevice::flagsCommandsRefreshWhatTheyChange_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<RecordPair>("record");
    QTest::addColumn<QByteArray>("expected"); // the record the device now holds
    QTest::addColumn<QByteArray>("updated");

    const RecordPair common{[](const LimiterDevice &d) { return recordBytes(d.commonSettings()); },
                            [](const SimLimiter &s) { return recordBytes(s.commonSettings()); }};
    const RecordPair drive{[](const LimiterDevice &d) { return recordBytes(d.motorDriveSettings()); },
                           [](const SimLimiter &s) { return recordBytes(s.motorDriveSettings()); }};
    const RecordPair esc{[](const LimiterDevice &d) {
                             return recordBytes(d.motorSettings()) + recordBytes(d.motorDriveSettings())
                                 + recordBytes(d.timingTable());
                         },
                         [](const SimLimiter &s) {
                             return recordBytes(s.motorSettings()) + recordBytes(s.motorDriveSettings())
                                 + recordBytes(s.timingTable());
                         }};

    s_CommonSettBle commonDefaults = SimLimiter::defaultCommonSettings(SimLimiter::Kind::Limiter);
    QTest::newRow("common reset") << Operation([](LimiterDevice &d) { d.resetCommonSettings(); }) << common
                                  << recordBytes(commonDefaults) << QByteArray(SIGNAL(commonSettingsUpdated()));
    QTest::newRow("ESC reset") << Operation([](LimiterDevice &d) { d.resetEscSettings(); }) << esc
                               << recordBytes(SimLimiter::defaultMotorSettings())
            + recordBytes(SimLimiter::defaultMotorDriveSettings()) + recordBytes(SimLimiter::defaultTimingTable())
                               << QByteArray(SIGNAL(timingTableUpdated()));
    QTest::newRow("reset of default set 3")
        << Operation([](LimiterDevice &d) { d.resetLimitSettings(3); })
        << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.defaultLimitSettings(3)); },
                      [](const SimLimiter &s) { return recordBytes(s.limitSet(3)); }}
        << recordBytes(SimLimiter::defaultLimitSet(3)) << QByteArray(SIGNAL(defaultLimitSettingsUpdated(int)));
    QTest::newRow("reset of user set 7 (set 13)")
        << Operation([](LimiterDevice &d) { d.resetLimitSettings(13); })
        << RecordPair{[](const LimiterDevice &d) { return recordBytes(d.userLimitSettings(7)); },
                      [](const SimLimiter &s) { return recordBytes(s.limitSet(13)); }}
        << recordBytes(SimLimiter::defaultLimitSet(13)) << QByteArray(SIGNAL(userLimitSettingsUpdated(int)));

    // The position commands store the PPM input (1.25 ms) in their field.
    const struct {
        const char *name;
        Operation operation;
        float s_MotorDriveSettBle::*field;
    } positions[] = {
        {"full throttle", [](LimiterDevice &d) { d.sendSetFullThrottle(); }, &s_MotorDriveSettBle::fullThrottlePosition},
        {"stop", [](LimiterDevice &d) { d.sendSetStopPosition(); }, &s_MotorDriveSettBle::stopPosition},
        {"failsafe", [](LimiterDevice &d) { d.sendSetFailsafePosition(); }, &s_MotorDriveSettBle::failSafePosition},
        {"max timing", [](LimiterDevice &d) { d.sendSetMaxTimingPosition(); }, &s_MotorDriveSettBle::maxTimingPosition},
        {"min timing", [](LimiterDevice &d) { d.sendSetMinTimingPosition(); }, &s_MotorDriveSettBle::minTimingPosition},
    };
    for (const auto &position : positions) {
        s_MotorDriveSettBle learned = changedRecords().drive;
        learned.*position.field = 1.25f;
        QTest::newRow(position.name) << position.operation << drive << recordBytes(learned)
                                     << QByteArray(SIGNAL(motorDriveSettingsUpdated()));
    }
}

// After a flags command is acknowledged the records it changed on the
// device are read again: the cache and the record's signal show the
// defaults or the learned position, and writing the cached record back
// keeps them.
void tst_LimiterDevice::flagsCommandsRefreshWhatTheyChange()
{
    QFETCH(Operation, operation);
    QFETCH(RecordPair, record);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, updated);
    Rig rig;
    const ChangedRecords changed = changedRecords();
    rig.device->setCommonSettings(changed.common);
    rig.device->setMotorSettings(changed.motor);
    rig.device->setMotorDriveSettings(changed.drive);
    rig.device->setTimingTable(changed.table);
    for (int set = 0; set < kLimitSetCount; ++set)
        rig.device->setLimitSet(set, changed.limitSet);
    rig.device->setPpmInputMs(1.25f);
    QVERIFY(rig.connectAndSetUp());
    LimiterDevice &limiter = *rig.limiter;
    QVERIFY(record.cached(limiter) != expected);

    QSignalSpy updates(&limiter, updated.constData());
    operation(limiter);
    QTRY_COMPARE(updates.count(), 1);
    QCOMPARE(record.held(*rig.device).toHex(' '), expected.toHex(' '));
    QCOMPARE(record.cached(limiter).toHex(' '), expected.toHex(' '));

    rig.traffic.clear();
    limiter.writeCommonSettings(limiter.commonSettings());
    limiter.writeMotorDriveSettings(limiter.motorDriveSettings());
    limiter.writeLimitSettings(3, limiter.defaultLimitSettings(3));
    limiter.writeLimitSettings(13, limiter.userLimitSettings(7));
    QTRY_COMPARE(rig.characteristics(SimAttEvent::Write).size(), 4);
    QCOMPARE(record.held(*rig.device).toHex(' '), expected.toHex(' '));
}

void tst_LimiterDevice::logRequestsNeedTheLogService()
{
    Rig rig(SimLimiter::Kind::Limiter, QStringLiteral("secret"));
    LimiterDevice &limiter = *rig.limiter;
    // Before any connection, and while locked (the log service is not set up).
    limiter.readLog(1);
    QSignalSpy authorization(&limiter, &LimiterDevice::authorizationRequired);
    limiter.connectToDevice();
    QTRY_COMPARE(authorization.count(), 1);
    limiter.readLog(1);
    limiter.readLogNumber();
    limiter.sendClearLogs();
    limiter.enterDFUMode();
    limiter.sendTerminalData("x");
    rig.radio.clock().advanceMs(1000);
    QCoreApplication::processEvents();
    QVERIFY(rig.characteristics(SimAttEvent::Write).isEmpty());
}

void tst_LimiterDevice::timingTableHalfOneAloneEmitsNothing()
{
    Rig rig;
    rig.device->addFaultFilter(SimFaults::refuse(SimAttEvent::Read, settingsUuid(kTimingTable2Id)));
    LimiterDevice &limiter = *rig.limiter;
    QSignalSpy table(&limiter, &LimiterDevice::timingTableUpdated);
    QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
    limiter.connectToDevice();
    QTRY_COMPARE(logger.count(), 1);
    rig.radio.clock().advanceMs(2000);
    QCoreApplication::processEvents();
    QCOMPARE(table.count(), 0);
    const QByteArray cached = recordBytes(limiter.timingTable());
    QCOMPARE(cached.left(256), recordBytes(rig.device->timingTable()).left(256));
    QCOMPARE(cached.mid(256), QByteArray(256, '\0'));
}

void tst_LimiterDevice::dfuIndication_data()
{
    QTest::addColumn<bool>("corrupted");
    QTest::addColumn<bool>("entered");
    QTest::newRow("20 01 01 enters") << false << true;
    QTest::newRow("20 01 02 does not") << true << false;
}

void tst_LimiterDevice::dfuIndication()
{
    QFETCH(bool, corrupted);
    QFETCH(bool, entered);
    Rig rig;
    const QBluetoothAddress bootloaderAddress(kAddress.toUInt64() + 1);
    rig.radio.setBootloaderFactory([bootloaderAddress](SimPeripheral &) {
        return std::make_shared<SimPeripheral>(bootloaderAddress, QStringLiteral("DfuTarg"));
    });
    if (corrupted)
        rig.device->addFaultFilter(SimFaults::corrupt(SimAttEvent::Indication, dfuUuid(kDfuButtonlessId), 1, 2, 0x03));
    QVERIFY(rig.connectAndSetUp());
    QSignalSpy dfu(rig.limiter.get(), &LimiterDevice::enteredDFUMode);
    rig.limiter->enterDFUMode();
    // Either way the device reboots into its bootloader at the next address.
    QTRY_VERIFY(rig.radio.peripheral(bootloaderAddress));
    QVERIFY(rig.device->isInBootloader());
    QCOMPARE(dfu.count(), entered ? 1 : 0);
}

void tst_LimiterDevice::shortValuesAreIgnored_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QBluetoothUuid>("characteristic");
    QTest::addColumn<int>("length");
    QTest::newRow("telemetry of 103 bytes") << int(SimAttEvent::Notification) << telemetryUuid(kTelemetryId) << 103;
    QTest::newRow("read status of 23 bytes") << int(SimAttEvent::Notification) << logUuid(kLogReadStatusId) << 23;
    QTest::newRow("session numbers of 7 bytes") << int(SimAttEvent::Notification) << logUuid(kLogSessionNumberId) << 7;
    QTest::newRow("DFU indication of 2 bytes") << int(SimAttEvent::Indication) << dfuUuid(kDfuButtonlessId) << 2;
    QTest::newRow("common settings of 91 bytes") << int(SimAttEvent::Read) << settingsUuid(kCommonSettingsId) << 91;
    QTest::newRow("limit set of 54 bytes") << int(SimAttEvent::Read) << settingsUuid(kUserLimitSet0Id) << 54;
}

void tst_LimiterDevice::shortValuesAreIgnored()
{
    QFETCH(int, kind);
    QFETCH(QBluetoothUuid, characteristic);
    QFETCH(int, length);
    Rig rig;
    SimLogSessionSpec spec;
    spec.dots = 10;
    rig.device->addSession(spec);
    rig.device->addFaultFilter(SimFaults::truncate(SimAttEvent::Kind(kind), characteristic, length));
    LimiterDevice &limiter = *rig.limiter;
    QSignalSpy telemetry(&limiter, &LimiterDevice::telemetryUpdated);
    QSignalSpy readStatus(&limiter, &LimiterDevice::logReadStatusReceived);
    QSignalSpy numbers(&limiter, &LimiterDevice::logSessionNumberReceived);
    QSignalSpy dfu(&limiter, &LimiterDevice::enteredDFUMode);
    QSignalSpy common(&limiter, &LimiterDevice::commonSettingsUpdated);
    QSignalSpy users(&limiter, &LimiterDevice::userLimitSettingsUpdated);
    QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
    limiter.connectToDevice();
    QTRY_COMPARE(logger.count(), 1);
    limiter.readLogNumber();
    limiter.readLog(1);
    limiter.enterDFUMode();
    QTRY_VERIFY(rig.device->isInBootloader());
    rig.settle();
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(telemetry.isEmpty(), row.startsWith("telemetry"));
    QCOMPARE(readStatus.isEmpty(), row.startsWith("read status"));
    QCOMPARE(numbers.isEmpty(), row.startsWith("session numbers"));
    QCOMPARE(dfu.isEmpty(), row.startsWith("DFU"));
    QCOMPARE(common.isEmpty(), row.startsWith("common"));
    QCOMPARE(users.count(), row.startsWith("limit set") ? 7 : 8);
}

void tst_LimiterDevice::missingPartsAreLoggedAndTheRestIsSetUp()
{
    // A device with an unlocked settings service and little else: common
    // settings without a notify descriptor, one user limit set, nothing more.
    SimRig rig;
    auto device = std::make_shared<SimPeripheral>(kAddress, QStringLiteral("QVR Sparse"));
    const QBluetoothUuid settings = settingsServiceUuid();
    device->gatt().addService(settings);
    device->gatt().addCharacteristic(settings, settingsUuid(kDeviceInfoId), QLowEnergyCharacteristic::Read,
                                     QByteArray(int(sizeof(s_DeviceInfoBle)), '\0'));
    device->gatt().addCharacteristic(settings, settingsUuid(kCommonSettingsId), QLowEnergyCharacteristic::Read,
                                     counting(int(sizeof(s_CommonSettBle))));
    s_LimitSettBle only{};
    setRecordText(only.settingsName, 32, QStringLiteral("Only"));
    device->gatt().addCharacteristic(settings, settingsUuid(kUserLimitSet0Id),
                                     QLowEnergyCharacteristic::PropertyTypes(QLowEnergyCharacteristic::Read)
                                         | QLowEnergyCharacteristic::Write | QLowEnergyCharacteristic::Notify,
                                     recordBytes(only));
    rig.radio.addPeripheral(device);
    {
        LimiterDevice limiter(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Sparse"), 0), &rig.backend);
        QSignalSpy common(&limiter, &LimiterDevice::commonSettingsUpdated);
        QSignalSpy users(&limiter, &LimiterDevice::userLimitSettingsUpdated);
        deviceLog().clear();
        limiter.connectToDevice();
        QTRY_VERIFY(common.count() == 1 && users.count() == 1);
        QCOMPARE(users.at(0).at(0).toInt(), 0);
        QCOMPARE(recordText(limiter.userLimitSettings(0).settingsName, 32), QStringLiteral("Only"));

        const QStringList expected{
            "Settings failed to get characteristic BLE_UUID_AUTHORISATION_REQ_UUID",
            "Telemetry service not found",
            "Terminal service not found",
            "Settings failed to get notify descriptor for BLE_UUID_COMMUSERSETT_UUID",
            "Settings failed to get characteristic BLE_UUID_LIMITUSERSETT1_UUID",
            "Settings failed to get characteristic BLE_UUID_LIMITUSERSETT7_UUID",
            "Settings failed to get characteristic BLE_UUID_LIMITSETT_DEF0_UUID",
            "Settings failed to get characteristic BLE_UUID_MOTOR_SETT_UUID",
            "Settings failed to get characteristic BLE_UUID_MOTOR_DRIVE_SETT_UUID",
            "Settings failed to get characteristic BLE_UUID_PASSWORD_SET_UUID",
            "Settings failed to get characteristic BLE_UUID_FLAGS_WR_UUID",
            "Settings failed to get characteristic BLE_UUID_MOTOR_TIMING_TABLE2_UUID",
        };
        for (const QString &line : expected)
            QVERIFY2(logged(line), qPrintable(line));

        // The lists keep their places: set 6 (user set 0) is written, set 7
        // (user set 1, absent) is not.
        limiter.writeLimitSettings(7, only);
        limiter.writeLimitSettings(6, only);
        QTRY_COMPARE(rig.characteristics(SimAttEvent::Write).size(), 1);
        QCOMPARE(rig.characteristics(SimAttEvent::Write).at(0), settingsUuid(kUserLimitSet0Id));
    }
}

void tst_LimiterDevice::connectsThroughTheBackendItWasGiven()
{
    // No rig: the process' backend stays Qt Bluetooth, and the device
    // reaches the simulated radio only through the backend it was made with.
    SimRadio radio;
    SimBackend backend(&radio);
    auto device = std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kAddress, QStringLiteral("QVR Test"));
    radio.addPeripheral(device);
    QVERIFY(BleBackend::instance() != &backend);
    LimiterDevice limiter(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Test"), 0), &backend);
    QVERIFY(SimRig::connectAndSetUp(limiter));
    QCOMPARE(device->connections().size(), 1);
}

void tst_LimiterDevice::failedSetUpIsReportedForTheUser()
{
    SimRadio radio;
    FailingServicesBackend backend(&radio);
    radio.addPeripheral(std::make_shared<SimLimiter>(SimLimiter::Kind::Limiter, kAddress, QStringLiteral("QVR Test")));
    LimiterDevice limiter(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Test"), 0), &backend);
    QSignalSpy failures(&limiter, &LimiterDevice::connectionErrorOccurred);
    deviceLog().clear();
    limiter.connectToDevice();
    QTRY_COMPARE(failures.count(), 1);
    QCOMPARE(failures.at(0).at(0).toString(), QStringLiteral("Connection Error"));
    QCOMPARE(failures.at(0).at(1).toString(), QStringLiteral("Failed to connect to the device. Please try again."));
    QVERIFY(logged(QStringLiteral("Connection Error: out of memory")));
}

// How far each notifying service of a device goes: the number of its
// set-up steps present, in the order the set-up takes them.
struct ServiceDepths {
    int rtm;      // 0 no characteristic, 1 no descriptor, 2 complete
    int terminal; // 0 nothing, 1 RX only, 2 TX without descriptor, 3 complete
    int dfu;      // 0 nothing, 1 no descriptor, 2 complete
    int log;      // 0 nothing, 1 data without descriptor, 2 data, 3 + request, 4 + session numbers without
                  // descriptor, 5 + session numbers, 6 + read status without descriptor, 7 complete
};
Q_DECLARE_METATYPE(ServiceDepths)

void tst_LimiterDevice::incompleteServicesStopWhereTheyBreak_data()
{
    QTest::addColumn<ServiceDepths>("depths");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("descriptorWrites");
    QTest::addColumn<bool>("loggerReady");
    QTest::newRow("empty services") << ServiceDepths{0, 0, 0, 0}
                                    << QStringList{"RTM failed to get characteristic  \"{04920000-645d-51bc-4c47-68ef788d23fb}\"",
                                                   "Terminal TX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC",
                                                   "DFU failed to get Buttonless characteristic",
                                                   "LOG DATA failed to get characteristic  \"{04920000-645d-51bc-4c47-68ef788d22fb}\""}
                                    << 0 << false;
    QTest::newRow("no descriptors") << ServiceDepths{1, 1, 1, 1}
                                    << QStringList{"RTM failed to get notify descriptor  \"{04920000-645d-51bc-4c47-68ef788d23fb}\"",
                                                   "Terminal RX failed to get characteristic BLE_UUID_NUS_TX_CHARACTERISTIC",
                                                   "Buttonless DFU failed to get notify descriptor for DFU_BUTTONLESS_WO_BONDS_UUID",
                                                   "LOG DATA failed to get notify descriptor  \"{04920000-645d-51bc-4c47-68ef788d22fb}\""}
                                    << 0 << false;
    QTest::newRow("terminal TX without descriptor, log without request")
        << ServiceDepths{2, 2, 2, 2}
        << QStringList{"Terminal RX failed to get notify descriptor for BLE_UUID_NUS_TX_CHARACTERISTIC",
                       "LOG READ REQ failed to get characteristic"}
        << 3 << false;
    QTest::newRow("log without session numbers") << ServiceDepths{2, 3, 2, 3}
                                                 << QStringList{"LOG SESSION NUMBER failed to get characteristic"} << 4 << false;
    QTest::newRow("log session numbers without descriptor")
        << ServiceDepths{2, 3, 2, 4}
        << QStringList{"LOG SESSION NUMBER failed to get notify descriptor for BLE_UUID_LOGDATA_SESSIONNUM_CHARACTERISTIC"} << 4
        << false;
    QTest::newRow("log without read status") << ServiceDepths{2, 3, 2, 5}
                                             << QStringList{"LOG READ STATUS failed to get characteristic"} << 5 << false;
    QTest::newRow("log read status without descriptor")
        << ServiceDepths{2, 3, 2, 6}
        << QStringList{"LOG READ STATUS failed to get notify descriptor for BLE_UUID_LOGDATA_READ_STATUS_UUID"} << 5 << false;
    QTest::newRow("complete") << ServiceDepths{2, 3, 2, 7} << QStringList{} << 6 << true;
}

// Each notifying service stops its set-up at the first missing piece, with
// that piece's diagnostics line, and writes no descriptor after it.
void tst_LimiterDevice::incompleteServicesStopWhereTheyBreak()
{
    QFETCH(ServiceDepths, depths);
    QFETCH(QStringList, lines);
    QFETCH(int, descriptorWrites);
    QFETCH(bool, loggerReady);
    using Props = QLowEnergyCharacteristic::PropertyTypes;
    const Props read(QLowEnergyCharacteristic::Read);
    const Props notify(QLowEnergyCharacteristic::Notify);
    const Props write(QLowEnergyCharacteristic::Write);
    SimRadio radio;
    SimBackend backend{&radio};
    auto device = std::make_shared<SimPeripheral>(kAddress, QStringLiteral("QVR Parts"));
    SimGattDatabase &db = device->gatt();
    db.addService(settingsServiceUuid());
    // A complete settings service: only the notifying services are cut.
    const struct {
        quint16 first, count;
        Props properties;
        int size;
    } settings[] = {
        {kDeviceInfoId, 1, read, int(sizeof(s_DeviceInfoBle))},
        {kAuthorisationId, 1, write, 0},
        {kDefaultLimitSet0Id, quint16(kLimitSetCount), read | notify, int(sizeof(s_LimitSettBle))},
        {kCommonSettingsId, 1, read | notify, int(sizeof(s_CommonSettBle))},
        {kPasswordSetId, 1, write, 0},
        {kMotorDriveSettingsId, 1, read, int(sizeof(s_MotorDriveSettBle))},
        {kMotorSettingsId, 1, read, int(sizeof(s_MotorSettBle))},
        {kTimingTable1Id, 2, read, s_TimingTableBle::kHalfSize},
        {kFlagsId, 1, write, 0},
    };
    for (const auto &entry : settings) {
        for (quint16 id = entry.first; id < entry.first + entry.count; ++id)
            db.addCharacteristic(settingsServiceUuid(), settingsUuid(id), entry.properties, QByteArray(entry.size, '\0'));
    }
    db.addService(telemetryServiceUuid());
    if (depths.rtm >= 1)
        db.addCharacteristic(telemetryServiceUuid(), telemetryUuid(kTelemetryId), depths.rtm >= 2 ? notify : read);
    db.addService(terminalServiceUuid());
    if (depths.terminal >= 1)
        db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusRxId), write);
    if (depths.terminal >= 2)
        db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusTxId), depths.terminal >= 3 ? notify : read);
    db.addService(dfuServiceUuid());
    if (depths.dfu >= 1)
        db.addCharacteristic(dfuServiceUuid(), dfuUuid(kDfuButtonlessId),
                             depths.dfu >= 2 ? Props(write) | QLowEnergyCharacteristic::Indicate : write);
    db.addService(logServiceUuid());
    if (depths.log >= 1)
        db.addCharacteristic(logServiceUuid(), logUuid(kLogDataId), depths.log >= 2 ? notify : read);
    if (depths.log >= 3)
        db.addCharacteristic(logServiceUuid(), logUuid(kLogReadRequestId), write);
    if (depths.log >= 4)
        db.addCharacteristic(logServiceUuid(), logUuid(kLogSessionNumberId), depths.log >= 5 ? notify : read);
    if (depths.log >= 6)
        db.addCharacteristic(logServiceUuid(), logUuid(kLogReadStatusId), depths.log >= 7 ? notify : read);
    radio.addPeripheral(device);
    BleBackend::setInstance(&backend);
    int written = 0;
    QObject::connect(&radio, &SimRadio::traffic, &radio, [&](const SimAttEvent &e) {
        written += e.kind == SimAttEvent::DescriptorWrite ? 1 : 0;
    });
    {
        LimiterDevice limiter(QBluetoothDeviceInfo(kAddress, QStringLiteral("QVR Parts"), 0));
        QSignalSpy logger(&limiter, &LimiterDevice::loggerServiceDiscovered);
        deviceLog().clear();
        limiter.connectToDevice();
        QTRY_VERIFY(deviceLog().messages().contains(QStringLiteral("Log service discovered")));
        radio.clock().advanceMs(2000);
        QCoreApplication::processEvents();
        const QStringList failures = deviceLog().messages().filter(QStringLiteral("failed to get"));
        for (const QString &line : lines)
            QVERIFY2(deviceLog().messages().contains(line), qPrintable(line + QLatin1String("\n--- log:\n") + deviceLog().messages().join('\n')));
        QCOMPARE(failures.size(), lines.size());
        QCOMPARE(written, descriptorWrites);
        QCOMPARE(logger.count(), loggerReady ? 1 : 0);
    }
    BleBackend::setInstance(nullptr);
}

QTEST_GUILESS_MAIN(tst_LimiterDevice)
#include "tst_limiterdevice.moc"
