#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "LogCatalogue.h"
#include "ViewerDiagnostics.h"

#include "PlotView.h"

#include <nlohmann/json.hpp>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDirIterator>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

namespace {

// Column 0 of a "File corrupted" row keeps the file's path here (never under
// the user role, which opens and describes logs).
constexpr int kUnreadablePathRole = Qt::UserRole + 1;

constexpr int kColumnCount = 4;

// The "Session" cell of a log sorts by its text up to the session number and
// then by that number, so session 9 comes before session 10.
class SessionItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem &other) const override
    {
        static const QRegularExpression kSession(QStringLiteral("^(.*): (\\d+)"));
        const QRegularExpressionMatch mine = kSession.match(text());
        const QRegularExpressionMatch theirs = kSession.match(other.text());
        if (mine.hasMatch() && theirs.hasMatch()) {
            const QString prefix = mine.captured(1);
            if (prefix != theirs.captured(1))
                return prefix < theirs.captured(1);
            const QString number = withoutLeadingZeros(mine.captured(2));
            const QString otherNumber = withoutLeadingZeros(theirs.captured(2));
            if (number != otherNumber)
                return number.size() != otherNumber.size() ? number.size() < otherNumber.size() : number < otherNumber;
        }
        return QTableWidgetItem::operator<(other);
    }

private:
    static QString withoutLeadingZeros(QString digits)
    {
        while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
            digits.remove(0, 1);
        return digits;
    }
};

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
    connect(ui->lwLogs->horizontalHeader(), &QHeaderView::sectionResized, this, &MainWindow::columnResized);

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
    // The list shows every name whole, however narrow the box is.
    QAbstractItemView *list = m_languageBox->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
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
    PlotView *view = nullptr;
    if (!QFileInfo(path).isFile()) {
        reason = tr("The file does not exist.");
    } else {
        ++m_loadingLogs;
        try {
            // The build throws the zip layer's and the JSON library's errors.
            view = PlotView::open(path, ui->plots).release();
        } catch (const std::exception &e) {
            reason = QString::fromLocal8Bit(e.what());
        } catch (...) {
            reason = tr("Unknown error.");
        }
        --m_loadingLogs;
    }
    if (m_exitWhenLoaded && m_loadingLogs == 0) {
        // The window was closed while the log was loading: nothing more is
        // shown, the program ends (and the window writes its settings).
        delete view;
        qCDebug(lcViewer) << "Window closed while loading" << path;
        QCoreApplication::exit(0);
        return false;
    }
    if (view) {
        const QString title = view->title();
        if (!title.isEmpty()) {
            ui->plots->setCurrentIndex(ui->plots->addTab(view, title));
            qCDebug(lcViewer) << "Opened" << path << "as" << title;
            return true;
        }
        delete view;
        reason = tr("The file is not a log file.");
    }
    qCWarning(lcViewer) << "Cannot open" << path << ":" << reason;
    QMessageBox::warning(this, tr("Open log"),
                         tr("The log %1 cannot be opened.\n%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_loadingLogs > 0)
        m_exitWhenLoaded = true;
    QMainWindow::closeEvent(event);
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
                                                      logFileNameFilter());
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
    // The files of "File corrupted" rows were watched for this folder only.
    const QStringList watchedFiles = m_watcher.files();
    for (const QString &path : std::as_const(m_unreadableRows)) {
        if (watchedFiles.contains(path))
            m_watcher.removePath(path);
    }
    m_unreadableRows.clear();

    directory = withoutTrailingSeparator(directory);
    storeLogsDirectory(directory);
    rescanDirectory(directory);

    // Before the window is first shown the table has no width of its own
    // yet: the columns are shared out when it gets one, and again whenever
    // it changes, until the user sizes a column.
    m_userSizedColumns = false;
    if (ui->lwLogs->isVisible())
        shareOutColumns();

    if (QFileInfo::exists(directory))
        m_watcher.addPath(directory);
    qCDebug(lcViewer) << "Scanned" << directory << ":" << ui->lwLogs->rowCount() << "rows";
}

void MainWindow::rescanDirectory(QString directory)
{
    QSet<QString> notSeen = logRows;
    notSeen.unite(m_unreadableRows);

    QDirIterator it(directory, {logFileNameFilter()}, QDir::Files, QDirIterator::Subdirectories);
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
        // A log still being written (copied, downloaded) is read again
        // when it changes.
        if (!m_watcher.files().contains(filename))
            m_watcher.addPath(filename);
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
    m_sharingColumns = true;
    for (int column = 0; column < kColumnCount; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, width * weights[column] / 21);
    }
    m_sharingColumns = false;
    m_columnsShared = true;
}

void MainWindow::columnResized()
{
    // Before the first share the columns follow their contents.
    if (m_columnsShared && !m_sharingColumns)
        m_userSizedColumns = true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lwLogs && event->type() == QEvent::Resize && !m_userSizedColumns && ui->lwLogs->isVisible())
        shareOutColumns();
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
        auto *item = column == 0 && !path.isEmpty() ? new SessionItem(texts.value(column))
                                                    : new QTableWidgetItem(texts.value(column));
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
