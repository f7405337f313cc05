#include "TableColumnSizer.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QTableView>

TableColumnSizer::TableColumnSizer(QTableView *view, int intervalMs)
    : QObject(view), m_view(view), m_intervalMs(intervalMs)
{
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TableColumnSizer::onTimer);
    m_view->installEventFilter(this);

    QAbstractItemModel *model = m_view->model();
    if (!model)
        return;
    // Rows that come or go, and a new list: fit at once (one fit for a
    // burst of them).
    const auto soon = [this] { scheduleFit(0); };
    connect(model, &QAbstractItemModel::rowsInserted, this, soon);
    connect(model, &QAbstractItemModel::rowsRemoved, this, soon);
    connect(model, &QAbstractItemModel::modelReset, this, soon);
    connect(model, &QAbstractItemModel::headerDataChanged, this, soon);
    // Changed cells: at most one fit per interval.
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { scheduleFit(m_intervalMs); });
    scheduleFit(0);
}

void TableColumnSizer::fitColumns()
{
    m_pending = false;
    m_timer.stop();
    m_view->resizeColumnsToContents();
}

bool TableColumnSizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        if (event->type() == QEvent::Show && m_pending)
            scheduleFit(0);
        else if (event->type() == QEvent::LanguageChange)
            scheduleFit(0);
    }
    return QObject::eventFilter(watched, event);
}

void TableColumnSizer::scheduleFit(int delayMs)
{
    m_pending = true;
    // A hidden table waits for its Show event.
    if (!m_view->isVisible())
        return;
    // An earlier fit due sooner stays; a later one is brought forward.
    if (!m_timer.isActive() || m_timer.remainingTime() > delayMs)
        m_timer.start(delayMs);
}

void TableColumnSizer::onTimer()
{
    if (m_pending && m_view->isVisible())
        fitColumns();
}
