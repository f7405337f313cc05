// The settings editors on their own: fill and read back of every record
// (untouched fields go back byte for byte, edited ones as the form shows
// them), the common page's rules, the limit set's enable rules, the PPM
// buttons and the timing table editor.
#include "CommonSettingsWidget.h"
#include "EditorInput.h"
#include "EscSettings.h"
#include "LimitSettingsWidget.h"
#include "MotorDriveSettWidget.h"
#include "MotorSettingsWidget.h"
#include "PpmSettingsWidget.h"
#include "SettingsRecords.h"
#include "TimingTableWidget.h"
#include "VerticalLabel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <functional>

using namespace EditorInput;
using SettingsRecords::setFieldText;

template<typename Record>
using Change = std::function<void(Record &)>;
Q_DECLARE_METATYPE(Change<s_LimitSettBle>)
Q_DECLARE_METATYPE(Change<s_CommonSettBle>)
Q_DECLARE_METATYPE(Change<s_MotorSettBle>)
Q_DECLARE_METATYPE(Change<s_MotorDriveSettBle>)

namespace {

// Applies the row's edit to a filled form and compares what the form gives
// back, twice (reading back keeps the record), with the row's change of
// expected.
template<typename Record, typename Read>
void expectReadBack(QWidget *form, Record expected, const Read &read)
{
    QFETCH(Edit, edit);
    QFETCH(Change<Record>, change);
    edit(form);
    change(expected);
    QCOMPARE(bytes(read()), bytes(expected));
    QCOMPARE(bytes(read()), bytes(expected));
}

void fillReserved(quint8 *bytes, int size, quint8 first)
{
    for (int i = 0; i < size; ++i)
        bytes[i] = quint8(first + i);
}

// A limit set with values no spin box shows as they are.
s_LimitSettBle awkwardLimitSet()
{
    s_LimitSettBle set{};
    setFieldText(set.settingsName, 32, QStringLiteral("Mini 21"));
    set.energyRef = 75000; // 20.83 Wh
    set.startLimitCurrent = 2.5f;
    set.raceTime = 90.75f;
    set.rampMod = 150;
    set.rampDownTime = 0;
    set.limitTime = 30;
    set.resetByBattDisconn = 2;
    set.aecEnable = 2;
    set.aecMaxStartConsumption = 50;
    set.aecAdditionalTime = 120;
    set.aecMinDuty = 30;
    fillReserved(set.reserved55, 13, 0xA0);
    return set;
}

s_DeviceInfoBle infoWithVersion(quint16 word)
{
    s_DeviceInfoBle info{};
    info.block[0].versionWord60 = word;
    return info;
}

s_CommonSettBle awkwardCommonSettings()
{
    s_CommonSettBle s{};
    setFieldText(s.userName, 32, QStringLiteral("Racer"));
    s.slowdownTime = 2;                         // 50 ms, below the box
    s.controlBits = quint8((3 << 5) | (1 << 4) | 1); // level 3, reverse, servo mode 1
    s.reserved62 = 0x62;
    setFieldText(s.country, 4, QStringLiteral("DE"));
    s.regNum = 0; // below the box
    s.settingsSet = 9;
    s.reserved71 = 0x71;
    s.reserved72 = 0x72;
    s.telemetryFreqHz = 5;
    s.loggerFreqHz = 3; // no such item
    for (int i = 0; i < 6; ++i)
        s.reserved76[i] = quint16(0x7600 + i);
    s.motorPoles = 13; // odd
    s.loggerMemoryBlocks = 1000;
    return s;
}

s_MotorDriveSettBle awkwardMotorDrive()
{
    s_MotorDriveSettBle d{};
    d.fullThrottlePosition = 2.7f; // above the box
    d.stopPosition = 1.234f;       // three decimals
    d.failSafePosition = 0.3f;     // below the box
    d.maxTimingPosition = 1.5f;
    d.minTimingPosition = 2.0f;
    fillReserved(d.reserved20, 4, 0x20);
    d.voltageCutoffThreshold = 40.0f;
    d.maxRefDuty = 0.555f;
    d.maxRefRpm = 45000.7f;
    d.maxRefDcCurr = 5.0f;
    d.maxRefPhCurr = 123.45f;
    d.maxRefDcPower = 999.99f;
    fillReserved(d.reserved48, 4, 0x48);
    fillReserved(d.reserved52, 4, 0x52);
    d.reserved56 = 0x5656;
    d.motorDriveMode = 5; // no such item
    d.becVoltage = 2;
    d.antiCarrot = 2;
    d.rescueFlash = 0;
    fillReserved(d.reserved66, 2, 0x66);
    return d;
}

s_MotorSettBle awkwardMotor()
{
    s_MotorSettBle m{};
    m.currStep = 2.5f;
    m.voltStep = 1.2f;
    m.timingFixedValue = 12.345f;
    m.timingMaxBoost = 40.0f;
    m.absMaxTiming = 22.5f;
    m.currSteps = 6;
    m.voltSteps = 20;
    m.timingMode = 7;
    m.rpmToVolt = 5;
    m.poles = 5;
    m.qepInitOffset = -20;
    m.phaseOffset = 400;
    m.qepDirection = 1;
    m.rotateDirection = 0;
    return m;
}

} // namespace

class tst_SettingsEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void limitSet_data();
    void limitSet();
    void limitSetShowsTheRecord();
    void limitSetEnableRules_data();
    void limitSetEnableRules();
    void nameEditsCountBytes_data();
    void nameEditsCountBytes();

    void commonSettings_data();
    void commonSettings();
    void commonWriteTime_data();
    void commonWriteTime();
    void servoModeRowsFollowEachRecord();
    void passwordEntries();
    void languageChangeKeepsWhatCameAndWhatWasEntered();

    void motorDrive_data();
    void motorDrive();
    void motorDriveDefaultsWithoutRecord();
    void motor_data();
    void motor();
    void ppmPositionsThroughTheEscPage_data();
    void ppmPositionsThroughTheEscPage();
    void ppmButtonsAreRelayed_data();
    void ppmButtonsAreRelayed();
    void escPageKeepsTheTableStepsUntilTheNextTable();
    void timingTableArrivalKeepsNoMotorEdit();

    void timingTableLoad();
    void timingTableCounts();
    void timingTableMaximum();
    void timingTableCellRule();
    void timingTableLoadDoesNotSpreadOverTheSelection();
    void timingTableOkStoresTheCells();
    void verticalLabel();
};

void tst_SettingsEditors::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

// ---- limit set -------------------------------------------------------------

void tst_SettingsEditors::limitSet_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Change<s_LimitSettBle>>("change");
    using S = s_LimitSettBle;
    const QString zhe(QChar(0x0416));
    QTest::newRow("untouched") << untouched << Change<S>([](S &) {});
    QTest::newRow("name of 31 ASCII") << typing("leSettingsName", QString(31, QLatin1Char('n')))
                                      << Change<S>([](S &s) { setFieldText(s.settingsName, 32, QString(31, QLatin1Char('n'))); });
    QTest::newRow("name of 31 two-byte, the edit takes 15") << typing("leSettingsName", zhe.repeated(31))
                                                            << Change<S>([=](S &s) { setFieldText(s.settingsName, 32, zhe.repeated(15)); });
    QTest::newRow("energy 20.50 Wh") << typing("dbEnergyRef", "20.50") << Change<S>([](S &s) { s.energyRef = 73800; });
    QTest::newRow("energy beyond the field") << typing("dbEnergyRef", "1193046")
                                             << Change<S>([](S &s) { s.energyRef = 1193046u * 3600u; });
    QTest::newRow("start current 3.25 A") << typing("dbStartLimitCurrent", "3.25")
                                          << Change<S>([](S &s) { s.startLimitCurrent = 3.25f; });
    QTest::newRow("race time a minute more") << Edit([](QWidget *form) {
        auto *time = child<QTimeEdit>(form, "teRaceTime");
        time->setFocus();
        time->setCurrentSection(QDateTimeEdit::MinuteSection);
        QTest::keyClick(time, Qt::Key_Up);
    }) << Change<S>([](S &s) { s.raceTime = 150; });
    QTest::newRow("ramp down time") << typing("sbRampDownTimeS", "12") << Change<S>([](S &s) { s.rampDownTime = 12; });
    QTest::newRow("reset flag cleared") << toggling("cbResetByBattDisconn") << Change<S>([](S &s) { s.resetByBattDisconn = 0; });
    QTest::newRow("AEC start consumption") << typing("sbAecMaxStartConsumption", "120")
                                           << Change<S>([](S &s) { s.aecMaxStartConsumption = 120; });
}

void tst_SettingsEditors::limitSet()
{
    LimitSettingsWidget form;
    form.show();
    const s_LimitSettBle delivered = awkwardLimitSet();
    form.setLimitSettings(delivered, 6, infoWithVersion(0x0300));
    s_LimitSettBle expected = delivered;
    std::memset(expected.reserved55, 0, 9); // 55 to 63; 64 to 67 stay
    expectReadBack(&form, expected, [&] { return form.limitSettings(); });
}

void tst_SettingsEditors::limitSetShowsTheRecord()
{
    LimitSettingsWidget form;
    s_LimitSettBle set = awkwardLimitSet();
    form.setLimitSettings(set, 7, infoWithVersion(0x0300));
    QCOMPARE(child<QDoubleSpinBox>(&form, "dbEnergyRef")->text(), QStringLiteral("20.83"));
    QCOMPARE(child<QDoubleSpinBox>(&form, "dbStartLimitCurrent")->text(), QStringLiteral("2.50"));
    QCOMPARE(child<QTimeEdit>(&form, "teRaceTime")->text(), QStringLiteral("00 h 01 m 30 s"));
    QVERIFY(child<QCheckBox>(&form, "cbResetByBattDisconn")->isChecked());
    set.energyRef = 21 * 3600;
    form.setLimitSettings(set, 7, infoWithVersion(0x0300));
    QCOMPARE(child<QDoubleSpinBox>(&form, "dbEnergyRef")->text(), QStringLiteral("21.00"));
}

void tst_SettingsEditors::limitSetEnableRules_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("limits");
    QTest::addColumn<bool>("aec");
    QTest::newRow("default set, old version") << 5 << 0x02FF << false << false;
    QTest::newRow("default set, AEC version") << 5 << 0x0300 << false << true;
    QTest::newRow("user set, old version") << 6 << 0x02FF << true << false;
    QTest::newRow("user set, AEC version") << 13 << 0x0350 << true << true;
}

void tst_SettingsEditors::limitSetEnableRules()
{
    QFETCH(int, set);
    QFETCH(int, version);
    QFETCH(bool, limits);
    QFETCH(bool, aec);
    LimitSettingsWidget form;
    form.setLimitSettings(awkwardLimitSet(), set, infoWithVersion(quint16(version)));
    QCOMPARE(child<QGroupBox>(&form, "gbLimiterSettings")->isEnabled(), limits);
    QCOMPARE(child<QGroupBox>(&form, "gbAEC")->isEnabled(), aec);
}

// The name edits count what they hold in UTF-8 bytes, as the record's field
// does: a key that would not fit is refused, so what the page shows is what
// it writes.
void tst_SettingsEditors::nameEditsCountBytes_data()
{
    QTest::addColumn<bool>("limitPage");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("held");
    const QString zhe(QChar(0x0416));  // two bytes
    const QString han(QChar(0x7D71));  // three bytes
    const QString euro(QChar(0x20AC)); // three bytes
    QTest::newRow("user name, 20 Cyrillic letters") << false << "leUserName" << zhe.repeated(20) << zhe.repeated(16);
    QTest::newRow("user name, 11 CJK characters") << false << "leUserName" << han.repeated(11) << han.repeated(10);
    QTest::newRow("user name, 33 ASCII") << false << "leUserName" << QString(33, QLatin1Char('u'))
                                         << QString(32, QLatin1Char('u'));
    QTest::newRow("user name, ASCII after 15 two-byte") << false << "leUserName" << zhe.repeated(15) + "abc"
                                                        << zhe.repeated(15) + "ab";
    QTest::newRow("country, Cyrillic") << false << "leCountry" << zhe.repeated(3) << zhe.repeated(2);
    QTest::newRow("country, euro signs") << false << "leCountry" << euro + euro << euro;
    QTest::newRow("set name, 31 two-byte") << true << "leSettingsName" << zhe.repeated(31) << zhe.repeated(15);
    QTest::newRow("set name, 32 ASCII") << true << "leSettingsName" << QString(32, QLatin1Char('s'))
                                        << QString(31, QLatin1Char('s'));
    QTest::newRow("set name, ASCII after 15 two-byte") << true << "leSettingsName" << zhe.repeated(15) + "ab"
                                                       << zhe.repeated(15) + "a";
    QTest::newRow("set name, CJK") << true << "leSettingsName" << han.repeated(11) << han.repeated(10);
}

void tst_SettingsEditors::nameEditsCountBytes()
{
    QFETCH(bool, limitPage);
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, held);
    CommonSettingsWidget common;
    LimitSettingsWidget limit;
    QWidget *form = limitPage ? static_cast<QWidget *>(&limit) : &common;
    form->show();
    if (limitPage)
        limit.setLimitSettings(awkwardLimitSet(), 6, infoWithVersion(0x0300));
    else
        common.setCommonSettings(awkwardCommonSettings());
    auto *line = child<QLineEdit>(form, edit.toLatin1().constData());
    typeInto(line, typed);
    QCOMPARE(line->text(), held);
    // A paste that does not fit is refused as a whole.
    line->insert(typed);
    QCOMPARE(line->text(), held);

    QByteArray written;
    if (limitPage) {
        const s_LimitSettBle set = limit.limitSettings();
        written = QByteArray(set.settingsName, sizeof set.settingsName);
    } else if (edit == QLatin1String("leUserName")) {
        const s_CommonSettBle settings = common.commonSettings();
        written = QByteArray(settings.userName, sizeof settings.userName);
    } else {
        const s_CommonSettBle settings = common.commonSettings();
        written = QByteArray(settings.country, sizeof settings.country);
    }
    QCOMPARE(written, held.toUtf8().leftJustified(written.size(), '\0'));
}

// ---- common settings ---------------------------------------------------------

void tst_SettingsEditors::commonSettings_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Change<s_CommonSettBle>>("change");
    using S = s_CommonSettBle;
    const QString cyrillic = QString::fromUtf8("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ");
    QTest::newRow("untouched") << untouched << Change<S>([](S &) {});
    QTest::newRow("user name of 20 Cyrillic letters") << typing("leUserName", cyrillic) << Change<S>([=](S &s) {
        std::memcpy(s.userName, cyrillic.left(16).toUtf8().constData(), 32);
    });
    QTest::newRow("country") << typing("leCountry", "ITA") << Change<S>([](S &s) { setFieldText(s.country, 4, "ITA"); });
    QTest::newRow("registration number") << typing("sbRegNum", "42") << Change<S>([](S &s) { s.regNum = 42; });
    QTest::newRow("logger frequency 100") << picking("cbLoggerWriteFreq", 6) << Change<S>([](S &s) { s.loggerFreqHz = 100; });
    QTest::newRow("telemetry frequency 10") << picking("cbTelemetryFreq", 3) << Change<S>([](S &s) { s.telemetryFreqHz = 10; });
    QTest::newRow("motor poles 20") << picking("cbMotorPoles", 9) << Change<S>([](S &s) { s.motorPoles = 20; });
    QTest::newRow("settings set") << picking("cbLimiterSettSet", 2) << Change<S>([](S &s) { s.settingsSet = 2; });
    QTest::newRow("comparator level, other bits kept") << picking("cbRpmSensCompLevel", 7)
                                                       << Change<S>([](S &s) { s.controlBits = quint8((7 << 5) | (1 << 4) | 1); });
}

void tst_SettingsEditors::commonSettings()
{
    CommonSettingsWidget form;
    form.show();
    const s_CommonSettBle delivered = awkwardCommonSettings();
    form.setCommonSettings(delivered);
    expectReadBack(&form, delivered, [&] { return form.commonSettings(); });
}

void tst_SettingsEditors::commonWriteTime_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<int>("hz");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("time");
    QTest::addColumn<bool>("logger");
    QTest::newRow("3 Hz, no such item") << 1000 << 3 << "1" << "11:51:06" << true;
    QTest::newRow("0 Hz") << 1000 << 0 << "1" << "--:--:--" << true;
    QTest::newRow("100 Hz") << 1000 << 100 << "100" << "00:21:20" << true;
    QTest::newRow("no logger memory") << 0 << 10 << "10" << "00:00:00" << false;
}

void tst_SettingsEditors::commonWriteTime()
{
    QFETCH(int, blocks);
    QFETCH(int, hz);
    QFETCH(QString, item);
    QFETCH(QString, time);
    QFETCH(bool, logger);
    CommonSettingsWidget form;
    form.show();
    s_CommonSettBle s = awkwardCommonSettings();
    s.loggerMemoryBlocks = quint16(blocks);
    s.loggerFreqHz = quint16(hz);
    form.setCommonSettings(s);
    QCOMPARE(child<QComboBox>(&form, "cbLoggerWriteFreq")->currentText(), item);
    QCOMPARE(child<QLabel>(&form, "lblMaxLoggerWriteTime")->text(), time);
    QCOMPARE(child<QGroupBox>(&form, "gbLogger")->isEnabled(), logger);
    QCOMPARE(child<QComboBox>(&form, "cbMotorPoles")->isEnabledTo(&form), logger);
    // Picking a frequency shows its time from the kept record.
    if (logger) {
        pick(child<QComboBox>(&form, "cbLoggerWriteFreq"), 6);
        QCOMPARE(child<QLabel>(&form, "lblMaxLoggerWriteTime")->text(), QStringLiteral("00:21:20"));
    }
}

void tst_SettingsEditors::servoModeRowsFollowEachRecord()
{
    CommonSettingsWidget form;
    form.show();
    auto *group = child<QWidget>(&form, "gbDovResonance");
    auto *rpmMin = child<QWidget>(&form, "sbControlRpmMin");
    auto *learn = child<QWidget>(&form, "pbStartResonancePipeLearn");
    auto *slowdown = child<QWidget>(&form, "sbSlowdownTime_ms");
    s_CommonSettBle s = awkwardCommonSettings(); // servo mode 1
    for (int round = 0; round < 2; ++round) {
        form.setCommonSettings(s);
        QVERIFY(rpmMin->isVisibleTo(group));
        QVERIFY(learn->isVisibleTo(group));
        QVERIFY(!slowdown->isVisibleTo(group));
        QVERIFY(!child<QComboBox>(&form, "cbPpmOut1ServoMode")->isEnabled());
    }
    s.controlBits = 0;
    form.setCommonSettings(s);
    QVERIFY(!rpmMin->isVisibleTo(group));
    QVERIFY(slowdown->isVisibleTo(group));
}

void tst_SettingsEditors::passwordEntries()
{
    CommonSettingsWidget form;
    form.show();
    auto *group = child<QGroupBox>(&form, "gbPassword");
    auto *password = child<QLineEdit>(&form, "lePassword");
    auto *repeat = child<QLineEdit>(&form, "lePasswordRepeat");
    QVERIFY(!form.isPasswordGroupChecked());
    group->setChecked(true);
    QVERIFY(form.isPasswordGroupChecked());
    typeInto(password, "pit-lane");
    typeInto(repeat, "pit-lanE");
    QCOMPARE(form.newPassword(), QString());
    typeInto(repeat, "pit-lane");
    QCOMPARE(form.newPassword(), QStringLiteral("pit-lane"));

    // The eye shows both entries in plain and masks them again.
    auto *eye = child<QPushButton>(&form, "pbShowPassword");
    QVERIFY(eye->isEnabled());
    QTest::mouseClick(eye, Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Normal);
    QCOMPARE(repeat->echoMode(), QLineEdit::Normal);
    QTest::mouseClick(eye, Qt::LeftButton);
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(repeat->echoMode(), QLineEdit::Password);
}

void tst_SettingsEditors::languageChangeKeepsWhatCameAndWhatWasEntered()
{
    CommonSettingsWidget form;
    form.show();
    form.setCommonSettings(awkwardCommonSettings());
    form.setLimitSettingsSetName(1, QStringLiteral("Club 21"));
    form.setLimitSettingsSetName(9, QStringLiteral("Heat 4"));
    typeInto(child<QLineEdit>(&form, "leUserName"), "Nina");
    const QString time = child<QLabel>(&form, "lblMaxLoggerWriteTime")->text();

    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&form, &change);

    auto *sets = child<QComboBox>(&form, "cbLimiterSettSet");
    QCOMPARE(sets->itemText(1), QStringLiteral("Club 21"));
    QCOMPARE(sets->itemText(9), QStringLiteral("Heat 4"));
    QCOMPARE(sets->itemText(0), QStringLiteral("No Limits (telemetry only)"));
    QCOMPARE(child<QLineEdit>(&form, "leUserName")->text(), QStringLiteral("Nina"));
    QCOMPARE(child<QLabel>(&form, "lblMaxLoggerWriteTime")->text(), time);
    QCOMPARE(sets->currentIndex(), 9);
}

// ---- motor drive, motor, PPM -------------------------------------------------

void tst_SettingsEditors::motorDrive_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Change<s_MotorDriveSettBle>>("change");
    using S = s_MotorDriveSettBle;
    QTest::newRow("untouched") << untouched << Change<S>([](S &) {});
    QTest::newRow("duty") << typing("sbMaxRefDuty", "0.5") << Change<S>([](S &s) { s.maxRefDuty = 0.5f; });
    QTest::newRow("rpm") << typing("sbMaxRefRPM", "60000") << Change<S>([](S &s) { s.maxRefRpm = 60000.0f; });
    QTest::newRow("phase current") << typing("sbMaxRefPhCurr", "180.5") << Change<S>([](S &s) { s.maxRefPhCurr = 180.5f; });
    QTest::newRow("cutoff") << typing("sbVoltageCutoffThreshold", "11.1")
                            << Change<S>([](S &s) { s.voltageCutoffThreshold = 11.1f; });
    QTest::newRow("BEC voltage") << picking("cbBECVoltage", 3) << Change<S>([](S &s) { s.becVoltage = 3; });
    QTest::newRow("drive mode from no item") << picking("cbMotorDriveMode", 1) << Change<S>([](S &s) { s.motorDriveMode = 1; });
    QTest::newRow("anti carrot off") << toggling("cbAntiCarrot") << Change<S>([](S &s) { s.antiCarrot = 0; });
    QTest::newRow("rescue flash on") << toggling("cbRescueFlash") << Change<S>([](S &s) { s.rescueFlash = 1; });
}

void tst_SettingsEditors::motorDrive()
{
    MotorDriveSettWidget form;
    form.show();
    const s_MotorDriveSettBle delivered = awkwardMotorDrive();
    form.setMotorDriveSettings(delivered);
    QCOMPARE(child<QComboBox>(&form, "cbMotorDriveMode")->currentIndex(), -1);
    expectReadBack(&form, delivered, [&] { return form.motorDriveSettings(); });
}

void tst_SettingsEditors::motorDriveDefaultsWithoutRecord()
{
    MotorDriveSettWidget form;
    s_MotorDriveSettBle expected{};
    expected.maxRefDuty = 1.0f;
    expected.maxRefRpm = 50000.0f;
    expected.maxRefPhCurr = 150.0f;
    expected.maxRefDcCurr = 100.0f;
    expected.maxRefDcPower = 1000.0f;
    expected.voltageCutoffThreshold = float(9.9);
    QCOMPARE(bytes(form.motorDriveSettings()), bytes(expected));
}

void tst_SettingsEditors::motor_data()
{
    QTest::addColumn<quint16>("poles");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Change<s_MotorSettBle>>("change");
    using S = s_MotorSettBle;
    QTest::newRow("untouched, odd poles") << quint16(5) << "4" << untouched << Change<S>([](S &) {});
    QTest::newRow("untouched, 14 poles") << quint16(14) << "14" << untouched << Change<S>([](S &) {});
    QTest::newRow("untouched, poles beyond the items") << quint16(18) << "" << untouched << Change<S>([](S &) {});
    QTest::newRow("poles picked") << quint16(5) << "4" << picking("cbPoles", 6) << Change<S>([](S &s) { s.poles = 14; });
    QTest::newRow("phase offset") << quint16(14) << "14" << typing("sbPhaseOffset", "90") << Change<S>([](S &s) { s.phaseOffset = 90; });
    QTest::newRow("rpm to volt") << quint16(14) << "14" << typing("sbRpmToVolt", "1500") << Change<S>([](S &s) { s.rpmToVolt = 1500; });
    QTest::newRow("fixed timing") << quint16(14) << "14" << typing("sbTimingFixedValue", "7.5")
                                  << Change<S>([](S &s) { s.timingFixedValue = 7.5f; });
    QTest::newRow("timing mode from no item") << quint16(14) << "14" << picking("cbTimingMode", 3)
                                              << Change<S>([](S &s) { s.timingMode = 3; });
}

void tst_SettingsEditors::motor()
{
    QFETCH(quint16, poles);
    QFETCH(QString, shown);
    MotorSettingsWidget form;
    form.show();
    s_MotorSettBle delivered = awkwardMotor();
    delivered.poles = poles;
    form.setMotorSettings(delivered);
    QCOMPARE(child<QComboBox>(&form, "cbPoles")->currentText(), shown);
    expectReadBack(&form, delivered, [&] { return form.motorSettings(); });
}

void tst_SettingsEditors::ppmPositionsThroughTheEscPage_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Change<s_MotorDriveSettBle>>("change");
    using S = s_MotorDriveSettBle;
    QTest::newRow("untouched") << untouched << Change<S>([](S &) {});
    QTest::newRow("stop position") << typing("sbStopPosition", "1.10") << Change<S>([](S &s) { s.stopPosition = 1.1f; });
    QTest::newRow("fail-safe out of range") << typing("sbFailSafePosition", "0.95")
                                            << Change<S>([](S &s) { s.failSafePosition = 0.95f; });
    QTest::newRow("drive tab edited too") << Edit([](QWidget *form) {
        typeInto(child<QWidget>(form, "sbMaxTimingPosition"), "1.75");
        typeInto(child<QWidget>(form, "sbMaxRefDuty"), "0.8");
    }) << Change<S>([](S &s) {
        s.maxTimingPosition = 1.75f;
        s.maxRefDuty = 0.8f;
    });
}

void tst_SettingsEditors::ppmPositionsThroughTheEscPage()
{
    EscSettings page;
    page.show();
    const s_MotorDriveSettBle delivered = awkwardMotorDrive();
    page.setMotorDriveSettings(delivered);
    // The PPM tab holds the reserved bytes after the positions; the drive
    // tab's copy of them does not count.
    child<MotorDriveSettWidget>(&page, "pMotorDriveCommon")->setMotorDriveSettings([&] {
        s_MotorDriveSettBle other = delivered;
        std::memset(other.reserved20, 0xEE, 4);
        return other;
    }());
    expectReadBack(&page, delivered, [&] { return page.motorDriveSettings(); });
}

void tst_SettingsEditors::ppmButtonsAreRelayed_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("signal");
    QTest::newRow("full throttle") << "pbSetFullThrottle" << 0;
    QTest::newRow("stop") << "pbSetStopPosition" << 1;
    QTest::newRow("fail-safe") << "pbSetFailSafePosition" << 2;
    QTest::newRow("max timing") << "pbSetMaxTimingPosition" << 3;
    QTest::newRow("min timing") << "pbSetMinTimingPosition" << 4;
}

void tst_SettingsEditors::ppmButtonsAreRelayed()
{
    QFETCH(QString, button);
    QFETCH(int, signal);
    EscSettings page;
    page.show();
    QList<QSignalSpy *> spies = {new QSignalSpy(&page, &EscSettings::setFullThrottle),
                                 new QSignalSpy(&page, &EscSettings::setStopPosition),
                                 new QSignalSpy(&page, &EscSettings::setFailsafePosition),
                                 new QSignalSpy(&page, &EscSettings::setMaxTimingPosition),
                                 new QSignalSpy(&page, &EscSettings::setMinTimingPosition)};
    child<QTabWidget>(&page, "tabWidget")->setCurrentIndex(1);
    QTest::mouseClick(page.findChild<QPushButton *>(button), Qt::LeftButton);
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies.at(i)->count(), i == signal ? 1 : 0);
    qDeleteAll(spies);
}

void tst_SettingsEditors::escPageKeepsTheTableStepsUntilTheNextTable()
{
    EscSettings page;
    QCOMPARE(child<QTabWidget>(&page, "tabWidget")->currentIndex(), 3);
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 6;
    page.setMotorSettings(motor);
    page.setTimingTable(s_TimingTableBle{});
    auto *table = child<QTableWidget>(&page, "twTimingTable");
    QCOMPARE(table->rowCount(), 6);
    motor.voltSteps = 9;
    page.setMotorSettings(motor);
    QCOMPARE(table->rowCount(), 6);
    page.setTimingTable(s_TimingTableBle{});
    QCOMPARE(table->rowCount(), 9);
}

// A timing table that arrives while the motor tab is being edited takes its
// steps from the motor record with the edits, and keeps none of them: an
// edit put back before saving is not written.
void tst_SettingsEditors::timingTableArrivalKeepsNoMotorEdit()
{
    EscSettings page;
    page.show();
    child<QTabWidget>(&page, "tabWidget")->setCurrentIndex(2);
    s_MotorSettBle motor = awkwardMotor();
    motor.rpmToVolt = 1000;
    motor.voltSteps = 6;
    page.setMotorSettings(motor);
    auto *rpmToVolt = child<QWidget>(&page, "sbRpmToVolt");
    typeInto(rpmToVolt, "1200");
    page.setTimingTable(s_TimingTableBle{});
    QCOMPARE(page.motorSettings().rpmToVolt, quint16(1200));
    typeInto(rpmToVolt, "1000");
    QCOMPARE(bytes(page.motorSettings()), bytes(motor));
}

// ---- timing table ------------------------------------------------------------

namespace {

s_TimingTableBle countingTable()
{
    s_TimingTableBle table{};
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c)
            table.cells[r][c] = quint16(r + c);
    }
    return table;
}

QStringList texts(const QTableWidget *table, int row)
{
    QStringList result;
    for (int c = 0; c < table->columnCount(); ++c)
        result << (table->item(row, c) ? table->item(row, c)->text() : QStringLiteral("<none>"));
    return result;
}

QStringList headers(const QTableWidget *table, Qt::Orientation orientation)
{
    QStringList result;
    const int count = orientation == Qt::Horizontal ? table->columnCount() : table->rowCount();
    for (int i = 0; i < count; ++i)
        result << table->model()->headerData(i, orientation).toString();
    return result;
}

// Types into the current cell and confirms, as a user does.
void typeIntoCell(QTableWidget *table, const QString &text)
{
    // The first key opens the cell's editor, the rest go to it.
    QTest::keyClick(table, text.at(0).toLatin1());
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on the next turn of the event loop.
    QCoreApplication::processEvents();
}

} // namespace

void tst_SettingsEditors::timingTableLoad()
{
    TimingTableWidget editor;
    QSignalSpy announced(&editor, &TimingTableWidget::updateSettOnTheParentClass);
    s_MotorSettBle motor = awkwardMotor(); // 20 voltage steps, 6 current steps of 2.5 A, maximum 22.5
    motor.absMaxTiming = 20.0f;
    s_TimingTableBle table = countingTable();
    table.cells[0][1] = 60;
    editor.loadTable(motor, table);

    auto *grid = child<QTableWidget>(&editor, "twTimingTable");
    QCOMPARE(grid->rowCount(), 16);
    QCOMPARE(grid->columnCount(), 6);
    QCOMPARE(headers(grid, Qt::Horizontal), QStringList({"2.5", "5", "7.5", "10", "12.5", "15"}));
    QCOMPARE(headers(grid, Qt::Vertical).mid(0, 3), QStringList({"1.2", "2.4", "3.6"}));
    QCOMPARE(texts(grid, 0), QStringList({"0", "20", "2", "3", "4", "5"}));
    QCOMPARE(texts(grid, 15), QStringList({"15", "16", "17", "18", "19", "20"}));
    QCOMPARE(editor.motorSettings().voltSteps, quint16(16));
    QCOMPARE(announced.count(), 1);
}

void tst_SettingsEditors::timingTableCounts()
{
    TimingTableWidget editor;
    editor.show();
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 6;
    motor.absMaxTiming = 50;
    editor.loadTable(motor, countingTable());
    auto *grid = child<QTableWidget>(&editor, "twTimingTable");
    auto *voltSteps = child<QSpinBox>(&editor, "sbVoltSteps");
    typeInto(voltSteps, "8");
    QCOMPARE(grid->rowCount(), 8);
    QCOMPARE(texts(grid, 7), QStringList(6, QStringLiteral("0")));
    QCOMPARE(headers(grid, Qt::Vertical).last(), QStringLiteral("9.6"));
    typeInto(voltSteps, "6");
    QCOMPARE(grid->rowCount(), 6);
    typeInto(voltSteps, "7");
    QCOMPARE(texts(grid, 6), QStringList(6, QStringLiteral("0")));
}

void tst_SettingsEditors::timingTableMaximum()
{
    TimingTableWidget editor;
    editor.show();
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 4;
    motor.currSteps = 4;
    motor.absMaxTiming = 50;
    editor.loadTable(motor, countingTable());
    auto *grid = child<QTableWidget>(&editor, "twTimingTable");
    delete grid->takeItem(0, 0);
    typeInto(child<QSpinBox>(&editor, "sbAbsMaxTiming"), "4");
    child<QSpinBox>(&editor, "sbAbsMaxTiming")->clearFocus();
    QCOMPARE(texts(grid, 0), QStringList({"4", "1", "2", "3"}));
    QCOMPARE(texts(grid, 3), QStringList({"3", "4", "4", "4"}));
    QCOMPARE(editor.motorSettings().absMaxTiming, 4.0f);
}

void tst_SettingsEditors::timingTableCellRule()
{
    TimingTableWidget editor;
    editor.show();
    QApplication::setActiveWindow(&editor);
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 6;
    motor.absMaxTiming = 50;
    editor.loadTable(motor, countingTable());
    auto *grid = child<QTableWidget>(&editor, "twTimingTable");
    grid->setFocus();

    // 77 is held to 50.
    grid->setCurrentCell(2, 2);
    typeIntoCell(grid, "77");
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("50"));

    // An edit with five cells selected reaches all five.
    grid->setCurrentCell(1, 0);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid->selectedItems().size(), 5);
    typeIntoCell(grid, "12");
    QCOMPARE(texts(grid, 1), QStringList({"12", "12", "12", "12", "12", "6"}));
    QCOMPARE(texts(grid, 0), QStringList({"0", "1", "2", "3", "4", "5"}));
}

void tst_SettingsEditors::timingTableLoadDoesNotSpreadOverTheSelection()
{
    TimingTableWidget editor;
    editor.show();
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 6;
    motor.absMaxTiming = 50;
    editor.loadTable(motor, s_TimingTableBle{});
    auto *grid = child<QTableWidget>(&editor, "twTimingTable");
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(grid->selectedItems().size(), 4);
    editor.loadTable(motor, countingTable());
    QCOMPARE(texts(grid, 0), QStringList({"0", "1", "2", "3", "4", "5"}));
    QCOMPARE(texts(grid, 1), QStringList({"1", "2", "3", "4", "5", "6"}));
}

void tst_SettingsEditors::timingTableOkStoresTheCells()
{
    QWidget host;
    auto *editor = new TimingTableWidget(&host);
    host.show();
    s_MotorSettBle motor = awkwardMotor();
    motor.voltSteps = 4;
    motor.currSteps = 4;
    motor.absMaxTiming = 50;
    s_TimingTableBle table = countingTable();
    table.cells[5][5] = 999; // outside the rows in use: carried
    editor->loadTable(motor, table);
    auto *grid = child<QTableWidget>(editor, "twTimingTable");
    grid->item(1, 1)->setText(QStringLiteral("33"));
    delete grid->takeItem(2, 2);
    QSignalSpy announced(editor, &TimingTableWidget::updateSettOnTheParentClass);
    QTest::mouseClick(child<QDialogButtonBox>(editor, "pbApplySettings")->button(QDialogButtonBox::Ok), Qt::LeftButton);

    QCOMPARE(announced.count(), 1);
    QVERIFY(!editor->isVisible());
    const s_TimingTableBle stored = editor->timingTable();
    QCOMPARE(stored.cells[1][1], quint16(33));
    QCOMPARE(stored.cells[2][2], quint16(4)); // a missing cell keeps its value
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("0"));
    QCOMPARE(stored.cells[5][5], quint16(999));
    QCOMPARE(editor->motorSettings().voltSteps, quint16(4));
}

void tst_SettingsEditors::verticalLabel()
{
    VerticalLabel label(QStringLiteral("Voltage, V"));
    QLabel plain(QStringLiteral("Voltage, V"));
    QCOMPARE(label.sizeHint(), plain.sizeHint().transposed());
    QCOMPARE(label.minimumSizeHint(), plain.minimumSizeHint().transposed());
    QVERIFY(label.sizeHint().height() > label.sizeHint().width());

    // The text is painted upright in a tall strip: its ink spans more rows
    // than columns.
    label.resize(label.sizeHint());
    const QImage image = label.grab().toImage();
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                top = qMin(top, y);
                bottom = qMax(bottom, y);
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY(bottom > top);
    QVERIFY(bottom - top > 2 * (right - left));
}

QTEST_MAIN(tst_SettingsEditors)
#include "tst_settingseditors.moc"
