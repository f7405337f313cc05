#include "VerticalLabel.h"

#include <QPainter>

VerticalLabel::VerticalLabel(QWidget *parent)
    : QLabel(parent)
{
}

VerticalLabel::VerticalLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

QSize VerticalLabel::sizeHint() const
{
    return QLabel::sizeHint().transposed();
}

QSize VerticalLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint().transposed();
}

void VerticalLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(0, sizeHint().height());
    painter.rotate(270);
    painter.drawText(QRect(QPoint(0, 0), QLabel::sizeHint()), Qt::AlignHCenter | Qt::AlignVCenter, text());
}
