#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "LogCatalogue.h"
#include "ViewerDiagnostics.h"

#include "PlotView.h"

#include <nlohmann/json.hpp>

#include <QComboBox>
#include <QDirIterator>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

namespace {

// Column 0 of a "File corrupted" row keeps the file's path here (never under
// the user role, which opens and describes logs).
constexpr int kUnreadablePathRole = Qt::UserRole + 1;

constexpr int kColumnCount = 4;

} // namespace

MainWindow::MainWindow(const TranslatorList &translators, QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_translators(translators)
{
    ui->setupUi(this);
    buildLanguageMenu();

    {
        QSettings settings;
        restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
        restoreState(settings.value(QStringLiteral("state")).toByteArray(), 0);
    }

    setWindowTitle(QStringLiteral("%1  v %2 (%3) [%4]")
                       .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                            QString::fromLatin1(__DATE__).simplified(), QCoreApplication::organizationName()));

    // Only plot tabs can be closed.
    QTabBar *tabs = ui->plots->tabBar();
    for (auto side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (QWidget *button = tabs->tabButton(0, side)) {
            tabs->setTabButton(0, side, nullptr);
            button->deleteLater();
        }
    }

    ui->pbOpenFolder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ui->pbRefreshFolder->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    ui->lwLogs->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->lwLogs->installEventFilter(this);

    ui->splitter->setSizes({width() - 300, 300});
    ui->splitter->setStretchFactor(0, 666);

    connect(ui->pbOpenFolder, &QPushButton::clicked, this, &MainWindow::selectDirectory);
    connect(ui->pbRefreshFolder, &QPushButton::clicked, this, [this] {
        scanDirectory(QDir::fromNativeSeparators(ui->leCurrentFolder->text()));
    });
    connect(ui->lwLogs, &QTableWidget::itemSelectionChanged, this, &MainWindow::logSelected);
    connect(ui->lwLogs, &QTableWidget::doubleClicked, this, &MainWindow::logOpened);
    connect(ui->actionOpenFile, &QAction::triggered, this, &MainWindow::openFile);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &MainWindow::logDirectoryChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &MainWindow::logDirectoryChanged);
    connect(ui->plots, &QTabWidget::tabCloseRequested, this, &MainWindow::closePlotTab);
    connect(ui->actionExit, &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    const QString directory = logsDirectory();
    ui->leCurrentFolder->setText(QDir::toNativeSeparators(directory));
    scanDirectory(directory);
}

MainWindow::~MainWindow()
{
    QSettings settings;
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("state"), saveState(0));
    delete ui;
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QMainWindow::changeEvent(event);
}

// ------------------------------------------------------------- languages

void MainWindow::buildLanguageMenu()
{
    m_languageBox = new QComboBox(ui->menubar);
    m_languageBox->setObjectName(QStringLiteral("cbLanguage"));
    for (const QString &code : languages::languageCodes()) {
        m_languageBox->addItem(QIcon(QStringLiteral(":/res/%1.png").arg(code)), languages::nativeLanguageLabel(code),
                               code);
    }
    ui->menubar->setCornerWidget(m_languageBox, Qt::TopRightCorner);
    connect(m_languageBox, &QComboBox::currentTextChanged, this, &MainWindow::setLanguage);

    QSettings settings;
    const QString label = languages::nativeLanguageLabel(languages::storedLanguageCode(settings));
    const int index = label.isEmpty() ? -1 : m_languageBox->findText(label);
    if (index >= 0)
        m_languageBox->setCurrentIndex(index);
}

void MainWindow::setLanguage()
{
    QSettings settings;
    const QString code = languages::switchLanguage(m_translators, m_languageBox->currentData().toString(), settings,
                                                   languages::SwitchOrder::ProgramFirst);
    qCDebug(lcViewer) << "Language" << code;
}

// ------------------------------------------------------------- plot tabs

bool MainWindow::openLogInTab(const QString &path)
{
    QString reason;
    if (!QFileInfo(path).isFile()) {
        reason = tr("The file does not exist.");
    } else {
        try {
            // The build throws the zip layer's and the JSON library's errors.
            auto *view = PlotView::open(path, ui->plots).release();
            const QString title = view->title();
            if (!title.isEmpty()) {
                ui->plots->setCurrentIndex(ui->plots->addTab(view, title));
                qCDebug(lcViewer) << "Opened" << path << "as" << title;
                return true;
            }
            delete view;
            reason = tr("The file is not a log file.");
        } catch (const std::exception &e) {
            reason = QString::fromLocal8Bit(e.what());
        } catch (...) {
            reason = tr("Unknown error.");
        }
    }
    qCWarning(lcViewer) << "Cannot open" << path << ":" << reason;
    QMessageBox::warning(this, tr("Open log"),
                         tr("The log %1 cannot be opened.\n%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void MainWindow::closePlotTab(int idx)
{
    QWidget *view = ui->plots->widget(idx);
    if (!view || view == ui->tab)
        return;
    ui->plots->removeTab(idx);
    // A closed plot gives its memory back.
    view->deleteLater();
}

void MainWindow::openFile()
{
    const QString directory = logsDirectory();
    const QString file = QFileDialog::getOpenFileName(this, tr("Please select log file"), directory,
                                                      QStringLiteral("*.verira"));
    if (file.isEmpty())
        return;
    openLogInTab(file);
    storeLogsDirectory(directory);
}

void MainWindow::logOpened()
{
    const QString path = selectedPath();
    if (!path.isEmpty())
        openLogInTab(path);
}

// ------------------------------------------------------------- catalogue

void MainWindow::selectDirectory()
{
    // Files are listed too, so the user sees which folder holds the logs.
    const QString directory = QFileDialog::getExistingDirectory(this, tr("Please select log file"), logsDirectory(),
                                                                QFileDialog::ReadOnly);
    if (directory.isEmpty())
        return;
    ui->leCurrentFolder->setText(QDir::toNativeSeparators(directory));
    scanDirectory(directory);
}

void MainWindow::scanDirectory(QString directory)
{
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);

    ui->lwLogs->setRowCount(0);
    logRows.clear();
    m_unreadableRows.clear();

    directory = withoutTrailingSeparator(directory);
    storeLogsDirectory(directory);
    rescanDirectory(directory);

    // Before the window is first shown the table has no width of its own
    // yet: the columns are shared out when it gets one.
    m_columnsPending = !ui->lwLogs->isVisible();
    if (!m_columnsPending)
        shareOutColumns();

    if (QFileInfo::exists(directory))
        m_watcher.addPath(directory);
    qCDebug(lcViewer) << "Scanned" << directory << ":" << ui->lwLogs->rowCount() << "rows";
}

void MainWindow::rescanDirectory(QString directory)
{
    QSet<QString> notSeen = logRows;
    notSeen.unite(m_unreadableRows);

    QDirIterator it(directory, {QStringLiteral("*.verira")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (logRows.contains(path)) {
            notSeen.remove(path);
            continue;
        }
        // An unreadable file is read again: it may have been repaired.
        notSeen.remove(path);
        processLogFile(directory, path);
    }

    for (const QString &path : std::as_const(notSeen)) {
        if (m_unreadableRows.remove(path)) {
            removeRowOf(kUnreadablePathRole, path);
        } else if (findRow(Qt::UserRole, path) >= 0) {
            removeRowOf(Qt::UserRole, path);
            logRows.remove(path);
        }
    }
}

void MainWindow::processLogFile(QString baseDir, QString filename)
{
    const QFileInfo info(filename);
    try {
        nlohmann::json metadata;
        if (!readCatalogueMetadata(filename, metadata)) {
            if (m_unreadableRows.remove(filename))
                removeRowOf(kUnreadablePathRole, filename);
            return;
        }
        const LogListRow row = logListRow(baseDir, filename, metadata, info.lastModified());
        if (m_unreadableRows.remove(filename))
            removeRowOf(kUnreadablePathRole, filename);
        logRows.insert(filename);
        appendRow({row.session, row.user, row.settingsSet, row.createdAt}, filename, QString());
    } catch (const std::exception &e) {
        qCWarning(lcViewer) << "Cannot read" << filename << ":" << e.what();
        if (m_unreadableRows.contains(filename))
            return;
        m_unreadableRows.insert(filename);
        appendRow({QStringLiteral("File corrupted"), relativeFolder(baseDir, filename), info.fileName(), QString()},
                  QString(), filename);
    }
}

void MainWindow::logDirectoryChanged(QString path)
{
    const QFileInfo info(path);
    qCDebug(lcViewer) << info.isFile() << info.exists() << path;
    if (info.isFile()) {
        if (!m_watcher.files().contains(path))
            m_watcher.addPath(path);
        const QStringList directories = m_watcher.directories();
        const QString base = directories.isEmpty() ? info.absolutePath() : directories.first();
        // A changed log is listed again from its new contents, in one row.
        if (logRows.remove(path))
            removeRowOf(Qt::UserRole, path);
        processLogFile(base, path);
    } else if (info.exists()) {
        QTimer::singleShot(1000, this, [this, path] {
            // The user may have turned to another folder in the meantime.
            if (m_watcher.directories().contains(path))
                rescanDirectory(path);
        });
    }
}

void MainWindow::logSelected()
{
    if (ui->lwLogs->selectedItems().isEmpty())
        return;
    const QString path = selectedPath();
    bool shown = false;
    if (!path.isEmpty()) {
        try {
            nlohmann::json metadata;
            if (readCatalogueMetadata(path, metadata)) {
                ui->logDescription->showLogMetadata(std::move(metadata));
                shown = true;
            }
        } catch (const std::exception &e) {
            qCWarning(lcViewer) << "Cannot read" << path << ":" << e.what();
        }
    }
    // A file that is no readable log gets no description of another log.
    if (!shown)
        ui->logDescription->showLogMetadata(nlohmann::json());
}

void MainWindow::shareOutColumns()
{
    QHeaderView *header = ui->lwLogs->horizontalHeader();
    const int width = ui->lwLogs->width();
    const int weights[kColumnCount] = {3, 5, 5, 3};
    for (int column = 0; column < kColumnCount; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, width * weights[column] / 21);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lwLogs && event->type() == QEvent::Resize && m_columnsPending && ui->lwLogs->isVisible()) {
        m_columnsPending = false;
        shareOutColumns();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeColumnsToContents()
{
    ui->lwLogs->resizeColumnsToContents();
}

QString MainWindow::selectedPath() const
{
    const QList<QTableWidgetItem *> selected = ui->lwLogs->selectedItems();
    if (selected.isEmpty())
        return {};
    const QTableWidgetItem *first = ui->lwLogs->item(selected.first()->row(), 0);
    return first ? first->data(Qt::UserRole).toString() : QString();
}

void MainWindow::appendRow(const QStringList &texts, const QString &path, const QString &unreadablePath)
{
    // With sorting on, the table would move a row between two cells.
    const bool sorting = ui->lwLogs->isSortingEnabled();
    ui->lwLogs->setSortingEnabled(false);
    const int row = ui->lwLogs->rowCount();
    ui->lwLogs->insertRow(row);
    for (int column = 0; column < kColumnCount; ++column) {
        auto *item = new QTableWidgetItem(texts.value(column));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (column == 0) {
            if (!path.isEmpty())
                item->setData(Qt::UserRole, path);
            if (!unreadablePath.isEmpty())
                item->setData(kUnreadablePathRole, unreadablePath);
        }
        ui->lwLogs->setItem(row, column, item);
    }
    ui->lwLogs->setSortingEnabled(sorting);
}

int MainWindow::findRow(int role, const QString &path) const
{
    for (int row = 0; row < ui->lwLogs->rowCount(); ++row) {
        const QTableWidgetItem *item = ui->lwLogs->item(row, 0);
        if (item && item->data(role).toString() == path)
            return row;
    }
    return -1;
}

void MainWindow::removeRowOf(int role, const QString &path)
{
    const int row = findRow(role, path);
    if (row >= 0)
        ui->lwLogs->removeRow(row);
}
