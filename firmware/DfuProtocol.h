#pragma once

#include <QBluetoothUuid>
#include <QByteArray>
#include <QtEndian>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The client side of Nordic's Secure DFU over BLE: the requests the DFU
// client writes to the control point and the notifications it reads back.
namespace dfu {

// Control point requests (written with response) and the response code.
enum class DfuOpcode : uint8_t {
    Create = 0x01,
    SetPrn = 0x02,
    CalculateChecksum = 0x03,
    Execute = 0x04,
    Select = 0x06,
    Response = 0x60,
};

enum ObjectType : uint8_t {
    CommandObject = 1, // the init packet
    DataObject = 2,    // the firmware image
};

// The result byte of a control point notification.
enum ResultCode : uint8_t {
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

// Bytes of the image in one write to the packet characteristic.
constexpr uint32_t kPacketSize = 128;
// Largest data object the client creates; smaller when the bootloader's
// Select reports a smaller maximum.
constexpr uint32_t kDataObjectSize = 4096;
// A command object must be able to hold this much to be resumed.
constexpr uint32_t kCommandObjectSizeNeeded = 1024;
// Packets between two receipt notifications.
constexpr uint32_t kPacketReceiptInterval = 1;
// Bytes of an ATT write that are not payload (opcode and handle).
constexpr int kAttWriteHeader = 3;
// The longest the client waits for the bootloader's next answer. A working
// link, however slow, answers far sooner: the longest step of a real
// bootloader (erasing a page on Create, checking the whole image on the
// last Execute) takes well under a second, a request and its answer take a
// few connection intervals of at most 4 s each, and an ATT transaction that
// is not answered within 30 s has failed by the Bluetooth core's own rule.
constexpr std::chrono::milliseconds kResponseTimeout{30000};

QBluetoothUuid serviceUuid();      // 0xFE59
QBluetoothUuid controlPointUuid(); // 8EC90001-F315-4F60-9FB8-838830DAEA50
QBluetoothUuid packetUuid();       // 8EC90002-F315-4F60-9FB8-838830DAEA50

#pragma pack(push, 1)
struct s_DfuSelectRequest
{
    uint8_t opcode; // DfuOpcode::Select
    uint8_t objectType;
};
struct s_DfuCreateRequest
{
    uint8_t opcode; // DfuOpcode::Create
    uint8_t objectType;
    uint32_t objectSize;
};
struct s_DfuSetPrnRequest
{
    uint8_t opcode; // DfuOpcode::SetPrn
    uint32_t value;
};
// The three bytes every control point notification starts with.
struct s_DfuResponseHeader
{
    uint8_t responseCode; // DfuOpcode::Response
    uint8_t requestOpcode;
    uint8_t result;
};
struct s_DfuSelectResponse
{
    s_DfuResponseHeader header;
    uint32_t maximumSize;
    uint32_t offset;
    uint32_t crc32;
};
// The answer to Calculate checksum, and the packet receipt notification.
struct s_DfuChecksumResponse
{
    s_DfuResponseHeader header;
    uint32_t offset;
    uint32_t crc32;
};
#pragma pack(pop)

static_assert(sizeof(s_DfuSelectRequest) == 2);
static_assert(sizeof(s_DfuCreateRequest) == 6 && offsetof(s_DfuCreateRequest, objectSize) == 2);
static_assert(sizeof(s_DfuSetPrnRequest) == 5 && offsetof(s_DfuSetPrnRequest, value) == 1);
static_assert(sizeof(s_DfuResponseHeader) == 3);
static_assert(sizeof(s_DfuSelectResponse) == 15 && offsetof(s_DfuSelectResponse, maximumSize) == 3
              && offsetof(s_DfuSelectResponse, offset) == 7 && offsetof(s_DfuSelectResponse, crc32) == 11);
static_assert(sizeof(s_DfuChecksumResponse) == 11 && offsetof(s_DfuChecksumResponse, offset) == 3
              && offsetof(s_DfuChecksumResponse, crc32) == 7);

template<typename Record>
QByteArray toBytes(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof(Record));
}

// The record at the start of value; the caller checks the length first.
template<typename Record>
Record fromBytes(const QByteArray &value)
{
    Record record;
    std::memcpy(&record, value.constData(), sizeof(Record));
    return record;
}

QByteArray selectRequest(ObjectType type);
QByteArray createRequest(ObjectType type, uint32_t size);
QByteArray setPrnRequest(uint32_t value = kPacketReceiptInterval);
QByteArray calculateChecksumRequest();
QByteArray executeRequest();

// The CRC-32 of a leading part of one blob. Receipts ask for ever longer
// prefixes, so the last result is extended instead of computed anew.
class PrefixCrc
{
public:
    void setData(const QByteArray &data);
    const QByteArray &data() const { return m_data; }
    // CRC of the first length bytes; length must not exceed the data.
    uint32_t of(qsizetype length);

private:
    QByteArray m_data;
    qsizetype m_length = 0;
    uint32_t m_crc = 0;
};

} // namespace dfu
