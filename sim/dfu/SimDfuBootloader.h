#pragma once

#include "SimDfuInitPacket.h"
#include "SimPeripheral.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <optional>

// A simulated Nordic Secure DFU bootloader: service 0xFE59 with the control
// point (write, notify) and the packet characteristic (write without
// response). It follows the rules of a real Secure DFU bootloader:
//   Select        -> maximum object size, offset and CRC-32 of the object
//                    type; changes nothing else;
//   Create (command) -> resets all progress: the init packet and every byte
//                    of the image received so far are discarded;
//   Create (data) -> a new data object at the end of the last executed one
//                    (needs an executed init packet; the size is a multiple
//                    of the maximum unless the object ends the image);
//   packet writes -> appended to the current object; several writes may fill
//                    one object. A write that would pass the object's end,
//                    or finds no object to go into, is refused whole;
//   Set PRN n     -> after every n packet writes a receipt: the offset and
//                    CRC-32 of the current object type, or 60 03 <result>
//                    when that write was refused. The value belongs to the
//                    link: a new link starts with PRN 0 (no receipts);
//   Calculate checksum, Execute -> as a bootloader answers them.
// Every answer is a notification 0x60, opcode, result. What it received
// lives in RAM and survives a broken link (the current object type too): a
// Select after reconnecting reports the offset and CRC reached. Executing a
// kept init packet again keeps the image. The Execute that completes the
// image checks it against the init packet; then the bootloader reboots into
// it (imageActivated) and leaves the air.
class SimDfuBootloader : public SimPeripheral
{
    Q_OBJECT
public:
    // The maximum object sizes Select reports by default.
    static constexpr uint32_t kCommandObjectMaxSize = 512;
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

    // The maximum object sizes that Select reports and Create enforces.
    void setMaximumObjectSizes(uint32_t command, uint32_t data);

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
    // Appends a packet to the current object; the result of the write.
    uint8_t write(const QByteArray &packet);
    bool refused(uint8_t opcode, uint8_t type, uint8_t &result);
    void resetProgress();
    void resetImage();
    void activate();
    static QByteArray answer(uint8_t opcode, uint8_t result, const QByteArray &payload = QByteArray());

    quint16 m_controlPoint = 0;
    quint16 m_packet = 0;
    uint32_t m_commandMaxSize = kCommandObjectMaxSize;
    uint32_t m_dataMaxSize = kDataObjectMaxSize;

    // The object type that packets, Calculate checksum and Execute go to.
    uint8_t m_currentType = 1;

    // Transport state of the link (a new link starts without them).
    uint32_t m_prn = 0;
    uint32_t m_packetsSinceReceipt = 0;

    // The command object (size 0 when none was created).
    uint32_t m_commandSize = 0;
    QByteArray m_command;
    bool m_initValid = false;
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
