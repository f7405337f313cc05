#pragma once

#include <QDialog>

namespace Ui {
class FirmwareUpdateCheckRequestWidget;
}

// Asks at start-up whether the update index should be fetched and stores
// the answer in the setting "firmware update".
class FirmwareUpdateCheckRequestWidget : public QDialog
{
    Q_OBJECT

public:
    explicit FirmwareUpdateCheckRequestWidget(QWidget *parent = nullptr);
    ~FirmwareUpdateCheckRequestWidget() override;

public slots:
    void onCheckAlways();
    void onCheckOnce();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::FirmwareUpdateCheckRequestWidget *ui;
};
