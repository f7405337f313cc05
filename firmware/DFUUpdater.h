#pragma once

#include "BleHandles.h"
#include "DfuProtocol.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class BleBackend;
class BleController;
class BleDeviceDiscovery;
class BleService;
class Firmware;

// The step of a DFU transfer that updateStatus reports.
enum StateM : int32_t {
    StateSelectInit = 0,
    StateCreateInit = 1,
    StateSetPrn = 2,
    StateUploadInit = 3,
    StateCheckInit = 4,
    StateExecuteInit = 5,
    StateSelectMain = 6,
    StateCreateMain = 7,
    StateUploadMain = 8,
    StateCheckMain = 9,
    StateExecuteMain = 10,
};
Q_DECLARE_METATYPE(StateM)

// Uploads one firmware package into a device that runs its Secure DFU
// bootloader: the init packet as one command object, then the image in data
// objects of 4096 bytes sent as 128-byte packets, every packet confirmed by
// the bootloader's CRC-32. Finds the bootloader by scanning for the device's
// address plus one and talks to it through a controller of its own.
class DFUUpdater : public QObject
{
    Q_OBJECT

public:
    // Talks through the process' BLE backend (BleBackend::instance()).
    explicit DFUUpdater(QObject *parent = nullptr);
    // Talks through backend, which must outlive this object (nullptr: the
    // process' one).
    explicit DFUUpdater(BleBackend *backend, QObject *parent = nullptr);
    ~DFUUpdater() override;

    // Scans for the bootloader of the device at address and uploads the
    // package to it once it appears.
    void startUpdate(const QString &address);
    // Connects to a bootloader directly and uploads the package to it.
    void connectToDevice(const QBluetoothDeviceInfo &info);
    void reset();
    // Takes ownership of the package.
    void setFirmware(Firmware *firmware);
    Firmware *firmware() const { return m_firmware.get(); }

    // The device's address plus one, as the bootloader advertises it.
    static QString bootloaderAddress(const QString &deviceAddress);
    // The text the windows show for a state ("Unknown state: %1" above 10).
    static QString stateText(int state);

signals:
    void error(const QString &message);
    void updateStatus(StateM state, uint32_t progress);

public slots:
    void onServiceDiscovered(const QBluetoothUuid &newService);
    void onServiceDiscoveryFinished();
    void onControllerError(QLowEnergyController::Error error);
    void onControllerDisconnected();
    void onControllerConnected();
    void onDeviceDiscovered(const QBluetoothDeviceInfo &info);
    void onDeviceDiscoveryFinished();
    void onDFUServiceStateChanged(QLowEnergyService::ServiceState newState);
    void onCharacteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value);
    void onCharacteristicRead(const BleCharacteristic &characteristic, const QByteArray &value);
    void onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value);

private:
    void onSelectResponse(const QByteArray &value);
    void onCreateResponse(const QByteArray &value);
    void onSetPrnResponse(const QByteArray &value);
    void onChecksumResponse(const QByteArray &value);
    void onExecuteResponse(const QByteArray &value);

    void selectObject(dfu::ObjectType type);
    void createObject(dfu::ObjectType type);
    void executeObject(dfu::ObjectType type);
    void setState(StateM state);
    void sendData(dfu::ObjectType type, uint32_t offset);

    BleBackend *backend() const;
    void writeControlPoint(const QByteArray &request);
    // False (with the error emitted) when value holds fewer than needed bytes.
    bool hasLength(const QByteArray &value, int needed, const char *request);
    void fail(const QString &message);
    uint32_t progressOf(uint32_t offset) const;
    QString characteristicName(const BleCharacteristic &characteristic) const;

    BleBackend *m_givenBackend = nullptr;
    BleCharacteristic m_controlPoint;
    BleCharacteristic m_packet;
    QString m_targetAddress;
    StateM m_state = StateSelectInit;
    std::unique_ptr<BleDeviceDiscovery> m_discovery;
    BleController *m_controller = nullptr;
    BleService *m_service = nullptr;
    std::unique_ptr<Firmware> m_firmware;
    bool m_searching = false;
    bool m_finished = false;
    uint32_t m_offset = 0;

    // The package's two blobs with the CRC of what the device confirmed.
    dfu::PrefixCrc m_init;
    dfu::PrefixCrc m_image;
};
