#pragma once

#include "BleHandles.h"
#include "BleTimer.h"
#include "DfuProtocol.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <chrono>
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
// objects of 4096 bytes (fewer when the bootloader takes less) sent as
// 128-byte packets, every packet confirmed by the bootloader's CRC-32. Finds
// the bootloader by scanning for the device's address plus one and talks to
// it through a controller of its own. Once connected, every way the
// transfer can stop ends in finished() (after updateStatus(10, 100)) or in
// error(): a refusal, a lost link, a device that is not in its bootloader,
// or no answer within dfu::kResponseTimeout on the clock of the BLE backend.
// updateStatus(10, 100) alone does not mean done: resuming a transfer whose
// image the bootloader already holds reports it when the last Execute is
// asked for, before the bootloader has taken the image.
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
    // Takes ownership of the package. While a transfer runs, a package is
    // refused (and deleted): the transfer keeps its own.
    void setFirmware(Firmware *firmware);
    Firmware *firmware() const { return m_firmware.get(); }
    // From connectToDevice until finished() or error().
    bool isRunning() const { return m_running; }
    // How long to wait for the bootloader's next answer (dfu::kResponseTimeout).
    void setResponseTimeout(std::chrono::milliseconds timeout);

    // The device's address plus one, as the bootloader advertises it.
    static QString bootloaderAddress(const QString &deviceAddress);
    // The text the windows show for a state ("Unknown state: %1" above 10).
    static QString stateText(int state);

signals:
    void error(const QString &message);
    void updateStatus(StateM state, uint32_t progress);
    // The bootloader executed the whole image: it starts it now.
    void finished();

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
    void writePacket(const QByteArray &packet);
    // False (with the error emitted) when value holds fewer than needed bytes.
    bool hasLength(const QByteArray &value, int needed, const char *request);
    // Ends the transfer with an error (once: later events are only logged).
    void fail(const QString &message);
    // The device has no DFU control point and packet: it runs its
    // application, not its bootloader.
    void failNotInBootloader();
    void onResponseTimeout();
    // A result code with its name, as error texts show it.
    static QString resultText(uint8_t result);
    uint32_t progressOf(uint32_t offset) const;
    QString characteristicName(const BleCharacteristic &characteristic) const;

    BleBackend *m_givenBackend = nullptr;
    BleCharacteristic m_controlPoint;
    BleCharacteristic m_packet;
    bool m_bootloaderFound = false;
    QString m_targetAddress;
    StateM m_state = StateSelectInit;
    std::unique_ptr<BleDeviceDiscovery> m_discovery;
    BleController *m_controller = nullptr;
    BleService *m_service = nullptr;
    std::unique_ptr<Firmware> m_firmware;
    bool m_searching = false;
    bool m_finished = false;
    uint32_t m_offset = 0;

    // A transfer runs from connectToDevice to its success or first error.
    bool m_running = false;
    // Set PRN is answered on this link; before that no packet goes out.
    bool m_prnSet = false;
    dfu::ObjectType m_pendingType = dfu::CommandObject;
    uint32_t m_pendingOffset = 0;
    // The data object size in use: kDataObjectSize or the smaller maximum
    // of the bootloader.
    uint32_t m_dataObjectSize = dfu::kDataObjectSize;
    // The command object was created again because the kept image did not
    // match the package; a second mismatch ends the transfer.
    bool m_restarted = false;
    // The Execute sent for an object that ends where a resumed image stands;
    // a bootloader that already executed it may have created the next one.
    bool m_resumeExecute = false;
    BleTimer m_responseTimer;

    // The package's two blobs with the CRC of what the device confirmed.
    dfu::PrefixCrc m_init;
    dfu::PrefixCrc m_image;
};
