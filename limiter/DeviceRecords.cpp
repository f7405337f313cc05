#include "DeviceRecords.h"

#include <algorithm>

namespace {

// Copies the bytes [from, end) of value to the same offsets of record.
void copyRange(const QByteArray &value, void *record, std::size_t from, std::size_t end)
{
    std::memcpy(static_cast<char *>(record) + from, value.constData() + from, end - from);
}

// The end of the area that offset lies in, from a list of area ends.
template<std::size_t N>
std::size_t areaEnd(const std::size_t (&ends)[N], std::size_t offset)
{
    for (std::size_t end : ends) {
        if (offset < end)
            return end;
    }
    return ends[N - 1];
}

} // namespace

namespace RecordTakeOver {

bool commonSettings(const QByteArray &value, s_CommonSettBle &record)
{
    // The user name, slowdownTime to reserved62 and country to
    // loggerMemoryBlocks; reserved32, reserved63 and reserved92 stay zero.
    if (value.size() < qsizetype(offsetof(s_CommonSettBle, reserved92)))
        return false;
    record = s_CommonSettBle{};
    copyRange(value, &record, offsetof(s_CommonSettBle, userName), offsetof(s_CommonSettBle, reserved32));
    copyRange(value, &record, offsetof(s_CommonSettBle, slowdownTime), offsetof(s_CommonSettBle, reserved63));
    copyRange(value, &record, offsetof(s_CommonSettBle, country), offsetof(s_CommonSettBle, reserved92));
    return true;
}

bool motorSettings(const QByteArray &value, s_MotorSettBle &record)
{
    if (value.size() < qsizetype(offsetof(s_MotorSettBle, reserved38)))
        return false;
    record = s_MotorSettBle{};
    copyRange(value, &record, 0, offsetof(s_MotorSettBle, reserved38));
    return true;
}

bool motorDriveSettings(const QByteArray &value, s_MotorDriveSettBle &record)
{
    if (value.size() < qsizetype(offsetof(s_MotorDriveSettBle, reserved66)))
        return false;
    record = s_MotorDriveSettBle{};
    copyRange(value, &record, 0, offsetof(s_MotorDriveSettBle, reserved66));
    return true;
}

bool limitSettings(const QByteArray &value, s_LimitSettBle &record)
{
    if (value.size() < qsizetype(offsetof(s_LimitSettBle, reserved55)))
        return false;
    record = s_LimitSettBle{};
    const char *name = value.constData();
    const auto length = std::find(name, name + sizeof(record.settingsName), '\0') - name;
    std::memcpy(record.settingsName, name, std::size_t(length));
    copyRange(value, &record, offsetof(s_LimitSettBle, energyRef), offsetof(s_LimitSettBle, reserved55));
    return true;
}

bool deviceInformation(const QByteArray &value, s_DeviceInfoBle &record)
{
    if (value.size() < qsizetype(sizeof(s_DeviceInfoBle)))
        return false;
    s_DeviceInfoBle taken;
    std::memcpy(&taken, value.constData(), sizeof taken);
    for (int i = 0; i < 3; ++i)
        std::memcpy(taken.block[i].area68, record.block[i].area68, sizeof taken.block[i].area68);
    record = taken;
    return true;
}

bool timingTableHalf(const QByteArray &value, int half, s_TimingTableBle &table)
{
    if ((half != 0 && half != 1) || value.size() < s_TimingTableBle::kHalfSize)
        return false;
    std::memcpy(reinterpret_cast<char *>(table.cells) + half * s_TimingTableBle::kHalfSize, value.constData(),
                s_TimingTableBle::kHalfSize);
    return true;
}

} // namespace RecordTakeOver

QString deviceInfoText(const s_DeviceInfoBle &info, int offset)
{
    if (offset < 0 || offset >= int(sizeof info))
        return QString();
    // The end of the area the offset lies in, by the record's shape. The
    // name and the version text of a block are one 40-byte area.
    static constexpr std::size_t blockEnds[] = {
        offsetof(s_DeviceInfoBlock, name),          offsetof(s_DeviceInfoBlock, reserved44),
        offsetof(s_DeviceInfoBlock, text48),        offsetof(s_DeviceInfoBlock, word56),
        offsetof(s_DeviceInfoBlock, versionWord60), offsetof(s_DeviceInfoBlock, version),
        offsetof(s_DeviceInfoBlock, word64),        offsetof(s_DeviceInfoBlock, area68),
        sizeof(s_DeviceInfoBlock),
    };
    static constexpr std::size_t tailEnds[] = {
        offsetof(s_DeviceInfoBle, word304),  offsetof(s_DeviceInfoBle, byte308), offsetof(s_DeviceInfoBle, passwordProtected),
        offsetof(s_DeviceInfoBle, authorized), offsetof(s_DeviceInfoBle, byte311), offsetof(s_DeviceInfoBle, text312),
        offsetof(s_DeviceInfoBle, word320),  offsetof(s_DeviceInfoBle, text324), offsetof(s_DeviceInfoBle, word332),
        sizeof(s_DeviceInfoBle),
    };
    const auto at = std::size_t(offset);
    std::size_t end;
    if (at < offsetof(s_DeviceInfoBle, word300)) {
        const std::size_t base = at / sizeof(s_DeviceInfoBlock) * sizeof(s_DeviceInfoBlock);
        end = base + areaEnd(blockEnds, at - base);
    } else {
        end = areaEnd(tailEnds, at);
    }
    const char *bytes = reinterpret_cast<const char *>(&info);
    return recordText(bytes + offset, int(end) - offset);
}

QString recordText(const char *field, int size)
{
    const char *end = std::find(field, field + size, '\0');
    return QString::fromUtf8(field, int(end - field));
}

void setRecordText(char *field, int size, const QString &text)
{
    std::memset(field, 0, std::size_t(size));
    const QByteArray utf8 = text.toUtf8().left(size);
    std::memcpy(field, utf8.constData(), std::size_t(utf8.size()));
}
