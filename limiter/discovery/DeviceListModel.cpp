#include "DeviceListModel.h"

#include "AdvertisementProtocol.h"
#include "BluetoothDiscovery.h"
#include "LimiterDevice.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>

namespace {
const QStringList kAcceptedNamePrefixes = {QStringLiteral("QVR"), QStringLiteral("KVTN"), QStringLiteral("ZIV")};
} // namespace

DeviceListModel::DeviceListModel(BluetoothDiscovery *discovery, DeviceKind kind, const char *context,
                                 std::vector<const char *> headers, int statusColumn, QObject *parent)
    : QAbstractTableModel(parent)
    , m_manufacturerId(advertisement::kCompanyId)
    , m_kind(kind)
    , m_context(context)
    , m_headers(std::move(headers))
    , m_statusColumn(statusColumn)
    , m_backend(discovery ? discovery->backend() : nullptr)
    , m_ageingTimer(m_backend)
{
    if (discovery) {
        connect(discovery, &BluetoothDiscovery::deviceDiscovered, this, &DeviceListModel::onDeviceDiscovered,
                Qt::QueuedConnection);
        connect(discovery, &BluetoothDiscovery::deviceUpdated, this, &DeviceListModel::onDeviceUpdated,
                Qt::QueuedConnection);
    }
    connect(&m_ageingTimer, &BleTimer::timeout, this, &DeviceListModel::ageRows);
    m_ageingTimer.start(1000);
}

DeviceListModel::~DeviceListModel()
{
    for (const Row &row : m_rows)
        row.device->disconnectFromDevice();
    m_ageingTimer.stop();
    m_rows.clear();
}

int DeviceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DeviceListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QModelIndex DeviceListModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid())
        return QModelIndex();
    return createIndex(row, column);
}

Qt::ItemFlags DeviceListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_rows[std::size_t(index.row())].device->advertisedStatus().isStale())
        flags &= ~Qt::ItemIsEnabled;
    return flags;
}

QVariant DeviceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return QVariant();
    const LimiterDevice &device = *m_rows[std::size_t(index.row())].device;
    switch (role) {
    case Qt::DisplayRole:
        return displayData(device, index.column());
    case Qt::DecorationRole:
        return decoration(device, index.column());
    case Qt::BackgroundRole:
        return device.advertisedStatus().isStale() ? QVariant(QColor(Qt::gray)) : QVariant();
    default:
        return QVariant();
    }
}

QVariant DeviceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return QCoreApplication::translate(m_context, m_headers[std::size_t(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant DeviceListModel::displayData(const LimiterDevice &device, int column) const
{
    // The columns both lists share: name, registration, user, RSSI first and
    // the address last.
    switch (column) {
    case 0: return device.name();
    case 1: return device.advertisedStatus().registrationNumberText();
    case 2: return device.userName();
    case 3: return int(device.rssi());
    default: break;
    }
    if (column == columnCount() - 1)
        return device.address();
    return display(device, column);
}

QVariant DeviceListModel::decoration(const LimiterDevice &device, int column) const
{
    if (column != m_statusColumn)
        return QVariant();
    const AdvertisedStatus &status = device.advertisedStatus();
    if (status.isRacing())
        return QColor(status.isLimitedOrError() ? Qt::yellow : Qt::green);
    if (status.isLimitedOrError())
        return QColor(Qt::red);
    return QVariant();
}

std::shared_ptr<LimiterDevice> DeviceListModel::findDevice(const QString &address) const
{
    const int row = rowOf(address);
    return row < rowCount() ? m_rows[std::size_t(row)].device : nullptr;
}

bool DeviceListModel::accepts(const QBluetoothDeviceInfo &info) const
{
    if (!info.manufacturerIds().contains(m_manufacturerId))
        return false;
    const QString name = info.name();
    const bool named = std::any_of(kAcceptedNamePrefixes.cbegin(), kAcceptedNamePrefixes.cend(),
                                   [&name](const QString &prefix) { return name.startsWith(prefix); });
    return named && deviceType(info) == m_kind;
}

int DeviceListModel::rowOf(const QString &address) const
{
    const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                 [&address](const Row &row) { return row.address == address; });
    return int(it - m_rows.cbegin());
}

void DeviceListModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DeviceListModel::onDeviceDiscovered(const QBluetoothDeviceInfo &info)
{
    if (!accepts(info))
        return;
    const QString address = addressText(info);
    const int row = rowOf(address);
    if (row < rowCount()) {
        LimiterDevice &device = *m_rows[std::size_t(row)].device;
        device.setDeviceInfo(info);
        device.parseAdvertisement();
        rowChanged(row);
        return;
    }
    // The new row's status is decoded from the next advertisement on.
    beginInsertRows(QModelIndex(), row, row);
    auto device = std::make_shared<LimiterDevice>(info, m_backend);
    m_rows.push_back({device, device->address()});
    endInsertRows();
}

void DeviceListModel::onDeviceUpdated(const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields updatedFields)
{
    const QString address = addressText(info);
    const int row = rowOf(address);
    if (row < rowCount()) {
        LimiterDevice &device = *m_rows[std::size_t(row)].device;
        device.setDeviceInfo(info);
        m_ages[address] = m_removalCount;
        device.advertisedStatus().setStale(false);
        if (updatedFields.testFlag(QBluetoothDeviceInfo::Field::ManufacturerData))
            device.parseAdvertisement();
        rowChanged(row);
    } else if (info.manufacturerIds().contains(m_manufacturerId) && !info.manufacturerData().isEmpty()) {
        onDeviceDiscovered(info);
    }
}

void DeviceListModel::ageRows()
{
    std::vector<QString> removed;
    bool staleRows = false;
    for (auto &[address, counter] : m_ages) {
        --counter;
        if (counter > m_staleThreshold)
            continue;
        const int row = rowOf(address);
        if (counter > m_lowerBound) {
            if (row < rowCount()) {
                m_rows[std::size_t(row)].device->advertisedStatus().setStale(true);
                staleRows = true;
            }
        } else {
            if (row < rowCount()) {
                beginRemoveRows(QModelIndex(), row, row);
                m_rows.erase(m_rows.begin() + row);
                endRemoveRows();
            }
            removed.push_back(address);
        }
    }
    for (const QString &address : removed)
        m_ages.erase(address);

    if (staleRows) {
        sortStaleRowsLast();
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

void DeviceListModel::sortStaleRowsLast()
{
    // A reorder, announced as one so that selections and other persistent
    // indexes stay on their device.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    std::vector<LimiterDevice *> persistentDevices;
    persistentDevices.reserve(std::size_t(persistent.size()));
    for (const QModelIndex &from : persistent)
        persistentDevices.push_back(m_rows[std::size_t(from.row())].device.get());

    std::stable_partition(m_rows.begin(), m_rows.end(), [](const Row &row) { return !row.device->advertisedStatus().isStale(); });

    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (int i = 0; i < persistent.size(); ++i) {
        const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(), [device = persistentDevices[std::size_t(i)]](
                                                                        const Row &row) { return row.device.get() == device; });
        moved.append(index(int(it - m_rows.cbegin()), persistent[i].column()));
    }
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
