#include "DFUUpdater.h"

#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"
#include "Firmware.h"
#include "FirmwareLogging.h"

#include <QBluetoothAddress>
#include <QCoreApplication>
#include <QMetaEnum>

using namespace dfu;

namespace {

// A byte of a notification as the error texts show it: signed decimal.
int signedByte(const QByteArray &value, int index)
{
    return int(qint8(value.at(index)));
}

bool isDataState(StateM state)
{
    return state >= StateCreateMain && state <= StateExecuteMain;
}

template<typename Enum>
const char *enumName(Enum value)
{
    const char *key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    return key ? key : "?";
}

} // namespace

DFUUpdater::DFUUpdater(QObject *parent) : DFUUpdater(nullptr, parent) {}

DFUUpdater::DFUUpdater(BleBackend *backend, QObject *parent)
    : QObject(parent), m_givenBackend(backend)
{
    qRegisterMetaType<StateM>();
}

BleBackend *DFUUpdater::backend() const
{
    return m_givenBackend ? m_givenBackend : BleBackend::instance();
}

DFUUpdater::~DFUUpdater() = default;

QString DFUUpdater::bootloaderAddress(const QString &deviceAddress)
{
    const quint64 address = QBluetoothAddress(deviceAddress).toUInt64();
    return QBluetoothAddress((address + 1) & Q_UINT64_C(0xFFFFFFFFFFFF)).toString();
}

QString DFUUpdater::stateText(int state)
{
    switch (state) {
    case StateSelectInit:
        return tr("Select init data partition");
    case StateCreateInit:
        return tr("Create init data partition");
    case StateSetPrn:
        return tr("Set PRN mode");
    case StateUploadInit:
        return tr("Upload init data");
    case StateCheckInit:
        return tr("Check init data");
    case StateExecuteInit:
        return tr("Execute init update");
    case StateSelectMain:
        return tr("Select main data partition");
    case StateCreateMain:
        return tr("Create main data partition");
    case StateUploadMain:
        return tr("Upload main firmware");
    case StateCheckMain:
        return tr("Check main firmware");
    case StateExecuteMain:
        return tr("Execute firmware update");
    default:
        return tr("Unknown state: %1").arg(state);
    }
}

void DFUUpdater::startUpdate(const QString &address)
{
    m_targetAddress = bootloaderAddress(address);
    m_searching = true;
    m_offset = 0;
    qCDebug(lcDfu) << "looking for the bootloader at" << m_targetAddress;

    m_discovery.reset(backend()->createDeviceDiscovery());
    connect(m_discovery.get(), &BleDeviceDiscovery::deviceDiscovered, this, &DFUUpdater::onDeviceDiscovered);
    connect(m_discovery.get(), &BleDeviceDiscovery::finished, this, &DFUUpdater::onDeviceDiscoveryFinished);
    m_discovery->start();
}

void DFUUpdater::connectToDevice(const QBluetoothDeviceInfo &info)
{
    // A controller of an earlier attempt must neither keep the bootloader's
    // one link busy nor feed its signals into this attempt.
    if (m_controller) {
        m_controller->disconnect(this);
        m_controller->disconnectFromDevice();
        m_controller->deleteLater();
    }
    if (m_service) {
        m_service->disconnect(this);
        m_service->deleteLater();
        m_service = nullptr;
    }
    m_controlPoint = BleCharacteristic();
    m_packet = BleCharacteristic();

    m_controller = backend()->createCentral(info, this);
    connect(m_controller, &BleController::serviceDiscovered, this, &DFUUpdater::onServiceDiscovered);
    connect(m_controller, &BleController::discoveryFinished, this, &DFUUpdater::onServiceDiscoveryFinished);
    connect(m_controller, &BleController::errorOccurred, this, &DFUUpdater::onControllerError);
    connect(m_controller, &BleController::connected, this, &DFUUpdater::onControllerConnected);
    connect(m_controller, &BleController::disconnected, this, &DFUUpdater::onControllerDisconnected);
    m_controller->connectToDevice();
}

void DFUUpdater::reset()
{
    m_searching = false;
    m_finished = false;
    m_offset = 0;
    m_targetAddress.clear();
    m_state = StateSelectInit;
}

void DFUUpdater::setFirmware(Firmware *firmware)
{
    m_firmware.reset(firmware);
    m_finished = false;
    m_init.setData(firmware ? firmware->initData() : QByteArray());
    m_image.setData(firmware ? firmware->imageData() : QByteArray());
}

// --- finding and connecting -------------------------------------------------

void DFUUpdater::onDeviceDiscovered(const QBluetoothDeviceInfo &info)
{
    if (!m_searching)
        return;
    if (info.address().toString() == m_targetAddress)
        connectToDevice(info);
}

void DFUUpdater::onDeviceDiscoveryFinished()
{
    qCDebug(lcDfu) << "Device Discovery Finished";
}

void DFUUpdater::onControllerConnected()
{
    qCDebug(lcDfu) << "Connected to device. Searching services...";
    m_controller->discoverServices();
}

void DFUUpdater::onServiceDiscovered(const QBluetoothUuid &newService)
{
    qCDebug(lcDfu).noquote() << QStringLiteral("serivce discovered ") + newService.toString();
}

void DFUUpdater::onServiceDiscoveryFinished()
{
    BleService *service = m_controller->createServiceObject(serviceUuid(), this);
    if (!service)
        return;
    if (m_service) {
        m_service->disconnect(this);
        m_service->deleteLater();
    }
    m_service = service;
    connect(m_service, &BleService::stateChanged, this, &DFUUpdater::onDFUServiceStateChanged);
    connect(m_service, &BleService::characteristicChanged, this, &DFUUpdater::onCharacteristicChanged);
    connect(m_service, &BleService::characteristicRead, this, &DFUUpdater::onCharacteristicRead);
    connect(m_service, &BleService::characteristicWritten, this, &DFUUpdater::onCharacteristicWritten);
    // A request or packet the link cannot carry (a value beyond the link's
    // MTU, a refused write) would leave the transfer waiting for an answer
    // that never comes.
    connect(m_service, &BleService::errorOccurred, this, [this](QLowEnergyService::ServiceError serviceError) {
        qCWarning(lcDfu) << "DFU service error" << enumName(serviceError);
        if (serviceError == QLowEnergyService::CharacteristicWriteError
            || serviceError == QLowEnergyService::DescriptorWriteError)
            fail(tr("Writing to the bootloader failed: %1").arg(QLatin1String(enumName(serviceError))));
    });
    m_service->discoverDetails();
}

void DFUUpdater::onDFUServiceStateChanged(QLowEnergyService::ServiceState newState)
{
    qCDebug(lcDfu) << "DFU Service state changed" << enumName(newState);
    if (newState != QLowEnergyService::RemoteServiceDiscovered || sender() != m_service)
        return;
    qCDebug(lcDfu) << "DFU service discovered";

    m_controlPoint = m_service->characteristic(controlPointUuid());
    if (!m_controlPoint.isValid())
        qCWarning(lcDfu) << "Settings failed to get characteristic DFU_SECURE_CONTROL_POINT";
    const BleDescriptor notify = m_controlPoint.clientCharacteristicConfiguration();
    if (!notify.isValid())
        qCWarning(lcDfu) << "Settings failed to get notify descriptor for DFU_SECURE_CONTROL_POINT";
    m_service->writeDescriptor(notify, QByteArray::fromHex("0100"));

    m_packet = m_service->characteristic(packetUuid());
    if (!m_packet.isValid())
        qCWarning(lcDfu) << "Settings failed to get characteristic DFU_SECURE_PACKET";

    emit updateStatus(StateSelectInit, 0);
    m_state = StateSelectInit;
    writeControlPoint(selectRequest(CommandObject));
}

void DFUUpdater::onControllerError(QLowEnergyController::Error error)
{
    qCWarning(lcDfu) << "Cannot connect to remote device." << enumName(error);
    if (auto *controller = qobject_cast<BleController *>(sender()))
        qCWarning(lcDfu).noquote() << controller->errorString();
}

void DFUUpdater::onControllerDisconnected()
{
    qCDebug(lcDfu) << "LowEnergy controller disconnected";
}

// --- notifications ----------------------------------------------------------

QString DFUUpdater::characteristicName(const BleCharacteristic &characteristic) const
{
    if (characteristic.isValid() && characteristic == m_controlPoint)
        return QStringLiteral("DFU_SECURE_CONTROL_POINT");
    if (characteristic.isValid() && characteristic == m_packet)
        return QStringLiteral("DFU_SECURE_PACKET");
    return characteristic.uuid().toString();
}

void DFUUpdater::onCharacteristicChanged(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDfu).noquote() << "Characteristic changed" << characteristicName(characteristic)
                             << QString::fromLatin1(value.toHex(':')) << "current state" << int(m_state);
    if (!characteristic.isValid() || characteristic != m_controlPoint)
        return;

    switch (m_state) {
    case StateSelectInit:
    case StateSelectMain:
        onSelectResponse(value);
        break;
    case StateCreateInit:
    case StateCreateMain:
        onCreateResponse(value);
        break;
    case StateSetPrn:
        onSetPrnResponse(value);
        break;
    case StateUploadInit:
    case StateCheckInit:
    case StateUploadMain:
    case StateCheckMain:
        onChecksumResponse(value);
        break;
    case StateExecuteInit:
    case StateExecuteMain:
        onExecuteResponse(value);
        break;
    }
}

void DFUUpdater::onCharacteristicRead(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDfu).noquote() << "Characteristic read" << characteristicName(characteristic)
                             << QString::fromLatin1(value.toHex(':'));
}

// Packets go without response, so only control point requests are confirmed
// here; the transfer moves on the bootloader's notifications alone.
void DFUUpdater::onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDfu).noquote() << "Characteristic written" << characteristicName(characteristic)
                             << QString::fromLatin1(value.toHex(':'));
}

bool DFUUpdater::hasLength(const QByteArray &value, int needed, const char *request)
{
    if (value.size() >= needed)
        return true;
    fail(tr("Response to %1 too short: %2 bytes instead of %3 (%4)")
             .arg(QLatin1String(request))
             .arg(value.size())
             .arg(needed)
             .arg(QString::fromLatin1(value.toHex(':'))));
    return false;
}

void DFUUpdater::fail(const QString &message)
{
    qCWarning(lcDfu).noquote() << message;
    emit error(message);
}

void DFUUpdater::onSelectResponse(const QByteArray &value)
{
    if (value.size() < int(sizeof(s_DfuSelectResponse))) {
        fail(tr("Select response incorrect size: %1 instead of 15").arg(value.size()));
        return;
    }
    if (value.at(1) != char(DfuOpcode::Select) || value.at(2) != char(ResultSuccess)) {
        fail(tr("Select response incorrect header: %1 %2 instead of 6 1")
                 .arg(signedByte(value, 1))
                 .arg(signedByte(value, 2)));
        return;
    }
    const auto response = fromBytes<s_DfuSelectResponse>(value);
    const uint32_t maximumSize = qFromLittleEndian(response.maximumSize);
    const uint32_t offset = qFromLittleEndian(response.offset);
    const uint32_t crc = qFromLittleEndian(response.crc32);

    const bool command = m_state == StateSelectInit;
    const ObjectType type = command ? CommandObject : DataObject;
    PrefixCrc &local = command ? m_init : m_image;
    const auto length = uint32_t(local.data().size());
    const uint32_t needed = command ? kCommandObjectSizeNeeded : length;

    // An offset beyond the local object cannot match it.
    const bool crcMatches = offset <= length && local.of(offset) == crc;
    // A bootloader that kept part of the image through a broken link is
    // resumed where it stands, also when the image spans several objects.
    const bool keptImage = !command && crcMatches && offset > 0;
    // With nothing received there is no object to resume: a bootloader
    // takes packets only into an object that was created.
    const bool nothingReceived = offset == 0 && length > 0;
    if (!crcMatches || nothingReceived || (maximumSize < needed && !keptImage)) {
        qCDebug(lcDfu) << "crc or size is incorrect,  recreating object";
        createObject(type);
        return;
    }

    qCDebug(lcDfu) << "crc32 is correct";
    if (offset == length) {
        if (command) {
            qCDebug(lcDfu) << "Init uploaded successfully";
            executeObject(CommandObject);
        } else {
            qCDebug(lcDfu) << "Firmware uploaded successfully";
            m_finished = true;
            executeObject(DataObject);
        }
        return;
    }
    if (command) {
        qCDebug(lcDfu) << "Resuming sending Init packet...";
        sendData(CommandObject, offset);
        return;
    }
    qCDebug(lcDfu) << "Resuming sending Firmware packet...";
    if (maximumSize < needed) {
        // Objects before the offset are complete; one that ends exactly at
        // it may not have been executed yet.
        m_offset = offset;
        if (offset % kDataObjectSize == 0) {
            executeObject(DataObject);
            return;
        }
    }
    sendData(DataObject, offset);
}

void DFUUpdater::onCreateResponse(const QByteArray &value)
{
    if (!hasLength(value, int(sizeof(s_DfuResponseHeader)), "Create"))
        return;
    if (value.at(1) != char(DfuOpcode::Create) || value.at(2) != char(ResultSuccess)) {
        fail(tr("Create response incorrect header: %1 %2 instead of 1 1")
                 .arg(signedByte(value, 1))
                 .arg(signedByte(value, 2)));
        return;
    }
    qCDebug(lcDfu) << "Object created";
    if (m_state == StateCreateInit) {
        emit updateStatus(StateSetPrn, 0);
        m_state = StateSetPrn;
        writeControlPoint(setPrnRequest());
    } else {
        sendData(DataObject, m_offset);
    }
}

void DFUUpdater::onSetPrnResponse(const QByteArray &value)
{
    if (!hasLength(value, 2, "Set PRN"))
        return;
    if (value.at(1) != char(DfuOpcode::SetPrn)) {
        fail(tr("Unexpected response for Set PRN command: %1").arg(signedByte(value, 1)));
        return;
    }
    sendData(CommandObject, 0);
}

void DFUUpdater::onChecksumResponse(const QByteArray &value)
{
    if (!hasLength(value, 2, "Calculate checksum"))
        return;
    if (value.at(1) != char(DfuOpcode::CalculateChecksum)) {
        fail(tr("Unexpected data in upload state: %1").arg(QString::fromLatin1(value.toHex(':'))));
        return;
    }
    if (!hasLength(value, int(sizeof(s_DfuChecksumResponse)), "Calculate checksum"))
        return;
    const auto response = fromBytes<s_DfuChecksumResponse>(value);
    const uint32_t offset = qFromLittleEndian(response.offset);
    const uint32_t crc = qFromLittleEndian(response.crc32);

    const bool init = m_state == StateUploadInit || m_state == StateCheckInit;
    PrefixCrc &local = init ? m_init : m_image;
    const auto length = uint32_t(local.data().size());
    const uint32_t localCrc = offset <= length ? local.of(offset) : local.of(length);
    if (offset > length || localCrc != crc) {
        fail(tr("CRC32 is incorrect\n Expected: %1\nReceived: %2")
                 .arg(QString::number(localCrc, 16), QString::number(crc, 16)));
        return;
    }

    if (init) {
        if (offset == length) {
            qCDebug(lcDfu) << "Init was succesfully uploaded. Now Executing";
            executeObject(CommandObject);
        } else {
            qCDebug(lcDfu) << "upload in progress, CRC is correct so far";
        }
        return;
    }

    if (offset == length) {
        qCDebug(lcDfu) << "Firmware was succesfully uploaded. Now Executing";
        m_finished = true;
        executeObject(DataObject);
        return;
    }
    m_offset = offset;
    if (offset % kDataObjectSize != 0) {
        qCDebug(lcDfu) << "upload in progress, CRC is correct so far";
        sendData(DataObject, offset);
    } else {
        qCDebug(lcDfu) << "Object chunk uploaded. Executing";
        executeObject(DataObject);
    }
}

void DFUUpdater::onExecuteResponse(const QByteArray &value)
{
    if (!hasLength(value, 2, "Execute"))
        return;
    if (value.at(1) != char(DfuOpcode::Execute)) {
        fail(tr("Unexpected response for execute state: %1").arg(signedByte(value, 1)));
        return;
    }
    if (!hasLength(value, int(sizeof(s_DfuResponseHeader)), "Execute"))
        return;
    if (value.at(2) != char(ResultSuccess)) {
        fail(tr("Execute response incorrect result: %1 instead of 1").arg(signedByte(value, 2)));
        return;
    }

    if (m_state == StateExecuteInit) {
        selectObject(DataObject);
    } else if (m_finished) {
        qCDebug(lcDfu) << "Update finished successufly";
        qCDebug(lcDfu) << "I hope..";
        emit updateStatus(m_state, 100);
        m_offset = 0;
    } else {
        createObject(DataObject);
    }
}

// --- requests -----------------------------------------------------------------

void DFUUpdater::writeControlPoint(const QByteArray &request)
{
    if (m_service)
        m_service->writeCharacteristic(m_controlPoint, request, QLowEnergyService::WriteWithResponse);
}

uint32_t DFUUpdater::progressOf(uint32_t offset) const
{
    const qsizetype length = m_image.data().size();
    if (length == 0)
        return 0;
    return uint32_t(float(offset) / float(length) * 100.0f);
}

void DFUUpdater::selectObject(ObjectType type)
{
    const StateM state = type == CommandObject ? StateSelectInit : StateSelectMain;
    emit updateStatus(state, 0);
    m_state = state;
    writeControlPoint(selectRequest(type));
}

void DFUUpdater::createObject(ObjectType type)
{
    uint32_t size = 0;
    if (type == CommandObject) {
        emit updateStatus(StateCreateInit, 0);
        m_state = StateCreateInit;
        size = uint32_t(m_init.data().size());
    } else {
        setState(StateCreateMain);
        const auto length = uint32_t(m_image.data().size());
        size = qMin(length - qMin(m_offset, length), kDataObjectSize);
        qCDebug(lcDfu) << "Creating new object chunk" << size << m_offset;
    }
    writeControlPoint(createRequest(type, size));
}

void DFUUpdater::executeObject(ObjectType type)
{
    const StateM state = type == CommandObject ? StateExecuteInit : StateExecuteMain;
    emit updateStatus(state, type == CommandObject ? 0 : progressOf(m_offset));
    m_state = state;
    writeControlPoint(executeRequest());
}

void DFUUpdater::setState(StateM state)
{
    emit updateStatus(state, isDataState(state) ? progressOf(m_offset) : 0);
    m_state = state;
}

void DFUUpdater::sendData(ObjectType type, uint32_t offset)
{
    qCDebug(lcDfu).noquote() << QStringLiteral("transferring data. Start at: ") + QString::number(offset, 16);
    const PrefixCrc &local = type == CommandObject ? m_init : m_image;
    const QByteArray &data = local.data();
    if (type == CommandObject) {
        emit updateStatus(StateUploadInit, 0);
        m_state = StateUploadInit;
        qCDebug(lcDfu).noquote() << "load init current firmware file"
                                 << QStringLiteral("%1@%2").arg(data.size()).arg(offset);
        if (m_service)
            m_service->writeCharacteristic(m_packet, data.mid(offset), QLowEnergyService::WriteWithoutResponse);
    } else {
        emit updateStatus(StateUploadMain, progressOf(m_offset));
        m_state = StateUploadMain;
        qCDebug(lcDfu).noquote() << "load main current firmware file"
                                 << QStringLiteral("%1@%2").arg(data.size()).arg(offset);
        if (m_service)
            m_service->writeCharacteristic(m_packet, data.mid(offset, kPacketSize),
                                           QLowEnergyService::WriteWithoutResponse);
    }
}
