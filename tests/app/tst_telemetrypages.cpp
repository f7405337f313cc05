// The telemetry pages and the password dialog against simulated devices.
#include "AuthorizationDialog.h"
#include "DovLoggerTelemetryWidget.h"
#include "LimiterTelemetryWidget.h"
#include "ModalAnswerer.h"
#include "PageRig.h"
#include "TelemetryTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

QString labelText(QWidget *page, const char *name)
{
    auto *label = page->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Types `password` into the dialog and presses OK, with real key and mouse
// events.
void answerPassword(AuthorizationDialog *dialog, const QString &password)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lePassword"));
    edit->clear();
    QTest::keyClicks(edit, password);
    auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class tst_TelemetryPages : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void raceState_data();
    void raceState();
    void bothPagesShowTheDevicesTelemetry();
    void connectionTexts_data();
    void connectionTexts();
    void languageChangeKeepsWhatIsShown();
    void passwordUntilTheDeviceAccepts();
    void cancelledPasswordSendsNothing();
    void emptyPasswordIsSent();
    void eyeButtonShowsAndHides();
};

void tst_TelemetryPages::formats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three decimals, no grouping") << telemetry::fixed(1234567.25, 3) << QStringLiteral("1234567.250");
    QTest::newRow("one decimal rounds") << telemetry::fixed(16.85, 1) << QStringLiteral("16.9");
    QTest::newRow("no decimals") << telemetry::fixed(11.6, 0) << QStringLiteral("12");
    QTest::newRow("negative") << telemetry::fixed(-0.5, 3) << QStringLiteral("-0.500");
    QTest::newRow("six significant digits") << telemetry::shortest(0.1234567) << QStringLiteral("0.123457");
    QTest::newRow("shortest drops zeros") << telemetry::shortest(2.5) << QStringLiteral("2.5");
    QTest::newRow("large in exponent form") << telemetry::shortest(15000000.0) << QStringLiteral("1.5e+07");
    QTest::newRow("race start") << telemetry::raceTimeText(0) << QStringLiteral("00:00:00");
    QTest::newRow("race time") << telemetry::raceTimeText(3723999) << QStringLiteral("01:02:03");
    QTest::newRow("last second of a day") << telemetry::raceTimeText(86399999) << QStringLiteral("23:59:59");
    QTest::newRow("a whole day") << telemetry::raceTimeText(86400000) << QString();
    QTest::newRow("beyond") << telemetry::raceTimeText(0xFFFFFFFFu) << QString();
}

void tst_TelemetryPages::formats()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void tst_TelemetryPages::raceState_data()
{
    QTest::addColumn<int>("flags"); // race, rampdown, engaged, complete as bits 0 to 3
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0x0 << QStringLiteral("Ready");
    QTest::newRow("race") << 0x1 << QStringLiteral("Race");
    QTest::newRow("rampdown wins over race") << 0x3 << QStringLiteral("Rampdown");
    QTest::newRow("engaged wins over rampdown") << 0x7 << QStringLiteral("Limiting engaged");
    QTest::newRow("complete wins over all") << 0xF << QStringLiteral("Limiting complete");
    QTest::newRow("complete alone") << 0x8 << QStringLiteral("Limiting complete");
}

void tst_TelemetryPages::raceState()
{
    QFETCH(int, flags);
    QFETCH(QString, expected);
    s_TelemetryBle record{};
    record.raceFlag = flags & 1 ? 1 : 0;
    record.rampdownFlag = flags & 2 ? 2 : 0; // any non-zero byte holds
    record.limitingEngagedFlag = flags & 4 ? 1 : 0;
    record.limitingCompleteFlag = flags & 8 ? 0xFF : 0;
    QCOMPARE(LimiterTelemetryWidget::raceStateText(record), expected);
}

void tst_TelemetryPages::bothPagesShowTheDevicesTelemetry()
{
    // Locale-independent: a point and no grouping even where the user's
    // locale writes "1.234,5".
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PageRig rig;
    LimiterTelemetryWidget limiterPage;
    DovLoggerTelemetryWidget dovPage;
    QCOMPARE(labelText(&limiterPage, "lblStatus"), QStringLiteral("..."));
    QCOMPARE(labelText(&limiterPage, "lblVoltage"), QStringLiteral("..."));
    limiterPage.setDevice(rig.device);
    dovPage.setDevice(rig.device); // the second connect request changes nothing

    QTRY_COMPARE(labelText(&limiterPage, "lblConnection"), QStringLiteral("Services discovered"));
    QCOMPARE(labelText(&dovPage, "lblConnection"), QStringLiteral("Services discovered"));
    QTRY_VERIFY(labelText(&limiterPage, "lblVoltage") != QStringLiteral("..."));

    const s_TelemetryBle t = rig.device->telemetry();
    const auto three = [](float v) { return QString::number(double(v), 'f', 3); };
    QCOMPARE(labelText(&limiterPage, "lblVoltage"), three(t.voltage));
    QVERIFY(!labelText(&limiterPage, "lblVoltage").contains(QLatin1Char(',')));
    QCOMPARE(labelText(&limiterPage, "lblEnergy"), QString::number(double(t.energy) / 3600.0, 'f', 3));
    QCOMPARE(labelText(&limiterPage, "lblEnergyLimit"), QString::number(double(rig.device->energyLimit()), 'f', 1));
    QCOMPARE(labelText(&limiterPage, "lblRPM"), QStringLiteral("%1 rpm").arg(t.rpm));
    QCOMPARE(labelText(&limiterPage, "lblRaceTime"), telemetry::raceTimeText(t.raceTimeMs));
    QCOMPARE(labelText(&limiterPage, "lblSatellites"), QString::number(double(t.satellites), 'f', 0));
    QCOMPARE(labelText(&limiterPage, "lblStatus"), LimiterTelemetryWidget::raceStateText(t));

    // The fields the pages share read the same on both.
    for (const char *name : {"lblStatus", "lblRaceTime", "lblTemperature", "lblRPM", "lblSpeed", "lblSatellites",
                             "lblThrottle", "lblSessionNumber", "lblReserved0", "lblReserved6"})
        QCOMPARE(labelText(&dovPage, name), labelText(&limiterPage, name));
    QVERIFY(!dovPage.findChild<QLabel *>(QStringLiteral("lblVoltage")));
    QCOMPARE(labelText(&dovPage, "lblReserved0Name"), QStringLiteral("Reserved 0:"));
    QLocale::setDefault(QLocale::c());
}

void tst_TelemetryPages::connectionTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << QStringLiteral("Disconnected");
    QTest::newRow("1") << 1 << QStringLiteral("Cannot connect to device. Error code: %1\n%2");
    QTest::newRow("2") << 2 << QStringLiteral("Connected. Reading data");
    QTest::newRow("3") << 3 << QStringLiteral("Services discovered");
    QTest::newRow("unknown leaves the text") << 7 << QStringLiteral("Connected. Reading data");
}

void tst_TelemetryPages::connectionTexts()
{
    QFETCH(int, status);
    QFETCH(QString, expected);
    PageRig rig;
    LimiterTelemetryWidget page;
    DovLoggerTelemetryWidget dovPage;
    page.setDevice(rig.device);
    dovPage.setDevice(rig.device);
    rig.device->disconnectFromDevice();
    page.onLimiterStatusChanged(LimiterConnected);
    dovPage.onLimiterStatusChanged(LimiterConnected);
    page.onLimiterStatusChanged(LimiterConnectionStatus(status));
    dovPage.onLimiterStatusChanged(LimiterConnectionStatus(status));
    if (status == LimiterError)
        expected = expected.arg(rig.device->controllerError()).arg(rig.device->controllerErrorString());
    QCOMPARE(labelText(&page, "lblConnection"), expected);
    QCOMPARE(labelText(&dovPage, "lblConnection"), expected);
}

void tst_TelemetryPages::languageChangeKeepsWhatIsShown()
{
    PageRig rig;
    LimiterTelemetryWidget page;
    DovLoggerTelemetryWidget dovPage;
    page.setDevice(rig.device);
    dovPage.setDevice(rig.device);
    QTRY_VERIFY(labelText(&page, "lblVoltage") != QStringLiteral("..."));
    QTRY_COMPARE(labelText(&page, "lblConnection"), QStringLiteral("Services discovered"));
    rig.device->disconnectFromDevice(); // nothing new arrives from here on
    QTRY_COMPARE(labelText(&page, "lblConnection"), QStringLiteral("Disconnected"));
    const QString voltage = labelText(&page, "lblVoltage");
    const QString speed = labelText(&dovPage, "lblSpeed");

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/ts/app_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QString disconnected = QCoreApplication::translate("LimiterTelemetryWidget", "Disconnected");
    QVERIFY(disconnected != QStringLiteral("Disconnected"));
    QTRY_COMPARE(labelText(&page, "lblConnection"), disconnected);
    QCOMPARE(labelText(&dovPage, "lblConnection"), disconnected);
    QCOMPARE(labelText(&page, "lblConnectionName"),
             QCoreApplication::translate("LimiterTelemetryWidget", "Connection:"));
    QCOMPARE(labelText(&page, "lblVoltage"), voltage);
    QCOMPARE(labelText(&dovPage, "lblSpeed"), speed);
    QVERIFY(labelText(&page, "lblStatus") != QStringLiteral("..."));
    QCoreApplication::removeTranslator(&german);
    QTRY_COMPARE(labelText(&page, "lblConnection"), QStringLiteral("Disconnected"));
}

void tst_TelemetryPages::passwordUntilTheDeviceAccepts()
{
    PageRig rig(SimLimiter::Kind::Limiter, QStringLiteral("1234"));
    LimiterTelemetryWidget page;
    QStringList answers{QStringLiteral("12"), QStringLiteral("1234")};
    ModalAnswerer<AuthorizationDialog> answerer([&](AuthorizationDialog *dialog) {
        answerPassword(dialog, answers.isEmpty() ? QStringLiteral("1234") : answers.takeFirst());
    });
    page.setDevice(rig.device);
    QTRY_VERIFY_WITH_TIMEOUT(labelText(&page, "lblVoltage") != QStringLiteral("..."), 10000);
    QCOMPARE(answerer.count, 2);
    const QList<QByteArray> sent = rig.written(DeviceProtocol::settingsServiceUuid(), DeviceProtocol::kAuthorisationId);
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent.at(1), QByteArray("1234").leftJustified(32, '\0'));
}

void tst_TelemetryPages::cancelledPasswordSendsNothing()
{
    PageRig rig(SimLimiter::Kind::DovLogger, QStringLiteral("1234"));
    DovLoggerTelemetryWidget page;
    ModalAnswerer<AuthorizationDialog> answerer([](AuthorizationDialog *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("lePassword")), QStringLiteral("1234"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    page.setDevice(rig.device);
    QTRY_COMPARE(answerer.count, 1);
    rig.settle(1000);
    QVERIFY(rig.written(DeviceProtocol::settingsServiceUuid(), DeviceProtocol::kAuthorisationId).isEmpty());
    QCOMPARE(labelText(&page, "lblSpeed"), QStringLiteral("..."));
}

void tst_TelemetryPages::emptyPasswordIsSent()
{
    PageRig rig(SimLimiter::Kind::Limiter, QStringLiteral("1234"));
    LimiterTelemetryWidget page;
    ModalAnswerer<AuthorizationDialog> answerer([&](AuthorizationDialog *dialog) {
        if (answerer.count == 1)
            answerPassword(dialog, QString());
        else
            dialog->reject();
    });
    page.setDevice(rig.device);
    QTRY_COMPARE(answerer.count, 2); // the device asks again
    QCOMPARE(rig.written(DeviceProtocol::settingsServiceUuid(), DeviceProtocol::kAuthorisationId),
             QList<QByteArray>{QByteArray(32, '\0')});
}

void tst_TelemetryPages::eyeButtonShowsAndHides()
{
    AuthorizationDialog dialog;
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("lePassword"));
    auto *eye = dialog.findChild<QPushButton *>(QStringLiteral("pbShowPassword"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Password request"));
    QTest::keyClicks(edit, QStringLiteral("s3cret pass"));
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QTest::mouseClick(eye, Qt::LeftButton);
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    QTest::mouseClick(eye, Qt::LeftButton);
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.password(), QStringLiteral("s3cret pass"));
}

QTEST_MAIN(tst_TelemetryPages)
#include "tst_telemetrypages.moc"
