#include "LogCapture.h"

#include <QThread>

#include <atomic>

namespace {
std::atomic<LogCapture *> current{nullptr};
} // namespace

LogCapture::LogCapture(const QStringList &categories) : m_categories(categories)
{
    Q_ASSERT(!current.load());
    current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

void LogCapture::handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    LogCapture *capture = current.load();
    if (!capture)
        return;
    const QString category = QString::fromLatin1(context.category ? context.category : "default");
    const bool kept = capture->m_categories.isEmpty() || capture->m_categories.contains(category);
    if (kept) {
        QMutexLocker lock(&capture->m_mutex);
        capture->m_lines.append({type, category, message, QThread::currentThread()});
    }
    if ((!kept || type != QtDebugMsg) && capture->m_previous)
        capture->m_previous(type, context, message);
}

QList<LogCapture::Line> LogCapture::lines(const QString &category) const
{
    QMutexLocker lock(&m_mutex);
    if (category.isEmpty())
        return m_lines;
    QList<Line> result;
    for (const Line &line : m_lines) {
        if (line.category == category)
            result.append(line);
    }
    return result;
}

QStringList LogCapture::messages(const QString &category) const
{
    QStringList result;
    for (const Line &line : lines(category))
        result.append(line.message);
    return result;
}

void LogCapture::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}
