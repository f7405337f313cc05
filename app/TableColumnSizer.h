#pragma once

#include <QObject>
#include <QTimer>

class QTableView;

// Keeps the columns of a table as wide as their contents without measuring
// on every change of a cell: a list whose rows change many times a second
// would otherwise spend the GUI thread measuring text. The columns are
// fitted soon after rows come, go or are reordered wholesale, and at most
// once per interval while cells change; a table that is not visible is
// never measured and is fitted when it is shown again. The user can still
// drag a column wider or narrower until the next fit.
class TableColumnSizer : public QObject
{
    Q_OBJECT

public:
    // Follows `view` and the model it shows now.
    explicit TableColumnSizer(QTableView *view, int intervalMs = 1000);

    // Fits every column to its header and the rows in view.
    void fitColumns();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Something changed that needs a fit: in `delayMs`, or when the table
    // is shown again.
    void scheduleFit(int delayMs);
    void onTimer();

    QTableView *m_view;
    const int m_intervalMs;
    QTimer m_timer;
    bool m_pending = false;
};
