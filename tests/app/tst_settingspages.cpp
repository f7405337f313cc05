// The settings pages against simulated devices through the real
// LimiterDevice, wired as the device panel wires them: records the device
// delivers reach the forms, edits go back with the device's writes and the
// device then holds exactly what the forms returned.
#include "CommonSettingsWidget.h"
#include "EditorInput.h"
#include "EscSettings.h"
#include "LimitSettingsWidget.h"
#include "AdvertisementProtocol.h"
#include "ModalAnswerer.h"
#include "PageRig.h"
#include "SimStatusAdvertiser.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace EditorInput;

namespace {

// The device tab's device as the device list hands it over: with the
// advertised status, so its hardware version tells the device kind.
void advertise(PageRig &rig)
{
    const quint8 versions = rig.sim->kind() == SimLimiter::Kind::DovLogger ? advertisement::LoggerVersions
                                                                            : advertisement::LimiterVersions;
    rig.device->advertisedStatus().parse(SimStatusAdvertiser::onAir(versions, rig.sim->advertisedStatus()));
}

// Runs connect (by default the device's own connectToDevice) and waits
// until the device link has read every settings record.
bool connectAndWait(PageRig &rig, const std::function<void()> &connect = {})
{
    QSignalSpy table(rig.device.get(), &LimiterDevice::timingTableUpdated);
    QSignalSpy sets(rig.device.get(), &LimiterDevice::defaultLimitSettingsUpdated);
    if (connect)
        connect();
    else
        rig.device->connectToDevice();
    return QTest::qWaitFor([&] { return table.count() && sets.count() == 6; }, 10000);
}

// The common settings page of one device tab, fed as the panel feeds it.
struct CommonPage {
    explicit CommonPage(PageRig &rig)
    {
        QObject::connect(rig.device.get(), &LimiterDevice::commonSettingsUpdated, &form,
                         [this, device = rig.device.get()] { form.setCommonSettings(device->commonSettings()); });
        form.show();
    }
    CommonSettingsWidget form;
};

} // namespace

class tst_SettingsPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void commonSettingsOfBothKinds_data();
    void commonSettingsOfBothKinds();
    void passwordSave_data();
    void passwordSave();
    void limitSetRoundTrip();
    void escSettingsRoundTrip();
    void resetAndPositionShowWhatTheDeviceHolds();
};

void tst_SettingsPages::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

void tst_SettingsPages::commonSettingsOfBothKinds_data()
{
    QTest::addColumn<SimLimiter::Kind>("kind");
    QTest::addColumn<bool>("dov");
    QTest::newRow("limiter") << SimLimiter::Kind::Limiter << false;
    QTest::newRow("DOV logger") << SimLimiter::Kind::DovLogger << true;
}

void tst_SettingsPages::commonSettingsOfBothKinds()
{
    QFETCH(SimLimiter::Kind, kind);
    QFETCH(bool, dov);
    PageRig rig(kind);
    advertise(rig);
    s_CommonSettBle held = rig.sim->commonSettings();
    held.motorPoles = 14;
    rig.sim->setCommonSettings(held);
    CommonPage page(rig);
    QVERIFY(connectAndWait(rig, [&] { page.form.setDevice(rig.device); }));

    CommonSettingsWidget &form = page.form;
    auto *poles = child<QComboBox>(&form, "cbMotorPoles");
    QCOMPARE(child<QGroupBox>(&form, "gbDovResonance")->isVisibleTo(&form), dov);
    QCOMPARE(child<QComboBox>(&form, "cbLimiterSettSet")->isVisibleTo(&form), !dov);
    QCOMPARE(child<QLabel>(&form, "lMotorPoles")->text(), dov ? QStringLiteral("Magnets count:") : QStringLiteral("Motor poles:"));
    QCOMPARE(poles->currentText(), dov ? QStringLiteral("7") : QStringLiteral("14"));

    // A language change keeps the device kind's texts.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&form, &change);
    QCOMPARE(child<QLabel>(&form, "lMotorPoles")->text(), dov ? QStringLiteral("Magnets count:") : QStringLiteral("Motor poles:"));
    QCOMPARE(poles->itemText(0), dov ? QStringLiteral("1") : QStringLiteral("2"));

    // Magnets "3" are six poles; on a limiter the item "6" is six too.
    pick(poles, 2);
    typeInto(child<QLineEdit>(&form, "leUserName"), "Pit crew");
    const s_CommonSettBle written = form.commonSettings();
    QVERIFY(form.writeToDevice());
    QTRY_COMPARE(rig.sim->commonSettings().motorPoles, quint16(6));
    QCOMPARE(recordText(rig.sim->commonSettings().userName, 32), QStringLiteral("Pit crew"));
    // The device holds what the form returned; the bytes the device link
    // does not carry are zero in it.
    s_CommonSettBle expected = rig.sim->commonSettings();
    std::memset(expected.reserved32, 0, sizeof expected.reserved32);
    expected.reserved63 = 0;
    std::memset(expected.reserved92, 0, sizeof expected.reserved92);
    QCOMPARE(bytes(written), bytes(expected));
}

void tst_SettingsPages::passwordSave_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<QString>("held");  // the device's password afterwards
    QTest::addColumn<bool>("settings"); // whether the settings were written
    QTest::newRow("equal") << true << "pit-lane" << "pit-lane" << "pit-lane" << true;
    QTest::newRow("different") << true << "pit-lane" << "pit-lame" << "old" << false;
    QTest::newRow("both empty reset it") << true << "" << "" << "" << true;
    QTest::newRow("group unchecked") << false << "pit-lane" << "other" << "old" << true;
}

void tst_SettingsPages::passwordSave()
{
    QFETCH(bool, checked);
    QFETCH(QString, password);
    QFETCH(QString, repeat);
    QFETCH(QString, held);
    QFETCH(bool, settings);
    PageRig rig;
    CommonPage page(rig);
    QVERIFY(connectAndWait(rig, [&] { page.form.setDevice(rig.device); }));
    // The device gets a password while this connection is authorised.
    rig.device->setPassword(QStringLiteral("old"));
    QTRY_COMPARE(rig.sim->password(), QByteArray("old"));

    CommonSettingsWidget &form = page.form;
    child<QGroupBox>(&form, "gbPassword")->setChecked(checked);
    typeInto(child<QLineEdit>(&form, "lePassword"), password);
    typeInto(child<QLineEdit>(&form, "lePasswordRepeat"), repeat);
    typeInto(child<QSpinBox>(&form, "sbRegNum"), "777");
    QStringList seen;
    ModalAnswerer<QMessageBox> answerer([&](QMessageBox *box) {
        seen << box->text();
        box->accept();
    });
    QCOMPARE(form.writeToDevice(), settings);
    rig.settle(300);
    QCOMPARE(QString::fromUtf8(rig.sim->password()), held);
    QCOMPARE(rig.sim->commonSettings().regNum == 777, settings);
    QCOMPARE(seen.size(), settings ? 0 : 1);
    if (!settings)
        QCOMPARE(seen.constFirst(), CommonSettingsWidget::passwordMismatchText());
}

void tst_SettingsPages::limitSetRoundTrip()
{
    PageRig rig;
    s_LimitSettBle held = rig.sim->limitSet(8);
    held.energyRef = 75000; // 20.83 Wh
    held.startLimitCurrent = 2.5f;
    held.raceTime = 90;
    rig.sim->setLimitSet(8, held);
    LimitSettingsWidget form;
    form.show();
    QObject::connect(rig.device.get(), &LimiterDevice::userLimitSettingsUpdated, &form,
                     [&](int index) {
                         if (index == 2)
                             form.setLimitSettings(rig.device->userLimitSettings(2), 8, rig.device->deviceInformation());
                     });
    QVERIFY(connectAndWait(rig));
    QTRY_COMPARE(child<QDoubleSpinBox>(&form, "dbEnergyRef")->text(), QStringLiteral("20.83"));

    typeInto(child<QLineEdit>(&form, "leSettingsName"), QStringLiteral("Heat 3"));
    const s_LimitSettBle written = form.limitSettings();
    rig.device->writeLimitSettings(8, written);
    QTRY_COMPARE(recordText(rig.sim->limitSet(8).settingsName, 32), QStringLiteral("Heat 3"));
    QCOMPARE(bytes(rig.sim->limitSet(8)), bytes(written));
    QCOMPARE(rig.sim->limitSet(8).energyRef, 75000u);
    QCOMPARE(rig.sim->limitSet(8).startLimitCurrent, 2.5f);
}

void tst_SettingsPages::escSettingsRoundTrip()
{
    PageRig rig;
    s_MotorDriveSettBle drive = rig.sim->motorDriveSettings();
    drive.maxRefRpm = 45000.5f;
    drive.stopPosition = 1.234f;
    std::memcpy(drive.reserved20, "\x01\x02\x03\x04", 4);
    rig.sim->setMotorDriveSettings(drive);
    EscSettings page;
    page.show();
    LimiterDevice *device = rig.device.get();
    QObject::connect(device, &LimiterDevice::motorDriveSettingsUpdated, &page,
                     [&] { page.setMotorDriveSettings(device->motorDriveSettings()); });
    QObject::connect(device, &LimiterDevice::motorSettingsUpdated, &page,
                     [&] { page.setMotorSettings(device->motorSettings()); });
    QObject::connect(device, &LimiterDevice::timingTableUpdated, &page,
                     [&] { page.setTimingTable(device->timingTable()); });
    QVERIFY(connectAndWait(rig));

    typeInto(child<QWidget>(&page, "sbFullThrottlePosition"), "1.95");
    typeInto(child<QWidget>(&page, "sbRpmToVolt"), "1200");
    const s_MotorSettBle motor = page.motorSettings();
    const s_MotorDriveSettBle written = page.motorDriveSettings();
    device->writeMotorSettings(motor);
    device->writeMotorDriveSettings(written);
    QTRY_COMPARE(rig.sim->motorDriveSettings().fullThrottlePosition, 1.95f);
    QCOMPARE(bytes(rig.sim->motorDriveSettings()), bytes(written));
    QCOMPARE(rig.sim->motorDriveSettings().maxRefRpm, 45000.5f);
    QCOMPARE(rig.sim->motorDriveSettings().stopPosition, 1.234f);
    QCOMPARE(bytes(rig.sim->motorSettings()), bytes(motor));
    QCOMPARE(rig.sim->motorSettings().rpmToVolt, quint16(1200));
}

void tst_SettingsPages::resetAndPositionShowWhatTheDeviceHolds()
{
    PageRig rig;
    s_CommonSettBle common = rig.sim->commonSettings();
    setRecordText(common.userName, 32, QStringLiteral("Before reset"));
    rig.sim->setCommonSettings(common);
    s_LimitSettBle set = rig.sim->limitSet(6);
    set.energyRef = 99 * 3600;
    rig.sim->setLimitSet(6, set);
    rig.sim->setPpmInputMs(1.85f);

    // The pages, wired as the device panel wires them.
    LimiterDevice *device = rig.device.get();
    CommonPage commonPage(rig);
    LimitSettingsWidget limitPage;
    EscSettings escPage;
    QObject::connect(device, &LimiterDevice::userLimitSettingsUpdated, &limitPage, [&](int index) {
        if (index == 0)
            limitPage.setLimitSettings(device->userLimitSettings(0), 6, device->deviceInformation());
    });
    QObject::connect(device, &LimiterDevice::motorDriveSettingsUpdated, &escPage,
                     [&] { escPage.setMotorDriveSettings(device->motorDriveSettings()); });
    QObject::connect(device, &LimiterDevice::motorSettingsUpdated, &escPage,
                     [&] { escPage.setMotorSettings(device->motorSettings()); });
    QObject::connect(&escPage, &EscSettings::setStopPosition, device, &LimiterDevice::sendSetStopPosition);
    escPage.show();
    QVERIFY(connectAndWait(rig, [&] { commonPage.form.setDevice(rig.device); }));
    auto *userName = child<QLineEdit>(&commonPage.form, "leUserName");
    auto *energy = child<QDoubleSpinBox>(&limitPage, "dbEnergyRef");
    auto *stop = child<QDoubleSpinBox>(&escPage, "sbStopPosition");
    QCOMPARE(userName->text(), QStringLiteral("Before reset"));
    QCOMPARE(energy->value(), 99.0);

    // "Load default settings" of the common page, then "Save settings": the
    // device keeps its defaults.
    device->resetCommonSettings();
    QTRY_COMPARE(userName->text(), QStringLiteral("Sim Racer"));
    QVERIFY(commonPage.form.writeToDevice());
    rig.settle(200);
    QCOMPARE(recordText(rig.sim->commonSettings().userName, 32), QStringLiteral("Sim Racer"));

    // The same for a user limit set.
    device->resetLimitSettings(6);
    QTRY_COMPARE(energy->value(), double(float(SimLimiter::defaultLimitSet(6).energyRef) / 3600.0f));
    device->writeLimitSettings(6, limitPage.limitSettings());
    rig.settle(200);
    QCOMPARE(rig.sim->limitSet(6).energyRef, SimLimiter::defaultLimitSet(6).energyRef);

    // "Set current position" shows the learned position, and saving keeps it.
    child<QTabWidget>(&escPage, "tabWidget")->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>(&escPage, "pbSetStopPosition"), Qt::LeftButton);
    QTRY_COMPARE(stop->value(), 1.85);
    device->writeMotorSettings(escPage.motorSettings());
    device->writeMotorDriveSettings(escPage.motorDriveSettings());
    rig.settle(200);
    QCOMPARE(rig.sim->motorDriveSettings().stopPosition, 1.85f);
}

QTEST_MAIN(tst_SettingsPages)
#include "tst_settingspages.moc"
