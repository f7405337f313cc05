#include "LoggerQueue.h"

#include "LogFile.h"

#include <QCoreApplication>
#include <QLocale>

namespace LoggerQueue {

QColor itemColour(SessionState state)
{
    switch (state) {
    case SessionState::Queued:
        return QColor(Qt::yellow);
    case SessionState::Reading:
        return QColor(Qt::darkYellow);
    case SessionState::Complete:
        return QColor(Qt::green);
    case SessionState::Damaged:
        return QColor(255, 140, 0); // orange: kept, but not to be trusted
    case SessionState::Incomplete:
        return QColor(255, 190, 190);
    case SessionState::Empty:
        return QColor(210, 210, 210);
    case SessionState::SaveFailed:
        return QColor(255, 96, 96);
    case SessionState::NotQueued:
        break;
    }
    return QColor(Qt::white);
}

QueueFlag queueFlag(SessionState state)
{
    return state == SessionState::Queued || state == SessionState::Reading ? Queued : NotQueued;
}

QString itemText(std::uint32_t session, SessionState state)
{
    switch (state) {
    case SessionState::Damaged:
        return QCoreApplication::translate("LoggerWidget", "%1 (checksum failed)").arg(session);
    case SessionState::Incomplete:
        return QCoreApplication::translate("LoggerWidget", "%1 (not read whole)").arg(session);
    case SessionState::Empty:
        return QCoreApplication::translate("LoggerWidget", "%1 (no data on the device)").arg(session);
    case SessionState::SaveFailed:
        return QCoreApplication::translate("LoggerWidget", "%1 (not saved)").arg(session);
    default:
        return QString::number(session);
    }
}

std::optional<FolderLog> folderLog(const QString &fileName, const QString &deviceName)
{
    if (!deviceName.isEmpty() && !fileName.startsWith(sanitizeFileNameComponent(deviceName) + QLatin1Char('_')))
        return std::nullopt;
    const QString last = fileName.section(QLatin1Char('_'), -1);
    const QString number = last.section(QLatin1Char('.'), 0, 0);
    bool ok = false;
    const uint n = number.toUInt(&ok);
    if (ok)
        return FolderLog{n, true};
    const uint incomplete = number.section(QLatin1Char('x'), 0, 0).toUInt(&ok);
    if (ok)
        return FolderLog{incomplete, false};
    return std::nullopt;
}

QString folderItemText(const QString &fileName, const QString &deviceName)
{
    const std::optional<FolderLog> log = folderLog(fileName, deviceName);
    if (!log)
        return QString();
    if (log->complete)
        return QString::number(log->session);
    return QCoreApplication::translate("LoggerWidget", "%1 (not complete race)").arg(log->session);
}

QString readSpeedText(std::uint32_t bitsPerSecond)
{
    const float kbits = float(bitsPerSecond) / 1024.0f;
    return QCoreApplication::translate("LoggerWidget", "Log read speed: %1 kbit/s")
        .arg(QString::number(kbits, 'g', QLocale::FloatingPointShortest));
}

} // namespace LoggerQueue
