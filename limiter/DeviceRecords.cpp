#include "DeviceRecords.h"

#include <algorithm>

namespace {

void copyRange(const QByteArray &value, void *record, int from, int to)
{
    std::memcpy(static_cast<char *>(record) + from, value.constData() + from, std::size_t(to - from + 1));
}

} // namespace

namespace RecordTakeOver {

bool commonSettings(const QByteArray &value, s_CommonSettBle &record)
{
    if (value.size() < 92)
        return false;
    record = s_CommonSettBle{};
    copyRange(value, &record, 0, 31);
    copyRange(value, &record, 60, 62);
    copyRange(value, &record, 64, 91);
    return true;
}

bool motorSettings(const QByteArray &value, s_MotorSettBle &record)
{
    if (value.size() < 38)
        return false;
    record = s_MotorSettBle{};
    copyRange(value, &record, 0, 37);
    return true;
}

bool motorDriveSettings(const QByteArray &value, s_MotorDriveSettBle &record)
{
    if (value.size() < 66)
        return false;
    record = s_MotorDriveSettBle{};
    copyRange(value, &record, 0, 65);
    return true;
}

bool limitSettings(const QByteArray &value, s_LimitSettBle &record)
{
    if (value.size() < 55)
        return false;
    record = s_LimitSettBle{};
    const char *name = value.constData();
    const auto length = std::find(name, name + sizeof(record.settingsName), '\0') - name;
    std::memcpy(record.settingsName, name, std::size_t(length));
    copyRange(value, &record, 32, 54);
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
    // The end of the area the offset lies in, by the block shape.
    int end = int(sizeof info);
    if (offset < 300) {
        const int base = offset / 100 * 100;
        const int within = offset - base;
        static constexpr int ends[] = {4, 44, 48, 56, 60, 62, 64, 68, 100};
        for (int e : ends) {
            if (within < e) {
                end = base + e;
                break;
            }
        }
    } else {
        static constexpr int ends[] = {304, 308, 309, 310, 311, 312, 320, 324, 332, 336};
        for (int e : ends) {
            if (offset < e) {
                end = e;
                break;
            }
        }
    }
    const char *bytes = reinterpret_cast<const char *>(&info);
    return recordText(bytes + offset, end - offset);
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
