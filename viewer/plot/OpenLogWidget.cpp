#include "OpenLogWidget.h"
#include "ui_OpenLogWidget.h"

#include <QEvent>

OpenLogWidget::OpenLogWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::OpenLogWidget)
{
    ui->setupUi(this);
}

OpenLogWidget::~OpenLogWidget()
{
    delete ui;
}

void OpenLogWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
