#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "LogCatalogue.h"
#include "ViewerDiagnostics.h"

#include "PlotView.h"
#include "ShellWidgets.h"

#include <nlohmann/json.hpp>

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include <array>

namespace {

// Column 0 of a "File corrupted" row keeps the file's path here (never under
// the user role, which opens and describes logs).
constexpr int kUnreadablePathRole = Qt::UserRole + 1;

constexpr int kColumnCount = 4;
// The columns whose texts are never cut while the table is shared out: the
// session title and the time it was logged.
constexpr int kWholeColumns[] = {0, 3};

// The "Session" cell of a log sorts by its text up to the session number and
// then by that number, so session 9 comes before session 10. The key is taken
// apart once, when the cell is made: a sort compares cells many times.
class SessionItem : public QTableWidgetItem
{
public:
    explicit SessionItem(const QString &text)
        : QTableWidgetItem(text)
    {
        static const QRegularExpression kSession(QStringLiteral("^(.*): (\\d+)"));
        const QRegularExpressionMatch match = kSession.match(text);
        m_hasKey = match.hasMatch();
        if (m_hasKey) {
            m_prefix = match.captured(1);
            m_number = match.captured(2);
            while (m_number.size() > 1 && m_number.front() == QLatin1Char('0'))
                m_number.remove(0, 1);
        }
    }

    bool operator<(const QTableWidgetItem &other) const override
    {
        const auto *theirs = dynamic_cast<const SessionItem *>(&other);
        if (m_hasKey && theirs && theirs->m_hasKey) {
            if (m_prefix != theirs->m_prefix)
                return m_prefix < theirs->m_prefix;
            if (m_number != theirs->m_number)
                return m_number.size() != theirs->m_number.size() ? m_number.size() < theirs->m_number.size()
                                                                  : m_number < theirs->m_number;
        }
        return QTableWidgetItem::operator<(other);
    }

private:
    bool m_hasKey = false;
    QString m_prefix;
    QString m_number; // without leading zeros
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
    // The scan shares the columns out before it lists anything: sizing them
    // to their contents would measure every row again for each row added.
    ui->lwLogs->installEventFilter(this);
    // The rows shown beside a scroll bar or not: the room for the columns.
    ui->lwLogs->viewport()->installEventFilter(this);
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
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        // The watcher lets go of a file that was deleted or replaced.
        if (!m_watcher.files().contains(path))
            m_watchedFiles.remove(path);
        logDirectoryChanged(path);
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &MainWindow::logDirectoryChanged);
    connect(&m_scanner, &CatalogueScanner::entriesRead, this, &MainWindow::addEntries);
    connect(&m_scanner, &CatalogueScanner::finished, this, &MainWindow::scanFinished);
    connect(ui->plots, &QTabWidget::tabCloseRequested, this, &MainWindow::closePlotTab);
    connect(ui->actionExit, &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    const QString directory = logsDirectory();
    ui->leCurrentFolder->setText(QDir::toNativeSeparators(directory));
    scanDirectory(directory);
}

MainWindow::~MainWindow()
{
    m_scanner.stop();
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
    m_languageBox = shell::addLanguageBox(ui->menubar, [this](const QString &code) { setLanguage(code); });
}

void MainWindow::setLanguage(const QString &requested)
{
    QSettings settings;
    const QString code = languages::switchLanguage(m_translators, requested, settings,
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
    m_scanner.stop();
    m_pendingRescan.clear();
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_watchedParent.clear();

    ui->lwLogs->setRowCount(0);
    logRows.clear();
    // The files of "File corrupted" rows were watched for this folder only.
    if (!m_watchedFiles.isEmpty())
        m_watcher.removePaths(QStringList(m_watchedFiles.cbegin(), m_watchedFiles.cend()));
    m_watchedFiles.clear();
    m_unreadableRows.clear();

    directory = withoutTrailingSeparator(directory);
    storeLogsDirectory(directory);
    m_folder = directory;

    // Before the window is first shown the table has no width of its own
    // yet: the columns are shared out when it gets one, and again whenever
    // it changes or a batch of rows comes in, until the user sizes a column.
    m_userSizedColumns = false;
    m_wholeWidths = {};
    if (ui->lwLogs->isVisible())
        shareOutColumns();

    watchLogsFolder();
    qCDebug(lcViewer) << "Scanning" << directory;
    rescanDirectory(directory);
}

void MainWindow::rescanDirectory(QString directory)
{
    // One scan at a time; a rescan asked for meanwhile follows it.
    if (m_scanner.isRunning()) {
        m_pendingRescan = directory;
        return;
    }
    m_scanner.start(directory, logRows, m_unreadableRows);
}

bool MainWindow::isScanning() const
{
    return m_scanner.isRunning() || !m_pendingRescan.isEmpty();
}

void MainWindow::scanFinished(const QStringList &vanished)
{
    QSet<QString> gone;
    for (const QString &path : vanished) {
        if (logRows.remove(path) || m_unreadableRows.remove(path))
            gone.insert(path);
    }
    removeRowsOf(gone);
    qCDebug(lcViewer) << "Scanned" << m_folder << ":" << ui->lwLogs->rowCount() << "rows";
    if (!m_pendingRescan.isEmpty()) {
        const QString directory = std::exchange(m_pendingRescan, QString());
        rescanDirectory(directory);
    }
}

void MainWindow::processLogFile(QString baseDir, QString filename)
{
    std::optional<CatalogueEntry> entry = readCatalogueEntry(baseDir, filename);
    if (!entry) {
        // No log (any more): a "File corrupted" row of it goes.
        if (m_unreadableRows.remove(filename))
            removeRowsOf({filename});
        return;
    }
    addEntries({*entry});
}

void MainWindow::addEntries(const QList<CatalogueEntry> &entries)
{
    QTableWidget *table = ui->lwLogs;
    QList<const CatalogueEntry *> rows;
    rows.reserve(entries.size());
    QSet<QString> repaired;
    for (const CatalogueEntry &entry : entries) {
        if (logRows.contains(entry.path))
            continue;
        if (!entry.readable) {
            // A log still being written (copied, downloaded) is read again
            // when it changes.
            watchFile(entry.path);
            if (m_unreadableRows.contains(entry.path))
                continue;
            m_unreadableRows.insert(entry.path);
        } else {
            if (m_unreadableRows.remove(entry.path))
                repaired.insert(entry.path);
            logRows.insert(entry.path);
        }
        rows.append(&entry);
    }
    removeRowsOf(repaired);
    if (rows.isEmpty())
        return;

    // With sorting on, the table would sort again for every cell.
    const bool sorting = table->isSortingEnabled();
    table->setSortingEnabled(false);
    const int first = table->rowCount();
    table->setRowCount(first + int(rows.size()));
    const QFontMetrics metrics(table->font());
    // Per column kept whole: the row of its widest text and that text's width.
    std::array<std::pair<int, int>, kColumnCount> widest{};
    widest.fill({-1, 0});
    for (int i = 0; i < rows.size(); ++i) {
        const CatalogueEntry &entry = *rows.at(i);
        const QStringList texts{entry.row.session, entry.row.user, entry.row.settingsSet, entry.row.createdAt};
        const int row = first + i;
        for (int column = 0; column < kColumnCount; ++column) {
            auto *item = column == 0 && entry.readable ? new SessionItem(texts.at(column))
                                                       : new QTableWidgetItem(texts.at(column));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == 0)
                item->setData(entry.readable ? Qt::UserRole : kUnreadablePathRole, entry.path);
            table->setItem(row, column, item);
        }
        for (int column : kWholeColumns) {
            const int width = metrics.horizontalAdvance(texts.at(column));
            if (width > widest[column].second)
                widest[column] = {row, width};
        }
    }
    // The cells of the widest texts, padding and margins included. With the
    // table's style sheet a cell's size hint leaves its text a pixel or two
    // short of what drawing it whole takes: one more text margin covers that.
    const int slack = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    for (int column : kWholeColumns) {
        if (widest[column].first >= 0) {
            const QModelIndex cell = table->model()->index(widest[column].first, column);
            m_wholeWidths[column] = std::max(m_wholeWidths[column], table->sizeHintForIndex(cell).width() + slack);
        }
    }
    table->setSortingEnabled(sorting);
    if (!m_userSizedColumns && table->isVisible())
        shareOutColumns();
}

void MainWindow::removeRowsOf(const QSet<QString> &paths)
{
    if (paths.isEmpty())
        return;
    QTableWidget *table = ui->lwLogs;
    for (int row = table->rowCount() - 1; row >= 0; --row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (!item)
            continue;
        const QString path = item->data(Qt::UserRole).toString();
        if (paths.contains(path.isEmpty() ? item->data(kUnreadablePathRole).toString() : path))
            table->removeRow(row);
    }
}

void MainWindow::watchFile(const QString &path)
{
    if (m_watchedFiles.contains(path))
        return;
    m_watchedFiles.insert(path);
    m_watcher.addPath(path);
}

namespace {

// `folder` itself when it exists, else the nearest folder above it that
// does; empty when none does.
QString nearestExistingFolder(const QString &folder)
{
    QString candidate = QFileInfo(folder).absoluteFilePath();
    while (!candidate.isEmpty() && !QFileInfo(candidate).isDir()) {
        const QString parent = QFileInfo(candidate).absolutePath();
        if (parent == candidate)
            return {};
        candidate = parent;
    }
    return candidate;
}

} // namespace

void MainWindow::watchLogsFolder()
{
    if (m_folder.isEmpty())
        return;
    // A folder may appear between the look and the watch: look again until
    // the watched one is the nearest that exists (one step per folder level).
    for (int level = 0; level < 256; ++level) {
        const bool exists = QFileInfo(m_folder).isDir();
        const QString wanted = exists ? m_folder : nearestExistingFolder(m_folder);
        const QStringList watched = m_watcher.directories();
        if (wanted.isEmpty() || watched == QStringList{wanted})
            return;
        if (!watched.isEmpty())
            m_watcher.removePaths(watched);
        m_watchedParent = exists ? QString() : wanted;
        if (!m_watcher.addPath(wanted)) {
            qCWarning(lcViewer) << "Cannot watch" << wanted;
            return;
        }
        qCDebug(lcViewer) << "Watching" << wanted << "for" << m_folder;
    }
}

void MainWindow::logDirectoryChanged(QString path)
{
    const QFileInfo info(path);
    qCDebug(lcViewer) << info.isFile() << info.exists() << path;
    if (!m_watchedParent.isEmpty() && path == m_watchedParent) {
        // Something changed above the logs folder: it may be there now.
        watchLogsFolder();
        if (m_watchedParent.isEmpty())
            rescanDirectory(m_folder);
    } else if (info.isFile()) {
        watchFile(path);
        // A changed log is listed again from its new contents, in one row.
        if (logRows.remove(path))
            removeRowsOf({path});
        processLogFile(m_folder.isEmpty() ? info.absolutePath() : m_folder, path);
    } else if (info.exists()) {
        QTimer::singleShot(1000, this, [this, path] {
            // The user may have turned to another folder in the meantime.
            if (m_watcher.directories().contains(path) && m_watchedParent.isEmpty())
                rescanDirectory(path);
        });
    } else if (path == m_folder) {
        // The logs folder went away: its rows go, and it is followed from
        // above until it comes back.
        m_watcher.removePath(path);
        watchLogsFolder();
        rescanDirectory(m_folder);
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
    QTableWidget *table = ui->lwLogs;
    QHeaderView *header = table->horizontalHeader();
    const int width = table->width();
    const int weights[kColumnCount] = {3, 5, 5, 3};
    int sizes[kColumnCount];
    int beyondShares = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        const int share = width * weights[column] / 21;
        sizes[column] = std::max(share, m_wholeWidths[column]);
        beyondShares += sizes[column] - share;
    }
    // What the whole sessions and times take beyond their shares comes off
    // the user and settings columns, 5 to 5, as far as the table would not
    // show it otherwise; each keeps at least the width of its heading.
    const int overflow = sizes[0] + sizes[1] + sizes[2] + sizes[3] - table->viewport()->width();
    const int giving = std::min(beyondShares, overflow);
    if (giving > 0) {
        const int first = giving * sizes[1] / std::max(sizes[1] + sizes[2], 1);
        sizes[1] = std::max(header->sectionSizeHint(1), sizes[1] - first);
        sizes[2] = std::max(header->sectionSizeHint(2), sizes[2] - (giving - first));
    }
    m_sharingColumns = true;
    for (int column = 0; column < kColumnCount; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Interactive);
        header->resizeSection(column, sizes[column]);
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
    if ((watched == ui->lwLogs || watched == ui->lwLogs->viewport())
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        && !m_userSizedColumns && ui->lwLogs->isVisible())
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
