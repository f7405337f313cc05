#pragma once

#include <QIdentityProxyModel>
#include <QTimer>

// Passes a flat table model through unchanged, except that changed cells are
// announced at most once per interval, as one change over the rows that
// changed. Rows that come, go or move are announced at once. While paused
// (nobody looks), changes are only noted and announced on resume. What the
// model holds is always read live; only the announcements are gathered.
//
// A list fed by a crowded radio changes its rows a thousand times a second;
// a sort proxy and a view behind it need to hear of that a few times a
// second, not re-sort and repaint for every advertisement.
class CoalescingProxyModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit CoalescingProxyModel(int intervalMs = 250, QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *sourceModel) override;

    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    // Announces the gathered changes now.
    void flush();
    // Whether changes wait to be announced.
    bool hasPendingChanges() const { return m_firstRow <= m_lastRow; }

private:
    void onSourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    // Rows moved under changes not yet announced: announce all from `row` on.
    void widenFrom(int row);

    QList<QMetaObject::Connection> m_sourceConnections;
    QTimer m_timer;
    bool m_paused = false;
    // The rows changed since the last announcement; none when first > last.
    int m_firstRow = 0;
    int m_lastRow = -1;
};
