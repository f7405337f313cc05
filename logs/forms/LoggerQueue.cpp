#include "LoggerQueue.h"

#include "LogFile.h"

#include <QCoreApplication>
#include <QLocale>

namespace LoggerQueue {

QColor itemColour(ItemState state)
{
    switch (state) {
    case ItemState::Queued:
        return QColor(Qt::yellow);
    case ItemState::Reading:
        return QColor(Qt::darkYellow);
    case ItemState::Saved:
        return QColor(Qt::green);
    case ItemState::ChecksumFail:
        return QColor(255, 140, 0); // orange: kept, but not to be trusted
    case ItemState::SaveFailed:
        return QColor(255, 96, 96);
    case ItemState::NotQueued:
        break;
    }
    return QColor(Qt::white);
}

QList<std::uint32_t> deviceSessions(std::uint32_t firstSession, std::uint32_t lastSession)
{
    QList<std::uint32_t> sessions;
    if (lastSession < firstSession)
        return sessions;
    sessions.reserve(qsizetype(qMin<std::uint64_t>(std::uint64_t(lastSession) - firstSession + 1, 100000)));
    for (std::uint64_t n = lastSession + std::uint64_t(1); n-- > firstSession;)
        sessions.append(std::uint32_t(n));
    return sessions;
}

bool queuedAsNew(const QString &sessionText, const QStringList &folderTexts)
{
    return !folderTexts.contains(sessionText);
}

QString folderItemText(const QString &fileName, const QString &deviceName)
{
    if (!deviceName.isEmpty() && !fileName.startsWith(sanitizeFileNameComponent(deviceName) + QLatin1Char('_')))
        return QString();
    const QString last = fileName.section(QLatin1Char('_'), -1);
    const QString number = last.section(QLatin1Char('.'), 0, 0);
    bool ok = false;
    const uint n = number.toUInt(&ok);
    if (ok)
        return QString::number(n);
    const uint incomplete = number.section(QLatin1Char('x'), 0, 0).toUInt(&ok);
    if (ok)
        return QCoreApplication::translate("LoggerWidget", "%1 (not complete race)").arg(incomplete);
    return QString();
}

QString readSpeedText(std::uint32_t bitsPerSecond)
{
    const float kbits = float(bitsPerSecond) / 1024.0f;
    return QCoreApplication::translate("LoggerWidget", "Log read speed: %1 kbit/s")
        .arg(QString::number(kbits, 'g', QLocale::FloatingPointShortest));
}

} // namespace LoggerQueue
