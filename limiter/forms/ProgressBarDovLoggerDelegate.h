#pragma once

#include <QStyledItemDelegate>

// The progress-bar delegate for the DOV logger list; draws like
// ProgressBarDelegate.
class ProgressBarDovLoggerDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
