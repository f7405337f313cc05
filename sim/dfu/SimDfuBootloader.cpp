#include "SimDfuBootloader.h"

#include "SimLogging.h"

#include <QtEndian>

#include "Crc32.h"

namespace {

const QBluetoothUuid kDfuService(quint16(0xFE59));
const QBluetoothUuid kControlPoint(QStringLiteral("8ec90001-f315-4f60-9fb8-838830daea50"));
const QBluetoothUuid kPacket(QStringLiteral("8ec90002-f315-4f60-9fb8-838830daea50"));

constexpr uint8_t kCommand = 1;
constexpr uint8_t kData = 2;

QByteArray le32(uint32_t value)
{
    const uint32_t le = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&le), 4);
}

} // namespace

SimDfuBootloader::SimDfuBootloader(const QBluetoothAddress &address, const QString &name, QObject *parent)
    : SimPeripheral(address, name, parent)
{
    gatt().addService(kDfuService);
    m_controlPoint = gatt().addCharacteristic(kDfuService, kControlPoint,
                                              QLowEnergyCharacteristic::Write | QLowEnergyCharacteristic::Notify);
    m_packet = gatt().addCharacteristic(kDfuService, kPacket,
                                        QLowEnergyCharacteristic::WriteNoResponse | QLowEnergyCharacteristic::Notify);
}

SimDfuBootloader::~SimDfuBootloader() = default;

void SimDfuBootloader::refuseRequest(uint8_t opcode, uint8_t result, int occurrence, uint8_t objectType)
{
    m_refusals.append(Refusal{opcode, result, qMax(1, occurrence), objectType});
}

void SimDfuBootloader::setMaximumObjectSizes(uint32_t command, uint32_t data)
{
    m_commandMaxSize = command;
    m_dataMaxSize = qMax<uint32_t>(1, data);
}

void SimDfuBootloader::onConnected(SimConnection *)
{
    m_prn = 0;
    m_packetsSinceReceipt = 0;
}

quint8 SimDfuBootloader::onWrite(SimConnection *connection, SimGattCharacteristic &characteristic,
                                 const QByteArray &value, bool withResponse)
{
    if (m_rebooting)
        return SimAtt::UnlikelyError;
    if (characteristic.valueHandle == m_controlPoint) {
        if (!withResponse)
            return SimAtt::WriteNotPermitted;
        // The answers are notifications, so a client must ask for them first.
        if (!connection->notificationsEnabled(m_controlPoint))
            return SimAtt::CccdImproperlyConfigured;
        onRequest(connection, value);
        return SimAtt::Success;
    }
    if (characteristic.valueHandle == m_packet) {
        if (withResponse)
            return SimAtt::WriteNotPermitted;
        onPacket(connection, value);
        return SimAtt::Success;
    }
    return SimPeripheral::onWrite(connection, characteristic, value, withResponse);
}

QByteArray SimDfuBootloader::answer(uint8_t opcode, uint8_t result, const QByteArray &payload)
{
    QByteArray bytes;
    bytes.append(char(OpResponse));
    bytes.append(char(opcode));
    bytes.append(char(result));
    if (result == ResultSuccess)
        bytes.append(payload);
    return bytes;
}

bool SimDfuBootloader::refused(uint8_t opcode, uint8_t type, uint8_t &result)
{
    for (qsizetype i = 0; i < m_refusals.size(); ++i) {
        Refusal &refusal = m_refusals[i];
        if (refusal.opcode != opcode || (refusal.objectType != 0 && refusal.objectType != type))
            continue;
        if (--refusal.remaining > 0)
            return false;
        result = refusal.result;
        m_refusals.removeAt(i);
        return true;
    }
    return false;
}

void SimDfuBootloader::onRequest(SimConnection *connection, const QByteArray &request)
{
    if (request.isEmpty()) {
        notify(connection, m_controlPoint, answer(0, ResultInvalidOpcode));
        return;
    }
    const auto opcode = uint8_t(request.at(0));
    const uint8_t type = request.size() > 1 ? uint8_t(request.at(1)) : m_currentType;
    uint8_t result = 0;
    if (refused(opcode, opcode == OpExecute ? m_currentType : type, result)) {
        qCDebug(lcSim) << "bootloader refuses opcode" << opcode << "with" << result;
        notify(connection, m_controlPoint, answer(opcode, result));
        return;
    }

    QByteArray response;
    switch (opcode) {
    case OpSelect:
        response = request.size() == 2 ? select(type) : answer(opcode, ResultInvalidParameter);
        break;
    case OpCreate:
        response = request.size() == 6 ? create(type, qFromLittleEndian<uint32_t>(request.constData() + 2))
                                        : answer(opcode, ResultInvalidParameter);
        break;
    case OpSetPrn:
        // The value is 16 bits wide; clients may send more bytes.
        if (request.size() >= 3) {
            m_prn = qFromLittleEndian<uint16_t>(request.constData() + 1);
            m_packetsSinceReceipt = 0;
            response = answer(opcode, ResultSuccess);
        } else {
            response = answer(opcode, ResultInvalidParameter);
        }
        break;
    case OpCalculateChecksum:
        response = checksum();
        break;
    case OpExecute:
        response = execute();
        break;
    default:
        response = answer(opcode, ResultOpcodeNotSupported);
        break;
    }
    notify(connection, m_controlPoint, response);
    if (m_rebooting)
        after(kRebootMs, [this] { activate(); });
}

QByteArray SimDfuBootloader::select(uint8_t type)
{
    if (type == kCommand) {
        m_currentType = kCommand;
        return answer(OpSelect, ResultSuccess,
                      le32(m_commandMaxSize) + le32(uint32_t(m_command.size())) + le32(checksum::crc32(m_command)));
    }
    if (type == kData) {
        m_currentType = kData;
        return answer(OpSelect, ResultSuccess, le32(m_dataMaxSize) + le32(uint32_t(m_image.size())) + le32(m_imageCrc));
    }
    return answer(OpSelect, ResultUnsupportedType);
}

QByteArray SimDfuBootloader::create(uint8_t type, uint32_t size)
{
    if (type == kCommand) {
        m_currentType = kCommand;
        if (size == 0)
            return answer(OpCreate, ResultInvalidParameter);
        if (size > m_commandMaxSize)
            return answer(OpCreate, ResultInsufficientResources);
        // A new init packet starts the update over.
        resetProgress();
        m_commandSize = size;
        return answer(OpCreate, ResultSuccess);
    }
    if (type == kData) {
        m_currentType = kData;
        if (!m_initValid)
            return answer(OpCreate, ResultOperationNotPermitted);
        if (size == 0)
            return answer(OpCreate, ResultInvalidParameter);
        if (size % m_dataMaxSize != 0 && m_executedOffset + size != m_init->imageSize)
            return answer(OpCreate, ResultInvalidParameter);
        if (size > m_dataMaxSize)
            return answer(OpCreate, ResultInsufficientResources);
        if (m_executedOffset + size > m_init->imageSize)
            return answer(OpCreate, ResultOperationNotPermitted);
        // A new object replaces whatever followed the last executed one.
        m_image.truncate(m_executedOffset);
        m_imageCrc = m_executedCrc;
        m_objectSize = size;
        m_createdDataObjects.append(size);
        return answer(OpCreate, ResultSuccess);
    }
    return answer(OpCreate, ResultUnsupportedType);
}

QByteArray SimDfuBootloader::checksum() const
{
    if (m_currentType == kCommand)
        return answer(OpCalculateChecksum, ResultSuccess, le32(uint32_t(m_command.size())) + le32(checksum::crc32(m_command)));
    if (m_currentType == kData)
        return answer(OpCalculateChecksum, ResultSuccess, le32(uint32_t(m_image.size())) + le32(m_imageCrc));
    return answer(OpCalculateChecksum, ResultOperationNotPermitted);
}

QByteArray SimDfuBootloader::execute()
{
    if (m_currentType == kCommand) {
        if (m_commandSize == 0 || uint32_t(m_command.size()) != m_commandSize)
            return answer(OpExecute, ResultOperationNotPermitted);
        if (m_initValid)
            return answer(OpExecute, ResultSuccess); // executed before: the image received so far stays
        const std::optional<s_SimDfuInitPacket> init = SimDfuInit::parse(m_command);
        if (!init) {
            QByteArray refusal = answer(OpExecute, ResultExtendedError);
            refusal.append(char(ExtInitCommandInvalid));
            return refusal;
        }
        m_init = init;
        m_initValid = true;
        return answer(OpExecute, ResultSuccess);
    }
    if (m_currentType != kData || !m_initValid)
        return answer(OpExecute, ResultOperationNotPermitted);

    // The object must be complete; with none open, nothing is executed.
    const auto offset = uint32_t(m_image.size());
    if (offset - m_executedOffset != m_objectSize)
        return answer(OpExecute, ResultOperationNotPermitted);
    m_executedOffset = offset;
    m_executedCrc = m_imageCrc;
    m_objectSize = 0;
    if (offset < m_init->imageSize)
        return answer(OpExecute, ResultSuccess);

    if (!SimDfuInit::matches(*m_init, m_image)) {
        resetImage();
        QByteArray refusal = answer(OpExecute, ResultExtendedError);
        refusal.append(char(ExtVerificationFailed));
        return refusal;
    }
    m_rebooting = true;
    return answer(OpExecute, ResultSuccess);
}

uint8_t SimDfuBootloader::write(const QByteArray &packet)
{
    const auto length = uint32_t(packet.size());
    if (m_currentType == kCommand) {
        // With no command object created its size is 0: nothing fits.
        if (uint32_t(m_command.size()) + length > m_commandSize)
            return ResultInvalidParameter;
        m_command.append(packet);
        return ResultSuccess;
    }
    if (m_currentType != kData || !m_initValid)
        return ResultOperationNotPermitted;
    // The data object created last; after a broken link it goes on where
    // it stands. With none open (or the last one executed) its size is 0.
    if (uint32_t(m_image.size()) - m_executedOffset + length > m_objectSize)
        return ResultInvalidParameter;
    m_image.append(packet);
    m_imageCrc = checksum::crc32(packet.constData(), std::size_t(packet.size()), m_imageCrc);
    m_imageBytesWritten += packet.size();
    return ResultSuccess;
}

void SimDfuBootloader::onPacket(SimConnection *connection, const QByteArray &packet)
{
    ++m_packetsReceived;
    const uint8_t result = write(packet);
    if (result != ResultSuccess)
        qCDebug(lcSim) << "bootloader refuses a packet of" << packet.size() << "bytes with" << result;

    if (m_prn > 0 && ++m_packetsSinceReceipt >= m_prn) {
        m_packetsSinceReceipt = 0;
        notify(connection, m_controlPoint, result == ResultSuccess ? checksum() : answer(OpCalculateChecksum, result));
    }
}

void SimDfuBootloader::resetProgress()
{
    m_commandSize = 0;
    m_command.clear();
    m_initValid = false;
    m_init.reset();
    resetImage();
}

void SimDfuBootloader::resetImage()
{
    m_image.clear();
    m_imageCrc = 0;
    m_executedOffset = 0;
    m_executedCrc = 0;
    m_objectSize = 0;
}

void SimDfuBootloader::activate()
{
    m_activatedInit = m_init;
    m_activatedImage = m_image;
    qCInfo(lcSim) << "bootloader" << address().toString() << "boots an image of" << m_image.size() << "bytes";
    setAdvertising(false);
    setConnectable(false);
    disconnectAll();

    resetProgress();
    m_currentType = kCommand;
    emit imageActivated(m_activatedImage, m_activatedInit->firmwareVersion, m_activatedInit->imageType);
}
