#include "SimDescription.h"

#include "DeviceRecords.h"
#include "SimLimiter.h"
#include "SimRadio.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct KindRegistry {
    QMutex mutex;
    QMap<QString, SimDescription::KindFactory> factories;
};

KindRegistry &kindRegistry()
{
    static KindRegistry registry;
    return registry;
}

void registerBuiltInKinds();

SimDescription::KindFactory factoryFor(const QString &kind)
{
    static const bool builtIns = (registerBuiltInKinds(), true);
    Q_UNUSED(builtIns);
    KindRegistry &r = kindRegistry();
    QMutexLocker lock(&r.mutex);
    return r.factories.value(kind);
}

quint16 versionWord(const QString &text, bool threeParts)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    const auto part = [&](int i) { return i < parts.size() ? parts.at(i).toUInt() : 0u; };
    if (threeParts)
        return quint16((part(0) & 0xFF) << 8 | (part(1) & 0x0F) << 4 | (part(2) & 0x0F));
    return quint16((part(0) & 0xFF) << 8 | (part(1) & 0xFF));
}

// A record given as hex text of its exact size.
template<typename Record>
bool hexRecord(const QJsonObject &records, const QString &key, Record &record, QStringList &problems)
{
    if (!records.contains(key))
        return true;
    const QByteArray bytes = QByteArray::fromHex(records.value(key).toString().toLatin1());
    if (bytes.size() != int(sizeof(Record))) {
        problems << QStringLiteral("record %1 has %2 bytes instead of %3").arg(key).arg(bytes.size()).arg(sizeof(Record));
        return false;
    }
    return recordFromBytes(bytes, record);
}

SimLogSessionSpec sessionSpec(const QJsonObject &o, const s_CommonSettBle &settings, const SimLimiter &device)
{
    SimLogSessionSpec spec;
    spec.number = quint32(o.value(QLatin1String("number")).toInteger(1));
    spec.dots = quint32(o.value(QLatin1String("dots")).toInteger(100));
    spec.loggerFreqHz = quint8(o.value(QLatin1String("loggerFreqHz")).toInt(settings.loggerFreqHz));
    spec.incomplete = o.value(QLatin1String("incomplete")).toBool();
    spec.userName = recordText(settings.userName, 32);
    spec.country = recordText(settings.country, 4);
    spec.regNum = settings.regNum;
    spec.settingsSet = settings.settingsSet;
    const s_LimitSettBle set = device.limitSet(settings.settingsSet);
    spec.settingsSetName = recordText(set.settingsName, 32);
    spec.energyRefJ = set.energyRef;
    spec.motorPoles = quint8(settings.motorPoles);
    spec.hwVersion = device.hardwareVersionWord();
    spec.fwVersion = device.firmwareVersionWord();
    spec.blVersion = device.deviceInformation().block[0].version;
    spec.escVersion = device.deviceInformation().block[2].version;
    if (o.contains(QLatin1String("date")))
        spec.date = QDate::fromString(o.value(QLatin1String("date")).toString(), Qt::ISODate);
    if (o.contains(QLatin1String("time")))
        spec.time = QTime::fromString(o.value(QLatin1String("time")).toString(), Qt::ISODate);
    if (o.contains(QLatin1String("latitude")) || o.contains(QLatin1String("longitude"))) {
        spec.latitude = float(o.value(QLatin1String("latitude")).toDouble());
        spec.longitude = float(o.value(QLatin1String("longitude")).toDouble());
    }
    if (o.value(QLatin1String("noPosition")).toBool())
        spec.positionKnown = false;
    for (const QJsonValue &p : o.value(QLatin1String("parameters")).toArray()) {
        const QJsonObject parameter = p.toObject();
        spec.parameters.append({parameter.value(QLatin1String("name")).toString(),
                                quint8(parameter.value(QLatin1String("type")).toInt(1)),
                                quint8(parameter.value(QLatin1String("scale")).toInt(5))});
    }
    return spec;
}

SimPeripheralPtr makeDevice(SimLimiter::Kind kind, const QJsonObject &d, const QBluetoothAddress &address,
                            const QString &name, QString *error)
{
    const QString fallback = kind == SimLimiter::Kind::DovLogger ? QStringLiteral("ZIV DOV") : QStringLiteral("QVR Limiter");
    auto device = std::make_shared<SimLimiter>(kind, address, name.isEmpty() ? fallback : name);
    QStringList problems;
    const QJsonObject records = d.value(QLatin1String("records")).toObject();
    s_DeviceInfoBle info = device->deviceInformation();
    s_CommonSettBle common = device->commonSettings();
    s_MotorSettBle motor = device->motorSettings();
    s_MotorDriveSettBle drive = device->motorDriveSettings();
    s_TimingTableBle table = device->timingTable();
    hexRecord(records, QStringLiteral("deviceInformation"), info, problems);
    hexRecord(records, QStringLiteral("commonSettings"), common, problems);
    hexRecord(records, QStringLiteral("motorSettings"), motor, problems);
    hexRecord(records, QStringLiteral("motorDriveSettings"), drive, problems);
    hexRecord(records, QStringLiteral("timingTable"), table, problems);
    for (int set = 0; set < 14; ++set) {
        s_LimitSettBle limits = device->limitSet(set);
        if (hexRecord(records, QStringLiteral("limitSet%1").arg(set), limits, problems))
            device->setLimitSet(set, limits);
    }

    const auto has = [&](const char *key) { return d.contains(QLatin1String(key)); };
    const auto number = [&](const char *key) { return d.value(QLatin1String(key)).toInt(); };
    if (has("userName"))
        setRecordText(common.userName, 32, d.value(QLatin1String("userName")).toString());
    if (has("country"))
        setRecordText(common.country, 4, d.value(QLatin1String("country")).toString());
    if (has("regNum"))
        common.regNum = quint16(number("regNum"));
    if (has("settingsSet"))
        common.settingsSet = quint8(number("settingsSet"));
    if (has("telemetryFreqHz"))
        common.telemetryFreqHz = quint8(number("telemetryFreqHz"));
    if (has("loggerFreqHz"))
        common.loggerFreqHz = quint16(number("loggerFreqHz"));
    if (has("motorPoles"))
        common.motorPoles = quint16(number("motorPoles"));
    if (has("loggerMemoryBlocks"))
        common.loggerMemoryBlocks = quint16(number("loggerMemoryBlocks"));
    if (has("hardwareVersion"))
        info.block[1].versionWord60 = versionWord(d.value(QLatin1String("hardwareVersion")).toString(), true);
    if (has("firmwareVersion"))
        info.block[1].version = versionWord(d.value(QLatin1String("firmwareVersion")).toString(), false);
    if (has("bootloaderVersion"))
        info.block[0].version = versionWord(d.value(QLatin1String("bootloaderVersion")).toString(), false);
    if (has("escFirmwareVersion"))
        info.block[2].version = versionWord(d.value(QLatin1String("escFirmwareVersion")).toString(), false);
    device->setDeviceInformation(info);
    device->setCommonSettings(common);
    device->setMotorSettings(motor);
    device->setMotorDriveSettings(drive);
    device->setTimingTable(table);
    if (has("password"))
        device->setPassword(d.value(QLatin1String("password")).toString());
    if (has("ppmInputMs"))
        device->setPpmInputMs(float(d.value(QLatin1String("ppmInputMs")).toDouble()));

    for (const QJsonValue &session : d.value(QLatin1String("sessions")).toArray()) {
        const SimLogSessionSpec spec = sessionSpec(session.toObject(), common, *device);
        if (SimLogSession::generate(spec, 1).isEmpty())
            problems << QStringLiteral("session %1: the parameters do not fit a dot").arg(spec.number);
        else
            device->addSession(spec);
    }
    if (!problems.isEmpty()) {
        if (error)
            *error = problems.join(QStringLiteral(", "));
        return nullptr;
    }
    return device;
}

void registerBuiltInKinds()
{
    SimDescription::registerKind(QStringLiteral("limiter"),
                                 [](const QJsonObject &d, const QBluetoothAddress &a, const QString &n, QString *e) {
                                     return makeDevice(SimLimiter::Kind::Limiter, d, a, n, e);
                                 });
    SimDescription::registerKind(QStringLiteral("dov"),
                                 [](const QJsonObject &d, const QBluetoothAddress &a, const QString &n, QString *e) {
                                     return makeDevice(SimLimiter::Kind::DovLogger, d, a, n, e);
                                 });
}

} // namespace

void SimDescription::registerKind(const QString &kind, KindFactory factory)
{
    KindRegistry &r = kindRegistry();
    QMutexLocker lock(&r.mutex);
    r.factories.insert(kind, std::move(factory));
}

QStringList SimDescription::kinds()
{
    factoryFor(QString());
    KindRegistry &r = kindRegistry();
    QMutexLocker lock(&r.mutex);
    return r.factories.keys();
}

bool SimDescription::load(SimRadio &radio, const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError
                         ? QStringLiteral("not JSON: %1 at %2").arg(parseError.errorString()).arg(parseError.offset)
                         : QStringLiteral("the description is not a JSON object");
        return false;
    }
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("seed")))
        radio.setSeed(quint32(root.value(QLatin1String("seed")).toInteger()));
    if (root.contains(QLatin1String("roundTripMs")))
        radio.setRoundTripMs(root.value(QLatin1String("roundTripMs")).toDouble());
    if (root.contains(QLatin1String("centralMtu")))
        radio.setCentralMtu(root.value(QLatin1String("centralMtu")).toInt());

    QStringList problems;
    const QJsonArray devices = root.value(QLatin1String("devices")).toArray();
    for (int i = 0; i < devices.size(); ++i) {
        const QJsonObject device = devices.at(i).toObject();
        const QString kind = device.value(QLatin1String("kind")).toString();
        const KindFactory factory = factoryFor(kind);
        if (!factory) {
            problems << QStringLiteral("device %1: unknown kind \"%2\"").arg(i).arg(kind);
            continue;
        }
        QBluetoothAddress address(device.value(QLatin1String("address")).toString());
        if (address.isNull())
            address = QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:%1").arg(i + 1, 2, 16, QLatin1Char('0')).toUpper());
        const QString name = device.value(QLatin1String("name")).toString();
        QString problem;
        SimPeripheralPtr peripheral = factory(device, address, name, &problem);
        if (!peripheral) {
            problems << QStringLiteral("device %1 (%2): %3").arg(i).arg(kind, problem);
            continue;
        }
        if (device.contains(QLatin1String("mtu")))
            peripheral->setMaximumMtu(device.value(QLatin1String("mtu")).toInt());
        if (device.contains(QLatin1String("roundTripMs")))
            peripheral->setRoundTripUs(qint64(device.value(QLatin1String("roundTripMs")).toDouble() * 1000.0));
        if (device.contains(QLatin1String("advertisingIntervalMs")))
            peripheral->setAdvertisingIntervalMs(device.value(QLatin1String("advertisingIntervalMs")).toInt());
        if (device.contains(QLatin1String("rssi")))
            peripheral->setRssi(qint16(device.value(QLatin1String("rssi")).toInt()));
        if (device.contains(QLatin1String("advertising")))
            peripheral->setAdvertising(device.value(QLatin1String("advertising")).toBool());
        radio.addPeripheral(peripheral);
    }
    if (error)
        *error = problems.join(QStringLiteral("; "));
    return problems.isEmpty();
}

bool SimDescription::loadFile(SimRadio &radio, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return load(radio, file.readAll(), error);
}

QByteArray SimDescription::builtInDescription()
{
    return QByteArrayLiteral(R"({
  "devices": [
    { "kind": "limiter", "address": "C0:DE:00:00:00:01", "name": "QVR Limiter",
      "sessions": [ { "number": 1, "dots": 1200 }, { "number": 2, "dots": 3000 },
                    { "number": 3, "dots": 400, "incomplete": true } ] },
    { "kind": "limiter", "address": "C0:DE:00:00:00:03", "name": "QVR Limiter Locked", "password": "1234",
      "userName": "Second Racer", "regNum": 77,
      "sessions": [ { "number": 5, "dots": 800 } ] },
    { "kind": "dov", "address": "C0:DE:00:00:00:05", "name": "ZIV DOV", "hardwareVersion": "17.0.0",
      "sessions": [ { "number": 1, "dots": 1500, "parameters": [
          { "name": "RPM", "type": 4, "scale": 5 }, { "name": "Temperature", "type": 7, "scale": 4 },
          { "name": "Speed", "type": 1, "scale": 5 }, { "name": "Throttle", "type": 8, "scale": 5 } ] } ] }
  ]
})");
}
