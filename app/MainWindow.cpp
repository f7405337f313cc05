#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CoalescingProxyModel.h"
#include "Diagnostics.h"
#include "DiagnosticsPane.h"
#include "DovLoggerSettingsWidget.h"
#include "FirmwareRecoveryDialog.h"
#include "FirmwareUpdateCheckRequestWidget.h"
#include "FirmwareWindows.h"
#include "LimiterDevice.h"
#include "LimiterSettingsWidget.h"
#include "ProgressBarDelegate.h"
#include "ShellWidgets.h"
#include "TableColumnSizer.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QMessageBox>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTabBar>
#include <QTimer>

namespace {

constexpr int kDovLoggerFamily = 2;
constexpr int kLimiterFamily = 1;
constexpr int kStatusColumn = 4;
// The "Address" column, the last of each list.
constexpr int kLimiterAddressColumn = 18;
constexpr int kDovLoggerAddressColumn = 13;

const QString kCheckAlways = QStringLiteral("check always");

// How often the Scanner table shows what the advertisements changed.
constexpr int kTableRefreshMs = 500;

// The device of a tab's page, if the page is a device panel.
std::shared_ptr<LimiterDevice> panelDevice(QWidget *page)
{
    if (auto *limiter = qobject_cast<LimiterSettingsWidget *>(page))
        return limiter->device();
    if (auto *dovLogger = qobject_cast<DovLoggerSettingsWidget *>(page))
        return dovLogger->device();
    return nullptr;
}

} // namespace

MainWindow::MainWindow(const TranslatorList &translators, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_deviceModel(&m_discovery)
    , m_dovLoggerModel(&m_discovery)
    , m_translators(translators)
{
    ui->setupUi(this);

    m_languageBox = shell::addLanguageBox(ui->menubar, [this](const QString &code) { changeLanguage(code); });

    {
        QSettings settings;
        restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
        restoreState(settings.value(QStringLiteral("state")).toByteArray(), 0);
    }

    m_changes = new CoalescingProxyModel(kTableRefreshMs, this);
    m_changes->setPaused(true); // until the table is shown
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_changes);
    m_progressBarDelegate = new ProgressBarDelegate(ui->tableView);
    ui->tableView->setModel(m_proxy);
    ui->tableView->installEventFilter(this);
    // The columns fit their contents, measured when rows come and go and
    // about once a second while the table is shown, never per advertisement.
    new TableColumnSizer(ui->tableView);

    auto *family = new QActionGroup(this);
    family->setExclusive(true);
    for (QAction *action : {ui->actionLimiter, ui->actionDov_Logger}) {
        action->setCheckable(true);
        family->addAction(action);
    }
    connect(family, &QActionGroup::triggered, this, [this](QAction *action) {
        const int mode = action == ui->actionDov_Logger ? kDovLoggerFamily : kLimiterFamily;
        setDevicesFamilyMode(mode);
        QSettings().setValue(QStringLiteral("devicesFamilyMode"), mode);
    });
    setDevicesFamilyMode(QSettings().value(QStringLiteral("devicesFamilyMode"), 0).toInt());

    connect(ui->tableView, &QTableView::doubleClicked, this, &MainWindow::connectToSelected);
    // Through closeEvent, which asks first while a firmware update runs.
    connect(ui->actionE_xit, &QAction::triggered, this, &QWidget::close);
    connect(ui->actionRecover_device, &QAction::triggered, this, &MainWindow::recoverDevice);

    m_discovery.onDiscoveryFinished();

    QTabBar *tabs = ui->tabWidget->tabBar();
    for (auto side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (QWidget *button = tabs->tabButton(0, side))
            button->resize(0, 0);
    }
    connect(ui->tabWidget, &QTabWidget::tabCloseRequested, this, &MainWindow::disconnectFromLimiter);

    m_logView = new DiagnosticsPane(this);
    setApplicationLogView(m_logView);
    ui->verticalLayout_3->addWidget(m_logView);

    QTimer::singleShot(0, this, [this] { ui->actionToggleApplicationLog->setChecked(ui->dockLog->isVisible()); });

    connect(&m_downloader, &FirmwareDownloader::error, this, [this] {
        QMessageBox box(QMessageBox::Warning, QString(), m_downloader.errorString(), QMessageBox::Ok, this);
        box.exec();
    });
    connect(ui->actionToggleApplicationLog, &QAction::toggled, ui->dockLog, &QDockWidget::setVisible);

    checkForUpdates();

    setWindowTitle(QStringLiteral("%1  v %2 (%3)  [%4]")
                       .arg(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationVersion(),
                            shell::buildDate(), QCoreApplication::organizationName()));
}

MainWindow::~MainWindow()
{
    QSettings settings;
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState(0));
    delete ui;
    // The members go in reverse order: the translators, the downloader, the
    // DOV logger list, the limiter list, then the discovery.
}

void MainWindow::checkForUpdates()
{
    if (QSettings().value(QStringLiteral("firmware update")).toString() == kCheckAlways) {
        m_downloader.refresh();
        return;
    }
    // Asked once the window is up; the timer goes with its question.
    auto *delay = new QTimer(this);
    delay->setObjectName(QStringLiteral("updateQuestionTimer"));
    delay->setSingleShot(true);
    connect(delay, &QTimer::timeout, this, [this, delay] {
        delay->deleteLater();
        FirmwareUpdateCheckRequestWidget question;
        if (question.exec() == QDialog::Accepted)
            m_downloader.refresh();
    });
    delay->start(100);
}

void MainWindow::setDevicesFamilyMode(int mode)
{
    const bool logger = mode == kDovLoggerFamily;
    m_changes->setSourceModel(logger ? static_cast<QAbstractItemModel *>(&m_dovLoggerModel) : &m_deviceModel);
    ui->tableView->clearSelection();
    ui->tableView->setItemDelegateForColumn(kStatusColumn, logger ? nullptr : m_progressBarDelegate);
    ui->actionLimiter->setChecked(!logger);
    ui->actionDov_Logger->setChecked(logger);
}

void MainWindow::changeLanguage(const QString &code)
{
    QSettings settings;
    languages::switchLanguage(m_translators, code, settings, languages::SwitchOrder::FrameworkFirst);
}

void MainWindow::connectToSelected()
{
    const QModelIndexList selected = ui->tableView->selectionModel()->selectedIndexes();
    if (selected.isEmpty() || !selected.first().isValid())
        return;
    const QModelIndex index = m_changes->mapToSource(m_proxy->mapToSource(selected.first()));
    const bool logger = index.model() == &m_dovLoggerModel;
    const int addressColumn = logger ? kDovLoggerAddressColumn : kLimiterAddressColumn;
    const QModelIndex addressIndex = index.column() == addressColumn ? index : index.siblingAtColumn(addressColumn);
    const QString address = index.model() ? addressIndex.data().toString() : QString();

    std::shared_ptr<LimiterDevice> device =
        logger ? m_dovLoggerModel.findDevice(address) : m_deviceModel.findDevice(address);
    if (!device)
        return;
    // One tab per device: a second session on one device would never set up.
    if (const int open = tabOf(device->address()); open > 0) {
        ui->tabWidget->setCurrentIndex(open);
        return;
    }

    QWidget *panel = nullptr;
    if (logger) {
        auto *dovPanel = new DovLoggerSettingsWidget(this);
        dovPanel->setDevice(device);
        dovPanel->setFirmwareDownloader(&m_downloader);
        panel = dovPanel;
    } else {
        auto *limiterPanel = new LimiterSettingsWidget(this);
        limiterPanel->setDevice(device);
        limiterPanel->setFirmwareDownloader(&m_downloader);
        panel = limiterPanel;
    }
    const QString title = QStringLiteral("%1 (%2, %3)")
                              .arg(device->name(), device->userName(), device->registrationNumberText());
    ui->tabWidget->setCurrentIndex(ui->tabWidget->addTab(panel, title));
}

int MainWindow::tabOf(const QString &address) const
{
    for (int i = 1; i < ui->tabWidget->count(); ++i) {
        if (const auto device = panelDevice(ui->tabWidget->widget(i)); device && device->address() == address)
            return i;
    }
    return -1;
}

void MainWindow::disconnectFromLimiter(int index)
{
    QWidget *page = ui->tabWidget->widget(index);
    if (!page || !firmwarewindows::confirmClose(page))
        return;
    // A disconnect by the user: the device does not reconnect.
    if (const auto device = panelDevice(page))
        device->disconnectFromDevice();
    // The tab goes at once, so the device can be opened again before the
    // page is deleted.
    ui->tabWidget->removeTab(index);
    page->deleteLater();
}

void MainWindow::recoverDevice()
{
    // One dialog for the window's life: shown again, it shows the recovery
    // that went on while it was hidden.
    if (!m_recovery)
        m_recovery = new FirmwareRecoveryDialog(this);
    m_recovery->show();
    m_recovery->raise();
    m_recovery->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!firmwarewindows::confirmClose(this)) {
        event->ignore();
        return;
    }
    for (int i = 1; i < ui->tabWidget->count(); ++i) {
        if (const auto device = panelDevice(ui->tabWidget->widget(i)))
            device->disconnectFromDevice();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableView && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        m_changes->setPaused(event->type() == QEvent::Hide);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QMainWindow::changeEvent(event);
}
