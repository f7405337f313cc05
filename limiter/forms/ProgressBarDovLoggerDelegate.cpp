#include "ProgressBarDovLoggerDelegate.h"

#include "ProgressBarDelegate.h"

void ProgressBarDovLoggerDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    ProgressBarDelegate::paintBar(painter, option, index);
}
