#pragma once

#include "BleTimer.h"
#include "DeviceIdentity.h"

#include <QAbstractTableModel>
#include <QBluetoothDeviceInfo>

#include <map>
#include <memory>
#include <vector>

class BleBackend;
class BluetoothDiscovery;
class LimiterDevice;

// A list of advertising devices of one kind, fed by BluetoothDiscovery. Each
// row holds its LimiterDevice, on the discovery's BLE backend. A row that
// hears nothing for 60 seconds turns stale (grey, disabled, sorted last);
// after 300 seconds it is removed. Rows that were heard only once carry no
// age and stay. The seconds are those of the backend's clock (the
// simulator's on the simulated radio).
class DeviceListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    ~DeviceListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The device of the first row with that address text; empty if none.
    std::shared_ptr<LimiterDevice> findDevice(const QString &address) const;

public slots:
    void onDeviceDiscovered(const QBluetoothDeviceInfo &info);
    void onDeviceUpdated(const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields updatedFields);
    // One second of ageing; the model's timer runs it every 1000 ms of the
    // backend's clock.
    void ageRows();

protected:
    // headers: the column header texts, marked for translation in `context`.
    DeviceListModel(BluetoothDiscovery *discovery, DeviceKind kind, const char *context,
                    std::vector<const char *> headers, int statusColumn, QObject *parent);

    // The display text or number of the columns of this list's own, from 4
    // up to the one before the address; any other column gives empty text.
    virtual QVariant display(const LimiterDevice &device, int column) const = 0;
    virtual QVariant decoration(const LimiterDevice &device, int column) const;

private:
    QVariant displayData(const LimiterDevice &device, int column) const;
    bool accepts(const QBluetoothDeviceInfo &info) const;
    int rowOf(const QString &address) const;
    void rowChanged(int row);
    void sortStaleRowsLast();

    // Ageing limits, in ticks of the ageing timer.
    const int m_removalCount = 300;
    const int m_staleThreshold = 240;
    const int m_lowerBound = 0;
    // A row's device, with its address text kept at hand: every
    // advertisement looks its row up by address.
    struct Row {
        std::shared_ptr<LimiterDevice> device;
        QString address;
    };
    std::vector<Row> m_rows;
    const quint16 m_manufacturerId;
    std::map<QString, int> m_ages;

    const DeviceKind m_kind;
    const char *const m_context;
    const std::vector<const char *> m_headers;
    const int m_statusColumn;
    // The backend of the scan that feeds the list: its devices connect
    // through it, and the rows age on its clock.
    BleBackend *const m_backend;
    BleTimer m_ageingTimer;
};
