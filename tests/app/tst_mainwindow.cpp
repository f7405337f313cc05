// The device program's window and its device panels against simulated
// devices: start-up, the device families, connecting from the Scanner tab,
// the panels' page rows and buttons, and one whole session from the scanner
// to a closed tab.
#include "AuthorizationDialog.h"
#include "CommonSettingsWidget.h"
#include "BluetoothDeviceModel.h"
#include "DevicePanel.h"
#include "DeviceProtocol.h"
#include "DovLoggerSettingsWidget.h"
#include "FirmwareDownloader.h"
#include "FirmwareRecoveryDialog.h"
#include "FirmwareUpdateCheckRequestWidget.h"
#include "FirmwareUpdateWidget.h"
#include "LimitSettingsWidget.h"
#include "LimiterSettingsWidget.h"
#include "LogCapture.h"
#include "LoggerWidget.h"
#include "MainWindow.h"
#include "ModalAnswerer.h"
#include "PageRig.h"
#include "SharedSettings.h"
#include "SimDescription.h"
#include "SimDfu.h"
#include "SimDfuBootloader.h"
#include "SimDfuPackage.h"
#include "SimFaults.h"
#include "SimLogSession.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QBluetoothAddress kSecondAddress(QStringLiteral("C0:DE:00:00:00:22"));

QString labelText(QWidget *page, const char *name)
{
    return child<QLabel>(page, name)->text();
}

// Answers the update question at start with Cancel, counting it.
class UpdateQuestionAnswerer : public ModalAnswerer<FirmwareUpdateCheckRequestWidget>
{
public:
    UpdateQuestionAnswerer()
        : ModalAnswerer<FirmwareUpdateCheckRequestWidget>(
              [](FirmwareUpdateCheckRequestWidget *dialog) { child<QPushButton>(dialog, "pbCancel")->click(); })
    {
    }
};

QTabWidget *tabs(MainWindow &window)
{
    return child<QTabWidget>(&window, "tabWidget");
}

QTableView *table(MainWindow &window)
{
    return child<QTableView>(&window, "tableView");
}

// Selects the Scanner row of `address` once the device is listed and
// double-clicks it.
bool doubleClickDevice(MainWindow &window, const QBluetoothAddress &address)
{
    // The update question at start blocks the window while it is up.
    if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 5000))
        return false;
    QTableView *view = table(window);
    QAbstractItemModel *model = view->model();
    int row = -1;
    const bool listed = QTest::qWaitFor(
        [&] {
            const int addressColumn = model->columnCount() - 1;
            for (int r = 0; r < model->rowCount(); ++r) {
                if (model->index(r, addressColumn).data().toString() == address.toString()) {
                    row = r;
                    return true;
                }
            }
            return false;
        },
        10000);
    if (!listed)
        return false;
    view->selectRow(row);
    const QRect cell = view->visualRect(model->index(row, 0));
    // A user's double-click: a click, then the second press that the
    // system reports as a double-click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    return true;
}

// Counts how often a view measures its cells.
class MeasuringDelegate : public QStyledItemDelegate
{
public:
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        ++measured;
        return QStyledItemDelegate::sizeHint(option, index);
    }
    mutable int measured = 0;
};

// The device list behind the Scanner table's proxies.
QAbstractItemModel *deviceList(QTableView *view)
{
    QAbstractItemModel *model = view->model();
    while (auto *proxy = qobject_cast<QAbstractProxyModel *>(model))
        model = proxy->sourceModel();
    return model;
}

bool rowEnabled(QListWidget *list, int row)
{
    return list->item(row)->flags() == (Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

// Clicks a page row of a panel (the row must be enabled).
void choosePage(QWidget *panel, int row)
{
    auto *list = child<QListWidget>(panel, "lwSettingsCategories");
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstStartWithoutSettings();
    void checkAlwaysRefreshesAtOnceAndShowsItsError();
    void storedLanguageIsShownAndKept();
    void switchingFamilySwapsTheList();
    void oneTabPerListedDevice();
    void scannerTableWorksOnlyWhileShown();
    void wholeSessionFromScannerToClosedTab();
    void limitSetRowsByHardware_data();
    void limitSetRowsByHardware();
    void limitSetPagesSaveAndResetTheirSet();
    void dovLoggerButtonsActOnlyOnItsCommonPage();
    void setNamesFillTheCommonPage_data();
    void setNamesFillTheCommonPage();
    void panelTellsWhatWasNotDone();
    void windowCloseDisconnectsEveryTab();
    void closingDuringAFirmwareUpdateAsksFirst_data();
    void closingDuringAFirmwareUpdateAsksFirst();
    void recoverDeviceShowsTheRecoveryThatWentOn();
    void everyPageFitsALaptopScreen_data();
    void everyPageFitsALaptopScreen();

private:
    QTemporaryDir m_logs;
};

void tst_MainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("MainWindowTest"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    // Nothing listens here: an update check ends in an error at once.
    qputenv(FirmwareDownloader::kUpdateServerVariable, "127.0.0.1:9");
    QVERIFY(m_logs.isValid());
    SimDfu::registerSimDfu();
}

void tst_MainWindow::init()
{
    QSettings().clear();
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("en"));
    storeLogsDirectory(m_logs.path());
}

void tst_MainWindow::firstStartWithoutSettings()
{
    QSettings().clear();
    SimRig rig;
    UpdateQuestionAnswerer question;
    QElapsedTimer clock;
    clock.start();
    MainWindow window({});
    QCOMPARE(window.size(), QSize(1060, 641));
    QVERIFY(child<QAction>(&window, "actionLimiter")->isChecked());
    QVERIFY(!child<QAction>(&window, "actionDov_Logger")->isChecked());
    QCOMPARE(window.windowTitle(),
             QStringLiteral("%1  v 1.2.3 (%2)  [Velmora]")
                 .arg(QGuiApplication::applicationDisplayName(), QString::fromLatin1(__DATE__).simplified()));
    QCOMPARE(tabs(window)->count(), 1);
    QVERIFY(tabs(window)->tabBar()->tabButton(0, QTabBar::RightSide) == nullptr
            || tabs(window)->tabBar()->tabButton(0, QTabBar::RightSide)->size() == QSize(0, 0));

    QTRY_COMPARE(question.count, 1);
    QVERIFY(clock.elapsed() >= 100);
    QVERIFY(!QSettings().contains(QStringLiteral("devicesFamilyMode")));
    // Every question the start scheduled has been asked: asked once.
    QTRY_VERIFY(window.findChildren<QTimer *>(QStringLiteral("updateQuestionTimer")).isEmpty());
    QCOMPARE(question.count, 1);
}

void tst_MainWindow::checkAlwaysRefreshesAtOnceAndShowsItsError()
{
    QSettings().setValue(QStringLiteral("firmware update"), QStringLiteral("check always"));
    SimRig rig;
    UpdateQuestionAnswerer question;
    QString shown;
    ModalAnswerer<QMessageBox> errors([&](QMessageBox *box) {
        shown = box->text();
        QCOMPARE(box->icon(), QMessageBox::Warning);
        box->accept();
    });
    MainWindow window({});
    QTRY_COMPARE_WITH_TIMEOUT(errors.count, 1, 10000);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(question.count, 0);
}

void tst_MainWindow::storedLanguageIsShownAndKept()
{
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("de"));
    SimRig rig;
    UpdateQuestionAnswerer question;
    {
        MainWindow window({});
        QCOMPARE(child<QComboBox>(&window, "cbLanguage")->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    }
    // A code with no item leaves English current.
    QSettings().setValue(QStringLiteral("language"), QStringLiteral("xx"));
    MainWindow window({});
    QCOMPARE(child<QComboBox>(&window, "cbLanguage")->currentText(), QStringLiteral("English"));
}

void tst_MainWindow::switchingFamilySwapsTheList()
{
    SimRig rig;
    rig.addLimiter();
    rig.addLimiter(SimLimiter::Kind::DovLogger, QString(), kSecondAddress, QStringLiteral("QVR Logger"));
    UpdateQuestionAnswerer question;
    MainWindow window({});
    QTableView *view = table(window);
    auto *proxy = qobject_cast<QSortFilterProxyModel *>(view->model());
    QVERIFY(proxy);
    QTRY_VERIFY_WITH_TIMEOUT(proxy->rowCount() == 1, 10000);
    QCOMPARE(proxy->columnCount(), 19);
    QVERIFY(view->itemDelegateForColumn(4) != nullptr);
    view->selectRow(0);

    child<QAction>(&window, "actionDov_Logger")->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("devicesFamilyMode")).toInt(), 2);
    QVERIFY(!view->selectionModel()->hasSelection());
    QCOMPARE(proxy->columnCount(), 14);
    QVERIFY(view->itemDelegateForColumn(4) == nullptr);
    QVERIFY(!child<QAction>(&window, "actionLimiter")->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(proxy->rowCount() == 1, 10000);
    QCOMPARE(proxy->index(0, 13).data().toString(), kSecondAddress.toString());

    child<QAction>(&window, "actionLimiter")->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("devicesFamilyMode")).toInt(), 1);
    QCOMPARE(proxy->columnCount(), 19);
    QVERIFY(view->itemDelegateForColumn(4) != nullptr);
}

void tst_MainWindow::oneTabPerListedDevice()
{
    SimRig rig;
    auto limiter = rig.addLimiter();
    UpdateQuestionAnswerer question;
    MainWindow window({});
    QTRY_COMPARE(question.count, 1);

    window.connectToSelected();
    QCOMPARE(tabs(window)->count(), 1);

    // One tab per device: a second double-click, also from the Scanner tab,
    // shows the tab that is open.
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    QCOMPARE(tabs(window)->count(), 2);
    QCOMPARE(tabs(window)->currentIndex(), 1);
    QPointer<LimiterSettingsWidget> first = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(first);
    QVERIFY(tabs(window)->tabText(1).startsWith(QStringLiteral("QVR Test (")));
    QTRY_VERIFY_WITH_TIMEOUT(first->device()->status() == LimiterServicesDiscovered, 20000);
    for (int again = 0; again < 2; ++again) {
        tabs(window)->setCurrentIndex(0);
        QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
        QCOMPARE(tabs(window)->count(), 2);
        QCOMPARE(tabs(window)->currentIndex(), 1);
        QCOMPARE(tabs(window)->widget(1), first.data());
    }

    // A closed tab is gone at once: opening the device again, before the
    // old page is deleted, makes a fresh tab that connects anew.
    emit tabs(window)->tabCloseRequested(1);
    QCOMPARE(tabs(window)->count(), 1);
    QVERIFY(first);
    tabs(window)->setCurrentIndex(0);
    table(window)->selectRow(0);
    window.connectToSelected();
    QCOMPARE(tabs(window)->count(), 2);
    auto *second = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(second && second != first);
    QCOMPARE(tabs(window)->currentIndex(), 1);
    QTRY_VERIFY(first.isNull());
    auto *telemetry = child<QWidget>(second, "pageTelemetry");
    QTRY_VERIFY_WITH_TIMEOUT(labelText(telemetry, "lblConnection") == QStringLiteral("Services discovered"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(child<QListWidget>(second, "lwSettingsCategories"), 4), 20000);

    table(window)->clearSelection();
    window.connectToSelected();
    QCOMPARE(tabs(window)->count(), 2);
}

void tst_MainWindow::scannerTableWorksOnlyWhileShown()
{
    SimRig rig;
    rig.addLimiter();
    rig.addLimiter(SimLimiter::Kind::Limiter, QString(), QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:31")),
                   QStringLiteral("QVR Second"));
    rig.addLimiter(SimLimiter::Kind::Limiter, QString(), QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:32")),
                   QStringLiteral("QVR Third"));
    UpdateQuestionAnswerer question;
    MainWindow window({});
    window.show();
    QTRY_COMPARE(question.count, 1);
    QTableView *view = table(window);
    QTRY_VERIFY_WITH_TIMEOUT(view->model()->rowCount() == 3, 10000);
    // The columns fit the rows that came.
    QTRY_VERIFY(view->columnWidth(0) >= view->fontMetrics().horizontalAdvance(QStringLiteral("QVR Second")));

    MeasuringDelegate measuring;
    view->setItemDelegate(&measuring);
    QAbstractItemModel *lists = deviceList(view);
    QSignalSpy advertisements(lists, &QAbstractItemModel::dataChanged);
    QSignalSpy shownChanges(view->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy shownReorders(view->model(), &QAbstractItemModel::layoutChanged);
    const int onePass = view->model()->rowCount() * view->model()->columnCount();

    // Shown: a stream of advertisements is measured about once a second,
    // not once per advertisement.
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(advertisements.count() >= 300, 20000);
    const int fits = 1 + int(clock.elapsed() / 1000);
    QVERIFY2(measuring.measured <= fits * onePass,
             qPrintable(QStringLiteral("%1 cells measured for %2 advertisements")
                            .arg(measuring.measured)
                            .arg(advertisements.count())));
    // The table hears of them a few times per refresh, not per advertisement.
    QVERIFY(shownChanges.count() <= 3 * (1 + int(clock.elapsed() / 500)));

    // Hidden behind a device tab: the list keeps up, the table does nothing,
    // not even for a device that comes meanwhile.
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    QCOMPARE(tabs(window)->currentIndex(), 1);
    const QString longName = QStringLiteral("QVR with a name longer than any other in the list");
    rig.addLimiter(SimLimiter::Kind::Limiter, QString(), QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:33")),
                   longName);
    measuring.measured = 0;
    advertisements.clear();
    shownChanges.clear();
    shownReorders.clear();
    QTRY_VERIFY_WITH_TIMEOUT(lists->rowCount() == 4 && advertisements.count() >= 300, 20000);
    QCOMPARE(measuring.measured, 0);
    QCOMPARE(shownChanges.count(), 0);
    QCOMPARE(shownReorders.count(), 0);

    // Shown again: what changed is shown at once and the columns fit anew.
    tabs(window)->setCurrentIndex(0);
    QCOMPARE(shownChanges.count(), 1);
    QCOMPARE(view->model()->rowCount(), 4);
    QTRY_VERIFY(view->columnWidth(0) >= view->fontMetrics().horizontalAdvance(longName));
}

void tst_MainWindow::wholeSessionFromScannerToClosedTab()
{
    SimRig rig;
    auto limiter = rig.addLimiter(SimLimiter::Kind::Limiter, QStringLiteral("1234"));
    SimLogSessionSpec session;
    session.number = 4;
    session.dots = 60;
    limiter->addSession(session);
    UpdateQuestionAnswerer question;
    ModalAnswerer<AuthorizationDialog> password([](AuthorizationDialog *dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "lePassword"), QStringLiteral("1234"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    // The logger page says when a read has finished.
    ModalAnswerer<QMessageBox> finished([](QMessageBox *box) { box->accept(); });
    MainWindow window({});
    window.show();
    QTRY_COMPARE(question.count, 1);

    // Scanner -> connect.
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    QCOMPARE(tabs(window)->count(), 2);
    auto *panel = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(panel);
    auto *list = child<QListWidget>(panel, "lwSettingsCategories");
    // Before any record only the telemetry and the terminal can be chosen.
    QVERIFY(!rowEnabled(list, 1));
    QVERIFY(!rowEnabled(list, 4));
    QVERIFY(list->isRowHidden(3));

    // Password -> telemetry.
    auto *telemetry = child<QWidget>(panel, "pageTelemetry");
    QTRY_VERIFY_WITH_TIMEOUT(labelText(telemetry, "lblVoltage") != QStringLiteral("..."), 20000);
    QCOMPARE(password.count, 1);
    const QString firstVoltage = labelText(telemetry, "lblVoltage");
    QTRY_VERIFY_WITH_TIMEOUT(labelText(telemetry, "lblVoltage") != firstVoltage, 20000);

    // The rows come as their records arrive; the user sets name their rows.
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, 4) && rowEnabled(list, 19) && rowEnabled(list, 1), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, 5) && rowEnabled(list, 18), 20000);
    QVERIFY(list->item(11)->text().startsWith(QStringLiteral("User mode \"")));
    QVERIFY(list->item(11)->text().endsWith(QStringLiteral("\" (6)")));

    // A settings write, kept by the device.
    choosePage(panel, 4);
    QCOMPARE(child<QStackedWidget>(panel, "swSettingsPage")->currentIndex(), 4);
    auto *regNum = child<QSpinBox>(panel, "sbRegNum");
    regNum->selectAll();
    QTest::keyClicks(regNum, QStringLiteral("4321"));
    QTest::mouseClick(child<QPushButton>(panel, "pbSaveSettings"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(int(limiter->commonSettings().regNum), 4321, 10000);

    // A log read into the logs folder.
    choosePage(panel, 1);
    auto *logger = child<LoggerWidget>(panel, "pLogger");
    QSignalSpy sessions(panel->device().get(), &LimiterDevice::logSessionNumberReceived);
    QTest::mouseClick(child<QPushButton>(logger, "pbReadLogCount"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(sessions.count() > 0, 10000);
    QTest::mouseClick(child<QPushButton>(logger, "pbReadAllLogs"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(m_logs.path()).entryList({QStringLiteral("*.verira")}, QDir::Files).isEmpty(),
                             20000);
    QTRY_VERIFY_WITH_TIMEOUT(!logger->isReading(), 10000);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            box->close();
    }

    // Closing the tab disconnects for good.
    const std::shared_ptr<LimiterDevice> device = panel->device();
    QPointer<QWidget> closed(panel);
    emit tabs(window)->tabCloseRequested(1);
    QTRY_VERIFY(closed.isNull());
    QCOMPARE(tabs(window)->count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(limiter->connections().isEmpty(), 10000);
    rig.settle(10000);
    QVERIFY(limiter->connections().isEmpty());
    QCOMPARE(device->status(), LimiterDisconnected);
}

void tst_MainWindow::limitSetRowsByHardware_data()
{
    QTest::addColumn<quint16>("hardwareWord");
    QTest::addColumn<bool>("setsShown");
    QTest::newRow("17.0.0") << quint16(0x1100) << false;
    QTest::newRow("18.0.0") << quint16(0x1200) << false;
    QTest::newRow("17.0.1") << quint16(0x1101) << true;
}

void tst_MainWindow::limitSetRowsByHardware()
{
    QFETCH(quint16, hardwareWord);
    QFETCH(bool, setsShown);
    SimRig rig;
    auto limiter = rig.addLimiter();
    s_DeviceInfoBle information = limiter->deviceInformation();
    information.block[1].versionWord60 = hardwareWord;
    limiter->setDeviceInformation(information);
    UpdateQuestionAnswerer question;
    MainWindow window({});
    QTRY_COMPARE(question.count, 1);

    // The advertisements carry the hardware version in turns.
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    auto *panel = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(panel);
    QTRY_VERIFY_WITH_TIMEOUT(!panel->device()->hardwareVersion().isNull(), 10000);
    // The panel decides when it is handed the device: close the tab and
    // open a fresh one now that the version is known.
    emit tabs(window)->tabCloseRequested(1);
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    QCOMPARE(tabs(window)->count(), 2);
    panel = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(panel);
    auto *list = child<QListWidget>(panel, "lwSettingsCategories");
    for (int row = 5; row <= 18; ++row)
        QCOMPARE(list->isRowHidden(row), !setsShown);
    QVERIFY(list->isRowHidden(3));
    QVERIFY(!list->isRowHidden(19));
}

void tst_MainWindow::limitSetPagesSaveAndResetTheirSet()
{
    PageRig rig;
    LogCapture log;
    LimiterSettingsWidget panel;
    panel.setDevice(rig.device);
    panel.show();
    auto *list = child<QListWidget>(&panel, "lwSettingsCategories");
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, 5) && rowEnabled(list, 18), 20000);

    // Off a settings page nothing is written.
    QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
    QVERIFY(log.messages(QStringLiteral("ui")).contains(QStringLiteral("Unknown settings page selected")));

    const QString userRow = list->item(18)->text();
    QVERIFY(userRow.endsWith(QStringLiteral("\" (13)")));
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&panel, &languageChange);
    QCOMPARE(list->item(18)->text(), userRow);
    QCOMPARE(list->item(5)->text(), QStringLiteral("No Limits (telemetry only) (0)"));

    // Row 5 is set 0 (the first default set), row 18 set 13 (the last user set).
    const QList<QPair<int, quint16>> sets{{5, DeviceProtocol::kDefaultLimitSet0Id},
                                          {18, quint16(DeviceProtocol::kUserLimitSet0Id + 7)}};
    for (const auto &[row, characteristic] : sets) {
        rig.traffic.clear();
        choosePage(&panel, row);
        QCOMPARE(child<QStackedWidget>(&panel, "swSettingsPage")->currentIndex(), row);
        QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
        rig.settle(200);
        QCOMPARE(rig.characteristics(SimAttEvent::Write).size(), 1);
        QCOMPARE(rig.written(DeviceProtocol::settingsServiceUuid(), characteristic).size(), 1);

        rig.traffic.clear();
        QTest::mouseClick(child<QPushButton>(&panel, "pbLoadDefaults"), Qt::LeftButton);
        rig.settle(200);
        QVERIFY(!rig.characteristics(SimAttEvent::Write).isEmpty());
        QVERIFY(rig.written(DeviceProtocol::settingsServiceUuid(), DeviceProtocol::kCommonSettingsId).isEmpty());
    }
}

void tst_MainWindow::dovLoggerButtonsActOnlyOnItsCommonPage()
{
    PageRig rig(SimLimiter::Kind::DovLogger);
    LogCapture log;
    DovLoggerSettingsWidget panel;
    panel.setDevice(rig.device);
    panel.show();
    auto *list = child<QListWidget>(&panel, "lwSettingsCategories");
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, 1) && rowEnabled(list, 3) && rowEnabled(list, 4), 20000);
    rig.settle(500);

    for (const int row : {0, 1, 2, 4}) {
        choosePage(&panel, row);
        rig.traffic.clear();
        QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&panel, "pbLoadDefaults"), Qt::LeftButton);
        rig.settle(200);
        QVERIFY2(rig.characteristics(SimAttEvent::Write).isEmpty(), qPrintable(QString::number(row)));
    }
    QVERIFY(!log.messages(QStringLiteral("ui")).contains(QStringLiteral("Unknown settings page selected")));

    choosePage(&panel, 3);
    rig.traffic.clear();
    QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
    rig.settle(200);
    QCOMPARE(rig.written(DeviceProtocol::settingsServiceUuid(), DeviceProtocol::kCommonSettingsId).size(), 1);
}

void tst_MainWindow::setNamesFillTheCommonPage_data()
{
    QTest::addColumn<SimLimiter::Kind>("kind");
    QTest::newRow("limiter") << SimLimiter::Kind::Limiter;
    QTest::newRow("DOV logger") << SimLimiter::Kind::DovLogger;
}

void tst_MainWindow::setNamesFillTheCommonPage()
{
    // Both panels name the device's sets, the default ones first, in the
    // common page's list of sets, as the device names them.
    QFETCH(SimLimiter::Kind, kind);
    PageRig rig(kind);
    const QMap<int, QString> names{{0, QStringLiteral("Erste")}, {5, QStringLiteral("Sechste")},
                                   {6, QStringLiteral("Heat ü")}, {13, QStringLiteral("Letzte")}};
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        s_LimitSettBle set = rig.sim->limitSet(it.key());
        setRecordText(set.settingsName, 32, it.value());
        rig.sim->setLimitSet(it.key(), set);
    }
    std::unique_ptr<QWidget> panel;
    if (kind == SimLimiter::Kind::Limiter) {
        auto *limiter = new LimiterSettingsWidget;
        panel.reset(limiter);
        limiter->setDevice(rig.device);
    } else {
        auto *logger = new DovLoggerSettingsWidget;
        panel.reset(logger);
        logger->setDevice(rig.device);
    }
    auto *sets = child<QComboBox>(panel.get(), "cbLimiterSettSet");
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        QTRY_COMPARE_WITH_TIMEOUT(sets->itemText(it.key()), it.value(), 20000);
}

void tst_MainWindow::panelTellsWhatWasNotDone()
{
    PageRig rig;
    LimiterSettingsWidget panel;
    panel.setDevice(rig.device);
    panel.show();
    auto *list = child<QListWidget>(&panel, "lwSettingsCategories");
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, 4), 20000);
    rig.settle(500);
    QStringList seen;
    ModalAnswerer<QMessageBox> boxes([&](QMessageBox *box) {
        seen << box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
                    + QString::number(box->icon());
        box->accept();
    });

    // Password entries that differ: neither the password nor the settings go.
    choosePage(&panel, 4);
    child<QGroupBox>(&panel, "gbPassword")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>(&panel, "lePassword"), QStringLiteral("abcd"));
    QTest::keyClicks(child<QLineEdit>(&panel, "lePasswordRepeat"), QStringLiteral("abce"));
    rig.traffic.clear();
    QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
    QTRY_COMPARE(seen.size(), 1);
    rig.settle(300);
    QVERIFY(rig.characteristics(SimAttEvent::Write).isEmpty());
    QVERIFY(seen.first().contains(CommonSettingsWidget::passwordMismatchText()));

    // A failed set-up of the device is shown as an error.
    emit rig.device->connectionErrorOccurred(QStringLiteral("Link"), QStringLiteral("Settings service not found"));
    QTRY_COMPARE(seen.size(), 2);
    QCOMPARE(seen.at(1), QStringLiteral("Link|Settings service not found|%1").arg(int(QMessageBox::Critical)));

    // A save the device refuses is not shown as saved.
    rig.sim->addFaultFilter(
        SimFaults::refuse(SimAttEvent::Write, makeUuid(DeviceProtocol::kSettingsBase, DeviceProtocol::kCommonSettingsId)));
    child<QGroupBox>(&panel, "gbPassword")->setChecked(false);
    QTest::mouseClick(child<QPushButton>(&panel, "pbSaveSettings"), Qt::LeftButton);
    QTRY_COMPARE(seen.size(), 3);
    QVERIFY2(seen.at(2).contains(devicepanel::refusedWriteText()), qPrintable(seen.at(2)));
}

void tst_MainWindow::windowCloseDisconnectsEveryTab()
{
    SimRig rig;
    auto limiter = rig.addLimiter();
    UpdateQuestionAnswerer question;
    MainWindow window({});
    QTRY_COMPARE(question.count, 1);
    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    auto *panel = qobject_cast<LimiterSettingsWidget *>(tabs(window)->widget(1));
    QVERIFY(panel);
    QTRY_VERIFY_WITH_TIMEOUT(panel->device()->status() == LimiterServicesDiscovered, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!limiter->connections().isEmpty(), 10000);

    QVERIFY(window.close());
    // The panels stay until the window goes.
    QCOMPARE(tabs(window)->count(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(limiter->connections().isEmpty(), 10000);
    rig.settle(10000);
    QVERIFY(limiter->connections().isEmpty());
}

void tst_MainWindow::closingDuringAFirmwareUpdateAsksFirst_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("agree");
    QTest::newRow("tab, No") << "tab" << false;
    QTest::newRow("tab, Yes") << "tab" << true;
    QTest::newRow("window, No") << "window" << false;
    QTest::newRow("Exit, Yes") << "exit" << true;
}

void tst_MainWindow::closingDuringAFirmwareUpdateAsksFirst()
{
    QFETCH(QString, how);
    QFETCH(bool, agree);
    SimRig rig;
    auto limiter = rig.addLimiter();
    UpdateQuestionAnswerer question;
    auto window = std::make_unique<MainWindow>(TranslatorList());
    window->show();
    QTRY_COMPARE(question.count, 1);
    QVERIFY(doubleClickDevice(*window, SimRig::kLimiterAddress));
    auto *panel = tabs(*window)->widget(1);
    auto *page = panel->findChild<FirmwareUpdateWidget *>();
    QVERIFY(page);
    QTRY_VERIFY_WITH_TIMEOUT(page->installer().deviceProblem().isEmpty(), 20000);
    const QString package = m_logs.filePath(QStringLiteral("update.zip"));
    QVERIFY(SimDfuPackage::write(package, SimDfuPackage::image(10000, 5), 0x0302));

    QStringList asked;
    ModalAnswerer<QMessageBox> boxes([&](QMessageBox *box) {
        asked << box->text();
        if (QAbstractButton *button = box->button(agree ? QMessageBox::Yes : QMessageBox::No))
            button->click();
        else
            box->accept();
    });
    ModalAnswerer<QFileDialog> files(pickFile(package));
    bool closing = false;
    connect(&page->installer(), &FirmwareInstaller::updateStatus, this, [&](StateM, uint32_t progress) {
        if (progress < 20 || closing)
            return;
        closing = true;
        // The device's time stands still while the question is up.
        rig.clock().setMode(SimClock::Mode::Manual);
        QTimer::singleShot(0, window.get(), [&] {
            if (how == QLatin1String("tab"))
                emit tabs(*window)->tabCloseRequested(1);
            else if (how == QLatin1String("window"))
                window->close();
            else
                child<QAction>(window.get(), "actionE_xit")->trigger();
        });
    });
    QTest::mouseClick(child<QPushButton>(page, "pbOpenFirmware"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!asked.isEmpty(), 30000);
    QVERIFY2(asked.first().startsWith(QStringLiteral("A firmware update of QVR Test (C0:DE:00:00:00:11) is running. "
                                                     "Closing now stops it: the device stays in its bootloader")),
             qPrintable(asked.first()));
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(tabs(*window)->count(), agree && how == QLatin1String("tab") ? 1 : 2);
    QCOMPARE(window->isVisible(), !agree || how == QLatin1String("tab"));
    if (agree) {
        // The update stops with what showed it: the device waits in its
        // bootloader for a recovery.
        window.reset();
        rig.clock().setMode(SimClock::Mode::Fast);
        rig.settle(60000);
        QVERIFY(limiter->isInBootloader());
        return;
    }
    rig.clock().setMode(SimClock::Mode::Fast);
    QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 2, 30000);
    QVERIFY(asked.last().endsWith(QStringLiteral("Please reconnect to device.")));
    QTRY_COMPARE(limiter->firmwareVersionWord(), quint16(0x0302));
}

void tst_MainWindow::recoverDeviceShowsTheRecoveryThatWentOn()
{
    SimRig rig;
    QString problem;
    QVERIFY2(SimDescription::load(rig.radio, R"({"devices": [{"kind": "dfu-bootloader", "address": "C0:DE:00:00:00:12"}]})",
                                  &problem),
             qPrintable(problem));
    auto bootloader = rig.radio.peripheral<SimDfuBootloader>(QBluetoothAddress(QStringLiteral("C0:DE:00:00:00:12")));
    QVERIFY(bootloader);
    const QString package = m_logs.filePath(QStringLiteral("rescue.zip"));
    const QByteArray image = SimDfuPackage::image(10000, 6);
    QVERIFY(SimDfuPackage::write(package, image, 0x0303));
    UpdateQuestionAnswerer question;
    MainWindow window({});
    window.show();
    QTRY_COMPARE(question.count, 1);

    child<QAction>(&window, "actionRecover_device")->trigger();
    const QList<FirmwareRecoveryDialog *> dialogs = window.findChildren<FirmwareRecoveryDialog *>();
    QCOMPARE(dialogs.size(), 1);
    FirmwareRecoveryDialog *dialog = dialogs.first();
    QVERIFY(dialog->isVisible());
    auto *devices = child<QTableWidget>(dialog, "lwDevices");
    QTRY_COMPARE(devices->rowCount(), 1);
    devices->setCurrentCell(0, 0);
    ModalAnswerer<QFileDialog> files(pickFile(package));
    ModalAnswerer<QMessageBox> boxes([](QMessageBox *box) { box->accept(); });
    // Closed half way: the recovery goes on.
    bool closed = false;
    connect(&dialog->installer(), &FirmwareInstaller::updateStatus, this, [&](StateM, uint32_t progress) {
        if (progress >= 50 && !closed) {
            closed = true;
            dialog->close();
        }
    });
    QSignalSpy activated(bootloader.get(), &SimDfuBootloader::imageActivated);
    QTest::mouseClick(child<QPushButton>(dialog, "pbOpenFile"), Qt::LeftButton);
    QTRY_VERIFY(child<QPushButton>(dialog, "pbRecover")->isEnabled());
    QTest::mouseClick(child<QPushButton>(dialog, "pbRecover"), Qt::LeftButton);
    QTRY_VERIFY(closed);
    QVERIFY(dialog->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 1, 30000);
    QCOMPARE(bootloader->activatedImage(), image);

    // "Recover device" shows the same dialog, with where the recovery ended.
    child<QAction>(&window, "actionRecover_device")->trigger();
    QCOMPARE(window.findChildren<FirmwareRecoveryDialog *>(), dialogs);
    QVERIFY(dialog->isVisible());
    QTRY_COMPARE(child<QProgressBar>(dialog, "pbRecoveryProgress")->value(), 100);
    QCOMPARE(boxes.count, 1); // "Device was recovered ..."
}

void tst_MainWindow::everyPageFitsALaptopScreen_data()
{
    QTest::addColumn<SimLimiter::Kind>("kind");
    QTest::addColumn<QString>("language");
    QTest::newRow("limiter, English") << SimLimiter::Kind::Limiter << QStringLiteral("en");
    QTest::newRow("limiter, Russian") << SimLimiter::Kind::Limiter << QStringLiteral("ru");
    QTest::newRow("DOV logger, English") << SimLimiter::Kind::DovLogger << QStringLiteral("en");
    QTest::newRow("DOV logger, Russian") << SimLimiter::Kind::DovLogger << QStringLiteral("ru");
}

void tst_MainWindow::everyPageFitsALaptopScreen()
{
    QFETCH(SimLimiter::Kind, kind);
    QFETCH(QString, language);
    // A 1366 x 768 screen less the window's frame and title bar and a
    // desktop panel.
    const QSize workArea(1366 - 16, 768 - 72);
    QSettings().setValue(QStringLiteral("language"), language);
    if (kind == SimLimiter::Kind::DovLogger)
        QSettings().setValue(QStringLiteral("devicesFamilyMode"), 2);
    SimRig rig;
    rig.addLimiter(kind);
    UpdateQuestionAnswerer question;
    MainWindow window({});
    window.show();
    QTRY_COMPARE(question.count, 1);
    window.resize(workArea);
    QVERIFY(child<QDockWidget>(&window, "dockLog")->isVisible());
    const auto neededSize = [&window] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return window.minimumSizeHint();
    };
    const QSize scannerOnly = neededSize();

    QVERIFY(doubleClickDevice(window, SimRig::kLimiterAddress));
    QWidget *panel = tabs(window)->widget(1);
    auto *list = child<QListWidget>(panel, "lwSettingsCategories");
    // The pages as the device fills them: its names in the list included.
    QTRY_VERIFY_WITH_TIMEOUT(rowEnabled(list, list->count() - 1), 20000);
    rig.settle(1000);
    auto *stack = child<QStackedWidget>(panel, "swSettingsPage");
    auto *area = child<QScrollArea>(panel, "saSettingsPage");
    for (int page = 0; page < stack->count(); ++page) {
        QMetaObject::invokeMethod(panel, "onSettingsPageChanged", Q_ARG(int, page));
        const QSize needed = neededSize();
        QWidget *shown = stack->widget(page);
        QVERIFY2(needed.width() <= workArea.width() && needed.height() <= workArea.height(),
                 qPrintable(QStringLiteral("%1 needs %2 x %3")
                                .arg(shown->objectName())
                                .arg(needed.width())
                                .arg(needed.height())));
        // A page is as wide as it needs: it scrolls up and down only.
        QVERIFY2(shown->minimumSizeHint().width() <= area->viewport()->width(),
                 qPrintable(QStringLiteral("%1 is %2 wide in %3")
                                .arg(shown->objectName())
                                .arg(shown->minimumSizeHint().width())
                                .arg(area->viewport()->width())));
    }

    // Once the tab is closed the window needs no more than before.
    emit tabs(window)->tabCloseRequested(1);
    QCOMPARE(neededSize(), scannerOnly);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
