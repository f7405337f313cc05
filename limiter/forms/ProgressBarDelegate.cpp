#include "ProgressBarDelegate.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionProgressBar>

void ProgressBarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    paintBar(painter, option, index);
}

void ProgressBarDelegate::paintBar(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const int value = index.model() ? index.data(Qt::DisplayRole).toInt() : 0;

    QRect bar = option.rect;
    bar.setHeight(32);
    bar.moveCenter(option.rect.center());

    // Deliberately nothing else from the view's option: no state, palette,
    // font or selection.
    QStyleOptionProgressBar progress;
    progress.rect = bar;
    progress.minimum = 0;
    progress.maximum = 100;
    progress.progress = value;
    progress.text = QString::number(value) + QLatin1Char('%');
    progress.textVisible = true;
    progress.textAlignment = Qt::AlignCenter;

    QApplication::style()->drawControl(QStyle::CE_ProgressBar, &progress, painter, nullptr);
}
