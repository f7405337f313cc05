#include "CatalogueScanner.h"

#include "LogMetadata.h"
#include "ViewerDiagnostics.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <algorithm>

namespace {

// The first rows show at once; later batches hold at least half as many
// entries as were delivered before them.
constexpr qsizetype kFirstBatch = 32;
// A batch waits no longer than this for more entries.
constexpr qint64 kBatchWaitMs = 150;

} // namespace

CatalogueScanner::CatalogueScanner(QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

CatalogueScanner::~CatalogueScanner()
{
    stop();
    m_pool.waitForDone();
}

void CatalogueScanner::stop()
{
    if (m_cancelled)
        m_cancelled->store(true);
    m_cancelled.reset();
    ++m_generation;
    m_running = false;
}

void CatalogueScanner::start(const QString &directory, const QSet<QString> &listed, const QSet<QString> &retried)
{
    stop();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    const quint64 generation = m_generation;
    m_running = true;

    m_pool.start([this, cancelled, generation, directory, listed, retried] {
        QSet<QString> notSeen = listed;
        notSeen.unite(retried);
        QList<CatalogueEntry> batch;
        qsizetype delivered = 0;
        QElapsedTimer waiting;
        waiting.start();

        // Runs on this object's thread; a dropped scan delivers nothing.
        const auto deliver = [&](bool last) {
            QStringList vanished;
            if (last)
                vanished = QStringList(notSeen.cbegin(), notSeen.cend());
            delivered += batch.size();
            QMetaObject::invokeMethod(
                this,
                [this, generation, last, entries = std::exchange(batch, {}), vanished = std::move(vanished)] {
                    if (generation != m_generation)
                        return;
                    if (!entries.isEmpty())
                        emit entriesRead(entries);
                    if (last && generation == m_generation) {
                        m_running = false;
                        emit finished(vanished);
                    }
                },
                Qt::QueuedConnection);
            waiting.restart();
        };

        QDirIterator it(directory, {logFileNameFilter()}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            if (cancelled->load())
                return;
            const QString path = it.next();
            const bool known = notSeen.remove(path);
            if (known && listed.contains(path))
                continue;
            // A file listed as unreadable is read again: it may have been repaired.
            if (std::optional<CatalogueEntry> entry = readCatalogueEntry(directory, path))
                batch.append(std::move(*entry));
            if (batch.size() >= std::max(kFirstBatch, delivered / 2)
                || (!batch.isEmpty() && waiting.elapsed() >= kBatchWaitMs))
                deliver(false);
        }
        if (!cancelled->load())
            deliver(true);
    });
}
