#include "CoalescingProxyModel.h"

#include <algorithm>
#include <limits>

CoalescingProxyModel::CoalescingProxyModel(int intervalMs, QObject *parent) : QIdentityProxyModel(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &CoalescingProxyModel::flush);
}

void CoalescingProxyModel::setSourceModel(QAbstractItemModel *sourceModel)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    m_timer.stop();
    m_firstRow = 0;
    m_lastRow = -1;
    QIdentityProxyModel::setSourceModel(sourceModel);
    if (!sourceModel)
        return;
    // The base class passes every change on at once: take that connection
    // over with the gathering one.
    disconnect(sourceModel, &QAbstractItemModel::dataChanged, this, nullptr);
    m_sourceConnections = {
        connect(sourceModel, &QAbstractItemModel::dataChanged, this, &CoalescingProxyModel::onSourceDataChanged),
        connect(sourceModel, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first) { widenFrom(first); }),
        connect(sourceModel, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int first) { widenFrom(first); }),
        connect(sourceModel, &QAbstractItemModel::layoutChanged, this, [this] { widenFrom(0); }),
    };
}

void CoalescingProxyModel::widenFrom(int row)
{
    if (!hasPendingChanges() || row > m_lastRow)
        return;
    m_firstRow = std::min(m_firstRow, row);
    m_lastRow = std::numeric_limits<int>::max();
}

void CoalescingProxyModel::setPaused(bool paused)
{
    if (m_paused == paused)
        return;
    m_paused = paused;
    if (m_paused)
        m_timer.stop();
    else if (hasPendingChanges())
        flush();
}

void CoalescingProxyModel::onSourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    if (hasPendingChanges()) {
        m_firstRow = std::min(m_firstRow, topLeft.row());
        m_lastRow = std::max(m_lastRow, bottomRight.row());
    } else {
        m_firstRow = topLeft.row();
        m_lastRow = bottomRight.row();
    }
    if (!m_paused && !m_timer.isActive())
        m_timer.start();
}

void CoalescingProxyModel::flush()
{
    m_timer.stop();
    if (!hasPendingChanges())
        return;
    // Rows may have gone since the change was noted.
    const int last = std::min(m_lastRow, rowCount() - 1);
    const int first = m_firstRow;
    m_firstRow = 0;
    m_lastRow = -1;
    if (first > last || columnCount() == 0)
        return;
    emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}
