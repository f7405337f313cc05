#include "AdvertisedStatus.h"
#include "AdvertisementRecords.h"

#include <QtTest>

#include <functional>
#include <map>

using Records = QList<QByteArray>;
Q_DECLARE_METATYPE(Records)

namespace {

using namespace advertisement;

QVariant probe(const AdvertisedStatus &s, const QString &field)
{
    static const std::map<QString, std::function<QVariant(const AdvertisedStatus &)>> fields = {
        {"registrationNumberText", [](auto &s) { return QVariant(s.registrationNumberText()); }},
        {"registrationCountry", [](auto &s) { return QVariant(s.registrationCountry()); }},
        {"hardwareVersion", [](auto &s) { return QVariant(s.hardwareVersion().toString()); }},
        {"loggerHardwareVersion", [](auto &s) { return QVariant(s.loggerHardwareVersion().toString()); }},
        {"firmwareVersion", [](auto &s) { return QVariant(s.firmwareVersion().toString()); }},
        {"auxiliaryVersionWord", [](auto &s) { return QVariant(int(s.auxiliaryVersionWord())); }},
        {"selfTestFlags", [](auto &s) { return QVariant(int(s.selfTestFlags())); }},
        {"battery", [](auto &s) { return QVariant(s.battery()); }},
        {"settingsSetNumber", [](auto &s) { return QVariant(int(s.settingsSetNumber())); }},
        {"statusFlags", [](auto &s) { return QVariant(int(s.statusFlags())); }},
        {"energy", [](auto &s) { return QVariant(s.energy()); }},
        {"energyLimit", [](auto &s) { return QVariant(s.energyLimit()); }},
        {"voltage", [](auto &s) { return QVariant(s.voltage()); }},
        {"averageCurrent", [](auto &s) { return QVariant(s.averageCurrent()); }},
        {"capacity", [](auto &s) { return QVariant(s.capacity()); }},
        {"energyConsumed", [](auto &s) { return QVariant(s.energyConsumed()); }},
        {"userName", [](auto &s) { return QVariant(s.userName()); }},
        {"maximumSpeed", [](auto &s) { return QVariant(s.maximumSpeed()); }},
        {"averageSpeed", [](auto &s) { return QVariant(s.averageSpeed()); }},
        {"temperature", [](auto &s) { return QVariant(int(s.temperature())); }},
        {"satellites", [](auto &s) { return QVariant(int(s.satellites())); }},
        {"maximumRpm", [](auto &s) { return QVariant(s.maximumRpm()); }},
        {"raceStatusText", [](auto &s) { return QVariant(s.raceStatusText()); }},
        {"warningText", [](auto &s) { return QVariant(s.warningText()); }},
        {"aecStatusText", [](auto &s) { return QVariant(s.aecStatusText()); }},
        {"calibrationText", [](auto &s) { return QVariant(s.calibrationText()); }},
        {"settingsSetName", [](auto &s) { return QVariant(s.settingsSetName()); }},
    };
    const auto it = fields.find(field);
    return it == fields.end() ? QVariant() : it->second(s);
}

RecordBuilder registration(quint8 kind, const QByteArray &country, quint16 number)
{
    return RecordBuilder(kind).bytes(5, country).u16(9, number);
}

RecordBuilder limiterVersions(quint16 hw, quint16 fw, quint8 selfTest, qint32 battery, quint8 set, quint8 status)
{
    return RecordBuilder(LimiterVersions).u16(1, hw).u16(3, fw).u8(5, selfTest).u32(6, quint32(battery)).u8(10, set).u8(11, status);
}

RecordBuilder status(quint8 flags) { return limiterVersions(0, 0, 0, 0, 0, flags); }
RecordBuilder selfTest(quint8 flags) { return limiterVersions(0, 0, flags, 0, 0, 0); }
RecordBuilder settingsSet(quint8 set, quint16 fw) { return limiterVersions(0, fw, 0, 0, set, 0); }
RecordBuilder energy(float e, float ref) { return RecordBuilder(LimiterEnergy).f32(1, e).f32(5, ref); }

// Part `part` (0, 1, 2) of a user name sent with the first name kind `first`.
RecordBuilder namePart(quint8 first, int part, const QByteArray &name)
{
    const int offsets[] = {0, 11, 22};
    const int lengths[] = {11, 11, 10};
    return RecordBuilder(quint8(first + part)).bytes(1, name.mid(offsets[part], lengths[part]));
}

Records wholeName(quint8 first, const QByteArray &name, const QList<int> &order)
{
    Records records;
    for (int part : order)
        records << namePart(first, part, name);
    return records;
}

} // namespace

class TestAdvertisedStatus : public QObject
{
    Q_OBJECT

private slots:
    void unmaskOrder()
    {
        const Record r = {0x03, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB};
        const Record d = {0x03, 0x87, 0x87, 0xD2, 0xF0, 0x87, 0xC3, 0x5A, 0x3C, 0x87, 0x0F, 0x1E};
        QCOMPARE(unmask(r, 0xA5), d);
        QCOMPARE(mask(d, 0xA5), r);
    }

    void decodesOnTheAir()
    {
        // A kind 1 record as a device sends it; its mask is the table's.
        Record d = {LimiterVersions, 0x13, 0x02, 0x01, 0x19, 0x00, 57, 0, 0, 0, 3, 0x01};
        const Record r = mask(d, kRecordMasks[LimiterVersions]);
        QVERIFY(r != d);
        AdvertisedStatus s;
        QVERIFY(s.parse(QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size()))));
        QCOMPARE(s.battery(), 57);
        QCOMPARE(s.hardwareVersion(), QVersionNumber(2, 1, 3));
        QCOMPARE(s.firmwareVersion(), QVersionNumber(25, 1));
        QCOMPARE(s.settingsSetNumber(), quint8(3));
        QCOMPARE(s.raceStatusText(), QStringLiteral("Race"));
    }

    void decode_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("expected");

        for (quint8 kind : {LimiterRegistration, LoggerRegistration}) {
            const QByteArray tag = "kind " + QByteArray::number(kind) + ": ";
            QTest::newRow(tag + "registration") << Records{registration(kind, "RUS", 1234)}
                                                << "registrationNumberText" << QVariant("RUS-1234");
            QTest::newRow(tag + "4-byte country") << Records{registration(kind, "ABCD", 7)}
                                                  << "registrationNumberText" << QVariant("ABCD-7");
            QTest::newRow(tag + "country with a placeholder") << Records{registration(kind, "%2", 5)}
                                                             << "registrationNumberText" << QVariant("%2-5");
            QTest::newRow(tag + "number 0 reads") << Records{registration(kind, "DEU", 0)}
                                                  << "registrationNumberText" << QVariant("Reading...");
        }
        QTest::newRow("nothing yet: reading") << Records{} << "registrationNumberText" << QVariant("Reading...");

        QTest::newRow("kind 1 battery") << Records{limiterVersions(0x0213, 0x1901, 0, 57, 3, 0)} << "battery" << QVariant(57);
        QTest::newRow("kind 1 negative battery") << Records{limiterVersions(0, 0, 0, -3, 0, 0)} << "battery" << QVariant(-3);
        QTest::newRow("kind 1 hardware") << Records{limiterVersions(0x0213, 0x1901, 0, 57, 3, 0)}
                                         << "hardwareVersion" << QVariant("2.1.3");
        QTest::newRow("kind 1 firmware") << Records{limiterVersions(0x0213, 0x1901, 0, 57, 3, 0)}
                                         << "firmwareVersion" << QVariant("25.1");
        QTest::newRow("kind 1 set") << Records{limiterVersions(0, 0, 0, 0, 9, 0)} << "settingsSetNumber" << QVariant(9);
        QTest::newRow("kind 1 status") << Records{status(0xA5)} << "statusFlags" << QVariant(0xA5);
        QTest::newRow("logger hardware: major is the low nibble")
            << Records{RecordBuilder(LoggerVersions).u16(1, 0xA312)} << "loggerHardwareVersion" << QVariant("3.1.2");
        QTest::newRow("kind 9 versions") << Records{RecordBuilder(LoggerVersions).u16(1, 0x0312).u16(3, 0x0207)}
                                         << "firmwareVersion" << QVariant("2.7");
        QTest::newRow("kind 9 auxiliary word") << Records{RecordBuilder(LoggerVersions).u16(6, 0x0105)}
                                               << "auxiliaryVersionWord" << QVariant(0x0105);
        QTest::newRow("kind 9 sets no battery") << Records{RecordBuilder(LoggerVersions).u32(6, 99).u8(10, 4)}
                                                << "battery" << QVariant(0);
        QTest::newRow("kind 2 energy") << Records{energy(12.5f, 42.0f)} << "energy" << QVariant(12.5f);
        QTest::newRow("kind 2 reference") << Records{energy(12.5f, 42.0f)} << "energyLimit" << QVariant(42.0f);
        QTest::newRow("kind 2 auxiliary word") << Records{RecordBuilder(LimiterEnergy).u16(9, 0x0203)}
                                               << "auxiliaryVersionWord" << QVariant(0x0203);
        QTest::newRow("kind 3 voltage") << Records{RecordBuilder(LimiterVoltage).f32(1, 16.8f)} << "voltage" << QVariant(16.8f);
        QTest::newRow("kind 3 current") << Records{RecordBuilder(LimiterVoltage).f32(5, 35.25f)}
                                        << "averageCurrent" << QVariant(35.25f);
        QTest::newRow("kind 3 calibration") << Records{RecordBuilder(LimiterVoltage).u16(9, 417).u8(11, 3)}
                                            << "calibrationText" << QVariant("Calibrated: 03.417");
        QTest::newRow("kind 3 calibration byte 12") << Records{RecordBuilder(LimiterVoltage).u16(9, 5).u8(11, 12)}
                                                    << "calibrationText" << QVariant("Calibrated: 12.5");
        QTest::newRow("kind 4 capacity") << Records{RecordBuilder(LimiterCapacity).f32(1, 4500.f).f32(5, 21.5f)}
                                         << "capacity" << QVariant(4500.f);
        QTest::newRow("kind 4 consumed") << Records{RecordBuilder(LimiterCapacity).f32(1, 4500.f).f32(5, 21.5f)}
                                         << "energyConsumed" << QVariant(21.5f);
        QTest::newRow("kind 10 max speed") << Records{RecordBuilder(LoggerSpeed).f32(1, 88.5f)} << "maximumSpeed" << QVariant(88.5f);
        QTest::newRow("kind 10 avg speed") << Records{RecordBuilder(LoggerSpeed).f32(5, 61.25f)} << "averageSpeed" << QVariant(61.25f);
        QTest::newRow("kind 10 temperature") << Records{RecordBuilder(LoggerSpeed).u16(9, quint16(-5))}
                                             << "temperature" << QVariant(-5);
        QTest::newRow("kind 10 satellites") << Records{RecordBuilder(LoggerSpeed).u8(11, 9)} << "satellites" << QVariant(9);
        QTest::newRow("kind 11 rpm is an integer") << Records{RecordBuilder(LoggerRpm).u32(5, 52000).f32(1, 1.f)}
                                                   << "maximumRpm" << QVariant(52000.f);

        // Fields of other kinds survive.
        QTest::newRow("battery kept over kind 2")
            << Records{limiterVersions(0, 0, 0, 57, 0, 0), energy(1.f, 2.f), RecordBuilder(LimiterVoltage)}
            << "battery" << QVariant(57);
        QTest::newRow("kind 15 changes nothing")
            << Records{energy(3.f, 4.f), RecordBuilder(15).f32(1, 9.f).f32(5, 9.f)} << "energy" << QVariant(3.f);
        QTest::newRow("kind 255 changes nothing")
            << Records{limiterVersions(0, 0, 0, 57, 0, 0), RecordBuilder(255).u32(6, 1)} << "battery" << QVariant(57);
        QTest::newRow("11 bytes are ignored")
            << Records{limiterVersions(0, 0, 0, 57, 0, 0), limiterVersions(0, 0, 0, 20, 0, 0).air().left(11)}
            << "battery" << QVariant(57);
        QTest::newRow("longer data uses 12 bytes")
            << Records{limiterVersions(0, 0, 0, 57, 0, 0).air() + QByteArray(8, '\xff')} << "battery" << QVariant(57);

        // Self-test flags: d5 bits 0, 2, 3, 4 as they are, bit 1 into bit 5,
        // bits 6 and 7 cleared.
        QTest::newRow("self test all") << Records{selfTest(0xFF)} << "selfTestFlags" << QVariant(0x3D);
        QTest::newRow("self test bit 1 to 5") << Records{selfTest(0x02)} << "selfTestFlags" << QVariant(0x20);
        QTest::newRow("self test replaced") << Records{selfTest(0x1F), selfTest(0x04)} << "selfTestFlags" << QVariant(0x04);
        QTest::newRow("self test from kind 9")
            << Records{RecordBuilder(LoggerVersions).u8(5, 0x11)} << "selfTestFlags" << QVariant(0x11);

        // User names.
        const QByteArray name = "Ivan Petrov";
        const QByteArray long32 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
        QTest::newRow("name 5 6 7") << wholeName(LimiterUserName1, name, {0, 1, 2}) << "userName" << QVariant(QString(name));
        QTest::newRow("name 7 5 6") << wholeName(LimiterUserName1, name, {2, 0, 1}) << "userName" << QVariant(QString(name));
        QTest::newRow("name 13 14 12") << wholeName(LoggerUserName1, name, {1, 2, 0}) << "userName" << QVariant(QString(name));
        QTest::newRow("name two parts only") << wholeName(LimiterUserName1, name, {0, 2}) << "userName" << QVariant("");
        QTest::newRow("name 32 bytes") << wholeName(LimiterUserName1, long32, {0, 1, 2}) << "userName" << QVariant(QString(long32));
        QTest::newRow("name mixed kinds 5 13 7") << Records{namePart(LimiterUserName1, 0, long32), namePart(LoggerUserName1, 1, long32),
                                                            namePart(LimiterUserName1, 2, long32)}
                                                 << "userName" << QVariant(QString(long32));
        QTest::newRow("name part repeated before completion")
            << Records{namePart(LimiterUserName1, 0, "Anna"), namePart(LimiterUserName1, 1, "Anna"),
                       namePart(LimiterUserName1, 0, "Olga"), namePart(LimiterUserName1, 2, "Olga")}
            << "userName" << QVariant("Olga");
        QTest::newRow("name parts cleared after completion")
            << (wholeName(LimiterUserName1, "Anna", {0, 1, 2}) + wholeName(LimiterUserName1, "Olga Smirnova", {1, 2}))
            << "userName" << QVariant("Anna");
        QTest::newRow("name in UTF-8") << wholeName(LimiterUserName1, "Пётр", {0, 1, 2}) << "userName"
                                       << QVariant(QStringLiteral("Пётр"));

        // Texts from the status flags.
        QTest::newRow("ready") << Records{status(0x00)} << "raceStatusText" << QVariant("Ready");
        QTest::newRow("race") << Records{status(0x01)} << "raceStatusText" << QVariant("Race");
        QTest::newRow("limited") << Records{status(0x03)} << "raceStatusText" << QVariant("Limited");
        QTest::newRow("error") << Records{status(0x02)} << "raceStatusText" << QVariant("Error");
        QTest::newRow("warning ok") << Records{status(0x33)} << "warningText" << QVariant("Ok");
        QTest::newRow("start overvoltage first") << Records{status(0xCC)} << "warningText" << QVariant("Start overvoltage!");
        QTest::newRow("end undervoltage") << Records{status(0xC8)} << "warningText" << QVariant("End undervoltage!");
        QTest::newRow("esc wire") << Records{status(0xC0)} << "warningText" << QVariant("ESC SIGNAL WIRE CONNECT WRONG!");
        QTest::newRow("red wire") << Records{status(0x80)} << "warningText" << QVariant("RED WIRE BROKEN!");
        QTest::newRow("aec 0") << Records{status(0xCF)} << "aecStatusText" << QVariant("Not supported");
        QTest::newRow("aec 1") << Records{status(0x10)} << "aecStatusText" << QVariant("Disabled");
        QTest::newRow("aec 2") << Records{status(0x20)} << "aecStatusText" << QVariant("Enabled");
        QTest::newRow("aec 3") << Records{status(0x30)} << "aecStatusText" << QVariant("Active");

        // Calibration text: the self-test flags in their order, then the number.
        const RecordBuilder calibrated = RecordBuilder(LimiterVoltage).u16(9, 4).u8(11, 1);
        QTest::newRow("calibration ok") << Records{} << "calibrationText" << QVariant("Ok");
        QTest::newRow("voltage reverse first") << Records{calibrated, selfTest(0x1D)} << "calibrationText" << QVariant("Voltage reverse!");
        QTest::newRow("calibrate error") << Records{calibrated, selfTest(0x19)} << "calibrationText" << QVariant("Calibrate error");
        QTest::newRow("current reverse") << Records{calibrated, selfTest(0x18)} << "calibrationText" << QVariant("Current reverse!");
        QTest::newRow("self test error") << Records{calibrated, selfTest(0x10)} << "calibrationText" << QVariant("Self test error");
        QTest::newRow("bit 5 is no failure") << Records{calibrated, selfTest(0x02)} << "calibrationText" << QVariant("Calibrated: 01.4");

        // Settings set names.
        QTest::newRow("set 0") << Records{settingsSet(0, 0)} << "settingsSetName" << QVariant("0 (No limits!)");
        QTest::newRow("set 1") << Records{settingsSet(1, 0)} << "settingsSetName" << QVariant("1 (Mini Exp/Mono/Vadur)");
        QTest::newRow("set 2") << Records{settingsSet(2, 0)} << "settingsSetName" << QVariant("2 (Exp/Mono1/Vadur)");
        QTest::newRow("set 3") << Records{settingsSet(3, 0)} << "settingsSetName" << QVariant("3 (Mono2/Vadur2)");
        QTest::newRow("set 4") << Records{settingsSet(4, 0)} << "settingsSetName" << QVariant("4 (RAR-I)");
        QTest::newRow("set 5") << Records{settingsSet(5, 0)} << "settingsSetName" << QVariant("5 (Test only!)");
        QTest::newRow("set 5 at 42 Wh") << Records{energy(0, 42.0f), settingsSet(5, 0)} << "settingsSetName"
                                        << QVariant("5 (RAR-I mini)");
        QTest::newRow("set 4 at 42 Wh") << Records{energy(0, 42.0f), settingsSet(4, 0)} << "settingsSetName" << QVariant("4 (RAR-I)");
        QTest::newRow("set 6 fw 0x1900") << Records{settingsSet(6, 0x1900)} << "settingsSetName" << QVariant("6 (User mode1)");
        QTest::newRow("set 6 fw 0x1901") << Records{settingsSet(6, 0x1901)} << "settingsSetName"
                                         << QVariant("6 (Rar Adev Mini RUS)");
        QTest::newRow("set 7 fw 0x1901") << Records{settingsSet(7, 0x1901)} << "settingsSetName" << QVariant("7 (Rar Adev RUS)");
        QTest::newRow("set 8 fw 0x1901") << Records{settingsSet(8, 0x1901)} << "settingsSetName" << QVariant("8 (User mode3)");
        QTest::newRow("set 12") << Records{settingsSet(12, 0)} << "settingsSetName" << QVariant("12 (User mode7)");
        QTest::newRow("set 13") << Records{settingsSet(13, 0)} << "settingsSetName" << QVariant("13 (User mode8)");
        QTest::newRow("set 200 is 13") << Records{settingsSet(200, 0)} << "settingsSetName" << QVariant("13 (User mode8)");
    }

    void decode()
    {
        QFETCH(Records, records);
        QFETCH(QString, field);
        QFETCH(QVariant, expected);

        AdvertisedStatus s;
        for (const QByteArray &record : records)
            s.parse(record);
        const QVariant actual = probe(s, field);
        QVERIFY2(actual.isValid(), qPrintable("no field " + field));
        QCOMPARE(actual, expected);
    }

    void versionWords()
    {
        AdvertisedStatus s;
        s.parse(limiterVersions(0x0213, 0x1901, 0x13, 0, 0, 0));
        QCOMPARE(s.versionWords(), (VersionWords{0x0213, 0x1901, 0x31}));
    }
};

QTEST_GUILESS_MAIN(TestAdvertisedStatus)
#include "tst_advertisedstatus.moc"
