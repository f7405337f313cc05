// Advertisements as the air brings them, to both device lists: the limiter
// model and the DOV logger model take each one as a new device or an update,
// and every cell of the rows is shown.

#include "FuzzSupport.h"

#include "AdvertisedStatus.h"
#include "BluetoothDeviceModel.h"
#include "BluetoothDovLoggerModel.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QGuiApplication>

namespace {

void showAll(const QAbstractItemModel &model)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            for (int role : {int(Qt::DisplayRole), int(Qt::DecorationRole), int(Qt::ToolTipRole),
                             int(Qt::BackgroundRole), int(Qt::ForegroundRole), int(Qt::UserRole)})
                (void)model.data(index, role);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication<QGuiApplication>();
    fuzz::Reader in(data, size);

    BluetoothDeviceModel limiters(nullptr);
    BluetoothDovLoggerModel loggers(nullptr);
    // Each advertisement: one of four addresses, a name, a company and the
    // manufacturer data; the first of an address is a discovery, the rest
    // are updates.
    bool seen[4] = {};
    while (!in.atEnd()) {
        const std::uint8_t selector = in.byte();
        const int device = selector & 3;
        const QBluetoothAddress address(quint64(0xC0DE00000000ull) + quint64(device));
        const QString name = QString::fromUtf8(in.piece());
        const quint16 company = (selector & 4) ? quint16(in.u32()) : quint16(0x0059);
        QBluetoothDeviceInfo info(address, name, 0);
        info.setRssi(qint16(in.byte()) - 128);
        info.setManufacturerData(company, in.piece());

        AdvertisedStatus status;
        (void)status.parse(info.manufacturerData(company));

        if (!seen[device]) {
            seen[device] = true;
            limiters.onDeviceDiscovered(info);
            loggers.onDeviceDiscovered(info);
        } else {
            const auto fields = QBluetoothDeviceInfo::Fields(selector >> 4);
            limiters.onDeviceUpdated(info, fields);
            loggers.onDeviceUpdated(info, fields);
        }
        if (selector & 8) {
            limiters.ageRows();
            loggers.ageRows();
        }
    }
    showAll(limiters);
    showAll(loggers);
    return 0;
}
