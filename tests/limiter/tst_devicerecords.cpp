// The device protocol's UUIDs, command layouts and how received values
// become the cached records.
#include "DeviceProtocol.h"
#include "DeviceRecords.h"

#include <QtTest>

using namespace DeviceProtocol;

class tst_DeviceRecords : public QObject
{
    Q_OBJECT
private slots:
    void uuids_data();
    void uuids();
    void flagsCommand_data();
    void flagsCommand();
    void logRequests_data();
    void logRequests();
    void passwordValue_data();
    void passwordValue();
    void dfuIndication_data();
    void dfuIndication();
    void takeOver_data();
    void takeOver();
    void shortValuesAreIgnored_data();
    void shortValuesAreIgnored();
    void deviceInfoTextStaysInItsArea();
    void lockedOnlyWhenProtectedAndNotAuthorised_data();
    void lockedOnlyWhenProtectedAndNotAuthorised();
};

void tst_DeviceRecords::uuids_data()
{
    QTest::addColumn<QBluetoothUuid>("uuid");
    QTest::addColumn<QString>("text");
    QTest::newRow("settings service") << settingsServiceUuid() << "049222b3-645d-51bc-4c47-68ef788d24fb";
    QTest::newRow("RTM service") << telemetryServiceUuid() << "049222b2-645d-51bc-4c47-68ef788d23fb";
    QTest::newRow("log service") << logServiceUuid() << "049222b1-645d-51bc-4c47-68ef788d22fb";
    QTest::newRow("terminal service") << terminalServiceUuid() << "6e400001-b5a3-f393-e0a9-e50e24dcca9e";
    QTest::newRow("DFU service") << dfuServiceUuid() << "0000fe59-0000-1000-8000-00805f9b34fb";
    QTest::newRow("device info") << settingsUuid(kDeviceInfoId) << "04920000-645d-51bc-4c47-68ef788d24fb";
    QTest::newRow("user set 7") << settingsUuid(kUserLimitSet0Id + 7) << "0492000f-645d-51bc-4c47-68ef788d24fb";
    QTest::newRow("timing table 2") << settingsUuid(kTimingTable2Id) << "0492001a-645d-51bc-4c47-68ef788d24fb";
    QTest::newRow("log read status") << logUuid(kLogReadStatusId) << "04920003-645d-51bc-4c47-68ef788d22fb";
    QTest::newRow("NUS TX") << terminalUuid(kNusTxId) << "6e400003-b5a3-f393-e0a9-e50e24dcca9e";
    QTest::newRow("buttonless DFU") << dfuUuid(kDfuButtonlessId) << "8ec90003-f315-4f60-9fb8-838830daea50";
    QTest::newRow("DFU control point") << dfuUuid(kDfuControlPointId) << "8ec90001-f315-4f60-9fb8-838830daea50";
    // The identifier's high byte goes to byte 2, its low byte to byte 3.
    QTest::newRow("both id bytes") << makeUuid(kSettingsBase, 0xABCD) << "0492abcd-645d-51bc-4c47-68ef788d24fb";
}

void tst_DeviceRecords::uuids()
{
    QFETCH(QBluetoothUuid, uuid);
    QFETCH(QString, text);
    QCOMPARE(uuid.toString(QUuid::WithoutBraces), text);
}

void tst_DeviceRecords::flagsCommand_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("reset first default set") << int(FlagResetLimitSettings) << 1 << QByteArray::fromHex("0001000000000000000000");
    QTest::newRow("reset last user set") << int(FlagResetLimitSettings) << 14 << QByteArray::fromHex("000e000000000000000000");
    QTest::newRow("reset common") << int(FlagResetCommonSettings) << 1 << QByteArray::fromHex("0000010000000000000000");
    QTest::newRow("reset ESC") << int(FlagResetEscSettings) << 1 << QByteArray::fromHex("0000000001000000000000");
    QTest::newRow("full throttle") << int(FlagSetFullThrottle) << 1 << QByteArray::fromHex("0000000000000100000000");
    QTest::newRow("stop") << int(FlagSetStopPosition) << 1 << QByteArray::fromHex("0000000000000001000000");
    QTest::newRow("failsafe") << int(FlagSetFailsafePosition) << 1 << QByteArray::fromHex("0000000000000000010000");
    QTest::newRow("max timing") << int(FlagSetMaxTimingPosition) << 1 << QByteArray::fromHex("0000000000000000000100");
    QTest::newRow("min timing") << int(FlagSetMinTimingPosition) << 1 << QByteArray::fromHex("0000000000000000000001");
}

void tst_DeviceRecords::flagsCommand()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(DeviceProtocol::flagsCommand(FlagsByte(byte), quint8(value)), bytes);
}

void tst_DeviceRecords::logRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("session numbers") << logRequest(0) << QByteArray(12, '\0');
    QTest::newRow("session 0 is the same") << logRequest(0, false) << QByteArray(12, '\0');
    QTest::newRow("session 0x01020304") << logRequest(0x01020304) << QByteArray::fromHex("040302010000000000000000");
    QTest::newRow("clear") << logRequest(0, true) << QByteArray::fromHex("000000000000000001000000");
}

void tst_DeviceRecords::logRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, bytes);
    QCOMPARE(request, bytes);
}

void tst_DeviceRecords::passwordValue_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short") << "1234" << QByteArray("1234").leftJustified(32, '\0');
    QTest::newRow("empty") << "" << QByteArray(32, '\0');
    QTest::newRow("exactly 32, no terminator") << QString(32, 'x') << QByteArray(32, 'x');
    QTest::newRow("longer: cut at 32") << QString(40, 'y') << QByteArray(32, 'y');
    // 16 two-byte characters are 32 bytes; one more does not fit.
    QTest::newRow("UTF-8 bytes count") << QString(17, QChar(0x0436)) << QString(16, QChar(0x0436)).toUtf8();
}

void tst_DeviceRecords::passwordValue()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, bytes);
    const QByteArray value = DeviceProtocol::passwordValue(password);
    QCOMPARE(value.size(), 32);
    QCOMPARE(value, bytes);
}

void tst_DeviceRecords::dfuIndication_data()
{
    QTest::addColumn<QByteArray>("indication");
    QTest::addColumn<bool>("entered");
    QTest::newRow("20 01 01") << QByteArray::fromHex("200101") << true;
    QTest::newRow("byte 0 not examined") << QByteArray::fromHex("ff0101") << true;
    QTest::newRow("20 01 02") << QByteArray::fromHex("200102") << false;
    QTest::newRow("20 02 01") << QByteArray::fromHex("200201") << false;
    QTest::newRow("too short") << QByteArray::fromHex("2001") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void tst_DeviceRecords::dfuIndication()
{
    QFETCH(QByteArray, indication);
    QFETCH(bool, entered);
    QCOMPARE(isDfuEnterSuccess(indication), entered);
}

namespace {

// A value of size bytes, byte i = i + 1 (never zero up to 254).
QByteArray counting(int size)
{
    QByteArray value(size, '\0');
    for (int i = 0; i < size; ++i)
        value[i] = char((i % 254) + 1);
    return value;
}

// Applies the take-over rule of a record kind and returns the cached bytes.
QByteArray takeOver(const QString &kind, const QByteArray &value, bool *ok)
{
    if (kind == "common") {
        s_CommonSettBle r{};
        *ok = RecordTakeOver::commonSettings(value, r);
        return recordBytes(r);
    }
    if (kind == "motor") {
        s_MotorSettBle r{};
        *ok = RecordTakeOver::motorSettings(value, r);
        return recordBytes(r);
    }
    if (kind == "drive") {
        s_MotorDriveSettBle r{};
        *ok = RecordTakeOver::motorDriveSettings(value, r);
        return recordBytes(r);
    }
    if (kind == "limit") {
        s_LimitSettBle r{};
        *ok = RecordTakeOver::limitSettings(value, r);
        return recordBytes(r);
    }
    if (kind == "info") {
        s_DeviceInfoBle r{};
        std::memset(&r, 0xEE, sizeof r); // the previous content
        *ok = RecordTakeOver::deviceInformation(value, r);
        return recordBytes(r);
    }
    s_TimingTableBle t{};
    *ok = RecordTakeOver::timingTableHalf(value, kind == "table2" ? 1 : 0, t);
    return recordBytes(t);
}

// Bytes of expected: from value where keep says so, else fill.
QByteArray expected(const QByteArray &value, int size, const QList<QPair<int, int>> &kept, char fill = '\0')
{
    QByteArray result(size, fill);
    for (const auto &range : kept) {
        for (int i = range.first; i <= range.second; ++i)
            result[i] = value.at(i);
    }
    return result;
}

} // namespace

void tst_DeviceRecords::takeOver_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("cached");

    const QByteArray common = counting(112);
    QTest::newRow("common: 0-31, 60-62, 64-91") << "common" << common
                                                << expected(common, 112, {{0, 31}, {60, 62}, {64, 91}});
    const QByteArray motor = counting(40);
    QTest::newRow("motor: 0-37, 38 and 39 zero") << "motor" << motor << expected(motor, 40, {{0, 37}});
    const QByteArray drive = counting(68);
    QTest::newRow("motor drive: 0-65 in place") << "drive" << drive << expected(drive, 68, {{0, 65}});
    QByteArray carrot = QByteArray(68, '\0');
    carrot[62] = 1; // antiCarrot 1, rescueFlash 0
    QTest::newRow("motor drive: antiCarrot at 62") << "drive" << carrot << carrot;

    const QByteArray limit = counting(68);
    QTest::newRow("limit: 32-byte name, 32-54") << "limit" << limit << expected(limit, 68, {{0, 54}});
    QByteArray shortName = counting(68);
    shortName[5] = '\0';
    QTest::newRow("limit: bytes after the name's zero") << "limit" << shortName
                                                        << expected(shortName, 68, {{0, 4}, {32, 54}});
    QTest::newRow("limit: a 55-byte value is enough") << "limit" << limit.left(55) << expected(limit, 68, {{0, 54}});

    const QByteArray info = counting(336);
    QTest::newRow("info: three areas keep their content")
        << "info" << info << expected(info, 336, {{0, 67}, {100, 167}, {200, 267}, {300, 335}}, char(0xEE));

    const QByteArray half = counting(256);
    QTest::newRow("table half 1 is rows 0-7") << "table1" << half << half + QByteArray(256, '\0');
    QTest::newRow("table half 2 is rows 8-15") << "table2" << half << QByteArray(256, '\0') + half;
}

void tst_DeviceRecords::takeOver()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, cached);
    bool ok = false;
    const QByteArray result = ::takeOver(kind, value, &ok);
    QVERIFY(ok);
    QCOMPARE(result.toHex(' '), cached.toHex(' '));
}

void tst_DeviceRecords::shortValuesAreIgnored_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::newRow("common") << "common" << 91;
    QTest::newRow("motor") << "motor" << 37;
    QTest::newRow("motor drive") << "drive" << 65;
    QTest::newRow("limit") << "limit" << 54;
    QTest::newRow("device info") << "info" << 335;
    QTest::newRow("table half") << "table1" << 255;
}

void tst_DeviceRecords::shortValuesAreIgnored()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    bool ok = true;
    const QByteArray result = ::takeOver(kind, counting(size), &ok);
    QVERIFY(!ok);
    // Untouched: zero, or the previous content of the device information.
    QCOMPARE(result, QByteArray(result.size(), kind == "info" ? char(0xEE) : '\0'));

    s_LogReadStatus status{};
    QVERIFY(!recordFromBytes(QByteArray(23, '\1'), status));
    QCOMPARE(status.status, quint8(0));
}

void tst_DeviceRecords::deviceInfoTextStaysInItsArea()
{
    s_DeviceInfoBle info{};
    std::memset(&info, 'a', sizeof info);
    // No terminator anywhere: each text ends with its area.
    QCOMPARE(deviceInfoText(info, 36), QString(8, 'a'));
    QCOMPARE(deviceInfoText(info, 48), QString(8, 'a'));
    QCOMPARE(deviceInfoText(info, 312), QString(8, 'a'));
    QCOMPARE(deviceInfoText(info, 324), QString(8, 'a'));
    QCOMPARE(deviceInfoText(info, 104), QString(40, 'a'));
    QCOMPARE(deviceInfoText(info, 400), QString());
    setRecordText(info.block[0].versionText, 8, QStringLiteral("v1"));
    QCOMPARE(deviceInfoText(info, 36), QStringLiteral("v1"));
}

void tst_DeviceRecords::lockedOnlyWhenProtectedAndNotAuthorised_data()
{
    QTest::addColumn<int>("protectedByte");
    QTest::addColumn<int>("authorisedByte");
    QTest::addColumn<bool>("locked");
    QTest::newRow("no password") << 0 << 0 << false;
    QTest::newRow("password, not authorised") << 1 << 0 << true;
    QTest::newRow("password, authorised") << 1 << 1 << false;
    QTest::newRow("password, byte 310 is 2") << 1 << 2 << true;
    QTest::newRow("byte 309 is 2") << 2 << 0 << false;
}

void tst_DeviceRecords::lockedOnlyWhenProtectedAndNotAuthorised()
{
    QFETCH(int, protectedByte);
    QFETCH(int, authorisedByte);
    QFETCH(bool, locked);
    QByteArray value(336, '\0');
    value[309] = char(protectedByte);
    value[310] = char(authorisedByte);
    s_DeviceInfoBle info{};
    QVERIFY(RecordTakeOver::deviceInformation(value, info));
    QCOMPARE(isLocked(info), locked);
}

QTEST_GUILESS_MAIN(tst_DeviceRecords)
#include "tst_devicerecords.moc"
