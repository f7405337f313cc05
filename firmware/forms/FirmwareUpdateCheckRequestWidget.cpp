#include "FirmwareUpdateCheckRequestWidget.h"
#include "ui_FirmwareUpdateCheckRequestWidget.h"

#include <QEvent>
#include <QSettings>

namespace {

void storeAnswer(const QString &answer)
{
    QSettings().setValue(QStringLiteral("firmware update"), answer);
}

} // namespace

FirmwareUpdateCheckRequestWidget::FirmwareUpdateCheckRequestWidget(QWidget *parent)
    : QDialog(parent), ui(new Ui::FirmwareUpdateCheckRequestWidget)
{
    ui->setupUi(this);
    connect(ui->pbCheckAlways, &QPushButton::clicked, this, &FirmwareUpdateCheckRequestWidget::onCheckAlways);
    connect(ui->pbCheckOnce, &QPushButton::clicked, this, &FirmwareUpdateCheckRequestWidget::onCheckOnce);
    connect(ui->pbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

FirmwareUpdateCheckRequestWidget::~FirmwareUpdateCheckRequestWidget()
{
    delete ui;
}

void FirmwareUpdateCheckRequestWidget::onCheckAlways()
{
    storeAnswer(QStringLiteral("check always"));
    accept();
}

void FirmwareUpdateCheckRequestWidget::onCheckOnce()
{
    storeAnswer(QStringLiteral("check once"));
    accept();
}

void FirmwareUpdateCheckRequestWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
