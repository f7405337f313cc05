// What the limiter panel writes with "Save settings" against a simulated
// limiter, through the real LimiterDevice and the user's keys and clicks: a
// field the user touched goes out as the page shows it, an untouched one as
// the device holds it, a save is what the page then stands on, a renamed
// set is named everywhere, and a write the device refuses is told by the
// page that made it, in its own words.
#include "CommonSettingsWidget.h"
#include "DevicePanel.h"
#include "DeviceProtocol.h"
#include "EditorInput.h"
#include "FirmwareUpdateWidget.h"
#include "LimiterSettingsWidget.h"
#include "LimiterTelemetryWidget.h"
#include "LimiterTerminal.h"
#include "ModalAnswerer.h"
#include "PageRig.h"
#include "SimDfuPackage.h"
#include "AuthorizationDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace EditorInput;
using namespace DeviceProtocol;

// Sets up the device's records before the panel connects.
using Prepare = std::function<void(SimLimiter &)>;
// One field or one whole record as the device holds it.
using Held = std::function<QString(const SimLimiter &)>;
Q_DECLARE_METATYPE(Prepare)
Q_DECLARE_METATYPE(Held)

namespace {

constexpr int kTerminalRow = 2;
constexpr int kEscRow = 3;
constexpr int kCommonRow = 4;
constexpr int kUserSet6Row = 11;
constexpr int kLoggerRow = 1;
enum EscTab { DriveTab = 0, PpmTab = 1, MotorTab = 2, NoTab = -1 };

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

// A limiter panel on a simulated limiter whose every page has its record.
class PanelRig
{
public:
    explicit PanelRig(const Prepare &prepare = {}, const QString &password = QString())
        : rig(SimLimiter::Kind::Limiter, password)
    {
        if (prepare)
            prepare(*rig.sim);
    }

    bool open()
    {
        QSignalSpy table(rig.device.get(), &LimiterDevice::timingTableUpdated);
        QSignalSpy logger(rig.device.get(), &LimiterDevice::loggerServiceDiscovered);
        panel.setDevice(rig.device);
        panel.show();
        auto *list = child<QListWidget>(&panel, "lwSettingsCategories");
        const auto filled = [&] {
            for (int row = kEscRow; row < list->count() - 1; ++row) {
                if (!(list->item(row)->flags() & Qt::ItemIsEnabled))
                    return false;
            }
            return table.count() > 0 && logger.count() > 0;
        };
        return QTest::qWaitFor(filled, 20000);
    }

    // Shows a page as the user picks it from the list; the ESC page, whose
    // row is hidden, as the panel would show it, then its tab.
    QWidget *show(int row, int tab = NoTab)
    {
        auto *list = child<QListWidget>(&panel, "lwSettingsCategories");
        if (list->isRowHidden(row)) {
            list->setCurrentRow(row);
        } else {
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        }
        QWidget *page = child<QStackedWidget>(&panel, "swSettingsPage")->currentWidget();
        if (tab != NoTab)
            child<QTabWidget>(page, "tabWidget")->setCurrentIndex(tab);
        return page;
    }

    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(&panel, button), Qt::LeftButton);
        rig.settle(300);
    }

    void save() { click("pbSaveSettings"); }

    PageRig rig;
    LimiterSettingsWidget panel;
};

// The records a row of the tables below edits, as the device holds them.
Held limitSet6 = [](const SimLimiter &s) { return hex(recordBytes(s.limitSet(6))); };
Held common = [](const SimLimiter &s) {
    // The bytes the device link does not carry are not the page's.
    s_CommonSettBle c = s.commonSettings();
    std::memset(c.reserved32, 0, sizeof c.reserved32);
    c.reserved63 = 0;
    std::memset(c.reserved92, 0, sizeof c.reserved92);
    return hex(recordBytes(c));
};
Held drive = [](const SimLimiter &s) { return hex(recordBytes(s.motorDriveSettings())); };
Held motor = [](const SimLimiter &s) { return hex(recordBytes(s.motorSettings())); };

} // namespace

class tst_PanelWrites : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void editSaveRestoreSave_data();
    void editSaveRestoreSave();
    void deviceValuesTheFormCannotShow_data();
    void deviceValuesTheFormCannotShow();
    void renamedSetIsNamedEverywhere_data();
    void renamedSetIsNamedEverywhere();
    void refusedWritesAreToldByTheirPage_data();
    void refusedWritesAreToldByTheirPage();
    void refusedPasswordIsAskedAgain();
};

void tst_PanelWrites::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

// A value edited, saved, put back as it was shown and saved again: the
// device ends where it began, with the value the page shows.
void tst_PanelWrites::editSaveRestoreSave_data()
{
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("tab");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Edit>("restore");
    QTest::addColumn<Held>("record");
    QTest::addColumn<Held>("field");
    QTest::addColumn<QString>("edited"); // the field on the device after the first save

    const Prepare set6 = [](SimLimiter &s) {
        s_LimitSettBle set = s.limitSet(6);
        setRecordText(set.settingsName, 32, QStringLiteral("Heat"));
        set.energyRef = 30 * 3600;
        set.startLimitCurrent = 3.0f;
        set.resetByBattDisconn = 1;
        s.setLimitSet(6, set);
    };
    QTest::newRow("limit set energy")
        << set6 << kUserSet6Row << int(NoTab) << typing("dbEnergyRef", "39.00") << typing("dbEnergyRef", "30.00")
        << limitSet6 << Held([](const SimLimiter &s) { return QString::number(s.limitSet(6).energyRef); })
        << QString::number(39 * 3600);
    QTest::newRow("limit set name")
        << set6 << kUserSet6Row << int(NoTab) << typing("leSettingsName", "Final") << typing("leSettingsName", "Heat")
        << limitSet6 << Held([](const SimLimiter &s) { return recordText(s.limitSet(6).settingsName, 32); })
        << "Final";
    QTest::newRow("limit set start current")
        << set6 << kUserSet6Row << int(NoTab) << typing("dbStartLimitCurrent", "5") << typing("dbStartLimitCurrent", "3")
        << limitSet6 << Held([](const SimLimiter &s) { return QString::number(s.limitSet(6).startLimitCurrent); })
        << "5";
    QTest::newRow("limit set reset flag")
        << set6 << kUserSet6Row << int(NoTab) << toggling("cbResetByBattDisconn") << toggling("cbResetByBattDisconn")
        << limitSet6 << Held([](const SimLimiter &s) { return QString::number(s.limitSet(6).resetByBattDisconn); })
        << "0";
    QTest::newRow("motor drive DC current")
        << Prepare() << kEscRow << int(DriveTab) << typing("sbMaxRefDcCurr", "120") << typing("sbMaxRefDcCurr", "100")
        << drive << Held([](const SimLimiter &s) { return QString::number(s.motorDriveSettings().maxRefDcCurr); })
        << "120";
    QTest::newRow("motor drive anti carrot")
        << Prepare() << kEscRow << int(DriveTab) << toggling("cbAntiCarrot") << toggling("cbAntiCarrot") << drive
        << Held([](const SimLimiter &s) { return QString::number(s.motorDriveSettings().antiCarrot); }) << "1";
    QTest::newRow("PPM stop position")
        << Prepare() << kEscRow << int(PpmTab) << typing("sbStopPosition", "1.80") << typing("sbStopPosition", "1.50")
        << drive << Held([](const SimLimiter &s) { return QString::number(s.motorDriveSettings().stopPosition); })
        << "1.8";
    QTest::newRow("motor RPM to volt")
        << Prepare() << kEscRow << int(MotorTab) << typing("sbRpmToVolt", "1200") << typing("sbRpmToVolt", "1800")
        << motor << Held([](const SimLimiter &s) { return QString::number(s.motorSettings().rpmToVolt); }) << "1200";
    QTest::newRow("common registration number")
        << Prepare() << kCommonRow << int(NoTab) << typing("sbRegNum", "777") << typing("sbRegNum", "1234") << common
        << Held([](const SimLimiter &s) { return QString::number(s.commonSettings().regNum); }) << "777";
    QTest::newRow("common logger frequency")
        << Prepare() << kCommonRow << int(NoTab) << picking("cbLoggerWriteFreq", 6) << picking("cbLoggerWriteFreq", 3)
        << common << Held([](const SimLimiter &s) { return QString::number(s.commonSettings().loggerFreqHz); })
        << "100";
}

void tst_PanelWrites::editSaveRestoreSave()
{
    QFETCH(Prepare, prepare);
    QFETCH(int, row);
    QFETCH(int, tab);
    QFETCH(Edit, edit);
    QFETCH(Edit, restore);
    QFETCH(Held, record);
    QFETCH(Held, field);
    QFETCH(QString, edited);
    PanelRig panel(prepare);
    QVERIFY(panel.open());
    const QString before = record(*panel.rig.sim);

    QWidget *page = panel.show(row, tab);
    edit(page);
    panel.save();
    QCOMPARE(field(*panel.rig.sim), edited);

    restore(page);
    panel.save();
    QCOMPARE(record(*panel.rig.sim), before);

    // Saving again without an edit changes nothing.
    panel.save();
    QCOMPARE(record(*panel.rig.sim), before);
}

// A device value that a widget cannot show goes back as the device holds
// it while the user leaves the widget alone, and as shown once the user
// touched it, even to type or pick what it already showed.
void tst_PanelWrites::deviceValuesTheFormCannotShow_data()
{
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("tab");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Held>("field");
    QTest::addColumn<QString>("held"); // the field on the device after the save

    const Prepare regNum0 = [](SimLimiter &s) {
        s_CommonSettBle c = s.commonSettings();
        c.regNum = 0;
        s.setCommonSettings(c);
    };
    const Held regNum = [](const SimLimiter &s) { return QString::number(s.commonSettings().regNum); };
    QTest::newRow("regNum 0, untouched") << regNum0 << kCommonRow << int(NoTab) << untouched << regNum << "0";
    QTest::newRow("regNum 0, passed through") << regNum0 << kCommonRow << int(NoTab) << passingThrough("sbRegNum")
                                              << regNum << "0";
    QTest::newRow("regNum 0, 1 typed") << regNum0 << kCommonRow << int(NoTab) << typing("sbRegNum", "1") << regNum << "1";
    QTest::newRow("regNum 0, stepped away and back") << regNum0 << kCommonRow << int(NoTab)
                                                     << steppingAwayAndBack("sbRegNum") << regNum << "1";

    const Prepare logger3 = [](SimLimiter &s) {
        s_CommonSettBle c = s.commonSettings();
        c.loggerFreqHz = 3;
        s.setCommonSettings(c);
    };
    const Held loggerHz = [](const SimLimiter &s) { return QString::number(s.commonSettings().loggerFreqHz); };
    QTest::newRow("logger 3 Hz, untouched") << logger3 << kCommonRow << int(NoTab) << untouched << loggerHz << "3";
    QTest::newRow("logger 3 Hz, stepped away and back") << logger3 << kCommonRow << int(NoTab)
                                                        << steppingAwayAndBack("cbLoggerWriteFreq") << loggerHz << "1";

    const Prepare stop3 = [](SimLimiter &s) {
        s_MotorDriveSettBle d = s.motorDriveSettings();
        d.stopPosition = 3.0f;
        s.setMotorDriveSettings(d);
    };
    const Held stop = [](const SimLimiter &s) { return QString::number(s.motorDriveSettings().stopPosition); };
    QTest::newRow("stop 3.0 ms, untouched") << stop3 << kEscRow << int(PpmTab) << untouched << stop << "3";
    QTest::newRow("stop 3.0 ms, 2.50 typed") << stop3 << kEscRow << int(PpmTab) << typing("sbStopPosition", "2.50")
                                             << stop << "2.5";

    const Prepare rpm0 = [](SimLimiter &s) {
        s_MotorDriveSettBle d = s.motorDriveSettings();
        d.maxRefRpm = 0;
        s.setMotorDriveSettings(d);
    };
    const Held rpm = [](const SimLimiter &s) { return QString::number(s.motorDriveSettings().maxRefRpm); };
    QTest::newRow("max RPM 0, untouched") << rpm0 << kEscRow << int(DriveTab) << untouched << rpm << "0";
    QTest::newRow("max RPM 0, 1000 typed") << rpm0 << kEscRow << int(DriveTab) << typing("sbMaxRefRPM", "1000") << rpm
                                           << "1000";

    const Prepare rpmToVolt5 = [](SimLimiter &s) {
        s_MotorSettBle m = s.motorSettings();
        m.rpmToVolt = 5;
        m.phaseOffset = 400;
        s.setMotorSettings(m);
    };
    const Held rpmToVolt = [](const SimLimiter &s) {
        return QStringLiteral("%1 %2").arg(s.motorSettings().rpmToVolt).arg(s.motorSettings().phaseOffset);
    };
    QTest::newRow("RPM to volt 5, phase 400, untouched") << rpmToVolt5 << kEscRow << int(MotorTab) << untouched
                                                         << rpmToVolt << "5 400";
    QTest::newRow("RPM to volt 5, phase 400, 10 typed") << rpmToVolt5 << kEscRow << int(MotorTab)
                                                        << typing("sbRpmToVolt", "10") << rpmToVolt << "10 400";
    QTest::newRow("RPM to volt 5, phase 400 stepped away and back")
        << rpmToVolt5 << kEscRow << int(MotorTab) << steppingAwayAndBack("sbPhaseOffset") << rpmToVolt << "5 360";

    const Prepare set6 = [](SimLimiter &s) {
        s_LimitSettBle set = s.limitSet(6);
        set.rampDownTime = 0;
        set.aecMinDuty = 0;
        set.resetByBattDisconn = 2;
        set.raceTime = 90.75f;
        s.setLimitSet(6, set);
    };
    const Held rampDown = [](const SimLimiter &s) { return QString::number(s.limitSet(6).rampDownTime); };
    const Held minDuty = [](const SimLimiter &s) { return QString::number(s.limitSet(6).aecMinDuty); };
    const Held reset = [](const SimLimiter &s) { return QString::number(s.limitSet(6).resetByBattDisconn); };
    const Held race = [](const SimLimiter &s) { return QString::number(s.limitSet(6).raceTime); };
    QTest::newRow("ramp down 0 s, untouched") << set6 << kUserSet6Row << int(NoTab) << untouched << rampDown << "0";
    QTest::newRow("ramp down 0 s, stepped away and back") << set6 << kUserSet6Row << int(NoTab)
                                                          << steppingAwayAndBack("sbRampDownTimeS") << rampDown << "1";
    QTest::newRow("AEC min duty 0, untouched") << set6 << kUserSet6Row << int(NoTab) << untouched << minDuty << "0";
    QTest::newRow("AEC min duty 0, 40 typed") << set6 << kUserSet6Row << int(NoTab) << typing("sbAecMinDuty", "40")
                                              << minDuty << "40";
    QTest::newRow("reset flag 2, untouched") << set6 << kUserSet6Row << int(NoTab) << untouched << reset << "2";
    QTest::newRow("reset flag 2, toggled and back") << set6 << kUserSet6Row << int(NoTab)
                                                    << Edit([](QWidget *form) {
                                                           toggling("cbResetByBattDisconn")(form);
                                                           toggling("cbResetByBattDisconn")(form);
                                                       })
                                                    << reset << "1";
    QTest::newRow("race 90.75 s, untouched") << set6 << kUserSet6Row << int(NoTab) << untouched << race << "90.75";
    QTest::newRow("race 90.75 s, stepped away and back") << set6 << kUserSet6Row << int(NoTab)
                                                         << steppingAwayAndBack("teRaceTime") << race << "90";
}

void tst_PanelWrites::deviceValuesTheFormCannotShow()
{
    QFETCH(Prepare, prepare);
    QFETCH(int, row);
    QFETCH(int, tab);
    QFETCH(Edit, edit);
    QFETCH(Held, field);
    QFETCH(QString, held);
    PanelRig panel(prepare);
    QVERIFY(panel.open());
    edit(panel.show(row, tab));
    panel.save();
    QCOMPARE(field(*panel.rig.sim), held);
    // The next save stands on what the first one wrote.
    panel.save();
    QCOMPARE(field(*panel.rig.sim), held);
}

// A set renamed and saved carries its new name in the page list and in the
// common page's list of sets; a rename the device refuses leaves the name
// the device holds everywhere, on the set's page too.
void tst_PanelWrites::renamedSetIsNamedEverywhere_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("taken") << false;
    QTest::newRow("refused") << true;
}

void tst_PanelWrites::renamedSetIsNamedEverywhere()
{
    QFETCH(bool, refused);
    PanelRig panel([](SimLimiter &s) {
        s_LimitSettBle set = s.limitSet(6);
        setRecordText(set.settingsName, 32, QStringLiteral("Heat"));
        s.setLimitSet(6, set);
    });
    QVERIFY(panel.open());
    ModalAnswerer<QMessageBox> boxes(&QMessageBox::accept);
    if (refused)
        panel.rig.sim->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, settingsUuid(kUserLimitSet0Id)));
    QWidget *page = panel.show(kUserSet6Row);
    typing("leSettingsName", QStringLiteral("Final 24"))(page);
    panel.save();

    const QString name = refused ? QStringLiteral("Heat") : QStringLiteral("Final 24");
    QTRY_COMPARE(child<QListWidget>(&panel.panel, "lwSettingsCategories")->item(kUserSet6Row)->text(),
                 QStringLiteral("User mode \"%1\" (6)").arg(name));
    QCOMPARE(child<QComboBox>(&panel.panel, "cbLimiterSettSet")->itemText(6), name);
    QCOMPARE(child<QLineEdit>(page, "leSettingsName")->text(), name);
    QCOMPARE(recordText(panel.rig.sim->limitSet(6).settingsName, 32), name);
    QCOMPARE(boxes.texts, refused ? QStringList{devicepanel::refusedWriteText()} : QStringList());
}

// Every write the device refuses is told once, in the words of what was
// written; the settings text is for settings only.
void tst_PanelWrites::refusedWritesAreToldByTheirPage_data()
{
    using Action = std::function<void(PanelRig &)>;
    QTest::addColumn<QBluetoothUuid>("refused");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("inConsole"); // told in the terminal's console, not in a box

    const QString settings = devicepanel::refusedWriteText();
    QTest::newRow("common settings") << settingsUuid(kCommonSettingsId) << Action([](PanelRig &p) {
        typing("sbRegNum", "4321")(p.show(kCommonRow));
        p.save();
    }) << settings << false;
    QTest::newRow("limit set") << settingsUuid(kUserLimitSet0Id) << Action([](PanelRig &p) {
        typing("dbEnergyRef", "44")(p.show(kUserSet6Row));
        p.save();
    }) << settings << false;
    QTest::newRow("motor settings") << settingsUuid(kMotorSettingsId) << Action([](PanelRig &p) {
        typing("sbRpmToVolt", "1500")(p.show(kEscRow, MotorTab));
        p.save();
    }) << settings << false;
    QTest::newRow("new password") << settingsUuid(kPasswordSetId) << Action([](PanelRig &p) {
        QWidget *page = p.show(kCommonRow);
        child<QGroupBox>(page, "gbPassword")->setChecked(true);
        typing("lePassword", "pit-lane")(page);
        typing("lePasswordRepeat", "pit-lane")(page);
        p.save();
    }) << CommonSettingsWidget::passwordRefusedText() << false;
    QTest::newRow("load default settings") << settingsUuid(kFlagsId) << Action([](PanelRig &p) {
        p.show(kUserSet6Row);
        p.click("pbLoadDefaults");
    }) << *devicepanel::panelRefusalText(settingsUuid(kFlagsId)) << false;
    QTest::newRow("set current position") << settingsUuid(kFlagsId) << Action([](PanelRig &p) {
        QTest::mouseClick(child<QPushButton>(p.show(kEscRow, PpmTab), "pbSetStopPosition"), Qt::LeftButton);
        p.rig.settle(300);
    }) << *devicepanel::panelRefusalText(settingsUuid(kFlagsId)) << false;
    QTest::newRow("terminal command") << terminalUuid(kNusRxId) << Action([](PanelRig &p) {
        typing("leCommand", "status")(p.show(kTerminalRow));
        p.rig.settle(300);
    }) << LimiterTerminal::refusedCommandText() << true;
    QTest::newRow("restart for a firmware update") << dfuUuid(kDfuButtonlessId) << Action([](PanelRig &p) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("update.zip"));
        QVERIFY(SimDfuPackage::write(path, SimDfuPackage::image(4096, 5), 0x0302));
        auto *page = child<FirmwareUpdateWidget>(&p.panel, "pFirmwareUpdate");
        ModalAnswerer<QFileDialog> file(pickFile(path));
        const int row = child<QStackedWidget>(&p.panel, "swSettingsPage")->indexOf(page);
        QTest::mouseClick(child<QPushButton>(p.show(row), "pbOpenFirmware"), Qt::LeftButton);
        p.rig.settle(300);
    }) << QCoreApplication::translate("FirmwareInstaller", "The device refused the restart into its bootloader.")
       << false;
    QTest::newRow("log request") << logUuid(kLogReadRequestId) << Action([](PanelRig &p) {
        QTest::mouseClick(child<QPushButton>(p.show(kLoggerRow), "pbReadLogCount"), Qt::LeftButton);
        p.rig.settle(300);
    }) << *devicepanel::panelRefusalText(logUuid(kLogReadRequestId)) << false;
}

void tst_PanelWrites::refusedWritesAreToldByTheirPage()
{
    using Action = std::function<void(PanelRig &)>;
    QFETCH(QBluetoothUuid, refused);
    QFETCH(Action, action);
    QFETCH(QString, told);
    QFETCH(bool, inConsole);
    PanelRig panel;
    QVERIFY(panel.open());
    ModalAnswerer<QMessageBox> boxes(&QMessageBox::accept);
    panel.rig.sim->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, refused));
    QSignalSpy failed(panel.rig.device.get(), &LimiterDevice::writeFailed);
    action(panel);
    QTRY_COMPARE(failed.count(), 1);
    panel.rig.settle(300);

    auto *console = child<QPlainTextEdit>(&panel.panel, "ptConsole");
    if (inConsole) {
        QCOMPARE(boxes.texts, QStringList());
        QVERIFY2(console->toPlainText().endsWith(told), qPrintable(console->toPlainText()));
    } else {
        QTRY_COMPARE(boxes.texts, QStringList{told});
        QVERIFY(!console->toPlainText().contains(LimiterTerminal::refusedCommandText()));
    }
}

// The password that opens a locked device, refused by the device: the user
// is told and asked again, and the second one opens the device.
void tst_PanelWrites::refusedPasswordIsAskedAgain()
{
    PanelRig panel({}, QStringLiteral("1234"));
    panel.rig.sim->addFaultFilter(SimFaults::refuse(SimAttEvent::Write, settingsUuid(kAuthorisationId), 1));
    ModalAnswerer<QMessageBox> boxes(&QMessageBox::accept);
    ModalAnswerer<AuthorizationDialog> password([](AuthorizationDialog *dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "lePassword"), QStringLiteral("1234"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(panel.open());
    QCOMPARE(password.count, 2);
    QCOMPARE(boxes.texts, QStringList{LimiterTelemetryWidget::passwordRefusedText()});
}

QTEST_MAIN(tst_PanelWrites)
#include "tst_panelwrites.moc"
