#include "CurrentPageStack.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>

CurrentPageStack::CurrentPageStack(QWidget *parent) : QStackedWidget(parent)
{
    connect(this, &QStackedWidget::currentChanged, this, [this] {
        updateGeometry();
        // A scroll area hears of it through its own layout request.
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *area = qobject_cast<QScrollArea *>(w)) {
                QCoreApplication::postEvent(area, new QEvent(QEvent::LayoutRequest));
                break;
            }
        }
    });
}

QSize CurrentPageStack::sizeHint() const
{
    const QWidget *page = currentWidget();
    return page ? page->sizeHint().expandedTo(page->minimumSize()) : QStackedWidget::sizeHint();
}

QSize CurrentPageStack::minimumSizeHint() const
{
    const QWidget *page = currentWidget();
    return page ? page->minimumSizeHint().expandedTo(page->minimumSize()) : QStackedWidget::minimumSizeHint();
}
