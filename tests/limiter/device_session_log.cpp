// Prints the diagnostics of scripted device sessions against the simulator:
// one line per message, "<type> {<category>} <message>", without file and
// line; with --functions, the function that wrote it follows the category.
// The simulator runs on its manual clock, stepped a millisecond at a time, so
// every run prints the same lines: diff the output of two builds to see what
// a change did to the device link's diagnostics.
//
//     device_session_log > before.txt; (change, build) device_session_log > after.txt
//     diff before.txt after.txt
//
// The sessions: a locked limiter (wrong and right password, every record,
// terminal, every write and command, a refused write, short values, a log
// read, a link loss, the DFU restart, the user's disconnect); a DOV logger
// connected twice; devices without some services, characteristics or
// descriptors; a controller that fails to make a service object.
#include "BleBackend.h"
#include "DeviceProtocol.h"
#include "FailingServicesBackend.h"
#include "LimiterDevice.h"
#include "SimRig.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

using namespace DeviceProtocol;

namespace {

bool withFunctions = false;

void printMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const char *const types[] = {"D", "W", "C", "F", "I"};
    const char *kind = type >= 0 && type < 5 ? types[type] : "?";
    QByteArray line = QByteArray(kind) + " {" + (context.category ? context.category : "default") + "} ";
    if (withFunctions)
        line += QByteArray(context.function ? context.function : "?") + " - ";
    line += message.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
}

void section(const char *title)
{
    std::printf("=== %s\n", title);
}

// Runs the simulated radio's next milliseconds and what they post.
void run(SimRig &rig, int milliseconds)
{
    for (int i = 0; i < milliseconds; ++i) {
        rig.clock().advanceMs(1);
        QCoreApplication::processEvents();
    }
}

s_LimitSettBle renamedSet(const s_LimitSettBle &set, const char *name)
{
    s_LimitSettBle renamed = set;
    setRecordText(renamed.settingsName, 32, QString::fromLatin1(name));
    return renamed;
}

void lockedLimiter()
{
    section("locked limiter");
    SimRig rig(SimClock::Mode::Manual);
    std::shared_ptr<SimLimiter> device = rig.addLimiter(SimLimiter::Kind::Limiter, QStringLiteral("secret"));
    SimLogSessionSpec spec;
    spec.number = 4;
    spec.dots = 40;
    device->addSession(spec);
    std::shared_ptr<LimiterDevice> limiter = rig.client(*device);
    limiter->connectToDevice();
    run(rig, 3000);
    limiter->authorize(QStringLiteral("wrong"));
    run(rig, 500);
    limiter->authorize(QStringLiteral("secret"));
    run(rig, 3000);

    section("terminal");
    limiter->sendTerminalData("version\n");
    run(rig, 200);

    section("writes");
    s_CommonSettBle common = limiter->commonSettings();
    setRecordText(common.userName, 32, QStringLiteral("Changed"));
    limiter->writeCommonSettings(common);
    run(rig, 200);
    s_MotorSettBle motor = limiter->motorSettings();
    motor.poles = 14;
    limiter->writeMotorSettings(motor);
    run(rig, 200);
    s_MotorDriveSettBle drive = limiter->motorDriveSettings();
    drive.maxRefDcCurr = 77.0f;
    limiter->writeMotorDriveSettings(drive);
    run(rig, 200);
    limiter->writeLimitSettings(3, renamedSet(limiter->defaultLimitSettings(3), "Default three"));
    limiter->writeLimitSettings(10, renamedSet(limiter->userLimitSettings(4), "User four"));
    run(rig, 300);
    limiter->writeLimitSettings(14, limiter->userLimitSettings(0)); // no such set
    limiter->setPassword(QStringLiteral("secret"));
    run(rig, 200);

    section("commands");
    limiter->resetCommonSettings();
    limiter->resetEscSettings();
    limiter->resetLimitSettings(13);
    limiter->sendSetFullThrottle();
    limiter->sendSetStopPosition();
    limiter->sendSetFailsafePosition();
    limiter->sendSetMaxTimingPosition();
    limiter->sendSetMinTimingPosition();
    run(rig, 1000);

    section("refused writes");
    device->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, settingsUuid(kMotorSettingsId), 1));
    device->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, terminalUuid(kNusRxId), 1));
    limiter->writeMotorSettings(motor);
    limiter->sendTerminalData("refused\n");
    run(rig, 500);

    section("short values");
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Notification, telemetryUuid(kTelemetryId), 50, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Notification, logUuid(kLogSessionNumberId), 7, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kCommonSettingsId), 91, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kMotorSettingsId), 37, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kMotorDriveSettingsId), 60, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kUserLimitSet0Id), 54, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kTimingTable1Id), 100, 1));
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Read, settingsUuid(kTimingTable2Id), 100, 1));
    run(rig, 300);
    limiter->readLogNumber();
    limiter->resetCommonSettings();
    limiter->resetEscSettings();
    limiter->resetLimitSettings(6);
    run(rig, 1000);

    section("log");
    limiter->readLogNumber();
    run(rig, 300);
    limiter->readLog(4);
    run(rig, 3000);
    limiter->sendClearLogs();
    run(rig, 300);

    section("link loss");
    rig.radio.dropLinks(device->address());
    run(rig, 5000);
    limiter->authorize(QStringLiteral("secret"));
    run(rig, 3000);

    section("DFU");
    device->addFaultFilter(SimFaults::truncate(SimAttEvent::Indication, dfuUuid(kDfuButtonlessId), 2, 1));
    limiter->enterDFUMode();
    run(rig, 500);
    limiter->enterDFUMode();
    run(rig, 3000);

    section("user disconnect");
    limiter->disconnectFromDevice();
    run(rig, 3000);
    limiter->sendTerminalData("after\n");
    limiter->readLogNumber();
    run(rig, 100);
}

void dovLogger()
{
    section("DOV logger");
    SimRig rig(SimClock::Mode::Manual);
    std::shared_ptr<SimLimiter> device = rig.addLimiter(SimLimiter::Kind::DovLogger);
    std::shared_ptr<LimiterDevice> limiter = rig.client(*device);
    limiter->connectToDevice();
    limiter->connectToDevice();
    run(rig, 3000);
    limiter->disconnectFromDevice();
    run(rig, 1000);
    limiter->connectToDevice();
    run(rig, 3000);
    rig.radio.dropLinks(device->address());
    run(rig, 3000);
}

// A device with the settings service only, short of some characteristics.
void sparseDevice()
{
    section("sparse device");
    SimRig rig(SimClock::Mode::Manual);
    auto device = std::make_shared<SimPeripheral>(SimRig::kLimiterAddress, QStringLiteral("QVR Sparse"));
    const QBluetoothUuid settings = settingsServiceUuid();
    device->gatt().addService(settings);
    device->gatt().addCharacteristic(settings, settingsUuid(kDeviceInfoId), QLowEnergyCharacteristic::Read,
                                     QByteArray(int(sizeof(s_DeviceInfoBle)), '\0'));
    device->gatt().addCharacteristic(settings, settingsUuid(kCommonSettingsId), QLowEnergyCharacteristic::Read,
                                     QByteArray(int(sizeof(s_CommonSettBle)), '\x01'));
    device->gatt().addCharacteristic(settings, settingsUuid(kUserLimitSet0Id),
                                     QLowEnergyCharacteristic::PropertyTypes(QLowEnergyCharacteristic::Read)
                                         | QLowEnergyCharacteristic::Write | QLowEnergyCharacteristic::Notify,
                                     QByteArray(int(sizeof(s_LimitSettBle)), '\0'));
    rig.radio.addPeripheral(device);
    std::shared_ptr<LimiterDevice> limiter = rig.client(*device);
    limiter->connectToDevice();
    run(rig, 3000);
    limiter->authorize(QStringLiteral("x"));
    limiter->setPassword(QStringLiteral("x"));
    limiter->writeLimitSettings(7, s_LimitSettBle{});
    limiter->writeLimitSettings(6, s_LimitSettBle{});
    limiter->enterDFUMode();
    limiter->readLogNumber();
    run(rig, 500);
}

// Every notifying service present, each without its characteristics' descriptors.
void noDescriptors()
{
    section("services without descriptors");
    SimRig rig(SimClock::Mode::Manual);
    auto device = std::make_shared<SimPeripheral>(SimRig::kLimiterAddress, QStringLiteral("QVR Parts"));
    SimGattDatabase &db = device->gatt();
    const auto read = QLowEnergyCharacteristic::PropertyTypes(QLowEnergyCharacteristic::Read);
    const auto write = QLowEnergyCharacteristic::PropertyTypes(QLowEnergyCharacteristic::Write);
    db.addService(settingsServiceUuid());
    db.addCharacteristic(settingsServiceUuid(), settingsUuid(kDeviceInfoId), read,
                         QByteArray(int(sizeof(s_DeviceInfoBle)), '\0'));
    db.addService(telemetryServiceUuid());
    db.addCharacteristic(telemetryServiceUuid(), telemetryUuid(kTelemetryId), read);
    db.addService(terminalServiceUuid());
    db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusRxId), write);
    db.addCharacteristic(terminalServiceUuid(), terminalUuid(kNusTxId), read);
    db.addService(dfuServiceUuid());
    db.addCharacteristic(dfuServiceUuid(), dfuUuid(kDfuButtonlessId), write);
    db.addService(logServiceUuid());
    db.addCharacteristic(logServiceUuid(), logUuid(kLogDataId), read);
    rig.radio.addPeripheral(device);
    std::shared_ptr<LimiterDevice> limiter = rig.client(*device);
    limiter->connectToDevice();
    run(rig, 3000);
    limiter->sendTerminalData("x");
    limiter->enterDFUMode();
    run(rig, 500);
}

void failingServices()
{
    section("failing service objects");
    SimRig rig(SimClock::Mode::Manual);
    FailingServicesBackend backend(&rig.radio);
    rig.addLimiter();
    LimiterDevice limiter(QBluetoothDeviceInfo(SimRig::kLimiterAddress, SimRig::kLimiterName, 0), &backend);
    limiter.connectToDevice();
    run(rig, 3000);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    withFunctions = app.arguments().contains(QStringLiteral("--functions"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true\nqt.*.debug=false"));
    qInstallMessageHandler(printMessage);
    lockedLimiter();
    dovLogger();
    sparseDevice();
    noDescriptors();
    failingServices();
    std::fflush(stdout);
    return 0;
}
