#include "DfuSimFixture.h"

#include "SimDfuPackage.h"

#include <QTest>

namespace {
const QBluetoothUuid kControlPoint(QStringLiteral("8ec90001-f315-4f60-9fb8-838830daea50"));
const QBluetoothUuid kPacket(QStringLiteral("8ec90002-f315-4f60-9fb8-838830daea50"));
} // namespace

DfuSimFixture::DfuSimFixture()
    : bootloader(std::make_shared<SimDfuBootloader>(bootloaderAddress()))
{
    radio.addPeripheral(bootloader);
    connect(&updater, &DFUUpdater::updateStatus, this,
            [this](StateM state, uint32_t progress) { statuses.append({int(state), progress}); });
    connect(&updater, &DFUUpdater::error, this, [this](const QString &message) { errors.append(message); });
    connect(&radio, &SimRadio::traffic, this, [this](const SimAttEvent &event) {
        if (event.characteristic == kControlPoint && event.kind == SimAttEvent::Write)
            requests.append(event.value);
        else if (event.characteristic == kPacket && event.kind == SimAttEvent::WriteWithoutResponse)
            packets.append(event.value);
        else if (event.characteristic == kControlPoint && event.kind == SimAttEvent::Notification)
            notifications.append(event.value);
    });
}

DfuSimFixture::~DfuSimFixture() = default;

bool DfuSimFixture::usePackage(const QByteArray &image, const QByteArray &init)
{
    const QString path = m_dir.filePath(QStringLiteral("package%1.zip").arg(++m_packages));
    if (!SimDfuPackage::write(path, image, 0x0302, SimDfuInit::Application, init))
        return false;
    auto *firmware = new Firmware(path);
    if (!firmware->isLoaded()) {
        delete firmware;
        return false;
    }
    updater.setFirmware(firmware);
    return true;
}

QBluetoothDeviceInfo DfuSimFixture::bootloaderInfo() const
{
    QBluetoothDeviceInfo info(bootloaderAddress(), bootloader->name(), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

bool DfuSimFixture::waitForEnd(int timeoutMs)
{
    return QTest::qWaitFor(
        [this] { return !errors.isEmpty() || (!statuses.isEmpty() && statuses.last().second == 100); }, timeoutMs);
}

SimFaultFilter replaceNotification(int occurrence, const QByteArray &value)
{
    auto seen = std::make_shared<int>(0);
    return [seen, occurrence, value](SimAttEvent &event) {
        if (event.kind == SimAttEvent::Notification && event.characteristic == kControlPoint
            && ++*seen == occurrence)
            event.value = value;
        return SimFault::Pass;
    };
}
