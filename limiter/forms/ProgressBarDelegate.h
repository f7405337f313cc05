#pragma once

#include <QStyledItemDelegate>

// Draws a cell holding a percentage (the battery state of the limiter list)
// as a progress bar with the number and a percent sign.
class ProgressBarDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The drawing shared with the DOV logger delegate: only the bar, no cell
    // background, selection or focus frame.
    static void paintBar(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index);
};
