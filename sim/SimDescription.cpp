#include "SimDescription.h"

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

void registerBuiltInKinds() {}

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
    return QByteArrayLiteral(R"({ "devices": [] })");
}
