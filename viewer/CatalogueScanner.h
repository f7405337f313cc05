#pragma once

#include "LogCatalogue.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>

// Walks a logs folder and its subfolders and reads the metadata of its logs
// on a thread of its own, so a folder of thousands of logs never holds up the
// window. What it reads reaches the object's own thread in batches that grow
// with the number of entries delivered (a batch is also sent once it has
// waited a moment), so the receiver sorts and sizes its list once per batch
// and the whole scan costs time in proportion to the number of logs.
class CatalogueScanner : public QObject
{
    Q_OBJECT

public:
    explicit CatalogueScanner(QObject *parent = nullptr);
    // Stops a scan still running and waits for its thread.
    ~CatalogueScanner() override;

    // Scans `directory`: the files in `listed` are not read again; those in
    // `retried` are. A scan still running is dropped: nothing more of it is
    // delivered.
    void start(const QString &directory, const QSet<QString> &listed, const QSet<QString> &retried);
    void stop();
    bool isRunning() const { return m_running; }

signals:
    // Files read, in the order the folder walk found them.
    void entriesRead(const QList<CatalogueEntry> &entries);
    // The walk went through the whole folder. `vanished` are the files of
    // `listed` and `retried` that it did not find.
    void finished(const QStringList &vanished);

private:
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    quint64 m_generation = 0;
    bool m_running = false;
};
