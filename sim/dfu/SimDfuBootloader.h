#pragma once

#include "SimDfuInitPacket.h"
#include "SimPeripheral.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

// A simulated Nordic Secure DFU bootloader: service 0xFE59 with the control
// point (write, notify) and the packet characteristic (write without
// response). It keeps one command object (the init packet, up to 256 bytes)
// and the image in data objects of up to 4096 bytes:
//   Select        -> maximum size, offset and CRC-32 of the object type;
//   Create        -> a new command object, or a data object that starts at
//                    the end of the last executed one;
//   Set PRN n     -> a receipt (offset and CRC-32 of everything received of
//                    the current object type) after every n packets;
//   Calculate checksum, Execute -> as a bootloader answers them.
// Every answer is a notification 0x60, opcode, result. What it received
// survives a broken link: a Select after reconnecting reports the offset and
// CRC reached, writes go on from there, and sending the same init packet
// again keeps the image received so far (a different one starts over).
// Packets go only into a created object: after a Select without a Create
// they continue the object that was being written, and with no object
// created they are dropped (no receipt follows). The Execute that completes the image checks it against the init
// packet; then the bootloader reboots into it (imageActivated) and leaves
// the air.
class SimDfuBootloader : public SimPeripheral
{
    Q_OBJECT
public:
    static constexpr uint32_t kCommandObjectMaxSize = 256;
    static constexpr uint32_t kDataObjectMaxSize = 4096;
    static constexpr int kRebootMs = 200;

    enum Opcode : uint8_t {
        OpCreate = 0x01,
        OpSetPrn = 0x02,
        OpCalculateChecksum = 0x03,
        OpExecute = 0x04,
        OpSelect = 0x06,
        OpResponse = 0x60,
    };
    enum Result : uint8_t {
        ResultInvalidOpcode = 0x00,
        ResultSuccess = 0x01,
        ResultOpcodeNotSupported = 0x02,
        ResultInvalidParameter = 0x03,
        ResultInsufficientResources = 0x04,
        ResultInvalidObject = 0x05,
        ResultUnsupportedType = 0x07,
        ResultOperationNotPermitted = 0x08,
        ResultOperationFailed = 0x0A,
        ResultExtendedError = 0x0B,
    };
    enum ExtendedError : uint8_t {
        ExtInitCommandInvalid = 0x04,
        ExtVerificationFailed = 0x0C,
    };

    explicit SimDfuBootloader(const QBluetoothAddress &address, const QString &name = QStringLiteral("DfuTarg"),
                              QObject *parent = nullptr);
    ~SimDfuBootloader() override;

    quint16 controlPointHandle() const { return m_controlPoint; }
    quint16 packetHandle() const { return m_packet; }

    // Fault injection: the occurrence-th request with that opcode (counted
    // from now; for Create, Select and Execute only those of objectType when
    // it is not 0) is answered with result and otherwise ignored.
    void refuseRequest(uint8_t opcode, uint8_t result, int occurrence = 1, uint8_t objectType = 0);

    // What has arrived so far.
    QByteArray commandObject() const { return m_command; }
    bool hasValidInit() const { return m_initValid; }
    QByteArray receivedImage() const { return m_image; }
    uint32_t executedOffset() const { return m_executedOffset; }
    // Image bytes of every packet taken, resent ones included.
    qint64 imageBytesWritten() const { return m_imageBytesWritten; }
    // Sizes of the data objects in the order they were created.
    QList<uint32_t> createdDataObjects() const { return m_createdDataObjects; }
    int packetsReceived() const { return m_packetsReceived; }

    // The image it booted, once it did.
    std::optional<s_SimDfuInitPacket> activatedInit() const { return m_activatedInit; }
    QByteArray activatedImage() const { return m_activatedImage; }

signals:
    // The last Execute checked the image; the bootloader restarts into it.
    void imageActivated(const QByteArray &image, uint16_t firmwareVersion, uint8_t imageType);

protected:
    void onConnected(SimConnection *connection) override;
    quint8 onWrite(SimConnection *connection, SimGattCharacteristic &characteristic, const QByteArray &value,
                   bool withResponse) override;

private:
    struct Refusal
    {
        uint8_t opcode;
        uint8_t result;
        int remaining;
        uint8_t objectType;
    };

    void onRequest(SimConnection *connection, const QByteArray &request);
    void onPacket(SimConnection *connection, const QByteArray &packet);
    QByteArray select(uint8_t type);
    QByteArray create(uint8_t type, uint32_t size);
    QByteArray execute();
    QByteArray checksum() const;
    bool refused(uint8_t opcode, uint8_t type, uint8_t &result);
    void resetImage();
    void activate();
    static QByteArray answer(uint8_t opcode, uint8_t result, const QByteArray &payload = QByteArray());

    quint16 m_controlPoint = 0;
    quint16 m_packet = 0;

    // Transport state of the link (a new link starts without them).
    uint8_t m_currentType = 0;
    uint32_t m_prn = 0;
    uint32_t m_packetsSinceReceipt = 0;

    // The command object.
    bool m_commandCreated = false;
    uint32_t m_commandSize = 0;
    QByteArray m_command;
    bool m_initValid = false;
    QByteArray m_acceptedInit;
    std::optional<s_SimDfuInitPacket> m_init;

    // The image: everything received, the CRC-32 of it, and the same for the
    // end of the last executed object.
    QByteArray m_image;
    uint32_t m_imageCrc = 0;
    uint32_t m_executedOffset = 0;
    uint32_t m_executedCrc = 0;
    uint32_t m_objectSize = 0; // of the current data object, 0 when none

    QList<Refusal> m_refusals;
    qint64 m_imageBytesWritten = 0;
    QList<uint32_t> m_createdDataObjects;
    int m_packetsReceived = 0;
    bool m_rebooting = false;
    std::optional<s_SimDfuInitPacket> m_activatedInit;
    QByteArray m_activatedImage;
};
