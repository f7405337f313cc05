#include "AdvertisementRecords.h"
#include "BluetoothDeviceModel.h"
#include "BluetoothDovLoggerModel.h"
#include "LimiterDevice.h"

#include <QBluetoothAddress>
#include <QColor>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QtTest>

using namespace advertisement;

namespace {

QBluetoothDeviceInfo info(quint64 address, const QString &name, const QByteArray &record,
                          quint16 company = kCompanyId, qint16 rssi = -60)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setRssi(rssi);
    info.setManufacturerData(company, record);
    return info;
}

QString text(quint64 address)
{
    return QBluetoothAddress(address).toString();
}

// Feeds the models like the scanner does: the first advertisement of an
// address as discovered, every later one as updated.
class Feed
{
public:
    explicit Feed(QList<DeviceListModel *> models) : models(std::move(models)) {}

    QList<DeviceListModel *> models;

    void operator()(const QBluetoothDeviceInfo &info)
    {
        const bool first = !m_seen.contains(info.address().toUInt64());
        m_seen.insert(info.address().toUInt64());
        for (DeviceListModel *model : models) {
            if (first)
                model->onDeviceDiscovered(info);
            else
                model->onDeviceUpdated(info, QBluetoothDeviceInfo::Field::All);
        }
    }
    void operator()(quint64 address, const QString &name, const QList<QByteArray> &records)
    {
        for (const QByteArray &record : records)
            (*this)(info(address, name, record));
    }

private:
    QSet<quint64> m_seen;
};

QVariant cell(const QAbstractItemModel &model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role);
}

int rowOfAddress(const BluetoothDeviceModel &model, quint64 address)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (cell(model, row, BluetoothDeviceModel::AddressColumn) == text(address))
            return row;
    return -1;
}

const QByteArray kLimiterRecord = RecordBuilder(LimiterRegistration);
const QByteArray kLoggerRecord = RecordBuilder(LoggerRegistration);

} // namespace

class TestDeviceListModels : public QObject
{
    Q_OBJECT

private slots:
    void acceptance_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("company");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("asUpdate");
        QTest::addColumn<int>("limiters");
        QTest::addColumn<int>("loggers");

        for (bool asUpdate : {false, true}) {
            const QByteArray tag = asUpdate ? "update: " : "discovery: ";
            QTest::newRow(tag + "QVR kind 0") << "QVR-0001" << 0x0059 << kLimiterRecord << asUpdate << 1 << 0;
            QTest::newRow(tag + "QVR kind 9") << "QVR-0001" << 0x0059 << QByteArray(RecordBuilder(LoggerVersions))
                                              << asUpdate << 0 << 1;
            QTest::newRow(tag + "KVTN kind 7") << "KVTN" << 0x0059 << QByteArray(RecordBuilder(LimiterUserName3))
                                               << asUpdate << 1 << 0;
            QTest::newRow(tag + "ZIV kind 14") << "ZIV 2" << 0x0059 << QByteArray(RecordBuilder(LoggerUserName3))
                                               << asUpdate << 0 << 1;
            QTest::newRow(tag + "kind 15") << "QVR" << 0x0059 << QByteArray(RecordBuilder(15)) << asUpdate << 0 << 0;
            QTest::newRow(tag + "other company") << "QVR-0001" << 0x004C << kLimiterRecord << asUpdate << 0 << 0;
            QTest::newRow(tag + "no data") << "QVR-0001" << 0x0059 << QByteArray() << asUpdate << 0 << 0;
            QTest::newRow(tag + "lower-case name") << "qvr-0001" << 0x0059 << kLimiterRecord << asUpdate << 0 << 0;
            QTest::newRow(tag + "prefix inside") << "X-QVR" << 0x0059 << kLimiterRecord << asUpdate << 0 << 0;
            QTest::newRow(tag + "empty name") << "" << 0x0059 << kLimiterRecord << asUpdate << 0 << 0;
        }
    }

    void acceptance()
    {
        QFETCH(QString, name);
        QFETCH(int, company);
        QFETCH(QByteArray, record);
        QFETCH(bool, asUpdate);

        BluetoothDeviceModel limiters(nullptr);
        BluetoothDovLoggerModel loggers(nullptr);
        const QBluetoothDeviceInfo device = info(0x10, name, record, quint16(company));
        for (DeviceListModel *model : {static_cast<DeviceListModel *>(&limiters), static_cast<DeviceListModel *>(&loggers)}) {
            if (asUpdate)
                model->onDeviceUpdated(device, QBluetoothDeviceInfo::Field::All);
            else
                model->onDeviceDiscovered(device);
        }
        QTEST(limiters.rowCount(), "limiters");
        QTEST(loggers.rowCount(), "loggers");
    }

    void deviceType_data()
    {
        QTest::addColumn<QBluetoothDeviceInfo>("device");
        QTest::addColumn<int>("type");
        QTest::newRow("kind 0") << info(1, "QVR", QByteArray(1, '\x00')) << 1;
        QTest::newRow("kind 7") << info(1, "QVR", QByteArray(1, '\x07')) << 1;
        QTest::newRow("kind 8") << info(1, "QVR", QByteArray(1, '\x08')) << 2;
        QTest::newRow("kind 14") << info(1, "QVR", QByteArray(1, '\x0e')) << 2;
        QTest::newRow("kind 15") << info(1, "QVR", QByteArray(1, '\x0f')) << 0;
        QTest::newRow("empty") << info(1, "QVR", QByteArray()) << 0;
        QTest::newRow("other company") << info(1, "QVR", QByteArray(1, '\x00'), 0x0006) << 0;
    }

    void deviceType()
    {
        QFETCH(QBluetoothDeviceInfo, device);
        QTEST(int(::deviceType(device)), "type");
    }

    void newRowDecodesFromTheNextAdvertisement()
    {
        BluetoothDeviceModel model(nullptr);
        Feed feed{{&model}};
        const QByteArray battery57 = RecordBuilder(LimiterVersions).u32(6, 57);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        feed(0x42, "QVR-42", {battery57});
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::BatteryColumn), QVariant(0));
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::AddressColumn), QVariant(text(0x42)));

        feed(0x42, "QVR-42", {battery57});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::BatteryColumn), QVariant(57));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<QModelIndex>(), model.index(0, 0));
        QCOMPARE(changed[0][1].value<QModelIndex>(), model.index(0, 18));

        // An update without manufacturer data in its fields keeps the status,
        // takes the rest of the info.
        model.onDeviceUpdated(info(0x42, "QVR-42", RecordBuilder(LimiterVersions).u32(6, 12), kCompanyId, -80),
                              QBluetoothDeviceInfo::Field::RSSI);
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::BatteryColumn), QVariant(57));
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::RssiColumn), QVariant(-80));

        // A discovery of a listed address replaces the info and decodes.
        model.onDeviceDiscovered(info(0x42, "QVR-42", RecordBuilder(LimiterVersions).u32(6, 12)));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::BatteryColumn), QVariant(12));
    }

    // A listed device's update decodes only the devices' own company entry;
    // another company's data (alone or beside ours) is not a status record.
    void otherCompanyDataIsNotDecoded_data()
    {
        QTest::addColumn<QList<quint16>>("companies");
        QTest::addColumn<int>("battery");
        QTest::addColumn<QString>("settingsSet");
        QTest::newRow("another company only") << QList<quint16>{0x004C} << 57 << "2 (Exp/Mono1/Vadur)";
        QTest::newRow("another company beside ours") << QList<quint16>{0x004C, kCompanyId} << 12 << "3 (Mono2/Vadur2)";
        QTest::newRow("ours beside another company") << QList<quint16>{kCompanyId, 0x004C} << 12 << "3 (Mono2/Vadur2)";
    }

    void otherCompanyDataIsNotDecoded()
    {
        QFETCH(QList<quint16>, companies);
        BluetoothDeviceModel model(nullptr);
        Feed feed{{&model}};
        feed(0x42, "QVR-42", {kLimiterRecord, RecordBuilder(LimiterVersions).u32(6, 57).u8(10, 2)});
        QCOMPARE(cell(model, 0, BluetoothDeviceModel::BatteryColumn), QVariant(57));

        // Our record says battery 12 and set 3; the other company's bytes,
        // read as a record of kind 1, would say something else entirely.
        QBluetoothDeviceInfo update(QBluetoothAddress(0x42), QStringLiteral("QVR-42"), 0);
        for (quint16 company : companies) {
            if (company == kCompanyId)
                update.setManufacturerData(company, RecordBuilder(LimiterVersions).u32(6, 12).u8(10, 3));
            else
                update.setManufacturerData(company, QByteArray::fromHex("0112a0b0c0d0e0f001020304"));
        }
        feed(update);
        QTEST(cell(model, 0, BluetoothDeviceModel::BatteryColumn).toInt(), "battery");
        QTEST(cell(model, 0, BluetoothDeviceModel::SettingsSetColumn).toString(), "settingsSet");
    }

    void limiterColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QVariant>("display");

        QTest::newRow("0") << 0 << "Unique ID" << QVariant("QVR-0815");
        QTest::newRow("1") << 1 << "Reg num" << QVariant("RUS-77");
        QTest::newRow("2") << 2 << "User name" << QVariant("Ivan");
        QTest::newRow("3") << 3 << "RSSI" << QVariant(-61);
        QTest::newRow("4") << 4 << "Batt state %" << QVariant(57);
        QTest::newRow("5") << 5 << "Status" << QVariant("Race");
        QTest::newRow("6") << 6 << "Check" << QVariant("End undervoltage!");
        QTest::newRow("7") << 7 << "Self test" << QVariant("Calibrated: 04.321");
        QTest::newRow("8") << 8 << "Sett set" << QVariant("2 (Exp/Mono1/Vadur)");
        QTest::newRow("9") << 9 << "AEC status" << QVariant("Enabled");
        QTest::newRow("10") << 10 << "Energy cons" << QVariant("21.500");
        QTest::newRow("11") << 11 << "Current avg, A" << QVariant("35.250");
        QTest::newRow("12") << 12 << "Voltage, V" << QVariant("16.800");
        QTest::newRow("13") << 13 << "Energy, Wh" << QVariant("12.125");
        QTest::newRow("14") << 14 << "Energy ref, Wh" << QVariant("60.000");
        QTest::newRow("15") << 15 << "Capacity, mAh" << QVariant("4500.000");
        QTest::newRow("16") << 16 << "Hardware ver" << QVariant("2.1.3");
        QTest::newRow("17") << 17 << "Firmware ver" << QVariant("25.1");
        QTest::newRow("18") << 18 << "Address" << QVariant(text(0x0815));
        QTest::newRow("19: empty") << 19 << "" << QVariant(QString());
    }

    void limiterColumns()
    {
        QFETCH(int, column);
        BluetoothDeviceModel model(nullptr);
        Feed feed{{&model}};
        const QByteArray name = "Ivan";
        feed(0x0815, "QVR-0815",
             {kLimiterRecord, RecordBuilder(LimiterRegistration).bytes(5, "RUS").u16(9, 77),
              RecordBuilder(LimiterVersions).u16(1, 0x0213).u16(3, 0x1901).u32(6, 57).u8(10, 2).u8(11, 0x29),
              RecordBuilder(LimiterEnergy).f32(1, 12.125f).f32(5, 60.f),
              RecordBuilder(LimiterVoltage).f32(1, 16.8f).f32(5, 35.25f).u16(9, 321).u8(11, 4),
              RecordBuilder(LimiterCapacity).f32(1, 4500.f).f32(5, 21.5f), RecordBuilder(LimiterUserName1).bytes(1, name),
              RecordBuilder(LimiterUserName2), RecordBuilder(LimiterUserName3)});
        model.onDeviceUpdated(info(0x0815, "QVR-0815", RecordBuilder(LimiterRegistration).bytes(5, "RUS").u16(9, 77),
                                   kCompanyId, -61),
                              QBluetoothDeviceInfo::Field::All);

        QCOMPARE(model.columnCount(), 19);
        QTEST(cell(model, 0, column), "display");
        if (column < 19)
            QTEST(model.headerData(column, Qt::Horizontal).toString(), "header");
    }

    void loggerColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QVariant>("display");

        QTest::newRow("0") << 0 << "Unique ID" << QVariant("ZIV-9");
        QTest::newRow("1") << 1 << "Reg num" << QVariant("DEU-12");
        QTest::newRow("2") << 2 << "User name" << QVariant("Olga");
        QTest::newRow("3") << 3 << "RSSI" << QVariant(-60);
        QTest::newRow("4") << 4 << "Status" << QVariant("Ready");
        QTest::newRow("5") << 5 << "Avg speed, km/h" << QVariant("61.4");
        QTest::newRow("6") << 6 << "Avg rpm, 1/min" << QVariant("0.0");
        QTest::newRow("7") << 7 << "Max speed, km/h" << QVariant("88.5");
        QTest::newRow("8") << 8 << "Max rpm, 1/min" << QVariant("52000.0");
        QTest::newRow("9") << 9 << "Temperature, °C" << QVariant("-5.0");
        QTest::newRow("10") << 10 << "Satelites" << QVariant(9);
        QTest::newRow("11") << 11 << "Hardware ver" << QVariant("3.1.2");
        QTest::newRow("12") << 12 << "Firmware ver" << QVariant("2.7");
        QTest::newRow("13") << 13 << "Address" << QVariant(text(0x99));
    }

    void loggerColumns()
    {
        QFETCH(int, column);
        QFETCH(QVariant, display);
        BluetoothDovLoggerModel model(nullptr);
        Feed feed{{&model}};
        feed(0x99, "ZIV-9",
             {kLoggerRecord, RecordBuilder(LoggerRegistration).bytes(5, "DEU").u16(9, 12),
              RecordBuilder(LoggerVersions).u16(1, 0xA312).u16(3, 0x0207),
              RecordBuilder(LoggerSpeed).f32(1, 88.5f).f32(5, 61.4f).u16(9, quint16(-5)).u8(11, 9),
              RecordBuilder(LoggerRpm).u32(5, 52000), RecordBuilder(LoggerUserName1).bytes(1, "Olga"),
              RecordBuilder(LoggerUserName2), RecordBuilder(LoggerUserName3)});

        QCOMPARE(model.columnCount(), 14);
        QCOMPARE(cell(model, 0, column), display);
        QTEST(model.headerData(column, Qt::Horizontal).toString(), "header");
    }

    void decorations_data()
    {
        QTest::addColumn<quint8>("status");
        QTest::addColumn<quint8>("set");
        QTest::addColumn<QVariant>("statusColour");
        QTest::addColumn<QVariant>("setColour");

        const QVariant none;
        QTest::newRow("ready, set 0") << quint8(0x00) << quint8(0) << none << QVariant(QColor(Qt::red));
        QTest::newRow("race, set 1") << quint8(0x01) << quint8(1) << QVariant(QColor(Qt::green)) << none;
        QTest::newRow("limited, set 5") << quint8(0x03) << quint8(5) << QVariant(QColor(Qt::yellow)) << none;
        QTest::newRow("error, set 6") << quint8(0x02) << quint8(6) << QVariant(QColor(Qt::red)) << QVariant(QColor(Qt::yellow));
        QTest::newRow("warnings only, set 200") << quint8(0xFC) << quint8(200) << none << QVariant(QColor(Qt::yellow));
    }

    void decorations()
    {
        QFETCH(quint8, status);
        QFETCH(quint8, set);
        QFETCH(QVariant, statusColour);

        BluetoothDeviceModel limiters(nullptr);
        BluetoothDovLoggerModel loggers(nullptr);
        Feed feed{{&limiters, &loggers}};
        const QByteArray versions = RecordBuilder(LimiterVersions).u8(10, set).u8(11, status);
        feed(1, "QVR-1", {kLimiterRecord, versions});
        // The DOV logger list colours its own status column by the same
        // flags (its devices do not send them: the record comes by hand).
        feed(2, "QVR-2", {kLoggerRecord});
        QCOMPARE(cell(loggers, 0, BluetoothDovLoggerModel::StatusColumn, Qt::DecorationRole), QVariant());
        loggers.onDeviceUpdated(info(2, "QVR-2", versions), QBluetoothDeviceInfo::Field::All);
        QCOMPARE(cell(limiters, 0, BluetoothDeviceModel::StatusColumn, Qt::DecorationRole), statusColour);
        QTEST(cell(limiters, 0, BluetoothDeviceModel::SettingsSetColumn, Qt::DecorationRole), "setColour");
        for (int column : {0, 4, 9, 18})
            QCOMPARE(cell(limiters, 0, column, Qt::DecorationRole), QVariant());
        QCOMPARE(cell(loggers, 0, BluetoothDovLoggerModel::StatusColumn, Qt::DecorationRole), statusColour);
        QCOMPARE(cell(loggers, 0, 8, Qt::DecorationRole), QVariant());
        QCOMPARE(cell(limiters, 0, 0, Qt::ToolTipRole), QVariant());
        QCOMPARE(cell(limiters, 0, 0, Qt::BackgroundRole), QVariant());
    }

    void ageing()
    {
        BluetoothDeviceModel model(nullptr);
        Feed feed{{&model}};
        feed(1, "QVR-1", {kLimiterRecord, kLimiterRecord}); // heard twice: ages
        feed(2, "QVR-2", {kLimiterRecord});                 // heard once: never ages
        feed(3, "QVR-3", {kLimiterRecord, kLimiterRecord}); // kept fresh below
        const auto rowOf = [&model](quint64 address) { return rowOfAddress(model, address); };
        const auto tick = [&](int times) {
            for (int i = 0; i < times; ++i) {
                model.ageRows();
                feed(3, "QVR-3", {kLimiterRecord});
            }
        };
        QPersistentModelIndex selected = model.index(rowOf(3), 2);

        tick(59);
        QCOMPARE(rowOf(1), 0);
        QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEnabled));
        QCOMPARE(cell(model, 0, 0, Qt::BackgroundRole), QVariant());

        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        tick(1); // the 60th
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(rowOf(1), 2);
        QVERIFY(!model.flags(model.index(2, 0)).testFlag(Qt::ItemIsEnabled));
        QVERIFY(model.flags(model.index(2, 0)).testFlag(Qt::ItemIsSelectable));
        QCOMPARE(cell(model, 2, 5, Qt::BackgroundRole), QVariant(QColor(Qt::gray)));
        QVERIFY(model.flags(model.index(rowOf(2), 0)).testFlag(Qt::ItemIsEnabled));
        QVERIFY(model.flags(model.index(rowOf(3), 0)).testFlag(Qt::ItemIsEnabled));
        QCOMPARE(layout.size(), 1);
        // A selection follows its device through the reorder.
        QCOMPARE(selected.row(), rowOf(3));
        QCOMPARE(selected.column(), 2);

        tick(239); // the 299th
        QCOMPARE(rowOf(1), 2);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        const std::shared_ptr<LimiterDevice> tab = model.findDevice(text(1));
        tick(1); // the 300th
        QCOMPARE(removed.size(), 1);
        QCOMPARE(rowOf(1), -1);
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.findDevice(text(1)));
        QCOMPARE(tab.use_count(), 1); // a holder outside the model keeps it

        tick(1000);
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(model.flags(model.index(rowOf(2), 0)).testFlag(Qt::ItemIsEnabled));

        // Heard again after its removal: listed anew.
        feed(1, "QVR-1", {kLimiterRecord});
        QCOMPARE(rowOf(1), 2);
        QVERIFY(model.findDevice(text(1)) != tab);
    }

    void updateRestoresStaleRow()
    {
        BluetoothDeviceModel model(nullptr);
        Feed feed{{&model}};
        feed(1, "QVR-1", {kLimiterRecord, kLimiterRecord});
        feed(2, "QVR-2", {kLimiterRecord, kLimiterRecord});
        for (int i = 0; i < 150; ++i)
            model.ageRows();
        QCOMPARE(cell(model, 0, 0, Qt::BackgroundRole), QVariant(QColor(Qt::gray)));

        feed(1, "QVR-1", {kLimiterRecord});
        const int row = rowOfAddress(model, 1);
        QCOMPARE(cell(model, row, 0, Qt::BackgroundRole), QVariant());
        QVERIFY(model.flags(model.index(row, 0)).testFlag(Qt::ItemIsEnabled));
        // Counted from 300 again: 59 more ticks leave it fresh, and the
        // untouched device goes at tick 300.
        for (int i = 0; i < 59; ++i)
            model.ageRows();
        QVERIFY(!model.findDevice(text(1))->advertisedStatus().isStale());
        for (int i = 0; i < 91; ++i)
            model.ageRows();
        QVERIFY(!model.findDevice(text(2)));
        QVERIFY(model.findDevice(text(1))->advertisedStatus().isStale());
    }

    void findDeviceAndIndexes()
    {
        BluetoothDeviceModel limiters(nullptr);
        BluetoothDovLoggerModel loggers(nullptr);
        Feed feed{{&limiters, &loggers}};
        feed(1, "QVR-1", {kLimiterRecord});
        feed(2, "QVR-2", {kLoggerRecord});
        QCOMPARE(limiters.findDevice(text(1))->address(), text(1));
        QCOMPARE(loggers.findDevice(text(2))->address(), text(2));
        QVERIFY(!limiters.findDevice(text(2)));
        QVERIFY(!limiters.findDevice(QString()));
        QCOMPARE(cell(loggers, 0, BluetoothDovLoggerModel::AddressColumn), QVariant(text(2)));

        QCOMPARE(limiters.data(QModelIndex()), QVariant());
        QCOMPARE(cell(limiters, 1, 0), QVariant());
        QCOMPARE(cell(limiters, -1, 0), QVariant());
        QCOMPARE(limiters.flags(limiters.index(1, 0)), Qt::NoItemFlags);
        QCOMPARE(limiters.rowCount(limiters.index(0, 0)), 0);
        QVERIFY(!limiters.index(0, 0).parent().isValid());
        QCOMPARE(limiters.headerData(0, Qt::Vertical), QVariant(1));
        QCOMPARE(limiters.headerData(19, Qt::Horizontal), QVariant(20));
        QCOMPARE(limiters.headerData(0, Qt::Horizontal, Qt::ToolTipRole), QVariant());
    }
};

QTEST_GUILESS_MAIN(TestDeviceListModels)
#include "tst_devicelistmodels.moc"
