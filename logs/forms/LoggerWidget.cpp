#include "LoggerWidget.h"
#include "ui_LoggerWidget.h"

#include "LogFile.h"
#include "LoggerQueue.h"
#include "NumericSortWidgetItem.h"
#include "SharedSettings.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QSettings>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <exception>

Q_LOGGING_CATEGORY(lcLogger, "logs.logger")

using SessionState = LogDownload::SessionState;

namespace {

constexpr int kFileNameRole = Qt::UserRole + 1;
// The message line shows at most this many problems, the latest.
constexpr int kShownProblems = 5;

const QString kCsvExportKey = QStringLiteral("csv_export");

} // namespace

LoggerWidget::LoggerWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LoggerWidget)
    , m_download(new LogDownload(this))
{
    ui->setupUi(this);
    connect(ui->pbSelectDirectory, &QPushButton::clicked, this, &LoggerWidget::selectLogDirectory);
    connect(ui->pbReadAllLogs, &QPushButton::clicked, this, &LoggerWidget::readAllLogs);
    connect(ui->pbReadNewLogs, &QPushButton::clicked, this, &LoggerWidget::readNewLogs);
    connect(ui->pbReadSelected, &QPushButton::clicked, this, &LoggerWidget::readSelected);
    connect(ui->lwReadLogs, &QListWidget::itemSelectionChanged, this, &LoggerWidget::logSelected);
    connect(ui->lwReadLogs, &QListWidget::itemDoubleClicked, this, &LoggerWidget::openLog);
    connect(ui->cbCSVExport, &QCheckBox::toggled, m_download, &LogDownload::setCsvExport);

    LogDownload *d = m_download;
    connect(d, &LogDownload::sessionNumbersRequested, this, &LoggerWidget::readLogNumber);
    connect(d, &LogDownload::sessionRequested, this, &LoggerWidget::readLog);
    connect(this, &LoggerWidget::clearLogs, d, &LogDownload::clearLogs);
    connect(d, &LogDownload::sessionsListed, this, &LoggerWidget::showSessionList);
    connect(d, &LogDownload::sessionsRefused, this, [this](const QString &message) {
        showSessionList();
        m_messages = QStringList{message};
        showMessages();
    });
    connect(d, &LogDownload::stateChanged, this, &LoggerWidget::showState);
    connect(d, &LogDownload::statesChanged, this, &LoggerWidget::showAllStates);
    connect(d, &LogDownload::readStarted, this, [this](std::uint32_t, std::uint32_t size) {
        ui->pbLoading->setMaximum(int(std::min<std::uint32_t>(size, INT_MAX)));
        ui->pbLoading->setValue(0);
        ui->pbLoading->show();
        ui->lblReadSpeed->setText(LoggerQueue::readSpeedText(0));
        ui->lblReadSpeed->show();
    });
    connect(d, &LogDownload::dataProgress, this, [this](qint64 bytes) {
        ui->pbLoading->setValue(int(std::min<qint64>(bytes, ui->pbLoading->maximum())));
    });
    connect(d, &LogDownload::speedReported, this, [this](std::uint32_t bitsPerSecond) {
        ui->lblReadSpeed->setText(LoggerQueue::readSpeedText(bitsPerSecond));
    });
    connect(d, &LogDownload::readStopped, this, [this]() {
        ui->pbLoading->hide();
        ui->lblReadSpeed->hide();
    });
    connect(d, &LogDownload::sessionEnded, this,
            [this](std::uint32_t, SessionState, const QStringList &messages) { showSessionEnded(messages); });
    connect(d, &LogDownload::runFinished, this, &LoggerWidget::showRunFinished);

    qCDebug(lcLogger) << "Size of s_LimiterLoggerDataSet = " << 8 << ", Size of s_CommonLogData = " << 8;
    ui->cbCSVExport->setChecked(sharedSettings().value(kCsvExportKey, false).toBool());
    m_download->setCsvExport(ui->cbCSVExport->isChecked());
    m_download->setLogsDirectory(::logsDirectory());
    ui->leLogDir->setText(QDir::toNativeSeparators(m_download->logsDirectory()));
    ui->pbLoading->hide();
    ui->lblReadMessages->hide();
    ui->lblReadSummary->hide();
    showPlaceholder();
}

LoggerWidget::~LoggerWidget()
{
    sharedSettings().setValue(kCsvExportKey, ui->cbCSVExport->isChecked());
    delete ui;
}

QString LoggerWidget::deviceName() const
{
    return m_download->fileDeviceName();
}

void LoggerWidget::setDeviceName(const QString &name)
{
    m_download->setDeviceNames(name, m_fileFilter);
}

QString LoggerWidget::logsDirectory() const
{
    return m_download->logsDirectory();
}

void LoggerWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    const QString name = device ? device->name() : QString();
    m_download->setDevice(std::move(device));
    m_download->setDeviceNames(name, name);
    connectedToLimiter(name);
}

void LoggerWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_showingPlaceholder) {
            showPlaceholder();
        } else {
            showAllStates();
            fitDeviceList();
        }
        // The folder list's texts again, in place, so the selection stays.
        for (int row = 0; row < ui->lwReadLogs->count(); ++row) {
            QListWidgetItem *item = ui->lwReadLogs->item(row);
            item->setText(LoggerQueue::folderItemText(item->data(kFileNameRole).toString(), m_fileFilter));
        }
        showMessages();
    }
    QWidget::changeEvent(event);
}

void LoggerWidget::showPlaceholder()
{
    ui->lwDeviceLogs->clear();
    ui->lwDeviceLogs->addItem(tr("Click \"Read what's on the device\""));
    m_showingPlaceholder = true;
}

void LoggerWidget::on_pbReadLogCount_clicked()
{
    m_download->askSessions();
}

void LoggerWidget::on_pbClearLogs_clicked()
{
    emit clearLogs();
}

void LoggerWidget::connectedToLimiter(QString name)
{
    m_fileFilter = name.isNull() ? QLatin1String("") : name;
    m_download->setDeviceNames(m_download->fileDeviceName(), m_fileFilter);
    readLogDirectory(m_download->logsDirectory());
}

// --- what the download reports -------------------------------------------

void LoggerWidget::showSessionList()
{
    QListWidget *list = ui->lwDeviceLogs;
    list->clear();
    m_showingPlaceholder = false;
    const int count = m_download->sessionCount();
    // One insertion of all rows; each row then gets its flag (and, while a
    // read runs, its state) in place.
    QStringList texts;
    texts.reserve(count);
    for (int row = 0; row < count; ++row)
        texts.append(QString::number(m_download->sessionAt(row)));
    list->addItems(texts);
    showAllStates();
    fitDeviceList();
}

void LoggerWidget::fitDeviceList()
{
    // As wide as the longest text a row of the newest session can have.
    const std::uint32_t newest = m_download->sessionCount() > 0 ? m_download->sessionAt(0) : 0;
    const QFontMetrics metrics(ui->lwDeviceLogs->font());
    int text = 0;
    for (int state = 0; state <= int(SessionState::SaveFailed); ++state)
        text = std::max(text, metrics.horizontalAdvance(LoggerQueue::itemText(newest, SessionState(state))));
    const QStyle *style = ui->lwDeviceLogs->style();
    const int margins = 2 * ui->lwDeviceLogs->frameWidth() + style->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    ui->lwDeviceLogs->setMinimumWidth(text + margins);
}

void LoggerWidget::showState(int row)
{
    QListWidgetItem *item = m_showingPlaceholder ? nullptr : ui->lwDeviceLogs->item(row);
    if (!item)
        return;
    const SessionState state = m_download->state(row);
    const QString text = LoggerQueue::itemText(m_download->sessionAt(row), state);
    if (item->text() != text)
        item->setText(text);
    const QColor colour = LoggerQueue::itemColour(state);
    // A row never coloured stays without a brush: white is what it shows.
    if (item->background().style() != Qt::NoBrush || colour != QColor(Qt::white))
        item->setBackground(colour);
    item->setData(Qt::UserRole, LoggerQueue::queueFlag(state));
}

void LoggerWidget::showAllStates()
{
    if (m_showingPlaceholder)
        return;
    for (int row = 0; row < m_download->sessionCount(); ++row)
        showState(row);
}

void LoggerWidget::showSessionEnded(const QStringList &messages)
{
    m_messages += messages;
    showMessages();
}

void LoggerWidget::clearMessages()
{
    m_messages.clear();
    showMessages();
}

void LoggerWidget::showMessages()
{
    QStringList lines;
    const int hidden = std::max(0, int(m_messages.size()) - kShownProblems);
    if (hidden > 0)
        lines.append(tr("Earlier problems not shown here: %1 (see the diagnostics log).").arg(hidden));
    lines += m_messages.mid(hidden);
    ui->lblReadMessages->setText(lines.join(QLatin1Char('\n')));
    ui->lblReadMessages->setVisible(!lines.isEmpty());
    const int sessions = m_download->runSessions();
    ui->lblReadSummary->setText(
        sessions > 0 ? tr("Sessions read and saved: %1 of %2.").arg(m_download->runSaved()).arg(sessions) : QString());
    ui->lblReadSummary->setVisible(sessions > 0);
}

void LoggerWidget::showRunFinished()
{
    showMessages();
    readLogDirectory(m_download->logsDirectory());
    // No parent and not modal: the box stays beside the page until the user
    // closes it, and goes with that.
    auto *box = new QMessageBox(QMessageBox::Information, QString(), QString());
    if (m_download->runSaved() > 0) {
        box->setText(tr("Finish reading logs"));
    } else if (!m_download->runProblems().isEmpty()) {
        box->setText(tr("No session was read and saved."));
        box->setInformativeText(m_download->runProblems().join(QLatin1Char('\n')));
    } else {
        box->setText(tr("No session is queued for reading."));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

// --- the device's answers (the download takes them from the device) -------

void LoggerWidget::logDataReceived(QByteArray data)
{
    m_download->dataReceived(data);
}

void LoggerWidget::logSessionNumberReceived(s_LogSessionNum sessionNumber)
{
    m_download->sessionNumbersReceived(sessionNumber);
}

void LoggerWidget::logStatus(s_LogReadStatus status)
{
    m_download->readStatusReceived(status);
}

// --- the queue ------------------------------------------------------------

void LoggerWidget::readAllLogs()
{
    if (m_showingPlaceholder)
        return;
    clearMessages();
    m_download->readAll();
}

void LoggerWidget::readNewLogs()
{
    if (m_showingPlaceholder)
        return;
    clearMessages();
    QSet<std::uint32_t> complete;
    for (int row = 0; row < ui->lwReadLogs->count(); ++row) {
        const std::optional<LoggerQueue::FolderLog> log =
            LoggerQueue::folderLog(ui->lwReadLogs->item(row)->data(kFileNameRole).toString(), m_fileFilter);
        if (log && log->complete)
            complete.insert(log->session);
    }
    m_download->readNew(complete);
}

void LoggerWidget::readSelected()
{
    if (m_showingPlaceholder)
        return;
    clearMessages();
    QList<int> rows;
    const QModelIndexList selected = ui->lwDeviceLogs->selectionModel()->selectedIndexes();
    rows.reserve(selected.size());
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    m_download->readRows(rows);
}

void LoggerWidget::readLogs(int session)
{
    clearMessages();
    m_download->readSession(std::uint32_t(session));
}

void LoggerWidget::readNextLogInQueue()
{
    m_download->readNextInQueue();
}

// --- the logs folder ------------------------------------------------------

void LoggerWidget::readLogDirectory(QString directory)
{
    ui->lwReadLogs->clear();
    const QDir dir(directory);
    if (directory.isEmpty() || !dir.exists())
        return;
    const QStringList files =
        dir.entryList({QLatin1String("*") + QLatin1String(kLogFileExtension)}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString text = LoggerQueue::folderItemText(file, m_fileFilter);
        if (text.isEmpty())
            continue;
        auto *item = new NumericSortWidgetItem(text, ui->lwReadLogs);
        item->setData(kFileNameRole, file);
    }
    ui->lwReadLogs->sortItems(Qt::DescendingOrder);
}

void LoggerWidget::selectLogDirectory()
{
    const QString directory = QFileDialog::getExistingDirectory(this, tr("Select logs directory"),
                                                                m_download->logsDirectory(), QFileDialog::ShowDirsOnly);
    if (directory.isEmpty())
        return;
    m_download->setLogsDirectory(directory);
    ui->leLogDir->setText(QDir::toNativeSeparators(directory));
    storeLogsDirectory(directory);
    readLogDirectory(directory);
}

QString LoggerWidget::selectedLogPath() const
{
    const QList<QListWidgetItem *> selected = ui->lwReadLogs->selectedItems();
    if (selected.isEmpty())
        return QString();
    return m_download->logsDirectory() + QDir::separator() + selected.first()->data(kFileNameRole).toString();
}

void LoggerWidget::logSelected()
{
    const QString path = selectedLogPath();
    if (path.isEmpty()) {
        const QList<QLineEdit *> edits = ui->wLogHeader->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits)
            edit->clear();
        return;
    }
    try {
        const LogSession session = readLogMetadata(path);
        ui->wLogHeader->showLogDescription(session.header());
    } catch (const std::exception &e) {
        qCWarning(lcLogger) << "Cannot read" << path << e.what();
        ui->wLogHeader->showLogError();
    } catch (...) {
        ui->wLogHeader->showLogError();
    }
}

void LoggerWidget::openLog()
{
    const QString path = selectedLogPath();
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
