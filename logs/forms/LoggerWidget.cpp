#include "LoggerWidget.h"
#include "ui_LoggerWidget.h"

#include "LimiterDevice.h"
#include "LogFile.h"
#include "NumericSortWidgetItem.h"
#include "SharedSettings.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include <exception>

Q_LOGGING_CATEGORY(lcLogger, "logs.logger")

using LoggerQueue::ItemState;

namespace {

constexpr int kFileNameRole = Qt::UserRole + 1;

const QString kCsvExportKey = QStringLiteral("csv_export");

int queueFlag(const QListWidgetItem *item)
{
    return item->data(Qt::UserRole).toInt();
}

} // namespace

LoggerWidget::LoggerWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LoggerWidget)
    , m_answerTimer(new QTimer(this))
{
    ui->setupUi(this);
    m_answerTimer->setSingleShot(true);
    connect(m_answerTimer, &QTimer::timeout, this, [this]() {
        abandonRead(m_started ? tr("The device stopped answering while session %1 was being read.")
                                    .arg(m_readingSession.value_or(0))
                              : tr("The device did not answer the request for session %1.")
                                    .arg(m_readingSession.value_or(0)));
    });
    connect(ui->pbSelectDirectory, &QPushButton::clicked, this, &LoggerWidget::selectLogDirectory);
    connect(ui->pbReadAllLogs, &QPushButton::clicked, this, &LoggerWidget::readAllLogs);
    connect(ui->pbReadNewLogs, &QPushButton::clicked, this, &LoggerWidget::readNewLogs);
    connect(ui->pbReadSelected, &QPushButton::clicked, this, &LoggerWidget::readSelected);
    connect(ui->lwReadLogs, &QListWidget::itemSelectionChanged, this, &LoggerWidget::logSelected);
    connect(ui->lwReadLogs, &QListWidget::itemDoubleClicked, this, &LoggerWidget::openLog);

    qCDebug(lcLogger) << "Size of s_LimiterLoggerDataSet = " << 8 << ", Size of s_CommonLogData = " << 8;
    ui->cbCSVExport->setChecked(sharedSettings().value(kCsvExportKey, false).toBool());
    m_logsDir = ::logsDirectory();
    ui->leLogDir->setText(QDir::toNativeSeparators(m_logsDir));
    ui->pbLoading->hide();
    ui->lblReadProblems->hide();
    showPlaceholder();
}

LoggerWidget::~LoggerWidget()
{
    sharedSettings().setValue(kCsvExportKey, ui->cbCSVExport->isChecked());
    delete ui;
}

void LoggerWidget::setDevice(std::shared_ptr<LimiterDevice> device)
{
    if (m_device)
        disconnect(m_device.get(), nullptr, this, nullptr);
    m_device = std::move(device);
    if (!m_device)
        return;
    LimiterDevice *d = m_device.get();
    connect(this, &LoggerWidget::readLogNumber, d, &LimiterDevice::readLogNumber);
    connect(this, &LoggerWidget::readLog, d, &LimiterDevice::readLog);
    connect(this, &LoggerWidget::clearLogs, d, &LimiterDevice::sendClearLogs);
    connect(d, &LimiterDevice::logDataReceived, this, &LoggerWidget::logDataReceived);
    connect(d, &LimiterDevice::logSessionNumberReceived, this, &LoggerWidget::logSessionNumberReceived);
    connect(d, &LimiterDevice::logReadStatusReceived, this, &LoggerWidget::logStatus);
    connect(d, &LimiterDevice::statusChanged, this, &LoggerWidget::deviceStatusChanged);
    m_deviceName = d->name();
    connectedToLimiter(d->name());
}

void LoggerWidget::setAnswerTimeouts(std::chrono::milliseconds startAnswer, std::chrono::milliseconds dataGap)
{
    m_startAnswerTimeout = startAnswer;
    m_dataGapTimeout = dataGap;
}

void LoggerWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (m_showingPlaceholder)
            showPlaceholder();
        // The folder list's texts again, in place, so the selection stays.
        for (int row = 0; row < ui->lwReadLogs->count(); ++row) {
            QListWidgetItem *item = ui->lwReadLogs->item(row);
            item->setText(LoggerQueue::folderItemText(item->data(kFileNameRole).toString(), m_fileFilter));
        }
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
    emit readLogNumber();
}

void LoggerWidget::on_pbClearLogs_clicked()
{
    emit clearLogs();
}

void LoggerWidget::connectedToLimiter(QString name)
{
    m_fileFilter = name.isNull() ? QLatin1String("") : name;
    readLogDirectory(m_logsDir);
}

void LoggerWidget::setItemState(QListWidgetItem *item, ItemState state)
{
    item->setBackground(LoggerQueue::itemColour(state));
    item->setData(Qt::UserRole, state == ItemState::Queued || state == ItemState::Reading
                                    ? LoggerQueue::Queued
                                    : LoggerQueue::NotQueued);
}

// --- the device's answers ----------------------------------------------------

void LoggerWidget::logSessionNumberReceived(s_LogSessionNum sessionNumber)
{
    qCDebug(lcLogger) << "session number: " << sessionNumber.lastSession << sessionNumber.firstSession;
    ui->lwDeviceLogs->clear();
    m_showingPlaceholder = false;
    const QList<std::uint32_t> sessions =
        LoggerQueue::deviceSessions(sessionNumber.firstSession, sessionNumber.lastSession);
    for (std::uint32_t session : sessions) {
        auto *item = new QListWidgetItem(QString::number(session), ui->lwDeviceLogs);
        item->setData(Qt::UserRole, LoggerQueue::NotQueued);
    }
}

void LoggerWidget::logStatus(s_LogReadStatus status)
{
    if (!isReading() || m_logSessions.empty()) {
        if (status.status == s_LogReadStatus::Started || status.status == s_LogReadStatus::Finished)
            qCDebug(lcLogger) << "Read status" << status.status << "of session" << status.sessionNumber
                              << "with no session requested, ignored";
        return;
    }
    LogSession &session = m_logSessions.back();
    switch (status.status) {
    case s_LogReadStatus::Started:
        m_started = true;
        m_answerTimer->start(m_dataGapTimeout);
        ui->pbLoading->setMaximum(int(qMin<quint32>(status.sessionSize, quint32(INT_MAX))));
        ui->pbLoading->setValue(0);
        ui->pbLoading->show();
        ui->lblReadSpeed->setText(LoggerQueue::readSpeedText(0));
        ui->lblReadSpeed->show();
        session.setFullSessionSize(status.sessionSize);
        qCDebug(lcLogger) << "fullSessionSize = " << status.sessionSize;
        break;
    case s_LogReadStatus::Speed:
        if (m_started)
            m_answerTimer->start(m_dataGapTimeout);
        ui->lblReadSpeed->setText(LoggerQueue::readSpeedText(status.speed));
        break;
    case s_LogReadStatus::Finished:
        finishSession(status);
        break;
    default:
        break;
    }
}

void LoggerWidget::logDataReceived(QByteArray data)
{
    if (!isReading() || m_logSessions.empty()) {
        qCWarning(lcLogger).noquote() << "Unexpected log record" << QString::fromLatin1(data.toHex(':'));
        return;
    }
    if (m_started)
        m_answerTimer->start(m_dataGapTimeout);
    ui->pbLoading->setValue(int(qMin<qint64>(qint64(ui->pbLoading->value()) + data.size(), ui->pbLoading->maximum())));
    m_logSessions.back().appendData(data);
}

void LoggerWidget::finishSession(const s_LogReadStatus &status)
{
    LogSession &session = m_logSessions.back();
    session.setFileDeviceName(m_deviceName);
    session.setDeviceName(m_fileFilter);
    endRead();

    qCDebug(lcLogger).noquote() << "final m_crc32 = " << QString::number(session.crc32(), 16);
    qCDebug(lcLogger).noquote() << "received final m_crc32 = " << QString::number(status.crc32, 16);
    const bool crcOk = session.crc32() == status.crc32;
    if (crcOk)
        qCDebug(lcLogger) << "Session CRC true!!!";
    else
        qCWarning(lcLogger) << "Session CRC fail!!!";

    // The file is the only copy the user gets, so it is written whatever the
    // checksum gave.
    QStringList failures;
    auto save = [&](LogWriteResult (*writer)(const QString &, const LogSession &)) {
        try {
            const LogWriteResult result = writer(m_logsDir, session);
            if (!result.ok)
                failures.append(result.errorString);
        } catch (const std::exception &e) {
            failures.append(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            failures.append(tr("unknown error"));
        }
    };
    save(&saveLogFile);
    if (ui->cbCSVExport->isChecked())
        save(&exportLogCsv);

    ItemState state = ItemState::Saved;
    if (!failures.isEmpty()) {
        state = ItemState::SaveFailed;
        addProblem(tr("Session %1 could not be saved: %2").arg(status.sessionNumber).arg(failures.join(QLatin1String("; "))));
    } else if (!crcOk) {
        state = ItemState::ChecksumFail;
        addProblem(tr("Session %1 failed its checksum: it was saved, but its data may be damaged.")
                       .arg(status.sessionNumber));
    }

    bool matched = false;
    for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
        QListWidgetItem *item = ui->lwDeviceLogs->item(row);
        bool ok = false;
        if (!m_showingPlaceholder && item->text().toUInt(&ok) == status.sessionNumber && ok) {
            setItemState(item, state);
            matched = true;
        }
    }
    if (matched)
        readNextLogInQueue();
}

void LoggerWidget::deviceStatusChanged(LimiterConnectionStatus status)
{
    if (isReading() && status != LimiterServicesDiscovered)
        abandonRead(tr("The connection to the device was lost while session %1 was being read. "
                       "Read it again once the device is connected.")
                        .arg(*m_readingSession));
}

void LoggerWidget::endRead()
{
    m_answerTimer->stop();
    m_readingSession.reset();
    m_started = false;
    ui->pbLoading->hide();
    ui->lblReadSpeed->hide();
}

void LoggerWidget::abandonRead(const QString &reason)
{
    if (!isReading())
        return;
    qCWarning(lcLogger).noquote() << reason;
    endRead();
    // Packets still on their way belong to no session now.
    for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
        QListWidgetItem *item = ui->lwDeviceLogs->item(row);
        if (queueFlag(item) == LoggerQueue::Queued)
            setItemState(item, ItemState::NotQueued);
    }
    addProblem(reason);
}

void LoggerWidget::addProblem(const QString &text)
{
    m_problems.append(text);
    ui->lblReadProblems->setText(m_problems.join(QLatin1Char('\n')));
    ui->lblReadProblems->show();
}

// --- the queue ------------------------------------------------------------

void LoggerWidget::startQueue()
{
    m_problems.clear();
    ui->lblReadProblems->clear();
    ui->lblReadProblems->hide();
    if (isReading()) {
        // The read under way goes on with the queue when it ends.
        for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
            QListWidgetItem *item = ui->lwDeviceLogs->item(row);
            if (item->text() == QString::number(*m_readingSession))
                setItemState(item, ItemState::Reading);
        }
        return;
    }
    readNextLogInQueue();
}

void LoggerWidget::readAllLogs()
{
    if (m_showingPlaceholder)
        return;
    for (int row = 0; row < ui->lwDeviceLogs->count(); ++row)
        setItemState(ui->lwDeviceLogs->item(row), ItemState::Queued);
    startQueue();
}

void LoggerWidget::readNewLogs()
{
    if (m_showingPlaceholder)
        return;
    QStringList folderTexts;
    for (int row = 0; row < ui->lwReadLogs->count(); ++row)
        folderTexts.append(ui->lwReadLogs->item(row)->text());
    for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
        QListWidgetItem *item = ui->lwDeviceLogs->item(row);
        setItemState(item, LoggerQueue::queuedAsNew(item->text(), folderTexts) ? ItemState::Queued
                                                                                 : ItemState::NotQueued);
    }
    startQueue();
}

void LoggerWidget::readSelected()
{
    if (m_showingPlaceholder)
        return;
    for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
        QListWidgetItem *item = ui->lwDeviceLogs->item(row);
        setItemState(item, item->isSelected() ? ItemState::Queued : ItemState::NotQueued);
    }
    startQueue();
}

void LoggerWidget::readLogs(int session)
{
    requestSession(std::uint32_t(session));
}

void LoggerWidget::requestSession(std::uint32_t session)
{
    m_logSessions.emplace_back();
    m_readingSession = session;
    m_started = false;
    m_answerTimer->start(m_startAnswerTimeout);
    emit readLog(session);
}

void LoggerWidget::readNextLogInQueue()
{
    if (!m_showingPlaceholder) {
        for (int row = 0; row < ui->lwDeviceLogs->count(); ++row) {
            QListWidgetItem *item = ui->lwDeviceLogs->item(row);
            if (queueFlag(item) != LoggerQueue::Queued)
                continue;
            setItemState(item, ItemState::Reading);
            requestSession(item->text().toUInt());
            return;
        }
    }
    // No parent and not modal: the box stays beside the page until the user
    // closes it, and goes with that.
    auto *box = new QMessageBox(QMessageBox::Information, QString(), tr("Finish reading logs"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    readLogDirectory(m_logsDir);
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
    const QString directory = QFileDialog::getExistingDirectory(this, tr("Select logs directory"), m_logsDir,
                                                                QFileDialog::ShowDirsOnly);
    if (directory.isEmpty())
        return;
    m_logsDir = directory;
    ui->leLogDir->setText(QDir::toNativeSeparators(m_logsDir));
    storeLogsDirectory(m_logsDir);
    readLogDirectory(m_logsDir);
}

QString LoggerWidget::selectedLogPath() const
{
    const QList<QListWidgetItem *> selected = ui->lwReadLogs->selectedItems();
    if (selected.isEmpty())
        return QString();
    return m_logsDir + QDir::separator() + selected.first()->data(kFileNameRole).toString();
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
