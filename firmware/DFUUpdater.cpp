#include "DFUUpdater.h"

#include "BleBackend.h"
#include "BleController.h"
#include "BleDeviceDiscovery.h"
#include "BleService.h"
#include "Firmware.h"
#include "FirmwareLogging.h"
#include "LinkDiagnostics.h"

#include <QBluetoothAddress>
#include <QCoreApplication>
#include <QMetaEnum>

#include <utility>

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
    : QObject(parent), m_givenBackend(backend), m_responseTimer(backend)
{
    qRegisterMetaType<StateM>();
    m_responseTimer.setSingleShot(true);
    m_responseTimer.setInterval(int(kResponseTimeout.count()));
    connect(&m_responseTimer, &BleTimer::timeout, this, &DFUUpdater::onResponseTimeout);
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

void DFUUpdater::setResponseTimeout(std::chrono::milliseconds timeout)
{
    m_responseTimer.setInterval(int(timeout.count()));
}

QString DFUUpdater::resultText(uint8_t result)
{
    static const struct
    {
        uint8_t code;
        const char *name;
    } kResults[] = {
        {ResultInvalidOpcode, QT_TRANSLATE_NOOP("DFUUpdater", "invalid opcode")},
        {ResultSuccess, QT_TRANSLATE_NOOP("DFUUpdater", "success")},
        {ResultOpcodeNotSupported, QT_TRANSLATE_NOOP("DFUUpdater", "opcode not supported")},
        {ResultInvalidParameter, QT_TRANSLATE_NOOP("DFUUpdater", "invalid parameter")},
        {ResultInsufficientResources, QT_TRANSLATE_NOOP("DFUUpdater", "insufficient resources")},
        {ResultInvalidObject, QT_TRANSLATE_NOOP("DFUUpdater", "invalid object")},
        {ResultUnsupportedType, QT_TRANSLATE_NOOP("DFUUpdater", "unsupported type")},
        {ResultOperationNotPermitted, QT_TRANSLATE_NOOP("DFUUpdater", "operation not permitted")},
        {ResultOperationFailed, QT_TRANSLATE_NOOP("DFUUpdater", "operation failed")},
        {ResultExtendedError, QT_TRANSLATE_NOOP("DFUUpdater", "extended error")},
    };
    QString name = tr("unknown result");
    for (const auto &known : kResults) {
        if (known.code == result)
            name = tr(known.name);
    }
    return QStringLiteral("%1 (%2)").arg(result).arg(name);
}

void DFUUpdater::startUpdate(const QString &address)
{
    m_targetAddress = bootloaderAddress(address);
    m_searching = true;
    m_bootloaderFound = false;
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
    m_running = true;
    m_prnSet = false;
    m_restarted = false;
    m_resumeExecute = false;
    m_dataObjectSize = kDataObjectSize;
    // The time-out runs on the clock of the backend that carries the link.
    m_responseTimer.setBackend(backend());
    m_responseTimer.start();

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
    m_running = false;
    m_responseTimer.stop();
}

void DFUUpdater::setFirmware(Firmware *firmware)
{
    // The package of a running transfer is what the bootloader checks each
    // object against: another one now would wreck the transfer.
    if (m_running) {
        qCWarning(lcDfu) << "a package handed over during a transfer is refused";
        delete firmware;
        return;
    }
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
    if (info.address().toString() == m_targetAddress) {
        m_bootloaderFound = true;
        connectToDevice(info);
    }
}

void DFUUpdater::onDeviceDiscoveryFinished()
{
    qCDebug(lcDfu) << "Device Discovery Finished";
    // A scan that ends without the bootloader would otherwise leave the
    // update waiting for ever.
    if (!m_searching || m_bootloaderFound)
        return;
    m_searching = false;
    const QString message = tr("The bootloader %1 was not found").arg(m_targetAddress);
    qCWarning(lcDfu).noquote() << message;
    emit error(message);
}

void DFUUpdater::onControllerConnected()
{
    qCDebug(lcDfu) << "Connected to device. Searching services...";
    m_controller->discoverServices();
}

void DFUUpdater::onServiceDiscovered(const QBluetoothUuid &newService)
{
    logServiceDiscovered(lcDfu, newService);
}

void DFUUpdater::onServiceDiscoveryFinished()
{
    BleService *service = m_controller->createServiceObject(serviceUuid(), this);
    if (!service) {
        qCWarning(lcDfu) << "DFU service not found";
        failNotInBootloader();
        return;
    }
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
    m_packet = m_service->characteristic(packetUuid());
    if (!m_packet.isValid())
        qCWarning(lcDfu) << "Settings failed to get characteristic DFU_SECURE_PACKET";
    // A device running its application offers at most the buttonless DFU
    // characteristic here: nothing would ever answer the requests.
    if (!m_controlPoint.isValid() || !m_packet.isValid()) {
        failNotInBootloader();
        return;
    }

    const BleDescriptor notify = m_controlPoint.clientCharacteristicConfiguration();
    if (!notify.isValid())
        qCWarning(lcDfu) << "Settings failed to get notify descriptor for DFU_SECURE_CONTROL_POINT";
    m_service->writeDescriptor(notify, QByteArray::fromHex("0100"));

    selectObject(CommandObject);
}

void DFUUpdater::failNotInBootloader()
{
    const QString device = m_controller->remoteAddress().toString();
    fail(tr("%1 is not in its bootloader: it offers no DFU control point and packet, so it cannot take firmware.")
             .arg(device));
    // The link to a running device is of no use to anyone.
    m_controller->disconnect(this);
    m_controller->disconnectFromDevice();
}

void DFUUpdater::onControllerError(QLowEnergyController::Error error)
{
    qCWarning(lcDfu) << "Cannot connect to remote device." << enumName(error);
    auto *controller = qobject_cast<BleController *>(sender());
    if (controller)
        qCWarning(lcDfu).noquote() << controller->errorString();
    // A link that could not be made or was lost ends the transfer: nothing
    // will answer on it.
    if (controller && controller == m_controller)
        fail(tr("Connection to the bootloader failed during \"%1\": %2")
                 .arg(stateText(m_state), controller->errorString()));
}

void DFUUpdater::onControllerDisconnected()
{
    qCDebug(lcDfu) << "LowEnergy controller disconnected";
    if (sender() == m_controller)
        fail(tr("Connection to the bootloader lost during \"%1\"").arg(stateText(m_state)));
}

void DFUUpdater::onResponseTimeout()
{
    fail(tr("No answer from the bootloader within %1 s during \"%2\"")
             .arg(QString::number(double(m_responseTimer.interval()) / 1000.0), stateText(m_state)));
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
    qCDebug(lcDfu).noquote() << "Characteristic changed" << characteristicName(characteristic) << hexBytes(value)
                             << "current state" << int(m_state);
    if (!characteristic.isValid() || characteristic != m_controlPoint || !m_running)
        return;
    m_responseTimer.start();

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
    qCDebug(lcDfu).noquote() << "Characteristic read" << characteristicName(characteristic) << hexBytes(value);
}

// Packets go without response, so only control point requests are confirmed
// here; the transfer moves on the bootloader's notifications alone.
void DFUUpdater::onCharacteristicWritten(const BleCharacteristic &characteristic, const QByteArray &value)
{
    qCDebug(lcDfu).noquote() << "Characteristic written" << characteristicName(characteristic) << hexBytes(value);
}

bool DFUUpdater::hasLength(const QByteArray &value, int needed, const char *request)
{
    if (value.size() >= needed)
        return true;
    fail(tr("Response to %1 too short: %2 bytes instead of %3 (%4)")
             .arg(QLatin1String(request))
             .arg(value.size())
             .arg(needed)
             .arg(hexBytes(value)));
    return false;
}

void DFUUpdater::fail(const QString &message)
{
    if (!m_running) {
        qCDebug(lcDfu).noquote() << "after the transfer ended:" << message;
        return;
    }
    qCWarning(lcDfu).noquote() << message;
    m_running = false;
    m_responseTimer.stop();
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
    PrefixCrc &local = command ? m_init : m_image;
    const auto length = uint32_t(local.data().size());
    // An offset beyond the local object cannot match it.
    const bool crcMatches = offset <= length && local.of(offset) == crc;

    if (command) {
        // Creating the command object makes the bootloader discard all it
        // received, the image included.
        if (!crcMatches || offset == 0 || maximumSize < kCommandObjectSizeNeeded) {
            qCDebug(lcDfu) << "crc or size is incorrect,  recreating object";
            m_offset = 0;
            createObject(CommandObject);
            return;
        }
        qCDebug(lcDfu) << "crc32 is correct";
        if (offset == length) {
            qCDebug(lcDfu) << "Init uploaded successfully";
            executeObject(CommandObject);
        } else {
            qCDebug(lcDfu) << "Resuming sending Init packet...";
            sendData(CommandObject, offset);
        }
        return;
    }

    if (maximumSize == 0) {
        fail(tr("Select response reports a maximum object size of 0"));
        return;
    }
    m_dataObjectSize = qMin(maximumSize, kDataObjectSize);
    if (offset == 0) {
        // Nothing received: a bootloader takes packets only into an object
        // that was created.
        qCDebug(lcDfu) << "crc or size is incorrect,  recreating object";
        m_offset = 0;
        createObject(DataObject);
        return;
    }
    if (!crcMatches) {
        // The kept image is not this package's. Where the bootloader's own
        // objects begin is not known here, so start over: a new command
        // object discards the image on the bootloader's side.
        if (m_restarted) {
            fail(tr("CRC32 is incorrect\n Expected: %1\nReceived: %2")
                     .arg(QString::number(local.of(qMin(offset, length)), 16), QString::number(crc, 16)));
            return;
        }
        qCDebug(lcDfu) << "crc or size is incorrect,  recreating object";
        m_restarted = true;
        m_offset = 0;
        createObject(CommandObject);
        return;
    }

    qCDebug(lcDfu) << "crc32 is correct";
    m_offset = offset;
    if (offset == length) {
        qCDebug(lcDfu) << "Firmware uploaded successfully";
        m_finished = true;
        executeObject(DataObject);
        return;
    }
    qCDebug(lcDfu) << "Resuming sending Firmware packet...";
    if (offset % m_dataObjectSize == 0) {
        // The object that ends here may not have been executed yet.
        m_resumeExecute = true;
        executeObject(DataObject);
        return;
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
    if (m_state == StateCreateInit)
        sendData(CommandObject, 0);
    else
        sendData(DataObject, m_offset);
}

void DFUUpdater::onSetPrnResponse(const QByteArray &value)
{
    if (!hasLength(value, 2, "Set PRN"))
        return;
    if (value.at(1) != char(DfuOpcode::SetPrn)) {
        fail(tr("Unexpected response for Set PRN command: %1").arg(signedByte(value, 1)));
        return;
    }
    // Without receipts the transfer would wait for ever.
    if (!hasLength(value, int(sizeof(s_DfuResponseHeader)), "Set PRN"))
        return;
    if (value.at(2) != char(ResultSuccess)) {
        fail(tr("Set PRN refused by the bootloader: %1").arg(resultText(uint8_t(value.at(2)))));
        return;
    }
    m_prnSet = true;
    sendData(m_pendingType, m_pendingOffset);
}

void DFUUpdater::onChecksumResponse(const QByteArray &value)
{
    if (!hasLength(value, 2, "Calculate checksum"))
        return;
    if (value.at(1) != char(DfuOpcode::CalculateChecksum)) {
        fail(tr("Unexpected data in upload state: %1").arg(hexBytes(value)));
        return;
    }
    // A receipt due for a packet that the bootloader refused.
    if (value.size() >= int(sizeof(s_DfuResponseHeader)) && value.at(2) != char(ResultSuccess)) {
        fail(tr("Packet refused by the bootloader: %1").arg(resultText(uint8_t(value.at(2)))));
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
    if (offset % m_dataObjectSize != 0) {
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
    const bool resumed = std::exchange(m_resumeExecute, false);
    if (resumed && value.at(2) == char(ResultOperationNotPermitted) && !m_finished) {
        // The object ending at the offset was executed and the next one
        // created before the link was lost: create it anew.
        createObject(DataObject);
        return;
    }
    if (value.at(2) != char(ResultSuccess)) {
        fail(tr("Execute response incorrect result: %1 instead of 1").arg(signedByte(value, 2)));
        return;
    }

    if (m_state == StateExecuteInit) {
        selectObject(DataObject);
    } else if (m_finished) {
        qCDebug(lcDfu) << "Update finished successufly";
        qCDebug(lcDfu) << "I hope..";
        m_running = false;
        m_responseTimer.stop();
        emit updateStatus(m_state, 100);
        m_offset = 0;
        emit finished();
    } else {
        createObject(DataObject);
    }
}

// --- requests -----------------------------------------------------------------

void DFUUpdater::writeControlPoint(const QByteArray &request)
{
    if (!m_service)
        return;
    m_responseTimer.start();
    m_service->writeCharacteristic(m_controlPoint, request, QLowEnergyService::WriteWithResponse);
}

void DFUUpdater::writePacket(const QByteArray &packet)
{
    if (!m_service)
        return;
    m_responseTimer.start();
    m_service->writeCharacteristic(m_packet, packet, QLowEnergyService::WriteWithoutResponse);
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
    setState(type == CommandObject ? StateSelectInit : StateSelectMain);
    writeControlPoint(selectRequest(type));
}

void DFUUpdater::createObject(ObjectType type)
{
    uint32_t size = 0;
    if (type == CommandObject) {
        setState(StateCreateInit);
        size = uint32_t(m_init.data().size());
    } else {
        setState(StateCreateMain);
        const auto length = uint32_t(m_image.data().size());
        size = qMin(length - qMin(m_offset, length), m_dataObjectSize);
        qCDebug(lcDfu) << "Creating new object chunk" << size << m_offset;
    }
    writeControlPoint(createRequest(type, size));
}

void DFUUpdater::executeObject(ObjectType type)
{
    setState(type == CommandObject ? StateExecuteInit : StateExecuteMain);
    writeControlPoint(executeRequest());
}

void DFUUpdater::setState(StateM state)
{
    emit updateStatus(state, isDataState(state) ? progressOf(m_offset) : 0);
    m_state = state;
}

void DFUUpdater::sendData(ObjectType type, uint32_t offset)
{
    // Receipts are a setting of the link: a new link starts without them.
    if (!m_prnSet) {
        m_pendingType = type;
        m_pendingOffset = offset;
        setState(StateSetPrn);
        writeControlPoint(setPrnRequest());
        return;
    }

    qCDebug(lcDfu).noquote() << QStringLiteral("transferring data. Start at: ") + QString::number(offset, 16);
    const QByteArray &data = (type == CommandObject ? m_init : m_image).data();
    if (type == CommandObject) {
        setState(StateUploadInit);
        qCDebug(lcDfu).noquote() << "load init current firmware file"
                                 << QStringLiteral("%1@%2").arg(data.size()).arg(offset);
        // The rest of the init packet in writes as long as the link carries;
        // the bootloader appends them to the one command object.
        // An MTU the platform does not report counts as the smallest, 23.
        const int mtu = qMax(m_controller ? m_controller->mtu() : 0, BleController::kDefaultMtu);
        const qsizetype chunk = qMax(1, mtu - kAttWriteHeader);
        for (qsizetype at = offset; at < data.size(); at += chunk)
            writePacket(data.mid(at, chunk));
    } else {
        setState(StateUploadMain);
        qCDebug(lcDfu).noquote() << "load main current firmware file"
                                 << QStringLiteral("%1@%2").arg(data.size()).arg(offset);
        // A packet never runs past the end of its data object.
        const uint32_t objectEnd = (offset / m_dataObjectSize + 1) * m_dataObjectSize;
        writePacket(data.mid(offset, qMin(kPacketSize, objectEnd - offset)));
    }
}
